// The settings file: the user's choices and the Quran reader's last position,
// one section "settings" of decimal values on drive C.
#pragma once

#include <string>

extern const std::string SettingsFile;  // "c:\quran_setting.ini"

/// Opens the settings file and reads the five values. A value that is not a
/// number raises the conversion error; the values not yet read stay 0.
void LoadSettings();

/// Stores the settings screen's choices (true = box checked) and writes
/// "settings_doaa", "settings_lang", "settings_enter" in that order.
void SaveSettingsChoices(bool doaaChecked, bool langChecked, bool enterChecked);

/// Stores CurrentSura and CurrentAya as the position to reopen at.
void SaveReadingPosition();
