#include "quran/quran_search.h"

#include <QList>
#include <algorithm>
#include <iterator>

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

/// Gives every aya of the Quran, in order, to each(sura, aya, text).
template <typename Each>
void forEachAya(platform::IndexedTextFile& text, platform::BinaryFile& ayaCount, Each each) {
    std::string aya;
    for (int s = 1; s <= kSuraCount; ++s) {
        const uint64_t first = text.FirstAyaRecord(s);
        int recordSura = 0;
        const int count = ReadSuraAyaCount(ayaCount, s, recordSura);
        for (int a = 1; a <= count; ++a) {
            aya = text.AyaText(first, a);
            each(s, a, aya);
        }
    }
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
    std::vector<QuranHit> hits;
    if (word.empty()) return hits;
    forEachAya(text, ayaCount, [&](int s, int a, std::string& aya) {
        // Trimming the text cannot change whether a trimmed word occurs in
        // it; only the letters are upper-cased.
        for (char& c : aya) c = upperAscii(c);
        if (aya.find(word) != std::string::npos) hits.push_back({s, a});
    });
    return hits;
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
    std::vector<QuranHit> hits;
    if (!matcher.valid()) return hits;
    if (!matcher.switches().daggerAlef) {
        forEachAya(text, ayaCount, [&](int s, int a, const std::string& aya) {
            if (matcher.OccursIn(aya)) hits.push_back({s, a});
        });
        return hits;
    }
    // The written-out alefs count only for a word the text never holds as
    // written; one reading decides and finds both ways.
    const platform::ArabicMatcher written = matcher.WrittenForm();
    bool own = false;
    std::vector<QuranHit> plainHits;
    platform::ArabicMatcher::Folded folded;
    // With whole words and the prefixes on, the written form is the plain word.
    const platform::MatchSwitches& on = matcher.switches();
    const bool writtenIsPlain = on.wholeWord && on.prefixes;
    forEachAya(text, ayaCount, [&](int s, int a, const std::string& aya) {
        matcher.FoldBytes(aya, folded);  // the matchers fold alike
        const unsigned finds = matcher.AlefFindsInFolded(folded);
        const bool asTyped = finds & platform::ArabicMatcher::kFoundAsTyped;
        if (!own && (writtenIsPlain ? asTyped : written.OccursInFolded(folded))) own = true;
        if (asTyped)
            plainHits.push_back({s, a});
        else if (!own && (finds & platform::ArabicMatcher::kFoundWithAlef))
            hits.push_back({s, a});
    });
    if (own) return plainHits;
    // Every aya the plain word is found in is found with the alefs too.
    std::vector<QuranHit> all;
    std::merge(plainHits.begin(), plainHits.end(), hits.begin(), hits.end(),
               std::back_inserter(all), [](const QuranHit& x, const QuranHit& y) {
                   return x.sura != y.sura ? x.sura < y.sura : x.aya < y.aya;
               });
    return all;
}

namespace {

bool before(const QuranHit& x, const QuranHit& y) {
    return x.sura != y.sura ? x.sura < y.sura : x.aya < y.aya;
}

/// The first aya that begins on `page` or after it, as a bound in Quran
/// order; (115, 1) past the last page. The first record of a page may
/// continue an aya begun on the page before: the bound is then the next aya.
QuranHit firstAyaFrom(int page) {
    if (page > kPageCount) return {kSuraCount + 1, 1};
    QuranHit at;
    if (!FindFirstAyaOfPage(page, at.sura, at.aya)) return {kSuraCount + 1, 1};
    AyaLocation begins;
    if (LocateAyaSegments(at.sura, at.aya, begins) && begins.page < page) ++at.aya;
    return at;
}

}  // namespace

std::vector<QuranHit> HitsWithin(std::vector<QuranHit> hits, const SearchScope& scope) {
    QuranHit first, limit;
    switch (scope.kind) {
        case SearchScope::Whole:
            return hits;
        case SearchScope::Sura:
            first = {scope.sura, 1};
            limit = {scope.sura + 1, 0};
            break;
        case SearchScope::Pages:
            first = firstAyaFrom(scope.fromPage);
            limit = firstAyaFrom(scope.toPage + 1);
            break;
    }
    std::erase_if(hits, [&](const QuranHit& h) { return before(h, first) || !before(h, limit); });
    return hits;
}
