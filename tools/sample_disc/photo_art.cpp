#include "photo_art.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <cmath>
#include <random>

#include "art.h"

namespace disc {

namespace {

constexpr qreal kPi = 3.14159265358979323846;

struct Palette {
    QColor zenith, horizon, light, land;
};

Palette palette(PhotoLook::Sky sky) {
    switch (sky) {
        case PhotoLook::Dawn:
            return {QColor(52, 62, 128), QColor(250, 176, 128), QColor(255, 226, 170),
                    QColor(72, 52, 70)};
        case PhotoLook::Day:
            return {QColor(38, 108, 196), QColor(186, 222, 242), QColor(255, 252, 230),
                    QColor(176, 140, 86)};
        case PhotoLook::Dusk:
            return {QColor(58, 30, 92), QColor(246, 122, 62), QColor(255, 190, 110),
                    QColor(60, 28, 40)};
        case PhotoLook::Night:
            break;
    }
    return {QColor(4, 10, 34), QColor(34, 56, 104), QColor(246, 242, 214), QColor(10, 16, 30)};
}

QColor mixColour(const QColor& a, const QColor& b, qreal t) {
    return QColor::fromRgbF(a.redF() + (b.redF() - a.redF()) * t,
                            a.greenF() + (b.greenF() - a.greenF()) * t,
                            a.blueF() + (b.blueF() - a.blueF()) * t);
}

qreal uniform(std::mt19937& rng, qreal lo, qreal hi) {
    return std::uniform_real_distribution<qreal>(lo, hi)(rng);
}

void paintSky(QPainter& p, const QSizeF& size, qreal horizon, const PhotoLook& look,
              const Palette& c, std::mt19937& rng) {
    art::paintGradient(p, QRectF(0, 0, size.width(), horizon + 2), c.zenith, c.horizon);
    p.setPen(Qt::NoPen);
    if (look.sky == PhotoLook::Night) {
        for (int i = 0; i < 160; ++i) {
            QPointF at(uniform(rng, 0, size.width()), uniform(rng, 0, horizon * 0.9));
            p.setBrush(QColor(255, 255, 240, static_cast<int>(uniform(rng, 70, 255))));
            qreal r = uniform(rng, 0.6, 1.8);
            p.drawEllipse(at, r, r);
        }
        QPointF moon(uniform(rng, 0.15, 0.85) * size.width(), horizon * uniform(rng, 0.2, 0.4));
        QRadialGradient glow(moon, 90);
        glow.setColorAt(0, QColor(246, 242, 214, 70));
        glow.setColorAt(1, QColor(246, 242, 214, 0));
        p.setBrush(glow);
        p.drawEllipse(moon, 90, 90);
        QPainterPath crescent;
        crescent.addEllipse(moon, 34, 34);
        QPainterPath bite;
        bite.addEllipse(moon + QPointF(15, -9), 30, 30);
        p.setBrush(c.light);
        p.drawPath(crescent.subtracted(bite));
        return;
    }
    qreal high = look.sky == PhotoLook::Day ? 0.3 : 0.82;
    QPointF sun(uniform(rng, 0.2, 0.8) * size.width(), horizon * (high + uniform(rng, -0.1, 0.1)));
    QRadialGradient glow(sun, 220);
    glow.setColorAt(0, QColor(c.light.red(), c.light.green(), c.light.blue(), 170));
    glow.setColorAt(1, QColor(c.light.red(), c.light.green(), c.light.blue(), 0));
    p.setBrush(glow);
    p.drawEllipse(sun, 220, 220);
    p.setBrush(c.light);
    p.drawEllipse(sun, 38, 38);
    for (int i = 0; i < 5; ++i) {  // soft clouds
        QPointF at(uniform(rng, 0, size.width()), uniform(rng, 0.1, 0.6) * horizon);
        p.setBrush(QColor(255, 255, 255, look.sky == PhotoLook::Day ? 120 : 60));
        for (int k = 0; k < 4; ++k)
            p.drawEllipse(at + QPointF(k * 34 - 50, (k % 2) * -10), 46 - k * 4, 18 + (k % 2) * 6);
    }
}

// The outline of a band of land: y at each x, from shapes chosen by the kind.
QPainterPath landShape(PhotoLook::Land land, const QSizeF& size, qreal base, qreal height,
                       std::mt19937& rng) {
    QPainterPath path(QPointF(0, size.height()));
    const int steps = 48;
    qreal phase1 = uniform(rng, 0, 2 * kPi), phase2 = uniform(rng, 0, 2 * kPi);
    qreal waves = uniform(rng, 1.2, 2.6);
    std::vector<qreal> jag(steps + 1);
    for (qreal& j : jag) j = uniform(rng, 0, 1);
    for (int i = 0; i <= steps; ++i) {
        qreal t = static_cast<qreal>(i) / steps, x = t * size.width(), y = base;
        switch (land) {
            case PhotoLook::Dunes:
                y -= height * (0.5 + 0.5 * std::sin(t * waves * 2 * kPi + phase1)) *
                     (0.7 + 0.3 * std::sin(t * 5 + phase2));
                break;
            case PhotoLook::Mountains:
                y -= height * (0.45 + 0.35 * std::sin(t * waves * kPi + phase1) + 0.3 * jag[i]);
                break;
            case PhotoLook::Sea:
                y -= height * 0.12 * (1 + std::sin(t * 7 + phase1));
                break;
            case PhotoLook::Hills:
                y -= height * (0.55 + 0.3 * std::sin(t * waves * 2 * kPi + phase1) +
                               0.15 * std::sin(t * 11 + phase2));
                break;
        }
        path.lineTo(x, y);
    }
    path.lineTo(size.width(), size.height());
    path.closeSubpath();
    return path;
}

QColor landColour(PhotoLook::Land land, const Palette& c) {
    switch (land) {
        case PhotoLook::Dunes:
            return mixColour(c.land, QColor(214, 168, 96), 0.45);
        case PhotoLook::Mountains:
            return mixColour(c.land, QColor(90, 84, 100), 0.4);
        case PhotoLook::Sea:
            return mixColour(c.land, QColor(30, 80, 120), 0.6);
        case PhotoLook::Hills:
            break;
    }
    return mixColour(c.land, QColor(60, 120, 60), 0.5);
}

void paintMosque(QPainter& p, QPointF foot, qreal scale, const QColor& colour,
                 const QColor& windows, std::mt19937& rng) {
    p.save();
    p.translate(foot);
    p.scale(scale, scale);
    p.setPen(Qt::NoPen);
    p.setBrush(colour);
    const qreal w = uniform(rng, 150, 210);
    p.drawRect(QRectF(-w / 2, -70, w, 70));                             // hall
    p.drawEllipse(QRectF(-w * 0.3, -70 - w * 0.42, w * 0.6, w * 0.7));  // dome
    p.drawRect(QRectF(-2, -70 - w * 0.5, 4, 24));                       // finial
    p.setBrush(windows);
    QPainterPath moon;
    moon.addEllipse(QPointF(0, -76 - w * 0.5), 7, 7);
    QPainterPath bite;
    bite.addEllipse(QPointF(3, -78 - w * 0.5), 6, 6);
    p.drawPath(moon.subtracted(bite));
    p.setBrush(colour);
    for (int side : {-1, 1})  // small side domes
        p.drawEllipse(QPointF(side * w * 0.36, -70), w * 0.12, w * 0.12);
    const int minarets = std::uniform_int_distribution<int>(1, 2)(rng);
    for (int m = 0; m < minarets; ++m) {
        for (int side : {-1, 1}) {
            if (minarets == 1 && side < 0 && rng() % 2) continue;
            qreal x = side * (w / 2 + 16 + m * 34), h = uniform(rng, 150, 210) - m * 30;
            p.drawRect(QRectF(x - 7, -h, 14, h));
            p.drawRect(QRectF(x - 11, -h * 0.72, 22, 6));  // balcony
            QPolygonF cap;
            cap << QPointF(x - 8, -h) << QPointF(x, -h - 26) << QPointF(x + 8, -h);
            p.drawPolygon(cap);
        }
    }
    p.setBrush(windows);  // lit arches along the hall
    for (qreal x = -w / 2 + 16; x < w / 2 - 12; x += 22) {
        QPainterPath arch;
        arch.moveTo(x, -14);
        arch.lineTo(x, -38);
        arch.quadTo(x + 6, -50, x + 12, -38);
        arch.lineTo(x + 12, -14);
        arch.closeSubpath();
        p.drawPath(arch);
    }
    p.restore();
}

void paintPalm(QPainter& p, QPointF foot, qreal h, qreal lean, const QColor& colour) {
    p.save();
    QPointF top = foot + QPointF(lean, -h);
    QPainterPath trunk;
    trunk.moveTo(foot + QPointF(-6, 0));
    trunk.quadTo(foot + QPointF(lean * 0.2 - 4, -h * 0.5), top + QPointF(-2, 0));
    trunk.lineTo(top + QPointF(2, 0));
    trunk.quadTo(foot + QPointF(lean * 0.2 + 4, -h * 0.5), foot + QPointF(6, 0));
    trunk.closeSubpath();
    p.setPen(Qt::NoPen);
    p.setBrush(colour);
    p.drawPath(trunk);
    for (int k = 0; k < 7; ++k) {  // fronds
        qreal a = (-170 + k * 27) * kPi / 180, len = h * 0.42;
        QPointF tip = top + QPointF(std::cos(a) * len, std::sin(a) * len * 0.6 + len * 0.3);
        QPainterPath frond;
        frond.moveTo(top);
        frond.quadTo(top + (tip - top) * 0.5 + QPointF(0, -len * 0.25), tip);
        frond.quadTo(top + (tip - top) * 0.5 + QPointF(0, -len * 0.08), top);
        p.drawPath(frond);
    }
    p.restore();
}

// A dark arcade in the foreground, the scene seen through its pointed arches.
void paintArcade(QPainter& p, const QSizeF& size, const QColor& colour, std::mt19937& rng) {
    const int arches = std::uniform_int_distribution<int>(2, 3)(rng);
    const qreal pillar = 34, span = (size.width() - pillar * (arches + 1)) / arches;
    QPainterPath wall;
    wall.addRect(QRectF(QPointF(0, 0), size));
    for (int i = 0; i < arches; ++i) {
        qreal left = pillar + i * (span + pillar), spring = size.height() * 0.42;
        QPainterPath opening;
        opening.moveTo(left, size.height());
        opening.lineTo(left, spring);
        opening.quadTo(left, spring - span * 0.55, left + span / 2, spring - span * 0.75);
        opening.quadTo(left + span, spring - span * 0.55, left + span, spring);
        opening.lineTo(left + span, size.height());
        opening.closeSubpath();
        wall = wall.subtracted(opening);
    }
    p.setPen(Qt::NoPen);
    p.setBrush(colour);
    p.drawPath(wall);
    p.setPen(QPen(QColor(212, 175, 55, 150), 3));
    p.setBrush(Qt::NoBrush);
    p.drawPath(wall);
}

void paintBadge(QPainter& p, const QSizeF& size, int number, const QString& label) {
    QRectF box(size.width() - 150, size.height() - 78, 132, 60);
    art::paintPanel(p, box, QColor(8, 44, 36, 215), art::kGold, 10);
    art::drawFitted(p, box.adjusted(8, 4, -8, -22), QString::number(number), art::kLatinTitleFont,
                    34, art::kGoldLight, QFont::Bold);
    art::drawFitted(p, box.adjusted(8, 38, -8, -4), label, art::kLatinFont, 13, art::kCream);
}

}  // namespace

PhotoLook photoLook(int n) {
    const int k = n - 1;
    return {static_cast<PhotoLook::Sky>(k % 4), static_cast<PhotoLook::Land>((k / 4 + k) % 4),
            static_cast<PhotoLook::Subject>((k / 16 + k) % 3)};
}

QImage scenePhoto(const PhotoLook& look, unsigned seed, int number, const QString& label,
                  QSize size) {
    std::mt19937 rng(seed * 2654435761u + 12345u);
    Palette c = palette(look.sky);
    const int turn = std::uniform_int_distribution<int>(-24, 24)(rng);  // each photo its own tint
    for (QColor* colour : {&c.zenith, &c.horizon, &c.land})
        *colour = QColor::fromHsv((colour->hsvHue() + turn + 360) % 360, colour->hsvSaturation(),
                                  colour->value());
    QImage img(size, QImage::Format_RGB32);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    const QSizeF s(size);
    const qreal horizon = s.height() * uniform(rng, 0.55, 0.68);
    paintSky(p, s, horizon, look, c, rng);
    const QColor near = landColour(look.land, c);
    const bool sea = look.land == PhotoLook::Sea;
    // far, middle and near bands of land, hazier with distance; by the sea
    // only a low far shore, then the water
    for (int band = 0; band < (sea ? 1 : 3); ++band) {
        qreal t = band / 2.0;
        qreal base = horizon + band * (s.height() - horizon) * 0.28;
        qreal height = s.height() * (sea ? 0.08 : 0.16 - band * 0.04);
        p.setPen(Qt::NoPen);
        p.setBrush(mixColour(mixColour(c.horizon, near, 0.45), near.darker(100 + band * 30), t));
        p.drawPath(landShape(sea ? PhotoLook::Hills : look.land, s, base, height, rng));
        if (sea) {  // water with the light's reflection
            art::paintGradient(p, QRectF(0, horizon, s.width(), s.height() - horizon),
                               mixColour(c.horizon, near, 0.5), near.darker(150));
            p.setBrush(QColor(c.light.red(), c.light.green(), c.light.blue(), 90));
            for (int i = 0; i < 40; ++i) {
                qreal y = horizon + 4 + i * (s.height() - horizon) / 40;
                qreal w = 30 + i * 4 * uniform(rng, 0.5, 1.5);
                p.drawRect(QRectF(s.width() / 2 - w / 2 + uniform(rng, -60, 60), y, w, 2));
            }
        }
        if (band == 0 && look.subject == PhotoLook::Mosque) {
            const bool day = look.sky == PhotoLook::Day;
            paintMosque(p, QPointF(s.width() * uniform(rng, 0.3, 0.7), horizon + (sea ? 2 : 30)),
                        uniform(rng, 0.9, 1.3), day ? QColor(236, 228, 210) : c.land.darker(160),
                        day ? QColor(90, 120, 140) : QColor(255, 214, 120), rng);
        }
    }
    const QColor shadow = c.land.darker(200);
    if (look.subject == PhotoLook::Palms) {
        const int palms = std::uniform_int_distribution<int>(2, 4)(rng);
        for (int i = 0; i < palms; ++i)
            paintPalm(p, QPointF(uniform(rng, 0.05, 0.95) * s.width(), s.height() + 4),
                      uniform(rng, 0.45, 0.8) * s.height(), uniform(rng, -60, 60), shadow);
    }
    if (look.subject == PhotoLook::Arcade) {
        const QColor stones[3] = {shadow, QColor(92, 70, 52), QColor(16, 66, 60)};
        paintArcade(p, s, stones[seed % 3], rng);
    }
    paintBadge(p, s, number, label);
    return img;
}

QImage supplicationBackdrop(QSize size) {
    QImage img(size, QImage::Format_RGB32);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    QRectF all(QPointF(0, 0), QSizeF(size));
    QRadialGradient g(all.center(), size.width() / 2.0);
    g.setColorAt(0, QColor(26, 104, 84));
    g.setColorAt(1, QColor(4, 28, 24));
    p.fillRect(all, g);
    art::paintPattern(p, all, QColor(212, 175, 55, 40), 50);
    const QPointF c = all.center();
    const qreal r = size.width() * 0.3;
    p.setPen(Qt::NoPen);
    p.setBrush(art::kGold);
    p.drawPath(art::starPath(c, r, 8, 0.765));
    p.setBrush(QColor(10, 56, 46));
    p.drawPath(art::starPath(c, r * 0.78, 8, 0.765, 22.5));
    art::drawFitted(p, QRectF(c.x() - r * 0.5, c.y() - r * 0.4, r, r * 0.5),
                    QString::fromUtf8("الأدعية"), art::kArabicTitleFont, 60, art::kGoldLight,
                    QFont::Bold, Qt::AlignCenter, true);
    art::drawFitted(p, QRectF(c.x() - r * 0.45, c.y() + r * 0.14, r * 0.9, r * 0.2),
                    "Supplications", art::kLatinTitleFont, 24, art::kCream);
    return img;
}

}  // namespace disc
