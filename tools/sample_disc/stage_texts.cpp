// The commentary reader (commentaries and translations 1..9, its skin, the
// chooser and the language screen) and the Quran search and remarks (the
// Quran's text in file 11 and their skins).
#include "aya_texts.h"
#include "quran_files.h"
#include "reader_screens.h"
#include "stages.h"

namespace disc {

namespace {

std::string where(const char* file, const SuraInfo& sura, int aya) {
    return std::string(file) + " " + std::to_string(sura.number) + ":" + std::to_string(aya);
}

// Texts of every aya in Quran order, each made by text(sura, aya, k) with k
// counted over the whole Quran from 0.
template <typename MakeText>
std::vector<std::string> perAya(const QuranStructure& quran, MakeText text) {
    std::vector<std::string> out;
    out.reserve(quran.totalAyas());
    for (const SuraInfo& s : quran.suras())
        for (int a = 1; a <= s.ayaCount; ++a) out.push_back(text(s, a, s.firstId + a - 2));
    return out;
}

void writeCommentary(DiscWriter& out, const QuranStructure& quran, int n) {
    const std::vector<QString> ayas = readAyaTexts(quranTextFile("ar.tsv"), quran);
    out.write(kData + std::to_string(n),
              indexedTextFile(quran, perAya(quran, [&](const SuraInfo& s, int a, int k) {
                                  return encodeExactly(commentaryText(n, s, a, ayas[k]), 1256,
                                                       where("commentary", s, a));
                              })));
}

void writeTranslation(DiscWriter& out, const QuranStructure& quran, const Translation& t) {
    const std::vector<QString> ayas = readAyaTexts(quranTextFile(t.tsv), quran);
    out.write(
        kData + std::to_string(t.file),
        indexedTextFile(quran, perAya(quran, [&](const SuraInfo& s, int a, int k) {
                            std::string marker = t.ayaMarker ? "aaaaa" + std::to_string(a) : "";
                            return marker + encodeExactly(ayas[k], t.codePage, where(t.tsv, s, a));
                        })));
}

}  // namespace

void addCommentaryJobs(DiscWriter& out, std::vector<Job>& jobs) {
    const QuranStructure& quran = QuranStructure::builtIn();
    for (int n = 1; n <= 3; ++n)
        jobs.push_back([&out, &quran, n] { writeCommentary(out, quran, n); });
    for (const Translation& t : kTranslations)
        jobs.push_back([&out, &quran, &t] { writeTranslation(out, quran, t); });
    jobs.push_back([&out] {
        const ScreenSpec reader = tafseerScreen();
        writeScreen(out, reader);
        out.writeJpeg(screenFolder(reader) + "around.jpg", tafseerFramePicture(), 90);
    });
    jobs.push_back([&out] {
        writeScreen(out, chooserScreen());
        writeScreen(out, languageScreen());
    });
}

void addSearchJobs(DiscWriter& out, std::vector<Job>& jobs) {
    const QuranStructure& quran = QuranStructure::builtIn();
    jobs.push_back([&out, &quran] {
        // The search reads the simple spelling, the one people type.
        const std::vector<QString> ayas = readAyaTexts(quranTextFile("ar-simple.tsv"), quran);
        out.write(kData + "11",
                  indexedTextFile(quran, perAya(quran, [&](const SuraInfo& s, int a, int k) {
                                      return encodeExactly(ayas[k], 1256,
                                                           where("ar-simple.tsv", s, a));
                                  })));
    });
    jobs.push_back([&out] { writeScreen(out, quranSearchScreen()); });
    jobs.push_back([&out] { writeScreen(out, remarksScreen()); });
}

}  // namespace disc
