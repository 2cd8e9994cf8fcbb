// The commentary chooser: a small panel that grows upward out of the
// commentary reader's lower edge and offers the three Arabic commentaries.
#pragma once

#include <QPointer>

#include "platform/clock.h"
#include "skin/skin_screen.h"

class Tfrm_tafseer;

class Tfrm_tafseername : public SkinScreen {
    Q_OBJECT
  public:
    explicit Tfrm_tafseername(QWidget* parent = nullptr);
    void formCreate() override;
    /// Every 30 ms: five pixels higher, until the panel is 145 high.
    void Timer1Timer();

    /// The reader whose commentary a button chooses.
    QPointer<Tfrm_tafseer> Reader;
    platform::Timer* Timer1;

  protected:
    void ButtonClick(int n) override;
};

extern QPointer<Tfrm_tafseername> frm_tafseername;
