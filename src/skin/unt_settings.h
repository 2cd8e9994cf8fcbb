// The settings screen: two check boxes over a picture that carries their
// labels; its button 1 saves them and closes the screen.
#pragma once

#include <QCheckBox>
#include <QPointer>

#include "skin/skin_screen.h"

class Tfrm_settings : public SkinScreen {
    Q_OBJECT
  public:
    explicit Tfrm_settings(QWidget* parent = nullptr);
    void formCreate() override;

    QCheckBox* Check1;  // supplication after the call to prayer
    QCheckBox* Check2;  // hidden, carries "settings_lang"
    QCheckBox* Check3;  // reopen the Quran reader at the stored position

  protected:
    void ButtonClick(int n) override;
};

extern QPointer<Tfrm_settings> frm_settings;
