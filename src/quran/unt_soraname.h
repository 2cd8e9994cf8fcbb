// The sura index: the 114 sura names in six right-to-left columns; a click
// opens that sura at its first aya in the reader that called the index.
#pragma once

#include <QPointer>

#include "skin/skin_screen.h"

class QLabel;

class Tfrm_soraname : public SkinScreen {
    Q_OBJECT
  public:
    explicit Tfrm_soraname(QWidget* parent = nullptr);
    void formCreate() override;

    QLabel* Label(int n) const;  // label1..label114
    void LabelMouseMove(int n);
    void LabelClick(int n);
    void BackgroundMouseMove();

    int HoveredLabel = 0;

    /// The arrow keys move the red name (Up and Down through the list, Left
    /// and Right to the next and previous column); Enter or Space chooses it.
    bool KeyPressed(int key, Qt::KeyboardModifiers modifiers) override;

  protected:
    void ButtonClick(int n) override;
};

extern QPointer<Tfrm_soraname> frm_soraname;
