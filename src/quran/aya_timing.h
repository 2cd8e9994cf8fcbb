// The per-sura timing lists: line i holds where aya i+1 ends and aya i+2 begins
// in the sura's recording, as hh:mm:ss.t.
#pragma once

#include <string>
#include <vector>

/// The timing list of sura `sura`: DataDir + "sound\NNN.rtf".
std::string AyaTimingListFile(int sura);

/// Value of one timing line in milliseconds. Characters 1-2 hours, 4-5 minutes,
/// 7-8 seconds, 10 tenths; separators are not checked and anything after the
/// tenth is ignored. A line shorter than ten characters or a number field that is
/// not a number raises the conversion error (PlatformError).
int TimingLineMs(const std::string& line);

struct AyaTimes {
    int startMs = 0;
    int endMs = 0;
};

/// Start and end of `aya` of a sura with `ayaCount` ayas. Aya 1 (or less) starts
/// at 0; the last aya ends at `recordingLengthMs`. A missing line raises the
/// conversion error of an empty line. The errors name `listFile` (a Windows
/// path) and the line, counted from 1.
AyaTimes ComputeAyaTimes(const std::vector<std::string>& lines, int aya, int ayaCount,
                         int recordingLengthMs, const std::string& listFile);
