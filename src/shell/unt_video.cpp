#include "shell/unt_video.h"

#include "shell/globals.h"
#include "shell/unt_logo.h"

QPointer<Tfrmvideo> frmvideo;

bool Tfrmvideo::StartAtMenu = false;

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
    if (StartAtMenu) {
        // After the caller has shown this screen: closing it inside its
        // creation would leave the modal show to a closed screen.
        QMetaObject::invokeMethod(
            this, [this] { SkipToMenu(); }, Qt::QueuedConnection);
        return;
    }
    mci1->Close();
    mci1->FileName = RootDir + "graphic\\" + "1.wmv";
    mci1->Display = panvideo;
    mci1->Notify = true;
    mci1->Open();
    mci1->Play();
}

void Tfrmvideo::panvideoClick() {
    // A click once the wait has begun leaves for the main menu (once).
    if (VideoSkipped == 1 || waitStarted_) {
        SkipToMenu();
        return;
    }
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

bool Tfrmvideo::KeyPressed(int key, Qt::KeyboardModifiers) {
    if (key != Qt::Key_Escape && key != Qt::Key_Return && key != Qt::Key_Enter &&
        key != Qt::Key_Space)
        return false;
    panvideoClick();
    return true;
}

void Tfrmvideo::SkipToMenu() {
    if (isClosed()) return;
    Timer1->setEnabled(false);
    Timer2->setEnabled(false);
    mci1->Close();
    closeForm();
    EnterMainMenu();
}

void Tfrmvideo::Timer2Timer() {
    Timer2->setEnabled(false);
    QWidget* area = parentWidget();
    closeForm();
    Tfrmlogo* logo = platform::createForm(frmlogo, area);
    logo->showModal();
}
