// The drawing kernels behind the rows of the effect table. Each works in a
// view written for one side (see Canvas); the table picks the orientation.
#pragma once

#include "components/effect_canvas.h"

namespace TransitionEffects {

// Whole-picture geometry (effects_geometric.cpp).
void expandFrom(Frame& f, int o);       // whole image squeezed into (0, 0, X, H)
void slideIn(Frame& f, int o);          // whole image at (X - W, 0, X, H)
void revealFrom(Frame& f, int o);       // (0, 0, X, H) uncovered
void expandIn(Frame& f, int o);         // (0, 0, X, H) magnified to (0, 0, 2W - X, H)
void expandInMiddle(Frame& f, int o);   // middle strip magnified to (X - W, 0, 2W - X, H)
void expandOutMiddle(Frame& f, int o);  // whole image squeezed into the middle strip
void revealOutMiddle(Frame& f, int o);  // middle strip uncovered
void revealInSides(Frame& f, int o);    // strips at both sides uncovered
void expandInSides(Frame& f, int o);    // both halves magnified from the sides
void slideInSides(Frame& f, int o);     // both halves slide in from the sides
void unroll(Frame& f, int o);           // uncovered part with a rolled-up band at its edge
void buildUp(Frame& f, int o);          // uncovered part, a thin strip stretched over the rest
void expandCorner(Frame& f, int o);     // whole image squeezed into (0, 0, X, Y)
void slideCorner(Frame& f, int o);      // whole image at (X - W, Y - H, X, Y)
void revealCorner(Frame& f, int o);     // (0, 0, X, Y) uncovered
void contractCorner(Frame& f, int o);   // (0, 0, X, Y) magnified to (0, 0, 2W - X, 2H - Y)
void contractMiddle(Frame& f, int o);   // centre box magnified to the whole picture and beyond
void expandOutCentre(Frame& f, int o);  // whole image squeezed into the centre box
void revealOutCentre(Frame& f, int o);  // centre box uncovered
void revealInCentre(Frame& f, int o);   // all but the centre box uncovered
void quartersReveal(Frame& f, int o);   // four corner boxes uncovered
void quartersExpand(Frame& f, int o);   // the quarters squeezed into the corner boxes
void quartersSlide(Frame& f, int o);    // the quarters slide in from the corners
void push(Frame& f, int o);             // old image pushed out by the new one
void pushSqueeze(Frame& f, int o);      // old image squeezed by the new one

// Bands, shreds, blinds and speckles (effects_bands.cpp).
enum BandKind : int {
    OneSide,    // two sets of bands from one side, the first leading by S
    ThenOther,  // first set from one side leading, second from the other side
    BothSides,  // every band from both sides, first set leading
    Bounce,     // first set crosses the picture by half time, second returns
    Split,      // first set from one side, second from the other, evenly
    Halves,     // first half of the bands from the far side, second half from
                // the near side, first set leading
};
enum ShredKind : int { FromSide, OutFromMiddle, InToMiddle };

void bars(Frame& f, int kind, int o);
void crissCross(Frame& f, int kindA, int oA, int kindB, int oB);
void shred(Frame& f, int kind, int o);
void shredPair(Frame& f, int kindA, int oA, int kindB, int oB);
void blind(Frame& f, int o, int minOpen);  // minOpen: least open width
void unevenBlind(Frame& f, int o);
void speckle(Frame& f, int o);
void randomSquares(Frame& f);
void rectangularShred(Frame& f);
void movingRectangles(Frame& f, int o);

// Shaped areas (effects_shapes.cpp).
void curvedReveal(Frame& f, int o);
void curvedCorner(Frame& f, int o);
void circularFromCentre(Frame& f);
void circularToCentre(Frame& f);
void diagonalReveal(Frame& f, int o);
void diagonalSweep(Frame& f, int clockwise);
void starburst(Frame& f);
void triangularShred(Frame& f);
void sweep(Frame& f, int clockwise);
void rotationalRectangle(Frame& f);
void rotationalStar(Frame& f);

// Direct pixel work on 32-bit images (effects_pixels.cpp).
void fade(Frame& f);
void pivot(Frame& f, int o);

}  // namespace TransitionEffects
