#include "components/button_painting.h"

#include <QFontMetrics>
#include <QPainter>
#include <algorithm>
#include <cmath>
#include <numbers>

namespace ButtonPaint {

namespace {

constexpr double Pi = std::numbers::pi;

QRgb eachComponent(QRgb c, int (*f)(int)) {
    return qRgb(f(qRed(c)), f(qGreen(c)), f(qBlue(c)));
}

/// A distance along the gradient in pixels as a step of 0..n, three pixels a
/// step (each step is a line or circle drawn with a pen 3 pixels wide).
inline uint16_t stepAt(double along, int n) {
    const double k = along / 3 + 0.5;
    return uint16_t(k <= 0 ? 0 : k >= n ? n : int(k));
}

void paintPixels(QImage& face, const std::vector<QPoint>& pixels, QRgb color) {
    for (const QPoint& p : pixels)
        reinterpret_cast<QRgb*>(face.scanLine(p.y()))[p.x()] = 0xFF000000u | color;
}

}  // namespace

QRgb lighter(QRgb c) {
    return eachComponent(c, [](int v) { return v >= 224 ? 255 : v + 32; });
}

QRgb darker(QRgb c) {
    return eachComponent(c, [](int v) { return v < 32 ? 0 : v - 32; });
}

int brightness(QRgb c) {
    return qRed(c) + qGreen(c) + qBlue(c);
}

QRgb shade(QRgb c, int steps) {
    for (; steps > 0; --steps) c = lighter(c);
    for (; steps < 0; ++steps) c = darker(c);
    return c;
}

QRgb rgbOf(const QColor& c) {
    return c.isValid() ? c.rgb() : qRgb(255, 255, 255);
}

BandColors bandColors(QRgb f, bool pressed, bool enabled) {
    BandColors b;
    const int base = enabled ? 0 : 1;
    b.faceTone = {base, 0};
    b.highlightTone = {base, pressed ? -1 : 1};
    b.shadowTone = {base, pressed ? 1 : -1};
    b.face = b.faceTone.apply(f);
    b.highlight = b.highlightTone.apply(f);
    b.shadow = b.shadowTone.apply(f);
    b.innerLight = lighter(f);
    b.innerDark = darker(f);
    const bool dark = brightness(f) < BrightnessThreshold;
    if (enabled) {
        b.outline = dark ? shade(f, 2) : shade(f, -2);
    } else {
        b.outline = dark ? shade(f, 3) : darker(f);
    }
    return b;
}

GradientField gradientField(const Gradient& g, int w, int h) {
    GradientField f;
    w = std::max(0, w), h = std::max(0, h);
    f.step.resize(size_t(w) * h);
    uint16_t* out = f.step.data();
    if (g.kind == gkCircular) {
        // From the first colour in the middle to the second in the corners.
        f.n = int(std::lround(std::sqrt(double(w) * w + double(h) * h))) / 2 / 3;
        for (int y = 0; y < h; ++y) {
            const double dy = y + 0.5 - h / 2.0;
            for (int x = 0; x < w; ++x) {
                const double dx = x + 0.5 - w / 2.0;
                *out++ = stepAt(std::sqrt(dx * dx + dy * dy), f.n);
            }
        }
        return f;
    }
    // Lines across the direction (sin t, cos t); the first one passes
    // through the corner the gradient starts from.
    const double t = g.angle * Pi / 1800, s = std::sin(t), k = std::cos(t);
    f.n = int(std::lround((std::abs(h * k) + std::abs(w * s)) / 3));
    double sx, sy;
    if (k >= 0 && s >= 0) {
        sx = (1 - s * s) * w, sy = -w * s * k;
    } else if (s >= 0) {
        sx = h * s * k, sy = (1 - s * s) * h;
    } else if (k < 0) {
        sx = s * s * w, sy = w * s * k + h;
    } else {
        sx = w - h * s * k, sy = (1 - k * k) * h;
    }
    for (int y = 0; y < h; ++y) {
        const double row = (y + 0.5 - sy) * k;
        for (int x = 0; x < w; ++x) *out++ = stepAt((x + 0.5 - sx) * s + row, f.n);
    }
    return f;
}

QRgb stepColor(const Gradient& g, int k, int n, Tone tone) {
    if (g.picture.width() > 0 && g.picture.height() > 0) {
        // The last step takes the last column, not the one past it.
        const int column =
            n > 0 ? std::min(int(int64_t(g.picture.width()) * k / n), g.picture.width() - 1) : 0;
        const int row =
            g.pictureLine >= 0 && g.pictureLine < g.picture.height() ? g.pictureLine : 0;
        return shade(g.picture.pixel(column, row), (tone.base ? 2 : 0) + tone.band);
    }
    const QRgb a = tone.apply(g.c1), b = tone.apply(g.c2);
    if (n <= 0) return a;
    const auto mix = [&](int ca, int cb) { return ca + k * (cb - ca) / n; };
    return qRgb(mix(qRed(a), qRed(b)), mix(qGreen(a), qGreen(b)), mix(qBlue(a), qBlue(b)));
}

std::vector<QRgb> stepColors(const Gradient& g, int n, Tone tone) {
    std::vector<QRgb> colors(size_t(n) + 1);
    for (int k = 0; k <= n; ++k) colors[k] = 0xFF000000u | stepColor(g, k, n, tone);
    return colors;
}

namespace {

void fillSteps(QImage& target, const GradientField& f, const std::vector<QRgb>& colors) {
    const int w = target.width();
    for (int y = 0; y < target.height(); ++y) {
        auto* row = reinterpret_cast<QRgb*>(target.scanLine(y));
        const uint16_t* step = f.step.data() + size_t(y) * w;
        for (int x = 0; x < w; ++x) row[x] = colors[step[x]];
    }
}

}  // namespace

void fillGradient(QImage& target, const Gradient& g, Tone tone) {
    const GradientField f = gradientField(g, target.width(), target.height());
    fillSteps(target, f, stepColors(g, f.n, tone));
}

QPoint place(QSize face, QSize box, TShapeHAlign h, TShapeVAlign v, int depth, QPoint offset) {
    int x = offset.x(), y = offset.y();
    if (h == haLeft) x = depth;
    if (h == haCenter) x = (face.width() - box.width()) / 2;
    if (h == haRight) x = face.width() - depth - box.width();
    if (v == vaTop) y = depth;
    if (v == vaCenter) y = (face.height() - box.height()) / 2;
    if (v == vaBottom) y = face.height() - depth - box.height();
    return {x, y};
}

void drawCaption(QImage& face, const FaceLook& look, const FaceState& state) {
    const QColor font = state.enabled ? look.fontColor : look.color;
    if (look.caption.isEmpty() || !font.isValid()) return;
    const int flags = Qt::TextShowMnemonic | Qt::AlignCenter;
    const QSize box = QFontMetrics(look.font).size(Qt::TextShowMnemonic, look.caption);
    const QPoint at =
        place(face.size(), box, look.captionH, look.captionV, look.depth, look.captionOffset);
    const QRgb f = rgbOf(look.color);
    struct Pass {
        int d;
        QColor color;
    };
    std::vector<Pass> passes;
    if (look.captionKind == ckEmbossed) passes = {{-1, lighter(f)}, {1, darker(f)}};
    if (look.captionKind == ckPressed) passes = {{-1, darker(f)}, {1, lighter(f)}};
    passes.push_back({0, font});
    QPainter p(&face);
    p.setFont(look.font);
    for (const Pass& pass : passes) {
        // Turned about the middle of the caption's box.
        const int d = pass.d + (state.pressed ? 1 : 0);
        p.save();
        p.translate(at.x() + box.width() / 2.0 + d, at.y() + box.height() / 2.0 + d);
        p.rotate(-look.captionAngle / 10.0);
        p.setPen(pass.color);
        p.drawText(QRectF(-box.width() / 2.0, -box.height() / 2.0, box.width(), box.height()),
                   flags, look.caption);
        p.restore();
    }
}

void drawStatePicture(QImage& face, const FaceLook& look, const StateFrame& picture) {
    const QImage& strip = picture.strip;
    const int glyphs = std::max(1, picture.glyphs);
    const int width = strip.width() / glyphs;
    if (width <= 0 || strip.height() <= 0) return;
    const int frame = std::clamp(picture.frame, 0, glyphs - 1);
    QImage slice = strip.copy(frame * width, 0, width, strip.height());
    if (look.transparent) {
        // Pixels of the strip's top-left colour are left out.
        slice = slice.convertToFormat(QImage::Format_ARGB32);
        const QRgb key = strip.pixel(0, 0) | 0xFF000000u;
        for (int y = 0; y < slice.height(); ++y) {
            auto* row = reinterpret_cast<QRgb*>(slice.scanLine(y));
            for (int x = 0; x < slice.width(); ++x)
                if ((row[x] | 0xFF000000u) == key) row[x] = 0;
        }
    }
    const QPoint at =
        place(face.size(), slice.size(), look.bitmapH, look.bitmapV, look.depth, look.bitmapOffset);
    QPainter(&face).drawImage(at, slice);
}

void renderFace(QImage& face, const FaceLook& look, const FaceState& state,
                const StateFrame& picture, const ButtonShapes::Regions& regions) {
    if (face.size() != regions.size || face.format() != QImage::Format_ARGB32_Premultiplied)
        face = QImage(regions.size, QImage::Format_ARGB32_Premultiplied);
    if (face.isNull()) return;
    const BandColors colors = bandColors(rgbOf(look.color), state.pressed, state.enabled);
    const bool gradient = look.gradient.kind != gkNone;
    Gradient g = look.gradient;
    g.c1 = rgbOf(look.color);
    g.c2 = rgbOf(look.color1);
    const GradientField field =
        gradient ? gradientField(g, face.width(), face.height()) : GradientField{};

    // The face: cleared for custom drawing and with no colour, so that what
    // lies below shows through.
    if (look.customDraw || (!gradient && !look.color.isValid())) {
        face.fill(Qt::transparent);
    } else if (gradient) {
        fillSteps(face, field, stepColors(g, field.n, colors.faceTone));
    } else {
        face.fill(0xFF000000u | colors.face);
    }
    if (!look.customDraw) {
        drawStatePicture(face, look, picture);
        drawCaption(face, look, state);
    }

    const TShape3DKind kind = look.kind3D;
    const bool flatten = kind == dkFlatten || kind == dkFlattenSimple || kind == dk3dBorderFlatten;
    const bool border = kind == dk3dBorder || (kind == dk3dBorderFlatten && state.inside);
    const bool bands = kind != dkNone && (!flatten || state.inside);
    // A ring in two colours, or over a gradient face in the gradient shaded
    // by the two tones.
    const auto paintRing = [&](const std::vector<uint8_t>& map, QRgb lit, QRgb shaded, Tone litTone,
                               Tone shadedTone) {
        const int w = face.width(), h = face.height();
        if (map.size() != size_t(w) * h) return;
        std::vector<QRgb> tables[3];
        if (gradient) {
            tables[ButtonShapes::Lit] = stepColors(g, field.n, litTone);
            tables[ButtonShapes::Shaded] = stepColors(g, field.n, shadedTone);
        }
        const QRgb plain[3] = {0, 0xFF000000u | lit, 0xFF000000u | shaded};
        for (int y = 0; y < h; ++y) {
            auto* row = reinterpret_cast<QRgb*>(face.scanLine(y));
            const size_t at = size_t(y) * w;
            for (int x = 0; x < w; ++x) {
                const uint8_t side = map[at + x];
                if (side) row[x] = gradient ? tables[side][field.step[at + x]] : plain[side];
            }
        }
    };
    if (bands)
        paintRing(regions.bands, colors.highlight, colors.shadow, colors.highlightTone,
                  colors.shadowTone);
    if (border) paintRing(regions.innerPair, colors.innerLight, colors.innerDark, {0, 1}, {0, -1});
    paintPixels(face, regions.outline, colors.outline);
    if (border) paintPixels(face, regions.secondOutline, colors.outline);
    if (state.focused) paintPixels(face, regions.focusOutline, colors.outline);
}

}  // namespace ButtonPaint
