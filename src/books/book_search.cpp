#include "books/book_search.h"

#include <algorithm>
#include <array>
#include <functional>

#include "books/book_files.h"
#include "platform/binfile.h"
#include "platform/codepage.h"
#include "platform/indexed_text_file.h"
#include "platform/rtf.h"
#include "shell/globals.h"

namespace {

/// A typed word as code page 1256 bytes; empty when it cannot occur in such text.
std::string bytesOf(const QString& word) {
    std::string bytes;
    if (!platform::fromUnicodeExactly(word, bytes)) bytes.clear();
    return bytes;
}

/// The text of an RTF topic as the text box shows it: paragraphs on lines of their own.
QString shownText(const platform::RtfDocument& document) {
    QString text;
    for (const platform::RtfParagraph& paragraph : document.paragraphs) {
        if (!text.isEmpty()) text += u'\n';
        text += paragraph.text();
    }
    return text;
}

}  // namespace

BookSearchWords::BookSearchWords(const QString& word1, const QString& word2, int mode)
    : BookSearchWords(word1, word2, mode, platform::switchesOf(platform::searchOptions())) {}

BookSearchWords::BookSearchWords(const QString& word1, const QString& word2, int mode,
                                 const platform::MatchSwitches& switches)
    : bytes1_(bytesOf(word1)), bytes2_(bytesOf(word2)), text1_(word1), text2_(word2), mode_(mode) {
    if (!switches.any()) return;
    match1_.emplace(word1, switches);
    match2_.emplace(word2, switches);
    if (!switches.daggerAlef) return;
    plain1_.emplace(match1_->WithoutAlef());
    plain2_.emplace(match2_->WithoutAlef());
    written1_.emplace(match1_->WrittenForm());
    written2_.emplace(match2_->WrittenForm());
}

namespace {

/// The bits of AlefFinds, word 1 in the low three, word 2 above.
enum : unsigned { kWithAlef = 1, kPlain = 2, kWritten = 4 };

unsigned findsOf(const QString& text, const platform::ArabicMatcher& with,
                 const platform::ArabicMatcher& plain, const platform::ArabicMatcher& written) {
    const bool found = plain.OccursIn(text);
    return (found ? kPlain | kWithAlef : (with.OccursIn(text) ? kWithAlef : 0u)) |
           (written.OccursIn(text) ? kWritten : 0u);
}

/// The same over bytes, folded once: the word with and without the alefs
/// in one pass.
unsigned findsOf(std::string_view bytes, const platform::ArabicMatcher& with,
                 const platform::ArabicMatcher& /*plain*/, const platform::ArabicMatcher& written) {
    thread_local platform::ArabicMatcher::Folded text;
    with.FoldBytes(bytes, text);
    const unsigned finds = with.AlefFindsInFolded(text);
    const bool found = finds & platform::ArabicMatcher::kFoundAsTyped;
    // With the prefixes on, the written form is the plain word as a whole
    // word: the same as the plain word with whole words on, and never found
    // where the plain word is not.
    const platform::MatchSwitches& s = with.switches();
    bool own;
    if (s.prefixes && s.wholeWord)
        own = found;
    else if (s.prefixes && !found)
        own = false;
    else
        own = written.OccursInFolded(text);
    return (found ? kPlain : 0u) |
           (finds & platform::ArabicMatcher::kFoundWithAlef ? kWithAlef : 0u) |
           (own ? kWritten : 0u);
}

}  // namespace

unsigned BookSearchWords::AlefFinds(std::string_view text) const {
    unsigned finds = findsOf(text, *match1_, *plain1_, *written1_);
    if (mode_ != kFirstWordOnly) finds |= findsOf(text, *match2_, *plain2_, *written2_) << 3;
    return finds;
}

unsigned BookSearchWords::AlefFinds(const QString& text) const {
    unsigned finds = findsOf(text, *match1_, *plain1_, *written1_);
    if (mode_ != kFirstWordOnly) finds |= findsOf(text, *match2_, *plain2_, *written2_) << 3;
    return finds;
}

bool BookSearchWords::HitAmong(unsigned finds, unsigned book) const {
    auto found = [&](int shift) {
        const bool own = (book >> shift) & kWritten;
        return ((finds >> shift) & (own ? kPlain : kWithAlef)) != 0;
    };
    return Combine(found(0), mode_ == kFirstWordOnly ? false : found(3));
}

bool BookSearchWords::Combine(bool found1, bool found2) const {
    switch (mode_) {
        case kBothWords:
            return found1 && found2;
        case kEitherWord:
            return found1 || found2;
        default:
            return found1;
    }
}

bool BookSearchWords::Occurs(std::string_view text, const std::string& word) {
    if (word.empty() || word.size() > text.size()) return false;
    return std::search(text.begin(), text.end(),
                       std::boyer_moore_horspool_searcher(word.begin(), word.end())) != text.end();
}

bool BookSearchWords::HitInBytes(std::string_view text) const {
    // The second word is looked for only when it can change the answer.
    const bool found1 = match1_ ? match1_->OccursIn(text) : Occurs(text, bytes1_);
    if (mode_ == kFirstWordOnly || (mode_ == kBothWords && !found1) ||
        (mode_ == kEitherWord && found1))
        return found1;
    return Combine(found1, match2_ ? match2_->OccursIn(text) : Occurs(text, bytes2_));
}

bool BookSearchWords::HitInText(const QString& text) const {
    auto occurs = [&text](const QString& word, const std::optional<platform::ArabicMatcher>& m) {
        if (m) return m->OccursIn(text);
        return !word.isEmpty() && text.contains(word, Qt::CaseSensitive);
    };
    return Combine(occurs(text1_, match1_),
                   mode_ == kFirstWordOnly ? false : occurs(text2_, match2_));
}

namespace {

/// The hits among the finds of every topic of a book (topic t at t - 1).
std::vector<int> hitsAmong(const std::vector<unsigned>& finds, const BookSearchWords& words) {
    unsigned book = 0;
    for (unsigned f : finds) book |= f;
    std::vector<int> topics;
    for (size_t t = 0; t < finds.size(); ++t)
        if (words.HitAmong(finds[t], book)) topics.push_back(static_cast<int>(t) + 1);
    return topics;
}

}  // namespace

std::vector<int> FindTopics(platform::IndexedTextFile& texts, int count,
                            const BookSearchWords& words) {
    if (words.SkipsAlef()) {
        std::vector<unsigned> finds;
        texts.ForEachRecord(
            count, [&](int, const std::string& text) { finds.push_back(words.AlefFinds(text)); });
        return hitsAmong(finds, words);
    }
    std::vector<int> topics;
    texts.ForEachRecord(count, [&](int t, const std::string& text) {
        if (words.HitInBytes(text)) topics.push_back(t);
    });
    return topics;
}

std::vector<int> FindBookTopics(int book, const BookSearchWords& words) {
    const int count = ReadTopicCount(book);
    platform::IndexedTextFile texts(BookFilePath(book, 'd'));
    return FindTopics(texts, count, words);
}

std::vector<int> FindLiveTopics(const BookSearchWords& words) {
    std::vector<int> topics;
    std::vector<unsigned> finds;
    for (int t = 1; t <= kLiveTopicCount; ++t) {
        const QString text = shownText(platform::loadRtf(LiveTopicPath(t)));
        if (words.SkipsAlef())
            finds.push_back(words.AlefFinds(text));
        else if (words.HitInText(text))
            topics.push_back(t);
    }
    return words.SkipsAlef() ? hitsAmong(finds, words) : topics;
}

BookSearchState& SearchStateOf(BookMember member) {
    static std::array<BookSearchState, 3> states;
    return states[static_cast<size_t>(member)];
}

void ResetBookSearchStates() {
    for (BookMember m : {BookMember::Hadith, BookMember::Fekh, BookMember::Live})
        SearchStateOf(m) = BookSearchState();
}
