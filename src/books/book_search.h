// The word search of the book libraries: which topics of a book hold one or
// two words, and the search state each library keeps for the whole run (the
// reader reads the words after the search screen has closed, to mark them).
#pragma once

#include <QString>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "books/book_members.h"
#include "platform/arabic_match.h"

namespace platform {
class IndexedTextFile;
}

/// How the two words combine.
enum SearchModes { kFirstWordOnly = 0, kBothWords = 1, kEitherWord = 2 };

/// The words of a search in the forms the libraries compare them: code page
/// 1256 bytes for the Arabic books (a word with a character the code page
/// cannot hold occurs nowhere), the typed text for the translated book.
/// Matching is case-sensitive, anywhere in the text; an empty word occurs nowhere.
/// With any match switch on, both forms go through one Arabic matcher instead.
class BookSearchWords {
  public:
    /// The words under the search options in force (platform::searchOptions).
    BookSearchWords(const QString& word1, const QString& word2, int mode);
    /// The words under the given switches (none on: the exact comparison).
    BookSearchWords(const QString& word1, const QString& word2, int mode,
                    const platform::MatchSwitches& switches);

    /// Whether a topic whose text is `text` (code page 1256) is a hit.
    bool HitInBytes(std::string_view text) const;
    /// Whether a topic whose shown text is `text` is a hit.
    bool HitInText(const QString& text) const;

    /// Whether the alef switch is on: then a book is searched through
    /// AlefFinds and HitAmong, so that a word the book holds as written is
    /// searched without the switch.
    bool SkipsAlef() const { return match1_ && match1_->switches().daggerAlef; }
    /// What a topic's text holds of the words, for HitAmong.
    unsigned AlefFinds(std::string_view text) const;
    unsigned AlefFinds(const QString& text) const;
    /// Whether the topic with `finds` is a hit, `book` being the finds of
    /// every topic of its book together.
    bool HitAmong(unsigned finds, unsigned book) const;

  private:
    bool Combine(bool found1, bool found2) const;
    static bool Occurs(std::string_view text, const std::string& word);

    std::string bytes1_, bytes2_;
    QString text1_, text2_;
    int mode_;
    /// Set when a switch is on; with the alef switch, the words without it
    /// and as written too.
    std::optional<platform::ArabicMatcher> match1_, match2_, plain1_, plain2_, written1_, written2_;
};

/// The topics 1..count whose text in the open topic-text file is a hit, in order.
std::vector<int> FindTopics(platform::IndexedTextFile& texts, int count,
                            const BookSearchWords& words);
/// The same for `book`: its count from "booksc", its texts from "<book>d".
std::vector<int> FindBookTopics(int book, const BookSearchWords& words);
/// The topics of the translated book whose shown text is a hit, in order.
std::vector<int> FindLiveTopics(const BookSearchWords& words);

/// The search state of a library, kept for the whole run.
struct BookSearchState {
    /// The words of the last search started, as typed.
    QString SearchWord1, SearchWord2;
    int SearchMode = kFirstWordOnly;
    /// Chosen books of the running search, as they stood when it started.
    std::vector<int> ChosenBooks;
    std::vector<QString> ChosenTitles;
    int ChosenCount = 0;
    /// 1-based position in ChosenBooks of the book searched last.
    int BookCursor = 0;
    /// Result row r (1-based) is book ResultBooks[r - 1], topic ResultTopics[r - 1].
    int HitCount = 0;
    std::vector<int32_t> ResultBooks, ResultTopics;
};

BookSearchState& SearchStateOf(BookMember member);
/// Forgets every library's search (the program's start, tests).
void ResetBookSearchStates();
