// The main menu and the three screens it opens itself: settings, company and
// about, on the sample disc.
#include <QApplication>
#include <QCheckBox>
#include <QCursor>
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "platform/forms.h"
#include "platform/inifile.h"
#include "platform/jpeg.h"
#include "platform/paths.h"
#include "platform/richtext.h"
#include "shell/globals.h"
#include "shell/sections.h"
#include "shell/settings.h"
#include "skin/unt_about.h"
#include "skin/unt_company.h"
#include "skin/unt_main.h"
#include "skin/unt_settings.h"
#include "support/screen_test.h"

namespace {

class MenuScreens : public ScreenTest {
  protected:
    Tfrm_main* OpenMenu() {
        ShowMainMenu();
        Advance(200);
        EXPECT_NE(frm_main, nullptr);
        return frm_main;
    }
    /// Whether button n of the menu shows its focus picture (and not its up picture).
    static bool ShowsFocus(Tfrm_main* menu, int n) {
        return SameImage(menu->Button(n)->picture(), platform::loadJpeg(menu->FocusPicture(n)));
    }
    std::string Stored(const char* key) {
        return platform::IniFile("c:\\quran_setting.ini").readString("settings", key, "absent");
    }
};

TEST_F(MenuScreens, ButtonsOpenTheirScreensModallyAndSixteenEndsTheProgram) {
    Tfrm_main* menu = OpenMenu();
    for (int n = 1; n <= 16; ++n) EXPECT_TRUE(menu->Button(n)->isVisible()) << n;

    // Settings and company open modally over the menu; their button 1 closes them.
    auto openAndClose = [&](int n, auto& screen) {
        Click(menu->Button(n));
        ASSERT_TRUE(screen && screen->isModalForm()) << n;
        Click(screen->Button(1));
        Advance(10);
        EXPECT_FALSE(screen) << n;
    };
    openAndClose(13, frm_settings);
    openAndClose(14, frm_company);

    // About shows its text right to left in the pictures of language 1, and
    // gives the language back.
    LanguageIndex = 2;
    Click(menu->Button(15));
    ASSERT_NE(frm_about, nullptr);
    EXPECT_EQ(LanguageIndex, 1);
    EXPECT_TRUE(frm_about->memoabout1->rightToLeft());
    EXPECT_FALSE(frm_about->memoabout1->plainLines().empty());
    Click(frm_about->Button(1));
    Advance(10);
    EXPECT_EQ(frm_about, nullptr);
    EXPECT_EQ(LanguageIndex, 2);

    EXPECT_FALSE(platform::terminationRequested());
    Click(menu->Button(16));
    EXPECT_TRUE(platform::terminationRequested());
    EXPECT_TRUE(Errors().empty()) << Errors().front();
}

TEST_F(MenuScreens, SettingsShowsTheStoredChoicesAndSavesThemKeyByKey) {
    // No file: both visible boxes are checked.
    Tfrm_settings* screen = platform::createForm(frm_settings, HubArea());
    screen->showModal();
    EXPECT_TRUE(screen->Check1->isChecked());
    EXPECT_TRUE(screen->Check3->isChecked());
    EXPECT_FALSE(screen->Check2->isVisible());
    screen->Check3->setChecked(false);
    Click(screen->Button(1));
    Advance(10);
    EXPECT_EQ(Stored("settings_enter"), "1");
    EXPECT_EQ(Stored("settings_doaa"), "0");
    EXPECT_EQ(Stored("settings_lang"), "0");
    EXPECT_EQ(SettingEnter, 1);

    // A stored language value of 5 is carried back as 1.
    platform::IniFile("c:\\quran_setting.ini").writeString("settings", "settings_lang", "5");
    LoadSettings();
    screen = platform::createForm(frm_settings, HubArea());
    screen->showModal();
    EXPECT_FALSE(screen->Check3->isChecked());
    Click(screen->Button(1));
    Advance(10);
    EXPECT_EQ(Stored("settings_lang"), "1");
    EXPECT_EQ(Stored("settings_enter"), "1");
}

TEST_F(MenuScreens, ASettingsFileThatCannotBeWrittenIsReportedAndKeepsItsContent) {
    platform::IniFile("c:\\quran_setting.ini").writeString("settings", "settings_enter_sora", "18");
    // Drive C becomes a place where nothing can be created.
    const std::string blocker = DriveC() + "/plainfile";
    std::ofstream(blocker) << "x";
    platform::setDrive('C', blocker + "/inside");
    Tfrm_settings* screen = platform::createForm(frm_settings, HubArea());
    screen->showModal();
    Click(screen->Button(1));
    Advance(10);
    ASSERT_EQ(Errors().size(), 1u);
    EXPECT_NE(Errors()[0].find("quran_setting.ini"), std::string::npos) << Errors()[0];
    EXPECT_EQ(frm_settings, nullptr) << "the screen still closes";
    platform::setDrive('C', DriveC());
    EXPECT_EQ(Stored("settings_enter_sora"), "18");
}

// The walk through the menu and the settings' boxes with the keys is
// end-to-end; here, where the keys must not go.
TEST_F(MenuScreens, KeysWorkOnlyTheScreenOnTopAndTabStaysInIt) {
    Tfrm_main* menu = OpenMenu();
    Click(menu->Button(13));
    ASSERT_TRUE(frm_settings);
    const int focused = menu->FocusedButton;
    Key(Qt::Key_Up);
    EXPECT_EQ(menu->FocusedButton, focused) << "the menu below takes no keys";
    std::vector<QWidget*> focus;
    for (int key : {Qt::Key_Tab, Qt::Key_Tab, Qt::Key_Tab, Qt::Key_Backtab}) {
        Key(key);
        focus.push_back(QApplication::focusWidget());
    }
    EXPECT_EQ(focus, (std::vector<QWidget*>{frm_settings->Check1, frm_settings->Check3,
                                            frm_settings->Check1, frm_settings->Check3}));
    Key(Qt::Key_Escape);  // as its button 1: saves and closes
    platform::processPendingEvents();
    EXPECT_FALSE(frm_settings);
    Key(Qt::Key_Escape);  // the menu asks nothing and does nothing
    EXPECT_FALSE(menu->isClosed());
    EXPECT_FALSE(platform::terminationRequested());
}

TEST_F(MenuScreens, AfterAModalScreenClosesOnlyTheButtonUnderThePointerIsFocused) {
    Tfrm_main* menu = OpenMenu();
    Click(menu->Button(14));
    ASSERT_TRUE(frm_company);
    QCursor::setPos(menu->mapToGlobal(QPoint(5, 5)));  // onto the background
    Click(frm_company->Button(1));
    platform::processPendingEvents();
    EXPECT_EQ(menu->FocusedButton, 0);
    EXPECT_FALSE(ShowsFocus(menu, 14));

    Click(menu->Button(15));
    ASSERT_TRUE(frm_about);
    QCursor::setPos(menu->Button(3)->mapToGlobal(QPoint(10, 10)));
    Key(Qt::Key_Escape);
    platform::processPendingEvents();
    EXPECT_FALSE(frm_about);
    EXPECT_EQ(menu->FocusedButton, 3);
    EXPECT_TRUE(ShowsFocus(menu, 3));
    EXPECT_FALSE(ShowsFocus(menu, 15));
}

}  // namespace
