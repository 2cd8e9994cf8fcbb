// Fuzz target: INI text in memory. Input is "text\0section\0key\0value" (the
// parts after the text are optional). Besides not crashing, a written value
// must read back, writing it again must change nothing, and several keys
// written at once must give what writing them one after another gives.
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

#include "platform/inifile.h"

namespace {

bool blank(char c) {
    return c == ' ' || c == '\t';
}

// A name or value that survives the trip through a line unchanged.
bool plainField(std::string_view s, bool allowEquals) {
    if (s.empty() || s.size() > 2047 || blank(s.front()) || blank(s.back())) return false;
    for (char c : s)
        if (c == '\r' || c == '\n' || (!allowEquals && c == '=')) return false;
    return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    std::string_view input(reinterpret_cast<const char*>(data), size);
    std::vector<std::string_view> parts;
    size_t start = 0;
    while (parts.size() < 3) {
        size_t zero = input.find('\0', start);
        if (zero == std::string_view::npos) break;
        parts.push_back(input.substr(start, zero - start));
        start = zero + 1;
    }
    parts.push_back(input.substr(start));
    std::string_view text = parts[0];
    std::string_view section = parts.size() > 1 ? parts[1] : "settings";
    std::string_view key = parts.size() > 2 ? parts[2] : "settings_doaa";
    std::string_view value = parts.size() > 3 ? parts[3] : "1";

    platform::iniRead(text, section, key, "default");
    const std::string written = platform::iniWrite(text, section, key, value);

    const bool sane = plainField(section, true) && section.find(']') == std::string_view::npos &&
                      plainField(key, false) && key.front() != '[' && plainField(value, true) &&
                      !(value.size() >= 2 && (value.front() == '"' || value.front() == '\'') &&
                        value.back() == value.front());
    if (sane) {
        if (platform::iniRead(written, section, key, "\x01") != value) std::abort();
        if (platform::iniWrite(written, section, key, value) != written) std::abort();
        const platform::IniKeys keys = {{std::string(key), std::string(value)},
                                        {std::string(key) + "2", "x"},
                                        {std::string(key), "y"}};
        std::string oneByOne(text);
        for (const auto& [k, v] : keys) oneByOne = platform::iniWrite(oneByOne, section, k, v);
        // Texts with a CR that ends no line are left out: there the first
        // one-key write can make a CR LF or swallow a CR that the next ones see.
        bool loneCr = false;
        for (size_t i = 0; i < text.size(); ++i)
            if (text[i] == '\r' && (i + 1 == text.size() || text[i + 1] != '\n')) loneCr = true;
        if (!loneCr && platform::iniWrite(text, section, keys) != oneByOne) std::abort();
    }
    return 0;
}
