// The data files of the book libraries, all under DataDir:
//  - "bookst": the title of book b in record b (an indexed text file);
//  - "booksc": 10-byte records by book number, bytes 2-3 of record b the
//    number of topics of book b (16-bit little-endian);
//  - "<b>t" and "<b>d": the titles and texts of the topics of book b, topic t
//    in record t (e.g. "55t", "937d");
//  - the translated book: "tolvaric\tolvaric<n>.rtf" for topic n and the
//    section "titles" of "tolvaric\tolvaric_title.ini" (key n, "0" when missing).
// Titles and texts of the Arabic books are code page 1256 bytes. Every read
// is checked against the file's size (a damaged file raises its read error).
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace platform {
class BinaryFile;
}

/// The number of topics of `book` (>= 1) in an open count file.
int ReadTopicCount(platform::BinaryFile& counts, int book);
/// The same from "booksc".
int ReadTopicCount(int book);

/// The title of `book` from "bookst".
std::string ReadBookTitle(int book);

/// The Windows path of the topic titles ('t') or texts ('d') of `book`.
std::string BookFilePath(int book, char kind);

/// Titles of topics 1..count of `book`, each cut to its first `cut` bytes
/// (0: whole). The title file is opened once.
std::vector<std::string> ReadTopicTitles(int book, int count, size_t cut = 0);
/// The title of one topic, cut as above.
std::string ReadTopicTitle(int book, int topic, size_t cut = 0);
/// The text of one topic.
std::string ReadTopicText(int book, int topic);

/// The translated book's topic n (an RTF file) and its titles file.
std::string LiveTopicPath(int topic);
std::string LiveTitlesPath();

/// Titles of topics 1..count from the text of the titles file: key n of
/// section "titles", read as an INI value, "0" when missing.
std::vector<std::string> LiveTitles(std::string_view iniText, int count);
/// The same from the titles file; a missing file gives "0" for every title.
std::vector<std::string> ReadLiveTitles(int count);
