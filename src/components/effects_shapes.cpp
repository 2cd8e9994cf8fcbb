// Effects that uncover the new image through shaped areas: curves, circles,
// diagonals, sweeps, stars and triangles. Each builds a path and fills it
// with the new image (no antialiasing).
#include <QPainterPath>
#include <algorithm>
#include <cmath>
#include <numbers>

#include "components/effects_internal.h"

namespace TransitionEffects {

namespace {

constexpr double Pi = std::numbers::pi;

double halfDiagonal(const Frame& f) {
    return std::hypot(f.W, f.H) / 2;
}

/// Adds a wedge from the centre `m` with radius `radius` from angle `from`
/// over `span` radians (positive: clockwise on the screen).
void addWedge(QPainterPath& path, QPointF m, double radius, double from, double span) {
    if (span == 0) return;
    const int steps = std::max(2, static_cast<int>(std::abs(span) / (Pi / 60)) + 1);
    path.moveTo(m);
    for (int k = 0; k <= steps; ++k) {
        const double a = from + span * k / steps;
        path.lineTo(m.x() + radius * std::cos(a), m.y() + radius * std::sin(a));
    }
    path.closeSubpath();
}

}  // namespace

void curvedReveal(Frame& f, int o) {
    // The front bulges back in the middle by a quarter of the width.
    Canvas c(f, o);
    const double bow = c.W / 4.0;
    const double base = (c.W + bow) * c.P / 100.0;
    QPainterPath path;
    path.moveTo(c.map(QPointF(0, 0)));
    constexpr int n = 32;
    for (int k = 0; k <= n; ++k) {
        const double t = 2.0 * k / n - 1;
        const double x = std::max(0.0, base - bow * (1 - t * t));
        path.lineTo(c.map(QPointF(x, c.H * double(k) / n)));
    }
    path.lineTo(c.map(QPointF(0, c.H)));
    path.closeSubpath();
    fillPath(f, path);
}

void curvedCorner(Frame& f, int o) {
    // A quarter ellipse around the corner, reaching the far corner at the end.
    Canvas c(f, o);
    const double a = c.W * std::sqrt(2.0) * c.P / 100, b = c.H * std::sqrt(2.0) * c.P / 100;
    QPainterPath path;
    path.moveTo(c.map(QPointF(0, 0)));
    constexpr int n = 32;
    for (int k = 0; k <= n; ++k) {
        const double t = Pi / 2 * k / n;
        path.lineTo(c.map(QPointF(a * std::cos(t), b * std::sin(t))));
    }
    path.closeSubpath();
    fillPath(f, path);
}

void circularFromCentre(Frame& f) {
    const double r = std::max(1.0, halfDiagonal(f) * f.progress / 100);
    QPainterPath path;
    path.addEllipse(QPointF(f.W / 2.0, f.H / 2.0), r, r);
    fillPath(f, path);
}

void circularToCentre(Frame& f) {
    // Measured to the corner pixels' centres, so that the corners show at 1%.
    const double r = std::hypot(f.W - 1, f.H - 1) / 2 * (100 - f.progress) / 100;
    QPainterPath path;
    path.setFillRule(Qt::OddEvenFill);
    path.addRect(0, 0, f.W, f.H);
    path.addEllipse(QPointF(f.W / 2.0, f.H / 2.0), r, r);
    fillPath(f, path);
}

void diagonalReveal(Frame& f, int o) {
    Canvas c(f, o);
    const double d = 2.0 * c.P / 100;
    QPainterPath path;
    path.moveTo(c.map(QPointF(0, 0)));
    path.lineTo(c.map(QPointF(d * c.W, 0)));
    path.lineTo(c.map(QPointF(0, d * c.H)));
    path.closeSubpath();
    fillPath(f, path);
}

void diagonalSweep(Frame& f, int clockwise) {
    // A line through the centre turns away from the top-left to bottom-right
    // diagonal; the two wedges it sweeps are uncovered.
    const QPointF m(f.W / 2.0, f.H / 2.0);
    const double start = std::atan2(-f.H / 2.0, -f.W / 2.0);
    const double span = (clockwise ? 1 : -1) * Pi * f.progress / 100;
    QPainterPath path;
    addWedge(path, m, f.W + f.H, start, span);
    addWedge(path, m, f.W + f.H, start + Pi, span);
    fillPath(f, path);
}

void starburst(Frame& f) {
    // Twelve rays from the centre widen clockwise until they meet.
    const QPointF m(f.W / 2.0, f.H / 2.0);
    constexpr int rays = 12;
    QPainterPath path;
    for (int k = 0; k < rays; ++k)
        addWedge(path, m, f.W + f.H, -Pi / 2 + 2 * Pi * k / rays, 2 * Pi / rays * f.progress / 100);
    fillPath(f, path);
}

void triangularShred(Frame& f) {
    // The picture is cut into cells, each halved along its diagonal; the
    // triangles appear from the bottom-right corner towards the top left.
    const int nx = f.W >= f.H ? 10 : 8, ny = f.W >= f.H ? 8 : 10;
    const int count = 2 * (nx + ny - 1);
    const double limit = double(f.progress) * count / 100;
    QPainterPath path;
    for (int j = 0; j < ny; ++j) {
        const double t = double(j) * f.H / ny, b = double(j + 1) * f.H / ny;
        for (int i = 0; i < nx; ++i) {
            const double l = double(i) * f.W / nx, r = double(i + 1) * f.W / nx;
            const int order = 2 * ((nx - 1 - i) + (ny - 1 - j));
            if (order < limit) {  // the lower-right half
                path.moveTo(r, t);
                path.lineTo(r, b);
                path.lineTo(l, b);
                path.closeSubpath();
            }
            if (order + 1 < limit) {  // the upper-left half
                path.moveTo(l, t);
                path.lineTo(r, t);
                path.lineTo(l, b);
                path.closeSubpath();
            }
        }
    }
    fillPath(f, path);
}

void sweep(Frame& f, int clockwise) {
    QPainterPath path;
    addWedge(path, QPointF(f.W / 2.0, f.H / 2.0), f.W + f.H, -Pi / 2,
             (clockwise ? 2 : -2) * Pi * f.progress / 100);
    fillPath(f, path);
}

void rotationalRectangle(Frame& f) {
    // A rectangle of the picture's proportions grows from the centre while it
    // turns one full turn back to upright.
    const QPointF m(f.W / 2.0, f.H / 2.0);
    const double hw = std::max(1.0, f.W / 2.0 * f.progress / 100);
    const double hh = std::max(1.0, f.H / 2.0 * f.progress / 100);
    const double a = 2 * Pi * (100 - f.progress) / 100;
    const double ca = std::cos(a), sa = std::sin(a);
    QPainterPath path;
    const QPointF corners[4] = {{-hw, -hh}, {hw, -hh}, {hw, hh}, {-hw, hh}};
    for (int k = 0; k < 4; ++k) {
        const QPointF p(m.x() + corners[k].x() * ca - corners[k].y() * sa,
                        m.y() + corners[k].x() * sa + corners[k].y() * ca);
        k == 0 ? path.moveTo(p) : path.lineTo(p);
    }
    path.closeSubpath();
    fillPath(f, path);
}

void rotationalStar(Frame& f) {
    // A five-pointed star grows from the centre while turning; its inner
    // corners reach the picture's corners at the end.
    const QPointF m(f.W / 2.0, f.H / 2.0);
    const double outer = std::max(2.0, 2 * halfDiagonal(f) * f.progress / 100), inner = outer / 2;
    const double turn = Pi * (100 - f.progress) / 100;
    QPainterPath path;
    for (int k = 0; k < 10; ++k) {
        const double r = k % 2 ? inner : outer;
        const double a = -Pi / 2 + turn + Pi * k / 5;
        const QPointF p(m.x() + r * std::cos(a), m.y() + r * std::sin(a));
        k == 0 ? path.moveTo(p) : path.lineTo(p);
    }
    path.closeSubpath();
    fillPath(f, path);
}

}  // namespace TransitionEffects
