// The real device: libmpv with the null audio output, on files made here.
// Video through libmpv is shown by the end-to-end tests (the intro).
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QThread>
#include <QWidget>
#include <functional>
#include <memory>

#include "media_files.h"
#include "platform/clock.h"
#include "platform/error.h"
#include "platform/forms.h"
#include "platform/media.h"
#include "platform/mpv_device.h"
#include "platform/paths.h"
#include "support/sim_device.h"
#include "temp_folder.h"

using namespace platform;

namespace {

// Runs the event loop until `done` holds or `ms` have passed.
bool waitFor(const std::function<bool()>& done, int ms = 15000) {
    QElapsedTimer t;
    t.start();
    while (!done()) {
        if (t.elapsed() > ms) return false;
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
        QThread::msleep(2);
    }
    return true;
}

// Lets `ms` of real time pass with the event loop run once after.
void idle(int ms) {
    QThread::msleep(ms);
    QCoreApplication::processEvents();
}

class MpvDeviceTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ::setenv("ZAFIREL_AUDIO", "null", 1);
        Clock::install(nullptr);
        useRealMedia();
        clearDrives();
        setDrive('D', dir.path());
        dir.write("tone.wav", media_files::wav(1200, 22050));
    }
    void TearDown() override {
        processPendingEvents();
        clearDrives();
    }

    /// A player with `name` open, owned by `screen` when one is given.
    std::unique_ptr<MediaPlayer> openPlayer(const std::string& name, QWidget* screen = nullptr) {
        auto player = std::make_unique<MediaPlayer>(screen);
        player->FileName = "D:\\" + name;
        player->Open();
        player->OnNotify = [this, p = player.get()] { notices.push_back(p->Position()); };
        return player;
    }

    TempFolder dir;
    std::vector<int> notices;  // the position at each notice
};

TEST_F(MpvDeviceTest, PlaysPausesAndNotifiesAtTheEndWithPositionAtLength) {
    auto player = openPlayer("tone.wav");
    EXPECT_EQ(player->Length(), 1200);
    EXPECT_EQ(player->Position(), 0);
    QElapsedTimer played;
    played.start();
    player->Play();
    ASSERT_TRUE(waitFor([&] { return notices.size() == 1; }));
    EXPECT_EQ(notices[0], 1200);
    // Not before the sound has been heard: an end reported when the last
    // sound is merely handed to the output cuts off the recording's end.
    EXPECT_GE(played.elapsed(), 1200 - 100);

    // From a start position: the position moves on from there.
    player->setStartPos(600);
    player->Play();
    EXPECT_GE(player->Position(), 600);
    ASSERT_TRUE(waitFor([&] { return player->Position() > 650; }));
    player->Stop();
    const int stopped = player->Position();
    EXPECT_LT(stopped, 1000);
    idle(100);
    EXPECT_EQ(player->Position(), stopped);
    ASSERT_TRUE(waitFor([&] { return notices.size() == 2; }));  // the stopped play's notice
    EXPECT_EQ(notices[1], stopped);

    // Played again from the end: rewound; a pause keeps the position, and the
    // play ends once resumed.
    player->setPosition(1200);
    player->Play();
    ASSERT_TRUE(waitFor([&] { return player->Position() > 100; }));
    player->Pause();
    const int paused = player->Position();
    idle(150);
    EXPECT_EQ(player->Position(), paused);
    EXPECT_EQ(notices.size(), 2u);
    player->Pause();
    ASSERT_TRUE(waitFor([&] { return notices.size() == 3; }));
    EXPECT_EQ(notices[2], 1200);
}

TEST_F(MpvDeviceTest, BadFilesRaiseInsteadOfHanging) {
    dir.write("corrupt.mp3", std::string(40000, '\x5A'));
    dir.write("empty.wav", "");
    dir.write("no_samples.wav", media_files::wav(500).substr(0, 44));

    auto player = openPlayer("tone.wav");
    for (const std::string name : {"corrupt.mp3", "empty.wav", "no_samples.wav", "missing.mp3"}) {
        player->FileName = "D:\\" + name;
        QElapsedTimer t;
        t.start();
        const char* text = name == "missing.mp3" ? kMediaFileNotFound : kMediaCannotPlay;
        EXPECT_THAT([&] { player->Open(); },
                    testing::ThrowsMessage<PlatformError>(
                        testing::StartsWith(text + ("\n\"" + player->FileName))));
        EXPECT_LT(t.elapsed(), 12000) << name;
        EXPECT_FALSE(player->isOpen());
        EXPECT_EQ(player->Position(), 0);
    }
    // The same player plays a good file afterwards.
    player->FileName = "D:\\tone.wav";
    player->Open();
    EXPECT_EQ(player->Length(), 1200);
}

TEST_F(MpvDeviceTest, AHandlerMayDestroyTheScreenThatOwnsThePlayer) {
    auto* screen = new QWidget;
    QPointer<QWidget> alive(screen);
    MediaPlayer* mci1 = openPlayer("tone.wav", screen).release();
    mci1->OnNotify = [screen] { delete screen; };
    mci1->setStartPos(900);
    mci1->Play();
    ASSERT_TRUE(waitFor([&] { return alive.isNull(); }));

    // Destroyed in the middle of a play: no notice, no callback afterwards.
    screen = new QWidget;
    openPlayer("tone.wav", screen).release()->Play();
    delete screen;
    idle(1400);
    processPendingEvents();
    EXPECT_TRUE(notices.empty());
}

}  // namespace
