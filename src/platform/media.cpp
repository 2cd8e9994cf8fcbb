#include "platform/media.h"

#include <algorithm>
#include <vector>

#include "platform/accessible.h"
#include "platform/clock.h"
#include "platform/error.h"
#include "platform/guard.h"
#include "platform/mpv_device.h"
#include "platform/paths.h"

namespace platform {

const char* const kMediaFileNotFound =
    "Cannot find the specified file. Make sure the path and filename are correct.";
const char* const kMediaCannotPlay =
    "The specified file cannot be played on the specified MCI device. The file may be corrupt, "
    "not in the correct format, or no file handler available for this format.";

namespace {
int volume = 100;
bool muted = false;
std::vector<MediaPlayer*>& players() {
    static std::vector<MediaPlayer*> list;
    return list;
}

std::function<std::unique_ptr<MediaDevice>()>& factory() {
    static std::function<std::unique_ptr<MediaDevice>()> f;
    return f;
}
}  // namespace

std::unique_ptr<MediaDevice> createMediaDevice() {
    if (factory()) return factory()();
    return std::make_unique<MpvDevice>();
}

void setMediaDeviceFactory(std::function<std::unique_ptr<MediaDevice>()> f) {
    factory() = std::move(f);
}

void setMediaVolume(int percent, bool mute) {
    volume = std::clamp(percent, 0, 100);
    muted = mute;
    for (MediaPlayer* player : players()) player->applyVolume();
}

int mediaVolume() {
    return volume;
}

bool mediaMuted() {
    return muted;
}

MediaPlayer::MediaPlayer(QObject* owner) : QObject(owner) {
    players().push_back(this);
}

// The device goes with the player; notices still posted are dropped with it.
MediaPlayer::~MediaPlayer() {
    std::erase(players(), this);
}

void MediaPlayer::applyVolume() {
    if (device_) device_->setVolume(muted ? 0 : volume);
}

void MediaPlayer::setStartPos(int ms) {
    startPos_ = ms;
}

void MediaPlayer::resetFlags() {
    Notify = true;
    Wait = false;
    startPos_ = -1;
}

void MediaPlayer::supersede() {
    if (quiet_) quiet_->setEnabled(false);
    if (!notifyPending_) return;
    notifyPending_ = false;
    postNotify();
}

void MediaPlayer::postNotify() {
    // Posted like a window message: the handler runs after the command that
    // caused it and whatever its caller does next, and never once the player
    // is gone.
    QMetaObject::invokeMethod(
        this, [this] { raiseNotify(); }, Qt::QueuedConnection);
}

void MediaPlayer::raiseNotify() {
    if (!OnNotify) return;
    // A copy: the handler may destroy this player and with it OnNotify.
    std::function<void()> handler = OnNotify;
    guarded(handler);
}

void MediaPlayer::deviceEnded() {
    if (!notifyPending_) return;
    notifyPending_ = false;
    raiseNotify();
}

void MediaPlayer::Open() {
    if (open_) Close();
    resetFlags();
    if (!device_) {
        device_ = createMediaDevice();
        device_->onEnded = [this] { deviceEnded(); };
        applyVolume();
    }
    // The device's text says what went wrong; the file name says where.
    std::string host = hostPath(FileName).string();
    try {
        if (host.empty()) throw PlatformError(kMediaFileNotFound);
        device_->open(host, Display.data());
    } catch (const PlatformError& e) {
        throw PlatformError(std::string(e.what()) + "\n" + quotedPath(FileName), FileName);
    }
    ErrorBox::fileRead(FileName);
    open_ = true;
}

void MediaPlayer::Play() {
    const int from = startPos_;
    const bool notify = Notify;
    resetFlags();
    if (!open_) return;
    supersede();
    int start = from;
    if (start < 0 && AutoRewind && device_->position() >= device_->length()) start = 0;
    notifyPending_ = notify;
    if (const int quiet = quietMsLeft(); quiet > 0) {
        // A screen reader is saying the name of the screen just opened: the
        // play starts when it has had its second.
        if (!quiet_) {
            quiet_ = new Timer(this, quiet, false);
            quiet_->onTimer = [this] {
                quiet_->setEnabled(false);
                if (open_) device_->play(quietStart_);
            };
        }
        quietStart_ = start;
        quiet_->setInterval(quiet);
        quiet_->setEnabled(true);
        return;
    }
    device_->play(start);
}

bool MediaPlayer::waitingForQuiet() const {
    return quiet_ && quiet_->enabled();
}

void MediaPlayer::Stop() {
    resetFlags();
    if (!open_) return;
    supersede();
    device_->stop();
}

void MediaPlayer::Close() {
    resetFlags();
    if (!open_) return;
    supersede();
    open_ = false;
    device_->close();
}

void MediaPlayer::Pause() {
    resetFlags();
    if (!open_) return;
    if (waitingForQuiet()) {
        quiet_->setEnabled(false);  // paused before it began
        return;
    }
    if (device_->isPlaying())
        device_->pause();
    else if (device_->isPaused())
        device_->resume();
}

int MediaPlayer::Position() const {
    return open_ ? device_->position() : 0;
}

void MediaPlayer::setPosition(int ms) {
    resetFlags();
    if (open_) device_->seek(ms);
}

int MediaPlayer::Length() const {
    return open_ ? device_->length() : 0;
}

}  // namespace platform
