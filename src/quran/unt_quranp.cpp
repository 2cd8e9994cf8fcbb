#include "quran/unt_quranp.h"

#include "components/picture_show.h"
#include "platform/clock.h"
#include "platform/error.h"
#include "platform/jpeg.h"
#include "shell/globals.h"

QPointer<Tfrm_quranp> frm_quranp;

namespace {
constexpr int kPhotoCount = 138;
constexpr int kStyleCount = 150;
constexpr int kFirstStyle = 118;
constexpr int kShowMs = 2000;
}  // namespace

Tfrm_quranp::Tfrm_quranp(QWidget* parent) : platform::Form(parent) {
    imgground = new TPictureShow(this);
    imgground->setObjectName("imgground");
    imgground->SetAutoSize(false);
    imgground->setCursor(Qt::PointingHandCursor);
    imgground->SetColor(Qt::black);
    imgground->SetStretch(true);
    imgground->SetDelay(60);
    imgground->SetStep(5);
    imgground->OnClick = [this] { ClosePhotos(); };
    imgground->OnStop = [this](TCustomPictureShow*) { Timer1->setEnabled(true); };

    Timer1 = new platform::Timer(this, kShowMs, false);
    Timer1->onTimer = [this] { Timer1Timer(); };
}

void Tfrm_quranp::formCreate() {
    setClientSize(800, 600);
    imgground->setGeometry(0, 0, 800, 600);
    imgground->show();
    PhotoNumber = 1;
    ShowPhoto(kFirstStyle);
}

std::string Tfrm_quranp::PhotoFile(int n) {
    return GraphicDir + "photos\\" + std::to_string(n) + ".jpg";
}

void Tfrm_quranp::Timer1Timer() {
    // Off before the next transition starts: its end turns the timer on again.
    Timer1->setEnabled(false);
    NextRandomPhoto();
}

void Tfrm_quranp::NextRandomPhoto() {
    platform::randomize(static_cast<uint32_t>(platform::Clock::current().now()));
    const int style = platform::random(kStyleCount) + 1;
    PhotoNumber = platform::random(kPhotoCount) + 1;
    ShowPhoto(style);
}

void Tfrm_quranp::ShowPhoto(int style) {
    QImage photo;
    try {
        photo = platform::loadJpeg(PhotoFile(PhotoNumber));
    } catch (const platform::PlatformError&) {
        // Another photo is tried 2 s from now; a disc that lacks photos is
        // reported once, not every 2 s.
        Timer1->setEnabled(true);
        if (PhotoErrorShown) return;
        PhotoErrorShown = true;
        throw;
    }
    imgground->SetPicture(photo);
    imgground->SetStyle(style);
    imgground->RunTransition();
}

void Tfrm_quranp::ClosePhotos() {
    // Nothing of the show outlives the screen: the end of the transition
    // stopped here, or one already on its way, starts no timer.
    imgground->OnStop = nullptr;
    imgground->StopTransition();
    Timer1->setEnabled(false);
    closeForm();
}
