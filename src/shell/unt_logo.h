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

    platform::ImageControl* imgground;
    platform::Timer* Timer1;  // 5 s
};

extern QPointer<Tfrmlogo> frmlogo;
