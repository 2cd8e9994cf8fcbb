// The Quran photo screen in virtual time (the picture show stepped by the
// manual clock): photo 1 with style 118 first, then 2 s after each
// transition a random photo and style; a click ends it all; missing photos.
#include <QApplication>
#include <QKeyEvent>
#include <gtest/gtest.h>

#include <set>

#include "components/picture_show.h"
#include "platform/guard.h"
#include "platform/paths.h"
#include "quran/unt_quranp.h"
#include "shell/globals.h"
#include "support/disc_builder.h"
#include "support/screen_test.h"

namespace {

/// The colour of photo n: every photo differs.
QColor PhotoColour(int n) {
    return QColor((n * 37) % 256, (n * 91) % 256, (n * 17) % 256);
}

class QuranPhotosTest : public ScreenTest {
  protected:
    void SetUp() override {
        ScreenTest::SetUp();
        disc = std::make_unique<DiscBuilder>("quran-photos");
        for (int n = 1; n <= 138; ++n)
            disc->picture("graphic/photos/" + std::to_string(n) + ".jpg", 16, 12, PhotoColour(n));
        platform::setDrive('D', disc->root());
    }

    /// Opens the screen as the go-to panel does, with the transitions stepped
    /// on the UI thread by the manual clock.
    Tfrm_quranp* Open() {
        auto* screen = new Tfrm_quranp(display.get());
        frm_quranp = screen;
        screen->imgground->SetThreaded(false);
        platform::guarded([screen] { screen->formCreate(); });
        screen->showModal();
        return screen;
    }
    /// The photo the show changes to, by its colour.
    int PictureShown() const {
        const QColor c = DiscBuilder::centreColour(frm_quranp->imgground->Picture());
        for (int n = 1; n <= 138; ++n) {
            const QColor p = PhotoColour(n);
            if (std::abs(c.red() - p.red()) + std::abs(c.green() - p.green()) +
                    std::abs(c.blue() - p.blue()) <
                12)
                return n;
        }
        return 0;
    }

    std::unique_ptr<DiscBuilder> disc;
    const int transitionMs = 19 * 60;  // 20 steps of 5, the first at once
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
        Advance(transitionMs);
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
    EXPECT_FALSE(screen->Timer1->enabled());
    platform::processPendingEvents();
    EXPECT_FALSE(frm_quranp);
    Advance(10000);
    EXPECT_TRUE(Errors().empty());

    // Escape does the same.
    screen = Open();
    QKeyEvent escape(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
    QApplication::sendEvent(screen, &escape);
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
