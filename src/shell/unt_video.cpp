#include "shell/unt_video.h"

#include "shell/globals.h"
#include "shell/unt_logo.h"

QPointer<Tfrmvideo> frmvideo;

Tfrmvideo::Tfrmvideo(QWidget* parent) : platform::Form(parent) {
    panvideo = new platform::ImageControl(this, "panvideo");
    panvideo->setAttribute(Qt::WA_NativeWindow);
    panvideo->onClick = [this] { panvideoClick(); };
    mci1 = new platform::MediaPlayer(this);
    mci1->OnNotify = [this] { mci1Notify(); };
    Timer1 = new platform::Timer(this, 4000, false);
    Timer2 = new platform::Timer(this, 1000, false);
    Timer1->onTimer = [this] { Timer1Timer(); };
    Timer2->onTimer = [this] { Timer2Timer(); };
}

void Tfrmvideo::formCreate() {
    BuildDiscFolders();
    VideoSkipped = 0;
    setClientSize(1024, 768);
    panvideo->setGeometry(0, 0, 1024, 768);
    panvideo->show();
    mci1->Close();
    mci1->FileName = RootDir + "graphic\\" + "1.wmv";
    mci1->Display = panvideo;
    mci1->Notify = true;
    mci1->Open();
    mci1->Play();
}

void Tfrmvideo::panvideoClick() {
    // Clicks once the wait has begun are ignored: one logo, one main menu.
    if (VideoSkipped == 1 || waitStarted_) return;
    VideoSkipped = 1;
    waitStarted_ = true;
    mci1->Close();
    panvideo->update();
    Timer1->setEnabled(true);
}

void Tfrmvideo::mci1Notify() {
    if (VideoSkipped != 1 && !waitStarted_ && mci1->Position() == mci1->Length()) {
        waitStarted_ = true;
        Timer1->setEnabled(true);
    }
}

void Tfrmvideo::Timer1Timer() {
    Timer1->setEnabled(false);
    Timer2->setEnabled(true);
}

void Tfrmvideo::Timer2Timer() {
    Timer2->setEnabled(false);
    QWidget* area = parentWidget();
    closeForm();
    Tfrmlogo* logo = platform::createForm(frmlogo, area);
    logo->showModal();
}
