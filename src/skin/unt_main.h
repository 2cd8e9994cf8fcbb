// The main menu: sixteen picture buttons. Twelve open a section through the
// hub, three open the settings, company and about screens, one ends the program.
#pragma once

#include <QPointer>

#include "platform/clock.h"
#include "skin/skin_screen.h"

class Tfrm_main : public SkinScreen {
    Q_OBJECT
  public:
    explicit Tfrm_main(QWidget* parent = nullptr);
    void formCreate() override;
    void Timer3Timer();

    platform::Timer* Timer3;  // shows the buttons 200 ms after creation

  protected:
    void ButtonClick(int n) override;
};

extern QPointer<Tfrm_main> frm_main;
