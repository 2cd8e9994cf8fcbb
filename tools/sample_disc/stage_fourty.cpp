// The forty hadith: a sample text and a recording for each of the 42 entries
// in Arabic and in English, and the screen's skin. The texts say plainly that
// they stand in for the hadith; each quotes an aya of the Quran (its own text,
// or its English translation). A recording counts its entry: a long note per
// ten and a short note per one, low and soft in Arabic, high and bright in
// English.
#include <cmath>

#include "aya_texts.h"
#include "media.h"
#include "skin.h"
#include "stages.h"
#include "text.h"

namespace disc {

namespace {

constexpr int kEntries = 42;
constexpr int kSampleRate = 11025;
/// The longest aya a text quotes, in characters of its Arabic text.
constexpr int kLongestQuote = 160;

const QRect kEntryList(522, 90, 189, 432);
const QRect kEntryText(139, 115, 315, 400);
const QRect kArabicButton(180, 30, 97, 41);
const QRect kEnglishButton(300, 30, 97, 41);
/// The flat strip the stars sit on.
constexpr int kStarStrip = 126;
const QColor kPaneColour(218, 215, 184);

QString u(const char* text) {
    return QString::fromUtf8(text);
}

/// The aya entry n quotes: ayas spread evenly over the Quran, each moved on
/// to the next short one.
int quotedAya(const QuranStructure& quran, const std::vector<QString>& arabic, int n) {
    int id = 1 + (n - 1) * quran.totalAyas() / kEntries;
    while (arabic[static_cast<size_t>(id - 1)].size() > kLongestQuote) ++id;
    return id;
}

std::string entryText(const QuranStructure& quran, int language, int n, int id,
                      const QString& aya) {
    const AyaRef at = quran.ref(id);
    const QString number = QString::number(n);
    if (language == 1)
        return rtfDocument({
            {u("حديث رقم ") + number, true, true, 32},
            {u("نص تجريبي من القرص التجريبي، يقوم مقام نص الحديث رقم ") + number +
                 u(" باللغة العربية."),
             true, false, 26},
            {u("ومن القرآن الكريم، سورة ") + quran.sura(at.sura).name + u("، الآية ") +
                 QString::number(at.aya) + ":",
             true, false, 26},
            {aya, true, true, 30},
            {"Sample text for hadith number " + number + " (Arabic)", false, false, 20},
        });
    return rtfDocument({
        {"Hadith number " + number, false, true, 28},
        {"Sample text for hadith number " + number +
             " (English). It stands in for the text of the hadith on this sample disc.",
         false, false, 24},
        {QString("From the Quran, sura %1, aya %2 (a translation):").arg(at.sura).arg(at.aya),
         false, false, 24},
        {aya, false, true, 24},
    });
}

void writeTexts(DiscWriter& out, const QuranStructure& quran) {
    const std::vector<QString> arabic = readAyaTexts(quranTextFile("ar.tsv"), quran);
    const std::vector<QString> english = readAyaTexts(quranTextFile("en.tsv"), quran);
    for (int n = 1; n <= kEntries; ++n) {
        const int id = quotedAya(quran, arabic, n);
        const auto k = static_cast<size_t>(id - 1);
        for (int language : {1, 2})
            out.write(
                kData + "fourty\\" + std::to_string(language) + "\\" + std::to_string(n) + ".rtf",
                entryText(quran, language, n, id, language == 1 ? arabic[k] : english[k]));
    }
}

/// Appends a note of `ms` at `freq` with `bright` times its third harmonic,
/// faded in and out over 10 ms, then `gap` ms of silence.
void appendNote(std::vector<int16_t>& out, double freq, int ms, double bright, int gap) {
    const double step = 2 * 3.14159265358979323846 * freq / kSampleRate;
    const int count = ms * kSampleRate / 1000, fade = 10 * kSampleRate / 1000;
    for (int i = 0; i < count; ++i) {
        const double edge = std::min(1.0, std::min(i, count - 1 - i) / double(fade));
        const double v = (std::sin(step * i) + bright * std::sin(3 * step * i)) / (1 + bright);
        out.push_back(static_cast<int16_t>(9000 * edge * v));
    }
    out.insert(out.end(), static_cast<size_t>(gap * kSampleRate / 1000), 0);
}

/// Entry n: a long note per ten, a short note per one, rising a little
/// with n so that neighbours differ in pitch too.
std::vector<int16_t> entryRecording(int language, int n) {
    const double base = (language == 1 ? 392.0 : 587.3) * std::pow(2.0, (n - 1) / 96.0);
    const double bright = language == 1 ? 0.0 : 0.35;
    std::vector<int16_t> out;
    out.insert(out.end(), static_cast<size_t>(kSampleRate / 10), 0);
    for (int i = 0; i < n / 10; ++i) appendNote(out, base * 0.75, 280, bright, 90);
    for (int i = 0; i < n % 10; ++i) appendNote(out, base, 110, bright, 70);
    out.insert(out.end(), static_cast<size_t>(kSampleRate / 5), 0);
    return out;
}

void writeRecordings(DiscWriter& out, int language) {
    for (int n = 1; n <= kEntries; ++n)
        writeWav(out,
                 kSound + "fourty\\" + std::to_string(language) + "\\" + std::to_string(n) + ".wav",
                 entryRecording(language, n), kSampleRate);
}

/// A button the program hides: it needs pictures, nobody sees them.
ButtonSpec unused(int top) {
    return {u("غير مستخدم"), "Unused", QRect(722, top, 70, 40), art::Icon::None};
}

ScreenSpec fourtyScreen() {
    ScreenSpec s{"fourty",
                 {800, 600},
                 u("الأحاديث الأربعون"),
                 "The forty hadith",
                 {},
                 QRectF(405, 6, 387, 62),
                 {}};
    auto& b = s.buttons;
    for (int top : {96, 146, 196, 246}) b.push_back(unused(top));                 // 1..4
    b.push_back({u("القائمة الرئيسية"), "Main menu", QRect(561, 534, 150, 48)});  // 5
    b.push_back({u("طباعة"), "Print", QRect(139, 534, 96, 48)});                  // 6
    b.push_back({u("نسخ"), "Copy", QRect(245, 534, 96, 48)});                     // 7
    b.push_back(unused(296));                                                     // 8
    s.controls = {kEntryList, kEntryText, kArabicButton, kEnglishButton};
    s.paint = [](QPainter& p, const ScreenSpec& screen) {
        p.fillRect(QRect(0, 0, kStarStrip, screen.size.height()), art::kStarField);
        const QRectF body(kStarStrip, 0, screen.size.width() - kStarStrip, screen.size.height());
        art::paintGradient(p, body, QColor(16, 74, 60), QColor(5, 30, 25));
        art::paintPattern(p, body, QColor(212, 175, 55, 26), 64);
        p.setPen(QPen(art::kGold, 2));
        p.drawLine(QPointF(kStarStrip + 1, 0), QPointF(kStarStrip + 1, screen.size.height()));
        art::paintTitle(p, screen.titleBox, screen.titleArabic, screen.titleEnglish);
        for (const QRect& r : {kEntryList, kEntryText})
            art::paintPanel(p, QRectF(r).adjusted(-5, -5, 5, 5), kPaneColour, art::kGold, 4);
        art::drawCaption(p, QRectF(139, 76, 315, 32), u("اختر حديثاً من القائمة ليُعرض ويُتلى"),
                         "Choose a hadith from the list to read and hear it");
    };
    return s;
}

}  // namespace

void addFourtyJobs(DiscWriter& out, std::vector<Job>& jobs) {
    const QuranStructure& quran = QuranStructure::builtIn();
    jobs.push_back([&out] { writeRecordings(out, 1); });
    jobs.push_back([&out] { writeRecordings(out, 2); });
    jobs.push_back([&out, &quran] { writeTexts(out, quran); });
    jobs.push_back([&out] { writeScreen(out, fourtyScreen()); });
}

}  // namespace disc
