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

class Timer;

/// The device text for a file that does not exist.
extern const char* const kMediaFileNotFound;
/// The device text for a file that exists but cannot be played.
extern const char* const kMediaCannotPlay;

/// A media device holding at most one opened element (file) at a time. A
/// device lives as long as its player and is reused for every Open. All calls
/// happen on the UI thread.
class MediaDevice {
  public:
    virtual ~MediaDevice() = default;
    /// Opens the file at a host path, paused at position 0, and reads its
    /// length; `display`, when set, receives the video. Raises PlatformError
    /// with kMediaFileNotFound or kMediaCannotPlay; the device is then closed.
    virtual void open(const std::string& hostPath, QWidget* display) = 0;
    /// Closes the element; nothing plays afterwards and no end is reported.
    virtual void close() = 0;
    /// Starts playing from `fromMs` (or from the current position when
    /// negative) without waiting. Playing at the end ends at once (reported
    /// later through onEnded, never from inside this call).
    virtual void play(int fromMs) = 0;
    /// Stops playing; the position stays where it is.
    virtual void stop() = 0;
    /// Pauses a playing element; the position stays where it is.
    virtual void pause() = 0;
    /// Continues a paused element from where it paused.
    virtual void resume() = 0;
    /// True while playing (not paused, not stopped, not ended).
    virtual bool isPlaying() const = 0;
    /// True while paused by pause().
    virtual bool isPaused() const = 0;
    /// Current position in ms, 0..length(); exactly length() once a play has
    /// run to its end.
    virtual int position() const = 0;
    /// Moves to `ms` (clamped to the element); a playing element plays on from there.
    virtual void seek(int ms) = 0;
    /// Length of the open element in ms; 0 when nothing is open.
    virtual int length() const = 0;
    /// Sets the loudness, 0..100 %, for what plays now and later.
    virtual void setVolume(int percent) {}

    /// Set by the player: called on the UI thread when a play runs to its end.
    /// The call may destroy the device; a device calls it last.
    std::function<void()> onEnded;
};

/// Makes the device for a new player; the one place where the real or the
/// simulated device is chosen.
std::unique_ptr<MediaDevice> createMediaDevice();
/// Replaces the device factory (tests install the simulated device); an
/// empty factory restores the real device.
void setMediaDeviceFactory(std::function<std::unique_ptr<MediaDevice>()> factory);

/// The loudness of every recording the program plays, 0..100 % in steps the
/// caller chooses, and whether it is muted; every player follows a change at
/// once. Full and not muted by default.
void setMediaVolume(int percent, bool muted);
int mediaVolume();
bool mediaMuted();

/// The media player with the program's media control rules. Commands are
/// Open, Play, Stop, Close, Pause and a Position write; each one uses the
/// one-shot flags (Notify, Wait, the start position) and resets them to their
/// defaults. Reading Position or Length is not a command. Commands on a
/// closed player do nothing.
class MediaPlayer : public QObject {
    Q_OBJECT
  public:
    explicit MediaPlayer(QObject* owner = nullptr);
    ~MediaPlayer() override;

    /// Windows path of the media file.
    std::string FileName;
    /// Rewind before Play when the position is at the end (default on).
    bool AutoRewind = true;
    /// The widget that receives video output, or none. Read by Open.
    QPointer<QWidget> Display;
    /// One-shot request flags for the next command: notify (Play asks for an
    /// end notice unless this was switched off) and wait (Open always waits;
    /// Play never does: nothing in the program waits for a play).
    bool Notify = true;
    bool Wait = false;

    /// Sets the "from" point of the next Play (one-shot, like the flags).
    void setStartPos(int ms);

    /// Closes any open element, then opens FileName, waiting for the device;
    /// raises the device's error text and leaves the player closed on failure.
    void Open();
    /// Plays from the start position when one was set, else from the current
    /// position (rewound first when AutoRewind is on and it is at the end);
    /// does not wait. A play still owing a notice gets a superseded notice.
    void Play();
    /// Stops playing; the position stays. A pending notice is superseded.
    void Stop();
    /// Closes the element. A pending notice is superseded.
    void Close();
    /// Pauses when playing, resumes when paused, else nothing.
    void Pause();
    /// Current position in ms (0 when closed).
    int Position() const;
    /// Seeks to `ms`; a playing element plays on from there.
    void setPosition(int ms);
    /// Length of the open element in ms (0 when closed).
    int Length() const;
    /// True between a successful Open and the next Close.
    bool isOpen() const { return open_; }
    /// True when an element is open, has a length above 0 and its position
    /// has reached that length: a play that ran to its end. A player that
    /// failed to open (position and length both 0) has played nothing.
    bool PlayedToEnd() const { return open_ && Length() > 0 && Position() >= Length(); }

    /// Raised on the UI thread (through the guard) when a command that asked
    /// for a notice ends: at once when a play runs to its end, and, posted to
    /// the event loop, when it was stopped or replaced by another command
    /// (Stop, Close, Open, a new Play). A notice never arrives after the
    /// player is destroyed; the handler may destroy the player.
    std::function<void()> OnNotify;

    /// A Play waits for the quiet second after a screen opened while a
    /// screen reader listens (see platform::noteScreenOpened).
    bool waitingForQuiet() const;

  private:
    void resetFlags();
    void supersede();
    void deviceEnded();
    void raiseNotify();
    void postNotify();

    friend void setMediaVolume(int, bool);
    void applyVolume();

    std::unique_ptr<MediaDevice> device_;
    bool open_ = false;
    int startPos_ = -1;
    bool notifyPending_ = false;
    Timer* quiet_ = nullptr;
    int quietStart_ = -1;
};

}  // namespace platform
