// The media player's rules, on the simulated device under a manual clock.
#include <gtest/gtest.h>

#include <QWidget>
#include <memory>
#include <vector>

#include "media_files.h"
#include "platform/clock.h"
#include "platform/error.h"
#include "platform/forms.h"
#include "platform/guard.h"
#include "platform/media.h"
#include "platform/paths.h"
#include "platform/sim_device.h"

using namespace platform;
using media_files::TempDir;

namespace {

class MediaPlayerTest : public ::testing::Test {
  protected:
    void SetUp() override {
        Clock::install(&clock);
        useSimulatedMedia();
        clearDrives();
        setDrive('D', dir.path);
        media_files::write(dir.path / "Two.wav", media_files::wav(2000));
        media_files::write(dir.path / "one.wav", media_files::wav(1000));
        media_files::write(dir.path / "bad.mp3", std::string(3000, 'x'));
        ErrorBox::recorded().clear();
        player = std::make_unique<MediaPlayer>();
        player->OnNotify = [this] { notices.push_back({player->Position(), player->Length()}); };
    }
    void TearDown() override {
        player.reset();
        processPendingEvents();
        Clock::install(nullptr);
        clearDrives();
    }

    void open(const char* name) {
        player->FileName = std::string("D:\\") + name;
        player->Open();
    }

    struct Notice {
        int position, length;
    };

    TempDir dir{"media-player"};
    ManualClock clock;
    std::unique_ptr<MediaPlayer> player;
    std::vector<Notice> notices;
};

std::vector<std::string>& deviceLog() {
    return SimulatedDevice::log();
}

TEST_F(MediaPlayerTest, PlayNotifiesAtTheRealEndWithPositionAtLength) {
    open("TWO.WAV");  // names match without regard to case
    EXPECT_EQ(player->Length(), 2000);
    EXPECT_EQ(player->Position(), 0);

    // A 10 ms watch like the recitation's sees every position up to the end.
    int lastSeen = -1, ticks = 0;
    Timer watch(nullptr, 10);
    watch.onTimer = [&] {
        lastSeen = player->Position();
        ++ticks;
    };
    player->Play();
    clock.advance(1999);
    EXPECT_TRUE(notices.empty());
    EXPECT_EQ(player->Position(), 1999);
    clock.advance(1);
    // The end comes at once, inside the clock step: no event processing needed.
    ASSERT_EQ(notices.size(), 1u);
    EXPECT_EQ(notices[0].position, 2000);
    EXPECT_EQ(notices[0].length, 2000);
    EXPECT_EQ(lastSeen, 2000);
    EXPECT_EQ(ticks, 200);

    clock.advance(5000);
    processPendingEvents();
    EXPECT_EQ(notices.size(), 1u);
    EXPECT_EQ(player->Position(), 2000);
}

TEST_F(MediaPlayerTest, StoppedOrReplacedPlaysGetOnePostedNoticeEach) {
    open("Two.wav");
    player->Play();
    clock.advance(500);
    player->Stop();
    // Posted: the handler runs after the command, not inside it.
    EXPECT_TRUE(notices.empty());
    processPendingEvents();
    ASSERT_EQ(notices.size(), 1u);
    EXPECT_EQ(notices[0].position, 500);
    clock.advance(3000);  // a stopped play never ends
    EXPECT_EQ(player->Position(), 500);

    player->Play();  // plays on from 500
    clock.advance(100);
    player->Play();  // replaces it
    processPendingEvents();
    ASSERT_EQ(notices.size(), 2u);
    EXPECT_EQ(notices[1].position, 600);

    // Close, then a new Open and Play before the event loop runs: the notice
    // of the closed play finds the new element short of its end.
    player->Close();
    open("one.wav");
    player->Play();
    processPendingEvents();
    ASSERT_EQ(notices.size(), 3u);
    EXPECT_EQ(notices[2].position, 0);
    EXPECT_EQ(notices[2].length, 1000);

    // Open on an open player supersedes as well; nothing else owes a notice.
    open("Two.wav");
    processPendingEvents();
    EXPECT_EQ(notices.size(), 4u);
    player->Stop();
    player->Close();
    processPendingEvents();
    EXPECT_EQ(notices.size(), 4u);
}

TEST_F(MediaPlayerTest, NotifyAndStartPosApplyToTheNextCommandOnly) {
    open("Two.wav");
    player->Notify = false;
    player->setStartPos(1500);
    player->Play();
    EXPECT_TRUE(player->Notify);  // reset by the command
    EXPECT_EQ(deviceLog().back(), "play from 1500");
    clock.advance(500);
    EXPECT_TRUE(notices.empty());  // no notice asked for
    EXPECT_EQ(player->Position(), 2000);

    player->Play();  // asks again, rewound from the end
    EXPECT_EQ(deviceLog().back(), "play from 0");
    clock.advance(2000);
    EXPECT_EQ(notices.size(), 1u);

    // Any command uses up the flags, even one that does not play.
    player->setStartPos(700);
    player->Notify = false;
    player->setPosition(300);
    player->Play();
    EXPECT_EQ(deviceLog().back(), "play");
    EXPECT_EQ(player->Position(), 300);
    clock.advance(1700);
    EXPECT_EQ(notices.size(), 2u);

    // Reading the position or length is not a command.
    player->setStartPos(1200);
    (void)player->Position();
    (void)player->Length();
    player->Play();
    EXPECT_EQ(deviceLog().back(), "play from 1200");
}

TEST_F(MediaPlayerTest, AutoRewindOnlyAtTheEndAndOnlyWithoutAStartPosition) {
    open("one.wav");
    player->Play();
    clock.advance(1000);
    ASSERT_EQ(player->Position(), 1000);

    player->setStartPos(400);  // a pending start position wins over the rewind
    player->Play();
    EXPECT_EQ(deviceLog().back(), "play from 400");
    clock.advance(200);
    player->Stop();
    player->Play();  // not at the end: no rewind
    EXPECT_EQ(deviceLog().back(), "play");
    EXPECT_EQ(player->Position(), 600);
    clock.advance(400);
    ASSERT_EQ(notices.size(), 2u);  // the two real ends
    processPendingEvents();
    ASSERT_EQ(notices.size(), 3u);  // and the stopped play's notice

    // Without AutoRewind, Play at the end ends again at once, at the end.
    player->AutoRewind = false;
    const size_t before = notices.size();
    player->Play();
    EXPECT_EQ(deviceLog().back(), "play");
    EXPECT_EQ(notices.size(), before);  // never inside Play itself
    clock.advance(1);
    ASSERT_EQ(notices.size(), before + 1);
    EXPECT_EQ(notices.back().position, 1000);
    EXPECT_EQ(notices.back().length, 1000);
}

TEST_F(MediaPlayerTest, PauseTogglesAndDoesNothingWhenStoppedOrClosed) {
    player->Pause();  // closed: nothing
    open("one.wav");
    player->Pause();  // open but not playing: nothing
    EXPECT_EQ(deviceLog().back(), "open " + (dir.path / "one.wav").string());

    player->Play();
    clock.advance(300);
    player->Pause();
    EXPECT_EQ(deviceLog().back(), "pause");
    clock.advance(5000);
    EXPECT_EQ(player->Position(), 300);
    EXPECT_TRUE(notices.empty());  // a pause does not end the play

    player->Pause();
    EXPECT_EQ(deviceLog().back(), "resume");
    clock.advance(699);
    EXPECT_TRUE(notices.empty());
    clock.advance(1);
    ASSERT_EQ(notices.size(), 1u);
    EXPECT_EQ(notices[0].position, 1000);

    player->Pause();  // ended: nothing
    EXPECT_EQ(deviceLog().back(), "end");
}

TEST_F(MediaPlayerTest, AFailedOpenRaisesTheDeviceTextAndLeavesThePlayerClosed) {
    open("Two.wav");
    player->Play();
    clock.advance(100);

    player->FileName = "D:\\missing.mp3";
    try {
        player->Open();
        FAIL() << "no error";
    } catch (const PlatformError& e) {
        EXPECT_EQ(e.what(), std::string(kMediaFileNotFound) + "\nD:\\missing.mp3");
    }
    EXPECT_FALSE(player->isOpen());
    EXPECT_EQ(player->Position(), 0);
    EXPECT_EQ(player->Length(), 0);
    processPendingEvents();
    EXPECT_EQ(notices.size(), 1u);  // the play it closed
    clock.advance(5000);
    EXPECT_EQ(notices.size(), 1u);

    // Commands on the closed player are harmless.
    player->Play();
    player->Stop();
    player->setPosition(10);
    EXPECT_EQ(player->Position(), 0);

    player->FileName = "D:\\bad.mp3";
    EXPECT_THROW(player->Open(), PlatformError);
    player->FileName = "Q:\\no drive.wav";
    EXPECT_THROW(player->Open(), PlatformError);
    player->FileName = "";
    EXPECT_THROW(player->Open(), PlatformError);
    EXPECT_FALSE(player->isOpen());

    // The same player opens fine afterwards.
    open("one.wav");
    EXPECT_EQ(player->Length(), 1000);
}

TEST_F(MediaPlayerTest, HandlersMayReplayCloseOrDestroyTheScreen) {
    // A handler that opens the next recording, as the call to prayer does.
    open("one.wav");
    int ends = 0;
    player->OnNotify = [&] {
        if (player->Position() != player->Length()) return;
        if (++ends == 1) {
            player->Close();
            player->FileName = "D:\\Two.wav";
            player->Open();
            player->Play();
        }
    };
    player->Play();
    clock.advance(1000);
    EXPECT_EQ(ends, 1);
    EXPECT_EQ(player->Length(), 2000);
    clock.advance(2000);
    processPendingEvents();
    EXPECT_EQ(ends, 2);

    // The handler closes and deletes the screen that owns the player.
    auto* screen = new QWidget;
    QPointer<QWidget> alive(screen);
    auto* mci1 = new MediaPlayer(screen);
    mci1->OnNotify = [screen] { delete screen; };
    mci1->FileName = "D:\\one.wav";
    mci1->Open();
    mci1->Play();
    clock.advance(1000);
    EXPECT_TRUE(alive.isNull());
    clock.advance(1000);
    processPendingEvents();

    // A screen released with a notice still posted never hears it.
    screen = new QWidget;
    mci1 = new MediaPlayer(screen);
    int heard = 0;
    mci1->OnNotify = [&heard] { ++heard; };
    mci1->FileName = "D:\\one.wav";
    mci1->Open();
    mci1->Play();
    mci1->Close();
    delete screen;
    processPendingEvents();
    EXPECT_EQ(heard, 0);
}

TEST_F(MediaPlayerTest, NoticeHandlersRunThroughTheGuard) {
    open("one.wav");
    player->OnNotify = [] { throw PlatformError("'x' is not a valid integer value"); };
    player->Play();
    clock.advance(1000);
    player->Play();
    player->Stop();
    processPendingEvents();
    ASSERT_EQ(ErrorBox::recorded().size(), 2u);
    EXPECT_EQ(ErrorBox::recorded()[0], "'x' is not a valid integer value");
}

TEST_F(MediaPlayerTest, SeekWhilePlayingPlaysOnAndLengthsCanBeGivenByTheTest) {
    media_files::write(dir.path / "1.wmv", "not really a video");
    open("1.wmv");
    EXPECT_EQ(player->Length(), 5000);
    SimulatedDevice::setLength((dir.path / "1.wmv").string(), 1234);
    open("1.wmv");
    EXPECT_EQ(player->Length(), 1234);
    player->Display = nullptr;

    player->Play();
    clock.advance(100);
    player->setPosition(1200);
    EXPECT_EQ(player->Position(), 1200);
    clock.advance(33);
    EXPECT_TRUE(notices.empty());
    clock.advance(1);
    ASSERT_EQ(notices.size(), 1u);
    EXPECT_EQ(notices[0].position, 1234);

    player->setPosition(99999);  // clamped to the element
    EXPECT_EQ(player->Position(), 1234);
}

}  // namespace
