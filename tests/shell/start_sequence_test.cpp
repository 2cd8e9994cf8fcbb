// The program's path from start to the main menu and back, in virtual time:
// hub, intro video, logo, main menu, a section button, the dispatch.
#include <gtest/gtest.h>

#include <memory>

#include "platform/error.h"
#include "platform/forms.h"
#include "platform/guard.h"
#include "platform/inifile.h"
#include "platform/paths.h"
#include "quran/unt_quran.h"
#include "support/sim_device.h"
#include "shell/app_sections.h"
#include "shell/globals.h"
#include "shell/sections.h"
#include "shell/unt_logo.h"
#include "shell/unt_start.h"
#include "shell/unt_video.h"
#include "skin/unt_main.h"
#include "support/disc_builder.h"
#include "support/screen_test.h"

namespace {

class StartSequence : public ScreenTest {
  protected:
    void StartHub() {
        hub = std::make_unique<Tfrm_start>();
        frm_start = hub.get();
        platform::guarded([&] { hub->FormCreate(); });
        hub->resize(1024, 768);
        hub->show();
    }

    void TearDown() override {
        for (int n = 1; n <= 12; ++n) RegisterSection(n, {});
        hub.reset();
        ScreenTest::TearDown();
    }

    template <class T>
    int Count() const {
        int n = 0;
        for (T* w : hub->area()->findChildren<T*>())
            if (!static_cast<platform::Form*>(w)->isClosed()) ++n;
        return n;
    }

    std::unique_ptr<Tfrm_start> hub;
};

TEST_F(StartSequence, RunsFromTheHubThroughVideoAndLogoToTheMenuAndBack) {
    LanguageIndex = 3;
    StartHub();
    EXPECT_EQ(frmvideo, nullptr);
    Advance(100);
    ASSERT_NE(frmvideo, nullptr);
    EXPECT_TRUE(frmvideo->isModalForm());
    const auto& log = platform::SimulatedDevice::log();
    ASSERT_GE(log.size(), 2u);
    EXPECT_NE(log[0].find("graphic/1.wmv"), std::string::npos) << log[0];
    EXPECT_EQ(log[1], "play");

    // The video (5 s) ends, the last picture stays 4 + 1 s, then the logo.
    Advance(5000 + 4990);
    EXPECT_EQ(frmlogo, nullptr);
    Advance(20);
    ASSERT_NE(frmlogo, nullptr);
    EXPECT_EQ(frmvideo, nullptr);
    EXPECT_EQ(LanguageIndex, 1);

    Advance(5000);
    EXPECT_EQ(frmlogo, nullptr);
    ASSERT_NE(frm_main, nullptr);
    EXPECT_EQ(frm_main->parentWidget(), hub->area());
    Advance(200);

    // A section nobody opens yet shows a new main menu.
    QPointer<Tfrm_main> first = frm_main.data();
    Click(frm_main->Button(7));
    EXPECT_EQ(SelectedSection, 7);
    Advance(100);
    ASSERT_NE(frm_main, nullptr);
    EXPECT_EQ(first, nullptr) << "the old menu is released";
    EXPECT_EQ(Count<Tfrm_main>(), 1);

    // A registered section is opened with the shared values of its case.
    int opened = 0;
    RegisterSection(1, [&] {
        ++opened;
        EXPECT_EQ(CurrentSura, 1);  // the values of its case are set first
        ShowMainMenu();
    });
    Advance(200);
    Click(frm_main->Button(1));
    Advance(100);
    EXPECT_EQ(opened, 1);
    EXPECT_EQ(Count<Tfrm_main>(), 1);
    EXPECT_FALSE(hub->Timer4->enabled());
    EXPECT_TRUE(Errors().empty()) << Errors().front();
}

TEST_F(StartSequence, AClickSkipsTheVideoAndTheLogoFollowsFiveSecondsLater) {
    StartHub();
    Advance(100);
    ASSERT_NE(frmvideo, nullptr);
    Advance(900);
    Click(frmvideo->panvideo);
    EXPECT_EQ(frmvideo->VideoSkipped, 1);
    EXPECT_EQ(platform::SimulatedDevice::log().back(), "close");
    Advance(4990);
    EXPECT_EQ(frmlogo, nullptr);
    Advance(20);
    ASSERT_NE(frmlogo, nullptr) << "the logo follows 5 s after the click";
    EXPECT_EQ(Count<Tfrmlogo>(), 1);
    Advance(15000);
    EXPECT_EQ(Count<Tfrmlogo>(), 0);
    EXPECT_EQ(Count<Tfrm_main>(), 1);
}

// Further clicks during the wait go to the main menu at once (tests/desktop).
// The logo itself, centred on black, is checked end-to-end.
TEST_F(StartSequence, AMissingLogoIsReportedAndTheMenuFollows) {
    StartHub();
    hub->Timer1->setEnabled(false);
    const QString kept = Tfrmlogo::PictureFile;
    Tfrmlogo::PictureFile = ":/no-logo.jpg";
    platform::createForm(frmlogo)->showModal();
    Tfrmlogo::PictureFile = kept;
    ASSERT_EQ(Errors().size(), 1u);
    EXPECT_NE(Errors()[0].find("no-logo.jpg"), std::string::npos) << Errors()[0];
    Advance(5000);
    EXPECT_EQ(Count<Tfrm_main>(), 1) << "the menu follows all the same";
}

TEST_F(StartSequence, CtrlQOverTheReaderKeepsTheReadingPosition) {
    RegisterAppSections();
    StartHub();
    hub->Timer1->setEnabled(false);
    CurrentSura = 18;
    CurrentAya = 10;
    OpenQuranSection();
    Advance(300);
    frm_quran->OpenSuraIndex();  // with a modal screen over the reader
    Key(Qt::Key_Q, Qt::ControlModifier);
    EXPECT_TRUE(platform::terminationRequested());
    platform::IniFile file("c:\\quran_setting.ini");
    EXPECT_EQ(file.readString("settings", "settings_enter_sora", ""), "18");
    EXPECT_EQ(file.readString("settings", "settings_enter_aya", ""), std::to_string(CurrentAya));
    EXPECT_TRUE(Errors().empty()) << Errors().front();
}

// The hub knows no section: each one says what it keeps when the program ends.
TEST_F(StartSequence, CtrlQRunsWhatEachSectionSavesAtQuitAndEndsEvenWhenOneFails) {
    std::vector<int> saved;
    RegisterSection(9, {}, [&] { saved.push_back(9); });
    RegisterSection(3, ShowMainMenu, [&] {
        saved.push_back(3);
        throw platform::PlatformError("Cannot open file c:\\quran_setting.ini");
    });
    RegisterSection(5, ShowMainMenu);  // nothing to save
    StartHub();
    hub->Timer1->setEnabled(false);
    Key(Qt::Key_Q, Qt::ControlModifier);
    EXPECT_EQ(saved, (std::vector<int>{3, 9}));
    EXPECT_EQ(Errors(), (std::vector<std::string>{"Cannot open file c:\\quran_setting.ini"}));
    EXPECT_TRUE(platform::terminationRequested());
}

TEST_F(StartSequence, AVideoThatCannotBeOpenedWaitsForAClick) {
    DiscBuilder disc("novideo");
    disc.skin("main", 1, 1024, 768, std::vector<std::string>(16, "010, 010"));
    platform::setDrive('D', disc.root());
    StartHub();
    Advance(100);
    ASSERT_NE(frmvideo, nullptr);
    ASSERT_EQ(Errors().size(), 1u);
    EXPECT_NE(Errors()[0].find("1.wmv"), std::string::npos) << Errors()[0];
    for (const std::string& command : platform::SimulatedDevice::log())
        EXPECT_FALSE(command.starts_with("play")) << command;

    Advance(30000);
    EXPECT_EQ(frmlogo, nullptr) << "no end notice comes: the video screen waits";
    Click(frmvideo->panvideo);
    Advance(5000 + 5000 + 10);
    EXPECT_EQ(Count<Tfrm_main>(), 1);
    EXPECT_EQ(Errors().size(), 1u);
}

TEST_F(StartSequence, ABadSettingsValueIsReportedAndStartUpGoesOn) {
    platform::IniFile file("c:\\quran_setting.ini");
    file.writeString("settings", "settings_lang", "0");
    file.writeString("settings", "settings_doaa",
                     "\xD3\xC8\xDA"
                     "1");  // "seven" in 1256
    file.writeString("settings", "settings_enter", "1");
    StartHub();
    ASSERT_EQ(Errors().size(), 1u);
    EXPECT_EQ(Errors()[0], "'سبع1' is not a valid integer value in " +
                               platform::quotedPath("c:\\quran_setting.ini") +
                               ", key settings_doaa")
        << "shown in its own letters, with where it stands";
    EXPECT_EQ(SettingEnter, 0) << "the keys after the bad one are not read";
    Advance(100);
    EXPECT_NE(frmvideo, nullptr);
}

TEST_F(StartSequence, TheStoredPositionOpensTheQuranUnlessTheUserAskedForTheStart) {
    for (auto [enter, sora, aya, wantSura, wantAya] :
         {std::tuple{0, 18, 10, 18, 10}, {0, 0, 7, 1, 1}, {1, 18, 10, 1, 1}}) {
        SettingEnter = enter;
        SettingEnterSora = sora;
        SettingEnterAya = aya;
        CurrentPage = CurrentPart = RepeatCount = RepeatDone = 7;  // left by the last reading
        PresetSectionValues(1);
        EXPECT_EQ(CurrentSura, wantSura) << enter << " " << sora;
        EXPECT_EQ(CurrentAya, wantAya) << enter << " " << sora;
        EXPECT_EQ(CurrentPage, 0);
        EXPECT_EQ(CurrentPart, 0);
        EXPECT_EQ(RepeatCount, 1);
        EXPECT_EQ(RepeatDone, 0);
    }
}

}  // namespace
