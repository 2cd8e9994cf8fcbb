// The jurisprudence library's reader: section 4 of the main menu.
#pragma once

#include <QPointer>

#include "books/topic_tree_reader.h"

class Tfrm_fekh : public TopicTreeReader {
    Q_OBJECT
  public:
    explicit Tfrm_fekh(QWidget* parent = nullptr) : TopicTreeReader(BookMember::Fekh, parent) {}

  protected:
    void OpenSearchScreen() override;
};

extern QPointer<Tfrm_fekh> frm_fekh;

/// Opens section 4 (the jurisprudence reader) inside the hub.
void OpenFekhSection();
