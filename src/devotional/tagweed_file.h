// The recitation rules file (DataDir + "tagweed", no extension). Integers are
// little-endian; the first byte of every record is not read.
//  - rule index: rule r (1..23) at byte 6 * (r - 1): +1 its page count P
//    (1 byte), +2 the offset B of its page table (4 bytes);
//  - page table: page p (1..P) at B + 10 * (p - 1): +1 the page's example
//    count (1 byte), +2 the offset T of its text (4 bytes), +6 the text's
//    length L (4 bytes);
//  - page text: L bytes at T, code page 1256, plain text with line breaks.
// Every field is checked against the file's size before it is read: a
// damaged file raises the file's read error, never reads outside it and
// never allocates more than it holds.
#pragma once

#include <string>

namespace platform {
class BinaryFile;
}

/// The number of rules in the file.
constexpr int kTagweedRuleCount = 23;
/// The example buttons a page can have (buttons 10 to 17).
constexpr int kMostTagweedExamples = 8;

/// One page of a rule, as read from the file.
struct TagweedPage {
    int pageCount = 0;     ///< pages of the rule, 1..255
    int exampleCount = 0;  ///< recited examples of the page, 0..8 (larger counts are cut to 8)
    std::string text;      ///< the page text, single-byte text in code page 1256
};

/// The file's Windows path: DataDir + "tagweed".
std::string TagweedFileName();

/// Page `page` of rule `rule`. Raises the file's read error for a rule
/// outside 1..23, a rule without pages, a page outside 1..P, and any field
/// or text that lies beyond the end of the file.
TagweedPage ReadTagweedPage(platform::BinaryFile& file, int rule, int page);
/// The same on the disc's file, opened for the one call.
TagweedPage ReadTagweedPage(int rule, int page);
