#include "skin/info_screen.h"

#include "shell/globals.h"

namespace {
std::vector<ButtonName> ButtonNameTable();
}

void InfoScreen::CreateInfoScreen(const std::string& screen) {
    CloseButton = 1;
    ButtonNames = ButtonNameTable();
    SavedLanguageIndex = LanguageIndex;
    LanguageIndex = 1;
    SetSkinFolder(screen);
    PlaceBackground(800, 600);
    FocusedButton = 0;
    BuildButtons(true);
}

namespace {
// What a screen reader calls each button, beside what each one does (below).
std::vector<ButtonName> ButtonNameTable() {
    return {
        {1, "Close", "إغلاق"},
    };
}
}  // namespace

void InfoScreen::ButtonClick(int n) {
    if (n != 1) return;
    LanguageIndex = SavedLanguageIndex;
    closeForm();
}
