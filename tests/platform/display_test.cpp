// The hub's scale following its size while running, on the offscreen
// platform: the scale that fits, the display centred in the hub's own
// pixels, native children (as the video's panel) kept in place, and the
// window's size surviving a trip through full screen, and no change while a
// dialog is open.
#include <gtest/gtest.h>

#include <QApplication>
#include <QDeadlineTimer>
#include <QScreen>
#include <QWindow>

#include "platform/display.h"
#include "support/screen_test.h"

namespace {

class DisplayTest : public ScreenTest {
  protected:
    void SetUp() override {
        ScreenTest::SetUp();
        display->hide();
        platform::setLiveScaling(true);
        hub = std::make_unique<platform::HubWindow>();
        panel = new QWidget(hub->area());
        panel->setGeometry(100, 200, 400, 300);
        panel->setAttribute(Qt::WA_NativeWindow);
        hub->showHub(false);
        QCoreApplication::processEvents();
    }
    void TearDown() override {
        hub.reset();
        platform::setLiveScaling(false);
        ScreenTest::TearDown();
    }
    // Resizes the hub's window in device pixels, as a user's drag does, and
    // waits for the resize to settle.
    void ResizeTo(QSize pixels, int waitMs = 3000) {
        hub->resize((QSizeF(pixels) / hub->scale()).toSize());
        const double fit = platform::fittingScale(pixels);
        QDeadlineTimer deadline(waitMs);
        while (hub->scale() != fit && !deadline.hasExpired())
            QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    }

    // Equal but for a pixel of rounding on either side.
    static ::testing::AssertionResult Near(QRect got, QRect want) {
        const QRect d(got.topLeft() - want.topLeft(), got.size() - want.size());
        if (std::abs(d.x()) <= 1 && std::abs(d.y()) <= 1 && std::abs(d.width()) <= 1 &&
            std::abs(d.height()) <= 1)
            return ::testing::AssertionSuccess();
        return ::testing::AssertionFailure()
               << got.x() << "," << got.y() << " " << got.width() << "x" << got.height();
    }

    std::unique_ptr<platform::HubWindow> hub;
    QWidget* panel;
};

TEST_F(DisplayTest, TheScaleFollowsTheWindowAndTheDisplayStaysCentred) {
    ASSERT_DOUBLE_EQ(hub->scale(), 1.0);
    ASSERT_EQ(hub->size(), QSize(1024, 768));
    struct Case {
        QSize pixels;
        double scale;
        QSize hub;       // in the hub's own pixels
        QPoint display;  // the display's corner in them
    };
    const Case cases[] = {
        {{1280, 960}, 1.25, {1024, 768}, {0, 0}},
        {{1600, 960}, 1.25, {1280, 768}, {128, 0}},  // wider: black left and right
        {{2048, 1536}, 2.0, {1024, 768}, {0, 0}},
        {{1024, 900}, 1.0, {1024, 900}, {0, 66}},  // taller: black above and below
        {{800, 600}, 1.0, {1024, 768}, {0, 0}},    // never smaller than the display
    };
    for (const Case& c : cases) {
        ResizeTo(c.pixels);
        SCOPED_TRACE(c.scale);
        EXPECT_DOUBLE_EQ(hub->scale(), c.scale);
        EXPECT_EQ(hub->size(), c.hub);
        EXPECT_EQ(hub->area()->pos(), c.display);
        EXPECT_EQ(hub->area()->size(), QSize(1024, 768));
        // The native windows (the display's and the panel's) lie where the
        // display shows them: their device pixels, read back at this scale,
        // are the widgets' own places.
        EXPECT_TRUE(Near(hub->area()->windowHandle()->geometry(), hub->area()->geometry()));
        EXPECT_TRUE(Near(panel->windowHandle()->geometry(), QRect(100, 200, 400, 300)));
    }
}

TEST_F(DisplayTest, FullScreenAndBackKeepTheWindowsSizeAndScale) {
    ResizeTo({1280, 960});
    ASSERT_DOUBLE_EQ(hub->scale(), 1.25);
    hub->setFullScreenMode(true);
    QCoreApplication::processEvents();
    // Full screen takes the scale that fills the screen, never below 1.
    const QSize screen = hub->screen()->size() * hub->screen()->devicePixelRatio();
    EXPECT_DOUBLE_EQ(hub->scale(), std::max(1.0, platform::fittingScale(screen)));
    hub->setFullScreenMode(false);
    QCoreApplication::processEvents();
    EXPECT_DOUBLE_EQ(hub->scale(), 1.25);
    EXPECT_EQ(hub->size(), QSize(1024, 768));
    EXPECT_EQ(hub->windowSize(), QSize(1024, 768));
}

TEST_F(DisplayTest, TheScaleWaitsForAnOpenDialogToClose) {
    auto dialog = std::make_unique<QWidget>(hub.get(), Qt::Dialog);
    dialog->show();
    ResizeTo({1280, 960}, 500);  // well past the settling time
    EXPECT_DOUBLE_EQ(hub->scale(), 1.0) << "not while the dialog is on show";
    EXPECT_EQ(hub->size(), QSize(1280, 960));
    dialog->hide();
    ResizeTo({1280, 960});
    EXPECT_DOUBLE_EQ(hub->scale(), 1.25);
    EXPECT_EQ(hub->size(), QSize(1024, 768));
}

}  // namespace
