// The keys of every screen, in one table: the keys window lists it for the
// screen on top, and the program's own keys (full screen, preferences, keys
// window, menu) are dispatched from it, so that the list and the handling
// never disagree. The tests drive each screen's key handler with the keys
// this table gives it.
#pragma once

#include <QKeyCombination>
#include <QString>
#include <vector>

class QObject;

namespace desktop {

/// What a key of the program's own layer does.
enum class ProgramAction {
    None,
    FullScreen,
    Preferences,
    Keys,
    Menu,
    VolumeUp,
    VolumeDown,
    Mute,
    PrayerTimes
};

struct KeyRow {
    std::vector<QKeyCombination> keys;
    /// Class names of the screens the row is for (a screen of a derived class
    /// counts); empty: every screen.
    std::vector<const char*> screens;
    /// The keys are taken by a control of the screen (a list, a field), not by
    /// the screen's own handler.
    bool byControl;
    ProgramAction action;
    const char* english;
    const char* arabic;
};

/// The whole table, the most specific rows first.
const std::vector<KeyRow>& keyTable();

/// The rows that apply to `screen` (nullptr: only the rows for every screen),
/// in table order; a key already given by an earlier row is left out of later
/// ones, and a row left with no key is dropped.
std::vector<KeyRow> keysFor(const QObject* screen);

/// The program's action for a key press on `screen`, or None. Rows for
/// particular screens count only when `screen` is one of them.
ProgramAction programAction(QKeyCombination key, const QObject* screen = nullptr);

/// A key as the user reads it ("Ctrl+Q", "Page Down").
QString keyName(QKeyCombination key);

}  // namespace desktop
