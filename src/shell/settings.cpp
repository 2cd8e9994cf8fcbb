#include "shell/settings.h"

#include "platform/error.h"
#include "platform/paths.h"
#include "shell/globals.h"

const std::string SettingsFile = "c:\\quran_setting.ini";

namespace {
const char* kSection = "settings";

// Each save opens the file anew and writes its keys, in order, as one change
// of the file: a crash never leaves a sura of one position with the aya of another.
void save(std::initializer_list<std::pair<const char*, int>> values) {
    SettingsIni = std::make_unique<platform::IniFile>(SettingsFile);
    platform::IniKeys keys;
    for (auto [key, value] : values) keys.emplace_back(key, std::to_string(value));
    SettingsIni->writeStrings(kSection, keys);
}
}  // namespace

void LoadSettings() {
    // Saves that a crash cut short left their temporary files on drive C.
    platform::removeLeftoverWrites("c:\\");
    SettingsIni = std::make_unique<platform::IniFile>(SettingsFile);
    SettingLang = SettingDoaa = SettingEnter = SettingEnterSora = SettingEnterAya = 0;
    auto read = [](const char* key) {
        return platform::strToIntIn(SettingsIni->readString(kSection, key, "0"),
                                    platform::quotedPath(SettingsFile) + ", key " + key);
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
    save({{"settings_doaa", SettingDoaa},
          {"settings_lang", SettingLang},
          {"settings_enter", SettingEnter}});
}

void SaveReadingPosition() {
    SettingEnterSora = CurrentSura;
    SettingEnterAya = CurrentAya;
    save({{"settings_enter_sora", SettingEnterSora}, {"settings_enter_aya", SettingEnterAya}});
}
