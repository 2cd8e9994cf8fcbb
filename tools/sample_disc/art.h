// The drawing kit of the sample disc: the product's colours, ornaments,
// fitted text and the three pictures of a button. Everything draws into
// QImages and may run on any thread.
#pragma once

#include <QColor>
#include <QFont>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QString>

namespace disc::art {

inline const QColor kGold{212, 175, 55};
inline const QColor kGoldLight{243, 217, 139};
inline const QColor kGoldDark{140, 109, 31};
inline const QColor kGreenDeep{8, 44, 36};
inline const QColor kGreen{22, 92, 72};
inline const QColor kCream{247, 239, 216};
inline const QColor kInk{38, 30, 22};

/// The flat colour of the strip along the left edge of the section screens,
/// where the stars sit; the star pictures are drawn on it.
inline const QColor kStarField{9, 40, 34};
/// Width of that strip in pixels of an 800 by 600 screen.
constexpr int kStarFieldWidth = 236;

inline const QString kArabicTitleFont = "Amiri";
inline const QString kArabicFont = "Noto Naskh Arabic";
inline const QString kLatinFont = "DejaVu Sans";
inline const QString kLatinTitleFont = "DejaVu Serif";

/// A star polygon of `points` points, alternate corners at `inner` * radius.
QPainterPath starPath(QPointF centre, qreal radius, int points = 8, qreal inner = 0.765,
                      qreal rotationDeg = 0);

/// A vertical two-colour gradient over `box`.
void paintGradient(QPainter& p, const QRectF& box, const QColor& top, const QColor& bottom);

/// A faint lattice of eight-pointed stars over `box`.
void paintPattern(QPainter& p, const QRectF& box, const QColor& lines, qreal cell);

/// An ornamental frame: gold rules around a dark band of small stars, with
/// rosettes in the corners. The band lies inside `outer` and is `band` wide.
void paintFrame(QPainter& p, const QRectF& outer, qreal band);

/// A framed inset box (text areas, option panels).
void paintPanel(QPainter& p, const QRectF& box, const QColor& fill, const QColor& border,
                qreal radius = 8);

/// The largest font of `family` up to `maxPx` pixels in which `text` fits `box` on one line.
QFont fitFont(const QString& family, const QString& text, const QSizeF& box, qreal maxPx,
              int weight = QFont::Normal);

/// Draws one line of text fitted into `box`; returns false (and draws nothing)
/// when even the smallest readable size does not fit.
bool drawFitted(QPainter& p, const QRectF& box, const QString& text, const QString& family,
                qreal maxPx, const QColor& colour, int weight = QFont::Normal,
                int align = Qt::AlignCenter, bool shadow = false);

/// A caption: the Arabic line in light gold over the English line in cream,
/// the Arabic taking 60% of `box`.
void drawCaption(QPainter& p, const QRectF& box, const QString& arabic, const QString& english,
                 int align = Qt::AlignCenter);

/// A title: the Arabic line large in gold, the English line smaller under it,
/// with ornamental rules on both sides.
void paintTitle(QPainter& p, const QRectF& box, const QString& arabic, const QString& english);

/// A star picture of `size` pixels square on the star field; `scale` (0..1)
/// is the star's size relative to the full star.
QImage starPicture(int size, qreal scale);

/// Small pictograms drawn on buttons.
enum class Icon {
    None,
    Play,
    Pause,
    Stop,
    Search,
    Photo,
    Remark,
    Next,
    Previous,
    Close,
    Minimise,
    Home,
    Exit,
    Save,
    Repeat
};
void paintIcon(QPainter& p, Icon icon, const QRectF& box, const QColor& colour);

enum class ButtonState { Up, Focus, Down };

/// A button picture drawn over `under` (the background where the button
/// lies): up is calm, focus bright with a gold rim, down dark and pressed in.
QImage buttonPicture(const QImage& under, const QString& arabic, const QString& english, Icon icon,
                     ButtonState state);

}  // namespace disc::art
