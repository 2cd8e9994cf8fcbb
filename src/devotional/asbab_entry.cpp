#include "devotional/asbab_entry.h"

#include "platform/error.h"
#include "platform/inifile.h"
#include "platform/paths.h"
#include "quran/quran_files.h"
#include "shell/globals.h"

namespace {
constexpr const char* kSection = "asbab";
}  // namespace

std::string OccasionEntryFile(int n) {
    return DataDir + "asbab\\" + std::to_string(n) + ".ini";
}

OccasionEntry ParseOccasionEntry(std::string_view iniText) {
    OccasionEntry e;
    e.aya = platform::iniRead(iniText, kSection, "aya", "");
    e.sabab = platform::iniRead(iniText, kSection, "sabab", "");
    e.ayaNum = platform::iniRead(iniText, kSection, "aya_num", "");
    e.suraNum = platform::iniRead(iniText, kSection, "sora_num", "");
    return e;
}

OccasionEntry ReadOccasionEntry(int n) {
    return ParseOccasionEntry(platform::readFile(OccasionEntryFile(n)));
}

bool OccasionAya(const std::string& suraNum, const std::string& ayaNum, int& sura, int& aya) {
    int s = 0, a = 0;
    if (!platform::tryStrToInt(suraNum, s) || !platform::tryStrToInt(ayaNum, a)) return false;
    if (!IsQuranAya(s, a)) return false;
    sura = s;
    aya = a;
    return true;
}
