// A disc for the slideshow screens: the sample disc, with every photo (the
// 138 photos and the call to prayer's three sets) replaced by a small picture
// of a colour of its own, so that a test tells from a picture which photo it is.
// Transitions are stepped by the manual clock.
#pragma once

#include <QWidget>
#include <memory>
#include <string>

#include "components/picture_show.h"
#include "platform/media.h"
#include "platform/paths.h"
#include "support/disc_builder.h"
#include "support/screen_test.h"
#include "support/sim_device.h"

class SlideshowTest : public ScreenTest {
  protected:
    /// The photo sets of the call to prayer and their sizes.
    static constexpr int kSetSizes[3] = {15, 10, 15};
    /// One transition at Step 5 and Delay 60: 20 frames, the first at once.
    static constexpr int kTransitionMs = 19 * 60;

    void SetUp() override {
        ScreenTest::SetUp();
        TCustomPictureShow::SetThreadedByDefault(false);
        disc = std::make_unique<DiscBuilder>(
            ::testing::UnitTest::GetInstance()->current_test_info()->name());
        disc->linkTo(TestDiscFolder());
        for (int n = 1; n <= 138; ++n)
            disc->picture("graphic/photos/" + std::to_string(n) + ".jpg", 16, 12, Colour(n));
        for (int set = 1; set <= 3; ++set)
            for (int k = 1; k <= kSetSizes[set - 1]; ++k)
                disc->picture(SetPhoto(set, k), 16, 12, Colour(SetPhotoId(set, k)));
        platform::setDrive('D', disc->root());
    }
    void TearDown() override {
        ScreenTest::TearDown();
        TCustomPictureShow::SetThreadedByDefault(true);
    }

    static std::string SetPhoto(int set, int k) {
        return "graphic/islamic/" + std::to_string(set) + "/" + std::to_string(k) + ".jpg";
    }
    /// Photo ids: 1..138 for the photos, 141.. for the photos of the sets.
    static int SetPhotoId(int set, int k) { return 140 + (set - 1) * 15 + k; }
    /// Colours 50 apart in each channel, for up to 216 ids.
    static QColor Colour(int id) { return QColor(id % 6 * 50, id / 6 % 6 * 50, id / 36 * 50); }
    /// The id of the photo a picture shows, or 0.
    static int PhotoId(const QImage& picture) {
        if (picture.isNull()) return 0;
        const QColor c = DiscBuilder::centreColour(picture);
        for (int id = 1; id <= 185; ++id) {
            const QColor p = Colour(id);
            if (std::abs(c.red() - p.red()) + std::abs(c.green() - p.green()) +
                    std::abs(c.blue() - p.blue()) <
                30)
                return id;
        }
        return 0;
    }

    /// Sets how long the recording at a Windows path plays.
    static void SetLength(const std::string& file, int ms) {
        platform::SimulatedDevice::setLength(platform::hostPath(file).string(), ms);
    }
    /// Whether the media log holds an open of the recording at a Windows path.
    static int Opens(const std::string& file) {
        int n = 0;
        for (const std::string& line : platform::SimulatedDevice::log())
            n += line == "open " + platform::hostPath(file).string();
        return n;
    }

    /// A click at a point of the display, delivered to the widget the window
    /// system would give it to (masks and stacking included).
    void ClickDisplay(QPoint at) {
        QWidget* target = display->childAt(at);
        ASSERT_NE(target, nullptr);
        Click(target, target->mapFromGlobal(display->mapToGlobal(at)));
    }

    std::unique_ptr<DiscBuilder> disc;
};
