#include "platform/mpv_device.h"

#include <mpv/client.h>

#include <QElapsedTimer>
#include <QGuiApplication>
#include <algorithm>
#include <clocale>
#include <cmath>
#include <cstdlib>
#include <filesystem>

#include "platform/error.h"

namespace platform {

namespace {

// How long Open waits for libmpv to load a file.
constexpr int kOpenTimeoutMs = 10000;
// How long Open waits afterwards for the first picture/sound to be ready.
constexpr int kReadyTimeoutMs = 2000;

std::string seconds(int ms) {
    std::string frac = std::to_string(1000 + ms % 1000).substr(1);
    return std::to_string(ms / 1000) + "." + frac;
}

int toMs(double s, int limit) {
    if (!(s > 0)) return 0;
    const double ms = std::round(s * 1000.0);
    return ms >= limit ? limit : static_cast<int>(ms);
}

}  // namespace

MpvDevice::MpvDevice() : events_(std::make_unique<QObject>()) {}

MpvDevice::~MpvDevice() {
    destroyHandle();
}

std::string MpvDevice::audioOutput() {
    const char* forced = std::getenv("ZAFIREL_AUDIO");
    if (forced && *forced) return forced;
    return "pipewire,pulse,alsa,null";
}

void MpvDevice::wakeup(void* context) {
    // Called on libmpv's threads: only post the drain to the UI thread, once
    // until it has run.
    auto* device = static_cast<MpvDevice*>(context);
    if (device->drainPosted_.exchange(true)) return;
    QMetaObject::invokeMethod(
        device->events_.get(), [device] { device->drain(); }, Qt::QueuedConnection);
}

void MpvDevice::createHandle(QWidget* display) {
    // libmpv refuses to start unless numbers are formatted the C way.
    std::setlocale(LC_NUMERIC, "C");
    mpv_ = mpv_create();
    if (!mpv_) throw PlatformError(kMediaCannotPlay);
    static const char* const kOptions[][2] = {
        {"config", "no"},
        {"terminal", "no"},
        {"input-default-bindings", "no"},
        {"input-vo-keyboard", "no"},
        {"input-cursor", "no"},
        {"osc", "no"},
        {"load-scripts", "no"},
        {"ytdl", "no"},
        {"audio-display", "no"},
        {"cursor-autohide", "no"},
        {"sub-auto", "no"},
        {"audio-file-auto", "no"},
        {"resume-playback", "no"},
        {"keep-open", "yes"},
        {"keep-open-pause", "yes"},
        {"idle", "yes"},
        {"pause", "yes"},
        {"hr-seek", "yes"},
        {"force-window", "no"},
        // Without this a play's end is reported once the last sound is handed
        // to the audio output, which then pauses with it unheard.
        {"gapless-audio", "no"},
    };
    // Options a build does not know are left out silently.
    for (const auto& option : kOptions) mpv_set_option_string(mpv_, option[0], option[1]);
    mpv_set_option_string(mpv_, "ao", audioOutput().c_str());
    if (const char* level = std::getenv("ZAFIREL_MPV_LOG")) {
        // Diagnostics: libmpv's own messages on the terminal ("all=v", "vo=debug").
        mpv_set_option_string(mpv_, "terminal", "yes");
        mpv_set_option_string(mpv_, "msg-level", level);
    }

    display_ = display;
    hasDisplay_ = display != nullptr;
    if (display && QGuiApplication::platformName() == "xcb") {
        // Rendered into the display's own native window.
        display->setAttribute(Qt::WA_NativeWindow);
        int64_t wid = static_cast<int64_t>(display->winId());
        mpv_set_option(mpv_, "wid", MPV_FORMAT_INT64, &wid);
        const char* vo = std::getenv("ZAFIREL_VIDEO");
        mpv_set_option_string(mpv_, "vo", vo && *vo ? vo : "gpu,x11,null");
    } else if (display) {
        // No window to draw into (e.g. offscreen): decoded but not shown.
        mpv_set_option_string(mpv_, "vo", "null");
    } else {
        mpv_set_option_string(mpv_, "vid", "no");
        mpv_set_option_string(mpv_, "vo", "null");
    }
    if (mpv_initialize(mpv_) < 0) {
        mpv_terminate_destroy(mpv_);
        mpv_ = nullptr;
        throw PlatformError(kMediaCannotPlay);
    }
    mpv_set_property(mpv_, "volume", MPV_FORMAT_DOUBLE, &volume_);
    mpv_observe_property(mpv_, 0, "eof-reached", MPV_FORMAT_FLAG);
    mpv_set_wakeup_callback(mpv_, &MpvDevice::wakeup, this);
}

void MpvDevice::destroyHandle() {
    if (!mpv_) return;
    // No callback may reach this device once teardown begins.
    mpv_set_wakeup_callback(mpv_, nullptr, nullptr);
    mpv_terminate_destroy(mpv_);
    mpv_ = nullptr;
    drainPosted_ = false;
}

void MpvDevice::failOpen(const char* message) {
    if (mpv_) {
        const char* stop[] = {"stop", nullptr};
        mpv_command(mpv_, stop);
    }
    state_ = State::Closed;
    entry_ = -1;
    length_ = 0;
    throw PlatformError(message);
}

void MpvDevice::open(const std::string& hostPath, QWidget* display) {
    close();
    std::error_code ec;
    if (hostPath.empty() || !std::filesystem::is_regular_file(hostPath, ec))
        throw PlatformError(kMediaFileNotFound);
    // The video window is fixed when the player starts: a new display needs a new one.
    if (mpv_ && (display != display_.data() || hasDisplay_ != (display != nullptr)))
        destroyHandle();
    if (!mpv_) createHandle(display);

    int paused = 1;
    mpv_set_property(mpv_, "pause", MPV_FORMAT_FLAG, &paused);
    const char* load[] = {"loadfile", hostPath.c_str(), "replace", nullptr};
    if (mpv_command(mpv_, load) < 0) failOpen(kMediaCannotPlay);

    // Open waits: drain events here until the file is loaded or has failed.
    // Events of an earlier file (its end) come before this file's start.
    QElapsedTimer waited;
    waited.start();
    bool started = false, loaded = false;
    for (;;) {
        const int64_t limit = loaded ? kReadyTimeoutMs : kOpenTimeoutMs;
        const int64_t left = limit - waited.elapsed();
        if (left <= 0) {
            if (loaded) break;  // ready or not, the file is open
            failOpen(kMediaCannotPlay);
        }
        mpv_event* e = mpv_wait_event(mpv_, static_cast<double>(left) / 1000.0);
        if (e->event_id == MPV_EVENT_START_FILE) {
            entry_ = static_cast<mpv_event_start_file*>(e->data)->playlist_entry_id;
            started = true;
        } else if (e->event_id == MPV_EVENT_FILE_LOADED && started) {
            loaded = true;
            waited.restart();
        } else if (e->event_id == MPV_EVENT_PLAYBACK_RESTART && loaded) {
            break;
        } else if (e->event_id == MPV_EVENT_END_FILE && started &&
                   static_cast<mpv_event_end_file*>(e->data)->playlist_entry_id == entry_) {
            failOpen(kMediaCannotPlay);
        } else if (e->event_id == MPV_EVENT_SHUTDOWN) {
            failOpen(kMediaCannotPlay);
        }
    }

    double duration = 0;
    int64_t tracks = 0;
    mpv_get_property(mpv_, "duration", MPV_FORMAT_DOUBLE, &duration);
    mpv_get_property(mpv_, "track-list/count", MPV_FORMAT_INT64, &tracks);
    if (!(duration > 0) || tracks <= 0) failOpen(kMediaCannotPlay);
    length_ = toMs(duration, INT32_MAX);
    state_ = State::Stopped;
    atEnd_ = seeking_ = false;
    lastPos_ = 0;
}

void MpvDevice::close() {
    if (state_ == State::Closed) return;
    state_ = State::Closed;
    const char* stop[] = {"stop", nullptr};
    mpv_command(mpv_, stop);
    entry_ = -1;
    length_ = lastPos_ = 0;
    atEnd_ = seeking_ = false;
}

void MpvDevice::setVolume(int percent) {
    volume_ = percent;
    if (mpv_) mpv_set_property(mpv_, "volume", MPV_FORMAT_DOUBLE, &volume_);
}

void MpvDevice::setPaused(bool paused) {
    int flag = paused ? 1 : 0;
    mpv_set_property(mpv_, "pause", MPV_FORMAT_FLAG, &flag);
}

void MpvDevice::seekTo(int ms) {
    ms = std::clamp(ms, 0, length_);
    atEnd_ = ms >= length_;
    seeking_ = true;
    lastPos_ = ms;
    const std::string target = seconds(ms);
    const char* cmd[] = {"seek", target.c_str(), "absolute+exact", nullptr};
    if (mpv_command(mpv_, cmd) < 0) seeking_ = false;
}

void MpvDevice::play(int fromMs) {
    if (state_ == State::Closed) return;
    if (fromMs >= 0) seekTo(fromMs);
    state_ = State::Playing;
    if (!atEnd_) setPaused(false);
    // At the end already (or reached while paused, when no change of
    // eof-reached will come): reported from the event loop.
    QMetaObject::invokeMethod(
        events_.get(), [this] { checkEnd(); }, Qt::QueuedConnection);
}

void MpvDevice::stop() {
    if (state_ == State::Closed) return;
    if (state_ == State::Playing) setPaused(true);
    lastPos_ = position();
    state_ = State::Stopped;
}

void MpvDevice::pause() {
    if (state_ != State::Playing) return;
    setPaused(true);
    lastPos_ = position();
    state_ = State::Paused;
}

void MpvDevice::resume() {
    if (state_ != State::Paused) return;
    play(-1);
}

int MpvDevice::position() const {
    if (state_ == State::Closed) return 0;
    if (atEnd_) return length_;
    // Stopped or paused, the position is where the play was halted.
    if (seeking_ || state_ != State::Playing) return lastPos_;
    double s = 0;
    if (mpv_get_property(mpv_, "time-pos", MPV_FORMAT_DOUBLE, &s) >= 0) lastPos_ = toMs(s, length_);
    return lastPos_;
}

void MpvDevice::seek(int ms) {
    if (state_ == State::Closed) return;
    seekTo(ms);
    if (state_ == State::Playing && atEnd_)
        QMetaObject::invokeMethod(
            events_.get(), [this] { checkEnd(); }, Qt::QueuedConnection);
}

void MpvDevice::drain() {
    drainPosted_ = false;
    bool failed = false;
    while (mpv_) {
        mpv_event* e = mpv_wait_event(mpv_, 0);
        if (e->event_id == MPV_EVENT_NONE) break;
        if (e->event_id == MPV_EVENT_PLAYBACK_RESTART) {
            seeking_ = false;
        } else if (e->event_id == MPV_EVENT_END_FILE && state_ != State::Closed) {
            auto* end = static_cast<mpv_event_end_file*>(e->data);
            if (end->playlist_entry_id != entry_) continue;
            // keep-open holds the file at its end; an end here is a failure
            // (or a plain end where keep-open did not apply).
            seeking_ = false;
            if (end->reason == MPV_END_FILE_REASON_EOF)
                atEnd_ = true;
            else if (state_ == State::Playing)
                failed = true;
        }
    }
    if (failed) {
        lastPos_ = position();
        return reportEnd();
    }
    checkEnd();
}

void MpvDevice::checkEnd() {
    if (state_ != State::Playing || seeking_ || !mpv_) return;
    if (!atEnd_) {
        int eof = 0;
        mpv_get_property(mpv_, "eof-reached", MPV_FORMAT_FLAG, &eof);
        atEnd_ = eof != 0;
    }
    if (atEnd_) reportEnd();
}

void MpvDevice::reportEnd() {
    state_ = State::Stopped;
    if (atEnd_) lastPos_ = length_;
    // Last: the handler may destroy this device.
    if (onEnded) {
        std::function<void()> ended = onEnded;
        ended();
    }
}

}  // namespace platform
