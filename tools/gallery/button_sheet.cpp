// The shaped button sheets: one row per shape kind, each cell a button drawn
// in one look and state, clipped to its shape over a plain backdrop.
#include "button_sheet.h"

#include <QDir>
#include <QEnterEvent>
#include <QGuiApplication>
#include <QPainter>
#include <cstdio>
#include <functional>
#include <vector>

#include "components/shaped_button.h"

namespace {

constexpr int CellW = 84, CellH = 64, LabelW = 96, HeadH = 40, Gap = 8;
const QColor Backdrop(52, 64, 80), Ink(235, 235, 235);

const char* const ShapeNames[ShapeKindCount] = {
    "bkRect",   "bkRoundRect", "bkElliptic", "bkPoly",   "bkPolyStar",
    "bkArc",    "bkDonut",     "bkUser",     "bkArrow",  "bkArrow1",
    "bkArrow2", "bkCross",     "bkCutRect",  "bkCross1", "bkOval"};
const char* const KindNames[Shape3DKindCount] = {
    "dk3D",       "dkFlatten",         "dk3dsimple", "dkFlattenSimple",
    "dk3dBorder", "dk3dBorderFlatten", "dkNone"};

/// A column of a sheet: its heading and how its button is set up.
struct Column {
    QString title;
    std::function<void(TShapedButton&)> setUp;
};

/// An L-shaped user region with a notch, so that bkUser differs from bkRect.
QRegion userRegion() {
    return QRegion(0, 0, 64, 20) + QRegion(0, 20, 24, 24) + QRegion(40, 20, 24, 24);
}

/// A rainbow strip for the gradient picture.
QImage rainbow() {
    QImage strip(64, 2, QImage::Format_RGB32);
    for (int x = 0; x < strip.width(); ++x)
        for (int y = 0; y < strip.height(); ++y)
            strip.setPixel(x, y, QColor::fromHsv(x * 300 / 64, 200, 240).rgb());
    return strip;
}

void baseLook(TShapedButton& b, TShapeKind kind) {
    b.SetButtonKind(kind);
    b.SetButtonWidth(64);
    b.SetButtonHeight(kind == bkArc ? 40 : 44);
    b.SetButtonDepth(3);
    b.SetButtonColor(QColor(86, 140, 210));
    b.SetFontColor(Qt::white);
    b.SetStringButtonRegion(ButtonShapes::encodeStringRegion(userRegion()));
    QFont font("DejaVu Sans");
    font.setPixelSize(12);
    font.setBold(true);
    b.setFont(font);
}

/// Draws one button, set up by `column`, centred in the cell at `cell`.
void drawCell(QPainter& p, QRect cell, TShapeKind kind, const Column& column) {
    TShapedButton b;
    baseLook(b, kind);
    column.setUp(b);
    const QImage& face = b.FacePicture();
    const QPoint at = cell.center() - QPoint(face.width() / 2, face.height() / 2);
    p.save();
    p.setClipRegion(b.ShapeRegion().translated(at));
    p.drawImage(at, face);
    p.restore();
}

void hover(TShapedButton& b) {
    QEnterEvent enter(QPointF(1, 1), QPointF(1, 1), QPointF(1, 1));
    QCoreApplication::sendEvent(&b, &enter);
}

QImage sheet(const QString& title, const std::vector<Column>& columns) {
    QImage img(LabelW + int(columns.size()) * CellW + Gap, HeadH + ShapeKindCount * CellH + Gap,
               QImage::Format_RGB32);
    img.fill(Backdrop);
    QPainter p(&img);
    QFont font("DejaVu Sans");
    font.setPixelSize(11);
    p.setFont(font);
    p.setPen(Ink);
    p.drawText(QRect(Gap, 0, LabelW, HeadH), Qt::AlignVCenter | Qt::TextWordWrap, title);
    for (size_t c = 0; c < columns.size(); ++c)
        p.drawText(QRect(LabelW + int(c) * CellW, 0, CellW, HeadH),
                   Qt::AlignCenter | Qt::TextWordWrap, columns[c].title);
    for (int k = 0; k < ShapeKindCount; ++k) {
        const int y = HeadH + k * CellH;
        p.setPen(Ink);
        p.drawText(QRect(Gap, y, LabelW, CellH), Qt::AlignVCenter, ShapeNames[k]);
        for (size_t c = 0; c < columns.size(); ++c)
            drawCell(p, QRect(LabelW + int(c) * CellW, y, CellW, CellH), TShapeKind(k), columns[c]);
    }
    return img;
}

/// Every 3D kind in the four states.
std::vector<Column> kindColumns() {
    const std::pair<const char*, std::function<void(TShapedButton&)>> states[] = {
        {"normal", [](TShapedButton&) {}},
        {"hovered", hover},
        {"pressed",
         [](TShapedButton& b) {
             hover(b);
             b.setDown(true);
         }},
        {"disabled", [](TShapedButton& b) { b.setEnabled(false); }}};
    std::vector<Column> columns;
    for (int kind = 0; kind < Shape3DKindCount; ++kind)
        for (const auto& [state, apply] : states)
            columns.push_back(
                {QString("%1\n%2").arg(KindNames[kind], state), [kind, apply](TShapedButton& b) {
                     b.SetButton3DKind(TShape3DKind(kind));
                     b.SetCaption("&Ok");
                     apply(b);
                 }});
    return columns;
}

/// Turned shapes, gradients, caption kinds and the focus outline.
std::vector<Column> turnedColumns() {
    std::vector<Column> columns;
    for (int angle : {300, 450, 900, 1350, -600}) {
        columns.push_back(
            {QString("turned %1\ncaption fixed").arg(angle / 10.0), [angle](TShapedButton& b) {
                 b.SetCaption("Ab");
                 b.SetCaptionFixed(true);
                 b.SetButtonAngle(angle);
             }});
    }
    const auto gradient = [](TShapeGradientKind kind, int angle, bool fixed, int turn) {
        return [=](TShapedButton& b) {
            b.SetButtonColor(QColor(253, 215, 62));
            b.SetButtonColor1(Qt::red);
            b.SetGradientKind(kind);
            b.SetGradientAngle(angle);
            b.SetGradientFixed(fixed);
            b.SetButtonAngle(turn);
        };
    };
    columns.push_back({"linear\n45", gradient(gkLinear, 450, false, 0)});
    columns.push_back({"linear 0\nturned 30", gradient(gkLinear, 0, true, 300)});
    columns.push_back({"linear 135", gradient(gkLinear, 1350, false, 0)});
    columns.push_back({"linear -90", gradient(gkLinear, -900, false, 0)});
    columns.push_back({"circular", gradient(gkCircular, 450, false, 0)});
    columns.push_back({"circular\ndisabled", [gradient](TShapedButton& b) {
                           gradient(gkCircular, 450, false, 0)(b);
                           b.setEnabled(false);
                       }});
    columns.push_back({"gradient\npicture", [](TShapedButton& b) {
                           b.SetGradientKind(gkLinear);
                           b.SetGradientAngle(900);
                           b.SetGradientBitmap(rainbow());
                       }});
    const auto caption = [](TShapeCaption3dKind kind) {
        return [kind](TShapedButton& b) {
            b.SetButtonColor(QColor(200, 200, 200));
            b.SetFontColor(QColor(40, 40, 40));
            b.SetCaption("Ab");
            b.SetCaption3dKind(kind);
        };
    };
    columns.push_back({"embossed", caption(ckEmbossed)});
    columns.push_back({"pressed\ncaption", caption(ckPressed)});
    columns.push_back({"focus\noutline", [](TShapedButton& b) {
                           b.SetButton3DKind(dk3dBorder);
                           b.SetButtonDepth(2);
                           b.setDefault(true);
                       }});
    columns.push_back({"no face\ncolour", [](TShapedButton& b) {
                           b.SetButtonColor(ButtonPaint::clNone);
                           b.SetCaption("Ab");
                       }});
    return columns;
}

}  // namespace

int writeButtonSheets(const QString& outDir) {
    if (!QDir().mkpath(outDir)) {
        std::fprintf(stderr, "cannot create %s\n", qPrintable(outDir));
        return 1;
    }
    const std::pair<QString, QImage> sheets[] = {
        {"buttons-kinds.png", sheet("3D kinds and states", kindColumns())},
        {"buttons-turned.png", sheet("turned, gradients, captions", turnedColumns())}};
    int failed = 0;
    for (const auto& [name, img] : sheets) {
        const QString path = outDir + "/" + name;
        if (!img.save(path)) {
            std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
            ++failed;
        }
    }
    std::printf("%d button sheets written to %s\n", int(std::size(sheets)) - failed,
                qPrintable(outDir));
    return failed ? 1 : 0;
}
