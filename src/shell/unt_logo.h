// The logo: shown for five seconds after the intro video, then the main menu.
// Escape, Enter, Space or a click go to the main menu at once.
#pragma once

#include <QPointer>

#include "platform/clock.h"
#include "platform/controls.h"
#include "platform/forms.h"

class Tfrmlogo : public platform::Form {
    Q_OBJECT
  public:
    explicit Tfrmlogo(QWidget* parent = nullptr);
    void formCreate() override;
    void Timer1Timer();
    bool KeyPressed(int key, Qt::KeyboardModifiers modifiers) override;

    /// Where the picture is read from (the program's own resources); a
    /// picture that cannot be read is reported and the screen stays black.
    static QString PictureFile;

    platform::ImageControl* imgground;
    platform::Timer* Timer1;  // 5 s
};

extern QPointer<Tfrmlogo> frmlogo;

/// The end of the intro, however it ends: the interface language 1 and a new
/// main menu in the hub.
void EnterMainMenu();
