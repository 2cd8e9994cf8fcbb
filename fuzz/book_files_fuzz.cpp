// Fuzz target: the book files. The input is at once the topic count file and
// a book's topic-text file: counts read from it must agree with the bytes,
// and a search of the book over the count it gives must end, with hits in
// order, each a topic whose text holds the word (or with a read error).
#include <cstdint>
#include <cstdlib>

#include "books/book_files.h"
#include "books/book_search.h"
#include "platform/error.h"
#include "platform/indexed_text_file.h"
#include "quran_fuzz_disc.h"

using namespace fuzzdisc;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const Bytes m{std::string_view(reinterpret_cast<const char*>(data), size)};
    auto counts = fileOf("booksc", m.b);
    for (int book : {1, 2, 55, 937, 0, -1, 2147483647}) {
        const Outcome got = run([&] { return found(ReadTopicCount(counts, book), 0); });
        std::optional<uint32_t> want;
        if (book >= 1) want = m.u16(static_cast<uint64_t>(book - 1) * 10 + 2);
        if (!(got == (want ? found(static_cast<int>(*want), 0) : raised()))) std::abort();
    }

    // The search of the book must find exactly the topics a plain reading
    // of the same records finds, or fail where that fails.
    const int mode = static_cast<int>(size % 3);
    const BookSearchWords words("A", mode == kFirstWordOnly ? "" : "BC", mode);
    auto search = [&]() -> std::optional<std::vector<int>> {
        try {
            auto book = fileOf("55d", m.b);
            const int count = ReadTopicCount(book, 1);
            platform::IndexedTextFile texts(std::move(book));
            return FindTopics(texts, count, words);
        } catch (const platform::PlatformError&) {
            return std::nullopt;
        }
    };
    auto model = [&]() -> std::optional<std::vector<int>> {
        const auto count = m.u16(2);
        if (!count) return std::nullopt;
        std::vector<int> hits;
        for (uint32_t t = 1; t <= *count; ++t) {
            const uint64_t at = (t - 1) * 10ull;
            const auto text = m.u32(at + 2), length = m.u32(at + 6);
            if (!text || !length || *text > size || *length > size - *text) return std::nullopt;
            const std::string_view topic = m.b.substr(*text, *length);
            const bool a = topic.find('A') != std::string_view::npos;
            const bool bc = topic.find("BC") != std::string_view::npos;
            if (mode == kFirstWordOnly ? a : mode == kBothWords ? a && bc : a || bc)
                hits.push_back(static_cast<int>(t));
        }
        return hits;
    };
    if (search() != model()) std::abort();
    return 0;
}
