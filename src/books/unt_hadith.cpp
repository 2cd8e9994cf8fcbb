#include "books/unt_hadith.h"

#include "books/unt_hadiths.h"

QPointer<Tfrm_hadith> frm_hadith;

void Tfrm_hadith::OpenSearchScreen() {
    OpenBookSearch(frm_hadiths, this);
}

void OpenHadithSection() {
    OpenReaderSection(frm_hadith);
}
