// The reader of the translated hadith book (its topics are RTF
// files, in English): section 9 of the main menu.
#pragma once

#include <QPointer>

#include "books/topic_tree_reader.h"

class Tfrm_live : public TopicTreeReader {
    Q_OBJECT
  public:
    explicit Tfrm_live(QWidget* parent = nullptr) : TopicTreeReader(BookMember::Live, parent) {}

  protected:
    void OpenSearchScreen() override;
};

extern QPointer<Tfrm_live> frm_live;

/// Opens section 9 (the translated book's reader) inside the hub.
void OpenLiveSection();
