// The first stage: the screens every run passes through (main menu,
// settings, about, company), the star pictures, the about text, the fonts
// and the intro video.
#include <QLinearGradient>
#include <QRadialGradient>
#include <cmath>
#include <stdexcept>

#include "art.h"
#include "media.h"
#include "skin.h"
#include "stages.h"
#include "text.h"

namespace disc {

namespace {

using art::Icon;

// The sixteen main menu buttons in four rows of four, right to left.
std::vector<ButtonSpec> mainMenuButtons() {
    const std::pair<QString, QString> labels[16] = {
        {"القرآن الكريم", "The Holy Quran"},
        {"التفسير", "Commentary"},
        {"مكتبة الحديث", "Hadith library"},
        {"مكتبة الفقه", "Jurisprudence"},
        {"أسباب النزول", "Occasions of revelation"},
        {"أحكام التجويد", "Recitation rules"},
        {"الأذان", "Call to prayer"},
        {"الأدعية", "Supplications"},
        {"كتاب الحديث المترجم", "Translated hadith book"},
        {"الأذكار", "Remembrances"},
        {"الأربعون حديثاً", "Forty hadith"},
        {"الملاحظات", "Remarks and bookmarks"},
        {"الإعدادات", "Settings"},
        {"عن الشركة", "About the makers"},
        {"عن البرنامج", "About the work"},
        {"خروج", "Exit"},
    };
    const int width = 212, height = 110, gapX = 22, gapY = 26, top = 160;
    const int right = (1024 + 4 * width + 3 * gapX) / 2;
    std::vector<ButtonSpec> buttons;
    for (int i = 0; i < 16; ++i) {
        int col = i % 4, row = i / 4;
        QRect r(right - (col + 1) * width - col * gapX, top + row * (height + gapY), width, height);
        buttons.push_back({labels[i].first, labels[i].second, r, Icon::None});
    }
    return buttons;
}

ScreenSpec mainMenu() {
    ScreenSpec s{"main",
                 {1024, 768},
                 "القرآن الكريم والمكتبة الإسلامية",
                 "ZAFIREL  ·  The Holy Quran and Islamic Library",
                 mainMenuButtons(),
                 {},
                 {}};
    s.paint = [](QPainter& p, const ScreenSpec& screen) {
        standardBackground(p, screen);
        art::drawFitted(p, QRectF(100, 688, 824, 28), "اختر قسماً من أقسام البرنامج",
                        art::kArabicFont, 22, art::kGoldLight);
        art::drawFitted(p, QRectF(100, 716, 824, 18), "Choose a section to begin", art::kLatinFont,
                        13, art::kCream);
    };
    return s;
}

// Settings: the two option labels to the left of the check boxes at 543,219 and 543,256.
ScreenSpec settingsScreen() {
    ScreenSpec s{"settings",
                 {800, 600},
                 "الإعدادات",
                 "Settings",
                 {{"حفظ وإغلاق", "Save and close", QRect(330, 470, 140, 60), Icon::None}},
                 {},
                 {}};
    s.paint = [](QPainter& p, const ScreenSpec& screen) {
        standardBackground(p, screen);
        art::paintPanel(p, QRectF(190, 180, 420, 122), art::kCream, art::kGold);
        const struct {
            int top;
            QString arabic, english;
        } options[] = {
            {219, "تشغيل الدعاء بعد انتهاء الأذان",
             "Play the supplication after the call to prayer"},
            {256, "فتح المصحف عند آخر موضع للقراءة", "Open the Quran at the last reading position"},
        };
        for (const auto& o : options) {
            art::drawFitted(p, QRectF(206, o.top - 10, 326, 21), o.arabic, art::kArabicFont, 19,
                            art::kInk, QFont::Bold, Qt::AlignRight);
            art::drawFitted(p, QRectF(206, o.top + 11, 326, 13), o.english, art::kLatinFont, 11,
                            QColor(90, 70, 40), QFont::Normal, Qt::AlignRight);
            p.setPen(QPen(art::kGoldDark, 1));
            p.setBrush(Qt::white);
            p.drawRect(QRectF(541.5, o.top - 2.5, 21, 21));
        }
        art::drawFitted(p, QRectF(160, 330, 480, 26),
                        "ضع علامة أمام الخيار لتفعيله، ثم اضغط حفظ وإغلاق", art::kArabicFont, 18,
                        art::kGoldLight);
        art::drawFitted(p, QRectF(160, 358, 480, 18),
                        "Tick an option to turn it on, then press Save and close", art::kLatinFont,
                        12, art::kCream);
    };
    return s;
}

// About: the program draws the text box at 120,90 (655 by 390) in 236,209,118,
// to the right of the screen's centre. The frame is drawn around the box, with
// an ornamental column on the left, so that the box and its title sit in the
// middle of the frame.
ScreenSpec aboutScreen() {
    const QRect textBox(120, 90, 655, 390);
    const int frameLeft = textBox.left() - (800 - 1 - textBox.right());  // margins alike
    ScreenSpec s{"about",
                 {800, 600},
                 "عن البرنامج",
                 "About the work",
                 {{"إغلاق", "Close", QRect(textBox.center().x() - 60, 500, 120, 56), Icon::None}},
                 {},
                 {}};
    s.titleBox = QRectF(textBox.left(), 24, textBox.width(), 58);
    s.controls = {textBox};
    s.paint = [textBox, frameLeft](QPainter& p, const ScreenSpec& screen) {
        QRectF column(0, 0, frameLeft, screen.size.height());
        art::paintGradient(p, column, QColor(8, 44, 36), QColor(3, 20, 17));
        art::paintPattern(p, column, QColor(212, 175, 55, 34), 40);
        p.setPen(Qt::NoPen);
        for (int i = 0; i < 5; ++i) {
            QPointF c(column.center().x(), 80 + i * 110);
            p.setBrush(i % 2 ? art::kGoldDark : art::kGold);
            p.drawPath(art::starPath(c, i % 2 ? 16 : 30));
            p.setBrush(QColor(8, 44, 36));
            p.drawPath(art::starPath(c, i % 2 ? 8 : 18, 8, 0.765, 22.5));
        }
        ScreenSpec body = screen;
        body.paint = {};
        p.save();
        p.translate(frameLeft, 0);
        body.size.setWidth(screen.size.width() - frameLeft);
        body.titleBox = screen.titleBox.translated(-frameLeft, 0);
        standardBackground(p, body);
        p.restore();
        QRectF parchment = QRectF(textBox).adjusted(-3, -4, 3, 4);
        p.fillRect(parchment, QColor(236, 209, 118));
        p.setPen(QPen(art::kGoldDark, 1));
        p.setBrush(Qt::NoBrush);
        p.drawRect(parchment.adjusted(0.5, 0.5, -0.5, -0.5));
    };
    return s;
}

ScreenSpec companyScreen() {
    ScreenSpec s{"company",
                 {800, 600},
                 "عن الشركة",
                 "About the makers",
                 {{"إغلاق", "Close", QRect(340, 500, 120, 56), Icon::None}},
                 {},
                 {}};
    s.paint = [](QPainter& p, const ScreenSpec& screen) {
        standardBackground(p, screen);
        art::paintPanel(p, QRectF(150, 130, 500, 340), QColor(10, 50, 41, 230), art::kGold);
        p.setPen(Qt::NoPen);
        p.setBrush(art::kGold);
        p.drawPath(art::starPath(QPointF(400, 200), 46));
        p.setBrush(QColor(10, 50, 41));
        p.drawPath(art::starPath(QPointF(400, 200), 30, 8, 0.765, 22.5));
        p.setBrush(art::kGoldLight);
        p.drawPath(art::starPath(QPointF(400, 200), 14));
        const struct {
            qreal top, height;
            QString text;
            const QString& font;
            QColor colour;
        } lines[] = {
            {258, 44, "فيلك للبرمجيات", art::kArabicTitleFont, art::kGoldLight},
            {302, 24, "Velk Software", art::kLatinTitleFont, art::kCream},
            {340, 28, "إنتاج وتصميم وبرمجة: فريق فيلك", art::kArabicFont, art::kCream},
            {372, 20, "Produced, designed and programmed by the Velk team", art::kLatinFont,
             QColor(206, 196, 160)},
            {404, 28, "زافيرل  -  الإصدار الأول", art::kArabicFont, art::kCream},
            {436, 20, "ZAFIREL  ·  First edition", art::kLatinFont, QColor(206, 196, 160)},
        };
        for (const auto& l : lines)
            art::drawFitted(p, QRectF(170, l.top, 460, l.height), l.text, l.font, l.height * 0.8,
                            l.colour, QFont::Normal, Qt::AlignCenter, true);
    };
    return s;
}

}  // namespace

void writeStars(DiscWriter& out, int language) {
    // Big and small stars; picture 3 is the full star, 1 the smallest. All
    // three of a kind have the same size, so a twinkle shrinks in place.
    const std::pair<const char*, int> kinds[] = {{"script1", 40}, {"script2", 24}};
    const qreal scales[] = {0.32, 0.62, 1.0};
    for (const auto& [folder, size] : kinds)
        for (int k = 1; k <= 3; ++k)
            out.writeJpeg(kGraphic + "main\\" + std::to_string(language) + "\\" + folder + "\\" +
                              std::to_string(k) + ".jpg",
                          art::starPicture(size, scales[k - 1]), 100);
}

namespace {

void writeAboutText(DiscWriter& out) {
    std::vector<RtfParagraph> text = {
        {"زافيرل: القرآن الكريم والمكتبة الإسلامية", true, true, 34},
        {"يضم هذا العمل المصحف الشريف كاملاً في صفحاته الست مئة والأربع، مع تلاوة كل آية "
         "وتظليلها على الصفحة أثناء القراءة، وإمكانية تكرار الآية مرة أو مرتين أو ثلاث مرات "
         "ثم الانتقال إلى ما بعدها تلقائياً.",
         true, false, 28},
        {"ويحتوي على تفسير الآيات وترجمات معانيها، ومكتبة للحديث الشريف وأخرى للفقه، مع البحث "
         "في نصوصها بالكلمات، والبحث في نص القرآن الكريم.",
         true, false, 28},
        {"كما يضم الأربعين حديثاً، والأذكار، وأسباب النزول، وأحكام التجويد مع أمثلة مسموعة، "
         "والأدعية، والأذان بأصوات متعددة مع صور من المساجد.",
         true, false, 28},
        {"ويستطيع المستخدم أن يحفظ ملاحظاته على الآيات ويرجع إليها متى شاء، ويفتح البرنامج "
         "المصحف عند آخر موضع للقراءة.",
         true, false, 28},
        {"ZAFIREL: the Holy Quran with recitation, commentary and a library of Islamic works.",
         false, false, 24},
        {"مصادر النصوص", true, true, 28},
        {"نص القرآن الكريم في البحث والتفاسير وكتب المكتبة، وترجمات معانيه إلى الإنجليزية "
         "والفرنسية والإسبانية "
         "والتركية والإندونيسية والروسية، مأخوذة من حزمة quran-json 3.1.2 (رخصة CC BY-SA 4.0). "
         "والنص العربي فيها من موسوعة القرآن الكريم (quranenc.com)، والترجمات من موقع تنزيل "
         "(tanzil.net) ومن quranenc.com. "
         "ونص البحث في القرآن بالرسم الإملائي من حزمة quran-validator 1.3.0 (رخصة MIT)، "
         "عن المكتبة القرآنية الشاملة QUL (Tarteel AI).",
         true, false, 26},
        {"Sources: the Quran text and the translations come from the npm package quran-json 3.1.2 "
         "(CC BY-SA 4.0, Risan Bagja Pradana). Its Arabic text is from The Noble Qur'an "
         "Encyclopedia (quranenc.com); its translations are from Tanzil (tanzil.net) and "
         "quranenc.com: English, Saheeh International; French, Muhammad Hamidullah; Spanish, "
         "Muhammad Isa García; Turkish, Diyanet; Indonesian, Ministry of Religious Affairs; "
         "Russian, Elmir Kuliev. The Arabic text has its diacritics and Quranic marks removed. "
         "The text the Quran search reads is in the simple (imlaei) spelling, from the npm "
         "package quran-validator 1.3.0 (MIT licence), which takes it from QUL, the Quranic "
         "Universal Library of Tarteel AI (\"Imlaei Simple\").",
         false, false, 22},
        {"The commentaries 1 to 3 and the books of the libraries of this sample disc are "
         "generated sample texts; the Arabic books quote the Quran's text.",
         false, false, 22},
    };
    out.write(kData + "about.rtf", rtfDocument(text));
}

// Free fonts installed on the system stand in for the six fonts of the disc.
void writeFonts(DiscWriter& out) {
    const std::pair<const char*, std::vector<const char*>> fonts[] = {
        {"gersys.fon", {"/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf"}},
        {"frnsys.fon", {"/usr/share/fonts/truetype/dejavu/DejaVuSerif.ttf"}},
        {"TRKSYS.FON", {"/usr/share/fonts/truetype/dejavu/DejaVuSans-Bold.ttf"}},
        {"artro.ttf",
         {"/usr/share/fonts/truetype/kacst-one/KacstOne.ttf",
          "/usr/share/fonts/truetype/noto/NotoNaskhArabic-Regular.ttf"}},
        {"simpo.ttf",
         {"/usr/share/fonts/truetype/noto/NotoNaskhArabic-Regular.ttf",
          "/usr/share/fonts/opentype/fonts-hosny-amiri/Amiri-Regular.ttf"}},
        {"trado.ttf",
         {"/usr/share/fonts/opentype/fonts-hosny-amiri/Amiri-Regular.ttf",
          "/usr/share/fonts/truetype/noto/NotoNaskhArabic-Regular.ttf"}},
    };
    for (const auto& [name, candidates] : fonts) {
        bool done = false;
        for (const char* from : candidates) {
            if (fs::is_regular_file(from)) {
                out.copy(kFonts + name, from);
                done = true;
                break;
            }
        }
        if (!done) throw std::runtime_error(std::string("no installed font to copy as ") + name);
    }
}

// One frame of the intro: a rosette that turns and grows, then the title fading in.
QImage introFrame(int i, int frames, QSize size) {
    qreal t = static_cast<qreal>(i) / (frames - 1);
    QImage img(size, QImage::Format_RGB32);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    QRectF all(QPointF(0, 0), size);
    art::paintGradient(p, all, QColor(10, 56, 46), QColor(2, 18, 15));
    art::paintPattern(p, all, QColor(212, 175, 55, static_cast<int>(10 + 30 * t)), 70);
    QPointF c(size.width() / 2.0, size.height() * 0.36);
    qreal grow = std::min(1.0, t * 1.6);
    QRadialGradient glow(c, 190);
    glow.setColorAt(0, QColor(255, 230, 150, static_cast<int>(120 * grow)));
    glow.setColorAt(1, QColor(255, 230, 150, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(glow);
    p.drawEllipse(c, 190, 190);
    qreal angle = 90 * t;
    p.setBrush(art::kGold);
    p.drawPath(art::starPath(c, 40 + 80 * grow, 8, 0.765, angle));
    p.setBrush(QColor(10, 56, 46));
    p.drawPath(art::starPath(c, 26 + 54 * grow, 8, 0.765, angle + 22.5));
    p.setBrush(art::kGoldLight);
    p.drawPath(art::starPath(c, 10 + 24 * grow, 8, 0.5, -angle));
    qreal fade = std::clamp((t - 0.25) / 0.35, 0.0, 1.0);
    p.setOpacity(fade);
    art::paintTitle(p, QRectF(60, size.height() * 0.62, size.width() - 120, 110),
                    "القرآن الكريم والمكتبة الإسلامية", "ZAFIREL");
    art::drawFitted(p, QRectF(60, size.height() * 0.62 + 120, size.width() - 120, 28),
                    "The Holy Quran and Islamic Library", art::kLatinTitleFont, 22, art::kCream);
    return img;
}

void writeIntroVideo(DiscWriter& out) {
    const QSize size(800, 600);
    const int fps = 15, frames = 60;
    writeWmv(out, kGraphic + "1.wmv", size, fps, frames,
             [&](int i) { return introFrame(i, frames, size); });
}

}  // namespace

void addBaseJobs(DiscWriter& out, std::vector<Job>& jobs) {
    jobs.push_back([&out] { writeIntroVideo(out); });
    for (auto make : {mainMenu, settingsScreen, aboutScreen, companyScreen})
        jobs.push_back([&out, make] { writeScreen(out, make()); });
    jobs.push_back([&out] {
        writeStars(out, 1);
        writeAboutText(out);
        writeFonts(out);
    });
}

}  // namespace disc
