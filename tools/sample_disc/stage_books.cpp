// The book libraries: the hadith and fekh books with their titles and topic
// counts, the translated hadith book's topics, and the skins of the three
// readers and their search screens.
#include <algorithm>
#include <memory>

#include "book_files.h"
#include "book_screens.h"
#include "stages.h"

namespace disc {

void addBookJobs(DiscWriter& out, std::vector<Job>& jobs) {
    auto books = std::make_shared<std::vector<Book>>(libraryBooks());
    auto quotes = std::make_shared<AyaQuotes>(AyaQuotes::load(QuranStructure::builtIn()));
    // the largest books first, so the workers finish together
    std::vector<const Book*> bySize;
    for (const Book& b : *books) bySize.push_back(&b);
    std::stable_sort(bySize.begin(), bySize.end(),
                     [](const Book* a, const Book* b) { return a->topics > b->topics; });
    for (const Book* b : bySize)
        jobs.push_back([&out, books, quotes, b] {
            const TopicFiles files = topicFiles(*b, *quotes);
            out.write(kData + std::to_string(b->number) + "t", files.titles);
            out.write(kData + std::to_string(b->number) + "d", files.texts);
        });
    for (Library library : {Library::Hadith, Library::Fekh, Library::Live})
        jobs.push_back([&out, library] {
            writeScreen(out, bookReaderScreen(library));
            writeScreen(out, bookSearchScreen(library));
        });
    jobs.push_back([&out, books] {
        out.write(kData + "bookst", bookTitlesFile(*books));
        out.write(kData + "booksc", topicCountFile(*books));
        out.write(kData + "tolvaric\\tolvaric_title.ini", liveTitlesFile());
        for (int n = 1; n <= kLiveTopics; ++n)
            out.write(kData + "tolvaric\\tolvaric" + std::to_string(n) + ".rtf", liveTopic(n));
    });
}

}  // namespace disc
