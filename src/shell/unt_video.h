// The intro video: plays full size; a click or the end of the video starts a
// five-second wait, then the logo follows. Escape, Enter or Space act as the
// click; during the wait they (or a click) go straight to the main menu.
#pragma once

#include <QPointer>

#include "platform/clock.h"
#include "platform/controls.h"
#include "platform/forms.h"
#include "platform/media.h"

class Tfrmvideo : public platform::Form {
    Q_OBJECT
  public:
    explicit Tfrmvideo(QWidget* parent = nullptr);
    void formCreate() override;

    void panvideoClick();
    void mci1Notify();
    void Timer1Timer();
    void Timer2Timer();
    bool KeyPressed(int key, Qt::KeyboardModifiers modifiers) override;

    /// Leaves the intro for the main menu at once, as the logo's timer does.
    void SkipToMenu();

    /// Set at start from the user's choice: no video and no logo, the main
    /// menu at once.
    static bool StartAtMenu;

    platform::ImageControl* panvideo;
    platform::MediaPlayer* mci1;
    platform::Timer* Timer1;  // 4 s after the end or the click
    platform::Timer* Timer2;  // 1 s later: the logo
    int VideoSkipped = 0;

  private:
    bool waitStarted_ = false;
};

extern QPointer<Tfrmvideo> frmvideo;
