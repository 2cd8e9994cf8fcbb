// The translated book's search screen, over its reader.
#pragma once

#include <QPointer>

#include "books/book_search_screen.h"

class Tfrm_lives : public BookSearchScreen {
    Q_OBJECT
  public:
    explicit Tfrm_lives(QWidget* parent = nullptr) : BookSearchScreen(BookMember::Live, parent) {}
};

extern QPointer<Tfrm_lives> frm_lives;
