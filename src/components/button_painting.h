// Painting of the shaped button's face picture: the colour rules (lighter,
// darker, the band colours), the linear and circular gradients, the state
// picture, the caption and the 3D bands. No widgets: everything is drawn
// into an image from a description of the look and the state.
#pragma once

#include <QColor>
#include <QFont>
#include <QImage>
#include <QString>
#include <vector>

#include "components/button_shapes.h"

namespace ButtonPaint {

/// The button face and button shadow colours of the desktop.
inline const QColor clBtnFace{240, 240, 240};
inline const QColor clBtnShadow{160, 160, 160};
/// No colour: a face left unfilled, a caption not drawn.
inline const QColor clNone{};

/// Each of red, green and blue 32 lighter (224 and above become 255).
QRgb lighter(QRgb c);
/// Each of red, green and blue 32 darker (below 32 becomes 0).
QRgb darker(QRgb c);
/// Red + green + blue; the outline turns dark from BrightnessThreshold on.
int brightness(QRgb c);
constexpr int BrightnessThreshold = 361;
/// `c` made lighter `steps` times (darker for negative steps).
QRgb shade(QRgb c, int steps);
/// The RGB value of a colour; clNone has every bit set, which reads as white.
QRgb rgbOf(const QColor& c);

/// How a colour is changed for one part of the face: shaded by `base` (1 when
/// disabled), then by `band` (+1 on the lit side, -1 on the shaded side).
struct Tone {
    int base = 0, band = 0;
    QRgb apply(QRgb c) const { return shade(shade(c, base), band); }
};

/// The colours of the bands for face colour `face`.
struct BandColors {
    QRgb face, highlight, shadow, innerLight, innerDark, outline;
    Tone faceTone, highlightTone, shadowTone;
};
BandColors bandColors(QRgb face, bool pressed, bool enabled);

/// A gradient from `c1` to `c2`, or along a row of `picture` when it has a width.
struct Gradient {
    TShapeGradientKind kind = gkNone;
    int angle = 450;
    QRgb c1 = 0, c2 = 0;
    QImage picture;
    int pictureLine = 0;
};

/// The steps of a gradient over a w by h picture: N, and the step (0..N) of
/// every pixel, row by row.
struct GradientField {
    int n = 0;
    std::vector<uint16_t> step;
};
GradientField gradientField(const Gradient& g, int w, int h);
/// Step colour k of N, toned (for a picture: shaded 2 more steps when the
/// tone's base is set).
QRgb stepColor(const Gradient& g, int k, int n, Tone tone);
/// The N + 1 step colours, opaque.
std::vector<QRgb> stepColors(const Gradient& g, int n, Tone tone);
/// `target` filled with the gradient.
void fillGradient(QImage& target, const Gradient& g, Tone tone);

/// Placement of a picture or caption box of size `box` in the face of size
/// `face`, by alignment, the band width and the offsets used without alignment.
QPoint place(QSize face, QSize box, TShapeHAlign h, TShapeVAlign v, int depth, QPoint offset);

/// Everything the face is drawn from.
struct FaceLook {
    QColor color = clBtnFace;
    TShape3DKind kind3D = dk3D;
    Gradient gradient;  // c1 and c2 are taken from color and color1
    QColor color1 = clBtnShadow;
    bool customDraw = false;
    int depth = 2;

    QString caption;
    QFont font;
    QColor fontColor = Qt::black;
    TShapeCaption3dKind captionKind = ckSimple;
    int captionAngle = 0;
    TShapeHAlign captionH = haCenter;
    TShapeVAlign captionV = vaCenter;
    QPoint captionOffset{5, 5};

    TShapeHAlign bitmapH = haLeft;
    TShapeVAlign bitmapV = vaTop;
    QPoint bitmapOffset{5, 5};
    bool transparent = false;
};

/// The state the face is drawn in.
struct FaceState {
    bool pressed = false, inside = false, enabled = true, focused = false;
    friend bool operator==(const FaceState&, const FaceState&) = default;
};

/// One frame of a state picture strip.
struct StateFrame {
    QImage strip;  // 32 bits per pixel
    int glyphs = 1, frame = 0;
};

/// Draws the caption (up to three passes by the caption kind).
void drawCaption(QImage& face, const FaceLook& look, const FaceState& state);
/// Draws frame `frame` of the strip.
void drawStatePicture(QImage& face, const FaceLook& look, const StateFrame& picture);

/// Renders the whole face picture: fill, state picture and caption, bands and
/// outlines. `face` is resized to the regions' size.
void renderFace(QImage& face, const FaceLook& look, const FaceState& state,
                const StateFrame& picture, const ButtonShapes::Regions& regions);

}  // namespace ButtonPaint
