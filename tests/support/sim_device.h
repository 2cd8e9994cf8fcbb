// The simulated media device for tests: it plays nothing, reads lengths from
// the files (WAV header, MP3 frames) or takes them from the test, and takes its
// position from the current clock, so a test with a ManualClock runs a whole
// recitation deterministically. What the devices did is kept in a log.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "platform/media.h"

namespace platform {

class Clock;
class Timer;

/// Length in ms of a RIFF/WAVE file (data chunk size / byte rate), or -1 when
/// the bytes are not a WAV file with a format and a data chunk.
int wavLengthMs(std::string_view bytes);

/// Length in ms of an MP3 recording as the sample disc's are written: the
/// MPEG-2 layer III frames after an ID3v2 tag are counted, but for the first
/// one when it is an Info frame. -1 when no frame follows.
int mp3LengthMs(std::string_view bytes);

class SimulatedDevice : public MediaDevice {
  public:
    SimulatedDevice();
    ~SimulatedDevice() override;

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
    void setVolume(int percent) override { volume_ = percent; }
    /// The loudness last set, 0..100 %.
    int volume() const { return volume_; }

    bool isOpen() const { return state_ != State::Closed; }
    /// The open file's host path; empty when closed.
    const std::string& file() const { return file_; }

    /// Every command of every device, in order: "open <host path>", "close",
    /// "play", "play from <ms>", "stop", "pause", "resume", "seek <ms>", "end".
    static std::vector<std::string>& log();
    /// The devices alive now, oldest first.
    static const std::vector<SimulatedDevice*>& devices();
    /// Forces the length of a file (host path), whatever its content.
    static void setLength(const std::string& hostPath, int ms);
    /// Clears the log and the forced lengths. Files that are neither WAV nor
    /// MP3 (e.g. WMV) last 5 s.
    static void reset();

  private:
    enum class State { Closed, Stopped, Playing, Paused };
    std::string file_;

    void arm();
    void disarm();
    void tick();

    State state_ = State::Closed;
    int length_ = 0;
    int volume_ = 100;
    int pos_ = 0;            // position when not playing, or where the play began
    int64_t startedAt_ = 0;  // clock time the play began
    std::unique_ptr<Timer> endTimer_;
    Clock* timerClock_ = nullptr;
};

/// Makes every new player use the simulated device; clears its log.
void useSimulatedMedia();
/// Makes every new player use the real (libmpv) device.
void useRealMedia();

}  // namespace platform
