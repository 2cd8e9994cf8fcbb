#include "books/unt_live.h"

#include "books/unt_lives.h"

QPointer<Tfrm_live> frm_live;

void Tfrm_live::OpenSearchScreen() {
    OpenBookSearch(frm_lives, this);
}

void OpenLiveSection() {
    OpenReaderSection(frm_live);
}
