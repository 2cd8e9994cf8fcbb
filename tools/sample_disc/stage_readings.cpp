// The remembrances (titles, texts and recordings), the occasions of
// revelation (titles and entries naming real ayas, with the Quran's own
// text), the recitation rules (the rule text file and a recording per
// example) and the skins of the three screens.
#include <map>
#include <stdexcept>

#include "aya_texts.h"
#include "media.h"
#include "reading_screens.h"
#include "stages.h"
#include "tagweed_data.h"
#include "text.h"

namespace disc {

namespace {

constexpr int kRemembrances = 91;
constexpr int kOccasions = 434;
constexpr int kSampleRate = 16000;
constexpr int kMp3Kbps = 24;
constexpr double kScale[8] = {261.6, 293.7, 329.6, 392.0, 440.0, 523.3, 587.3, 659.3};

QString u(const char* text) {
    return QString::fromUtf8(text);
}

// --- remembrances: thirteen occasions of the day, seven phrases each ---

const char* const kOccasionsOfTheDay[13] = {
    "الصباح",           "المساء",           "النوم",  "الاستيقاظ", "دخول المسجد",
    "الخروج من المسجد", "ما بعد الصلاة",    "الوضوء", "الطعام",    "السفر",
    "دخول المنزل",      "الخروج من المنزل", "الكرب"};
const char* const kPhrases[7] = {"سبحان الله",
                                 "الحمد لله",
                                 "لا إله إلا الله",
                                 "الله أكبر",
                                 "أستغفر الله",
                                 "لا حول ولا قوة إلا بالله",
                                 "سبحان الله وبحمده، سبحان الله العظيم"};

int phraseOf(int n) {
    return (n - 1) % 7;
}

QString remembranceTitle(int n) {
    return u("أذكار ") + u(kOccasionsOfTheDay[(n - 1) / 7]) + QString(" (%1)").arg(phraseOf(n) + 1);
}

std::string remembranceText(int n) {
    return rtfDocument({
        {remembranceTitle(n), true, true, 32},
        {u(kPhrases[phraseOf(n)]), true, true, 40},
        {u("نص تجريبي من القرص التجريبي، يقوم مقام نص الذكر وتلاوته."), true, false, 26},
        {QString("Sample remembrance %1 of %2: %3").arg(n).arg(kRemembrances).arg(n), false, false,
         20},
    });
}

// Phrase k: two to four notes from a pitch of its own, rising or falling.
std::vector<int16_t> phraseMelody(int k) {
    std::vector<int16_t> out;
    const int notes = 2 + k % 3;
    for (int i = 0; i < notes; ++i) {
        const double step = k % 2 ? 1.0 / (1 + 0.25 * i) : 1 + 0.25 * i;
        appendTone(out, kSampleRate, kScale[k] * step, 360, 0.32, false);
        appendSilence(out, kSampleRate, 50);
    }
    appendSilence(out, kSampleRate, 250);
    return out;
}

void writeRemembrances(DiscWriter& out) {
    std::string titles = "[titles]\r\n";
    for (int n = 1; n <= kRemembrances; ++n) {
        titles += std::to_string(n) + "=" + toCp1256(remembranceTitle(n)) + "\r\n";
        out.write(kData + "azkar\\" + std::to_string(n) + ".rtf", remembranceText(n));
    }
    out.write(kData + "azkar\\titles.ini", titles);
}

void writeRemembranceSounds(DiscWriter& out) {
    // One recording per phrase; the others are copies of it.
    for (int n = 1; n <= kRemembrances; ++n) {
        const std::string name = kSound + "azkar\\" + std::to_string(n) + ".mp3";
        if (n <= 7)
            writeMp3(out, name, phraseMelody(phraseOf(n)), kSampleRate, kMp3Kbps);
        else
            out.copy(name,
                     out.prepare(kSound + "azkar\\" + std::to_string(phraseOf(n) + 1) + ".mp3"));
    }
}

// --- occasions of revelation: ayas spread evenly over the Quran ---

AyaRef occasionAya(const QuranStructure& quran, int n) {
    return quran.ref(1 + (n - 1) * quran.totalAyas() / kOccasions);
}

void writeOccasions(DiscWriter& out, const QuranStructure& quran) {
    const std::vector<QString> ayas = readAyaTexts(quranTextFile("ar.tsv"), quran);
    std::string titles = "[asbab]\r\n";
    for (int n = 1; n <= kOccasions; ++n) {
        const AyaRef at = occasionAya(quran, n);
        const std::string sura = toCp1256(quran.sura(at.sura).name);
        const std::string aya = std::to_string(at.aya);
        titles += std::to_string(n) + "=" + toCp1256(u("سورة ")) + sura + " - " +
                  toCp1256(u("الآية ")) + aya + "\r\n";
        const std::string text =
            encodeExactly(ayas[static_cast<size_t>(quran.id(at) - 1)], 1256, "ar.tsv");
        if (text.size() > 2047) throw std::logic_error("aya longer than an INI value");
        const std::string account = toCp1256(u("نص تجريبي يقوم مقام سبب نزول الآية ")) + aya +
                                    toCp1256(u(" من سورة ")) + sura + toCp1256(u("، وهو المدخل ")) +
                                    std::to_string(n) + toCp1256(u(" من ")) +
                                    std::to_string(kOccasions) + ".";
        out.write(kData + "asbab\\" + std::to_string(n) + ".ini",
                  "[asbab]\r\naya=" + text + "\r\nsabab=" + account + "\r\naya_num=" + aya +
                      "\r\nsora_num=" + std::to_string(at.sura) + "\r\n");
    }
    out.write(kData + "asbab\\asbab.ini", titles);
}

// --- recitation rules: example e is e short notes at a pitch of its own ---

std::vector<int16_t> exampleSound(int e) {
    std::vector<int16_t> out;
    appendTone(out, kSampleRate, kScale[e - 1] * 2, 140, 0.3, true);
    appendSilence(out, kSampleRate, 80);
    for (int i = 0; i < e; ++i) {
        appendTone(out, kSampleRate, kScale[e - 1], 90, 0.32, false);
        appendSilence(out, kSampleRate, 60);
    }
    appendSilence(out, kSampleRate, 200);
    return out;
}

void writeRuleSounds(DiscWriter& out) {
    // Example e of the first page that has one is encoded; the example e of
    // every later page is a copy of it.
    std::map<int, std::string> encoded;
    for (int r = 1; r <= 23; ++r) {
        const auto& pages = tagweedPages(r);
        for (size_t p = 1; p <= pages.size(); ++p)
            for (int e = 1; e <= pages[p - 1].examples; ++e) {
                const std::string name = kSound + "tagweed\\" + std::to_string(r) + "-" +
                                         std::to_string(p) + "-" + std::to_string(e) + ".mp3";
                const auto first = encoded.find(e);
                if (first != encoded.end()) {
                    out.copy(name, out.prepare(first->second));
                } else {
                    writeMp3(out, name, exampleSound(e), kSampleRate, kMp3Kbps);
                    encoded.emplace(e, name);
                }
            }
    }
}

}  // namespace

void addReadingJobs(DiscWriter& out, std::vector<Job>& jobs) {
    const QuranStructure& quran = QuranStructure::builtIn();
    jobs.push_back([&out] { writeRuleSounds(out); });
    jobs.push_back([&out] { writeRemembranceSounds(out); });
    jobs.push_back([&out, &quran] { writeOccasions(out, quran); });
    jobs.push_back([&out] {
        writeRemembrances(out);
        out.write(kData + "tagweed", tagweedFile());
    });
    jobs.push_back([&out] { writeScreen(out, azkarScreen()); });
    jobs.push_back([&out] { writeScreen(out, asbabScreen()); });
    jobs.push_back([&out] { writeScreen(out, tagweedScreen()); });
}

}  // namespace disc
