// Readers of the Quran's structure files on the disc: the aya counts ("aya_count"),
// the parts directory and records ("parts") and the aya map ("cutaya"). Every call
// opens its file, reads single fields with seek-and-read and closes it again, as the
// reader screens expect. A damaged file never makes a reader read outside the file
// or run for ever: a read past the end raises PlatformError naming the file, and
// every search is bounded.
#pragma once

#include <string>

/// One line segment of an aya on a page picture (a record of the aya map).
struct AyaSegment {
    int sura = 0;
    int aya = 0;
    int page = 0;
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
};

/// What `LocateAyaSegments` found: the page the aya begins on and up to three
/// rectangles (segments beyond the third are not shown).
struct AyaLocation {
    int page = 0;
    int count = 0;  // 1..3
    AyaSegment segments[3];
};

/// aya_count: the record of `sura` (1..114). `recordSura` gets the record's own
/// sura byte; returns the sura's aya count.
int ReadSuraAyaCount(int sura, int& recordSura);

/// parts: the part (1..30) recorded for an aya.
int ReadAyaPart(int sura, int aya);

/// parts: the first aya record (Quran order, at most 6236 records) whose part
/// byte equals `part`. False when no record carries it (nothing changes).
bool FindFirstAyaOfPart(int part, int& sura, int& aya);

/// cutaya: the first record of `aya` of `sura` and the following records of the
/// same aya (up to three). False when the aya is not in the map.
bool LocateAyaSegments(int sura, int aya, AyaLocation& out);

/// cutaya: the click hit test. Starts at sura `currentSura` when it is at most 2,
/// else at `currentSura` - 2, and examines at most 11317 records; a record is hit
/// when left <= x <= left + width, top <= y <= top + height (edges included) and
/// its page is `currentPage`. False when nothing is hit.
bool HitTestAyaRecord(int currentSura, int currentPage, int x, int y, int& sura, int& aya);

/// cutaya: the first record printed on `page`. False when no record is on it.
bool FindFirstAyaOfPage(int page, int& sura, int& aya);
