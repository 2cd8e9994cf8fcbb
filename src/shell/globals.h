// The state shared by all screens for the whole run. Screens read and write
// it directly.
#pragma once

#include <memory>
#include <string>

#include "platform/inifile.h"

// Disc folders, built once from the program's drive ("D:\velk_quran\" ...).
extern std::string RootDir, GraphicDir, SoundDir, DataDir;

// Interface language number; names the language sub-folder of every skin screen.
extern int LanguageIndex;
// Section 1..12 to open next, read by the hub's dispatch.
extern int SelectedSection;
// Reading position of the Quran reader and the commentary reader.
extern int CurrentSura, CurrentAya, CurrentPart, CurrentPage, SuraAyaCount;
// How many times each aya is recited, and how many were already played.
extern int RepeatCount, RepeatDone;
extern int CommentaryIndex;
extern int SuraIndexCaller;
extern int LanguageScreenMode;
// The commentary reader's chooser is open, and its one pause by a click on the
// text was used; both for the whole run.
extern int ChooserOpen, TextPauseUsed;

// The settings file and the values read from it at start.
extern std::unique_ptr<platform::IniFile> SettingsIni;
extern int SettingLang, SettingDoaa, SettingEnter, SettingEnterSora, SettingEnterAya;

/// Builds RootDir and the three folders below it from the program's drive.
void BuildDiscFolders();

/// Puts every shared value back to its start value (tests, and the program's start).
void ResetSharedState();
