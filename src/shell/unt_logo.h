// The logo: shown for five seconds after the intro video, then the main menu.
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

    /// Where the picture is read from (the program's own resources); a
    /// picture that cannot be read is reported and the screen stays black.
    static QString PictureFile;

    platform::ImageControl* imgground;
    platform::Timer* Timer1;  // 5 s
};

extern QPointer<Tfrmlogo> frmlogo;
