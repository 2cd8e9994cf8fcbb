#include "components/photo_cycle.h"

#include "components/picture_show.h"
#include "platform/clock.h"
#include "platform/error.h"
#include "platform/jpeg.h"

namespace {
constexpr int kStyleCount = 150;
constexpr int kFirstStyle = 118;
constexpr int kPauseMs = 2000;
}  // namespace

PhotoCycle::PhotoCycle(TPictureShow* show, QObject* owner, int& photoNumber, int& photoStyle)
    : QObject(owner), show_(show), photoNumber_(photoNumber), photoStyle_(photoStyle) {
    Timer1 = new platform::Timer(this, kPauseMs, false);
    Timer1->onTimer = [this] { Timer1Timer(); };
    show_->OnStop = [this](TCustomPictureShow*) {
        if (goesOn()) Timer1->setEnabled(true);
    };
}

void PhotoCycle::Timer1Timer() {
    // Off before the next transition starts: its end turns the timer on again.
    Timer1->setEnabled(false);
    NextRandomPhoto();
}

void PhotoCycle::NextRandomPhoto() {
    platform::randomize(static_cast<uint32_t>(platform::Clock::current().now()));
    const int style = platform::random(kStyleCount) + 1;
    const int photo = platform::random(PhotoCount) + 1;
    Show(photo, style);
}

void PhotoCycle::Show(int photo, int style) {
    if (ended_) return;
    // The picture show ignores a new transition while one runs; the end of
    // the stopped one may arm the pause, which the new photo makes void.
    show_->StopTransition();
    Timer1->setEnabled(false);
    photoNumber_ = photo;
    photoStyle_ = style;
    QImage picture;
    try {
        picture = platform::loadJpeg(PhotoFile(photo));
    } catch (const platform::PlatformError&) {
        // Another photo is tried 2 s from now; a disc that lacks photos is
        // reported once, not every 2 s.
        if (goesOn()) Timer1->setEnabled(true);
        if (errorShown_) return;
        errorShown_ = true;
        throw;
    }
    show_->SetPicture(picture);
    show_->SetStyle(style);
    show_->RunTransition();
}

void PhotoCycle::End() {
    ended_ = true;
    show_->OnStop = nullptr;
    show_->StopTransition();
    Timer1->setEnabled(false);
}

PhotoSlideshow::PhotoSlideshow(QWidget* parent) : platform::Form(parent) {
    imgground = new TPictureShow(this);
    imgground->setObjectName("imgground");
    imgground->SetAutoSize(false);
    imgground->setCursor(Qt::PointingHandCursor);
    imgground->SetColor(Qt::black);
    imgground->SetBgMode(bmStretched);
    imgground->SetStretch(true);
    imgground->SetDelay(60);
    imgground->SetStep(5);
    imgground->OnClick = [this] { ClosePhotos(); };
    Cycle = new PhotoCycle(imgground, this, PhotoNumber, PhotoStyle);
    Timer1 = Cycle->Timer1;
}

void PhotoSlideshow::formCreate() {
    setClientSize(800, 600);
    imgground->setGeometry(0, 0, 800, 600);
    imgground->show();
    Cycle->Show(1, kFirstStyle);
}

void PhotoSlideshow::ClosePhotos() {
    Cycle->End();
    closeForm();
}
