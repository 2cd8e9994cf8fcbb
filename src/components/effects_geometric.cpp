// Effects that move, squeeze or uncover whole rectangles of the pictures.
#include <algorithm>

#include "components/effects_internal.h"

namespace TransitionEffects {

void expandFrom(Frame& f, int o) {
    Canvas c(f, o);
    c.copy({0, 0, c.X, c.H}, c.full());
}

void slideIn(Frame& f, int o) {
    Canvas c(f, o);
    c.copy({c.X - c.W, 0, c.X, c.H}, c.full());
}

void revealFrom(Frame& f, int o) {
    Canvas c(f, o);
    c.reveal({0, 0, c.X, c.H});
}

void expandIn(Frame& f, int o) {
    Canvas c(f, o);
    c.copy({0, 0, 2 * c.W - c.X, c.H}, {0, 0, c.X, c.H});
}

void expandInMiddle(Frame& f, int o) {
    Canvas c(f, o);
    c.copy({c.X - c.W, 0, 2 * c.W - c.X, c.H}, {(c.W - c.X) / 2, 0, (c.W + c.X) / 2, c.H});
}

void expandOutMiddle(Frame& f, int o) {
    Canvas c(f, o);
    c.copy({(c.W - c.X) / 2, 0, (c.W + c.X) / 2, c.H}, c.full());
}

void revealOutMiddle(Frame& f, int o) {
    Canvas c(f, o);
    c.reveal({(c.W - c.X) / 2, 0, (c.W + c.X) / 2, c.H});
}

void revealInSides(Frame& f, int o) {
    Canvas c(f, o);
    const int a = c.X / 2, b = c.X - a;
    c.reveal({0, 0, a, c.H});
    c.reveal({c.W - b, 0, c.W, c.H});
}

void expandInSides(Frame& f, int o) {
    // Each half shows a magnified piece that grows from its outer side until
    // it is the half at its natural size.
    Canvas c(f, o);
    const int hw = c.W / 2, rw = c.W - hw;
    const int a = c.X / 2, b = c.X - a;
    c.copy({0, 0, 2 * hw - a, c.H}, {0, 0, a, c.H}, {0, 0, hw, c.H});
    c.copy({c.W - (2 * rw - b), 0, c.W, c.H}, {c.W - b, 0, c.W, c.H}, {hw, 0, c.W, c.H});
}

void slideInSides(Frame& f, int o) {
    Canvas c(f, o);
    const int hw = c.W / 2, rw = c.W - hw;
    const int a = c.X / 2, b = c.X - a;
    c.copy({a - hw, 0, a, c.H}, {0, 0, hw, c.H});
    c.copy({c.W - b, 0, c.W - b + rw, c.H}, {hw, 0, c.W, c.H});
}

void unroll(Frame& f, int o) {
    // The uncovered part, and beyond its edge the next piece of the picture
    // squeezed to half its width, like the roll of a scroll.
    Canvas c(f, o);
    const int roll = std::max(2, c.W / 12);
    c.reveal({0, 0, c.X, c.H});
    const int end = std::min(c.W, c.X + 2 * roll);
    c.copy({c.X, 0, c.X + (end - c.X + 1) / 2, c.H}, {c.X, 0, end, c.H});
}

void buildUp(Frame& f, int o) {
    Canvas c(f, o);
    c.reveal({0, 0, c.X, c.H});
    const int strip = c.W / std::max(1, c.S);
    c.copy({c.X, 0, c.W, c.H}, {c.X, 0, std::min(c.X + strip, c.W), c.H});
}

void expandCorner(Frame& f, int o) {
    Canvas c(f, o);
    c.copy({0, 0, c.X, c.Y}, c.full());
}

void slideCorner(Frame& f, int o) {
    Canvas c(f, o);
    c.copy({c.X - c.W, c.Y - c.H, c.X, c.Y}, c.full());
}

void revealCorner(Frame& f, int o) {
    Canvas c(f, o);
    c.reveal({0, 0, c.X, c.Y});
}

void contractCorner(Frame& f, int o) {
    Canvas c(f, o);
    c.copy({0, 0, 2 * c.W - c.X, 2 * c.H - c.Y}, {0, 0, c.X, c.Y});
}

namespace {

Box centreBox(const Canvas& c) {
    return {(c.W - c.X) / 2, (c.H - c.Y) / 2, (c.W + c.X) / 2, (c.H + c.Y) / 2};
}

}  // namespace

void contractMiddle(Frame& f, int o) {
    Canvas c(f, o);
    c.copy({c.X - c.W, c.Y - c.H, 2 * c.W - c.X, 2 * c.H - c.Y}, centreBox(c));
}

void expandOutCentre(Frame& f, int o) {
    Canvas c(f, o);
    c.copy(centreBox(c), c.full());
}

void revealOutCentre(Frame& f, int o) {
    Canvas c(f, o);
    c.reveal(centreBox(c));
}

void revealInCentre(Frame& f, int o) {
    Canvas c(f, o);
    const int a = c.X / 2, b = c.X - a, ya = c.Y / 2, yb = c.Y - ya;
    c.revealAll({{0, 0, c.W, ya}, {0, c.H - yb, c.W, c.H}, {0, 0, a, c.H}, {c.W - b, 0, c.W, c.H}});
}

void quartersReveal(Frame& f, int o) {
    Canvas c(f, o);
    const int a = c.X / 2, b = c.X - a, ya = c.Y / 2, yb = c.Y - ya;
    c.revealAll({{0, 0, a, ya},
                 {c.W - b, 0, c.W, ya},
                 {0, c.H - yb, a, c.H},
                 {c.W - b, c.H - yb, c.W, c.H}});
}

void quartersExpand(Frame& f, int o) {
    Canvas c(f, o);
    const int hw = c.W / 2, hh = c.H / 2;
    const int a = c.X / 2, b = c.X - a, ya = c.Y / 2, yb = c.Y - ya;
    c.copy({0, 0, a, ya}, {0, 0, hw, hh});
    c.copy({c.W - b, 0, c.W, ya}, {hw, 0, c.W, hh});
    c.copy({0, c.H - yb, a, c.H}, {0, hh, hw, c.H});
    c.copy({c.W - b, c.H - yb, c.W, c.H}, {hw, hh, c.W, c.H});
}

void quartersSlide(Frame& f, int o) {
    Canvas c(f, o);
    const int hw = c.W / 2, hh = c.H / 2, rw = c.W - hw, bh = c.H - hh;
    const int a = c.X / 2, b = c.X - a, ya = c.Y / 2, yb = c.Y - ya;
    c.copy({a - hw, ya - hh, a, ya}, {0, 0, hw, hh});
    c.copy({c.W - b, ya - hh, c.W - b + rw, ya}, {hw, 0, c.W, hh});
    c.copy({a - hw, c.H - yb, a, c.H - yb + bh}, {0, hh, hw, c.H});
    c.copy({c.W - b, c.H - yb, c.W - b + rw, c.H - yb + bh}, {hw, hh, c.W, c.H});
}

void push(Frame& f, int o) {
    Canvas c(f, o);
    const QImage old = f.screen;  // snapshot: the screen detaches on the first write
    c.copyFrom(old, {c.X, 0, c.W, c.H}, {0, 0, c.W - c.X, c.H});
    c.copy({0, 0, c.X, c.H}, {c.W - c.X, 0, c.W, c.H});
}

void pushSqueeze(Frame& f, int o) {
    Canvas c(f, o);
    const QImage old = f.screen;
    c.copyFrom(old, {c.X, 0, c.W, c.H}, c.full());
    c.copy({0, 0, c.X, c.H}, {c.W - c.X, 0, c.W, c.H});
}

}  // namespace TransitionEffects
