// The supplications (section 8) and their round picture in virtual time:
// the circle that alone takes the mouse, a supplication restarted in the
// middle of a transition, the pictures stopping when a recording ends,
// leaving while one plays, and missing files.
#include <gtest/gtest.h>

#include "devotional/unt_doaa.h"
#include "devotional/unt_pic.h"
#include "platform/media.h"
#include "quran/unt_quranp.h"
#include "shell/globals.h"
#include "skin/unt_main.h"
#include "support/sim_device.h"
#include "support/slideshow_test.h"

namespace {

class SupplicationsTest : public SlideshowTest {
  protected:
    void SetUp() override {
        SlideshowTest::SetUp();
        for (int n = 1; n <= 5; ++n) SetLength(Tfrm_doaa::RecordingFile(n), 4000 + 1000 * n);
        OpenSupplicationsSection();
        screen = frm_doaa;
    }
    void Press(int n) { Click(screen->Button(n)); }
    TPictureShow* Show() const { return frm_pic->imgground; }
    /// The photo the round picture changes to (0: none).
    int Shown() const { return PhotoId(Show()->Picture()); }

    Tfrm_doaa* screen = nullptr;
};

TEST_F(SupplicationsTest, OnlyTheCircleIsDrawnAndTakesTheMouse) {
    Advance(10);
    ASSERT_TRUE(frm_pic);
    const QPoint origin = screen->mapTo(display.get(), QPoint(0, 0));
    // The corners of the picture's square lie outside the circle: a click
    // there reaches the screen beneath, not the picture.
    for (QPoint corner : {QPoint(84, 108), QPoint(476, 108), QPoint(84, 498), QPoint(476, 498)}) {
        ClickDisplay(origin + corner);
        EXPECT_FALSE(frm_quranp) << corner.x() << "," << corner.y();
    }
    // A button beside the circle works through the window above it.
    ClickDisplay(origin + screen->Button(1)->geometry().center());
    EXPECT_EQ(Opens(Tfrm_doaa::RecordingFile(1)), 1);
    // The middle of the circle opens the Quran photo screen; the show goes on.
    ClickDisplay(origin + QPoint(280, 303));
    ASSERT_TRUE(frm_quranp);
    frm_quranp->ClosePhotos();
    Advance(100);
    EXPECT_TRUE(Show()->Running());
    // So does Enter with no button focused.
    MouseMove(screen->imgground1);
    Key(screen, Qt::Key_Return);
    ASSERT_TRUE(frm_quranp);
    frm_quranp->ClosePhotos();
    EXPECT_TRUE(Errors().empty()) << Errors()[0];
}

TEST_F(SupplicationsTest, AnotherSupplicationDuringATransitionStartsAgainAtPhotoOne) {
    // Pressed before the picture screen exists: it is opened at once, and once.
    Press(1);
    ASSERT_TRUE(frm_pic);
    EXPECT_EQ(Shown(), 1);
    Advance(kTransitionMs + 2000 + 600);  // photo 1, the pause, half the next transition
    EXPECT_EQ(screen->findChildren<Tfrm_pic*>().size(), 1u);
    ASSERT_TRUE(Show()->Running());
    ASSERT_NE(PicPhotoNumber, 1) << "the pick happens to be photo 1 again; change the lengths";

    Press(3);
    EXPECT_EQ(Show()->Progress(), 5);  // the new transition's first frame
    EXPECT_EQ(Shown(), 1);
    EXPECT_EQ(Opens(Tfrm_doaa::RecordingFile(3)), 1);
    // Supplication 1's interrupted play is reported and changes nothing.
    Advance(kTransitionMs);
    EXPECT_EQ(PicStopShow, 0);
    EXPECT_TRUE(frm_pic->Timer1->enabled());
    EXPECT_TRUE(Errors().empty()) << Errors()[0];
}

TEST_F(SupplicationsTest, ThePicturesStopWithinATransitionAndAPauseOfTheRecordingsEnd) {
    Advance(10);
    Press(2);  // 6 s
    Advance(5990);
    EXPECT_EQ(PicStopShow, 0);
    Advance(10);
    EXPECT_EQ(PicStopShow, 1);
    // At most the transition in progress, or one more photo from a pending pause.
    Advance(2000 + kTransitionMs + 10);
    EXPECT_FALSE(Show()->Running());
    const int last = Shown();
    Advance(30000);
    EXPECT_EQ(Shown(), last);
    EXPECT_FALSE(Show()->Running());
    EXPECT_TRUE(Errors().empty()) << Errors()[0];
}

TEST_F(SupplicationsTest, LeavingWhilePlayingStopsEverythingAndRestoresTheLanguage) {
    // Languages 1, 2 and 5 keep their skin; any other shows language 2's.
    screen->closeForm();
    for (auto [language, skin] : {std::pair{5, 5}, {3, 2}, {1, 1}}) {
        SCOPED_TRACE(language);
        LanguageIndex = language;
        OpenSupplicationsSection();
        screen = frm_doaa;
        EXPECT_EQ(screen->ButtonFolder, GraphicDir + "doaa\\" + std::to_string(skin) + "\\");
        Advance(10);
        Press(4);
        Advance(1500);
        platform::SimulatedDevice::log().clear();
        Key(screen, Qt::Key_Escape);  // as button 6
        EXPECT_EQ(LanguageIndex, language);
        platform::processPendingEvents();
        EXPECT_FALSE(frm_doaa);
        EXPECT_FALSE(frm_pic);
        ASSERT_TRUE(frm_main);
        Advance(20000);
        EXPECT_EQ(platform::SimulatedDevice::log(), std::vector<std::string>{"close"});
        frm_main->closeForm();
        // Nothing failed but the main menu, which has no skin of languages 3 and 5.
        for (const std::string& error : Errors())
            EXPECT_NE(error.find("graphic\\main\\" + std::to_string(language)), std::string::npos)
                << error;
        Errors().clear();
    }
}

TEST_F(SupplicationsTest, AMissingRecordingOrPhotoIsReportedOnceAndTheScreenWorksOn) {
    disc->remove("sound/doaa/4.wav");
    disc->remove("graphic/photos/1.jpg");
    Advance(10);
    // No photo 1: reported; the recording plays and another photo comes 2 s later.
    Press(2);
    ASSERT_EQ(Errors().size(), 1u);
    EXPECT_NE(Errors()[0].find("photos\\1.jpg"), std::string::npos) << Errors()[0];
    EXPECT_EQ(Opens(Tfrm_doaa::RecordingFile(2)), 1);
    Advance(2000);
    EXPECT_GT(Shown(), 1);

    // No recording: reported; the pictures stop after the one coming in.
    Press(4);
    EXPECT_EQ(Errors().size(), 2u);
    Advance(kTransitionMs + 2000 + kTransitionMs);
    EXPECT_FALSE(Show()->Running());
    EXPECT_FALSE(frm_pic->Timer1->enabled());

    Press(3);
    EXPECT_EQ(Opens(Tfrm_doaa::RecordingFile(3)), 1);
    EXPECT_EQ(Errors().size(), 2u);

    // A recording that cannot be played: one box for one choice, naming it.
    platform::SimulatedDevice::reset();  // lengths from the files again
    disc->write("sound/doaa/5.wav", "");
    Press(5);
    Advance(kTransitionMs + 2000 + kTransitionMs);
    ASSERT_EQ(Errors().size(), 3u);
    EXPECT_TRUE(Errors()[2].starts_with(platform::kMediaCannotPlay)) << Errors()[2];
    EXPECT_NE(Errors()[2].find("doaa\\5.wav"), std::string::npos) << Errors()[2];
}

}  // namespace
