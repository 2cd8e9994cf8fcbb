// The twinkling stars: the picture sequence of one twinkle, the random
// choice of stars, a missing star picture, and stars that lie under buttons.
#include <gtest/gtest.h>

#include <set>

#include "platform/jpeg.h"
#include "platform/paths.h"
#include "shell/globals.h"
#include "skin/skin_screen.h"
#include "skin/star_twinkle.h"
#include "support/disc_builder.h"
#include "support/screen_test.h"

namespace {

class Stars : public ScreenTest {
  protected:
    QImage Big(int k) { return platform::loadJpeg(StarTwinkle::BigPicture(k)); }
    QImage Small(int k) { return platform::loadJpeg(StarTwinkle::SmallPicture(k)); }
};

TEST_F(Stars, ATwinkleShrinksVanishesAndGrowsBackThenMovesToNewStars) {
    StarTwinkle stars(display.get());
    stars.StarPlacement(StarLayout::QuranReader);  // all ten lit
    for (auto* star : stars.imgstar_big) EXPECT_TRUE(SameImage(star->picture(), Big(3)));
    for (auto* star : stars.imgstar_small) EXPECT_TRUE(SameImage(star->picture(), Small(3)));
    stars.Start();
    auto big = [&] { return stars.imgstar_big[stars.BigStar - 1]->picture(); };
    auto smallA = [&] { return stars.imgstar_small[stars.SmallStarA - 1]->picture(); };
    const int chosenBig = stars.BigStar;
    std::vector<int> seen;
    for (int tick = 0; tick < 6; ++tick) {
        Advance(300);
        EXPECT_EQ(stars.BigStar, chosenBig);
        EXPECT_NE(stars.ShrinkTimer->enabled(), stars.GrowTimer->enabled());
        int shown = big().isNull()             ? 0
                    : SameImage(big(), Big(1)) ? 1
                    : SameImage(big(), Big(2)) ? 2
                                               : 3;
        EXPECT_EQ(big().isNull(), smallA().isNull());
        seen.push_back(shown);
    }
    EXPECT_EQ(seen, (std::vector<int>{2, 1, 0, 1, 2, 3}));

    // Over many cycles the choice stays in range and the two small stars differ.
    std::set<int> bigs;
    for (int cycle = 0; cycle < 200; ++cycle) {
        Advance(2100);
        EXPECT_GE(stars.BigStar, 1);
        EXPECT_LE(stars.BigStar, 4);
        EXPECT_NE(stars.SmallStarA, stars.SmallStarB);
        EXPECT_GE(std::min(stars.SmallStarA, stars.SmallStarB), 1);
        EXPECT_LE(std::max(stars.SmallStarA, stars.SmallStarB), 6);
        bigs.insert(stars.BigStar);
    }
    EXPECT_EQ(bigs.size(), 4u);
    EXPECT_TRUE(Errors().empty());
}

TEST_F(Stars, AStarPictureThatFailsIsReportedOnceAndTheStarsStopAsTheyAre) {
    DiscBuilder disc("stars");
    for (int k : {1, 3}) {
        disc.picture("graphic/main/1/script1/" + std::to_string(k) + ".jpg", 20, 20, Qt::yellow);
        disc.picture("graphic/main/1/script2/" + std::to_string(k) + ".jpg", 10, 10, Qt::white);
    }
    platform::setDrive('D', disc.root());
    StarTwinkle stars(display.get());
    stars.StarPlacement(StarLayout::QuranReader);
    stars.Start();
    Advance(300);  // picture 2 is missing
    ASSERT_EQ(Errors().size(), 1u);
    EXPECT_NE(Errors()[0].find("2.jpg"), std::string::npos) << Errors()[0];
    // The star keeps the picture it had, and nothing asks for pictures again.
    EXPECT_TRUE(SameImage(stars.imgstar_big[stars.BigStar - 1]->picture(), Big(3)));
    EXPECT_FALSE(stars.ShrinkTimer->enabled() || stars.GrowTimer->enabled());
    Advance(2100 * 10);
    EXPECT_EQ(Errors().size(), 1u);
    for (auto* star : stars.imgstar_big) EXPECT_TRUE(SameImage(star->picture(), Big(3)));
}

// A screen with one button where a star of the book search screens stands.
class StarScreen : public SkinScreen {
  public:
    using SkinScreen::SkinScreen;
    void formCreate() override {
        SetSkinFolder("test");
        PlaceBackground(800, 600);
        BuildButtons(true);
        stars = std::make_unique<StarTwinkle>(this);
        stars->StarPlacement(StarLayout::BookSearch);  // small star 5 at 34,530
    }
    std::unique_ptr<StarTwinkle> stars;
    int clicks = 0;

  protected:
    void ButtonClick(int) override { ++clicks; }
};

TEST_F(Stars, AStarLiesUnderAButtonAndLetsItsClicksThrough) {
    DiscBuilder disc("stars-under");
    disc.skin("test", 1, 800, 600, {"020, 530"});  // 40 by 20, red
    for (int k = 1; k <= 3; ++k) {
        disc.picture("graphic/main/1/script1/" + std::to_string(k) + ".jpg", 30, 30, Qt::yellow);
        disc.picture("graphic/main/1/script2/" + std::to_string(k) + ".jpg", 30, 30, Qt::yellow);
    }
    platform::setDrive('D', disc.root());
    QPointer<StarScreen> screen;
    StarScreen* s = platform::createForm(screen, display.get());
    s->showAsChild(display.get());
    ASSERT_TRUE(Errors().empty()) << Errors()[0];
    const QPoint overlap(45, 540);
    ASSERT_TRUE(s->stars->imgstar_small[4]->geometry().contains(overlap));

    const QImage drawn = s->grab().toImage();
    EXPECT_LT(drawn.pixelColor(overlap).green(), 60) << "the star is drawn over the button";
    EXPECT_GT(drawn.pixelColor(overlap).red(), 150);
    EXPECT_GT(drawn.pixelColor(62, 555).green(), 150) << "the star shows beside the button";

    QWidget* hit = s->childAt(overlap);
    EXPECT_EQ(hit, s->Button(1));
    Click(hit, hit->mapFrom(s, overlap));
    EXPECT_EQ(s->clicks, 1);
}

}  // namespace
