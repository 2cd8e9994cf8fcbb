// Shapes of the shaped button: the outline polygons of every shape kind, the
// turn about a point, and the regions cut from the turned outline (the
// window region, the highlight and shadow bands, the inner border pair, the
// second outline and the focus outline). Plain geometry, no widgets.
#pragma once

#include <QImage>
#include <QPainterPath>
#include <QPolygonF>
#include <QRegion>
#include <QSize>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// The enumerations have a fixed type, so that any stored integer is a value
// of them and the setters can refuse the ones out of range.

/// Shape kinds, in the order of their stored values.
enum TShapeKind : int {
    bkRect,
    bkRoundRect,
    bkElliptic,
    bkPoly,
    bkPolyStar,
    bkArc,
    bkDonut,
    bkUser,
    bkArrow,
    bkArrow1,
    bkArrow2,
    bkCross,
    bkCutRect,
    bkCross1,
    bkOval
};
constexpr int ShapeKindCount = bkOval + 1;

/// Which 3D bands are drawn, and whether only while the pointer is over the button.
enum TShape3DKind : int {
    dk3D,
    dkFlatten,
    dk3dsimple,
    dkFlattenSimple,
    dk3dBorder,
    dk3dBorderFlatten,
    dkNone
};
constexpr int Shape3DKindCount = dkNone + 1;

enum TShapeHAlign : int { haLeft, haCenter, haRight, haNone };
enum TShapeVAlign : int { vaTop, vaCenter, vaBottom, vaNone };
enum TShapeGradientKind : int { gkNone, gkLinear, gkCircular };
enum TShapeCaption3dKind : int { ckSimple, ckEmbossed, ckPressed };

namespace ButtonShapes {

/// The largest width or height of a button: the program's largest screen is
/// 1024 by 768, and the face picture of a turned button grows with the
/// square of its size.
constexpr int MaxSize = 1024;
/// The most corners a bkPoly (points a bkPolyStar) may have.
constexpr int MaxPeaks = 1000;

/// One closed polygon of a shape. Outlines run clockwise on the screen and
/// holes counter-clockwise (normalised() makes them so), so that the material
/// of the button always lies to the right of an edge.
struct Outline {
    QPolygonF points;
    bool hole = false;
};
using Outlines = std::vector<Outline>;

/// What a shape is built from.
struct ShapeParams {
    TShapeKind kind = bkRect;
    int width = 0, height = 0, depth = 2, peaks = 6;
    double radiusRatio = 0.5, arcAngle = 2.0943951023932;
    /// The region of bkUser in unturned button coordinates; empty for the rectangle.
    QRegion userRegion;
};

/// The height a bkArc of `width` gives itself; nullopt when the arc is too
/// narrow to be drawn (it is then the rectangle). At most MaxSize.
std::optional<int> arcHeight(int width, double arcAngle, double radiusRatio);

/// The outline polygons of the unturned shape, in (0..width, 0..height),
/// normalised. Degenerate sizes give fewer polygons or none.
Outlines shapeOutlines(const ShapeParams& params);

/// The boundary polygons of a region (outer outlines and holes), normalised.
Outlines regionOutlines(const QRegion& region);

/// Drops repeated points, polygons of fewer than three points or no area,
/// and sets the direction of each polygon by whether it is a hole.
Outlines normalised(Outlines outlines);

/// The bounding box of a width by height rectangle turned by `angle` tenths
/// of a degree, each side rounded to the nearest pixel.
QSize turnedSize(int width, int height, int angle);

/// Turns `outlines` by `angle` tenths of a degree (counter-clockwise on the
/// screen) and places them so that the middle of the width by height
/// rectangle lands in the middle of turnedSize(). A turn about any other
/// point differs only by where the control stands, not by its picture.
Outlines turned(const Outlines& outlines, int width, int height, int angle);

/// Where `point` of the unturned shape lands under turned().
QPointF turnedPoint(QPointF point, int width, int height, int angle);

/// Each polygon moved inward (into the material: holes grow) by `distance`,
/// every edge parallel to itself. Point i of the result belongs to point i of
/// the input. Sharp corners are cut at three times the distance.
Outlines inset(const Outlines& outlines, double distance);

/// A ring between an outline and its inset, cut into one quadrilateral per
/// edge: the lit side (edges facing up or left) and the shaded side.
struct Ring {
    QPainterPath lit, shaded;
};
Ring ring(const Outlines& outer, const Outlines& inner);

/// Which side of a ring each pixel of a picture lies on: 0 outside the ring,
/// then Lit or Shaded (the shaded side wins where the pieces overlap).
enum RingSide : uint8_t { Off, Lit, Shaded };
std::vector<uint8_t> ringMap(const Ring& ring, QSize size);

/// All outlines as one path (odd-even fill).
QPainterPath pathOf(const Outlines& outlines);

/// `path` filled without smoothing into a mask of `size` (0 or 255 per pixel).
QImage rasterise(const QPainterPath& path, QSize size);
/// The pixels of `mask` as a region.
QRegion regionOf(const QImage& mask);
/// The pixels of `mask` that touch a pixel outside it: a one-pixel frame.
std::vector<QPoint> framePixels(const QImage& mask);

/// Everything a button draws and clips with, for a turned outline.
struct Regions {
    QSize size;
    QImage mask;                            // the shape's pixels
    QRegion window;                         // the same, as the window region and hit area
    std::vector<uint8_t> bands, innerPair;  // RingSide per pixel, row by row; empty for none
    std::vector<QPoint> outline, secondOutline, focusOutline;
};

/// How thick the material of a shape is: its shorter side, the width of
/// the ring of bkDonut and bkArc.
int thickness(const ShapeParams& params);

/// Builds the regions of `outlines` (turned, in a picture of `size`). The
/// band width `depth` is limited to a quarter of the `material` thickness so
/// that the insets from either side never cross; with `bands` false only the
/// window region and the outline are built.
Regions buildRegions(const Outlines& outlines, QSize size, int depth, int material, bool borderKind,
                     bool bands);

/// Decodes a text-encoded region record (two characters per byte: "!" and
/// the byte plus 128, or the byte and any character). nullopt when the record
/// is not a rectangle list whose header agrees with the bytes present.
std::optional<QRegion> decodeStringRegion(std::string_view text);
/// Encodes a region the same way (for tools and tests).
std::string encodeStringRegion(const QRegion& region);

}  // namespace ButtonShapes
