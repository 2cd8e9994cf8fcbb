#include "skin.h"

#include <QPainterPath>
#include <cstdio>
#include <stdexcept>

namespace disc {

namespace {

void paintBody(QPainter& p, const ScreenSpec& s, int left) {
    QRectF body(left, 0, s.size.width() - left, s.size.height());
    art::paintGradient(p, body, QColor(16, 74, 60), QColor(5, 30, 25));
    art::paintPattern(p, body, QColor(212, 175, 55, 26), 64);
    qreal band = std::max(14.0, s.size.width() / 48.0);
    art::paintFrame(p, body.adjusted(6, 6, -6, -6), band);
    qreal titleHeight = std::min(84.0, s.size.height() * 0.14);
    QRectF title = s.titleBox.isEmpty() ? QRectF(body.left() + band + 24, band + 14,
                                                 body.width() - 2 * band - 48, titleHeight)
                                        : s.titleBox;
    art::paintTitle(p, title, s.titleArabic, s.titleEnglish);
}

}  // namespace

void standardBackground(QPainter& p, const ScreenSpec& screen) {
    paintBody(p, screen, 0);
}

void starFieldBackground(QPainter& p, const ScreenSpec& screen) {
    p.fillRect(QRect(0, 0, art::kStarFieldWidth, screen.size.height()), art::kStarField);
    paintBody(p, screen, art::kStarFieldWidth);
}

void readerBody(QPainter& p, const QRectF& body) {
    art::paintGradient(p, body, QColor(16, 74, 60), QColor(5, 30, 25));
    art::paintPattern(p, body, QColor(212, 175, 55, 26), 64);
    p.setPen(QPen(art::kGold, 2));
    p.setBrush(Qt::NoBrush);
    p.drawRect(body.adjusted(4, 4, -4, -4));
}

void readerGround(QPainter& p, const QPainterPath& body) {
    p.save();
    p.setClipPath(body);
    art::paintGradient(p, body.boundingRect(), QColor(16, 74, 60), QColor(5, 30, 25));
    art::paintPattern(p, body.boundingRect(), QColor(212, 175, 55, 26), 64);
    p.restore();
}

void readerBody(QPainter& p, const QPainterPath& body) {
    readerGround(p, body);
    QPainterPathStroker edge;
    edge.setWidth(8);
    edge.setJoinStyle(Qt::MiterJoin);
    p.setPen(QPen(art::kGold, 2));
    p.setBrush(Qt::NoBrush);
    p.drawPath(body.subtracted(edge.createStroke(body)).simplified());
}

QPainterPath steppedBody(QSizeF size, qreal topLeft, qreal step, qreal left) {
    const qreal w = size.width(), h = size.height();
    QPainterPath body;
    body.addPolygon(QPolygonF(
        {{topLeft, 0}, {w, 0}, {w, h}, {left, h}, {left, step}, {topLeft, step}, {topLeft, 0}}));
    return body;
}

std::string layoutText(const ScreenSpec& screen) {
    std::string text =
        "[main]\r\nButtonsCount=" + std::to_string(screen.buttons.size()) + "\r\n\r\n[BUTTONS]\r\n";
    for (size_t i = 0; i < screen.buttons.size(); ++i) {
        char line[40];
        const QRect& r = screen.buttons[i].rect;
        std::snprintf(line, sizeof line, "b%zu=%03d, %03d\r\n", i + 1, r.left(), r.top());
        text += line;
    }
    return text;
}

void checkLayout(const ScreenSpec& screen) {
    QRect area(QPoint(0, 0), screen.size);
    for (size_t i = 0; i < screen.buttons.size(); ++i) {
        const QRect& r = screen.buttons[i].rect;
        auto fail = [&](const std::string& why) {
            throw std::logic_error(screen.folder + " button " + std::to_string(i + 1) + ": " + why);
        };
        if (!area.contains(r)) fail("lies outside the screen");
        if (r.left() > 999 || r.top() > 999) fail("position needs more than three digits");
        for (size_t j = 0; j < i; ++j)
            if (screen.buttons[j].rect.intersects(r))
                fail("overlaps button " + std::to_string(j + 1));
        for (const QRect& control : screen.controls)
            if (control.intersects(r)) fail("lies over a control of the screen");
        for (const QRect& star : screen.stars)
            if (star.intersects(r)) fail("lies over a star");
    }
}

QImage renderBackground(const ScreenSpec& screen) {
    QImage img(screen.size, QImage::Format_RGB32);
    img.fill(Qt::black);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    if (screen.paint)
        screen.paint(p, screen);
    else
        standardBackground(p, screen);
    return img;
}

std::string screenFolder(const ScreenSpec& screen) {
    return kGraphic + screen.folder + "\\" +
           (screen.perLanguage ? std::to_string(screen.language) + "\\" : "");
}

QImage writeScreen(DiscWriter& out, const ScreenSpec& screen) {
    checkLayout(screen);
    const std::string folder = screenFolder(screen);
    QImage background = renderBackground(screen);
    out.writeJpeg(folder + screen.folder + ".jpg", background, 90);
    out.write(folder + screen.folder + ".ini", layoutText(screen));
    const std::pair<const char*, art::ButtonState> states[] = {{"up", art::ButtonState::Up},
                                                               {"focus", art::ButtonState::Focus},
                                                               {"down", art::ButtonState::Down}};
    for (size_t i = 0; i < screen.buttons.size(); ++i) {
        const ButtonSpec& b = screen.buttons[i];
        QImage under = background.copy(b.rect);
        char name[24];
        std::snprintf(name, sizeof name, "%02zu", i + 1);
        for (const auto& [state, look] : states) {
            QImage picture = art::buttonPicture(under, b.arabic, b.english, b.icon, look);
            out.writeJpeg(folder + "buttons\\" + state + "\\" + name + ".jpg", picture, 92);
        }
    }
    return background;
}

}  // namespace disc
