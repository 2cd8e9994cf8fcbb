#include "shell/sections.h"

#include <array>

#include "platform/forms.h"
#include "shell/globals.h"
#include "skin/unt_main.h"

namespace {
std::array<std::function<void()>, 13>& openers() {
    static std::array<std::function<void()>, 13> table;
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

void RegisterSection(int n, std::function<void()> open) {
    if (n >= 1 && n <= 12) openers()[static_cast<size_t>(n)] = std::move(open);
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
    if (n >= 1 && n <= 12 && openers()[static_cast<size_t>(n)])
        openers()[static_cast<size_t>(n)]();
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
