#include "skin/info_screen.h"

#include "shell/globals.h"

void InfoScreen::CreateInfoScreen(const std::string& screen) {
    CloseButton = 1;
    SavedLanguageIndex = LanguageIndex;
    LanguageIndex = 1;
    SetSkinFolder(screen);
    PlaceBackground(800, 600);
    FocusedButton = 0;
    BuildButtons(true);
}

void InfoScreen::ButtonClick(int n) {
    if (n != 1) return;
    LanguageIndex = SavedLanguageIndex;
    closeForm();
}
