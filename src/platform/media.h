// The media player (the invisible "mci1" of every screen that plays sound or
// video) over a media device. The real device plays through libmpv; the
// simulated device serves tests, taking its position from the current clock.
#pragma once

#include <QObject>
#include <QPointer>
#include <QWidget>
#include <functional>
#include <memory>
#include <string>

namespace platform {

/// One opened media element (file). All calls happen on the UI thread.
class MediaDevice {
public:
    virtual ~MediaDevice() = default;
    /// Opens the file at a host path and reads its length; `display`, when
    /// set, receives the video. Raises PlatformError with the device's error
    /// text when the file cannot be opened or played.
    virtual void open(const std::string& hostPath, QWidget* display) = 0;
    /// Closes the element; nothing plays afterwards.
    virtual void close() = 0;
    /// Starts playing from `fromMs` (or from the current position when
    /// negative) without waiting.
    virtual void play(int fromMs) = 0;
    /// Stops playing; the position stays where it is.
    virtual void stop() = 0;
    virtual void pause() = 0;
    virtual void resume() = 0;
    virtual bool isPlaying() const = 0;
    virtual bool isPaused() const = 0;
    /// Current position in ms.
    virtual int position() const = 0;
    /// Moves to `ms` without playing.
    virtual void seek(int ms) = 0;
    /// Length of the open element in ms.
    virtual int length() const = 0;

    /// Set by the player: called on the UI thread when a play runs to its end.
    std::function<void()> onEnded;
};

/// Makes the device for a new player; the one place where the real or the
/// simulated device is chosen.
std::unique_ptr<MediaDevice> createMediaDevice();
/// Replaces the device factory (tests install the simulated device).
void setMediaDeviceFactory(std::function<std::unique_ptr<MediaDevice>()> factory);

/// The media player with the program's media control rules.
class MediaPlayer : public QObject {
    Q_OBJECT
public:
    explicit MediaPlayer(QObject* owner = nullptr);
    ~MediaPlayer() override;

    /// Windows path of the media file.
    std::string FileName;
    /// Rewind before Play when the position is at the end (default on).
    bool AutoRewind = true;
    /// The widget that receives video output, or none.
    QPointer<QWidget> Display;
    /// One-shot request flags for the next command: notify (Play defaults
    /// to on) and wait (Open defaults to on).
    bool Notify = true;
    bool Wait = false;

    /// Sets the "from" point of the next Play.
    void setStartPos(int ms);

    /// Closes any open element, opens FileName; raises the device error.
    void Open();
    void Play();
    void Stop();
    void Close();
    /// Pauses when playing, resumes when paused, else nothing.
    void Pause();
    int Position() const;
    void setPosition(int ms);
    int Length() const;
    bool isOpen() const { return device_ != nullptr; }

    /// Raised on the UI thread when a command that asked for a notice ends:
    /// a play ran to its end, or was stopped or replaced by another command.
    std::function<void()> OnNotify;

private:
    void notifyIfPending();
    std::unique_ptr<MediaDevice> device_;
    int startPos_ = -1;
    bool notifyPending_ = false;
};

}  // namespace platform
