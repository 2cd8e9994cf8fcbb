// The jurisprudence library's search screen, over its reader.
#pragma once

#include <QPointer>

#include "books/book_search_screen.h"

class Tfrm_fekhs : public BookSearchScreen {
    Q_OBJECT
  public:
    explicit Tfrm_fekhs(QWidget* parent = nullptr) : BookSearchScreen(BookMember::Fekh, parent) {}
};

extern QPointer<Tfrm_fekhs> frm_fekhs;
