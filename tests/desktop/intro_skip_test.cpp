// Skipping the opening: the skip keys and clicks during the wait after the
// video and during the logo, and the start at the main menu.
#include <gtest/gtest.h>

#include <memory>

#include "platform/forms.h"
#include "platform/guard.h"
#include "shell/globals.h"
#include "shell/unt_logo.h"
#include "shell/unt_start.h"
#include "shell/unt_video.h"
#include "skin/unt_main.h"
#include "support/screen_test.h"
#include "support/sim_device.h"

namespace {

class IntroSkip : public ScreenTest {
  protected:
    void StartHub() {
        hub = std::make_unique<Tfrm_start>();
        frm_start = hub.get();
        platform::guarded([&] { hub->FormCreate(); });
        hub->resize(1024, 768);
        hub->show();
    }
    void TearDown() override {
        Tfrmvideo::StartAtMenu = false;
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

TEST_F(IntroSkip, AKeyOrAClickDuringTheWaitOrTheLogoGivesExactlyOneMainMenu) {
    enum Phase { Wait, Logo };
    struct Case {
        Phase phase;
        int key;  // 0: a click
    };
    const Case cases[] = {
        {Wait, Qt::Key_Escape}, {Wait, Qt::Key_Return}, {Wait, Qt::Key_Space}, {Wait, 0},
        {Logo, Qt::Key_Escape}, {Logo, Qt::Key_Enter},  {Logo, Qt::Key_Space}, {Logo, 0}};
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << (c.phase == Wait ? "wait" : "logo") << " " << c.key);
        LanguageIndex = 3;
        StartHub();
        Advance(100 + 5000 + 1000);  // the video has ended, the wait runs
        ASSERT_NE(frmvideo, nullptr);
        if (c.phase == Logo) Advance(4010);
        platform::Form* top = c.phase == Wait ? static_cast<platform::Form*>(frmvideo.data())
                                              : static_cast<platform::Form*>(frmlogo.data());
        ASSERT_NE(top, nullptr);
        for (int twice = 0; twice < 2; ++twice) {
            if (c.key == 0 && c.phase == Wait && frmvideo) Click(frmvideo->panvideo);
            if (c.key == 0 && c.phase == Logo && frmlogo) Click(frmlogo->imgground);
            if (c.key != 0 && platform::topForm() && platform::topForm() != frm_main)
                Key(platform::topForm(), c.key);
            Advance(10);
        }
        EXPECT_EQ(Count<Tfrm_main>(), 1);
        EXPECT_EQ(frmvideo, nullptr);
        EXPECT_EQ(frmlogo, nullptr);
        EXPECT_EQ(LanguageIndex, 1);
        Advance(20000);
        EXPECT_EQ(Count<Tfrm_main>(), 1) << "no timer opens another menu later";
        EXPECT_EQ(Count<Tfrmlogo>(), 0);
        hub.reset();
        platform::processPendingEvents();
    }
    EXPECT_TRUE(Errors().empty()) << Errors().front();
}

TEST_F(IntroSkip, DuringTheVideoAKeyActsAsTheClick) {
    StartHub();
    Advance(1000);
    ASSERT_NE(frmvideo, nullptr);
    Key(frmvideo, Qt::Key_Escape);
    EXPECT_EQ(frmvideo->VideoSkipped, 1);
    EXPECT_EQ(platform::SimulatedDevice::log().back(), "close");
    Advance(5010);
    EXPECT_NE(frmlogo, nullptr) << "the logo follows 5 s later, as after a click";
}

TEST_F(IntroSkip, StartingAtTheMainMenuPlaysNoVideoAndShowsNoLogo) {
    Tfrmvideo::StartAtMenu = true;
    LanguageIndex = 0;
    StartHub();
    Advance(110);
    EXPECT_EQ(Count<Tfrm_main>(), 1);
    EXPECT_EQ(frmvideo, nullptr);
    EXPECT_EQ(LanguageIndex, 1);
    for (const std::string& entry : platform::SimulatedDevice::log())
        EXPECT_EQ(entry.find("1.wmv"), std::string::npos) << entry;
    Advance(20000);
    EXPECT_EQ(Count<Tfrm_main>(), 1);
    EXPECT_EQ(Count<Tfrmlogo>(), 0);
    EXPECT_EQ(platform::topForm(), frm_main) << "nothing modal is left over the menu";
    EXPECT_TRUE(Errors().empty()) << Errors().front();
}

}  // namespace
