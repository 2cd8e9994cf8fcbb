#include "quran/unt_lang.h"

#include "platform/guard.h"
#include "quran/unt_tafseer.h"
#include "shell/globals.h"

namespace {
std::vector<ButtonName> ButtonNameTable();
}

QPointer<Tfrm_lang> frm_lang;

namespace {
constexpr int kClose = 8;
}

Tfrm_lang::Tfrm_lang(QWidget* parent) : SkinScreen(parent) {
    CloseButton = kClose;
}

void Tfrm_lang::formCreate() {
    ButtonNames = ButtonNameTable();
    // The pictures do not depend on the interface language.
    SetSkinFolder("lang", false);
    PlaceBackground(800, 600);
    BuildButtons(false);
    ShowButtons();
}

namespace {
// What a screen reader calls each button, beside what each one does (below).
std::vector<ButtonName> ButtonNameTable() {
    return {
        {1, "Third commentary", "التفسير الثالث"},
        {2, "Language 2", "اللغة 2"},
        {3, "Language 3", "اللغة 3"},
        {4, "Language 4", "اللغة 4"},
        {5, "Language 5", "اللغة 5"},
        {6, "Language 6", "اللغة 6"},
        {7, "Language 7", "اللغة 7"},
        {8, "Close", "إغلاق"},
    };
}
}  // namespace

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
