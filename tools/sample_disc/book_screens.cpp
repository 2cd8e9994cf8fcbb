#include "book_screens.h"

#include "book_files.h"

namespace disc {

namespace {

using art::Icon;

QString u(const char* text) {
    return QString::fromUtf8(text);
}

struct Names {
    std::string reader, search;
    const char *arabic, *english, *searchArabic, *searchEnglish;
};

Names namesOf(Library library) {
    switch (library) {
        case Library::Hadith:
            return {"hadith",
                    "hadiths",
                    "مكتبة الحديث الشريف",
                    "Hadith library",
                    "البحث في كتب الحديث",
                    "Search the hadith books"};
        case Library::Fekh:
            return {"fekh",
                    "fekhs",
                    "مكتبة الفقه",
                    "Jurisprudence library",
                    "البحث في كتب الفقه",
                    "Search the jurisprudence books"};
        case Library::Live:
            break;
    }
    return {"live",
            "lives",
            "ترجمة صحيح تولفاريك",
            "Translation of Sahih Tolvaric",
            "البحث في ترجمة صحيح تولفاريك",
            "Search the Translation of Sahih Tolvaric"};
}

// The stars the program places on each kind of screen: four big (40 pixels)
// and six small (24 pixels) pictures.
std::vector<QRect> stars(const std::vector<QPoint>& big, const std::vector<QPoint>& small) {
    std::vector<QRect> out;
    for (QPoint p : big) out.emplace_back(p, QSize(40, 40));
    for (QPoint p : small) out.emplace_back(p, QSize(24, 24));
    return out;
}

// One line: the Arabic on the right of `box`, the English on its left.
void captionLine(QPainter& p, const QRectF& box, const char* arabic, const QString& english) {
    const qreal half = box.width() / 2;
    art::drawFitted(p, QRectF(box.left() + half, box.top(), half, box.height()), u(arabic),
                    art::kArabicFont, box.height() * 0.8, art::kGoldLight, QFont::Bold,
                    Qt::AlignRight);
    art::drawFitted(p, QRectF(box.left(), box.top() + 2, half - 4, box.height() - 3), english,
                    art::kLatinFont, box.height() * 0.55, art::kCream, QFont::Normal,
                    Qt::AlignLeft);
}

// The star field on the left and the reader's body beside it.
void bookBackground(QPainter& p, int fieldWidth) {
    p.fillRect(QRect(0, 0, fieldWidth, 600), art::kStarField);
    readerBody(p, QRectF(fieldWidth, 0, 800 - fieldWidth, 600));
}

// A search screen's body: beside the stars along the top edge it starts right
// of them; below them it reaches left to hold the result grid, whose left
// edge is the leftmost of the screen's controls.
QPainterPath searchBody() {
    return steppedBody(QSizeF(800, 600), 224, 96, kResultRect.left() - 19);
}

// Button numbers of a reader's actions; the hadith and live readers share theirs.
struct ReaderButtons {
    int count, next, previous, search, print, copy, exit, minimise, menu;
};

}  // namespace

ScreenSpec bookReaderScreen(Library library) {
    const Names names = namesOf(library);
    const bool fekh = library == Library::Fekh, live = library == Library::Live;
    const ReaderButtons n = fekh ? ReaderButtons{12, 3, 4, 5, 6, 7, 8, 9, 10}
                                 : ReaderButtons{14, 4, 5, 6, 7, 8, 9, 10, 11};
    const QRect part = bookPartRect(library);
    ScreenSpec s{names.reader, {800, 600}, "", "", {}, {}, {}};
    s.buttons.resize(n.count);
    // the groups down the star field; the live reader hides these buttons
    int row = 0;
    for (const BookGroup& g : kBookGroups) {
        if (g.fekh != fekh) continue;
        const QRect r(52, 140 + row++ * 64, 156, 56);
        s.buttons[g.button - 1] =
            live ? ButtonSpec{u("غير مستخدم"), "Not used", r}
                 : ButtonSpec{u(g.arabic), QString("Books %1–%2").arg(g.first).arg(g.last), r};
    }
    s.buttons[n.next - 1] = {u("التالي"), "", QRect(part.left() - 46, 77, 42, 34), Icon::Next};
    s.buttons[n.previous - 1] = {u("السابق"), "", QRect(part.right() + 5, 77, 42, 34),
                                 Icon::Previous};
    // the tools along the bottom, right to left
    const std::pair<int, ButtonSpec> tools[] = {
        {n.search, {u("بحث"), "Search"}},       {n.print, {u("طباعة"), "Print"}},
        {n.copy, {u("نسخ"), "Copy"}},           {n.menu, {u("القائمة"), "Main menu"}},
        {n.minimise, {u("تصغير"), "Minimise"}}, {n.exit, {u("خروج"), "Exit"}},
    };
    for (int i = 0; i < 6; ++i) {
        s.buttons[tools[i].first - 1] = tools[i].second;
        s.buttons[tools[i].first - 1].rect = QRect(700 - i * 96, 540, 90, 52);
    }
    s.controls = {kBookTreeRect, kBookTextRect, kBookTitleRect, part};
    s.stars = stars({{7, 30}, {116, 35}, {0, 144}, {0, 390}},
                    {{73, 20}, {183, 32}, {41, 100}, {12, 211}, {20, 459}, {0, 508}});
    s.paint = [names, live, part](QPainter& p, const ScreenSpec&) {
        bookBackground(p, 212);
        art::paintTitle(p, QRectF(224, 8, 560, 44), u(names.arabic), names.english);
        art::paintPanel(p, QRectF(kBookTitleRect).adjusted(-4, -3, 4, 3), QColor(250, 244, 225),
                        art::kGold, 6);
        const QColor page(209, 251, 185);
        art::paintPanel(p, QRectF(kBookTreeRect).adjusted(-5, -5, 5, 5), page, art::kGold, 6);
        art::paintPanel(p, QRectF(kBookTextRect).adjusted(-5, -5, 5, 5), page, art::kGold, 6);
        if (live) {  // the single book's name where the other readers have their groups
            art::paintPanel(p, QRectF(52, 140, 156, 376), QColor(10, 50, 41), art::kGold, 8);
            const struct {
                qreal top, height;
                const char* text;
                bool arabic;
            } lines[] = {{230, 34, "ترجمة صحيح", true},      {264, 34, "تولفاريك", true},
                         {306, 20, "Translation of", false}, {326, 20, "Sahih Tolvaric", false},
                         {366, 28, "92 موضوعاً", true},       {396, 18, "92 topics", false}};
            for (const auto& l : lines)
                art::drawFitted(p, QRectF(60, l.top, 140, l.height), u(l.text),
                                l.arabic ? art::kArabicFont : art::kLatinFont, l.height * 0.8,
                                l.arabic ? art::kGoldLight : art::kCream,
                                l.arabic ? QFont::Bold : QFont::Normal);
            return;
        }
        art::paintPanel(p, QRectF(part).adjusted(-3, -3, 3, 3), QColor(6, 34, 28), art::kGold, 5);
        captionLine(p, QRectF(part.left() - 8, 56, part.width() + 16, 18), "الكتاب", "Book");
    };
    return s;
}

ScreenSpec bookSearchScreen(Library library) {
    const Names names = namesOf(library);
    const QColor connectors =
        library == Library::Fekh ? QColor(148, 172, 218) : QColor(146, 217, 177);
    ScreenSpec s{names.search, {800, 600}, "", "", {}, {}, {}};
    s.buttons = {
        {u("ابحث"), "Search", QRect(236, 42, 150, 48), Icon::Search},
        {u("أضف"), "Add →", QRect(462, 150, 56, 34)},
        {u("أضف الكل"), "All →", QRect(462, 188, 56, 34)},
        {u("أعد"), "← Back", QRect(462, 226, 56, 34)},
        {u("أعد الكل"), "← All", QRect(462, 264, 56, 34)},
        {u("إغلاق"), "Close", QRect(171, 516, 150, 52)},
        {u("افتح النتيجة"), "Open the result", QRect(618, 516, 150, 52)},
    };
    s.controls = {kSearchWord1Rect, kSearchWord2Rect, kSearchAndRect, kSearchOrRect,
                  kAvailableRect,   kChosenRect,      kResultRect};
    s.stars = stars({{7, 30}, {146, 5}, {-2, 144}, {-3, 393}},
                    {{93, 20}, {193, 66}, {41, 100}, {5, 220}, {34, 530}, {100, 570}});
    s.paint = [names, connectors](QPainter& p, const ScreenSpec&) {
        p.fillRect(QRect(0, 0, 800, 600), art::kStarField);
        readerBody(p, searchBody());
        captionLine(p, QRectF(236, 5, 536, 26), names.searchArabic, names.searchEnglish);
        for (const QRect& word : {kSearchWord1Rect, kSearchWord2Rect})
            p.fillRect(QRectF(word).adjusted(-2, -2, 2, 2), art::kGold);
        captionLine(p, QRectF(kSearchWord1Rect.left(), 33, kSearchWord1Rect.width(), 17),
                    "الكلمة الأولى", "First word");
        captionLine(p, QRectF(kSearchWord2Rect.left(), 33, kSearchWord2Rect.width(), 17),
                    "الكلمة الثانية", "Second word");
        art::paintPanel(p, QRectF(kSearchAndRect.united(kSearchOrRect)).adjusted(-5, -4, 5, 4),
                        connectors, art::kGold, 4);
        captionLine(p, QRectF(232, 100, 546, 22), "اختر الكتب واكتب كلمة أو كلمتين ثم اضغط ابحث",
                    "Choose books, type one or two words, press Search");
        captionLine(p, QRectF(kAvailableRect.left(), 128, kAvailableRect.width(), 20),
                    "الكتب المتاحة", "Available books");
        captionLine(p, QRectF(kChosenRect.left(), 128, kChosenRect.width(), 20), "الكتب المختارة",
                    "Chosen books");
        for (const QRect& list : {kAvailableRect, kChosenRect})
            art::paintPanel(p, QRectF(list).adjusted(-3, -3, 3, 3), Qt::white, art::kGold, 3);
        captionLine(p, QRectF(kResultRect.left(), 305, kResultRect.width(), 22), "نتائج البحث",
                    "Results");
        art::paintPanel(p, QRectF(kResultRect).adjusted(-4, -4, 4, 4), QColor(231, 247, 247),
                        art::kGold, 4);
        art::drawCaption(p, QRectF(340, 522, 260, 40), u("اختر نتيجة ثم افتحها"),
                         "Pick a result, then open it");
    };
    return s;
}

}  // namespace disc
