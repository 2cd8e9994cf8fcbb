#include "components/picture_show.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QThread>
#include <atomic>
#include <mutex>
#include <vector>

#include "components/transition_effects.h"
#include "effect_images.h"
#include "platform/error.h"
#include "support/screen_test.h"

using testimg::tagged;
using Events = std::vector<std::string>;

namespace {

const Events kStopped{"start 0", "stop"};

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
    Events events;
    std::vector<QImage> frames;
    bool uiOnly = true;     // start, complete and stop on the UI thread
    bool stepsOff = false;  // progress reported off the UI thread

    void attach(TCustomPictureShow& show) {
        const auto onUi = [] { return QThread::currentThread() == qApp->thread(); };
        const auto event = [this, onUi](std::string name, bool withProgress) {
            return [this, onUi, name, withProgress](TCustomPictureShow* s) {
                std::lock_guard l(m);
                events.push_back(withProgress ? name + " " + std::to_string(s->Progress()) : name);
                uiOnly = uiOnly && onUi();
            };
        };
        show.OnStart = event("start", true);
        show.OnComplete = event("complete", false);
        show.OnStop = event("stop", false);
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

/// How a test sets up its control.
struct Config {
    int style = 51, step = 4, delay = 40;
    bool threaded = false, reverse = false, manual = false;
};

// The screen tests' fixture gives the manual clock and the recorded error box.
class PictureShow : public ScreenTest {
  protected:
    /// A control showing `first` (a finished transition), set up as `s`, `log` attached.
    std::unique_ptr<TPictureShow> showing(const QImage& first, Config s = {}) {
        auto show = std::make_unique<TPictureShow>();
        show->SetThreaded(false);
        show->SetStep(100);
        start(*show, first);
        show->SetStyle(s.style);
        show->SetStep(s.step);
        show->SetDelay(s.delay);
        show->SetThreaded(s.threaded);
        show->SetReverse(s.reverse);
        show->SetManual(s.manual);
        log.progress.clear();
        log.events.clear();
        log.frames.clear();
        log.attach(*show);
        return show;
    }
    static void start(TCustomPictureShow& show, const QImage& picture) {
        show.SetPicture(picture);
        show.RunTransition();
    }
    /// Runs a transition to its end: the clock drives timer runs, threaded ones are awaited.
    bool finish(TCustomPictureShow& show) {
        if (show.Threaded()) return waitFor([&] { return log.stopped(); });
        for (int i = 0; i < 1000 && show.Running(); ++i) clock.advance(show.Delay());
        return !show.Running();
    }
    QImage effect(int style, int progress, int step) const {
        QImage want = a.copy();
        TransitionEffects::drawEffect(style, want, b, want.rect(), progress, step);
        return want;
    }

    Log log;
    const QImage a = tagged(80, 60, 0), b = tagged(80, 60, 1);
};

}  // namespace

TEST_F(PictureShow, ManualRunsDrawWhatTheCallerAsks) {
    auto show = showing(a, {.style = 43, .manual = true});
    start(*show, b);
    clock.advance(1000);
    EXPECT_TRUE(log.progress.empty());  // nothing moves by itself
    show->SetProgress(40);
    EXPECT_EQ(show->shownImage(), effect(43, 40, 4));
    show->SetProgress(250);
    EXPECT_EQ(show->shownImage(), b);
    EXPECT_TRUE(show->Running());  // only StopTransition ends a manual run
    show->StopTransition();
    EXPECT_EQ(log.events, kStopped);
}

// A run needs a picture and is not entered twice; its old image is what the
// control showed: its colour at first, later the frame a stopped run left.
TEST_F(PictureShow, ARunNeedsAPictureAndStartsFromWhatTheControlShowed) {
    TPictureShow show;
    show.SetThreaded(false);
    show.SetManual(true);
    show.SetColor(Qt::blue);
    show.SetStyleName("cUsToM");  // names without regard to case
    EXPECT_EQ(show.StyleName(), "Custom");
    show.SetStyle(5);
    log.attach(show);
    show.RunTransition();
    EXPECT_TRUE(log.events.empty());
    start(show, tagged(40, 20, 1));
    show.RunTransition();
    EXPECT_EQ(log.events, Events{"start 0"});
    show.SetProgress(50);  // reveal the left half over the control's colour
    const QImage f = show.shownImage();
    EXPECT_EQ(f.pixel(5, 5), tagged(40, 20, 1).pixel(5, 5));
    EXPECT_EQ(f.pixel(35, 5), QColor(Qt::blue).rgb());
    show.StopTransition();
    start(show, tagged(40, 20, 0));
    show.SetProgress(1);
    EXPECT_EQ(show.shownImage().pixel(30, 10), f.pixel(30, 10));
}

TEST_F(PictureShow, ErrorsInHandlersReachTheErrorBox) {
    auto show = showing(a);
    show->OnStop = [](TCustomPictureShow*) { throw platform::PlatformError("Cannot open file x"); };
    start(*show, b);
    ASSERT_TRUE(finish(*show));  // the run ends all the same
    EXPECT_EQ(Errors(), Events{"Cannot open file x"});
}

// Timer-driven and threaded runs: threaded ones use real time, small delays,
// and wait by processing events.

TEST_F(PictureShow, StopTransitionEndsAtOnceWithoutCompleting) {
    for (bool threaded : {false, true}) {
        auto show = showing(a, {.style = 118,
                                .step = threaded ? 1 : 4,
                                .delay = threaded ? 5 : 40,
                                .threaded = threaded});
        start(*show, b);
        if (threaded) {
            ASSERT_TRUE(waitFor([&] {
                std::lock_guard l(log.m);
                return log.progress.size() >= 3;
            }));
        } else {
            clock.advance(2 * show->Delay());
        }
        show->StopTransition();
        EXPECT_FALSE(show->Running());
        EXPECT_EQ(log.events, kStopped);
        EXPECT_EQ(show->shownImage(), log.frames.back());  // the last frame stays
        EXPECT_TRUE(threaded || show->Progress() == 12) << show->Progress();
        const size_t steps = log.progress.size();
        EXPECT_LT(steps, 100u);
        clock.advance(1000);
        for (int i = 0; i < 50; ++i) QCoreApplication::processEvents();  // a late end message
        show->StopTransition();                                          // not running: nothing
        EXPECT_EQ(log.progress.size(), steps);
        EXPECT_EQ(log.events.size(), 2u);
    }
}

// A run on the timer takes its first frame at once and then one a delay; a
// threaded run steps on the worker and draws the same frames. Reverse runs
// the progress down and ends on the old picture.
TEST_F(PictureShow, TimerRunsTakeAFrameADelayAndThreadedRunsDrawTheSame) {
    std::vector<QImage> runs[3];  // on the timer, threaded hidden, threaded shown
    for (int mode : {0, 1, 2}) {
        auto show = showing(a, {.style = 84,
                                .step = 7,
                                .delay = mode > 0 ? 1 : 60,
                                .threaded = mode > 0,
                                .reverse = true});
        if (mode == 2) show->show();
        start(*show, b);
        if (mode == 0) {
            clock.advance(13 * 60);
            EXPECT_TRUE(show->Running());
            clock.advance(60);
            EXPECT_FALSE(show->Running());
        }
        ASSERT_TRUE(finish(*show)) << mode;
        EXPECT_EQ(log.events, (Events{"start 100", "complete", "stop"}));
        EXPECT_TRUE(log.uiOnly);  // only the steps run on the worker
        EXPECT_EQ(log.stepsOff, mode > 0);
        EXPECT_EQ(show->shownImage(), a);
        clock.advance(1000);
        runs[mode].swap(log.frames);
    }
    ASSERT_EQ(runs[0].size(), 15u);  // 93, 86, ... 2, and the last step cut to 0; nothing after
    EXPECT_EQ(runs[0][6], effect(84, 51, 7));  // the effect from the old picture to the new
    EXPECT_EQ(runs[0], runs[1]);
    EXPECT_EQ(runs[0], runs[2]);
}

TEST_F(PictureShow, DestroyingARunningControlIsSafeAndSilent) {
    int events = 0;
    for (int round = 0; round < 6; ++round) {  // threaded at 0 to 4 ms per frame, then on the timer
        auto show = showing(a, {.step = 1, .delay = round, .threaded = round < 5});
        show->OnStop = show->OnComplete = [&](TCustomPictureShow*) { ++events; };
        show->show();
        start(*show, b);
        for (int i = 0; i < round * 3; ++i) QCoreApplication::processEvents();
        clock.advance(100);
        show.reset();
        clock.advance(5000);
        for (int i = 0; i < 20; ++i) QCoreApplication::processEvents();
    }
    EXPECT_EQ(events, 0);
}

TEST_F(PictureShow, TheThreadSeesTheWholeControlUntilItHasEnded) {
    auto show = showing(a, {.step = 1, .delay = 0, .threaded = true});
    std::atomic<bool> inside{false};
    std::atomic<int> whole{0}, part{0};
    show->OnProgress = [&](TCustomPictureShow* s) {
        inside = true;
        QThread::msleep(100);  // meanwhile the UI thread destroys the control
        ++(dynamic_cast<TPictureShow*>(s) ? whole : part);
    };
    start(*show, b);
    ASSERT_TRUE(waitFor([&] { return inside.load(); }));
    show.reset();
    EXPECT_GT(whole, 0);
    EXPECT_EQ(part, 0) << "a step ran on a control already partly destroyed";
}
