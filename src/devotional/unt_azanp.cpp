#include "devotional/unt_azanp.h"

#include "shell/globals.h"

QPointer<Tfrm_azanp> frm_azanp;
int AzanPhotoSet = 1, AzanPhotoCount = 15;

Tfrm_azanp::Tfrm_azanp(QWidget* parent) : PhotoSlideshow(parent) {
    Cycle->PhotoFile = PhotoFile;
    Cycle->PhotoCount = AzanPhotoCount;
}

std::string Tfrm_azanp::PhotoFile(int k) {
    return GraphicDir + "islamic\\" + std::to_string(AzanPhotoSet) + "\\" + std::to_string(k) +
           ".jpg";
}
