// The "Recitation" page of the preferences: the pause after each aya, the
// range of ayas repeated as a block, the count of the third repeat button;
// and the sound volume kept for the next start. The values reach the readers
// and the players through the program's listening options and media volume.
#pragma once

#include "desktop/preferences_dialog.h"
#include "platform/listening.h"

class QCheckBox;
class QComboBox;
class QLineEdit;
class QSpinBox;

namespace desktop {

class Preferences;

namespace listening_keys {
constexpr const char* kPauseSeconds = "recitation/pause_seconds";
constexpr const char* kPauseAyaLengths = "recitation/pause_aya_lengths";
constexpr const char* kThirdRepeat = "recitation/third_repeat";
constexpr const char* kRangeFrom = "recitation/range_from";
constexpr const char* kRangeTo = "recitation/range_to";
constexpr const char* kRangeCount = "recitation/range_count";
constexpr const char* kRangeThenStop = "recitation/range_then_stop";
constexpr const char* kVolume = "sound/volume";
constexpr const char* kMuted = "sound/muted";
}  // namespace listening_keys

/// Puts the listening options and the volume of `prefs` in force; values out
/// of their ranges are brought into them.
void applyListening(const Preferences& prefs);
/// Keeps the volume in force in `prefs`.
void keepVolume(Preferences& prefs);
/// Adds the page to the dialog (once, however often it is called).
void registerListeningPage();

/// "sura:aya" (e.g. "2:255"), or an invalid reference for anything else.
platform::AyaRef parseAyaRef(const QString& text);
QString ayaRefText(platform::AyaRef ref);

class ListeningPage : public PreferencesPage {
  public:
    ListeningPage();
    QString title() const override;
    void load(const Preferences& prefs) override;
    /// Stores the values and puts them in force at once.
    void store(Preferences& prefs) override;

    QSpinBox* pauseSeconds;
    /// Seconds, or once or twice the aya's own length.
    QComboBox* pauseKind;
    /// 3..99; the special value "without end" is 2.
    QSpinBox* thirdRepeat;
    QLineEdit* rangeFrom;
    QLineEdit* rangeTo;
    /// 1..99; the special value "without end" is 0.
    QSpinBox* rangeCount;
    QCheckBox* rangeThenStop;
};

}  // namespace desktop
