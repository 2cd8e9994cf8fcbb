#include "quran_art.h"

#include <QFontMetricsF>
#include <QLinearGradient>
#include <QRadialGradient>
#include <cmath>
#include <random>

namespace disc {

namespace {

using art::Icon;

const QColor kPaper(252, 248, 236);
const QColor kPageInk(22, 20, 18);
const QColor kPageGreen(24, 86, 62);

// Words the page lines are made of: common Arabic words, not Quran text.
const std::vector<QString>& vocabulary() {
    static const std::vector<QString> words = [] {
        const char* list[] = {
            "الله",     "الذين",  "آمنوا",   "وعملوا",   "الصالحات", "في",      "من",    "على",
            "إن",       "ربك",    "هو",      "العليم",   "الحكيم",   "قال",     "يا",    "قوم",
            "ما",       "لكم",    "والأرض",  "السماوات", "خلق",      "الناس",   "يوم",   "رحمة",
            "هدى",      "كتاب",   "أنزلناه", "إليك",     "مبارك",    "آياته",   "أولو",  "الألباب",
            "والله",    "غفور",   "رحيم",    "بما",      "تعملون",   "بصير",    "عليهم", "وهم",
            "يعلمون",   "الحق",   "النور",   "ذلك",      "لقوم",     "يتفكرون", "وما",   "كانوا",
            "إلى",      "عن",     "لهم",     "فيها",     "خالدين",   "جنات",    "تجري",  "تحتها",
            "الأنهار",  "قل",     "أن",      "كل",       "شيء",      "قدير",    "ولقد",  "أرسلنا",
            "بالبينات", "واتقوا", "لعلكم",   "تفلحون",   "وإذ",      "بعد",     "ثم",    "إنه",
            "كان",      "به",     "الكتاب",  "والحكمة",  "سبيل",     "فإن",     "إنا",   "ولا"};
        std::vector<QString> out;
        for (const char* w : list) out.push_back(QString::fromUtf8(w));
        return out;
    }();
    return words;
}

QString arabicDigits(int n) {
    QString s = QString::number(n);
    for (QChar& c : s) c = QChar(0x0660 + c.digitValue());
    return s;
}

QFont pageFont(qreal px, bool bold = false) {
    QFont f(art::kArabicTitleFont);
    f.setPixelSize(static_cast<int>(px));
    f.setBold(bold);
    f.setHintingPreference(QFont::PreferNoHinting);
    return f;
}

// The number marker at the end of an aya: a ringed circle with the number.
void drawMarker(QPainter& p, QPointF c, int aya) {
    p.save();
    p.setPen(QPen(kPageGreen, 1.2));
    p.setBrush(QColor(238, 246, 236));
    p.drawEllipse(c, 9, 9);
    p.setPen(QPen(kPageGreen, 0.6));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(c, 7, 7);
    QString digits = arabicDigits(aya);
    QFont f = pageFont(digits.size() >= 3 ? 9 : digits.size() == 2 ? 11 : 12, true);
    QFontMetricsF fm(f);
    QRectF ink = fm.tightBoundingRect(digits);
    p.setFont(f);
    p.setPen(kPageInk);
    p.drawText(
        QPointF(c.x() - fm.horizontalAdvance(digits) / 2, c.y() - (ink.top() + ink.bottom()) / 2),
        digits);
    p.restore();
}

// Fills a segment from right to left with words spread to its width.
void drawWords(QPainter& p, const QRectF& box, const QFont& font, qreal baseline,
               std::mt19937& rng) {
    const auto& words = vocabulary();
    QFontMetricsF fm(font);
    const qreal gap = 4;
    std::vector<std::pair<QString, qreal>> chosen;
    qreal used = 0;
    for (int misses = 0; misses < 8;) {
        const QString& w = words[rng() % words.size()];
        qreal width = fm.horizontalAdvance(w);
        qreal need = width + (chosen.empty() ? 0 : gap);
        if (used + need <= box.width()) {
            chosen.push_back({w, width});
            used += need;
        } else {
            ++misses;
        }
    }
    if (chosen.empty()) return;
    qreal spread = chosen.size() > 1 ? (box.width() - used) / (chosen.size() - 1) : 0;
    qreal x = box.right();
    if (chosen.size() == 1) x = box.center().x() + chosen[0].second / 2;
    p.setFont(font);
    p.setPen(kPageInk);
    for (const auto& [w, width] : chosen) {
        p.drawText(QPointF(x - width, baseline), w);
        x -= width + gap + spread;
    }
}

void drawTitleLine(QPainter& p, const QRect& r, const SuraInfo& sura) {
    p.save();
    QRectF band = QRectF(r).adjusted(0, 1, 0, -1);
    p.setPen(QPen(kPageGreen, 1.2));
    p.setBrush(QColor(222, 238, 226));
    p.drawRect(band);
    p.setPen(QPen(art::kGoldDark, 0.8));
    p.setBrush(Qt::NoBrush);
    p.drawRect(band.adjusted(2.5, 2.5, -2.5, -2.5));
    p.setPen(Qt::NoPen);
    p.setBrush(kPageGreen);
    for (qreal x : {band.left() + 14, band.right() - 14})
        p.drawPath(art::starPath(QPointF(x, band.center().y()), 7));
    p.restore();
    art::drawFitted(p, band.adjusted(26, 2, -26, -2), QString::fromUtf8("سورة ") + sura.name,
                    art::kArabicTitleFont, 17, kPageInk, QFont::Bold);
}

void drawOpeningFrame(QPainter& p, const PageLayout& page) {
    QRectF block;
    for (const PageLine& l : page.lines) block = block.united(QRectF(l.rect));
    QRectF outer = block.adjusted(-10, -10, 10, 10);
    p.save();
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(226, 240, 230));
    p.drawRoundedRect(outer.adjusted(-14, -14, 14, 14), 18, 18);
    p.setBrush(kPaper);
    p.drawRoundedRect(outer, 10, 10);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(kPageGreen, 1.5));
    p.drawRoundedRect(outer, 10, 10);
    p.setPen(QPen(art::kGoldDark, 1));
    p.drawRoundedRect(outer.adjusted(-14, -14, 14, 14), 18, 18);
    p.setPen(Qt::NoPen);
    p.setBrush(kPageGreen);
    for (QPointF c : {outer.topLeft(), outer.topRight(), outer.bottomLeft(), outer.bottomRight()})
        p.drawPath(art::starPath(c, 9));
    p.restore();
}

}  // namespace

QImage renderPage(const PageLayout& page, const QuranStructure& quran) {
    QImage img(kPageWidth, kPageHeight, QImage::Format_RGB32);
    img.fill(kPaper);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    p.setPen(QPen(kPageGreen, 1.5));
    p.drawRect(QRectF(3.5, 3.5, kPageWidth - 7, kPageHeight - 7));
    p.setPen(QPen(art::kGold, 0.8));
    p.drawRect(QRectF(6.5, 6.5, kPageWidth - 13, kPageHeight - 13));
    if (page.page <= 2) drawOpeningFrame(p, page);

    const QFont font = pageFont(17);
    QRectF sample = QFontMetricsF(font).tightBoundingRect(QString::fromUtf8("الصالحات في الله"));
    const qreal lift = (sample.top() + sample.bottom()) / 2;
    for (const PageLine& line : page.lines) {
        if (line.kind == PageLine::SuraTitle) drawTitleLine(p, line.rect, quran.sura(line.sura));
        if (line.kind == PageLine::Basmala)
            art::drawFitted(p, QRectF(line.rect), QString::fromUtf8("بِسْمِ اللَّهِ الرَّحْمَٰنِ الرَّحِيمِ"),
                            art::kArabicTitleFont, 18, kPageInk);
    }
    std::mt19937 rng(static_cast<unsigned>(page.page) * 7919u);
    for (const AyaSegment& s : page.segments) {
        QRectF box(s.rect.left(), s.rect.top(), s.rect.width() + 1, s.rect.height());
        qreal baseline = box.center().y() - lift;
        QRectF words = box.adjusted(1, 0, -2, 0);
        if (s.ends) {
            drawMarker(p, QPointF(box.left() + 11, box.center().y()), s.aya);
            words.setLeft(box.left() + 23);
        }
        if (words.width() > 6) drawWords(p, words, font, baseline, rng);
    }
    art::drawFitted(p, QRectF(0, kPageHeight - 18, kPageWidth, 10), arabicDigits(page.page),
                    art::kArabicTitleFont, 11, kPageGreen);
    return img;
}

QImage pageFramePicture(const QRect& inner, const QColor& fill) {
    QImage img(kPagePanelRect.size(), QImage::Format_RGB32);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    QRectF all(img.rect());
    art::paintGradient(p, all, QColor(18, 80, 64), QColor(6, 34, 28));
    art::paintPattern(p, all, QColor(212, 175, 55, 40), 40);
    art::paintFrame(p, all.adjusted(2, 2, -2, -2), 14);
    QRectF page(inner);
    p.setPen(QPen(art::kGold, 2));
    p.setBrush(Qt::NoBrush);
    p.drawRect(page.adjusted(-4, -4, 4, 4));
    p.setPen(QPen(art::kGoldLight, 1));
    p.drawRect(page.adjusted(-7, -7, 7, 7));
    p.fillRect(page, fill);
    return img;
}

QImage suraTitlePicture(const QImage& readerBackground, const SuraInfo& sura) {
    QImage img = readerBackground.copy(kSuraTitleRect);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    QRectF r = QRectF(img.rect()).adjusted(1.5, 1.5, -1.5, -1.5);
    QPainterPath shape;  // a cartouche with pointed ends
    qreal tip = 16;
    shape.moveTo(r.left(), r.center().y());
    shape.lineTo(r.left() + tip, r.top());
    shape.lineTo(r.right() - tip, r.top());
    shape.lineTo(r.right(), r.center().y());
    shape.lineTo(r.right() - tip, r.bottom());
    shape.lineTo(r.left() + tip, r.bottom());
    shape.closeSubpath();
    QLinearGradient g(r.topLeft(), r.bottomLeft());
    g.setColorAt(0, QColor(30, 96, 78));
    g.setColorAt(1, QColor(8, 44, 36));
    p.setBrush(g);
    p.setPen(QPen(art::kGold, 2));
    p.drawPath(shape);
    // the name's marks stay inside its box, clear of the line under it
    art::drawFitted(p, QRectF(tip + 4, 4, r.width() - 2 * tip - 8, 24),
                    QString::fromUtf8("سورة ") + sura.name, art::kArabicTitleFont, 24,
                    art::kGoldLight, QFont::Bold, Qt::AlignCenter, true);
    art::drawFitted(p, QRectF(tip + 4, 31, r.width() - 2 * tip - 8, 11),
                    QString("Sura %1  ·  %2 ayas").arg(sura.number).arg(sura.ayaCount),
                    art::kLatinFont, 10, art::kCream);
    return img;
}

QImage scriptPicture(int which, int frame, const QImage& readerBackground) {
    QRect where = which == 1 ? kScript1Rect : kScript2Rect;
    QImage img = readerBackground.copy(where);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    QRectF r(img.rect());
    if (which == 1) {  // calligraphy with a shine running across it
        QLinearGradient shine(r.left(), 0, r.right(), 0);
        qreal at = (frame - 0.5) / 3.0;
        shine.setColorAt(0, art::kGold);
        shine.setColorAt(std::max(0.0, at - 0.2), art::kGold);
        shine.setColorAt(at, QColor(255, 250, 220));
        shine.setColorAt(std::min(1.0, at + 0.2), art::kGold);
        shine.setColorAt(1, art::kGold);
        QFont f(art::kArabicTitleFont);
        f.setPixelSize(34);
        f.setBold(true);
        QString text = QString::fromUtf8("القرآن الكريم");
        QFontMetricsF fm(f);
        QRectF ink = fm.tightBoundingRect(text);
        QPainterPath path;
        path.addText(QPointF(r.center().x() - fm.horizontalAdvance(text) / 2,
                             r.center().y() - (ink.top() + ink.bottom()) / 2),
                     f, text);
        p.setPen(QPen(QColor(0, 0, 0, 150), 2));
        p.setBrush(Qt::NoBrush);
        p.drawPath(path.translated(1.5, 1.5));
        p.setPen(Qt::NoPen);
        p.setBrush(shine);
        p.drawPath(path);
    } else {  // a medallion whose glow breathes
        QPointF c = r.center();
        QRadialGradient glow(c, 58);
        glow.setColorAt(0, QColor(255, 230, 150, 50 + 50 * frame));
        glow.setColorAt(1, QColor(255, 230, 150, 0));
        p.setPen(Qt::NoPen);
        p.setBrush(glow);
        p.drawEllipse(c, 58, 58);
        p.setBrush(art::kGold);
        p.drawPath(art::starPath(c, 48, 8, 0.765, frame * 7.5));
        p.setBrush(art::kStarField);
        p.drawPath(art::starPath(c, 36, 8, 0.765, frame * 7.5 + 22.5));
        art::drawFitted(p, QRectF(c.x() - 26, c.y() - 18, 52, 36), QString::fromUtf8("الله"),
                        art::kArabicTitleFont, 30, art::kGoldLight, QFont::Bold);
    }
    return img;
}

ScreenSpec quranScreen() {
    ScreenSpec s{"quran",
                 {800, 600},
                 "",
                 "",
                 {{"خروج", "Exit", QRect(8, 545, 70, 48), Icon::None},
                  {"تصغير", "Minimise", QRect(84, 545, 70, 48), Icon::None},
                  {"القائمة", "Main menu", QRect(160, 545, 70, 48), Icon::None}},
                 {},
                 {}};
    s.paint = [](QPainter& p, const ScreenSpec&) {
        p.fillRect(QRect(0, 0, art::kStarFieldWidth, 600), art::kStarField);
        QRectF body(art::kStarFieldWidth, 0, 800 - art::kStarFieldWidth, 600);
        readerBody(p, body);
        p.setPen(QPen(art::kGoldDark, 1));
        p.drawRect(body.adjusted(8, 8, -8, -8));
        art::paintPanel(p, QRectF(kIndexLabelRect), QColor(10, 50, 41), art::kGold, 5);
        QRectF label = QRectF(kIndexLabelRect).adjusted(4, 2, -4, -2);
        art::drawFitted(p, QRectF(label.left(), label.top(), label.width(), 15),
                        QString::fromUtf8("فهرس السور"), art::kArabicFont, 14, art::kGoldLight,
                        QFont::Bold);
        art::drawFitted(p, QRectF(label.left(), label.top() + 15, label.width(), 10), "Sura index",
                        art::kLatinFont, 9, art::kCream);
        art::drawFitted(p, QRectF(450, 577, 180, 18), QString::fromUtf8("انقر على آية لتلاوتها"),
                        art::kArabicFont, 14, art::kGoldLight, QFont::Bold, Qt::AlignRight);
        art::drawFitted(p, QRectF(264, 579, 180, 14), "Click an aya to hear it", art::kLatinFont,
                        11, art::kCream, QFont::Normal, Qt::AlignLeft);
    };
    return s;
}

ScreenSpec remoteScreen() {
    // Transport, repeat and tool buttons in rows of three, right to left; the
    // stepping buttons flank the four number fields (left: next, right: previous).
    const int col[3] = {95, 50, 5};
    const int fieldTop[4] = {257, 322, 383, 446};
    ScreenSpec s{"remote", {142, 490}, "", "", {}, {}, {}};
    auto& b = s.buttons;
    b.push_back({"بحث", "Search", QRect(col[0], 146, 42, 52), Icon::Search});  // 1
    b.push_back({"تشغيل", "Play", QRect(col[0], 34, 42, 52), Icon::Play});     // 2
    b.push_back({"توقف", "Pause", QRect(col[1], 34, 42, 52), Icon::Pause});
    b.push_back({"إيقاف", "Stop", QRect(col[2], 34, 42, 52), Icon::Stop});
    b.push_back({"مرة", "× 1", QRect(col[0], 90, 42, 52), Icon::Repeat});  // 5
    b.push_back({"مرتان", "× 2", QRect(col[1], 90, 42, 52), Icon::Repeat});
    b.push_back({"ثلاثاً", "× 3", QRect(col[2], 90, 42, 52), Icon::Repeat});
    b.push_back({"صور", "Photos", QRect(col[1], 146, 42, 52), Icon::Photo});  // 8
    b.push_back({"ملاحظة", "Remark", QRect(col[2], 146, 42, 52), Icon::Remark});
    for (int f = 0; f < 4; ++f) {  // 10..17: next and previous aya, sura, page, part
        b.push_back({"التالي", "", QRect(3, fieldTop[f], 33, 31), Icon::Next});
        b.push_back({"السابق", "", QRect(106, fieldTop[f], 33, 31), Icon::Previous});
    }
    s.paint = [fieldTop](QPainter& p, const ScreenSpec& screen) {
        QRectF all(0, 0, screen.size.width(), screen.size.height());
        art::paintGradient(p, all, QColor(14, 66, 54), QColor(4, 26, 22));
        art::paintPattern(p, all, QColor(212, 175, 55, 22), 36);
        p.setPen(QPen(art::kGold, 2));
        p.setBrush(Qt::NoBrush);
        p.drawRoundedRect(all.adjusted(1, 1, -1, -1), 8, 8);
        art::drawFitted(p, QRectF(8, 4, 126, 18), QString::fromUtf8("لوحة التحكم"),
                        art::kArabicTitleFont, 17, art::kGoldLight, QFont::Bold);
        art::drawFitted(p, QRectF(8, 21, 126, 11), "Go-to panel", art::kLatinFont, 9, art::kCream);
        p.setPen(QPen(art::kGoldDark, 1));
        p.drawLine(QPointF(12, 206), QPointF(130, 206));
        art::drawFitted(p, QRectF(8, 210, 126, 18), QString::fromUtf8("انتقل إلى"),
                        art::kArabicFont, 14, art::kGoldLight, QFont::Bold);
        art::drawFitted(p, QRectF(8, 227, 126, 10), "Go to", art::kLatinFont, 9, art::kCream);
        const char* ar[4] = {"الآية", "السورة", "الصفحة", "الجزء"};
        const char* en[4] = {"Aya", "Sura", "Page", "Part"};
        for (int f = 0; f < 4; ++f) {
            qreal top = fieldTop[f] - 17;
            art::drawFitted(p, QRectF(71, top, 35, 16), QString::fromUtf8(ar[f]), art::kArabicFont,
                            13, art::kGoldLight, QFont::Bold, Qt::AlignRight);
            art::drawFitted(p, QRectF(36, top + 2, 34, 13), en[f], art::kLatinFont, 10, art::kCream,
                            QFont::Normal, Qt::AlignLeft);
            p.setPen(QPen(art::kGold, 1));
            p.setBrush(Qt::black);
            p.drawRect(QRectF(36.5, fieldTop[f] - 1.5, 68, 33));
        }
    };
    return s;
}

ScreenSpec suraIndexScreen() {
    // the close button fills the corner under the short last column
    ScreenSpec s{
        "soraname", {800, 600}, "", "", {{"إغلاق", "Close", QRect(12, 430, 116, 84), Icon::Close}},
        {},         {}};
    s.paint = [](QPainter& p, const ScreenSpec& screen) {
        QRectF all(0, 0, screen.size.width(), screen.size.height());
        art::paintGradient(p, all, QColor(14, 62, 50), QColor(4, 24, 20));
        art::paintPattern(p, all, QColor(212, 175, 55, 24), 56);
        p.setPen(QPen(art::kGold, 2));
        p.setBrush(Qt::NoBrush);
        p.drawRect(all.adjusted(1, 1, -1, -1));
        art::drawFitted(p, QRectF(400, 2, 380, 16), QString::fromUtf8("فهرس سور القرآن الكريم"),
                        art::kArabicFont, 14, art::kGoldLight, QFont::Bold, Qt::AlignRight);
        art::drawFitted(p, QRectF(20, 3, 380, 13), "Index of the suras", art::kLatinFont, 11,
                        art::kCream, QFont::Normal, Qt::AlignLeft);
        // a cell under each of the 114 name labels: six columns right to left
        for (int i = 0; i < 114; ++i) {
            int col = i / 20, row = i % 20;
            QRectF cell(662 - col * 131, 20 + row * 27, 126, 26);
            p.setPen(QPen(QColor(176, 146, 74), 1));
            p.setBrush(QColor(10, 46, 38));
            p.drawRoundedRect(cell.adjusted(0.5, 0.5, -0.5, -0.5), 5, 5);
        }
        art::drawFitted(p, QRectF(400, 569, 380, 24),
                        QString::fromUtf8("انقر على اسم السورة لتلاوتها"), art::kArabicFont, 18,
                        art::kGoldLight, QFont::Bold, Qt::AlignRight);
        art::drawFitted(p, QRectF(140, 572, 250, 18), "Click a sura to hear it", art::kLatinFont,
                        13, art::kCream, QFont::Normal, Qt::AlignLeft);
    };
    return s;
}

}  // namespace disc
