// The Quran reader's data files, as bytes: aya counts, parts, the aya map,
// the sura names, and per sura the aya timings, their timing list and the
// recording's samples.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "quran_layout.h"
#include "quran_structure.h"

namespace disc {

/// "aya_count": 114 records of 3 bytes: sura number, aya count (16-bit).
std::string ayaCountFile(const QuranStructure& quran);

/// "parts": 114 directory entries of 5 bytes (sura number, 32-bit offset of
/// its first aya record), then a 5-byte record per aya: sura, aya low byte,
/// aya high byte, part, 0.
std::string partsFile(const QuranStructure& quran);

/// "cutaya": 114 directory entries of 5 bytes (sura number, 32-bit offset of
/// its first segment), then a 13-byte record per aya segment in Quran order:
/// sura, aya, page, left, top, width, height (16-bit each after the sura).
std::string ayaMapFile(const std::vector<PageLayout>& pages);

/// "names1.ini": section [soraname], key = sura number, value = its name in code page 1256.
std::string suraNamesFile(const QuranStructure& quran);

/// An indexed text file with a text per aya (`texts` in Quran order): 114
/// directory entries of 5 bytes (sura number, 32-bit offset of its aya
/// records), a 10-byte record per aya (aya number, 32-bit offset and 32-bit
/// length of its text), then the texts one after another.
std::string indexedTextFile(const QuranStructure& quran, const std::vector<std::string>& texts);

/// How long each aya of a sura is recited, in ms: 1.5 to 3 s in tenths.
std::vector<int> ayaDurations(int sura, int ayaCount);

/// A position as the timing lists write it: "hh:mm:ss.t".
std::string timeText(int ms);

/// The timing list of a sura: an RTF document whose line i is the end of aya i+1.
std::string timingList(const std::vector<int>& durations);

/// The recording of a sura: per aya a chime, one to three notes at a pitch
/// of its own, and 300 ms of silence at its end, so the boundaries in the
/// timing list fall in the silences.
std::vector<int16_t> recitation(int sura, const std::vector<int>& durations, int sampleRate);

}  // namespace disc
