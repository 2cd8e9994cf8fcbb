#include "books/book_files.h"

#include <algorithm>
#include <unordered_map>

#include "platform/binfile.h"
#include "platform/indexed_text_file.h"
#include "platform/inifile.h"
#include "platform/paths.h"
#include "shell/globals.h"

namespace {
constexpr uint64_t kRecordBytes = 10;
constexpr uint64_t kCountOffset = 2;

std::string cut(std::string text, size_t length) {
    if (length > 0 && text.size() > length) text.resize(length);
    return text;
}
}  // namespace

int ReadTopicCount(platform::BinaryFile& counts, int book) {
    if (book < 1) counts.fail();
    counts.seek(static_cast<uint64_t>(book - 1) * kRecordBytes + kCountOffset);
    return counts.readU16();
}

int ReadTopicCount(int book) {
    platform::BinaryFile counts(DataDir + "booksc");
    return ReadTopicCount(counts, book);
}

std::string ReadBookTitle(int book) {
    return platform::IndexedTextFile(DataDir + "bookst").Record(book);
}

std::string BookFilePath(int book, char kind) {
    return DataDir + std::to_string(book) + kind;
}

std::vector<std::string> ReadTopicTitles(int book, int count, size_t length) {
    platform::IndexedTextFile titles(BookFilePath(book, 't'));
    std::vector<std::string> out;
    out.reserve(static_cast<size_t>(std::max(count, 0)));
    for (int t = 1; t <= count; ++t) out.push_back(cut(titles.Record(t), length));
    return out;
}

std::string ReadTopicTitle(int book, int topic, size_t length) {
    return cut(platform::IndexedTextFile(BookFilePath(book, 't')).Record(topic), length);
}

std::string ReadTopicText(int book, int topic) {
    return platform::IndexedTextFile(BookFilePath(book, 'd')).Record(topic);
}

std::string LiveTopicPath(int topic) {
    return DataDir + "tolvaric\\tolvaric" + std::to_string(topic) + ".rtf";
}

std::string LiveTitlesPath() {
    return DataDir + "tolvaric\\tolvaric_title.ini";
}

std::vector<std::string> LiveTitles(std::string_view iniText, int count) {
    // One pass over the section; the first of two equal keys is the one read.
    std::unordered_map<std::string, std::string> values;
    for (auto& [key, value] : platform::iniSection(iniText, "titles")) {
        std::string lower = key;
        for (char& c : lower)
            if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
        values.emplace(std::move(lower), std::move(value));
    }
    std::vector<std::string> titles;
    for (int n = 1; n <= count; ++n) {
        auto found = values.find(std::to_string(n));
        titles.push_back(found == values.end() ? "0" : found->second);
    }
    return titles;
}

std::vector<std::string> ReadLiveTitles(int count) {
    std::string text;
    if (platform::fileExists(LiveTitlesPath())) text = platform::readFile(LiveTitlesPath());
    return LiveTitles(text, count);
}
