// The hub: the one long-lived window. It is black and covers the screen; the
// program's display lies in its centre. Its timers open the intro and
// dispatch the section chosen in the main menu.
#pragma once

#include <QPointer>

#include "platform/clock.h"
#include "platform/display.h"

class Tfrm_start : public platform::HubWindow {
    Q_OBJECT
  public:
    explicit Tfrm_start(QWidget* parent = nullptr);

    /// The create handler: disc folders, fonts, settings.
    void FormCreate();

    void Timer1Timer();
    void Timer4Timer();

    /// Ctrl+Q, from any screen: ends the program once every section has
    /// saved what it keeps at quit.
    static void QuitKey();

    platform::Timer* Timer1;  // opens the intro, 100 ms after creation
    platform::Timer* Timer4;  // section dispatch, enabled by the main menu

  protected:
    void paintEvent(QPaintEvent* e) override;
    bool eventFilter(QObject* watched, QEvent* e) override;

  private:
    void firstFrame();
    bool painted_ = false;
};

extern QPointer<Tfrm_start> frm_start;
