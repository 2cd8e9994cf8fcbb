// Word search over the Quran's aya text ("11", indexed by sura, with the aya
// counts of "aya_count"): every aya whose text contains the word, once per aya.
#pragma once

#include <QString>
#include <string>
#include <string_view>
#include <vector>

namespace platform {
class ArabicMatcher;
class BinaryFile;
class IndexedTextFile;
}  // namespace platform

/// An aya that contains the searched word.
struct QuranHit {
    int sura = 0;
    int aya = 0;
};

/// The form in which a word or a text is compared: leading and trailing bytes
/// below 33 (blanks and control characters) removed and the ASCII letters a-z
/// upper-cased; every other byte, the Arabic ones included, stays as it is.
std::string SearchForm(std::string_view bytes);

/// The word typed into the search box as code page 1256 text in search form.
/// False when it holds a character the code page cannot hold: such a word
/// occurs nowhere (it must not match a literal '?').
bool SearchWordOf(const QString& typed, std::string& word);

/// Every aya of suras 1..114 whose text contains `word` (in search form) as a
/// byte string, in Quran order. An empty word is found nowhere. The text file
/// stays open for the whole search; each sura's aya count is read from
/// "aya_count". A damaged file raises its read error.
std::vector<QuranHit> FindAyasContaining(const std::string& word);
/// The same over open files: the aya text and the aya counts.
std::vector<QuranHit> FindAyasContaining(platform::IndexedTextFile& text,
                                         platform::BinaryFile& ayaCount, const std::string& word);

/// Every aya of suras 1..114 in whose text `matcher` finds its word, in Quran
/// order, read as FindAyasContaining reads (the Arabic-aware search). With
/// the alef switch, a word that some aya holds as written is searched
/// without it.
std::vector<QuranHit> FindAyasMatching(const platform::ArabicMatcher& matcher);
/// The same over open files.
std::vector<QuranHit> FindAyasMatching(platform::IndexedTextFile& text,
                                       platform::BinaryFile& ayaCount,
                                       const platform::ArabicMatcher& matcher);

/// Where a search looks: the whole Quran (the default), one sura, or the
/// ayas that begin on a range of pages.
struct SearchScope {
    enum Kind { Whole, Sura, Pages } kind = Whole;
    int sura = 0;
    int fromPage = 0, toPage = 0;
};

/// The hits that lie in `scope`. The pages are read from the aya map
/// ("cutaya"): an aya belongs to the page it begins on.
std::vector<QuranHit> HitsWithin(std::vector<QuranHit> hits, const SearchScope& scope);
