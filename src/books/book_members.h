// The three book libraries share one reader and one search screen; what
// differs between them is a table: the hadith books, the jurisprudence books
// and the translated hadith book (a single book of RTF topics).
#pragma once

#include <QString>
#include <vector>

enum class BookMember { Hadith, Fekh, Live };

/// Consecutive books chosen together by one button of the reader: book
/// numbers base + 1 .. base + count.
struct BookGroup {
    int button;
    int base;
    int count;
};

/// The buttons of a reader and what they do, by number.
struct ReaderButtons {
    int next, previous, search, print, copy, exit, minimise, menu;
};

struct MemberTable {
    BookMember member;
    bool live;           // the translated book: RTF topics, English, left to right
    const char* reader;  // skin folder and layout of the reader
    const char* search;  // skin folder and layout of its search screen
    ReaderButtons buttons;
    /// The groups; the first one is shown when the reader opens.
    std::vector<BookGroup> groups;
    /// The books the search offers, in list order.
    std::vector<int> offered;
};

const MemberTable& MemberOf(BookMember member);

/// The group of `member` that holds `book`, or nullptr (the live book lies in none).
const BookGroup* GroupOfBook(const MemberTable& member, int book);

/// The translated book: its one book number, title and topic count.
constexpr int kLiveBook = 1;
constexpr int kLiveTopicCount = 92;
QString LiveBookTitle();
