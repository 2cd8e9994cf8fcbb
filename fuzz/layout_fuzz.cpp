// Fuzz target: a layout file. The input is read twice: as the text of a
// layout file (its button count and every button position it promises, the
// list sized as a screen sizes it) and as one value, position and count, with
// the number conversion they rest on.
#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

#include "platform/error.h"
#include "platform/inifile.h"
#include "skin/layout_file.h"

namespace {

void position(const std::string& value) {
    int left = -1, top = -1;
    try {
        ParseButtonPosition(value, left, top);
        // Three characters hold at most three digits, or a sign and two, or "$" and two hex digits.
        if (left < -255 || left > 999 || top < -255 || top > 999) std::abort();
    } catch (const platform::PlatformError&) {
    }
}

void layout(const std::string& text) {
    try {
        const int count = ParseButtonsCount(platform::iniRead(text, "main", "ButtonsCount", "0"));
        if (count > kMaxButtons) std::abort();
        std::vector<int> buttons(count > 0 ? count : 0);
        for (int n = 1; n <= count; ++n)
            position(platform::iniRead(text, "BUTTONS", "b" + std::to_string(n), "0"));
    } catch (const platform::PlatformError&) {
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string input(reinterpret_cast<const char*>(data), size);
    layout(input);
    position(input);
    try {
        if (ParseButtonsCount(input) > kMaxButtons) std::abort();
    } catch (const platform::PlatformError&) {
    }
    // Both forms of the conversion agree.
    int quiet = 0;
    bool ok = platform::tryStrToInt(input, quiet);
    try {
        int loud = platform::strToInt(input);
        if (!ok || loud != quiet) std::abort();
    } catch (const platform::PlatformError&) {
        if (ok) std::abort();
    }
    return 0;
}
