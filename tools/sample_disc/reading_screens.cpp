#include "reading_screens.h"

namespace disc {

namespace {

using art::Icon;

/// The strip the stars sit on: wide enough for every star of these screens
/// down to kStarStripStep, narrower below it, clear of the panels at 129 and 131.
constexpr int kStarStrip = 126, kStarStripStep = 48, kStarStripBelow = 110;
const QColor kPaneColour(218, 215, 184);

QString u(const char* text) {
    return QString::fromUtf8(text);
}

/// A button the program hides: it needs pictures, nobody sees them.
ButtonSpec hidden(const QRect& r) {
    return {u("غير مستخدم"), "Unused", r, Icon::None};
}

/// The star strip, the body with its pattern and gold rule, the title, and a
/// framed panel under each of the program's controls.
void readingBackground(QPainter& p, const ScreenSpec& s, const std::vector<QRect>& panels) {
    p.fillRect(QRect(QPoint(0, 0), s.size), art::kStarField);
    readerGround(p, steppedBody(s.size, kStarStrip, kStarStripStep, kStarStripBelow));
    // the gold rule along the body's left edge only
    const qreal top = kStarStrip + 1, below = kStarStripBelow + 1, step = kStarStripStep + 1;
    p.setPen(QPen(art::kGold, 2));
    p.setBrush(Qt::NoBrush);
    p.drawPolyline(
        QPolygonF({{top, 0}, {top, step}, {below, step}, {below, qreal(s.size.height())}}));
    art::paintTitle(p, s.titleBox, s.titleArabic, s.titleEnglish);
    for (const QRect& r : panels)
        art::paintPanel(p, QRectF(r).adjusted(-5, -5, 5, 5), kPaneColour, art::kGold, 4);
}

// The list screens share the list on the right and the buttons below.
ScreenSpec listScreen(const std::string& folder, const char* arabic, const char* english) {
    ScreenSpec s{folder, {800, 600}, u(arabic), english, {}, QRectF(140, 4, 570, 56), {}};
    for (int i = 0; i < 4; ++i) s.buttons.push_back(hidden(QRect(722, 96 + i * 50, 70, 40)));
    s.buttons.push_back({u("القائمة الرئيسية"), "Main menu", QRect(561, 538, 150, 48)});  // 5
    s.buttons.push_back({u("طباعة"), "Print", QRect(139, 538, 96, 48)});                  // 6
    s.buttons.push_back({u("نسخ"), "Copy", QRect(245, 538, 96, 48)});                     // 7
    return s;
}

}  // namespace

ScreenSpec azkarScreen() {
    ScreenSpec s = listScreen("azkar", "الأذكار", "Remembrances");
    s.buttons.push_back(hidden(QRect(722, 296, 70, 40)));  // 8
    s.controls = {kReadingList, kAzkarText};
    s.paint = [](QPainter& p, const ScreenSpec& screen) {
        readingBackground(p, screen, screen.controls);
        art::drawCaption(p, QRectF(139, 80, 315, 30), u("اختر ذكراً من القائمة ليُعرض ويُتلى"),
                         "Choose one from the list to read and hear it");
    };
    return s;
}

ScreenSpec asbabScreen() {
    ScreenSpec s = listScreen("asbab", "أسباب النزول", "Occasions of revelation");
    s.buttons.push_back(
        {u("الآية في المصحف"), "Open in the Quran", QRect(351, 538, 160, 48)});  // 8
    s.controls = {kReadingList, kAsbabAya, kAsbabAccount};
    s.paint = [](QPainter& p, const ScreenSpec& screen) {
        readingBackground(p, screen, screen.controls);
        art::drawCaption(p, QRectF(129, 60, 335, 28), u("الآية وسبب نزولها"),
                         "The aya and the occasion of its revelation");
    };
    return s;
}

ScreenSpec tagweedScreen() {
    ScreenSpec s{"tagweed",
                 {800, 600},
                 u("أحكام التجويد"),
                 "Rules of recitation",
                 {},
                 QRectF(131, 6, 420, 46),
                 {}};
    auto& b = s.buttons;
    b.push_back({u("الأحكام السابقة"), "Earlier rules", QRect(541, 54, 150, 44)});  // 1
    b.push_back({u("الأحكام التالية"), "Later rules", QRect(541, 534, 150, 44)});   // 2
    b.push_back(hidden(QRect(716, 200, 76, 40)));                                   // 3
    b.push_back(hidden(QRect(716, 300, 76, 40)));                                   // 4
    b.push_back({u("الصفحة التالية"), "Next page", QRect(131, 534, 100, 44)});      // 5
    b.push_back({u("الصفحة السابقة"), "Previous page", QRect(366, 534, 100, 44)});  // 6
    b.push_back({u("القائمة الرئيسية"), "Main menu", QRect(700, 54, 92, 44)});      // 7
    b.push_back({u("طباعة"), "Print", QRect(236, 534, 62, 44)});                    // 8
    b.push_back({u("نسخ"), "Copy", QRect(302, 534, 60, 44)});                       // 9
    const char* digits[8] = {"١", "٢", "٣", "٤", "٥", "٦", "٧", "٨"};
    for (int e = 0; e < 8; ++e)  // 10..17
        b.push_back({u(digits[e]), QString("Ex %1").arg(e + 1), QRect(472, 100 + e * 54, 46, 46),
                     Icon::None});
    s.controls = {kTagweedTitles, kTagweedText};
    s.paint = [](QPainter& p, const ScreenSpec& screen) {
        readingBackground(p, screen, {kTagweedText});
        art::paintPanel(p, QRectF(kTagweedTitles).adjusted(-5, -5, 5, 5), kPaneColour, art::kGold,
                        4);
    };
    return s;
}

}  // namespace disc
