#include "quran/aya_timing.h"

#include <cstdio>

#include "platform/error.h"
#include "platform/paths.h"
#include "shell/globals.h"

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

std::string AyaTimingListFile(int sura) {
    char number[16];
    std::snprintf(number, sizeof number, "%3.3d", sura);
    return DataDir + "sound\\" + number + ".rtf";
}

int TimingLineMs(const std::string& line) {
    const int hours = platform::strToInt(field(line, 0, 2));
    const int minutes = platform::strToInt(field(line, 3, 2));
    const int seconds = platform::strToInt(field(line, 6, 2));
    const int tenths = platform::strToInt(field(line, 9, 1));
    return hours * 3600000 + minutes * 60000 + seconds * 1000 + tenths * 100;
}

AyaTimes ComputeAyaTimes(const std::vector<std::string>& lines, int aya, int ayaCount,
                         int recordingLengthMs, const std::string& listFile) {
    auto value = [&](int index) {
        try {
            return TimingLineMs(lineAt(lines, index));
        } catch (const platform::PlatformError& e) {
            // The conversion error, and where its text stands.
            throw platform::PlatformError(std::string(e.what()) + " in " +
                                          platform::quotedPath(listFile) + ", line " +
                                          std::to_string(index + 1));
        }
    };
    AyaTimes t;
    t.startMs = aya <= 1 ? 0 : value(aya - 2);
    t.endMs = aya != ayaCount ? value(aya - 1) : recordingLengthMs;
    return t;
}
