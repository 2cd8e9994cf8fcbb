// Arabic-aware word matching for the searches: the same rules over code page
// 1256 bytes and over Unicode text, each rule a switch of its own. With every
// switch off a word matches where its characters occur as they are; the
// searches then keep their plain byte comparison and never come here.
#pragma once

#include <QString>
#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace platform {

/// The search options of the program's own preferences. Every option is off
/// by default, which keeps the searches exact.
struct SearchOptions {
    /// Letter forms, diacritics and attached prefixes.
    bool arabicAware = false;
    /// A match begins and ends at a word boundary (after the prefixes).
    bool wholeWords = false;
    /// A long alef the text writes out may be missing from the typed word.
    bool daggerAlef = false;
};

/// The options the search screens read when a search starts.
SearchOptions searchOptions();
/// Sets the options: the preferences call it at start and when the user
/// changes them; tests call it to try the options (and set them back).
void setSearchOptions(const SearchOptions& options);

/// The preference keys of the options (the preferences file of the program's
/// own layer); the Quran search names the first in its not-found hint.
inline constexpr const char* kArabicAwareKey = "search/arabicAware";
inline constexpr const char* kWholeWordsKey = "search/wholeWords";
inline constexpr const char* kDaggerAlefKey = "search/daggerAlef";

/// The rules of a match, each on its own.
struct MatchSwitches {
    /// أ إ آ ٱ match ا; ى and ئ match ي; ة matches ه; ؤ matches و (ء stays).
    bool letterForms = false;
    /// Diacritics, superscript alef, the Quranic marks and tatweel are ignored
    /// in the text and in the word.
    bool diacritics = false;
    /// A word found after و ف ب ك ل and ال (وال بال لل ...) counts as found
    /// at the start of a word; a word beginning with ال also matches its لل
    /// form after ل (للكتاب for الكتاب, لله for الله).
    bool prefixes = false;
    /// The match begins and ends at a word boundary (after the prefixes).
    bool wholeWord = false;
    /// An alef the text has between two letters may be missing from the
    /// typed word (الرحمان for الرحمن, هاذا for هذا), when the typed word has
    /// three letters or more. A search applies it only to a word that its
    /// text never holds as written (see WrittenForm), so that a word of the
    /// text is never merged with another (كتب with كتاب, قلت with قالت).
    bool daggerAlef = false;
    /// The letters a-z match A-Z (the Quran search compares them upper-cased).
    bool latinCase = false;

    bool any() const { return letterForms || diacritics || prefixes || wholeWord || daggerAlef; }
};

/// The switches the options turn on.
MatchSwitches switchesOf(const SearchOptions& options);

/// One typed word, prepared once and matched against many texts.
class ArabicMatcher {
  public:
    ArabicMatcher(const QString& word, const MatchSwitches& switches);

    /// False when the word is empty once folded: it is found nowhere.
    bool valid() const { return !word_.empty(); }
    const MatchSwitches& switches() const { return switches_; }

    /// The same word without the alef switch.
    ArabicMatcher WithoutAlef() const;
    /// The same word as a whole word after the prefixes, without the alef
    /// switch: where a text holds it so, the word is one of the text's own
    /// and the alef switch must leave it alone.
    ArabicMatcher WrittenForm() const;

    /// Whether the word occurs in code page 1256 text.
    bool OccursIn(std::string_view bytes) const;
    /// Whether the word occurs in Unicode text.
    bool OccursIn(const QString& text) const;
    /// Every match in Unicode text, as (start, length) in its UTF-16 units, in
    /// order and not overlapping; a match covers the prefixes it needed and
    /// the marks inside it.
    std::vector<std::pair<int, int>> FindIn(const QString& text) const;

    /// A text as the switches compare it (letter forms, marks and Latin case
    /// folded), with the position in the original text of every character kept.
    struct Folded {
        std::u16string text;
        std::vector<int> at;
        /// Code page 1256 text folded byte to byte (FoldBytes): its first
        /// `length` bytes.
        std::string bytes;
        size_t length = 0;
    };
    /// Folds code page 1256 text once for several matchers that fold alike
    /// (a matcher, WithoutAlef and WrittenForm).
    void FoldBytes(std::string_view bytes, Folded& out) const;
    /// Whether the word occurs in a text folded by FoldBytes.
    bool OccursInFolded(const Folded& text) const;
    /// With the alef switch, in one pass over a text folded by FoldBytes:
    /// whether the word occurs at all, and whether it occurs as typed (as
    /// WithoutAlef finds it).
    enum : unsigned { kFoundWithAlef = 1, kFoundAsTyped = 2 };
    unsigned AlefFindsInFolded(const Folded& text) const;

  private:
    void Fold(const char16_t* text, size_t size, Folded& out) const;
    template <typename C, typename Each>
    bool Scan(std::basic_string_view<C> text, Each each) const;
    template <typename C>
    bool MatchAt(std::basic_string_view<C> text, size_t at, std::basic_string_view<C> pattern,
                 bool lamForm, size_t& end, size_t* skipped = nullptr) const;

    MatchSwitches switches_;
    std::u16string word_;
    /// The word with its leading ال written لل (empty when it has no ال or
    /// the prefixes are off).
    std::u16string lamWord_;
    /// The two words in code page 1256 (empty when it cannot hold them).
    std::string bytesWord_, bytesLamWord_;
    /// Each code page 1256 byte as the switches compare it (-1: dropped).
    std::array<int16_t, 256> byteTable_{};
};

}  // namespace platform
