// What the supplications and the call to prayer screens share: a skin of
// their own for interface languages 1, 2 and 5 (language 2 for any other),
// the stars, a player whose end notice counts only for a recording that
// played to its end, and one way out that stops the sound, puts the language
// back and opens the main menu.
#pragma once

#include <memory>
#include <string>

#include "skin/skin_screen.h"
#include "skin/star_twinkle.h"

namespace platform {
class MediaPlayer;
class Timer;
}  // namespace platform

class RecordingsScreen : public SkinScreen {
    Q_OBJECT
  public:
    /// A screen left through button `leaveButton` (and Escape).
    RecordingsScreen(QWidget* parent, int leaveButton);
    ~RecordingsScreen() override;

    /// Leaves the screen: the closing flag set, the player closed, Leaving(),
    /// the screen closed, LanguageIndex restored and a new main menu shown.
    void Leave();
    /// Escape leaves, also when the skin could not be built.
    void EscapeKey() override { Leave(); }

    /// LanguageIndex when the screen was created.
    int SavedLanguageIndex = 1;
    /// Set when the user leaves: the player's notices count no more.
    int Closing = 0;
    platform::MediaPlayer* mci1;
    std::unique_ptr<StarTwinkle> Stars;
    platform::Timer* Timer2;  // the stars
    platform::Timer* Timer3;

  protected:
    /// Keeps LanguageIndex when it is 1, 2 or 5 (else 2), then builds the
    /// background, the buttons (shown) and the stars of `folder`.
    void BuildScreen(const std::string& folder, StarLayout layout);
    /// Closes the player, opens `file` and plays it from the start with an
    /// end notice.
    void PlayRecording(const std::string& file);
    /// A recording played to its end while the screen is open.
    virtual void RecordingEnded() = 0;
    /// What else stops as the screen is left, before it closes.
    virtual void Leaving() {}

    bool ReleaseShowsFocus(int n) override { return n != leaveButton_; }

  private:
    void mci1Notify();
    const int leaveButton_;
};
