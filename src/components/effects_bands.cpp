// Effects that uncover the new image in bands, strips, blinds, speckles and
// squares. The bands are copied as unscaled rectangles; overlapping pieces
// are harmless since each shows the new image at its own place.
#include <algorithm>
#include <cmath>

#include "components/effects_internal.h"
#include "components/transition_effects.h"
#include "platform/clock.h"

namespace TransitionEffects {

namespace {

constexpr int BandHeight = 5;  // bars: 5-pixel bands on a 10-pixel pitch
constexpr int ShredHeight = 5;
constexpr int SpeckleSize = 4;

/// Uncovers a stripe of rows y0..y1 of length `len`, from the view's left
/// side or (far) from its right side.
void stripe(const Canvas& c, int y0, int y1, int len, bool far) {
    len = std::clamp(len, 0, c.W);
    if (len == 0) return;
    c.reveal(far ? Box{c.W - len, y0, c.W, y1} : Box{0, y0, len, y1});
}

}  // namespace

void bars(Frame& f, int kind, int o) {
    Canvas c(f, o);
    const int total = mulDiv(c.W + c.S, c.P, 100);
    const int lead = std::min(c.W, total), lag = std::clamp(total - c.S, 0, c.W);
    for (int y = 0; y < c.H; y += 2 * BandHeight) {
        const int a0 = y, a1 = y + BandHeight, b0 = a1, b1 = y + 2 * BandHeight;
        switch (kind) {
            case OneSide:
                stripe(c, a0, a1, lead, false);
                stripe(c, b0, b1, lag, false);
                break;
            case ThenOther:
                stripe(c, a0, a1, lead, false);
                stripe(c, b0, b1, lag, true);
                break;
            case BothSides:
                stripe(c, a0, a1, (lead + 1) / 2, false);
                stripe(c, a0, a1, lead / 2, true);
                stripe(c, b0, b1, (lag + 1) / 2, false);
                stripe(c, b0, b1, lag / 2, true);
                break;
            case Bounce:
                stripe(c, a0, a1, 2 * c.X, false);
                stripe(c, b0, b1, 2 * c.X - c.W, true);
                break;
            case Split:
                stripe(c, a0, a1, c.X, false);
                stripe(c, b0, b1, c.X, true);
                break;
            case Halves: {
                const bool far = y < c.H / 2;
                stripe(c, a0, a1, lead, far);
                stripe(c, b0, b1, lag, far);
                break;
            }
        }
    }
}

void crissCross(Frame& f, int kindA, int oA, int kindB, int oB) {
    bars(f, kindA, oA);
    bars(f, kindB, oB);
}

void shred(Frame& f, int kind, int o) {
    // Every strip reaches the progress edge moved by up to a seventh of the
    // width either way; once the edge has reached the far side, no jitter.
    Canvas c(f, o);
    const int jitter = c.W / 7;
    for (int y = 0; y < c.H; y += ShredHeight) {
        int len = c.W;
        if (c.X < c.W) len = std::clamp(c.X + platform::random(2 * jitter + 1) - jitter, 0, c.W);
        if (len == 0) continue;
        const int y1 = y + ShredHeight;
        switch (kind) {
            case FromSide:
                c.reveal({0, y, len, y1});
                break;
            case OutFromMiddle: {
                const int l = (c.W - len) / 2;
                c.reveal({l, y, l + len, y1});
                break;
            }
            case InToMiddle:
                c.reveal({0, y, (len + 1) / 2, y1});
                c.reveal({c.W - len / 2, y, c.W, y1});
                break;
        }
    }
}

void shredPair(Frame& f, int kindA, int oA, int kindB, int oB) {
    shred(f, kindA, oA);
    shred(f, kindB, oB);
}

namespace {

/// Band width of the blinds: W / S, and the whole width when S exceeds it.
int blindWidth(const Canvas& c) {
    const int b = c.W / std::max(1, c.S);
    return b < 1 ? c.W : b;
}

}  // namespace

void blind(Frame& f, int o, int minOpen) {
    Canvas c(f, o);
    const int b = blindWidth(c);
    const int open = std::max(minOpen, mulDiv(b, c.P, 100));
    for (int x = 0; x < c.W; x += b) c.reveal({x, 0, x + open, c.H});
}

void unevenBlind(Frame& f, int o) {
    // The blinds open one after another from the named side, each over half
    // of the transition, the last one ending with it.
    Canvas c(f, o);
    const int b = blindWidth(c);
    const int n = (c.W + b - 1) / b;
    for (int k = 0; k < n; ++k) {
        const int q = n == 1 ? c.P : std::clamp(2 * (c.P - 50 * k / (n - 1)), 0, 100);
        if (q == 0) break;
        c.reveal({k * b, 0, k * b + (b * q + 99) / 100, c.H});
    }
}

void speckle(Frame& f, int o) {
    // Small squares appear at random, densest at the named side: a square at
    // distance d shows with probability (P / 100) ^ (1/2 + 2d / W).
    Canvas c(f, o);
    const int cols = (c.W + SpeckleSize - 1) / SpeckleSize;
    std::vector<int> threshold(cols);
    for (int i = 0; i < cols; ++i) {
        const double d = (i + 0.5) * SpeckleSize / c.W;
        threshold[i] = static_cast<int>(1000.0 * std::pow(c.P / 100.0, 0.5 + 2.0 * d));
    }
    for (int y = 0; y < c.H; y += SpeckleSize) {
        int runStart = -1;
        for (int i = 0; i <= cols; ++i) {
            const bool on = i < cols && platform::random(1000) < threshold[i];
            if (on && runStart < 0) runStart = i;
            if (!on && runStart >= 0) {
                c.reveal({runStart * SpeckleSize, y, i * SpeckleSize, y + SpeckleSize});
                runStart = -1;
            }
        }
    }
}

void randomSquares(Frame& f) {
    int s = f.S > 1 ? f.S / 2 : f.S;
    if (s < 1) s = 1;  // a zero band size would never leave the loop
    for (int x = 0; x < f.W; x += s)
        for (int y = 0; y < f.H; y += s)
            if (f.progress > platform::random(100))
                copySame(f.screen, f.image, {x - s, y - s, x + s, y + s});
}

void rectangularShred(Frame& f) {
    // A grid of cells, each uncovering a centred rectangle that grows to the cell.
    const int nx = f.W >= f.H ? 8 : 6, ny = f.W >= f.H ? 6 : 8;
    for (int j = 0; j < ny; ++j) {
        const int t = j * f.H / ny, b = (j + 1) * f.H / ny;
        const int h = ((b - t) * f.progress + 99) / 100;
        for (int i = 0; i < nx; ++i) {
            const int l = i * f.W / nx, r = (i + 1) * f.W / nx;
            const int w = ((r - l) * f.progress + 99) / 100;
            const int x = l + (r - l - w) / 2, y = t + (b - t - h) / 2;
            copySame(f.screen, f.image, {x, y, x + w, y + h});
        }
    }
}

void movingRectangles(Frame& f, int o) {
    // Eight strips of the new image travel in from the named side to their
    // places, the farthest first: each travels over 2/9 of the transition and
    // starts 1/9 after the one before it.
    Canvas c(f, o);
    constexpr int n = 8;
    for (int i = n - 1; i >= 0; --i) {
        const int x0 = i * c.W / n, x1 = (i + 1) * c.W / n, w = x1 - x0;
        const int order = n - 1 - i;
        const int q = std::min(c.P * (n + 1) - 100 * order, 200);
        if (q <= 0) break;
        const int x = -w + mulDiv(x0 + w, q, 200);
        c.copy({x, 0, x + w, c.H}, {x0, 0, x1, c.H});
    }
}

}  // namespace TransitionEffects
