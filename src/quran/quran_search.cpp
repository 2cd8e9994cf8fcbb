#include "quran/quran_search.h"

#include <QList>

#include "platform/arabic_match.h"
#include "platform/binfile.h"
#include "platform/codepage.h"
#include "platform/indexed_text_file.h"
#include "quran/quran_files.h"
#include "shell/globals.h"

namespace {

char upperAscii(char c) {
    return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
}

/// Every aya of the Quran, in order, whose text `hit` accepts.
template <typename Hit>
std::vector<QuranHit> findAyas(platform::IndexedTextFile& text, platform::BinaryFile& ayaCount,
                               Hit hit) {
    std::vector<QuranHit> hits;
    std::string aya;
    for (int s = 1; s <= kSuraCount; ++s) {
        const uint64_t first = text.FirstAyaRecord(s);
        int recordSura = 0;
        const int count = ReadSuraAyaCount(ayaCount, s, recordSura);
        for (int a = 1; a <= count; ++a) {
            aya = text.AyaText(first, a);
            if (hit(aya)) hits.push_back({s, a});
        }
    }
    return hits;
}

}  // namespace

std::string SearchForm(std::string_view bytes) {
    auto blank = [](char c) { return static_cast<unsigned char>(c) < 33; };
    size_t b = 0, e = bytes.size();
    while (b < e && blank(bytes[b])) ++b;
    while (e > b && blank(bytes[e - 1])) --e;
    std::string out(bytes.substr(b, e - b));
    for (char& c : out) c = upperAscii(c);
    return out;
}

bool SearchWordOf(const QString& typed, std::string& word) {
    std::string bytes;
    if (!platform::fromUnicodeExactly(typed, bytes)) return false;
    word = SearchForm(bytes);
    return true;
}

std::vector<QuranHit> FindAyasContaining(const std::string& word) {
    if (word.empty()) return {};
    platform::IndexedTextFile text(DataDir + "11");
    platform::BinaryFile ayaCount(DataDir + "aya_count");
    return FindAyasContaining(text, ayaCount, word);
}

std::vector<QuranHit> FindAyasContaining(platform::IndexedTextFile& text,
                                         platform::BinaryFile& ayaCount, const std::string& word) {
    if (word.empty()) return {};
    return findAyas(text, ayaCount, [&word](std::string& aya) {
        // Trimming the text cannot change whether a trimmed word occurs in
        // it; only the letters are upper-cased.
        for (char& c : aya) c = upperAscii(c);
        return aya.find(word) != std::string::npos;
    });
}

std::vector<QuranHit> FindAyasMatching(const platform::ArabicMatcher& matcher) {
    if (!matcher.valid()) return {};
    platform::IndexedTextFile text(DataDir + "11");
    platform::BinaryFile ayaCount(DataDir + "aya_count");
    return FindAyasMatching(text, ayaCount, matcher);
}

std::vector<QuranHit> FindAyasMatching(platform::IndexedTextFile& text,
                                       platform::BinaryFile& ayaCount,
                                       const platform::ArabicMatcher& matcher) {
    if (!matcher.valid()) return {};
    return findAyas(text, ayaCount,
                    [&matcher](const std::string& aya) { return matcher.OccursIn(aya); });
}
