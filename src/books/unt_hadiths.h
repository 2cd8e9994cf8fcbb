// The hadith library's search screen, over the hadith reader.
#pragma once

#include <QPointer>

#include "books/book_search_screen.h"

class Tfrm_hadiths : public BookSearchScreen {
    Q_OBJECT
  public:
    explicit Tfrm_hadiths(QWidget* parent = nullptr)
        : BookSearchScreen(BookMember::Hadith, parent) {}
};

extern QPointer<Tfrm_hadiths> frm_hadiths;
