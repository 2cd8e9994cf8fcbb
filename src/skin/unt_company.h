// The company screen: a picture with a close button.
#pragma once

#include <QPointer>

#include "skin/info_screen.h"

class Tfrm_company : public InfoScreen {
    Q_OBJECT
  public:
    explicit Tfrm_company(QWidget* parent = nullptr) : InfoScreen(parent) {}
    void formCreate() override { CreateInfoScreen("company"); }
};

extern QPointer<Tfrm_company> frm_company;
