// The program's own layer over the disc's screens: the right-click menu
// (also Shift+F10 and the Menu key), full screen or window (F11), the
// preferences (Ctrl+,), the keys window (F1) and the about box. It is native
// Qt, never drawn on the disc's pictures, and reaches the screens only
// through the forms' event hook.
#pragma once

#include <QDateTime>
#include <QDialog>
#include <QMenu>
#include <QObject>
#include <QPointer>
#include <functional>
#include <QSpinBox>

#include "desktop/key_table.h"
#include "desktop/prayer_call.h"
#include "desktop/prayer_window.h"
#include "desktop/preferences_dialog.h"

class QContextMenuEvent;
class QEvent;
class QKeyEvent;
class QTableWidget;
class Tfrm_qurans;

namespace platform {
class HubWindow;
}

namespace desktop {

class Preferences;

/// The keys of the screen on top, from the key table.
class KeysWindow : public QDialog {
    Q_OBJECT
  public:
    /// Lists the keys of `screen` (nullptr: the keys of every screen only).
    explicit KeysWindow(const QObject* screen, QWidget* parent = nullptr);
    QTableWidget* table;
};

class DesktopLayer : public QObject {
    Q_OBJECT
  public:
    /// Hooks into the hub's events; `prefs` keeps the choices and outlives the layer.
    DesktopLayer(platform::HubWindow* hub, Preferences& prefs);
    ~DesktopLayer() override;

    /// Opens the program's menu at `globalPos`. Over a text control the
    /// control's own menu comes first and the program's entries follow it.
    QMenu* openMenu(QWidget* over, QPoint globalPos);
    /// The menu open now (nullptr when none).
    QMenu* menu() const { return menu_; }

    /// Full screen or a window, at once; the choice is kept for the next start.
    void setFullScreen(bool on);
    void toggleFullScreen();

    PreferencesDialog* openPreferences();
    KeysWindow* openKeys();
    QDialog* openAbout();
    /// The prayer times window; nullptr while no place is set.
    PrayerTimesWindow* openPrayerTimes();
    PrayerTimesWindow* prayerTimesWindow() const { return prayerTimes_; }
    PreferencesDialog* preferencesDialog() const { return preferences_; }
    KeysWindow* keysWindow() const { return keys_; }

    /// The wall clock of the prayer times (empty: the system's).
    std::function<QDateTime()> prayerClock;
    /// The Quran search's "pages from … to …": two page numbers; OK sets the
    /// scope of `search`.
    QDialog* openPageRange(Tfrm_qurans* search);
    QDialog* pageRangeDialog() const { return pageRange_; }
    QPointer<QSpinBox> fromPage, toPage;

    /// Shows the problem of the preferences file, if any (once).
    void reportPreferencesProblem();

  private:
    bool handleEvent(QWidget* receiver, QEvent* e);
    /// A volume key: 10 % louder or softer, or mute; kept for the next start.
    void changeVolume(ProgramAction action);
    void keepWindowSize();
    /// The entries of the Quran search's scope, when it is on top.
    void addScopeEntries(QMenu* menu);

    platform::HubWindow* hub_;
    Preferences& prefs_;
    QPointer<QMenu> menu_;
    QPointer<PreferencesDialog> preferences_;
    QPointer<KeysWindow> keys_;
    QPointer<QDialog> about_;
    QPointer<QDialog> pageRange_;
    QPointer<PrayerTimesWindow> prayerTimes_;

  public:
    /// Plays the call at each prayer time when the user turned it on.
    PrayerCall* prayerCall;
};

}  // namespace desktop
