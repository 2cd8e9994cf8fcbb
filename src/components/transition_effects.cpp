// The effect table. Each row names a drawing kernel and the orientation in
// which it runs (see effects_internal.h); rows 18/33 and 25/34 share names.
#include "components/transition_effects.h"

#include <cctype>
#include <climits>
#include <cstdlib>

#include "components/effects_internal.h"
#include "platform/error.h"

namespace TransitionEffects {

int mulDiv(int number, int numerator, int denominator) {
    if (denominator == 0) return -1;
    const int64_t product = int64_t(number) * numerator;
    const bool negative = (product < 0) != (denominator < 0);
    const uint64_t p = product < 0 ? uint64_t(-product) : uint64_t(product);
    const uint64_t d = denominator < 0 ? uint64_t(-int64_t(denominator)) : uint64_t(denominator);
    const uint64_t q = (p + d / 2) / d;
    if (q > uint64_t(INT_MAX)) return -1;
    return negative ? -int(q) : int(q);
}

EffectParams effectParams(const QRect& r, int progress, int step) {
    EffectParams e;
    e.W = r.width();
    e.H = r.height();
    if (e.W < e.H) {
        e.Y = mulDiv(e.H, progress, 100);
        e.X = mulDiv(e.Y, e.W, e.H);
        e.S = mulDiv(e.H, step, 90);
    } else {
        e.X = mulDiv(e.W, progress, 100);
        e.Y = mulDiv(e.X, e.H, e.W);
        e.S = mulDiv(e.W, step, 90);
    }
    return e;
}

namespace {

/// A table routine: sets up the frame and runs kernel K with arguments A.
template <auto K, int... A>
void routine(QImage& screen, const QImage& image, const QRect& r, int progress, int step) {
    Frame f(screen, image, r, progress, step);
    if (f.valid()) K(f, A...);
}

void nothing(QImage&, const QImage&, const QRect&, int, int) {}

constexpr int FXY = FX | FY, TFX = TR | FX;

const Effect table[EffectCount] = {
    {"Expand from right", routine<expandFrom, FX>},
    {"Expand from left", routine<expandFrom, Plain>},
    {"Slide in from right", routine<slideIn, FX>},
    {"Slide in from left", routine<slideIn, Plain>},
    {"Reveal from left", routine<revealFrom, Plain>},
    {"Reveal from right", routine<revealFrom, FX>},
    {"Expand in from right", routine<expandIn, Plain>},
    {"Expand in from left", routine<expandIn, FX>},
    {"Expand in to middle", routine<expandInMiddle, Plain>},
    {"Expand out from middle", routine<expandOutMiddle, Plain>},
    {"Reveal out from middle", routine<revealOutMiddle, Plain>},
    {"Reveal in from sides", routine<revealInSides, Plain>},
    {"Expand in from sides", routine<expandInSides, Plain>},
    {"Unroll from left", routine<unroll, Plain>},
    {"Unroll from right", routine<unroll, FX>},
    {"Build up from right", routine<buildUp, Plain>},
    {"Build up from left", routine<buildUp, FX>},
    {"Expand from bottom", routine<expandFrom, TFX>},
    {"Expand from top", routine<expandFrom, TR>},
    {"Slide in from bottom", routine<slideIn, TFX>},
    {"Slide in from top", routine<slideIn, TR>},
    {"Reveal from top", routine<revealFrom, TR>},
    {"Reveal from bottom", routine<revealFrom, TFX>},
    {"Expand in from bottom", routine<expandIn, TR>},
    {"Expand in from top", routine<expandIn, TFX>},
    {"Expand in to middle (horiz)", routine<expandInMiddle, TR>},
    {"Expand out from middle (horiz)", routine<expandOutMiddle, TR>},
    {"Reveal from middle (horiz)", routine<revealOutMiddle, TR>},
    {"Slide in from top / bottom", routine<slideInSides, TR>},
    {"Expand in from top / bottom", routine<expandInSides, TR>},
    {"Unroll from top", routine<unroll, TR>},
    {"Unroll from bottom", routine<unroll, TFX>},
    {"Expand from bottom", routine<buildUp, TR>},
    {"Expand in from top", routine<buildUp, TFX>},
    {"Expand from bottom right", routine<expandCorner, FXY>},
    {"Expand from top right", routine<expandCorner, FX>},
    {"Expand from top left", routine<expandCorner, Plain>},
    {"Expand from bottom left", routine<expandCorner, FY>},
    {"Slide in from bottom right", routine<slideCorner, FXY>},
    {"Slide in from top right", routine<slideCorner, FX>},
    {"Slide in from top left", routine<slideCorner, Plain>},
    {"Slide in from bottom left", routine<slideCorner, FY>},
    {"Reveal from top left", routine<revealCorner, Plain>},
    {"Reveal from bottom left", routine<revealCorner, FY>},
    {"Reveal from bottom right", routine<revealCorner, FXY>},
    {"Reveal from top right", routine<revealCorner, FX>},
    {"Appear and Contract to top left", routine<contractCorner, Plain>},
    {"Appear and Contract to bottom left", routine<contractCorner, FY>},
    {"Appear and Contract to bottom right", routine<contractCorner, FXY>},
    {"Appear and Contract to top right", routine<contractCorner, FX>},
    {"Appear and Contract to middle", routine<contractMiddle, Plain>},
    {"Expand out from centre", routine<expandOutCentre, Plain>},
    {"Reveal out from centre", routine<revealOutCentre, Plain>},
    {"Reveal in to centre", routine<revealInCentre, Plain>},
    {"Quarters Reveal in to middle", routine<quartersReveal, Plain>},
    {"Quarters Expand to middle", routine<quartersExpand, Plain>},
    {"Quarters Slide in to middle", routine<quartersSlide, Plain>},
    {"Curved Reveal from left", routine<curvedReveal, Plain>},
    {"Curved Reveal from right", routine<curvedReveal, FX>},
    {"Bars in from right", routine<bars, OneSide, FX>},
    {"Bars in from left", routine<bars, OneSide, Plain>},
    {"Bars left then right", routine<bars, ThenOther, Plain>},
    {"Bars right then left", routine<bars, ThenOther, FX>},
    {"Bars from both sides", routine<bars, BothSides, Plain>},
    {"Uneven shred from right", routine<shred, FromSide, FX>},
    {"Uneven shred from left", routine<shred, FromSide, Plain>},
    {"Uneven shred out from middle (horiz)", routine<shred, OutFromMiddle, Plain>},
    {"Uneven shred in to middle (horiz)", routine<shred, InToMiddle, Plain>},
    {"Curved Reveal from top", routine<curvedReveal, TR>},
    {"Curved Reveal from bottom", routine<curvedReveal, TFX>},
    {"Bars from bottom", routine<bars, OneSide, TFX>},
    {"Bars from top", routine<bars, OneSide, TR>},
    {"Bars top then bottom", routine<bars, ThenOther, TR>},
    {"Bars bottom then top", routine<bars, ThenOther, TFX>},
    {"Bars from top and bottom", routine<bars, BothSides, TR>},
    {"Unven shred from bottom", routine<shred, FromSide, TFX>},
    {"Uneven shred from top", routine<shred, FromSide, TR>},
    {"Uneven shred from horizon", routine<shred, OutFromMiddle, TR>},
    {"Uneven shred in to horizon", routine<shred, InToMiddle, TR>},
    {"Curved reveal from top left", routine<curvedCorner, Plain>},
    {"Curved reveal from top right", routine<curvedCorner, FX>},
    {"Curved reveal from bottom left", routine<curvedCorner, FY>},
    {"Curved reveal from bottom right", routine<curvedCorner, FXY>},
    {"Circular reveal from centre", routine<circularFromCentre>},
    {"Circular reveal to centre", routine<circularToCentre>},
    {"Criss Cross reveal from bottom right", routine<crissCross, OneSide, FX, OneSide, TFX>},
    {"Criss Cross reveal from top right", routine<crissCross, OneSide, FX, OneSide, TR>},
    {"Criss Cross reveal from bottom left", routine<crissCross, OneSide, Plain, OneSide, TFX>},
    {"Criss Cross reveal from top left", routine<crissCross, OneSide, Plain, OneSide, TR>},
    {"Criss Cross reveal bounce from top left", routine<crissCross, Bounce, Plain, Bounce, TR>},
    {"Criss Cross reveal bounce from bottom left", routine<crissCross, Bounce, Plain, Bounce, TFX>},
    {"Criss Cross reveal bounce from top right", routine<crissCross, Bounce, FX, Bounce, TR>},
    {"Criss Cross reveal bounce from bottom right", routine<crissCross, Bounce, FX, Bounce, TFX>},
    {"Criss Cross reveal from right top and bottom", routine<crissCross, OneSide, FX, Split, TR>},
    {"Criss Cross reveal from left top and bottom", routine<crissCross, OneSide, Plain, Split, TR>},
    {"Criss Cross reveal from left right and bottom",
     routine<crissCross, Split, Plain, OneSide, TFX>},
    {"Criss Cross reveal from left right and top", routine<crissCross, Split, Plain, OneSide, TR>},
    {"Criss Cross reveal from top left right and bottom",
     routine<crissCross, Split, Plain, Split, TR>},
    // Bands enter from the bottom-left and top-right quarters' sides.
    {"Criss Cross reveal from bottom left top right",
     routine<crissCross, Halves, Plain, Halves, TR>},
    {"Uneven shred from bottom and right", routine<shredPair, FromSide, TFX, FromSide, FX>},
    {"Uneven shred from top and right", routine<shredPair, FromSide, TR, FromSide, FX>},
    {"Uneven shred from bottom and left", routine<shredPair, FromSide, TFX, FromSide, Plain>},
    {"Uneven shred from top and left", routine<shredPair, FromSide, TR, FromSide, Plain>},
    {"Uneven shred from horiz and right", routine<shredPair, OutFromMiddle, TR, FromSide, FX>},
    {"Uneven shred from horiz and left", routine<shredPair, OutFromMiddle, TR, FromSide, Plain>},
    {"Uneven shred from bottom and vert middle",
     routine<shredPair, FromSide, TFX, OutFromMiddle, Plain>},
    {"Uneven shred from top and vert middle",
     routine<shredPair, FromSide, TR, OutFromMiddle, Plain>},
    {"Uneven shred from centre", routine<shredPair, OutFromMiddle, Plain, OutFromMiddle, TR>},
    {"Uneven shred to centre", routine<shredPair, InToMiddle, Plain, InToMiddle, TR>},
    {"Reveal diagonal from top left", routine<diagonalReveal, Plain>},
    {"Reveal diagonal from top right", routine<diagonalReveal, FX>},
    {"Reveal diagonal from bottom left", routine<diagonalReveal, FY>},
    {"Reveal diagonal from bottom right", routine<diagonalReveal, FXY>},
    {"Diagonal sweep from top left bottom right anticlockwise", routine<diagonalSweep, 0>},
    {"Diagonal sweep from top left bottom right clockwise", routine<diagonalSweep, 1>},
    {"Starburst clockwise from center", routine<starburst>},
    {"Triangular shred to top left", routine<triangularShred>},
    {"Fade", routine<fade>},
    {"Pivot from top left", routine<pivot, Plain>},
    {"Pivot from bottom left", routine<pivot, FY>},
    {"Pivot from top right", routine<pivot, FX>},
    {"Pivot from bottom right", routine<pivot, FXY>},
    {"Speckle appear from right", routine<speckle, FX>},
    {"Speckle appear from left", routine<speckle, Plain>},
    {"Speckle appear from bottom", routine<speckle, TFX>},
    {"Speckle appear from top", routine<speckle, TR>},
    {"Random squares appear", routine<randomSquares>},
    {"Push right", routine<push, Plain>},
    {"Push left", routine<push, FX>},
    {"Push and squeeze right", routine<pushSqueeze, Plain>},
    {"Push and squeeze left", routine<pushSqueeze, FX>},
    {"Push down", routine<push, TR>},
    {"Push up", routine<push, TFX>},
    {"Push and sqeeze down", routine<pushSqueeze, TR>},
    {"Push and sqeeze up", routine<pushSqueeze, TFX>},
    {"Blind vertically", routine<blind, Plain, 0>},
    // Wide pictures give thin horizontal bands; open at least one row.
    {"Blind horizontally", routine<blind, TR, 1>},
    {"Uneven blind from left", routine<unevenBlind, Plain>},
    {"Uneven blind from right", routine<unevenBlind, FX>},
    {"Uneven blind from top", routine<unevenBlind, TR>},
    {"Uneven blind from bottom", routine<unevenBlind, TFX>},
    {"Rectangular shred", routine<rectangularShred>},
    {"Sweep clockwise", routine<sweep, 1>},
    {"Sweep anticlockwise", routine<sweep, 0>},
    {"Rectangles apear from left and disapear to right", routine<movingRectangles, Plain>},
    {"Rectangles apear from right and disapear to left", routine<movingRectangles, FX>},
    {"Rectangles apear from up and disapear to bottom", routine<movingRectangles, TR>},
    {"Rectangles apear from bottom and disapear to up", routine<movingRectangles, TFX>},
    {"Rotational rectangle", routine<rotationalRectangle>},
    {"Rotational star", routine<rotationalStar>},
};

const Effect none = {"", nothing};

}  // namespace

const Effect& effect(int style) {
    return style >= 1 && style <= EffectCount ? table[style - 1] : none;
}

std::string effectName(int style) {
    return effect(style).name;
}

int findEffect(std::string_view name) {
    for (int i = 0; i < EffectCount; ++i)
        if (platform::sameText(table[i].name, name)) return i + 1;
    return 0;
}

void drawEffect(int style, QImage& screen, const QImage& image, const QRect& r, int progress,
                int step) {
    effect(style).draw(screen, image, r, progress, step);
}

bool usesRandom(int style) {
    return (style >= 65 && style <= 68) || (style >= 76 && style <= 79) ||
           (style >= 100 && style <= 109) || (style >= 123 && style <= 127);
}

}  // namespace TransitionEffects
