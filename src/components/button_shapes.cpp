#include "components/button_shapes.h"

#include <QPainter>
#include <algorithm>
#include <cmath>
#include <numbers>

namespace ButtonShapes {

namespace {

constexpr double Pi = std::numbers::pi;

/// How far a sharp corner of an inset may reach, in multiples of the distance.
constexpr double MiterLimit = 3.0;

/// A polygon from grid points, each (a, b) standing for (a * w / n, b * h / n).
QPolygonF grid(std::initializer_list<std::pair<int, int>> points, int w, int h, int n) {
    QPolygonF poly;
    for (auto [a, b] : points) poly << QPointF(a * w / n, b * h / n);
    return poly;
}

/// Point i of an ellipse of n points in the w by h box, radii scaled by `scale`,
/// `turn` steps further round (0.5 for the inner points of a star).
QPointF ellipsePoint(int w, int h, int i, int n, double scale, double turn = 0) {
    const double a = 2 * Pi * (i + turn) / n;
    return {std::round(w / 2 + std::sin(a) * (w / 2) * scale),
            std::round(h / 2 - std::cos(a) * (h / 2) * scale)};
}

QPolygonF ellipse(int w, int h, int n, double scale) {
    QPolygonF poly;
    for (int i = 0; i < n; ++i) poly << ellipsePoint(w, h, i, n, scale);
    return poly;
}

QPolygonF star(int w, int h, int peaks) {
    const double r = peaks < 5 ? 1.0 / 3 : std::cos(2 * Pi / peaks) / std::cos(Pi / peaks);
    QPolygonF poly;
    for (int i = 0; i < peaks; ++i)
        poly << ellipsePoint(w, h, i, peaks, 1) << ellipsePoint(w, h, i, peaks, r, 0.5);
    return poly;
}

/// A quarter circle of radius r about (cx, cy) from angle `from` (degrees,
/// counter-clockwise from the right, y up) a quarter turn clockwise.
void corner(QPolygonF& poly, double cx, double cy, double r, double from) {
    for (int k = 0; k <= 4; ++k) {
        const double a = (from - 22.5 * k) * Pi / 180;
        poly << QPointF(cx + r * std::cos(a), cy - r * std::sin(a));
    }
}

QPolygonF roundRect(int w, int h, int depth) {
    const double r = std::min(2.0 * depth, std::min(w, h) / 2.0);
    QPolygonF poly;
    corner(poly, r, r, r, 180);
    corner(poly, w - r, r, r, 90);
    corner(poly, w - r, h - r, r, 0);
    corner(poly, r, h - r, r, -90);
    return poly;
}

/// A rectangle with half-circle ends across its shorter side.
QPolygonF oval(int w, int h, int depth) {
    const bool wide = w > h;
    const int side = wide ? h : w;
    const int n = std::max(2, side - 2 * std::max(2, depth));
    const double r = side / 2.0;
    QPolygonF poly;
    for (int end = 0; end < 2; ++end) {
        for (int i = 0; i < n; ++i) {
            const double a = i * Pi / (n - 1), s = std::sin(a), c = std::cos(a);
            if (wide) {
                poly << (end == 0 ? QPointF(w - r + r * s, r - r * c)
                                  : QPointF(r - r * s, r + r * c));
            } else {
                poly << (end == 0 ? QPointF(r - r * c, r - r * s)
                                  : QPointF(r + r * c, h - r + r * s));
            }
        }
    }
    return poly;
}

struct ArcRadius {
    int outer;
    double a;
};

std::optional<ArcRadius> arcRadius(int w, double arcAngle) {
    if (!(arcAngle >= 0.1)) return std::nullopt;
    const double a = std::min(arcAngle, 2 * Pi);
    const double outer = a < Pi ? std::round(w / (2 * std::sin(a / 2))) : w / 2;
    return ArcRadius{int(std::min(outer, 1e6)), a};
}

QPolygonF arc(int w, int h, int depth, double ratio, double arcAngle) {
    const auto radius = arcRadius(w, arcAngle);
    if (!radius) return grid({{0, 0}, {1, 0}, {1, 1}, {0, 1}}, w, h, 1);
    const double a = radius->a, big = radius->outer, small = std::round(big * ratio);
    const int n = std::max(2, std::max(w, h) / std::max(2, depth));
    const int m = std::max(2, int(std::lround(n * ratio)));
    QPolygonF poly;
    for (int i = 0; i < n; ++i) {
        const double f = i * a / (n - 1) - a / 2;
        poly << QPointF(w / 2 + big * std::sin(f), big - big * std::cos(f));
    }
    for (int j = m - 1; j >= 0; --j) {
        const double f = j * a / (m - 1) - a / 2;
        poly << QPointF(w / 2 + small * std::sin(f), big - small * std::cos(f));
    }
    return poly;
}

double signedArea(const QPolygonF& p) {
    double sum = 0;
    for (qsizetype i = 0, n = p.size(); i < n; ++i) {
        const QPointF a = p[i], b = p[(i + 1) % n];
        sum += a.x() * b.y() - b.x() * a.y();
    }
    return sum / 2;
}

QPointF unit(QPointF v) {
    const double len = std::hypot(v.x(), v.y());
    return len > 0 ? v / len : QPointF();
}

/// The inward normal of edge a -> b: the material lies to the right of a
/// normalised polygon's edges on the screen.
QPointF inwardNormal(QPointF a, QPointF b) {
    const QPointF d = unit(b - a);
    return {-d.y(), d.x()};
}

}  // namespace

std::optional<int> arcHeight(int width, double arcAngle, double radiusRatio) {
    const auto radius = arcRadius(width, arcAngle);
    if (!radius) return std::nullopt;
    const double r = radius->outer, half = radius->a / 2;
    const double h =
        radius->a < Pi ? (1 - std::cos(half) * radiusRatio) * r : r - std::cos(half) * r;
    return int(std::clamp(std::round(h), 0.0, double(MaxSize)));
}

Outlines shapeOutlines(const ShapeParams& s) {
    const int w = std::clamp(s.width, 0, MaxSize), h = std::clamp(s.height, 0, MaxSize);
    const int depth = std::clamp(s.depth, 0, MaxSize);
    const int peaks = std::clamp(s.peaks, 3, MaxPeaks);
    const double ratio = std::clamp(s.radiusRatio, 0.0, 1.0);
    const int ellipsePoints = std::max(8, std::min(w, h) - 2 * std::max(2, depth));
    Outlines o;
    switch (s.kind) {
        case bkRect:
            o.push_back({grid({{0, 0}, {1, 0}, {1, 1}, {0, 1}}, w, h, 1)});
            break;
        case bkRoundRect:
            o.push_back({roundRect(w, h, depth)});
            break;
        case bkElliptic:
            o.push_back({ellipse(w, h, ellipsePoints, 1)});
            break;
        case bkPoly:
            o.push_back({ellipse(w, h, peaks, 1)});
            break;
        case bkPolyStar:
            o.push_back({star(w, h, peaks)});
            break;
        case bkArc:
            o.push_back({arc(w, h, depth, ratio, s.arcAngle)});
            break;
        case bkDonut: {
            const int n = std::max(8, std::min(w, h) - 4 * std::max(2, depth));
            o.push_back({ellipse(w, h, n, 1)});
            o.push_back({ellipse(w, h, n, ratio), true});
            break;
        }
        case bkUser:
            // No region given: the rectangle.
            return regionOutlines(s.userRegion.isEmpty()
                                      ? QRegion(0, 0, w, h)
                                      : s.userRegion.intersected(QRect(0, 0, w, h)));
        case bkArrow:
            o.push_back({grid({{0, 2}, {3, 2}, {3, 0}, {6, 3}, {3, 6}, {3, 4}, {0, 4}}, w, h, 6)});
            break;
        case bkArrow1:
            o.push_back({grid({{0, 24},
                               {0, 6},
                               {2, 4},
                               {16, 4},
                               {16, 0},
                               {24, 6},
                               {16, 12},
                               {16, 8},
                               {5, 8},
                               {4, 9},
                               {4, 24}},
                              w, h, 24)});
            break;
        case bkArrow2:
            o.push_back({grid({{4, 0},
                               {4, 15},
                               {5, 16},
                               {16, 16},
                               {16, 12},
                               {24, 18},
                               {16, 24},
                               {16, 20},
                               {2, 20},
                               {0, 18},
                               {0, 0}},
                              w, h, 24)});
            break;
        case bkCross:
            o.push_back({grid({{2, 3}, {3, 2}, {3, 1}, {4, 0}, {5, 0}, {6, 1}, {6, 2}, {7, 3},
                               {8, 3}, {9, 4}, {9, 5}, {8, 6}, {7, 6}, {6, 7}, {6, 8}, {5, 9},
                               {4, 9}, {3, 8}, {3, 7}, {2, 6}, {1, 6}, {0, 5}, {0, 4}, {1, 3}},
                              w, h, 9)});
            break;
        case bkCutRect:
            o.push_back({grid({{0, 1}, {1, 0}, {6, 0}, {6, 5}, {5, 6}, {0, 6}}, w, h, 6)});
            break;
        case bkCross1:
            o.push_back({grid(
                {{0, 0}, {2, 0}, {4, 2}, {5, 2}, {7, 0}, {9, 0}, {9, 2}, {7, 4}, {7, 5}, {9, 7},
                 {9, 9}, {7, 9}, {5, 7}, {4, 7}, {2, 9}, {0, 9}, {0, 7}, {2, 5}, {2, 4}, {0, 2}},
                w, h, 9)});
            break;
        case bkOval:
            o.push_back({oval(w, h, depth)});
            break;
    }
    return normalised(std::move(o));
}

Outlines regionOutlines(const QRegion& region) {
    QPainterPath path;
    path.addRegion(region);
    Outlines o;
    for (const QPolygonF& poly : path.simplified().toSubpathPolygons()) o.push_back({poly});
    // A polygon inside an odd number of others is a hole.
    for (Outline& a : o) {
        if (a.points.isEmpty()) continue;
        int around = 0;
        for (const Outline& b : o)
            if (&a != &b && b.points.containsPoint(a.points.first(), Qt::OddEvenFill)) ++around;
        a.hole = around % 2 == 1;
    }
    return normalised(std::move(o));
}

Outlines normalised(Outlines outlines) {
    Outlines out;
    for (Outline& o : outlines) {
        QPolygonF kept;
        for (const QPointF& p : o.points)
            if (kept.isEmpty() ||
                std::hypot(p.x() - kept.last().x(), p.y() - kept.last().y()) > 1e-6)
                kept << p;
        while (kept.size() > 1 && std::hypot(kept.first().x() - kept.last().x(),
                                             kept.first().y() - kept.last().y()) <= 1e-6)
            kept.removeLast();
        const double area = kept.size() >= 3 ? signedArea(kept) : 0;
        if (std::abs(area) < 1e-9) continue;
        // Outlines clockwise on the screen (positive area with y down), holes the other way.
        if ((area > 0) == o.hole) std::reverse(kept.begin(), kept.end());
        out.push_back({kept, o.hole});
    }
    return out;
}

QSize turnedSize(int width, int height, int angle) {
    const double t = angle * Pi / 1800, s = std::abs(std::sin(t)), c = std::abs(std::cos(t));
    return {int(std::lround(s * height + c * width)), int(std::lround(c * height + s * width))};
}

QPointF turnedPoint(QPointF p, int width, int height, int angle) {
    const double t = angle * Pi / 1800, s = std::sin(t), c = std::cos(t);
    const QPointF d = p - QPointF(width / 2.0, height / 2.0);
    const QSize box = turnedSize(width, height, angle);
    return QPointF(box.width() / 2.0, box.height() / 2.0) +
           QPointF(d.x() * c + d.y() * s, -d.x() * s + d.y() * c);
}

Outlines turned(const Outlines& outlines, int width, int height, int angle) {
    if (angle == 0) return outlines;
    Outlines out = outlines;
    for (Outline& o : out)
        for (QPointF& p : o.points) p = turnedPoint(p, width, height, angle);
    return out;
}

Outlines inset(const Outlines& outlines, double distance) {
    Outlines out;
    for (const Outline& o : outlines) {
        const QPolygonF& p = o.points;
        const qsizetype n = p.size();
        Outline moved{QPolygonF(n), o.hole};
        for (qsizetype i = 0; i < n; ++i) {
            const QPointF prev = p[(i + n - 1) % n], here = p[i], next = p[(i + 1) % n];
            const QPointF n0 = inwardNormal(prev, here), n1 = inwardNormal(here, next);
            const QPointF sum = n0 + n1;
            const double along = 1 + QPointF::dotProduct(n0, n1);
            QPointF shift;
            if (std::hypot(sum.x(), sum.y()) < 1e-9) {
                shift = unit(next - here) * MiterLimit;  // a spike folding back on itself
            } else if (along < 2 / (MiterLimit * MiterLimit)) {
                shift = unit(sum) * MiterLimit;
            } else {
                shift = sum / along;
            }
            moved.points[i] = here + shift * distance;
        }
        out.push_back(std::move(moved));
    }
    return out;
}

Ring ring(const Outlines& outer, const Outlines& inner) {
    Ring r;
    r.lit.setFillRule(Qt::WindingFill);
    r.shaded.setFillRule(Qt::WindingFill);
    for (size_t k = 0; k < outer.size() && k < inner.size(); ++k) {
        const QPolygonF &a = outer[k].points, &b = inner[k].points;
        const qsizetype n = std::min(a.size(), b.size());
        for (qsizetype i = 0; i < n; ++i) {
            const qsizetype j = (i + 1) % n;
            QPolygonF quad{a[i], a[j], b[j], b[i]};
            // One direction for every piece, so that overlapping pieces add up.
            if (signedArea(quad) < 0) std::reverse(quad.begin(), quad.end());
            const QPointF d = a[j] - a[i];
            (d.y() < d.x() ? r.lit : r.shaded).addPolygon(quad);
        }
    }
    return r;
}

std::vector<uint8_t> ringMap(const Ring& ring, QSize size) {
    const QImage lit = rasterise(ring.lit, size), shaded = rasterise(ring.shaded, size);
    std::vector<uint8_t> map(size_t(std::max(0, size.width())) * std::max(0, size.height()));
    for (int y = 0; y < size.height(); ++y) {
        const uchar *l = lit.constScanLine(y), *s = shaded.constScanLine(y);
        uint8_t* out = map.data() + size_t(y) * size.width();
        for (int x = 0; x < size.width(); ++x) out[x] = s[x] ? Shaded : l[x] ? Lit : Off;
    }
    return map;
}

QPainterPath pathOf(const Outlines& outlines) {
    QPainterPath path;
    path.setFillRule(Qt::OddEvenFill);
    for (const Outline& o : outlines) {
        path.addPolygon(o.points);
        path.closeSubpath();
    }
    return path;
}

QImage rasterise(const QPainterPath& path, QSize size) {
    QImage mask(size, QImage::Format_Alpha8);
    mask.fill(0);
    if (size.isEmpty()) return mask;
    QPainter p(&mask);
    p.fillPath(path, Qt::black);
    return mask;
}

QRegion regionOf(const QImage& mask) {
    // Bands of rows with the same runs, top to bottom, runs left to right:
    // the form a region keeps itself in, so that equal regions compare equal.
    std::vector<QRect> rects;
    std::vector<std::pair<int, int>> runs, previous;
    size_t bandStart = 0;
    for (int y = 0; y < mask.height(); ++y) {
        const uchar* row = mask.constScanLine(y);
        runs.clear();
        for (int x = 0; x < mask.width();) {
            if (!row[x]) {
                ++x;
                continue;
            }
            const int start = x;
            while (x < mask.width() && row[x]) ++x;
            runs.emplace_back(start, x);
        }
        if (!runs.empty() && runs == previous && rects.back().bottom() == y - 1) {
            for (size_t i = bandStart; i < rects.size(); ++i) rects[i].setBottom(y);
        } else {
            bandStart = rects.size();
            for (auto [start, end] : runs) rects.emplace_back(start, y, end - start, 1);
        }
        previous.swap(runs);
    }
    QRegion region;
    if (!rects.empty()) region.setRects(rects.data(), int(rects.size()));
    return region;
}

std::vector<QPoint> framePixels(const QImage& mask) {
    std::vector<QPoint> frame;
    const int w = mask.width(), h = mask.height();
    const uchar* bits = mask.constBits();
    const qsizetype stride = mask.bytesPerLine();
    const auto in = [&](int x, int y) {
        return x >= 0 && y >= 0 && x < w && y < h && bits[y * stride + x] != 0;
    };
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            if (in(x, y) && (!in(x - 1, y) || !in(x + 1, y) || !in(x, y - 1) || !in(x, y + 1)))
                frame.emplace_back(x, y);
    return frame;
}

int thickness(const ShapeParams& s) {
    const int side = std::min(s.width, s.height);
    const double ratio = std::clamp(s.radiusRatio, 0.0, 1.0);
    if (s.kind == bkDonut) return int(side / 2 * (1 - ratio));
    if (s.kind == bkArc) {
        if (const auto radius = arcRadius(s.width, s.arcAngle))
            return std::min(side, radius->outer - int(std::round(radius->outer * ratio)));
    }
    return side;
}

Regions buildRegions(const Outlines& outlines, QSize size, int depth, int material, bool borderKind,
                     bool bands) {
    Regions r;
    r.size = size;
    r.mask = rasterise(pathOf(outlines), size);
    r.window = regionOf(r.mask);
    r.outline = framePixels(r.mask);
    if (!bands) return r;
    const int d = std::clamp(depth, 0, std::max(0, material / 4));
    if (d > 0) {
        const Outlines a = inset(outlines, d), b = inset(outlines, 2 * d);
        r.bands = ringMap(ring(outlines, a), size);
        r.innerPair = ringMap(ring(a, b), size);
        if (borderKind) r.secondOutline = framePixels(rasterise(pathOf(b), size));
    }
    const int focus = std::min((borderKind ? 2 * d : d) + 4, material / 2 - 1);
    if (focus > 0) r.focusOutline = framePixels(rasterise(pathOf(inset(outlines, focus)), size));
    return r;
}

}  // namespace ButtonShapes
