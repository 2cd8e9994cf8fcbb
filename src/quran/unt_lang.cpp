#include "quran/unt_lang.h"

#include "platform/guard.h"
#include "quran/unt_tafseer.h"
#include "shell/globals.h"

QPointer<Tfrm_lang> frm_lang;

namespace {
constexpr int kClose = 8;
}

Tfrm_lang::Tfrm_lang(QWidget* parent) : SkinScreen(parent) {
    CloseButton = kClose;
}

void Tfrm_lang::formCreate() {
    // The pictures do not depend on the interface language.
    SetSkinFolder("lang", false);
    PlaceBackground(800, 600);
    BuildButtons(false);
    ShowButtons();
}

void Tfrm_lang::ButtonClick(int n) {
    if (n >= 1 && n <= 7) {
        // A text that cannot be loaded is reported; the reader keeps the one
        // it showed, and the screen closes as after any choice.
        if (LanguageScreenMode == 3 && Reader)
            platform::guarded([this, n] { Reader->ChooseCommentary(n + 2); });
        closeForm();
    } else if (n == kClose) {
        closeForm();
    }
}
