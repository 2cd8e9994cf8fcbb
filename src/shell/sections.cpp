#include "shell/sections.h"

#include <array>

#include "platform/forms.h"
#include "platform/guard.h"
#include "shell/globals.h"
#include "skin/unt_main.h"

namespace {
struct Section {
    std::function<void()> open;
    std::function<void()> saveAtQuit;
};
/// Sections 1..12 by number (slot 0 unused).
std::array<Section, 13>& sections() {
    static std::array<Section, 13> table;
    return table;
}
std::function<void()>& dispatcher() {
    static std::function<void()> dispatch;
    return dispatch;
}
}  // namespace

void RequestSection(int n) {
    SelectedSection = n;
    if (dispatcher()) dispatcher()();
}

void SetSectionDispatcher(std::function<void()> dispatch) {
    dispatcher() = std::move(dispatch);
}

void RegisterSection(int n, std::function<void()> open, std::function<void()> saveAtQuit) {
    if (n >= 1 && n <= 12)
        sections()[static_cast<size_t>(n)] = {std::move(open), std::move(saveAtQuit)};
}

void SaveSectionsAtQuit() {
    for (const Section& section : sections())
        if (section.saveAtQuit) platform::guarded(section.saveAtQuit);
}

void PresetSectionValues(int n) {
    if (n == 1) {
        if (SettingEnter == 0 && SettingEnterSora != 0) {
            CurrentSura = SettingEnterSora;
            CurrentAya = SettingEnterAya;
        } else {
            CurrentSura = 1;
            CurrentAya = 1;
        }
        CurrentPart = 0;
        CurrentPage = 0;
        RepeatDone = 0;
        RepeatCount = 1;
    } else if (n == 2) {
        CurrentSura = 1;
        CurrentAya = 1;
        CurrentPart = 0;
        CurrentPage = 0;
        CommentaryIndex = LanguageIndex == 1 ? 1 : LanguageIndex + 2;
        RepeatDone = 0;
        RepeatCount = 1;
    }
}

void OpenSection(int n) {
    if (n >= 1 && n <= 12 && sections()[static_cast<size_t>(n)].open)
        sections()[static_cast<size_t>(n)].open();
    else
        ShowMainMenu();
}

QWidget* HubArea() {
    return platform::displayArea();
}

void ShowMainMenu() {
    Tfrm_main* menu = platform::createForm(frm_main, HubArea());
    menu->showAsChild(HubArea());
}
