// The media player's rules, on the simulated device under a manual clock.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "media_files.h"
#include "platform/clock.h"
#include "platform/error.h"
#include "platform/forms.h"
#include "platform/guard.h"
#include "platform/media.h"
#include "platform/paths.h"
#include "support/sim_device.h"
#include "temp_folder.h"

using namespace platform;

namespace {

class MediaPlayerTest : public ::testing::Test {
  protected:
    void SetUp() override {
        Clock::install(&clock);
        useSimulatedMedia();
        clearDrives();
        setDrive('D', dir.path());
        dir.write("Two.wav", media_files::wav(2000));
        dir.write("one.wav", media_files::wav(1000));
        ErrorBox::recorded().clear();
        ErrorBox::forget();
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
    static const std::string& lastCommand() { return SimulatedDevice::log().back(); }

    using Notice = std::pair<int, int>;  // position and length when notified

    TempFolder dir;
    ManualClock clock;
    std::unique_ptr<MediaPlayer> player;
    std::vector<Notice> notices;
};

TEST_F(MediaPlayerTest, StoppedOrReplacedPlaysGetOnePostedNoticeEach) {
    open("Two.wav");
    player->Play();
    clock.advance(500);
    player->Stop();
    // Posted: the handler runs after the command, not inside it.
    EXPECT_TRUE(notices.empty());
    processPendingEvents();
    clock.advance(3000);  // a stopped play never ends
    EXPECT_EQ(player->Position(), 500);

    player->Play();  // plays on from 500
    clock.advance(100);
    player->Play();  // replaces it
    processPendingEvents();

    // Close, then a new Open and Play before the event loop runs: the notice
    // of the closed play finds the new element short of its end.
    player->Close();
    open("one.wav");
    player->Play();
    processPendingEvents();
    EXPECT_EQ(notices, (std::vector<Notice>{{500, 2000}, {600, 2000}, {0, 1000}}));

    // Open on an open player supersedes as well; nothing else owes a notice.
    open("Two.wav");
    processPendingEvents();
    EXPECT_EQ(notices.size(), 4u);
    player->Stop();
    player->Close();
    processPendingEvents();
    EXPECT_EQ(notices.size(), 4u);

    // A player destroyed with a notice still posted never raises it.
    open("one.wav");
    player->Play();
    player->Stop();
    player.reset();
    processPendingEvents();
    EXPECT_EQ(notices.size(), 4u);
}

TEST_F(MediaPlayerTest, PlaysEndAtLengthAndStartPosAndRewindApplyToTheNextCommandOnly) {
    open("TWO.WAV");  // names match without regard to case
    EXPECT_EQ(player->Length(), 2000);
    player->setStartPos(1500);
    player->Play();
    EXPECT_EQ(lastCommand(), "play from 1500");
    clock.advance(499);
    EXPECT_TRUE(notices.empty());
    clock.advance(1);
    EXPECT_EQ(notices, (std::vector<Notice>{{2000, 2000}}));
    clock.advance(5000);
    processPendingEvents();
    EXPECT_EQ(notices.size(), 1u);
    EXPECT_EQ(player->Position(), 2000);

    player->Play();  // rewound from the end
    EXPECT_EQ(lastCommand(), "play from 0");
    clock.advance(2000);
    EXPECT_EQ(notices.size(), 2u);

    player->setStartPos(400);  // at the end a start position wins over the rewind
    player->Play();
    EXPECT_EQ(lastCommand(), "play from 400");
    clock.advance(200);
    player->Stop();
    player->Play();  // not at the end: no rewind
    EXPECT_EQ(lastCommand(), "play");
    EXPECT_EQ(player->Position(), 600);
    clock.advance(1400);
    processPendingEvents();
    EXPECT_EQ(notices.size(), 4u);  // the stopped play's notice and the end

    // Any command uses up the start position, even one that does not play;
    // reading the position or length is not a command.
    player->setStartPos(700);
    player->setPosition(300);
    player->Play();
    EXPECT_EQ(lastCommand(), "play");
    clock.advance(1700);
    player->setStartPos(1200);
    (void)player->Position();
    (void)player->Length();
    player->Play();
    EXPECT_EQ(lastCommand(), "play from 1200");
    clock.advance(800);
    EXPECT_EQ(notices.size(), 6u);

    // Without AutoRewind, Play at the end ends again at once, at the end.
    player->AutoRewind = false;
    player->Play();
    EXPECT_EQ(lastCommand(), "play");
    EXPECT_EQ(notices.size(), 6u);  // never inside Play itself
    clock.advance(1);
    EXPECT_EQ(notices.size(), 7u);
    EXPECT_EQ(notices.back(), Notice(2000, 2000));
}

TEST_F(MediaPlayerTest, PauseTogglesAndDoesNothingWhenStoppedOrClosed) {
    player->Pause();  // closed: nothing
    open("one.wav");
    player->Pause();  // open but not playing: nothing
    EXPECT_EQ(lastCommand(), "open " + (dir.path() / "one.wav").string());

    player->Play();
    clock.advance(300);
    player->Pause();
    EXPECT_EQ(lastCommand(), "pause");
    clock.advance(5000);
    EXPECT_TRUE(notices.empty());  // a pause does not end the play

    player->Pause();
    EXPECT_EQ(lastCommand(), "resume");
    clock.advance(700);
    EXPECT_EQ(notices, (std::vector<Notice>{{1000, 1000}}));
    player->Pause();  // ended: nothing
    EXPECT_EQ(lastCommand(), "end");
}

TEST_F(MediaPlayerTest, AFailedOpenRaisesTheDeviceTextAndLeavesThePlayerClosed) {
    open("Two.wav");
    player->Play();
    clock.advance(100);
    EXPECT_THAT([&] { open("missing.mp3"); },
                testing::ThrowsMessage<PlatformError>(
                    testing::StrEq(std::string(kMediaFileNotFound) + "\n\"D:\\missing.mp3\" (" +
                                   (dir.path() / "missing.mp3").string() + ")")));
    EXPECT_FALSE(player->isOpen());
    EXPECT_EQ(player->Length(), 0);
    try {
        open("missing.mp3");
    } catch (const PlatformError& e) {
        EXPECT_EQ(e.file(), "D:\\missing.mp3") << "the error box tells this file once";
    }
    processPendingEvents();
    clock.advance(5000);
    EXPECT_EQ(notices.size(), 1u);  // the play it closed

    // Commands on the closed player are harmless.
    player->Play();
    player->Stop();
    player->setPosition(10);
    EXPECT_EQ(player->Position(), 0);

    for (const char* name : {"Q:\\no drive.wav", ""}) {
        player->FileName = name;
        EXPECT_THROW(player->Open(), PlatformError) << name;
        EXPECT_FALSE(player->isOpen());
    }
    open("one.wav");  // the same player opens fine afterwards
    EXPECT_EQ(player->Length(), 1000);
}

TEST_F(MediaPlayerTest, NoticeHandlersRunThroughTheGuard) {
    open("one.wav");
    player->OnNotify = [] { throw PlatformError("'x' is not a valid integer value"); };
    player->Play();
    clock.advance(1000);
    player->Play();
    player->Stop();
    processPendingEvents();
    EXPECT_EQ(ErrorBox::recorded(),
              std::vector<std::string>(2, "'x' is not a valid integer value"));
}

}  // namespace
