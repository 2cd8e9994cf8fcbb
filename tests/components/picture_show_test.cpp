#include "components/picture_show.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QThread>
#include <mutex>
#include <stdexcept>
#include <vector>

#include "components/transition_effects.h"
#include "effect_images.h"
#include "platform/clock.h"
#include "platform/error.h"
#include "platform/guard.h"

using testimg::tagged;

namespace {

/// Processes events until `done` holds; the limit is only a safety net.
bool waitFor(const std::function<bool()>& done) {
    QElapsedTimer t;
    t.start();
    while (!done() && t.elapsed() < 20000) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
        QThread::msleep(1);
    }
    return done();
}

/// What happened during a transition, recorded from the events.
struct Log {
    std::mutex m;
    std::vector<int> progress;
    std::vector<std::string> events;
    std::vector<QImage> frames;
    bool uiOnly = true;     // start, complete and stop on the UI thread
    bool stepsOff = false;  // progress reported off the UI thread

    void attach(TCustomPictureShow& show) {
        auto onUi = [] { return QThread::currentThread() == qApp->thread(); };
        show.OnStart = [this, onUi](TCustomPictureShow* s) {
            std::lock_guard l(m);
            events.push_back("start " + std::to_string(s->Progress()));
            uiOnly = uiOnly && onUi();
        };
        show.OnComplete = [this, onUi](TCustomPictureShow*) {
            std::lock_guard l(m);
            events.push_back("complete");
            uiOnly = uiOnly && onUi();
        };
        show.OnStop = [this, onUi](TCustomPictureShow*) {
            std::lock_guard l(m);
            events.push_back("stop");
            uiOnly = uiOnly && onUi();
        };
        show.OnProgress = [this, onUi](TCustomPictureShow* s) {
            std::lock_guard l(m);
            progress.push_back(s->Progress());
            stepsOff = stepsOff || !onUi();
        };
        show.OnAfterNewFrame = [this](TCustomPictureShow*, const QImage&, QImage& screen) {
            std::lock_guard l(m);
            frames.push_back(screen.copy());
        };
    }
    bool stopped() {
        std::lock_guard l(m);
        return !events.empty() && events.back() == "stop";
    }
};

class PictureShow : public ::testing::Test {
  protected:
    void SetUp() override {
        platform::Clock::install(&clock);
        platform::ErrorBox::recorded().clear();
    }
    void TearDown() override { platform::Clock::install(nullptr); }

    /// A control showing `first` (a finished transition), on the timer.
    std::unique_ptr<TPictureShow> showing(const QImage& first) {
        auto show = std::make_unique<TPictureShow>();
        show->SetThreaded(false);
        show->SetStep(100);
        show->SetPicture(first);
        show->RunTransition();
        EXPECT_FALSE(show->Running());
        EXPECT_EQ(show->shownImage(), first);
        show->SetStep(4);
        return show;
    }

    /// Runs a timer-driven transition to its end.
    void runOut(TCustomPictureShow& show) {
        for (int i = 0; i < 1000 && show.Running(); ++i) clock.advance(show.Delay());
    }

    platform::ManualClock clock;
    const QImage a = tagged(80, 60, 0), b = tagged(80, 60, 1);
};

}  // namespace

TEST_F(PictureShow, DefaultsAndPropertyLimits) {
    TPictureShow show;
    EXPECT_EQ(show.size(), QSize(100, 100));
    EXPECT_EQ(show.Style(), 51);
    EXPECT_EQ(show.StyleName(), "Appear and Contract to middle");
    EXPECT_EQ(show.Step(), 4);
    EXPECT_EQ(show.Delay(), 40);
    EXPECT_TRUE(show.Threaded());
    EXPECT_TRUE(show.AutoSize());
    EXPECT_EQ(show.BgMode(), bmTiled);
    EXPECT_FALSE(show.Running());

    show.SetStep(0);
    EXPECT_EQ(show.Step(), 1);
    show.SetStep(250);
    EXPECT_EQ(show.Step(), 100);
    show.SetDelay(70000);
    EXPECT_EQ(show.Delay(), 65535);

    show.SetStyle(150);
    show.SetStyle(151);
    EXPECT_EQ(show.Style(), 150);
    show.SetStyle(-1);
    EXPECT_EQ(show.Style(), 150);

    show.SetStyleName("cUsToM");
    EXPECT_EQ(show.Style(), 0);
    EXPECT_EQ(show.StyleName(), "Custom");
    show.SetStyleName("EXPAND FROM BOTTOM");
    EXPECT_EQ(show.Style(), 18);
    show.SetStyleName("Expand sideways");
    EXPECT_EQ(show.Style(), 18);
    show.SetStyleName("fade");
    EXPECT_EQ(show.StyleName(), "Fade");
}

TEST_F(PictureShow, PictureChangeFiresOnChangeAndSizesTheControl) {
    TPictureShow show;
    int changes = 0;
    show.OnChange = [&](TCustomPictureShow*) { ++changes; };
    show.SetPicture(a);
    EXPECT_EQ(changes, 1);
    EXPECT_EQ(show.size(), a.size());
    show.SetAutoSize(false);
    show.SetPicture(tagged(30, 20, 0));
    EXPECT_EQ(changes, 2);
    EXPECT_EQ(show.size(), a.size());
}

TEST_F(PictureShow, RunTransitionNeedsAPictureAndIsNotReentered) {
    TPictureShow show;
    show.SetThreaded(false);
    Log log;
    log.attach(show);
    show.RunTransition();  // no picture
    EXPECT_FALSE(show.Running());
    EXPECT_TRUE(log.events.empty());

    show.SetPicture(a);
    show.RunTransition();
    show.RunTransition();  // already running
    EXPECT_TRUE(show.Running());
    EXPECT_EQ(log.events, std::vector<std::string>{"start 0"});
}

TEST_F(PictureShow, TimerRunTakesTwentyFramesForStepFive) {
    auto show = showing(a);
    Log log;
    log.attach(*show);
    show->SetStyle(5);
    show->SetStep(5);
    show->SetDelay(60);
    show->SetPicture(b);
    show->RunTransition();
    EXPECT_EQ(log.progress, std::vector<int>{5});  // the first frame at once
    clock.advance(18 * 60);
    EXPECT_TRUE(show->Running());
    clock.advance(60);
    EXPECT_FALSE(show->Running());

    std::vector<int> expected;
    for (int p = 5; p <= 100; p += 5) expected.push_back(p);
    EXPECT_EQ(log.progress, expected);
    EXPECT_EQ(log.events, (std::vector<std::string>{"start 0", "complete", "stop"}));
    ASSERT_EQ(log.frames.size(), 20u);
    // Every frame is the effect drawn from the old picture to the new one.
    QImage want = a.copy();
    TransitionEffects::drawEffect(5, want, b, want.rect(), 35, 5);
    EXPECT_EQ(log.frames[6], want);
    EXPECT_EQ(show->shownImage(), b);
    clock.advance(1000);
    EXPECT_EQ(log.frames.size(), 20u);  // nothing after the end
}

TEST_F(PictureShow, LastStepIsCutToTheEnd) {
    auto show = showing(a);
    Log log;
    log.attach(*show);
    show->SetStep(30);
    show->SetPicture(b);
    show->RunTransition();
    runOut(*show);
    EXPECT_EQ(log.progress, (std::vector<int>{30, 60, 90, 100}));

    show->SetReverse(true);
    show->SetPicture(a);
    log.progress.clear();
    show->RunTransition();
    runOut(*show);
    EXPECT_EQ(log.progress, (std::vector<int>{70, 40, 10, 0}));
}

TEST_F(PictureShow, ReverseRunsFromHundredToZeroAndEndsOnTheOldPicture) {
    auto show = showing(a);
    Log log;
    log.attach(*show);
    show->SetReverse(true);
    show->SetStep(25);
    show->SetStyle(1);
    show->SetPicture(b);
    show->RunTransition();
    runOut(*show);
    EXPECT_EQ(log.events, (std::vector<std::string>{"start 100", "complete", "stop"}));
    EXPECT_EQ(log.progress, (std::vector<int>{75, 50, 25, 0}));
    QImage want = a.copy();
    TransitionEffects::drawEffect(1, want, b, want.rect(), 50, 25);
    EXPECT_EQ(log.frames[1], want);
    EXPECT_EQ(show->shownImage(), a);
}

TEST_F(PictureShow, StopTransitionEndsWithoutCompleting) {
    auto show = showing(a);
    Log log;
    log.attach(*show);
    show->SetStyle(118);
    show->SetPicture(b);
    show->RunTransition();
    clock.advance(2 * show->Delay());
    show->StopTransition();
    EXPECT_FALSE(show->Running());
    EXPECT_EQ(log.events, (std::vector<std::string>{"start 0", "stop"}));
    EXPECT_EQ(show->shownImage(), log.frames.back());  // the last frame stays
    EXPECT_EQ(show->Progress(), 12);
    clock.advance(1000);
    EXPECT_EQ(log.frames.size(), 3u);
    show->StopTransition();  // not running: nothing
    EXPECT_EQ(log.events.size(), 2u);
}

TEST_F(PictureShow, ManualModeDrawsWhatTheCallerAsks) {
    auto show = showing(a);
    Log log;
    log.attach(*show);
    show->SetManual(true);
    show->SetStyle(43);
    show->SetPicture(b);
    show->RunTransition();
    EXPECT_TRUE(show->Running());
    clock.advance(1000);
    EXPECT_TRUE(log.progress.empty());  // nothing moves by itself

    show->SetProgress(40);
    QImage want = a.copy();
    TransitionEffects::drawEffect(43, want, b, want.rect(), 40, 4);
    EXPECT_EQ(show->shownImage(), want);
    show->SetProgress(40);  // unchanged: no frame
    EXPECT_EQ(log.frames.size(), 1u);
    show->SetProgress(250);
    EXPECT_EQ(show->Progress(), 100);
    EXPECT_EQ(show->shownImage(), b);
    EXPECT_TRUE(show->Running());  // only StopTransition ends a manual run
    show->StopTransition();
    EXPECT_EQ(log.events, (std::vector<std::string>{"start 0", "stop"}));

    // Switched while idle, Progress goes back to its start.
    show->SetReverse(true);
    show->SetManual(false);
    EXPECT_EQ(show->Progress(), 100);
}

TEST_F(PictureShow, LeavingManualModeAnimatesOnFromTheCurrentProgress) {
    auto show = showing(a);
    Log log;
    log.attach(*show);
    show->SetManual(true);
    show->SetPicture(b);
    show->RunTransition();
    show->SetProgress(60);
    show->SetStep(20);
    show->SetManual(false);
    runOut(*show);
    EXPECT_EQ(log.progress, (std::vector<int>{60, 80, 100}));
    EXPECT_EQ(log.events, (std::vector<std::string>{"start 0", "complete", "stop"}));

    // Entering manual mode pauses a running animation.
    show->SetPicture(a);
    show->RunTransition();
    show->SetManual(true);
    const size_t frames = log.frames.size();
    clock.advance(1000);
    EXPECT_EQ(log.frames.size(), frames);
    EXPECT_TRUE(show->Running());
}

TEST_F(PictureShow, CustomStyleDrawsThroughOnCustomDraw) {
    auto show = showing(a);
    show->SetStyle(0);
    std::vector<int> calls;
    show->OnCustomDraw = [&](TCustomPictureShow* s, const QImage& picture, QImage& screen) {
        calls.push_back(s->Progress());
        EXPECT_EQ(picture, b);
        screen.fill(Qt::red);
    };
    std::vector<std::string> order;
    show->OnBeforeNewFrame = [&](TCustomPictureShow*, const QImage&, QImage& screen) {
        order.push_back(screen == a ? "before(old)" : "before(?)");
    };
    show->OnAfterNewFrame = [&](TCustomPictureShow*, const QImage&, QImage&) {
        order.push_back("after");
    };
    show->SetManual(true);
    show->SetPicture(b);
    show->RunTransition();
    show->SetProgress(50);
    EXPECT_EQ(calls, std::vector<int>{50});
    EXPECT_EQ(show->shownImage().pixel(3, 3), QColor(Qt::red).rgb());
    EXPECT_EQ(order, (std::vector<std::string>{"before(old)", "after"}));
    show->SetProgress(100);  // the whole picture, no custom drawing
    EXPECT_EQ(calls.size(), 1u);
    EXPECT_EQ(show->shownImage(), b);
}

TEST_F(PictureShow, TheOldImageIsWhatTheControlShowed) {
    TPictureShow show;
    show.SetThreaded(false);
    show.SetManual(true);
    show.SetAutoSize(false);
    show.resize(100, 100);
    show.SetColor(Qt::blue);
    show.SetCenter(true);
    show.SetStyle(5);
    show.SetPicture(tagged(40, 20, 1));
    show.RunTransition();
    show.SetProgress(50);  // reveal the left half over the control's colour
    const QImage f = show.shownImage();
    EXPECT_EQ(f.pixel(5, 5), tagged(40, 20, 1).pixel(5, 5));
    EXPECT_EQ(f.pixel(35, 5), QColor(Qt::blue).rgb());
    show.StopTransition();

    // Painted centred: colour around, the frame in the middle.
    const QImage painted = show.grab().toImage().convertToFormat(QImage::Format_RGB32);
    EXPECT_EQ(painted.pixel(2, 2), QColor(Qt::blue).rgb());
    EXPECT_EQ(painted.pixel(30 + 5, 40 + 5), f.pixel(5, 5));

    // The next transition starts from the shown frame.
    show.SetPicture(tagged(40, 20, 0));
    show.RunTransition();
    show.SetProgress(1);
    EXPECT_EQ(show.shownImage().pixel(30, 10), f.pixel(30, 10));
    show.StopTransition();

    // ClearImage only when idle.
    show.RunTransition();
    show.ClearImage();
    EXPECT_FALSE(show.shownImage().isNull());
    show.StopTransition();
    show.ClearImage();
    EXPECT_TRUE(show.shownImage().isNull());
}

TEST_F(PictureShow, ErrorsInHandlersReachTheErrorBox) {
    auto show = showing(a);
    show->OnStop = [](TCustomPictureShow*) { throw platform::PlatformError("Cannot open file x"); };
    show->SetPicture(b);
    show->RunTransition();
    runOut(*show);
    EXPECT_FALSE(show->Running());
    EXPECT_EQ(platform::ErrorBox::recorded(), std::vector<std::string>{"Cannot open file x"});
}

TEST_F(PictureShow, DestroyingARunningTimerControlIsSilent) {
    auto show = showing(a);
    int events = 0;
    show->OnStop = show->OnComplete = [&](TCustomPictureShow*) { ++events; };
    show->SetPicture(b);
    show->RunTransition();
    clock.advance(100);
    show.reset();
    clock.advance(5000);
    EXPECT_EQ(events, 0);
}

// Threaded runs use real time: small delays, and waiting by processing events.

TEST_F(PictureShow, ThreadedRunStepsOnTheWorkerAndEndsOnTheUiThread) {
    for (bool visible : {false, true}) {
        TPictureShow show;
        show.SetDelay(1);
        show.SetStep(5);
        show.SetStyle(61);
        if (visible) show.show();
        Log log;
        log.attach(show);
        show.SetPicture(a);
        show.RunTransition();
        ASSERT_TRUE(waitFor([&] { return log.stopped(); })) << visible;
        EXPECT_EQ(log.progress.size(), 20u);
        EXPECT_EQ(log.progress.back(), 100);
        EXPECT_EQ(log.events, (std::vector<std::string>{"start 0", "complete", "stop"}));
        EXPECT_TRUE(log.uiOnly);
        EXPECT_TRUE(log.stepsOff);
        EXPECT_EQ(show.shownImage(), a);
        EXPECT_FALSE(show.Running());
    }
}

TEST_F(PictureShow, ThreadedAndTimerRunsDrawTheSameFrames) {
    std::vector<QImage> runs[2];
    for (bool threaded : {false, true}) {
        auto show = showing(a);
        show->SetThreaded(threaded);
        show->SetDelay(1);
        show->SetStep(7);
        show->SetReverse(true);
        show->SetStyle(84);
        Log log;
        log.attach(*show);
        show->SetPicture(b);
        show->RunTransition();
        if (threaded) {
            ASSERT_TRUE(waitFor([&] { return log.stopped(); }));
        } else {
            runOut(*show);
        }
        EXPECT_EQ(show->shownImage(), a);  // reverse ends on the old picture
        runs[threaded] = log.frames;
    }
    ASSERT_EQ(runs[0].size(), 15u);
    EXPECT_EQ(runs[0], runs[1]);
}

TEST_F(PictureShow, ThreadedStopEndsAtOnce) {
    TPictureShow show;
    show.SetDelay(5);
    show.SetStep(1);
    Log log;
    log.attach(show);
    show.SetPicture(a);
    show.RunTransition();
    ASSERT_TRUE(waitFor([&] {
        std::lock_guard l(log.m);
        return log.progress.size() >= 3;
    }));
    show.StopTransition();
    EXPECT_FALSE(show.Running());
    const size_t steps = log.progress.size();
    EXPECT_LT(steps, 100u);
    EXPECT_EQ(log.events, (std::vector<std::string>{"start 0", "stop"}));
    EXPECT_EQ(show.shownImage(), log.frames.back());
    for (int i = 0; i < 50; ++i) QCoreApplication::processEvents();  // a late end message
    EXPECT_EQ(log.progress.size(), steps);
    EXPECT_EQ(log.events.size(), 2u);
}

TEST_F(PictureShow, ThreadedManualSwitchPausesAndResumes) {
    TPictureShow show;
    show.SetDelay(1);
    show.SetStep(2);
    Log log;
    log.attach(show);
    show.SetPicture(a);
    show.RunTransition();
    show.SetManual(true);  // the thread ends, the run stays prepared
    const size_t steps = log.progress.size();
    for (int i = 0; i < 20; ++i) QCoreApplication::processEvents();
    QThread::msleep(20);
    EXPECT_TRUE(show.Running());
    EXPECT_EQ(log.progress.size(), steps);
    show.SetManual(false);
    ASSERT_TRUE(waitFor([&] { return log.stopped(); }));
    EXPECT_EQ(log.events, (std::vector<std::string>{"start 0", "complete", "stop"}));
}

TEST_F(PictureShow, DestroyingARunningThreadedControlIsSafe) {
    int events = 0;
    for (int round = 0; round < 5; ++round) {
        auto show = std::make_unique<TPictureShow>();
        show->SetDelay(round);  // 0 to 4 ms per frame
        show->SetStep(1);
        show->OnStop = show->OnComplete = [&](TCustomPictureShow*) { ++events; };
        show->show();
        show->SetPicture(a);
        show->RunTransition();
        for (int i = 0; i < round * 3; ++i) QCoreApplication::processEvents();
        show.reset();
        for (int i = 0; i < 20; ++i) QCoreApplication::processEvents();
    }
    EXPECT_EQ(events, 0);
}
