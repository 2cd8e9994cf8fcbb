#include "reader_screens.h"

#include "aya_texts.h"
#include "quran_art.h"

namespace disc {

namespace {

using art::Icon;

QString u(const char* text) {
    return QString::fromUtf8(text);
}

// A number field of the program: black with a gold rim, its caption above it.
void numberField(QPainter& p, const QRect& field, const char* arabic, const char* english) {
    p.setPen(QPen(art::kGold, 1));
    p.setBrush(Qt::black);
    p.drawRect(QRectF(field).adjusted(-1.5, -1.5, 1.5, 1.5));
    QRectF caption(field.center().x() - 50, field.top() - 23, 100, 21);
    art::drawFitted(p, QRectF(caption.center().x(), caption.top(), 50, caption.height()), u(arabic),
                    art::kArabicFont, 15, art::kGoldLight, QFont::Bold, Qt::AlignLeft);
    art::drawFitted(p, QRectF(caption.left(), caption.top() + 4, 46, caption.height() - 6), english,
                    art::kLatinFont, 11, art::kCream, QFont::Normal, Qt::AlignRight);
}

QRect fieldRect(int k) {
    return QRect(kTafseerFieldLeft[k], 566, 46, 27);
}

}  // namespace

ScreenSpec tafseerScreen() {
    ScreenSpec s{"tafseer", {800, 600}, "", "", {}, {}, {}};
    auto& b = s.buttons;
    b.push_back({"اللغات", "Languages", QRect(88, 546, 84, 48), Icon::None});  // 1
    // 2..9: next and previous aya, sura, page and part beside their fields
    for (int k = 0; k < 4; ++k) {
        const QRect f = fieldRect(k);
        b.push_back({"", "", QRect(f.left() - 29, 566, 27, 27), Icon::Next});
        b.push_back({"", "", QRect(f.right() + 3, 566, 27, 27), Icon::Previous});
    }
    b.push_back({"التفاسير", "Commentaries", QRect(176, 546, 90, 48), Icon::None});  // 10
    b.push_back({"خروج", "Exit", QRect(8, 3, 100, 32), Icon::None});
    b.push_back({"تصغير", "Minimise", QRect(112, 3, 106, 32), Icon::None});
    b.push_back({"القائمة", "Main menu", QRect(4, 546, 80, 48), Icon::None});  // 13
    const QRect suraTitle(340, -2, kSuraTitleRect.width(), kSuraTitleRect.height());
    const QRect indexLabel(225, 5, 90, 40);
    s.controls = {kTafseerTextPanel, kTafseerPagePanel, suraTitle, indexLabel};
    for (int k = 0; k < 4; ++k) s.controls.push_back(fieldRect(k));
    s.paint = [indexLabel](QPainter& p, const ScreenSpec&) {
        readerBody(p, QRectF(0, 0, 800, 600));
        // the label runs under the panels' top edge; its picture stays above it
        const QRectF label = QRectF(indexLabel).adjusted(2, 1, -2, -10);
        art::paintPanel(p, label, QColor(10, 50, 41), art::kGold, 5);
        art::drawCaption(p, label.adjusted(4, 3, -4, -2), u("فهرس السور"), "Sura index");
        art::drawCaption(p, QRectF(582, 3, 206, 33), u("التفسير والترجمة"),
                         "Commentary and translation", Qt::AlignRight);
        const char* ar[4] = {"الآية", "السورة", "الصفحة", "الجزء"};
        const char* en[4] = {"Aya", "Sura", "Page", "Part"};
        for (int k = 0; k < 4; ++k) numberField(p, fieldRect(k), ar[k], en[k]);
    };
    return s;
}

QImage tafseerFramePicture() {
    // one picture frames both the page and the text: its inner area holds both
    return pageFramePicture(kTafseerPageArea.united(kTafseerTextArea), QColor(242, 244, 197));
}

ScreenSpec chooserScreen() {
    ScreenSpec s{"tafseername", {140, 145}, "", "", {}, {}, {}};
    const char* order[] = {"1st", "2nd", "3rd"};
    for (int n = 1; n <= 3; ++n)
        s.buttons.push_back(
            {commentaryName(n), order[n - 1], QRect(6, 28 + (n - 1) * 39, 128, 36), Icon::None});
    s.paint = [](QPainter& p, const ScreenSpec& screen) {
        QRectF all(0, 0, screen.size.width(), screen.size.height());
        art::paintGradient(p, all, QColor(18, 80, 64), QColor(6, 34, 28));
        art::paintPattern(p, all, QColor(212, 175, 55, 30), 32);
        p.setPen(QPen(art::kGold, 2));
        p.setBrush(Qt::NoBrush);
        p.drawRoundedRect(all.adjusted(1, 1, -1, -1), 6, 6);
        art::drawCaption(p, QRectF(8, 3, 124, 23), u("اختر التفسير"), "Choose a commentary");
    };
    return s;
}

ScreenSpec languageScreen() {
    // Button n opens text n + 2: the third Arabic commentary, then the six translations.
    const std::pair<QString, QString> languages[7] = {
        {commentaryName(3), "3rd commentary"},
        {u("الإنجليزية"), "English"},
        {u("الفرنسية"), "Français"},
        {u("الإسبانية"), "Español"},
        {u("التركية"), "Türkçe"},
        {u("الإندونيسية"), "Bahasa Indonesia"},
        {u("الروسية"), "Русский"},
    };
    ScreenSpec s{"lang", {800, 600}, "لغة التفسير والترجمة", "Language of the commentary", {},
                 {},     {}};
    s.perLanguage = false;
    for (int i = 0; i < 7; ++i) {  // two columns, right to left; the last one centred
        QRect r(i % 2 ? 170 : 410, 130 + (i / 2) * 80, 220, 64);
        if (i == 6) r.moveLeft(290);
        s.buttons.push_back({languages[i].first, languages[i].second, r, Icon::None});
    }
    s.buttons.push_back({"إغلاق", "Close", QRect(340, 456, 120, 56), Icon::None});
    s.paint = [](QPainter& p, const ScreenSpec& screen) {
        standardBackground(p, screen);
        art::drawCaption(p, QRectF(120, 524, 560, 42),
                         u("تظهر ترجمة كل آية بجوار صفحة المصحف أثناء تلاوتها"),
                         "The translation of each aya shows beside the page as it is recited");
    };
    return s;
}

ScreenSpec quranSearchScreen() {
    const QRect word(481, 100, 158, 37), result(420, 165, 250, 25), grid(350, 203, 376, 314);
    ScreenSpec s{"qurans",
                 {800, 600},
                 "البحث في القرآن الكريم",
                 "Search the Quran",
                 {{"ابحث", "Search", QRect(366, 96, 108, 45), Icon::None},
                  {"إغلاق", "Close", QRect(350, 530, 150, 50), Icon::None},
                  {"اذهب إلى الآية", "Go to the aya", QRect(576, 530, 150, 50), Icon::None}},
                 QRectF(260, 24, 516, 60),
                 {}};
    s.controls = {word, result, grid};
    s.paint = [word, grid](QPainter& p, const ScreenSpec& screen) {
        starFieldBackground(p, screen);
        p.fillRect(QRectF(word).adjusted(-3, -3, 3, 3), art::kGold);
        art::drawCaption(p, QRectF(645, 100, 128, 37), u("كلمة البحث"), "Search word");
        // the steps, down the star field to the right of the stars
        const std::pair<const char*, const char*> steps[] = {{"اكتب كلمة", "Type a word"},
                                                             {"اضغط ابحث", "Press Search"},
                                                             {"اختر سطراً", "Pick a row"},
                                                             {"اذهب إلى الآية", "Go to the aya"}};
        for (int i = 0; i < 4; ++i)
            art::drawCaption(p, QRectF(130, 210 + i * 64, 100, 44), u(steps[i].first),
                             steps[i].second);
        art::paintPanel(p, QRectF(grid).adjusted(-5, -5, 5, 5), QColor(231, 247, 247), art::kGold,
                        4);
    };
    return s;
}

ScreenSpec remarksScreen() {
    const QRect grid(168, 112, 477, 304);
    ScreenSpec s{"remark",
                 {800, 600},
                 "الملاحظات",
                 "Remarks",
                 {{"القائمة الرئيسية", "Main menu", QRect(168, 434, 150, 52), Icon::None},
                  {"افتح في المصحف", "Open in the Quran", QRect(482, 434, 163, 52), Icon::None},
                  {"حذف الملاحظة", "Delete the remark", QRect(330, 434, 140, 52), Icon::None}},
                 QRectF(150, 28, 500, 64),
                 {}};
    s.controls = {grid};
    s.paint = [grid](QPainter& p, const ScreenSpec& screen) {
        standardBackground(p, screen);
        art::paintPanel(p, QRectF(grid).adjusted(-5, -5, 5, 5), QColor(225, 211, 166), art::kGold,
                        4);
        art::drawCaption(p, QRectF(110, 500, 580, 44),
                         u("تضاف الملاحظة بزر «ملاحظة» في لوحة التحكم أثناء قراءة المصحف"),
                         "Add a remark with the Remark button of the Quran reader's panel");
    };
    return s;
}

}  // namespace disc
