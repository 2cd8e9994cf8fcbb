#include "components/button_shapes.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>
#include <tuple>

#include "components/button_painting.h"

using namespace ButtonShapes;
using namespace ButtonPaint;

namespace {

/// The face of a plain w by h shape of `kind` drawn in colour `face`.
QImage face(TShapeKind kind, int w, int h, int depth, QColor color, FaceState state = {}) {
    ShapeSpec spec;
    spec.kind = kind;
    spec.width = w;
    spec.height = h;
    spec.depth = depth;
    const Regions regions =
        buildRegions(shapeOutlines(spec), {w, h}, depth, thickness(spec), false, true);
    FaceLook look;
    look.color = color;
    look.depth = depth;
    QImage img;
    renderFace(img, look, state, {}, regions);
    return img;
}

QRgb rgb(const QImage& img, int x, int y) {
    return img.pixel(x, y);
}

}  // namespace

TEST(ButtonShapes, LighterDarkerAndTheOutlineThreshold) {
    EXPECT_EQ(lighter(qRgb(0, 223, 224)), qRgb(32, 255, 255));
    EXPECT_EQ(darker(qRgb(31, 32, 255)), qRgb(0, 0, 223));
    // Brightness 360 gets a light outline, 361 a dark one; disabled, the
    // light one is a step lighter still and the dark one a single step darker.
    const QRgb dim = qRgb(120, 120, 120), bright = qRgb(121, 120, 120);
    EXPECT_EQ(bandColors(dim, false, true).outline, qRgb(184, 184, 184));
    EXPECT_EQ(bandColors(bright, false, true).outline, qRgb(57, 56, 56));
    EXPECT_EQ(bandColors(dim, false, false).outline, qRgb(216, 216, 216));
    EXPECT_EQ(bandColors(bright, false, false).outline, qRgb(89, 88, 88));
    // And on the face: the outermost ring of pixels.
    EXPECT_EQ(rgb(face(bkRect, 30, 20, 2, QColor(dim)), 0, 10), qRgb(184, 184, 184));
    EXPECT_EQ(rgb(face(bkRect, 30, 20, 2, QColor(bright)), 0, 10), qRgb(57, 56, 56));
}

TEST(ButtonShapes, RectangleBandsLitTopLeftAndSwappedWhenPressed) {
    const QColor f(100, 150, 200);
    const QRgb light = qRgb(132, 182, 232), dark = qRgb(68, 118, 168), plain = f.rgb();
    // Depth 3 on 40 by 20: the outline, then two more band pixels, then the face.
    const struct {
        int x, y;
        QRgb up, down;
    } probes[] = {{20, 1, light, dark},  {20, 2, light, dark},  {20, 3, plain, plain},
                  {1, 10, light, dark},  {38, 10, dark, light}, {20, 18, dark, light},
                  {20, 16, plain, plain}};
    const QImage up = face(bkRect, 40, 20, 3, f), down = face(bkRect, 40, 20, 3, f, {true});
    for (const auto& p : probes) {
        EXPECT_EQ(rgb(up, p.x, p.y), p.up) << p.x << "," << p.y;
        EXPECT_EQ(rgb(down, p.x, p.y), p.down) << p.x << "," << p.y;
    }
    const QImage off = face(bkRect, 40, 20, 3, f, {false, false, false});
    EXPECT_EQ(rgb(off, 20, 10), lighter(plain));
    EXPECT_EQ(rgb(off, 20, 1), shade(plain, 2));
    EXPECT_EQ(rgb(off, 20, 18), plain);
}

TEST(ButtonShapes, GradientsRunFromTheFirstColourToTheSecond) {
    const QRgb yellow = qRgb(253, 215, 62), red = qRgb(255, 0, 0);
    const auto gradient = [&](TShapeGradientKind kind, int angle) {
        Gradient g;
        g.kind = kind;
        g.angle = angle;
        g.c1 = yellow;
        g.c2 = red;
        return g;
    };
    const auto fill = [&](TShapeGradientKind kind, int angle) {
        QImage img(200, 200, QImage::Format_ARGB32_Premultiplied);
        fillGradient(img, gradient(kind, angle), {});
        return img;
    };
    const QImage circular = fill(gkCircular, 0);
    EXPECT_EQ(rgb(circular, 100, 100), yellow);
    EXPECT_EQ(rgb(circular, 0, 0), red);
    EXPECT_EQ(rgb(circular, 199, 199), red);
    EXPECT_EQ(rgb(circular, 100, 0), stepColor(gradient(gkCircular, 0), 33, 47, {}));
    // 45 degrees: top-left to bottom-right; 90: left to right; -90: right to left.
    for (auto [angle, first, last] : {std::tuple(450, QPoint(0, 0), QPoint(199, 199)),
                                      std::tuple(900, QPoint(0, 100), QPoint(199, 100)),
                                      std::tuple(-900, QPoint(199, 100), QPoint(0, 100))}) {
        const QImage img = fill(gkLinear, angle);
        EXPECT_EQ(rgb(img, first.x(), first.y()), yellow) << angle;
        EXPECT_EQ(rgb(img, last.x(), last.y()), red) << angle;
    }
}

TEST(ButtonShapes, GradientPictureStaysInsideThePicture) {
    QImage picture(4, 2, QImage::Format_RGB32);
    for (int x = 0; x < 4; ++x) {
        picture.setPixel(x, 0, qRgb(10 * x, 0, 0));
        picture.setPixel(x, 1, qRgb(0, 10 * x, 0));
    }
    Gradient g{gkLinear, 450, 0, 0, picture, 1};
    EXPECT_EQ(stepColor(g, 10, 10, {}), qRgb(0, 30, 0));  // the last step: the last column
    EXPECT_EQ(stepColor(g, 0, 0, {}), qRgb(0, 0, 0));     // no steps: the first
    EXPECT_EQ(stepColor(g, 5, 10, {1, 0}), shade(qRgb(0, 20, 0), 2));  // disabled
    for (int line : {-1, 2, 1000}) {
        g.pictureLine = line;  // out of the picture: row 0
        EXPECT_EQ(stepColor(g, 10, 10, {}), qRgb(30, 0, 0)) << line;
    }
}

TEST(ButtonShapes, ArcSetsItsOwnHeight) {
    const double third = 2 * std::numbers::pi / 3;
    EXPECT_EQ(arcHeight(100, third, 0.5), 44);                     // R 58, (1 - 0.25) * 58 = 43.5
    EXPECT_EQ(arcHeight(100, 3 * std::numbers::pi / 2, 0.5), 85);  // R 50, 50 + 35.4
    EXPECT_EQ(arcHeight(100, 0.05, 0.5), std::nullopt);            // too narrow: the rectangle
    EXPECT_EQ(arcHeight(1024, 0.1, 0), MaxSize);  // a radius of 10244 pixels is cut
}

TEST(ButtonShapes, InsetMovesEdgesInwardAndHolesOutward) {
    const Outlines square =
        normalised({{QPolygonF{{0, 0}, {0, 0}, {0, 10}, {10, 10}, {10, 10}, {10, 0}, {0, 0}}}});
    ASSERT_EQ(square.size(), 1u);
    EXPECT_EQ(square[0].points,
              (QPolygonF{{10, 0}, {10, 10}, {0, 10}, {0, 0}}));  // clockwise, no repeats
    EXPECT_EQ(inset(square, 2)[0].points, (QPolygonF{{8, 2}, {8, 8}, {2, 8}, {2, 2}}));
    const Outlines hole = normalised({{QPolygonF{{0, 0}, {10, 0}, {10, 10}, {0, 10}}, true}});
    EXPECT_EQ(inset(hole, 1)[0].points, (QPolygonF{{-1, 11}, {11, 11}, {11, -1}, {-1, -1}}));
    // A spike folding back on itself stays finite.
    const Outlines spike = inset(normalised({{QPolygonF{{0, 0}, {20, 0}, {10, 0}, {10, 10}}}}), 1);
    for (const QPointF& p : spike[0].points) EXPECT_TRUE(std::isfinite(p.x() + p.y()));
}

TEST(ButtonShapes, EveryKindStaysInItsBoxAtAnySize) {
    // Within half a pixel: the arc's radius and height are rounded.
    for (int kind = 0; kind < ShapeKindCount; ++kind) {
        for (auto [w, h, depth, ratio, arc] :
             {std::tuple(0, 0, 2, 0.5, 2.0), std::tuple(1, 1, 0, 1.0, 0.01),
              std::tuple(3, 2, 2, 0.0, 6.3), std::tuple(2, 300, 9, 0.5, 0.2),
              std::tuple(97, 41, 400, 1.0, 3.2), std::tuple(60, 60, 2, 0.0, 0.2)}) {
            ShapeSpec spec;
            spec.kind = TShapeKind(kind);
            spec.width = w;
            spec.height = kind == bkArc ? arcHeight(w, arc, ratio).value_or(h) : h;
            spec.depth = depth;
            spec.peaks = 3;
            spec.radiusRatio = ratio;
            spec.arcAngle = arc;
            const Outlines o = shapeOutlines(spec);
            const QRectF box = pathOf(o).boundingRect();
            EXPECT_TRUE(box.isEmpty() || QRectF(-0.5, -0.5, w + 1, spec.height + 1).contains(box))
                << kind << " " << w << "x" << h;
            const QSize size = turnedSize(w, spec.height, 450);
            const Regions r = buildRegions(turned(o, w, spec.height, 450), size, depth,
                                           thickness(spec), true, true);
            EXPECT_EQ(r.mask.size(), size);
        }
    }
}

TEST(ButtonShapes, StringRegionIsCheckedAgainstItsBytes) {
    const QRegion shape = QRegion(0, 0, 30, 10) + QRegion(0, 10, 10, 20);
    const std::string text = encodeStringRegion(shape);
    EXPECT_EQ(decodeStringRegion(text), shape);
    EXPECT_EQ(decodeStringRegion(text + "x"), shape);  // a lone last character is no byte
    // Bytes as themselves with any second character, or "!" and the byte + 128.
    std::string plain = text;
    for (size_t i = 0; i + 1 < plain.size(); i += 2)
        if (plain[i] != '!') plain[i + 1] = 'z';
    EXPECT_EQ(decodeStringRegion(plain), shape);
    const auto broken = [&](size_t byte, uint8_t value) {
        std::string t = text;
        t[2 * byte] = '!';
        t[2 * byte + 1] = char(value + 128);
        return decodeStringRegion(t);
    };
    EXPECT_EQ(broken(0, 31), std::nullopt);  // header size
    EXPECT_EQ(broken(4, 2), std::nullopt);   // not a rectangle list
    EXPECT_EQ(broken(8, 3), std::nullopt);   // more rectangles than bytes
    EXPECT_EQ(broken(11, 0x80), std::nullopt);
    EXPECT_EQ(decodeStringRegion(text.substr(0, text.size() - 2)), std::nullopt);
    EXPECT_EQ(decodeStringRegion(""), std::nullopt);
}
