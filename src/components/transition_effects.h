// The 150 transition effects of the picture show. Each effect paints, for a
// progress of 1..99, the new image over a screen bitmap that already holds the
// old image. The effects are rows of one table indexed by style number 1..150;
// style 0 (custom drawing) belongs to the picture show itself.
#pragma once

#include <QImage>
#include <QRect>
#include <string>
#include <string_view>

namespace TransitionEffects {

/// Number of rows of the effect table.
constexpr int EffectCount = 150;

/// Sizes shared by the geometric effects: the picture's width W and height H,
/// the revealed width X and height Y, and the band size S of the bar, shred
/// and blind effects. X and Y follow the longer side of the picture.
struct EffectParams {
    int W = 0, H = 0, X = 0, Y = 0, S = 0;
};

/// number * numerator / denominator with a 64-bit intermediate, rounded to
/// the nearest integer, halves away from zero. A zero denominator or a result
/// outside the 32-bit range gives -1.
int mulDiv(int number, int numerator, int denominator);

/// Computes W, H, X, Y and S for rectangle `r`, a progress (0..100) and a step.
EffectParams effectParams(const QRect& r, int progress, int step);

/// A drawing routine: `screen` holds the old image and receives the frame,
/// `image` is the new image of the same size, `r` is (0, 0, W, H), `progress`
/// 1..99 and `step` the picture show's step (1..100). 32-bit images are drawn
/// in place; other formats are converted first.
using EffectRoutine = void (*)(QImage& screen, const QImage& image, const QRect& r, int progress,
                               int step);

/// One row of the table.
struct Effect {
    const char* name;
    EffectRoutine draw;
};

/// The row of style `style` (1..150); styles outside that range give a row
/// with an empty name that draws nothing.
const Effect& effect(int style);

/// The table name of `style`; empty outside 1..150.
std::string effectName(int style);

/// The first style whose name equals `name` without regard to letter case;
/// 0 when there is none.
int findEffect(std::string_view name);

/// Draws one frame of `style` (see EffectRoutine). Does nothing for a style
/// outside 1..150, a progress outside 1..99 or an empty picture.
void drawEffect(int style, QImage& screen, const QImage& image, const QRect& r, int progress,
                int step);

/// True for the styles that use the random generator (a new pattern at every frame).
bool usesRandom(int style);

}  // namespace TransitionEffects
