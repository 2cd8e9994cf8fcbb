#include "shell/settings.h"

#include "platform/error.h"
#include "shell/globals.h"

const std::string SettingsFile = "c:\\quran_setting.ini";

namespace {
const char* kSection = "settings";

void write(const char* key, int value) {
    SettingsIni->writeInteger(kSection, key, value);
}

// Each writer opens the file anew, as every save did.
void reopen() {
    SettingsIni = std::make_unique<platform::IniFile>(SettingsFile);
}
}  // namespace

void LoadSettings() {
    SettingsIni = std::make_unique<platform::IniFile>(SettingsFile);
    SettingLang = SettingDoaa = SettingEnter = SettingEnterSora = SettingEnterAya = 0;
    auto read = [](const char* key) {
        return platform::strToInt(SettingsIni->readString(kSection, key, "0"));
    };
    SettingLang = read("settings_lang");
    SettingDoaa = read("settings_doaa");
    SettingEnter = read("settings_enter");
    SettingEnterSora = read("settings_enter_sora");
    SettingEnterAya = read("settings_enter_aya");
}

void SaveSettingsChoices(bool doaaChecked, bool langChecked, bool enterChecked) {
    SettingDoaa = doaaChecked ? 0 : 1;
    SettingLang = langChecked ? 0 : 1;
    SettingEnter = enterChecked ? 0 : 1;
    reopen();
    write("settings_doaa", SettingDoaa);
    write("settings_lang", SettingLang);
    write("settings_enter", SettingEnter);
}

void SaveReadingPosition() {
    SettingEnterSora = CurrentSura;
    SettingEnterAya = CurrentAya;
    reopen();
    write("settings_enter_sora", SettingEnterSora);
    write("settings_enter_aya", SettingEnterAya);
}
