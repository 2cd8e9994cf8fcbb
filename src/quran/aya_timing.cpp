#include "quran/aya_timing.h"

#include "platform/error.h"

namespace {

// Characters [first, first + count) of the line, as far as the line reaches.
std::string field(const std::string& line, size_t first, size_t count) {
    return first < line.size() ? line.substr(first, count) : std::string();
}

// Line `index` of the list; a line that is not there reads as empty.
std::string lineAt(const std::vector<std::string>& lines, int index) {
    if (index < 0 || static_cast<size_t>(index) >= lines.size()) return {};
    return lines[static_cast<size_t>(index)];
}

}  // namespace

int TimingLineMs(const std::string& line) {
    const int hours = platform::strToInt(field(line, 0, 2));
    const int minutes = platform::strToInt(field(line, 3, 2));
    const int seconds = platform::strToInt(field(line, 6, 2));
    const int tenths = platform::strToInt(field(line, 9, 1));
    return hours * 3600000 + minutes * 60000 + seconds * 1000 + tenths * 100;
}

AyaTimes ComputeAyaTimes(const std::vector<std::string>& lines, int aya, int ayaCount,
                         int recordingLengthMs) {
    AyaTimes t;
    t.startMs = aya <= 1 ? 0 : TimingLineMs(lineAt(lines, aya - 2));
    t.endMs = aya != ayaCount ? TimingLineMs(lineAt(lines, aya - 1)) : recordingLengthMs;
    return t;
}
