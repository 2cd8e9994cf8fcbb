// Fuzz target: the translated book's titles file. The input is the INI text;
// the titles read in one pass must be those read key by key.
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "books/book_files.h"
#include "platform/inifile.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const std::vector<std::string> titles = LiveTitles(text, 92);
    if (titles.size() != 92) std::abort();
    for (int n = 1; n <= 92; ++n)
        if (titles[static_cast<size_t>(n - 1)] !=
            platform::iniRead(text, "titles", std::to_string(n), "0"))
            std::abort();
    return 0;
}
