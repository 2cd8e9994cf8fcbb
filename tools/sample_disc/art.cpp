#include "art.h"

#include <QFontMetricsF>
#include <QLinearGradient>
#include <QRadialGradient>
#include <cmath>

namespace disc::art {

namespace {

constexpr qreal kPi = 3.14159265358979323846;
constexpr qreal kSmallestPx = 7;

QFont makeFont(const QString& family, qreal px, int weight) {
    QFont f(family);
    f.setPixelSize(std::max(1, static_cast<int>(std::lround(px))));
    f.setWeight(static_cast<QFont::Weight>(weight));
    f.setHintingPreference(QFont::PreferNoHinting);
    f.setStyleStrategy(QFont::PreferAntialias);
    return f;
}

// Ink bounds of `text` in `font`, relative to the baseline origin. The outline
// of the shaped text counts the marks above and below Arabic letters, which the
// font metrics leave out.
QRectF inkBounds(const QFont& font, const QString& text) {
    QPainterPath path;
    path.addText(0, 0, font, text);
    return path.boundingRect();
}

void drawStarOrnament(QPainter& p, QPointF c, qreal r, const QColor& fill, const QColor& centre) {
    p.setPen(Qt::NoPen);
    p.setBrush(fill);
    p.drawPath(starPath(c, r));
    p.setBrush(centre);
    p.drawPath(starPath(c, r * 0.45, 8, 0.765, 22.5));
}

}  // namespace

QPainterPath starPath(QPointF centre, qreal radius, int points, qreal inner, qreal rotationDeg) {
    QPainterPath path;
    for (int i = 0; i < points * 2; ++i) {
        qreal a = (rotationDeg - 90 + i * 180.0 / points) * kPi / 180;
        qreal r = (i % 2 == 0) ? radius : radius * inner;
        QPointF pt(centre.x() + r * std::cos(a), centre.y() + r * std::sin(a));
        if (i == 0)
            path.moveTo(pt);
        else
            path.lineTo(pt);
    }
    path.closeSubpath();
    return path;
}

void paintGradient(QPainter& p, const QRectF& box, const QColor& top, const QColor& bottom) {
    QLinearGradient g(box.topLeft(), box.bottomLeft());
    g.setColorAt(0, top);
    g.setColorAt(1, bottom);
    p.fillRect(box, g);
}

void paintPattern(QPainter& p, const QRectF& box, const QColor& lines, qreal cell) {
    p.save();
    p.setClipRect(box, Qt::IntersectClip);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(lines, 1));
    p.setBrush(Qt::NoBrush);
    for (qreal y = box.top(); y < box.bottom() + cell; y += cell) {
        for (qreal x = box.left(); x < box.right() + cell; x += cell) {
            p.drawPath(starPath(QPointF(x, y), cell * 0.36));
            p.drawPath(starPath(QPointF(x + cell / 2, y + cell / 2), cell * 0.16, 8, 0.6));
        }
    }
    p.restore();
}

void paintFrame(QPainter& p, const QRectF& outer, qreal band) {
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    QRectF inner = outer.adjusted(band, band, -band, -band);
    QPainterPath ring;
    ring.addRect(outer);
    ring.addRect(inner);
    ring.setFillRule(Qt::OddEvenFill);
    p.fillPath(ring, QColor(6, 30, 25));
    // the chain of small stars along the band
    p.save();
    p.setClipPath(ring);
    qreal step = band * 1.25;
    qreal r = band * 0.3;
    auto chain = [&](QPointF from, QPointF to) {
        qreal len = std::hypot(to.x() - from.x(), to.y() - from.y());
        int n = std::max(1, static_cast<int>(len / step));
        for (int i = 0; i <= n; ++i) {
            QPointF c = from + (to - from) * (static_cast<qreal>(i) / n);
            p.setPen(Qt::NoPen);
            p.setBrush(i % 2 ? kGoldDark : kGold);
            p.drawPath(starPath(c, i % 2 ? r * 0.6 : r));
        }
    };
    qreal h = band / 2;
    chain(outer.topLeft() + QPointF(h, h), outer.topRight() + QPointF(-h, h));
    chain(outer.bottomLeft() + QPointF(h, -h), outer.bottomRight() + QPointF(-h, -h));
    chain(outer.topLeft() + QPointF(h, h), outer.bottomLeft() + QPointF(h, -h));
    chain(outer.topRight() + QPointF(-h, h), outer.bottomRight() + QPointF(-h, -h));
    p.restore();
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(kGold, 2));
    p.drawRect(outer.adjusted(1, 1, -1, -1));
    p.setPen(QPen(kGoldLight, 1));
    p.drawRect(outer.adjusted(4, 4, -4, -4));
    p.setPen(QPen(kGold, 2));
    p.drawRect(inner);
    p.setPen(QPen(kGoldDark, 1));
    p.drawRect(inner.adjusted(3, 3, -3, -3));
    for (QPointF c : {outer.topLeft() + QPointF(h, h), outer.topRight() + QPointF(-h, h),
                      outer.bottomLeft() + QPointF(h, -h), outer.bottomRight() + QPointF(-h, -h)})
        drawStarOrnament(p, c, band * 0.9, kGold, QColor(120, 20, 20));
    p.restore();
}

void paintPanel(QPainter& p, const QRectF& box, const QColor& fill, const QColor& border,
                qreal radius) {
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(0, 0, 0, 90), 3));
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(box.translated(2, 2), radius, radius);
    p.setPen(QPen(border, 2));
    p.setBrush(fill);
    p.drawRoundedRect(box, radius, radius);
    p.setPen(QPen(QColor(border.red(), border.green(), border.blue(), 110), 1));
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(box.adjusted(4, 4, -4, -4), radius * 0.6, radius * 0.6);
    p.restore();
}

QFont fitFont(const QString& family, const QString& text, const QSizeF& box, qreal maxPx,
              int weight) {
    for (qreal px = maxPx; px > kSmallestPx; px -= 0.5) {
        QFont f = makeFont(family, px, weight);
        QRectF ink = inkBounds(f, text);
        if (QFontMetricsF(f).horizontalAdvance(text) <= box.width() && ink.height() <= box.height())
            return f;
    }
    return makeFont(family, kSmallestPx, weight);
}

bool drawFitted(QPainter& p, const QRectF& box, const QString& text, const QString& family,
                qreal maxPx, const QColor& colour, int weight, int align, bool shadow) {
    if (text.isEmpty()) return true;
    QFont f = fitFont(family, text, box.size(), maxPx, weight);
    QFontMetricsF fm(f);
    QRectF ink = inkBounds(f, text);
    qreal advance = fm.horizontalAdvance(text);
    if (advance > box.width() + 0.5 || ink.height() > box.height() + 1) return false;
    qreal x = box.left() + (box.width() - advance) / 2;
    if (align & Qt::AlignRight) x = box.right() - advance;
    if (align & Qt::AlignLeft) x = box.left();
    qreal y = box.center().y() - (ink.top() + ink.bottom()) / 2;
    p.save();
    p.setRenderHint(QPainter::TextAntialiasing);
    p.setFont(f);
    if (shadow) {
        p.setPen(QColor(0, 0, 0, 170));
        p.drawText(QPointF(x + 1.5, y + 1.5), text);
    }
    p.setPen(colour);
    p.drawText(QPointF(x, y), text);
    p.restore();
    return true;
}

void drawCaption(QPainter& p, const QRectF& box, const QString& arabic, const QString& english,
                 int align) {
    qreal arHeight = box.height() * 0.6;
    drawFitted(p, QRectF(box.left(), box.top(), box.width(), arHeight), arabic, kArabicFont,
               arHeight, kGoldLight, QFont::Bold, align);
    drawFitted(p, QRectF(box.left(), box.top() + arHeight, box.width(), box.height() - arHeight),
               english, kLatinFont, (box.height() - arHeight) * 0.9, kCream, QFont::Normal, align);
}

void paintTitle(QPainter& p, const QRectF& box, const QString& arabic, const QString& english) {
    qreal arHeight = english.isEmpty() ? box.height() : box.height() * 0.64;
    QRectF arBox(box.left(), box.top(), box.width(), arHeight);
    QRectF enBox(box.left(), box.top() + arHeight, box.width(), box.height() - arHeight);
    QFont af = fitFont(kArabicTitleFont, arabic, arBox.size() * 0.92, arHeight, QFont::Bold);
    qreal textWidth = QFontMetricsF(af).horizontalAdvance(arabic);
    drawFitted(p, arBox, arabic, kArabicTitleFont, af.pixelSize(), kGoldLight, QFont::Bold,
               Qt::AlignCenter, true);
    drawFitted(p, enBox, english, kLatinTitleFont, enBox.height() * 0.8, kCream, QFont::Normal,
               Qt::AlignCenter, true);
    // ornamental rules on both sides of the Arabic line
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    qreal y = arBox.center().y();
    qreal gap = textWidth / 2 + 18;
    qreal len = std::min(box.width() / 2 - gap - 10, 160.0);
    if (len > 20) {
        for (int side : {-1, 1}) {
            QPointF a(box.center().x() + side * gap, y), b(a.x() + side * len, y);
            p.setPen(QPen(kGold, 1.5));
            p.drawLine(a, b);
            p.setPen(QPen(kGoldDark, 1));
            p.drawLine(a + QPointF(0, 4), b + QPointF(-side * 20, 4));
            p.setPen(Qt::NoPen);
            p.setBrush(kGold);
            p.drawPath(starPath(a, 6));
            p.drawPath(starPath(b, 4, 4, 0.4));
        }
    }
    p.restore();
}

QImage starPicture(int size, qreal scale) {
    QImage img(size, size, QImage::Format_RGB32);
    img.fill(kStarField);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    QPointF c(size / 2.0, size / 2.0);
    qreal r = size * 0.48 * scale;
    QRadialGradient glow(c, r * 1.1);
    glow.setColorAt(0, QColor(255, 240, 190, 120));
    glow.setColorAt(1, QColor(255, 240, 190, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(glow);
    p.drawEllipse(c, r * 1.1, r * 1.1);
    QRadialGradient body(c, r);
    body.setColorAt(0, QColor(255, 250, 225));
    body.setColorAt(0.35, kGoldLight);
    body.setColorAt(1, kGold);
    p.setBrush(body);
    p.drawPath(starPath(c, r, 8, 0.42));
    p.setBrush(QColor(255, 255, 240));
    p.drawPath(starPath(c, r * 0.35, 4, 0.35, 45));
    return img;
}

void paintIcon(QPainter& p, Icon icon, const QRectF& box, const QColor& colour) {
    if (icon == Icon::None) return;
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    qreal s = std::min(box.width(), box.height());
    QRectF b(box.center().x() - s / 2, box.center().y() - s / 2, s, s);
    QPointF c = b.center();
    QPen pen(colour, std::max(1.5, s / 9), Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
    p.setPen(Qt::NoPen);
    p.setBrush(colour);
    auto tri = [&](bool right, qreal dx) {
        qreal h = s * 0.36;
        QPolygonF t;
        if (right)
            t << QPointF(c.x() - h * 0.8 + dx, c.y() - h) << QPointF(c.x() + h * 0.9 + dx, c.y())
              << QPointF(c.x() - h * 0.8 + dx, c.y() + h);
        else
            t << QPointF(c.x() + h * 0.8 + dx, c.y() - h) << QPointF(c.x() - h * 0.9 + dx, c.y())
              << QPointF(c.x() + h * 0.8 + dx, c.y() + h);
        p.drawPolygon(t);
    };
    switch (icon) {
        case Icon::Play:
            tri(false, 0);  // right to left: play points the way the text runs
            break;
        case Icon::Pause:
            p.drawRect(QRectF(c.x() - s * 0.3, c.y() - s * 0.34, s * 0.2, s * 0.68));
            p.drawRect(QRectF(c.x() + s * 0.1, c.y() - s * 0.34, s * 0.2, s * 0.68));
            break;
        case Icon::Stop:
            p.drawRect(QRectF(c.x() - s * 0.3, c.y() - s * 0.3, s * 0.6, s * 0.6));
            break;
        case Icon::Next:
            tri(false, -s * 0.12);
            tri(false, s * 0.18);
            break;
        case Icon::Previous:
            tri(true, s * 0.12);
            tri(true, -s * 0.18);
            break;
        case Icon::Search:
            p.setPen(pen);
            p.setBrush(Qt::NoBrush);
            p.drawEllipse(QPointF(c.x() - s * 0.08, c.y() - s * 0.08), s * 0.24, s * 0.24);
            p.drawLine(QPointF(c.x() + s * 0.1, c.y() + s * 0.1),
                       QPointF(c.x() + s * 0.34, c.y() + s * 0.34));
            break;
        case Icon::Photo: {
            p.setPen(pen);
            p.setBrush(Qt::NoBrush);
            QRectF f(c.x() - s * 0.38, c.y() - s * 0.28, s * 0.76, s * 0.56);
            p.drawRect(f);
            p.setPen(Qt::NoPen);
            p.setBrush(colour);
            QPolygonF m;
            m << QPointF(f.left() + 2, f.bottom() - 2)
              << QPointF(f.left() + s * 0.25, f.top() + s * 0.22)
              << QPointF(f.left() + s * 0.45, f.bottom() - 2);
            p.drawPolygon(m);
            p.drawEllipse(QPointF(f.right() - s * 0.17, f.top() + s * 0.16), s * 0.07, s * 0.07);
            break;
        }
        case Icon::Remark: {
            QPolygonF m;
            m << QPointF(c.x() - s * 0.25, c.y() - s * 0.38)
              << QPointF(c.x() + s * 0.25, c.y() - s * 0.38)
              << QPointF(c.x() + s * 0.25, c.y() + s * 0.38) << QPointF(c.x(), c.y() + s * 0.18)
              << QPointF(c.x() - s * 0.25, c.y() + s * 0.38);
            p.drawPolygon(m);
            break;
        }
        case Icon::Close:
        case Icon::Exit:
            p.setPen(pen);
            p.drawLine(QPointF(c.x() - s * 0.28, c.y() - s * 0.28),
                       QPointF(c.x() + s * 0.28, c.y() + s * 0.28));
            p.drawLine(QPointF(c.x() + s * 0.28, c.y() - s * 0.28),
                       QPointF(c.x() - s * 0.28, c.y() + s * 0.28));
            break;
        case Icon::Minimise:
            p.drawRect(QRectF(c.x() - s * 0.32, c.y() + s * 0.16, s * 0.64, s * 0.14));
            break;
        case Icon::Home: {
            QPolygonF roof;
            roof << QPointF(c.x() - s * 0.4, c.y()) << QPointF(c.x(), c.y() - s * 0.38)
                 << QPointF(c.x() + s * 0.4, c.y());
            p.drawPolygon(roof);
            p.drawRect(QRectF(c.x() - s * 0.26, c.y(), s * 0.52, s * 0.34));
            break;
        }
        case Icon::Save:
            p.setPen(pen);
            p.setBrush(Qt::NoBrush);
            p.drawPolyline(QPolygonF() << QPointF(c.x() - s * 0.3, c.y())
                                       << QPointF(c.x() - s * 0.08, c.y() + s * 0.24)
                                       << QPointF(c.x() + s * 0.32, c.y() - s * 0.24));
            break;
        case Icon::Repeat:
            p.setPen(pen);
            p.setBrush(Qt::NoBrush);
            {
                p.drawArc(QRectF(c.x() - s * 0.3, c.y() - s * 0.3, s * 0.6, s * 0.6), 60 * 16,
                          270 * 16);
                // the arrowhead at the arc's open end, pointing along it
                QPointF tip(c.x() + s * 0.3 * std::cos(kPi / 3),
                            c.y() - s * 0.3 * std::sin(kPi / 3));
                p.setPen(Qt::NoPen);
                p.setBrush(colour);
                p.drawPolygon(QPolygonF() << tip + QPointF(-s * 0.2, -s * 0.05)
                                          << tip + QPointF(s * 0.08, -s * 0.2)
                                          << tip + QPointF(s * 0.1, s * 0.12));
                break;
            }
        case Icon::None:
            break;
    }
    p.restore();
}

QImage buttonPicture(const QImage& under, const QString& arabic, const QString& english, Icon icon,
                     ButtonState state) {
    QImage img = under.convertToFormat(QImage::Format_RGB32);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    QRectF r = QRectF(img.rect()).adjusted(1.5, 1.5, -1.5, -1.5);
    qreal radius = std::min(10.0, std::min(r.width(), r.height()) / 4);
    QColor top, bottom, rim, text, small;
    qreal rimWidth = 1.5;
    QPointF shift(0, 0);
    switch (state) {
        case ButtonState::Up:
            top = QColor(30, 104, 86);
            bottom = QColor(12, 56, 46);
            rim = QColor(176, 146, 74);
            text = kCream;
            small = QColor(226, 216, 182);
            break;
        case ButtonState::Focus:
            top = QColor(64, 160, 130);
            bottom = QColor(26, 108, 86);
            rim = QColor(255, 214, 90);
            text = Qt::white;
            small = QColor(255, 236, 170);
            rimWidth = 3;
            break;
        case ButtonState::Down:
            top = QColor(6, 34, 28);
            bottom = QColor(18, 66, 54);
            rim = QColor(201, 164, 62);
            text = QColor(255, 226, 140);
            small = QColor(214, 190, 120);
            rimWidth = 2;
            shift = QPointF(1.5, 1.5);
            break;
    }
    if (state == ButtonState::Focus) {
        p.setPen(QPen(QColor(255, 220, 110, 90), 5));
        p.setBrush(Qt::NoBrush);
        p.drawRoundedRect(r.adjusted(1, 1, -1, -1), radius, radius);
    }
    QLinearGradient g(r.topLeft(), r.bottomLeft());
    g.setColorAt(0, top);
    g.setColorAt(1, bottom);
    p.setBrush(g);
    p.setPen(QPen(rim, rimWidth));
    QRectF face = r.adjusted(rimWidth / 2, rimWidth / 2, -rimWidth / 2, -rimWidth / 2);
    p.drawRoundedRect(face, radius, radius);
    if (state == ButtonState::Down) {  // inner shadow along the top and left edges
        p.setPen(QPen(QColor(0, 0, 0, 140), 3));
        p.setBrush(Qt::NoBrush);
        p.setClipRect(face.adjusted(0, 0, -face.width() / 3, -face.height() / 3));
        p.drawRoundedRect(face.adjusted(2, 2, 0, 0), radius, radius);
        p.setClipping(false);
    } else if (face.height() > 24 && face.width() > 24) {  // a thin inner rule
        p.setPen(QPen(QColor(rim.red(), rim.green(), rim.blue(), 90), 1));
        p.setBrush(Qt::NoBrush);
        p.drawRoundedRect(face.adjusted(3, 3, -3, -3), radius * 0.7, radius * 0.7);
    }
    qreal pad = std::min(12.0, face.width() / 12);
    QRectF c = face.adjusted(pad, 3, -pad, -3).translated(shift);
    bool hasText = !arabic.isEmpty() || !english.isEmpty();
    if (icon != Icon::None) {
        qreal iconHeight = hasText ? c.height() * (c.height() > 44 ? 0.4 : 0.46) : c.height();
        paintIcon(p, icon, QRectF(c.left(), c.top(), c.width(), iconHeight), text);
        c.setTop(c.top() + iconHeight);
    }
    if (!arabic.isEmpty() && !english.isEmpty() && c.height() < 34 &&
        c.width() > 2.5 * c.height()) {
        // a low, wide button: both lines side by side, Arabic on the right,
        // sharing the width in proportion to their natural lengths
        qreal arPx = std::min(22.0, c.height() * 0.85), enPx = std::min(14.0, c.height() * 0.6);
        qreal arWidth =
            QFontMetricsF(makeFont(kArabicFont, arPx, QFont::Bold)).horizontalAdvance(arabic);
        qreal enWidth =
            QFontMetricsF(makeFont(kLatinFont, enPx, QFont::Normal)).horizontalAdvance(english);
        const qreal gap = 8;
        qreal share = (c.width() - gap) * arWidth / (arWidth + enWidth);
        drawFitted(p, QRectF(c.right() - share, c.top(), share, c.height()), arabic, kArabicFont,
                   arPx, text, QFont::Bold, Qt::AlignCenter, state != ButtonState::Down);
        drawFitted(p, QRectF(c.left(), c.top(), c.width() - share - gap, c.height()), english,
                   kLatinFont, enPx, small);
    } else if (!arabic.isEmpty() && !english.isEmpty()) {
        qreal arHeight = c.height() * 0.6;
        drawFitted(p, QRectF(c.left(), c.top(), c.width(), arHeight), arabic, kArabicFont,
                   std::min(28.0, arHeight * 0.8), text, QFont::Bold, Qt::AlignCenter,
                   state != ButtonState::Down);
        drawFitted(p, QRectF(c.left(), c.top() + arHeight, c.width(), c.height() - arHeight),
                   english, kLatinFont, std::min(14.0, (c.height() - arHeight) * 0.72), small);
    } else if (!arabic.isEmpty()) {
        drawFitted(p, c, arabic, kArabicFont, std::min(28.0, c.height() * 0.75), text, QFont::Bold);
    } else if (!english.isEmpty()) {
        drawFitted(p, c, english, kLatinFont, std::min(14.0, c.height() * 0.75), small);
    }
    return img;
}

}  // namespace disc::art
