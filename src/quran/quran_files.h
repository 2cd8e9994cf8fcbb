// Readers of the Quran's structure files on the disc: the aya counts ("aya_count"),
// the parts directory and records ("parts") and the aya map ("cutaya"). Every call
// opens its file, reads single fields with seek-and-read and closes it again, as the
// reader screens expect. A damaged file never makes a reader read outside the file
// or run for ever: a read past the end raises PlatformError naming the file, and
// every search is bounded. A directory entry that points into the directory or
// past the file, and a count record of another sura or of no ayas, are damage too.
#pragma once

#include <string>
#include <vector>

namespace platform {
class BinaryFile;
}

/// The Quran's fixed sizes.
constexpr int kSuraCount = 114;
constexpr int kQuranAyaCount = 6236;
constexpr int kPageCount = 604;
constexpr int kPartCount = 30;

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

/// What `LocateAyaSegments` found: the page the aya begins on and every
/// segment of the aya on that page, in map order (at least one).
struct AyaLocation {
    int page = 0;
    std::vector<AyaSegment> segments;
};

// Each reader comes twice: on an open file (or a file's bytes, see
// platform::BinaryFile::fromBytes), and on the disc's file, opened for the
// one call and closed again.

/// aya_count: the record of `sura` (1..114). `recordSura` gets the record's own
/// sura byte; returns the sura's aya count. A record whose sura byte is not
/// `sura`, or whose count is 0, raises the file's read error.
int ReadSuraAyaCount(platform::BinaryFile& ayaCount, int sura, int& recordSura);
int ReadSuraAyaCount(int sura, int& recordSura);
/// True when `sura` is 1..114 and `aya` one of its ayas (by the disc's aya counts).
bool IsQuranAya(int sura, int aya);

/// parts: the part (1..30) recorded for an aya.
int ReadAyaPart(platform::BinaryFile& parts, int sura, int aya);
int ReadAyaPart(int sura, int aya);

/// parts: the first aya record (Quran order, at most 6236 records) whose part
/// byte equals `part`. False when no record carries it (nothing changes).
bool FindFirstAyaOfPart(platform::BinaryFile& parts, int part, int& sura, int& aya);
bool FindFirstAyaOfPart(int part, int& sura, int& aya);

/// cutaya: the first record of `aya` of `sura` and the records after it that
/// continue the same aya on the same page. False when the aya is not in the map.
bool LocateAyaSegments(platform::BinaryFile& cutaya, int sura, int aya, AyaLocation& out);
bool LocateAyaSegments(int sura, int aya, AyaLocation& out);

/// cutaya: the click hit test. Starts at sura `currentSura` when it is at most 2,
/// else at `currentSura` - 2, and examines at most 11317 records; a record is hit
/// when left <= x <= left + width, top <= y <= top + height (edges included) and
/// its page is `currentPage`. False when nothing is hit.
bool HitTestAyaRecord(platform::BinaryFile& cutaya, int currentSura, int currentPage, int x, int y,
                      int& sura, int& aya);
bool HitTestAyaRecord(int currentSura, int currentPage, int x, int y, int& sura, int& aya);

/// cutaya: the first record printed on `page`. False when no record is on it.
bool FindFirstAyaOfPage(platform::BinaryFile& cutaya, int page, int& sura, int& aya);
bool FindFirstAyaOfPage(int page, int& sura, int& aya);
