// The entries of the occasions of revelation: DataDir + "asbab\" + n + ".ini"
// (n = 1..434), section "asbab", keys "aya" (the aya text), "sabab" (the
// account of the occasion), "aya_num" and "sora_num" (the aya's place in
// the Quran, decimal). Values are single-byte text in code page 1256 and,
// like every INI value, at most 2047 characters long.
#pragma once

#include <string>
#include <string_view>

struct OccasionEntry {
    std::string aya;
    std::string sabab;
    std::string ayaNum;
    std::string suraNum;
};

/// The entry file's Windows path.
std::string OccasionEntryFile(int n);

/// The four values of an entry file's text; a missing key reads as empty.
OccasionEntry ParseOccasionEntry(std::string_view iniText);

/// Entry n from the disc; raises "Cannot open file" when it is missing.
OccasionEntry ReadOccasionEntry(int n);

/// The aya an entry names: true when both numbers are integers and name an
/// aya of the Quran (1..114, and an aya of that sura by the disc's aya
/// counts); `sura` and `aya` are set only then.
bool OccasionAya(const std::string& suraNum, const std::string& ayaNum, int& sura, int& aya);
