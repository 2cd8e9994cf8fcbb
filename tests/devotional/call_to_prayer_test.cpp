// The call to prayer (section 7) in virtual time: the call, the supplication
// that may follow it and the full-screen slideshow that ends with the last
// recording; the photo sets; the slideshow closed early; missing files.
// Leaving while a recording plays is the supplications' way out, tested there.
#include <QApplication>
#include <gtest/gtest.h>
#include <set>

#include "devotional/unt_azan.h"
#include "devotional/unt_azanp.h"
#include "support/slideshow_test.h"
#include "shell/globals.h"
#include "skin/unt_main.h"

namespace {

constexpr int kCallMs = 5000, kSupplicationMs = 3000;

class CallToPrayerTest : public SlideshowTest {
  protected:
    void SetUp() override {
        SlideshowTest::SetUp();
        for (int n = 1; n <= 7; ++n) SetLength(Tfrm_azan::CallFile(n), kCallMs);
        SetLength(Tfrm_azan::SupplicationFile(), kSupplicationMs);
    }

    Tfrm_azan* Open() {
        display->activateWindow();
        OpenCallToPrayerSection();
        QApplication::processEvents();
        return frm_azan;
    }
};

TEST_F(CallToPrayerTest, WithSettingZeroTheSupplicationFollowsTheCallAndEndsTheSlideshow) {
    SettingDoaa = 0;
    Tfrm_azan* screen = Open();
    Click(screen->Button(4));
    EXPECT_EQ(Opens(Tfrm_azan::CallFile(4)), 1);
    ASSERT_TRUE(frm_azanp);
    // Photo 1 of set 3, small as it is, fills the screen.
    Advance(kTransitionMs);
    const QImage shown = frm_azanp->grab().toImage();
    EXPECT_EQ(PhotoId(shown.copy(780, 580, 20, 20)), SetPhotoId(3, 1));

    Advance(kCallMs - kTransitionMs);
    EXPECT_EQ(Opens(Tfrm_azan::SupplicationFile()), 1);
    EXPECT_EQ(screen->SupplicationPlayed, 1);
    EXPECT_TRUE(frm_azanp);
    Advance(kSupplicationMs);
    EXPECT_FALSE(frm_azanp);
    EXPECT_EQ(screen->SupplicationPlayed, 0);
    Advance(10000);
    EXPECT_EQ(Opens(Tfrm_azan::SupplicationFile()), 1);
    EXPECT_TRUE(Errors().empty()) << Errors()[0];
}

// Call 2 has a set of its own size; the first photo of set 3 is seen above.
TEST_F(CallToPrayerTest, ACallShowsRandomPhotosOfItsOwnSetAndWithSettingOneNothingFollows) {
    SettingDoaa = 1;
    SetLength(Tfrm_azan::CallFile(2), 150000);
    Tfrm_azan* screen = Open();
    Click(screen->Button(2));
    ASSERT_TRUE(frm_azanp);
    std::set<int> shown;
    frm_azanp->imgground->OnStart = [&shown](TCustomPictureShow* show) {
        shown.insert(PhotoId(show->Picture()));
    };
    Advance(149000);  // about 45 photos
    std::set<int> expected;
    for (int k = 1; k <= kSetSizes[1]; ++k) expected.insert(SetPhotoId(2, k));
    EXPECT_GE(shown.size(), kSetSizes[1] - 2u);
    for (int id : shown) EXPECT_TRUE(expected.count(id)) << "photo id " << id;
    // Escape closes the slideshow; the keys go back to the screen beneath.
    Key(frm_azanp, Qt::Key_Escape);
    EXPECT_TRUE(screen->hasFocus());
    Advance(11000);
    EXPECT_EQ(Opens(Tfrm_azan::SupplicationFile()), 0);
    EXPECT_EQ(screen->SupplicationPlayed, 0);
    EXPECT_TRUE(Errors().empty()) << Errors()[0];
}

TEST_F(CallToPrayerTest, AClosedSlideshowLeavesTheCallAndItsSupplicationPlaying) {
    SettingDoaa = 0;
    Tfrm_azan* screen = Open();
    Click(screen->Button(1));
    Advance(1700);  // during the pause after photo 1
    ASSERT_TRUE(frm_azanp);
    Click(frm_azanp->imgground);
    platform::processPendingEvents();
    EXPECT_FALSE(frm_azanp);
    EXPECT_FALSE(screen->Photos);
    Advance(kCallMs - 1700);
    EXPECT_EQ(Opens(Tfrm_azan::SupplicationFile()), 1);
    EXPECT_FALSE(frm_azanp);
    EXPECT_TRUE(Errors().empty()) << Errors()[0];
}

TEST_F(CallToPrayerTest, MissingFilesAreReportedAndTheScreenWorksOn) {
    SettingDoaa = 0;
    disc->remove("sound/azan/3.wav");
    disc->remove("sound/doaa/1.mp3");
    for (int k = 4; k <= 10; ++k) disc->remove(SetPhoto(2, k));
    SetLength(Tfrm_azan::CallFile(2), 30000);
    Tfrm_azan* screen = Open();

    // No recording of call 3, pressed while call 1 plays without its
    // slideshow: no slideshow, and call 1's interrupted play, reported after
    // the failed open, does not count as a call that ended.
    Click(screen->Button(1));
    Key(frm_azanp, Qt::Key_Escape);
    Advance(1000);
    Click(screen->Button(3));
    EXPECT_EQ(Errors().size(), 1u);
    EXPECT_FALSE(frm_azanp);
    Advance(kCallMs);
    EXPECT_EQ(Opens(Tfrm_azan::SupplicationFile()), 0);
    EXPECT_EQ(screen->SupplicationPlayed, 0);

    // Set 2 lacks 7 of its 10 photos: reported once; the call plays to its
    // end, the missing supplication is reported and the slideshow ends.
    Errors().clear();
    Click(screen->Button(2));
    ASSERT_TRUE(frm_azanp);
    Advance(30000 - 10);
    EXPECT_EQ(Errors().size(), 1u);
    EXPECT_NE(Errors()[0].find("islamic\\2\\"), std::string::npos) << Errors()[0];
    EXPECT_TRUE(frm_azanp);
    Advance(10);
    EXPECT_EQ(Errors().size(), 2u);
    EXPECT_FALSE(frm_azanp);
    Advance(10000);
    EXPECT_EQ(Errors().size(), 2u);
}

}  // namespace
