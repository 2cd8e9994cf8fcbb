#include "books/unt_fekh.h"

#include "books/unt_fekhs.h"

QPointer<Tfrm_fekh> frm_fekh;

void Tfrm_fekh::OpenSearchScreen() {
    OpenBookSearch(frm_fekhs, this);
}

void OpenFekhSection() {
    OpenReaderSection(frm_fekh);
}
