// The book libraries' data: the hadith and fekh books (titles, topic counts,
// a topic-title and a topic-text file per book, all in code page 1256) and
// the translated hadith book (an RTF document per topic and a titles INI).
#pragma once

#include <string>
#include <vector>

#include "quran_structure.h"

namespace disc {

/// A group of books, chosen on its reader by one button.
struct BookGroup {
    int first, last;  ///< book numbers
    bool fekh;        ///< of the fekh library, else of the hadith library
    int button;       ///< the reader's button that selects the group
    const char* arabic;
    const char* english;
};

/// The groups in the order the readers list them.
inline constexpr BookGroup kBookGroups[] = {
    {55, 78, false, 1, "الجامع المختصر", "Short Compendium"},
    {79, 96, false, 2, "كتاب السنن", "Book of Sunan"},
    {97, 111, false, 14, "المسند الكبير", "Great Musnad"},
    {112, 124, false, 12, "المصنف الجامع", "Musannaf"},
    {125, 141, false, 3, "المستخرج", "Mustakhraj"},
    {142, 153, false, 13, "الأجزاء الحديثية", "Hadith treatises"},
    {904, 909, true, 1, "فقه العبادات", "Worship"},
    {920, 927, true, 2, "فقه المعاملات", "Dealings"},
    {889, 894, true, 11, "فقه الأسرة", "Family"},
    {937, 937, true, 12, "الفتاوى", "Fatwas"},
};

/// A book of the hadith or fekh library.
struct Book {
    int number;
    bool fekh;
    int topics;
    std::string title;  ///< code page 1256
};

/// The 99 hadith books (55..153) and the 21 fekh books, by ascending number.
std::vector<Book> libraryBooks();

/// A file of 10-byte records, record n (from 1) placing texts[n-1], followed
/// by the texts.
std::string numberedTextFile(const std::vector<std::string>& texts);

/// "bookst": record b holds the title of book b; numbers without a book have empty records.
std::string bookTitlesFile(const std::vector<Book>& books);

/// "booksc": bytes 2..3 of record b hold the topic count of book b.
std::string topicCountFile(const std::vector<Book>& books);

/// What the topics quote: the Quran's ayas in code page 1256 and their
/// references ("(البقرة: 255)").
struct AyaQuotes {
    std::vector<std::string> texts, references;
    static AyaQuotes load(const QuranStructure& quran);
};

/// The topic-title file ("<b>t") and the topic-text file ("<b>d") of a book.
struct TopicFiles {
    std::string titles, texts;
};
TopicFiles topicFiles(const Book& book, const AyaQuotes& quotes);

/// The translated hadith book's topics.
constexpr int kLiveTopics = 92;

/// "tolvaric_title.ini": section [titles], key n = title of topic n.
std::string liveTitlesFile();

/// Topic n (1..92) as an English RTF document; its title is not repeated in it.
std::string liveTopic(int n);

}  // namespace disc
