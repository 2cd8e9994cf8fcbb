// The real device: libmpv with the null audio output, on files made here.
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
#include "platform/sim_device.h"

using namespace platform;
using media_files::TempDir;

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

class MpvDeviceTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ::setenv("ZAFIREL_AUDIO", "null", 1);
        Clock::install(nullptr);
        useRealMedia();
        clearDrives();
        setDrive('D', dir.path);
        media_files::write(dir.path / "tone.wav", media_files::wav(1200, 22050));
    }
    void TearDown() override {
        processPendingEvents();
        clearDrives();
    }

    std::unique_ptr<MediaPlayer> openPlayer(const std::string& name) {
        auto player = std::make_unique<MediaPlayer>();
        player->FileName = "D:\\" + name;
        player->Open();
        return player;
    }

    TempDir dir{"media-mpv"};
};

TEST_F(MpvDeviceTest, PlaysToTheEndAndNotifiesWithPositionAtLength) {
    auto player = openPlayer("tone.wav");
    EXPECT_EQ(player->Length(), 1200);
    EXPECT_EQ(player->Position(), 0);
    int notices = 0, atNotice = -1;
    player->OnNotify = [&] {
        ++notices;
        atNotice = player->Position();
    };
    QElapsedTimer played;
    played.start();
    player->Play();
    ASSERT_TRUE(waitFor([&] { return notices > 0; }));
    EXPECT_EQ(atNotice, 1200);
    // Not before the sound has been heard: an end reported when the last
    // sound is merely handed to the output cuts off the recording's end.
    EXPECT_GE(played.elapsed(), 1200 - 100);
    EXPECT_EQ(player->Position(), player->Length());

    // From a start position: the position moves on from there.
    player->setStartPos(600);
    player->Play();
    EXPECT_GE(player->Position(), 600);
    ASSERT_TRUE(waitFor([&] { return player->Position() > 650; }));
    player->Stop();
    const int stopped = player->Position();
    EXPECT_LT(stopped, 1000);
    QThread::msleep(100);
    QCoreApplication::processEvents();
    EXPECT_EQ(player->Position(), stopped);
    ASSERT_TRUE(waitFor([&] { return notices == 2; }));  // the stopped play's notice
    EXPECT_EQ(atNotice, stopped);

    // Played again from the end: rewound, and it ends again.
    player->setPosition(1200);
    player->Play();
    ASSERT_TRUE(waitFor([&] { return notices == 3; }));
    EXPECT_EQ(atNotice, 1200);
}

TEST_F(MpvDeviceTest, PauseKeepsThePositionAndResumeEnds) {
    auto player = openPlayer("tone.wav");
    int notices = 0;
    player->OnNotify = [&] { ++notices; };
    player->Play();
    ASSERT_TRUE(waitFor([&] { return player->Position() > 100; }));
    player->Pause();
    const int paused = player->Position();
    QThread::msleep(150);
    QCoreApplication::processEvents();
    EXPECT_EQ(player->Position(), paused);
    EXPECT_EQ(notices, 0);
    player->Pause();
    ASSERT_TRUE(waitFor([&] { return notices == 1; }));
    EXPECT_EQ(player->Position(), 1200);
}

TEST_F(MpvDeviceTest, BadFilesRaiseInsteadOfHanging) {
    media_files::write(dir.path / "corrupt.mp3", std::string(40000, '\x5A'));
    media_files::write(dir.path / "empty.wav", "");
    std::string header = media_files::wav(500).substr(0, 44);
    media_files::write(dir.path / "no_samples.wav", header);

    auto player = openPlayer("tone.wav");
    for (const char* name : {"corrupt.mp3", "empty.wav", "no_samples.wav", "missing.mp3"}) {
        player->FileName = std::string("D:\\") + name;
        QElapsedTimer t;
        t.start();
        try {
            player->Open();
            ADD_FAILURE() << name << " opened";
        } catch (const PlatformError& e) {
            EXPECT_EQ(e.what(), std::string(std::string(name) == "missing.mp3" ? kMediaFileNotFound
                                                                               : kMediaCannotPlay) +
                                    "\n" + player->FileName)
                << name;
        }
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
    auto* mci1 = new MediaPlayer(screen);
    mci1->OnNotify = [screen] { delete screen; };
    mci1->FileName = "D:\\tone.wav";
    mci1->Open();
    mci1->setStartPos(900);
    mci1->Play();
    ASSERT_TRUE(waitFor([&] { return alive.isNull(); }));

    // Destroyed in the middle of a play: no notice, no callback afterwards.
    screen = new QWidget;
    mci1 = new MediaPlayer(screen);
    int heard = 0;
    mci1->OnNotify = [&heard] { ++heard; };
    mci1->FileName = "D:\\tone.wav";
    mci1->Open();
    mci1->Play();
    delete screen;
    QThread::msleep(1400);
    processPendingEvents();
    EXPECT_EQ(heard, 0);
}

TEST_F(MpvDeviceTest, VideoPlaysIntoItsDisplayToTheEnd) {
    if (!media_files::ffmpeg(dir.path / "1.wmv", 0.8,
                             "-f lavfi -i testsrc=size=160x120:rate=25:duration=0.8 "
                             "-c:v wmv2 -c:a wmav2 -shortest"))
        GTEST_SKIP() << "ffmpeg cannot make a WMV here";
    QWidget panvideo;
    panvideo.resize(160, 120);
    auto player = std::make_unique<MediaPlayer>();
    player->FileName = "D:\\1.wmv";
    player->Display = &panvideo;
    player->Open();
    EXPECT_NEAR(player->Length(), 800, 100);
    bool ended = false;
    player->OnNotify = [&] { ended = player->Position() == player->Length(); };
    player->Play();
    ASSERT_TRUE(waitFor([&] { return ended; }));
}

// The simulated device must agree with the real one on the lengths of the
// program's MP3 files, so that simulated recitations end where real ones do.
TEST_F(MpvDeviceTest, SimulatedMp3LengthsMatchTheRealDevice) {
    if (!media_files::haveFfmpeg()) GTEST_SKIP() << "no ffmpeg";
    const struct {
        const char* name;
        double seconds;
        const char* args;
    } kinds[] = {
        {"cbr.mp3", 1.3, "-ac 1 -ar 44100 -b:a 128k"},
        {"stereo.mp3", 2.0, "-ac 2 -ar 48000 -b:a 192k"},
        {"mpeg2.mp3", 1.7, "-ac 1 -ar 22050 -b:a 32k"},
        {"mpeg25.mp3", 1.1, "-ac 1 -ar 8000 -b:a 8k"},
        {"vbr.mp3", 1.5, "-ac 1 -ar 44100 -q:a 4"},
        {"no_info.mp3", 1.2, "-ac 1 -ar 44100 -b:a 64k -write_xing 0 -id3v2_version 0"},
    };
    for (const auto& kind : kinds) {
        ASSERT_TRUE(media_files::ffmpeg(dir.path / kind.name, kind.seconds,
                                        std::string(kind.args) + " -c:a libmp3lame"))
            << kind.name;
        auto player = openPlayer(kind.name);
        const int simulated = mp3LengthMs(media_files::read(dir.path / kind.name));
        EXPECT_NEAR(simulated, player->Length(), 2) << kind.name;
        EXPECT_NEAR(simulated, kind.seconds * 1000, 250) << kind.name;
    }
}

}  // namespace
