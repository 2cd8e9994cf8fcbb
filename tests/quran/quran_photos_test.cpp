// The Quran photo screen in virtual time (the picture show stepped by the
// manual clock): photo 1 with style 118 first, then 2 s after each
// transition a random photo and style; a click ends it all; missing photos.
#include <gtest/gtest.h>

#include <set>

#include "components/picture_show.h"
#include "platform/guard.h"
#include "platform/paths.h"
#include "quran/unt_quranp.h"
#include "shell/globals.h"
#include "support/slideshow_test.h"

namespace {

class QuranPhotosTest : public SlideshowTest {
  protected:
    /// Opens the screen as the go-to panel does.
    Tfrm_quranp* Open() {
        Tfrm_quranp* screen = platform::createForm(frm_quranp, display.get());
        screen->showModal();
        return screen;
    }
    /// The photo the show changes to.
    int PictureShown() const { return PhotoId(frm_quranp->imgground->Picture()); }
};

}  // namespace

TEST_F(QuranPhotosTest, PhotoOneFirstThenARandomPhotoTwoSecondsAfterEachTransition) {
    Tfrm_quranp* screen = Open();
    TPictureShow* show = screen->imgground;
    EXPECT_EQ(PictureShown(), 1);
    EXPECT_EQ(show->Style(), 118);
    EXPECT_TRUE(show->Running());

    std::set<int> photos;
    for (int cycle = 0; cycle < 3; ++cycle) {
        Advance(kTransitionMs);
        ASSERT_FALSE(show->Running()) << cycle;
        const int shown = PictureShown();
        Advance(1990);
        EXPECT_FALSE(show->Running());
        EXPECT_EQ(PictureShown(), shown);
        Advance(10);
        EXPECT_TRUE(show->Running()) << cycle;
        EXPECT_EQ(PictureShown(), screen->PhotoNumber);
        photos.insert(screen->PhotoNumber);
    }
    EXPECT_GT(photos.size(), 1u);
    EXPECT_TRUE(Errors().empty()) << Errors()[0];
}

TEST_F(QuranPhotosTest, AClickDuringATransitionOrEscapeEndsTheShow) {
    Tfrm_quranp* screen = Open();
    Advance(300);
    ASSERT_TRUE(screen->imgground->Running());
    Click(screen->imgground);
    EXPECT_FALSE(screen->imgground->Running());
    platform::processPendingEvents();
    EXPECT_FALSE(frm_quranp);
    Advance(10000);  // nothing of the show is left to tick
    EXPECT_TRUE(Errors().empty());

    // Escape does the same.
    Key(Open(), Qt::Key_Escape);
    platform::processPendingEvents();
    EXPECT_FALSE(frm_quranp);
}

TEST_F(QuranPhotosTest, MissingPhotosAreReportedOnceAndTheShowGoesOn) {
    for (int n = 1; n <= 138; n += 2) disc->remove("graphic/photos/" + std::to_string(n) + ".jpg");
    Tfrm_quranp* screen = Open();
    ASSERT_EQ(Errors().size(), 1u);
    EXPECT_NE(Errors()[0].find("photos\\1.jpg"), std::string::npos) << Errors()[0];
    Advance(60000);
    EXPECT_EQ(Errors().size(), 1u);
    EXPECT_EQ(PictureShown() % 2, 0);  // the photos there are shown
    EXPECT_NE(PictureShown(), 0);
    Click(screen->imgground);
}
