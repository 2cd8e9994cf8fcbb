// The real media device: one libmpv player per device. Files load paused and
// stay open at their end (keep-open), so the last video picture stays and the
// position equals the length after a play ran out. libmpv's wakeup callback
// only posts a drain of its events to the UI thread.
#pragma once

#include <QObject>
#include <QPointer>
#include <atomic>
#include <cstdint>
#include <memory>
#include <string>

#include "platform/media.h"

struct mpv_handle;

namespace platform {

class MpvDevice : public MediaDevice {
  public:
    MpvDevice();
    ~MpvDevice() override;

    void open(const std::string& hostPath, QWidget* display) override;
    void close() override;
    void play(int fromMs) override;
    void stop() override;
    void pause() override;
    void resume() override;
    bool isPlaying() const override { return state_ == State::Playing; }
    bool isPaused() const override { return state_ == State::Paused; }
    int position() const override;
    void seek(int ms) override;
    int length() const override { return length_; }
    void setVolume(int percent) override;

    /// The audio output list handed to libmpv: ZAFIREL_AUDIO when set, else
    /// the usual outputs falling back to the null output.
    static std::string audioOutput();

  private:
    enum class State { Closed, Stopped, Playing, Paused };

    static void wakeup(void* context);
    void createHandle(QWidget* display);
    void destroyHandle();
    void drain();
    void checkEnd();
    void reportEnd();
    void setPaused(bool paused);
    void seekTo(int ms);
    [[noreturn]] void failOpen(const char* message);

    mpv_handle* mpv_ = nullptr;
    // Receiver of the posted drains; destroyed (dropping them) with the device.
    std::unique_ptr<QObject> events_;
    std::atomic<bool> drainPosted_{false};
    QPointer<QWidget> display_;
    bool hasDisplay_ = false;

    State state_ = State::Closed;
    double volume_ = 100;
    int64_t entry_ = -1;  // playlist entry of the open file
    int length_ = 0;
    bool atEnd_ = false;       // a play ran out: the position is the length
    bool seeking_ = false;     // a seek is under way: its target is the position
    mutable int lastPos_ = 0;  // last position read, or where a play halted or seeks to
};

}  // namespace platform
