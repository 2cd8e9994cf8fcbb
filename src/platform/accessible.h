// What the program's picture controls tell assistive technology (screen
// readers reach them through Qt's AT-SPI bridge): a role, a name, a
// description, a readable text, a checked state and a press action, each
// asked for at the moment the reader asks. Also the options of the
// program's own layer that screens read (the strong focus mark) and the
// quiet second after a screen opens while a screen reader listens.
#pragma once

#include <QAccessible>
#include <QString>
#include <functional>

class QWidget;

namespace platform {

/// What a widget says of itself beyond what Qt knows.
struct AccessibleFacts {
    QAccessible::Role role = QAccessible::Button;
    /// The name, in the interface language (empty function: Qt's own).
    std::function<QString()> name;
    std::function<QString()> description;
    /// The text a screen reader reads aloud or in braille (none when empty).
    std::function<QString()> text;
    /// Whether the control is a choice: -1 it is not, 0 not chosen, 1 chosen
    /// (checkable and checked).
    std::function<int()> chosen;
    /// When set, the press action runs it.
    std::function<void()> press;
};

/// Gives `w` these facts. Call it before anything asks for the widget's
/// accessible interface (at creation).
void setAccessibleFacts(QWidget* w, AccessibleFacts facts);

/// Tells assistive technology that the description of `w` changed (the
/// readers' position), as a live region would.
void announceDescription(QWidget* w);
/// Tells assistive technology that `w` has the focus mark now.
void announceFocus(QWidget* w);

/// Tests: sees every announcement before Qt passes it on.
void watchAnnouncements(std::function<void(QAccessibleEvent& e)> watcher);

/// True while an assistive technology (a screen reader) listens.
bool assistiveTechnologyActive();
/// Tests: 1 pretends one listens, 0 that none does, -1 asks Qt again.
void pretendAssistiveTechnology(int active);

/// The options of the program's own layer that the screens follow.
struct AccessOptions {
    /// A 3-pixel high-contrast outline around the focused control.
    bool strongFocusMark = false;
};
AccessOptions& accessOptions();

/// Draws the strong focus outline around `target` (nothing when the option
/// is off or `target` is null: the outline is removed).
void markStrongFocus(QWidget* target);
/// The outline widget now shown, or nullptr (tests).
QWidget* strongFocusOutline();

/// A screen opened now: for the next second nothing starts playing on its
/// own while a screen reader listens, so the screen's name is heard.
void noteScreenOpened();
/// Milliseconds to wait before a recording may start (0: at once).
int quietMsLeft();

}  // namespace platform
