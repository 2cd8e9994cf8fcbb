// The call at its time: while the program runs, when a prayer falls due the
// chosen call of the disc (one of its seven) plays, followed by the
// supplication when the program's setting asks for it. A recitation is never
// interrupted unless the user chose to pause it for the call.
#pragma once

#include <QDateTime>
#include <QObject>
#include <functional>
#include <memory>

namespace platform {
class MediaPlayer;
class Timer;
}  // namespace platform

namespace desktop {

class Preferences;

class PrayerCall : public QObject {
    Q_OBJECT
  public:
    static constexpr const char* kOn = "prayer/call_on";
    static constexpr const char* kCall = "prayer/call_number";
    static constexpr const char* kPauseRecitation = "prayer/call_pauses_recitation";

    /// Looks every second (on the program's clock) at the wall clock `now`.
    PrayerCall(Preferences& prefs, std::function<QDateTime()> now, QObject* owner = nullptr);
    ~PrayerCall() override;

    /// Plays the call when a prayer fell due since the last look.
    void check();

    /// The calls played and the calls left out for a recitation, this run.
    int played = 0;
    int leftOut = 0;
    std::unique_ptr<platform::MediaPlayer> player;

  private:
    void play(int call);

    Preferences& prefs_;
    std::function<QDateTime()> now_;
    platform::Timer* timer_;
    QDateTime lastLook_;
    bool supplicationDone_ = false;
};

}  // namespace desktop
