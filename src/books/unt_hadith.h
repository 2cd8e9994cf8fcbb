// The hadith library's reader: section 3 of the main menu.
#pragma once

#include <QPointer>

#include "books/topic_tree_reader.h"

class Tfrm_hadith : public TopicTreeReader {
    Q_OBJECT
  public:
    explicit Tfrm_hadith(QWidget* parent = nullptr) : TopicTreeReader(BookMember::Hadith, parent) {}

  protected:
    void OpenSearchScreen() override;
};

extern QPointer<Tfrm_hadith> frm_hadith;

/// Opens section 3 (the hadith reader) inside the hub.
void OpenHadithSection();
