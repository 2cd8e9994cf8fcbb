// The texts of the sample disc that tests make no files of: the Quran's text
// (in the simple spelling) and the translations, read as the readers read
// them, are the shared data files' lines in their code pages, every occasion
// of revelation names a real aya and quotes its Uthmani text, and the plain
// texts shown right to left are Arabic.
#include <QRegularExpression>
#include <QStringList>
#include <fstream>
#include <map>
#include <gtest/gtest.h>

#include "devotional/asbab_entry.h"
#include "devotional/tagweed_file.h"
#include "platform/codepage.h"
#include "platform/indexed_text_file.h"
#include "quran/commentary_file.h"
#include "sample_disc_check.h"

namespace {

using SampleDiscTexts = SampleDiscTest;

TEST_F(SampleDiscTexts, QuranAndTranslationsAreTheDataFilesLinesInTheirCodePages) {
    platform::IndexedTextFile quran(DataDir + "11");
    // Commentary numbers and their data files; 11 is the Quran's own text in
    // the simple spelling that the search reads.
    const std::pair<int, const char*> files[] = {
        {11, "ar-simple.tsv"}, {4, "en.tsv"}, {5, "fr.tsv"}, {6, "es.tsv"},
        {7, "tr.tsv"},         {8, "id.tsv"}, {9, "ru.tsv"}};
    for (auto [n, tsv] : files) {
        SCOPED_TRACE(tsv);
        const int codePage = n == 11 ? 1256 : CommentaryStyleOf(n).codePage;
        std::ifstream in(std::string(ZAFIREL_SHARED_DATA) + "/quran-text/" + tsv);
        int lines = 0, differ = 0;
        for (std::string line; std::getline(in, line); ++lines) {
            const QStringList f = QString::fromUtf8(line).split('\t');
            ASSERT_EQ(f.size(), 3);
            const int s = f[0].toInt(), a = f[1].toInt();
            const std::string text =
                n == 11 ? quran.AyaText(quran.FirstAyaRecord(s), a) : LoadCommentary(n, s, a);
            differ += platform::toUnicode(text, codePage) != f[2];
        }
        EXPECT_EQ(lines, 6236);
        EXPECT_EQ(differ, 0) << "ayas whose text is not the data file's";
    }
}

TEST_F(SampleDiscTexts, EveryOccasionNamesARealAyaAndQuotesIt) {
    // The occasions quote the Uthmani text.
    std::map<std::pair<int, int>, std::string> uthmani;
    std::ifstream in(std::string(ZAFIREL_SHARED_DATA) + "/quran-text/ar.tsv");
    for (std::string line; std::getline(in, line);) {
        const QStringList f = QString::fromUtf8(line).split('\t');
        ASSERT_EQ(f.size(), 3);
        uthmani[{f[0].toInt(), f[1].toInt()}] = platform::fromUnicode(f[2]);
    }
    ASSERT_EQ(uthmani.size(), 6236u);
    for (int n = 1; n <= 434; ++n) {
        SCOPED_TRACE(n);
        const OccasionEntry e = ReadOccasionEntry(n);
        int sura = 0, aya = 0;
        ASSERT_TRUE(OccasionAya(e.suraNum, e.ayaNum, sura, aya));
        EXPECT_EQ(e.aya, uthmani[std::make_pair(sura, aya)]);
    }
}

TEST_F(SampleDiscTexts, PlainTextsShownRightToLeftHoldNoLatinLetters) {
    // A right-to-left pane reorders English: "entry 434." comes out as ".434 entry".
    const QRegularExpression latin("[A-Za-z]");
    int found = 0;
    std::string first;
    auto check = [&](const std::string& where, const std::string& bytes) {
        if (!platform::toUnicode(bytes).contains(latin)) return;
        if (!found++) first = where;
    };
    std::ifstream in(std::string(ZAFIREL_SHARED_DATA) + "/quran-text/ar.tsv");
    for (std::string line; std::getline(in, line);) {
        const QStringList f = QString::fromUtf8(line).split('\t');
        ASSERT_EQ(f.size(), 3);
        for (int n = 1; n <= kCommentaryCount; ++n)
            if (CommentaryStyleOf(n).rightToLeft)
                check("commentary " + std::to_string(n) + " " + line.substr(0, line.find('\t', 3)),
                      LoadCommentary(n, f[0].toInt(), f[1].toInt()));
    }
    for (int n = 1; n <= 434; ++n)
        check("occasion " + std::to_string(n), ReadOccasionEntry(n).sabab);
    for (int r = 1; r <= kTagweedRuleCount; ++r)
        for (int p = 1, pages = 1; p <= pages; ++p) {
            const TagweedPage page = ReadTagweedPage(r, p);
            pages = page.pageCount;
            check("rule " + std::to_string(r) + " page " + std::to_string(p), page.text);
        }
    EXPECT_EQ(found, 0) << "texts with Latin letters, the first: " << first;
}

}  // namespace
