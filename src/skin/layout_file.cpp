#include "skin/layout_file.h"

#include "platform/error.h"

namespace {
// The characters of `s` from 1-based position `index`, at most `count` of them.
std::string copy(const std::string& s, size_t index, size_t count) {
    if (index < 1 || index > s.size()) return {};
    return s.substr(index - 1, count);
}
}  // namespace

void ParseButtonPosition(const std::string& value, int& left, int& top) {
    left = platform::strToInt(copy(value, 1, 3));
    top = platform::strToInt(copy(value, 6, 3));
}

int ParseButtonsCount(const std::string& value) {
    const int count = platform::strToInt(value);
    if (count > kMaxButtons)
        throw platform::PlatformError("'" + value + "' is not a valid button count (at most " +
                                      std::to_string(kMaxButtons) + ")");
    return count;
}

int LayoutFile::ButtonsCount() const {
    return ParseButtonsCount(ini_.readString("main", "ButtonsCount", "0"));
}

std::string LayoutFile::ButtonValue(int n) const {
    return ini_.readString("BUTTONS", "b" + std::to_string(n), "0");
}
