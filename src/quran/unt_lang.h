// The language screen: seven language buttons that choose the commentary
// reader's text (commentaries 3 to 9) and a close button.
#pragma once

#include <QPointer>

#include "skin/skin_screen.h"

class Tfrm_tafseer;

class Tfrm_lang : public SkinScreen {
    Q_OBJECT
  public:
    explicit Tfrm_lang(QWidget* parent = nullptr);
    void formCreate() override;

    /// The reader whose text a language button chooses.
    QPointer<Tfrm_tafseer> Reader;

  protected:
    void ButtonClick(int n) override;
};

extern QPointer<Tfrm_lang> frm_lang;
