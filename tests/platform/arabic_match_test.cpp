// The Arabic-aware matcher: each switch alone and together, over code page
// 1256 bytes and Unicode alike, the marks it finds, and counts over the whole
// Quran text in its simple spelling checked against counts made by hand.
#include <QStringList>
#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "platform/arabic_match.h"
#include "platform/codepage.h"

using platform::ArabicMatcher;
using platform::MatchSwitches;

namespace {

enum Switch { kForms = 1, kMarks = 2, kPrefixes = 4, kWhole = 8, kAlef = 16, kLatin = 32 };

MatchSwitches switches(int bits) {
    MatchSwitches s;
    s.letterForms = bits & kForms;
    s.diacritics = bits & kMarks;
    s.prefixes = bits & kPrefixes;
    s.wholeWord = bits & kWhole;
    s.daggerAlef = bits & kAlef;
    s.latinCase = bits & kLatin;
    return s;
}

constexpr int kAware = kForms | kMarks | kPrefixes;

QString u(const char* utf8) {
    return QString::fromUtf8(utf8);
}

struct Case {
    int bits;
    const char* word;
    const char* text;
    bool found;
};

}  // namespace

TEST(ArabicMatch, EachSwitchAloneAndTogetherInBothEncodings) {
    const Case cases[] = {
        // Letter forms: hamza seats, alef maqsura, teh marbuta.
        {0, "ابراهيم", "واذ قال إبراهيم", false},
        {kForms, "ابراهيم", "واذ قال إبراهيم", true},
        {kForms, "إبراهيم", "ابراهيم", true},
        {kForms, "اية", "هذه آية", true},
        {kForms, "يحيي", "يا يحيى خذ", true},
        {kForms, "رحمه", "ورحمة", true},
        {kForms, "مسؤول", "مسئول", false},  // ؤ is و, ئ is ي: they stay apart
        {kForms, "سوال", "سؤال", true},
        {kForms, "سماء", "السماء", true},  // ء is kept
        {kForms, "سما", "السماء", true},
        {kForms, "سماا", "السماء", false},
        {kForms, "ٱلله", "الله", true},  // alef wasla, typed only
        // Diacritics and tatweel, in the text and in the word.
        {0, "الحمد", "الْحَمْدُ لِلَّهِ", false},
        {kMarks, "الحمد", "الْحَمْدُ لِلَّهِ", true},
        {kMarks, "الْحَمْدُ", "الحمد لله", true},
        {kMarks, "الله", "اللـــه", true},
        {kMarks, "ابراهيم", "إِبْرَاهِيمَ", false},  // the hamza needs the letter forms
        {kForms | kMarks, "ابراهيم", "إِبْرَاهِيمَ", true},
        // Prefixes alone: the لل form of a word with ال.
        {0, "الكتاب", "للكتاب", false},
        {kPrefixes, "الكتاب", "للكتاب", true},
        {kPrefixes, "الكتاب", "وللكتاب", true},
        {kPrefixes, "الله", "لله", true},
        {kPrefixes, "الليل", "والليل لليل", true},
        {kPrefixes | kWhole, "الليل", "للليل", false},
        {kPrefixes, "كتاب", "والكتاب", true},  // a substring anyway
        // Whole words.
        {kWhole, "كتاب", "كتاب", true},
        {kWhole, "كتاب", "في كتاب.", true},
        {kWhole, "كتاب", "كتابه", false},
        {kWhole, "كتاب", "الكتاب", false},
        {kWhole, "لد", "بلد", false},
        {kWhole, "light", "a light.", true},
        {kWhole, "light", "lighter", false},
        // Whole words after the prefixes, and only the prefixes.
        {kWhole | kPrefixes, "كتاب", "الكتاب", true},
        {kWhole | kPrefixes, "كتاب", "والكتاب", true},
        {kWhole | kPrefixes, "كتاب", "بالكتاب", true},
        {kWhole | kPrefixes, "كتاب", "فالكتاب", true},
        {kWhole | kPrefixes, "كتاب", "للكتاب", true},
        {kWhole | kPrefixes, "كتاب", "وبكتاب", true},
        {kWhole | kPrefixes, "كتاب", "مكتاب", false},
        {kWhole | kPrefixes, "كتاب", "والكتابة", false},
        {kWhole | kPrefixes, "كتاب", "ببكتاب", false},
        {kWhole | kPrefixes, "كتاب", "لالكتاب", false},
        {kWhole | kPrefixes, "الكتاب", "وللكتاب", true},
        {kWhole | kPrefixes, "الكتاب", "بللكتاب", false},
        {kWhole | kPrefixes, "بلد", "بلد", true},  // not ب + لد
        {kWhole | kPrefixes, "بلد", "وبلد", true},
        {kWhole | kPrefixes, "بلد", "البلد", true},
        {kWhole | kPrefixes, "لد", "بلد", true},  // ب + لد: the rest matches
        {kWhole | kPrefixes, "لد", "ولد", true},
        {kWhole | kPrefixes, "لد", "يلد", false},
        // Alef written out in the text only, in words of three letters or more.
        {0, "الرحمن", "الرحمان", false},
        {kAlef, "الرحمن", "بسم الله الرحمان", true},
        {kAlef, "هذا", "هاذا", true},
        {kAlef, "السموات", "السماوات", true},
        {kAlef, "قل", "قال", false},
        {kAlef, "كن", "كان", false},
        {kAlef, "هذا", "اهذ", false},
        {kAlef | kWhole, "هذا", "هاذان", false},
        // Latin letters in any case (the Quran search).
        {0, "LIGHT", "light", false},
        {kLatin, "LIGHT", "a Light", true},
        // Everything together.
        {kAware | kWhole | kAlef, "رحمن", "بالرَّحْمَانِ", true},
        {kAware | kWhole | kAlef, "ابراهيم", "وَلإِبْرَاهِيمَ", true},
        {kAware | kWhole | kAlef, "صلاة", "الصلوات", false},
        // An empty word is found nowhere.
        {kAware, "", "كتاب", false},
        {kMarks, "َ", "كَتب", false},
    };
    for (const Case& c : cases) {
        const ArabicMatcher matcher(u(c.word), switches(c.bits));
        const QString text = u(c.text);
        EXPECT_EQ(matcher.OccursIn(text), c.found) << c.bits << " " << c.word << " in " << c.text;
        std::string bytes;
        if (platform::fromUnicodeExactly(text, bytes)) {
            EXPECT_EQ(matcher.OccursIn(bytes), c.found)
                << "1256: " << c.bits << " " << c.word << " in " << c.text;
        }
        // At the very start and end of a longer text the answer stays.
        EXPECT_EQ(matcher.OccursIn(text + u(" نص")), c.found) << c.word << " at the start";
        EXPECT_EQ(matcher.OccursIn(u("نص ") + text), c.found) << c.word << " at the end";
    }
}

TEST(ArabicMatch, MarksEveryMatchWhereItStandsInTheText) {
    struct Marks {
        int bits;
        const char* word;
        const char* text;
        std::vector<std::pair<int, int>> found;
    };
    const Marks cases[] = {
        {kForms, "ابراهيم", "إبراهيم وابراهيم", {{0, 7}, {9, 7}}},
        // The marks inside and after the word are marked with it.
        {kMarks, "الحمد", "الْحَمْدُ لِلَّهِ", {{0, 9}}},
        // The prefix stays black; the لل form is marked whole.
        {kWhole | kPrefixes, "كتاب", "والكتاب كتابه", {{3, 4}}},
        {kPrefixes, "الكتاب", "للكتاب", {{0, 6}}},
        {kAlef, "هذا", "هاذا", {{0, 4}}},
        {kForms, "اا", "اااا", {{0, 2}, {2, 2}}},  // never overlapping
        {kAware, "زيت", "كتاب", {}},
    };
    for (const Marks& c : cases)
        EXPECT_EQ(ArabicMatcher(u(c.word), switches(c.bits)).FindIn(u(c.text)), c.found) << c.word;
}

TEST(ArabicMatch, CountsOverTheQuranTextAgreeWithCountsMadeByHand) {
    std::ifstream in(std::string(ZAFIREL_SHARED_DATA) + "/quran-text/ar-simple.tsv");
    ASSERT_TRUE(in) << "ar-simple.tsv";
    std::vector<std::string> ayas;
    for (std::string line; std::getline(in, line);) {
        const QStringList fields = QString::fromStdString(line).split(u'\t');
        ASSERT_EQ(fields.size(), 3);
        std::string bytes;
        ASSERT_TRUE(platform::fromUnicodeExactly(fields[2], bytes)) << line;
        ayas.push_back(bytes);
    }
    ASSERT_EQ(ayas.size(), 6236u);
    // Counted with a separate script over the same file (folding by table,
    // prefixes and boundaries by regular expression); ابراهيم and الصلاة
    // agree with the word concordances.
    struct Count {
        int bits;
        const char* word;
        int ayas;
    };
    const Count counts[] = {
        {kForms | kMarks, "إبراهيم", 63},
        {kForms | kMarks, "الصلاة", 61},
        {kForms | kMarks, "اية", 275},
        {0, "اية", 88},
        {kForms | kMarks, "رحمه", 75},
        {0, "رحمه", 3},
        {kForms | kMarks, "يحيي", 35},
        {kForms | kMarks | kWhole, "كتاب", 46},
        {kAware | kWhole, "كتاب", 211},
        {kAware | kWhole, "ابراهيم", 63},
        {kWhole, "بلد", 2},
        {kAware | kWhole, "بلد", 8},
        {kAware | kWhole, "الله", 1812},  // لله and ولله among them
        {kAware, "الله", 1827},
        {kAware | kWhole, "الليل", 65},
        {kAware, "الرحمن", 0},
        {kAware | kWhole | kAlef, "الرحمن", 56},  // 8 of them للرحمان
        {kAware | kWhole | kAlef, "هذا", 204},
        {kAware | kWhole | kAlef, "ذلك", 412},
        {kAware | kWhole | kAlef, "قل", 307},  // never قال
        {kAware | kWhole, "قل", 307},
    };
    for (const Count& c : counts) {
        const ArabicMatcher matcher(u(c.word), switches(c.bits));
        int n = 0;
        for (const std::string& aya : ayas) n += matcher.OccursIn(aya);
        EXPECT_EQ(n, c.ayas) << c.bits << " " << c.word;
    }
}

TEST(ArabicMatch, OnePassTellsAWordFoundAsTypedFromOneFoundOnlyWithItsAlefs) {
    const ArabicMatcher matcher(u("هذا"), switches(kAware | kWhole | kAlef));
    const struct {
        const char* text;
        unsigned finds;
    } cases[] = {
        {"هاذا", ArabicMatcher::kFoundWithAlef},
        {"وهذا هاذا", ArabicMatcher::kFoundWithAlef | ArabicMatcher::kFoundAsTyped},
        {"هاذا وهذا", ArabicMatcher::kFoundWithAlef | ArabicMatcher::kFoundAsTyped},
        {"هاذان", 0},
    };
    ArabicMatcher::Folded folded;
    for (const auto& c : cases) {
        matcher.FoldBytes(platform::fromUnicode(u(c.text)), folded);
        EXPECT_EQ(matcher.AlefFindsInFolded(folded), c.finds) << c.text;
        EXPECT_EQ(matcher.OccursInFolded(folded), c.finds != 0) << c.text;
        EXPECT_EQ(matcher.WithoutAlef().OccursInFolded(folded),
                  (c.finds & ArabicMatcher::kFoundAsTyped) != 0)
            << c.text;
    }
}
