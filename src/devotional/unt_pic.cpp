#include "devotional/unt_pic.h"

#include <QRegion>

#include "components/photo_cycle.h"
#include "components/picture_show.h"
#include "platform/jpeg.h"
#include "quran/unt_quranp.h"
#include "shell/globals.h"

QPointer<Tfrm_pic> frm_pic;
int PicPhotoNumber = 1, PicPhotoStyle = 118, PicStopShow = 0;

Tfrm_pic::Tfrm_pic(QWidget* parent) : platform::Form(parent) {
    imgground = new TPictureShow(this);
    imgground->setObjectName("imgground");
    imgground->SetAutoSize(false);
    imgground->SetStretch(true);
    imgground->SetBgMode(bmStretched);
    imgground->SetColor(Qt::black);
    imgground->SetDelay(60);
    imgground->SetStep(5);
    imgground->SetStyle(47);
    imgground->setCursor(Qt::PointingHandCursor);
    imgground->OnClick = [this] { imggroundClick(); };
    Cycle = new PhotoCycle(imgground, this, PicPhotoNumber, PicPhotoStyle);
    Cycle->PhotoFile = Tfrm_quranp::PhotoFile;
    Cycle->PhotoCount = Tfrm_quranp::kPhotoCount;
    Cycle->GoesOn = [] { return PicStopShow == 0; };
    Timer1 = Cycle->Timer1;
}

void Tfrm_pic::formCreate() {
    setClientSize(800, 600);
    move(0, 0);
    // Only the circle is drawn and takes the mouse; the screen beneath shows
    // and works everywhere else.
    setMask(QRegion(Circle(), QRegion::Ellipse));
    imgground->setGeometry(79, 103, 402, 402);
    imgground->show();
    imgground->SetBgPicture(platform::loadJpeg(GraphicDir + "photos\\doaa.jpg"));
}

void Tfrm_pic::StartShow() {
    PicStopShow = 0;
    Cycle->Show(PicPhotoNumber, PicPhotoStyle);
}

void Tfrm_pic::imggroundClick() {
    platform::createForm(frm_quranp)->showModal();
}

void Tfrm_pic::ClosePicture() {
    Cycle->End();
    closeForm();
}

void Tfrm_pic::EscapeKey() {
    if (auto* screen = qobject_cast<platform::Form*>(parentWidget())) screen->EscapeKey();
}
