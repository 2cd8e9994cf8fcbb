// Drawing helpers shared by the transition effects: rectangles as left, top,
// right, bottom; stretched and unscaled copies between 32-bit images; and an
// oriented view (mirrored and/or transposed) so that one routine serves an
// effect and its mirror images for the other sides and corners.
#pragma once

#include <QImage>
#include <QPointF>
#include <QRect>
#include <vector>

class QPainterPath;

namespace TransitionEffects {

/// A rectangle given by left, top, right and bottom; right and bottom are
/// exclusive, so the width is r - l.
struct Box {
    int l = 0, t = 0, r = 0, b = 0;
    bool empty() const { return r <= l || b <= t; }
    friend bool operator==(const Box&, const Box&) = default;
};

/// Stretched copy with nearest-neighbour sampling (no smoothing), the plain
/// copy raster operation: the source box `src` of `source` fills the box `dst`
/// of `target`, limited to `clip` and to the target. Destination pixel i,
/// counted from the box's left edge, takes source column
/// src.l + (2i + 1) * srcWidth / (2 * dstWidth), rounded down; rows likewise.
/// Source positions outside the picture take its nearest edge pixel. Equal
/// sizes give an unscaled copy. Both images must have 32 bits per pixel;
/// `source` may share its data with `target` (it is then a snapshot).
void stretchCopy(QImage& target, Box dst, const QImage& source, Box src, Box clip);
void stretchCopy(QImage& target, Box dst, const QImage& source, Box src);

/// Unscaled copy of box `box` of `source` to the same place of `target`.
void copySame(QImage& target, const QImage& source, Box box);

/// One frame being drawn: the screen holding the old image, the new image of
/// the same size and format, and the shared sizes of the effect parameters.
struct Frame {
    Frame(QImage& screen, const QImage& image, const QRect& r, int progress, int step);
    /// False when there is nothing to draw (empty picture or bad progress).
    bool valid() const { return ok; }

    QImage& screen;
    const QImage& image;
    int W = 0, H = 0, X = 0, Y = 0, S = 0;
    int progress = 0, step = 0;

  private:
    QImage converted_;
    bool ok = false;
};

/// Orientation flags of a view: mirror left-right, mirror top-bottom (both in
/// the view's own coordinates), then swap the axes.
enum Orient : int { Plain = 0, FX = 1, FY = 2, TR = 4 };

/// A view of a frame in which the effect is written for one side ("from the
/// left", "from the top left"); the orientation maps it to the side asked for.
/// W, H, X and Y are those of the view (swapped when transposed).
class Canvas {
  public:
    Canvas(Frame& frame, int orient);

    /// Maps a box or a point of the view to the picture.
    Box map(Box b) const;
    QPointF map(QPointF p) const;

    /// Stretched copy of the new image's box `src` to the screen box `dst`.
    void copy(Box dst, Box src) const;
    /// The same, limited to `clip`.
    void copy(Box dst, Box src, Box clip) const;
    /// Stretched copy of box `src` of `old` (a snapshot of the screen).
    void copyFrom(const QImage& old, Box dst, Box src) const;
    /// Copies the new image's box to the same place.
    void reveal(Box b) const;
    /// Reveals every box of the list.
    void revealAll(const std::vector<Box>& boxes) const;

    /// The whole view (0, 0, W, H).
    Box full() const { return {0, 0, W, H}; }

    Frame& f;
    const int orient;
    const int W, H, X, Y, S, P;
};

/// Fills `path` (in picture coordinates) with the new image, no antialiasing.
void fillPath(Frame& f, const QPainterPath& path);

}  // namespace TransitionEffects
