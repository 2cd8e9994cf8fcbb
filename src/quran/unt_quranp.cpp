#include "quran/unt_quranp.h"

#include "shell/globals.h"

QPointer<Tfrm_quranp> frm_quranp;

Tfrm_quranp::Tfrm_quranp(QWidget* parent) : PhotoSlideshow(parent) {
    Cycle->PhotoFile = PhotoFile;
    Cycle->PhotoCount = kPhotoCount;
}

std::string Tfrm_quranp::PhotoFile(int n) {
    return GraphicDir + "photos\\" + std::to_string(n) + ".jpg";
}
