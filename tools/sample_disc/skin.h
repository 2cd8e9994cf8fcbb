// Skin screens of the sample disc: a table entry per screen gives its folder,
// size, title and buttons; writeScreen() turns it into the background
// picture, the layout file and the up, focus and down picture of every button.
#pragma once

#include <QPainter>
#include <QRect>
#include <QRectF>
#include <QSize>
#include <QString>
#include <functional>
#include <string>
#include <vector>

#include "art.h"
#include "disc_writer.h"

namespace disc {

struct ButtonSpec {
    QString arabic;   ///< what the button does, in Arabic
    QString english;  ///< the same in a small English line
    QRect rect;       ///< position and size on the screen
    art::Icon icon = art::Icon::None;
};

struct ScreenSpec {
    std::string folder;  ///< screen folder and base name of its files ("main")
    QSize size;          ///< background picture size, also the area the buttons must lie in
    QString titleArabic;
    QString titleEnglish;
    std::vector<ButtonSpec> buttons;
    /// Where the title goes; empty for the top of the screen.
    QRectF titleBox;
    /// Draws the background; standardBackground() when empty.
    std::function<void(QPainter&, const ScreenSpec&)> paint;
    /// Where the program places its own controls; no button may lie there.
    std::vector<QRect> controls;
    /// Where the program places its star pictures, which are drawn on the
    /// star field (art::kStarField); no button may lie there either.
    std::vector<QRect> stars;
    /// Whether the screen has a folder per interface language (graphic\<folder>\1\).
    bool perLanguage = true;
    /// The interface language whose folder it goes into.
    int language = 1;
};

/// The usual background: dark gradient, faint star lattice, ornamental frame
/// and the title at the top.
void standardBackground(QPainter& p, const ScreenSpec& screen);

/// The same with the flat star field along the left edge (section screens).
void starFieldBackground(QPainter& p, const ScreenSpec& screen);

/// The readers' look: the dark green body with the star lattice and a gold rule.
void readerBody(QPainter& p, const QRectF& body);

/// The body's ground alone (gradient and star lattice) within any outline.
void readerGround(QPainter& p, const QPainterPath& body);

/// The ground in any outline with the gold rule following it 4 pixels inside.
void readerBody(QPainter& p, const QPainterPath& body);

/// A body filling `size` right of `left`, except above `step`, where it
/// begins at `topLeft`: a wider star field keeps the stars along the top.
QPainterPath steppedBody(QSizeF size, qreal topLeft, qreal step, qreal left);

/// The layout file text: [main] ButtonsCount and [BUTTONS] b1.. as "LLL, TTT".
std::string layoutText(const ScreenSpec& screen);

/// Raises std::logic_error when a button lies outside the screen, overlaps
/// another button or a control, or has a coordinate that does not fit three digits.
void checkLayout(const ScreenSpec& screen);

/// Draws the background of a screen.
QImage renderBackground(const ScreenSpec& screen);

/// The folder of a screen's files, graphic\<folder>\<language>\, or
/// graphic\<folder>\ for a screen without language folders.
std::string screenFolder(const ScreenSpec& screen);

/// Writes into the screen's folder <folder>.jpg, <folder>.ini and
/// buttons\up|focus|down\NN.jpg; returns the background.
QImage writeScreen(DiscWriter& out, const ScreenSpec& screen);

}  // namespace disc
