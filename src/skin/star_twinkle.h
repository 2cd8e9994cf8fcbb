// Ten star pictures along a screen's left edge, three of which at a time
// shrink, vanish and grow back, for as long as the screen exists or until a
// star picture cannot be read. The stars are decoration: they lie under the
// screen's buttons and controls and never take the mouse.
#pragma once

#include <array>
#include <functional>
#include <string>

#include "platform/clock.h"
#include "platform/controls.h"

/// The screens that carry stars; each places them differently.
enum class StarLayout {
    QuranReader,
    Supplications,
    TopicTree,
    BookSearch,
    QuranSearch,
    Devotional,  // occasions, remembrances, forty hadith, recitation rules
    CallToPrayer,
};

class StarTwinkle {
  public:
    /// Creates the ten star controls and the two timers on `screen`.
    explicit StarTwinkle(QWidget* screen);

    /// Places the stars for `layout` just above the background and lights
    /// all ten with the full-size picture.
    void StarPlacement(StarLayout layout);
    /// Chooses three stars and starts shrinking them (nothing once stopped).
    void Start();

    void ShrinkTimerTick();
    void GrowTimerTick();

    static std::string BigPicture(int k);
    static std::string SmallPicture(int k);

    int BigStar = 0, SmallStarA = 0, SmallStarB = 0;
    int TwinkleStep = 0;
    /// A star picture could not be read: the stars keep their pictures and
    /// twinkle no more.
    bool Stopped = false;
    platform::Timer* ShrinkTimer;  // the screen's Timer2
    platform::Timer* GrowTimer;    // the screen's Timer3
    std::array<platform::ImageControl*, 4> imgstar_big;
    std::array<platform::ImageControl*, 6> imgstar_small;

  private:
    void ShowStep();
    /// Runs picture loads; a failure stops the animation and is raised.
    void Load(const std::function<void()>& loads);
    std::array<platform::ImageControl*, 10> stars() const;
    QWidget* screen_;
};
