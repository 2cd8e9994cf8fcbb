// The about screen: a picture, a close button and a text about the work,
// read right to left.
#pragma once

#include <QPointer>

#include "platform/richtext.h"
#include "skin/info_screen.h"

class Tfrm_about : public InfoScreen {
    Q_OBJECT
  public:
    explicit Tfrm_about(QWidget* parent = nullptr);
    void formCreate() override;

    platform::RichTextBox* memoabout1;
    platform::RichTextBox* memoabout2;  // other interface languages, hidden
    platform::RichTextBox* memoabout3;
};

extern QPointer<Tfrm_about> frm_about;
