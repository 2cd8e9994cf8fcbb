#include "platform/arabic_match.h"

#include <QChar>
#include <algorithm>
#include <array>
#include <cstring>
#include <functional>
#include <string>
#include <type_traits>

#include "platform/codepage.h"

namespace platform {

namespace {

constexpr char16_t kAlef = 0x0627;
constexpr char16_t kAlefWasla = 0x0671;
constexpr char16_t kLam = 0x0644;
constexpr char16_t kWaw = 0x0648;
constexpr char16_t kFa = 0x0641;
constexpr char16_t kBa = 0x0628;
constexpr char16_t kKaf = 0x0643;

SearchOptions& options() {
    static SearchOptions current;
    return current;
}

/// Diacritics (fathatan ... sukun and the marks after them), superscript
/// alef, the Quranic annotation marks and tatweel.
bool ignorable(char16_t c) {
    return (c >= 0x064B && c <= 0x065F) || c == 0x0670 || (c >= 0x06D6 && c <= 0x06DC) ||
           (c >= 0x06DF && c <= 0x06E4) || c == 0x06E7 || c == 0x06E8 ||
           (c >= 0x06EA && c <= 0x06ED) || c == 0x0640;
}

char16_t letterForm(char16_t c) {
    switch (c) {
        case 0x0623:  // أ
        case 0x0625:  // إ
        case 0x0622:  // آ
        case kAlefWasla:
            return kAlef;
        case 0x0649:        // ى
        case 0x0626:        // ئ
            return 0x064A;  // ي
        case 0x0629:        // ة
            return 0x0647;  // ه
        case 0x0624:        // ؤ
            return kWaw;
        default:
            return c;
    }
}

/// The character as the switches compare it; 0 when they drop it.
char16_t fold(char16_t c, const MatchSwitches& s) {
    if (s.latinCase && c >= u'a' && c <= u'z') return static_cast<char16_t>(c - u'a' + u'A');
    if (s.diacritics && ignorable(c)) return 0;
    return s.letterForms ? letterForm(c) : c;
}

/// Letters, digits and the marks that belong to a word.
bool wordChar(char16_t c) {
    if (c < 128) return (c >= u'0' && c <= u'9') || ((c | 0x20) >= u'a' && (c | 0x20) <= u'z');
    const QChar q(c);
    return q.isLetterOrNumber() || q.isMark() || c == 0x0640;
}

bool alef(char16_t c) {
    return c == kAlef || c == kAlefWasla;
}

/// The character of a folded text's unit: itself, or a code page 1256 byte's.
char16_t uni(char16_t c) {
    return c;
}
char16_t uni(char c) {
    static const std::array<char16_t, 256> table = [] {
        std::array<char16_t, 256> t{};
        for (int b = 0; b < 256; ++b)
            t[static_cast<size_t>(b)] = byteToUnicode(static_cast<unsigned char>(b));
        return t;
    }();
    return table[static_cast<unsigned char>(c)];
}

/// The first place at or after `from` where `p` (not empty) starts in `t`.
size_t findIn(std::u16string_view t, std::u16string_view p, size_t from) {
    return t.find(p, from);
}
size_t findIn(std::string_view t, std::string_view p, size_t from) {
    if (from >= t.size()) return std::string_view::npos;
    if (p.size() >= 3) {  // long enough for skips
        const auto at = std::search(t.begin() + static_cast<std::ptrdiff_t>(from), t.end(),
                                    std::boyer_moore_horspool_searcher(p.begin(), p.end()));
        return at == t.end() ? std::string_view::npos : static_cast<size_t>(at - t.begin());
    }
    // memchr finds the candidates far faster than a loop over the bytes.
    while (from + p.size() <= t.size()) {
        const void* hit = std::memchr(t.data() + from, p[0], t.size() - from - p.size() + 1);
        if (!hit) break;
        const size_t at = static_cast<size_t>(static_cast<const char*>(hit) - t.data());
        if (std::memcmp(t.data() + at + 1, p.data() + 1, p.size() - 1) == 0) return at;
        from = at + 1;
    }
    return std::string_view::npos;
}

/// و or ف, then one of ب ك ل, ال, بال, كال, لل, or nothing.
template <typename C>
bool attachedPrefix(std::basic_string_view<C> text) {
    std::u16string p;
    for (C c : text) p.push_back(uni(c));
    if (!p.empty() && (p[0] == kWaw || p[0] == kFa)) p.erase(0, 1);
    if (p.empty()) return true;
    if (p.size() == 1) return p[0] == kBa || p[0] == kKaf || p[0] == kLam;
    if (p.size() == 3 && (p[0] == kBa || p[0] == kKaf)) p.erase(0, 1);
    return p.size() == 2 && ((alef(p[0]) && p[1] == kLam) || (p[0] == kLam && p[1] == kLam));
}

}  // namespace

SearchOptions searchOptions() {
    return options();
}

void setSearchOptions(const SearchOptions& o) {
    options() = o;
}

MatchSwitches switchesOf(const SearchOptions& o) {
    MatchSwitches s;
    s.letterForms = s.diacritics = s.prefixes = o.arabicAware;
    s.wholeWord = o.wholeWords;
    s.daggerAlef = o.daggerAlef;
    return s;
}

ArabicMatcher::ArabicMatcher(const QString& word, const MatchSwitches& switches)
    : switches_(switches) {
    for (QChar c : word)
        if (char16_t f = fold(c.unicode(), switches_)) word_.push_back(f);
    // ل + ال writes لل (للكتاب), and ل + ال + ل writes لل too (لله, لليل).
    if (switches_.prefixes && word_.size() > 2 && alef(word_[0]) && word_[1] == kLam)
        lamWord_ = u"\u0644" + word_.substr(word_[2] == kLam ? 2 : 1);
    // Code page 1256 text is folded byte to byte: every folded form is a
    // letter of the code page. A word it cannot hold is found in no such text.
    for (int b = 0; b < 256; ++b) {
        const char16_t f = fold(byteToUnicode(static_cast<unsigned char>(b)), switches_);
        byteTable_[static_cast<size_t>(b)] =
            f == 0 ? -1 : static_cast<unsigned char>(f < 128 ? f : unicodeToByte(f));
    }
    if (!fromUnicodeExactly(QString::fromStdU16String(word_), bytesWord_)) bytesWord_.clear();
    if (!fromUnicodeExactly(QString::fromStdU16String(lamWord_), bytesLamWord_))
        bytesLamWord_.clear();
}

ArabicMatcher ArabicMatcher::WithoutAlef() const {
    MatchSwitches s = switches_;
    s.daggerAlef = false;
    return ArabicMatcher(QString::fromStdU16String(word_), s);
}

ArabicMatcher ArabicMatcher::WrittenForm() const {
    MatchSwitches s = switches_;
    s.daggerAlef = false;
    s.wholeWord = s.prefixes = true;
    return ArabicMatcher(QString::fromStdU16String(word_), s);
}

void ArabicMatcher::Fold(const char16_t* text, size_t size, Folded& out) const {
    out.text.clear();
    out.at.clear();
    for (size_t i = 0; i < size; ++i)
        if (char16_t f = fold(text[i], switches_)) {
            out.text.push_back(f);
            out.at.push_back(static_cast<int>(i));
        }
}

template <typename C>
bool ArabicMatcher::MatchAt(std::basic_string_view<C> t, size_t at,
                            std::basic_string_view<C> pattern, bool lamForm, size_t& end,
                            size_t* skipped) const {
    const size_t n = t.size();
    size_t i = 0, k = at;
    while (i < pattern.size()) {
        if (k < n && t[k] == pattern[i]) {
            ++i, ++k;
            continue;
        }
        // An alef written out between two letters that the typed word leaves
        // out; never in words of two letters (قل is not قال).
        if (switches_.daggerAlef && i > 0 && pattern.size() >= 3 && k + 1 < n && alef(uni(t[k])) &&
            t[k + 1] == pattern[i] && wordChar(uni(t[k - 1])) && !alef(uni(t[k - 1]))) {
            ++k;
            if (skipped) ++*skipped;
            continue;
        }
        return false;
    }
    end = k;
    if (switches_.wholeWord && end < n && wordChar(uni(t[end]))) return false;
    if (!switches_.wholeWord && !lamForm) return true;
    size_t start = at;
    while (start > 0 && wordChar(uni(t[start - 1]))) --start;
    const std::basic_string_view<C> before = t.substr(start, at - start);
    if (lamForm)  // only و or ف may stand before the لل
        return !switches_.wholeWord || before.empty() ||
               (before.size() == 1 && (uni(before[0]) == kWaw || uni(before[0]) == kFa));
    return before.empty() || (switches_.prefixes && attachedPrefix(before));
}

template <typename C, typename Each>
bool ArabicMatcher::Scan(std::basic_string_view<C> t, Each each) const {
    using Pattern = std::basic_string<C>;
    const Pattern *word, *lamWord;
    if constexpr (std::is_same_v<C, char>)
        word = &bytesWord_, lamWord = &bytesLamWord_;
    else
        word = &word_, lamWord = &lamWord_;
    for (const Pattern* pattern : {word, lamWord}) {
        if (pattern->empty()) continue;
        const bool lamForm = pattern == lamWord;
        const std::basic_string_view<C> p = *pattern;
        size_t from = 0, end = 0;
        while (from < t.size()) {
            // With the alef switch a match may be longer than the word: its
            // first letter starts a candidate.
            const size_t at = findIn(t, switches_.daggerAlef ? p.substr(0, 1) : p, from);
            if (at == std::basic_string_view<C>::npos) break;
            if (MatchAt(t, at, p, lamForm, end) && !each(at, end)) return true;
            from = at + 1;
        }
    }
    return false;
}

void ArabicMatcher::FoldBytes(std::string_view bytes, Folded& out) const {
    // The buffer only grows (no clearing per text); a dropped byte is written
    // and then written over, which keeps the loop free of branches.
    if (out.bytes.size() < bytes.size()) out.bytes.resize(bytes.size());
    char* to = out.bytes.data();
    size_t n = 0;
    for (char b : bytes) {
        const int16_t f = byteTable_[static_cast<unsigned char>(b)];
        to[n] = static_cast<char>(f);
        n += f >= 0;
    }
    out.length = n;
}

unsigned ArabicMatcher::AlefFindsInFolded(const Folded& text) const {
    const std::string_view t(text.bytes.data(), text.length);
    unsigned finds = 0;
    for (const std::string* pattern : {&bytesWord_, &bytesLamWord_}) {
        if (pattern->empty()) continue;
        const std::string_view p = *pattern;
        size_t from = 0, end = 0;
        while (finds != (kFoundWithAlef | kFoundAsTyped) && from < t.size()) {
            const size_t at = findIn(t, p.substr(0, 1), from);
            if (at == std::string_view::npos) break;
            size_t skipped = 0;
            if (MatchAt(t, at, p, pattern == &bytesLamWord_, end, &skipped))
                finds |= kFoundWithAlef | (skipped == 0 ? kFoundAsTyped : 0u);
            from = at + 1;
        }
    }
    return finds;
}

bool ArabicMatcher::OccursInFolded(const Folded& text) const {
    return Scan(std::string_view(text.bytes.data(), text.length),
                [](size_t, size_t) { return false; });
}

bool ArabicMatcher::OccursIn(std::string_view bytes) const {
    if (bytesWord_.empty()) return false;
    thread_local Folded folded;
    FoldBytes(bytes, folded);
    return OccursInFolded(folded);
}

bool ArabicMatcher::OccursIn(const QString& text) const {
    if (word_.empty()) return false;
    thread_local Folded folded;
    Fold(reinterpret_cast<const char16_t*>(text.utf16()), static_cast<size_t>(text.size()), folded);
    return Scan(std::u16string_view(folded.text), [](size_t, size_t) { return false; });
}

std::vector<std::pair<int, int>> ArabicMatcher::FindIn(const QString& text) const {
    std::vector<std::pair<int, int>> found;
    Folded folded;
    Fold(reinterpret_cast<const char16_t*>(text.utf16()), static_cast<size_t>(text.size()), folded);
    const int size = static_cast<int>(text.size());
    Scan(std::u16string_view(folded.text), [&](size_t at, size_t end) {
        // The marks after the last letter belong to the match.
        const int last = end < folded.at.size() ? folded.at[end] : size;
        found.emplace_back(folded.at[at], last - folded.at[at]);
        return true;
    });
    std::sort(found.begin(), found.end());
    std::vector<std::pair<int, int>> apart;
    for (const auto& m : found)
        if (apart.empty() || m.first >= apart.back().first + apart.back().second)
            apart.push_back(m);
    return apart;
}

}  // namespace platform
