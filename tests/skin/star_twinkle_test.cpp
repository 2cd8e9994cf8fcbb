// The twinkling stars: the picture sequence of one twinkle, the
// random choice of stars and a missing star picture.
#include <gtest/gtest.h>

#include <set>

#include "platform/jpeg.h"
#include "platform/paths.h"
#include "shell/globals.h"
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

TEST_F(Stars, AMissingStarPictureIsReportedAndTheAnimationGoesOn) {
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
    EXPECT_TRUE(SameImage(stars.imgstar_big[stars.BigStar - 1]->picture(), Big(3)));
    EXPECT_EQ(stars.TwinkleStep, 2);
    Advance(300);
    EXPECT_TRUE(SameImage(stars.imgstar_big[stars.BigStar - 1]->picture(), Big(1)));
    Advance(2100 * 3);
    EXPECT_TRUE(stars.ShrinkTimer->enabled() || stars.GrowTimer->enabled());
}

}  // namespace
