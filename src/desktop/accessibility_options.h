// The options for people who use a screen reader or see poorly: the page of
// the preferences dialog and what puts its choices into effect (the strong
// focus mark around the focused control, picture button or field).
#pragma once

#include <QString>

#include "desktop/preferences_dialog.h"

class QCheckBox;

namespace desktop {

/// The preference key of the strong focus mark (off by default).
inline constexpr const char* kStrongFocusMark = "access/strong_focus_mark";

/// The page "Accessibility" of the preferences dialog.
class AccessibilityPage : public PreferencesPage {
    Q_OBJECT
  public:
    AccessibilityPage();
    QString title() const override;
    void load(const Preferences& prefs) override;
    /// Stores the choices and puts them into effect at once.
    void store(Preferences& prefs) override;

    QCheckBox* strongFocusMark;
};

/// Puts the stored choices into effect for the screens.
void applyAccessibilityOptions(const Preferences& prefs);

/// Once: lets the strong focus mark follow the keyboard focus over the
/// program's fields and lists (the screens mark their picture buttons).
void followKeyboardFocus();

/// Once: adds the page to the dialog, applies the stored choices and lets
/// the strong focus mark follow the keyboard focus over the program's fields
/// and lists (the screens mark their picture buttons themselves).
void installAccessibilityOptions(const Preferences& prefs);

}  // namespace desktop
