// Fuzz target: a button position value of a layout file ("b" + n), and the
// number conversion it rests on.
#include <cstdint>
#include <cstdlib>
#include <string>

#include "platform/error.h"
#include "skin/layout_file.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string value(reinterpret_cast<const char*>(data), size);
    int left = -1, top = -1;
    try {
        ParseButtonPosition(value, left, top);
        // Three characters hold at most three digits, or a sign and two, or "$" and two hex digits.
        if (left < -255 || left > 999 || top < -255 || top > 999) std::abort();
    } catch (const platform::PlatformError&) {
    }
    // Both forms of the conversion agree.
    int quiet = 0;
    bool ok = platform::tryStrToInt(value, quiet);
    try {
        int loud = platform::strToInt(value);
        if (!ok || loud != quiet) std::abort();
    } catch (const platform::PlatformError&) {
        if (ok) std::abort();
    }
    return 0;
}
