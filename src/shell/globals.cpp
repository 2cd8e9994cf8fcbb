#include "shell/globals.h"

#include "platform/paths.h"

std::string RootDir, GraphicDir, SoundDir, DataDir;
int LanguageIndex = 0;
int SelectedSection = 0;
int CurrentSura = 0, CurrentAya = 0, CurrentPart = 0, CurrentPage = 0, SuraAyaCount = 0;
int RepeatCount = 0, RepeatDone = 0;
int CommentaryIndex = 0;
int SuraIndexCaller = 0;
int LanguageScreenMode = 0;
int ChooserOpen = 0, TextPauseUsed = 0;
std::unique_ptr<platform::IniFile> SettingsIni;
int SettingLang = 0, SettingDoaa = 0, SettingEnter = 0, SettingEnterSora = 0, SettingEnterAya = 0;

void BuildDiscFolders() {
    RootDir = platform::programDrive() + "velk_quran\\";
    GraphicDir = RootDir + "graphic\\";
    SoundDir = RootDir + "sound\\";
    DataDir = RootDir + "data\\";
}

void ResetSharedState() {
    LanguageIndex = SelectedSection = 0;
    CurrentSura = CurrentAya = CurrentPart = CurrentPage = SuraAyaCount = 0;
    RepeatCount = RepeatDone = CommentaryIndex = SuraIndexCaller = LanguageScreenMode = 0;
    ChooserOpen = TextPauseUsed = 0;
    SettingsIni.reset();
    SettingLang = SettingDoaa = SettingEnter = SettingEnterSora = SettingEnterAya = 0;
}
