// The accessibility page of the preferences: the strong focus mark is off
// by default, kept in the preferences file, and follows the keyboard focus
// over the program's own fields once chosen.
#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QLineEdit>
#include <QTemporaryDir>

#include "desktop/accessibility_options.h"
#include "desktop/preferences.h"
#include "platform/accessible.h"

using desktop::Preferences;

TEST(AccessibilityOptions, StrongFocusMarkIsKeptAndFollowsTheFocus) {
    QTemporaryDir dir;
    Preferences prefs(dir.filePath("zafirel.conf"));
    prefs.load();
    desktop::applyAccessibilityOptions(prefs);
    desktop::followKeyboardFocus();
    EXPECT_FALSE(platform::accessOptions().strongFocusMark);

    QWidget window;
    auto* first = new QLineEdit(&window);
    auto* second = new QLineEdit(&window);
    second->move(0, 40);
    window.show();
    window.activateWindow();
    first->setFocus();
    QApplication::processEvents();
    EXPECT_FALSE(platform::strongFocusOutline());

    desktop::AccessibilityPage page;
    page.load(prefs);
    EXPECT_FALSE(page.strongFocusMark->isChecked());
    page.strongFocusMark->setChecked(true);
    page.store(prefs);
    ASSERT_TRUE(prefs.save());
    EXPECT_TRUE(platform::accessOptions().strongFocusMark);
    second->setFocus();
    QApplication::processEvents();
    QWidget* mark = platform::strongFocusOutline();
    ASSERT_TRUE(mark);
    EXPECT_EQ(mark->geometry(), second->geometry().adjusted(-3, -3, 3, 3));

    Preferences again(prefs.file());
    again.load();
    EXPECT_TRUE(again.value(desktop::kStrongFocusMark).toBool());
    page.strongFocusMark->setChecked(false);
    page.store(prefs);
    EXPECT_FALSE(platform::strongFocusOutline());
    platform::accessOptions() = {};
}
