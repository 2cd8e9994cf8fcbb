// The recitation rules of the sample disc: 23 rules with a short Arabic
// explanation per page, and the rule text file that holds them.
#pragma once

#include <string>
#include <vector>

namespace disc {

struct TagweedPage {
    int examples;      ///< recited examples of the page, 0..8
    const char* text;  ///< the explanation, Arabic, UTF-8
};

/// The pages of rule r (1..23), in order.
const std::vector<TagweedPage>& tagweedPages(int rule);

/// The page text as the file holds it: the explanation, then a line saying
/// which rule and page it is and how many examples it has, in code page 1256
/// with CR LF line breaks.
std::string tagweedPageText(int rule, int page);

/// The rule text file "tagweed": 23 rule records of 6 bytes (rule number,
/// page count, offset of its page table), the page tables (10 bytes a page:
/// page number, example count, offset and length of its text), then the texts.
std::string tagweedFile();

}  // namespace disc
