#include "skin/layout_file.h"

#include "platform/error.h"
#include "platform/paths.h"

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

bool LayoutFile::Exists() const {
    return platform::fileExists(path_);
}

std::string LayoutFile::Quoted() const {
    return platform::quotedPath(path_);
}

void LayoutFile::Raise(const std::exception& e, const std::string& key) const {
    throw platform::PlatformError(
        std::string(e.what()) + " (layout file " + Quoted() + ", key " + key + ")", path_);
}

int LayoutFile::ButtonsCount() const {
    const std::string value = ini_.readString("main", "ButtonsCount", "0");
    try {
        return ParseButtonsCount(value);
    } catch (const platform::PlatformError& e) {
        Raise(e, "ButtonsCount");
    }
}

std::string LayoutFile::ButtonValue(int n) const {
    return ini_.readString("BUTTONS", "b" + std::to_string(n), "0");
}

void LayoutFile::ButtonPosition(int n, int& left, int& top) const {
    const std::string value = ButtonValue(n);
    try {
        ParseButtonPosition(value, left, top);
    } catch (const platform::PlatformError& e) {
        Raise(e, "b" + std::to_string(n));
    }
}
