#include "quran/quran_files.h"

#include <cstdint>

#include "platform/binfile.h"
#include "shell/globals.h"

// Sura numbers outside 1..114 have no record: the readers that return a value
// raise the file's read error for them, the searches answer false.

namespace {

constexpr uint64_t kCountRecordBytes = 3;     // aya_count: sura, aya count (16-bit)
constexpr uint64_t kDirectoryEntryBytes = 5;  // parts, cutaya: sura, offset (32-bit)
constexpr uint64_t kPartRecordBytes = 5;      // parts: sura, aya, -, part, -
constexpr uint64_t kSegmentBytes = 13;        // cutaya: sura, aya, page, left, top, width, height
constexpr int kHitTestRecords = 11317;        // segments the hit test examines at most
// Segments of one aya on one page, at most (the longest ayas of the printed
// page run over some twenty lines).
constexpr int kMaxAyaSegments = 64;

// Field offsets inside an aya map record.
constexpr uint64_t kSegSura = 0, kSegAya = 1, kSegPage = 3, kSegLeft = 5, kSegTop = 7,
                   kSegWidth = 9, kSegHeight = 11;

// Field offsets inside a parts record.
constexpr uint64_t kPartSura = 0, kPartAya = 1, kPartPart = 3;

bool validSura(int sura) {
    return sura >= 1 && sura <= kSuraCount;
}

uint8_t readU8At(platform::BinaryFile& f, uint64_t offset) {
    f.seek(offset);
    return f.readU8();
}

int readI16At(platform::BinaryFile& f, uint64_t offset) {
    f.seek(offset);
    return static_cast<int16_t>(f.readU16());
}

constexpr uint64_t kDirectoryBytes = kSuraCount * kDirectoryEntryBytes;

// The directory entry of `sura` (parts and cutaya share the layout): the offset
// of its first record. The records follow the directory: an offset into the
// directory (a file of zeros points every sura there) or at or past the end
// of the file is damage.
uint64_t firstRecordOf(platform::BinaryFile& f, int sura) {
    f.seek(static_cast<uint64_t>(sura - 1) * kDirectoryEntryBytes + 1);
    const uint64_t offset = f.readU32();
    if (offset < kDirectoryBytes || offset >= f.size()) f.fail();
    return offset;
}

}  // namespace

int ReadSuraAyaCount(platform::BinaryFile& f, int sura, int& recordSura) {
    if (!validSura(sura)) f.fail();
    const uint64_t record = static_cast<uint64_t>(sura - 1) * kCountRecordBytes;
    recordSura = readU8At(f, record);
    f.seek(record + 1);
    const int count = f.readU16();
    // A record of another sura, or a sura without ayas, is a damaged file:
    // the reader would go on with a sura the disc does not have.
    if (recordSura != sura || count == 0) f.fail();
    return count;
}

int ReadAyaPart(platform::BinaryFile& f, int sura, int aya) {
    if (!validSura(sura) || aya < 1) f.fail();
    const uint64_t first = firstRecordOf(f, sura);
    return readU8At(f, first + static_cast<uint64_t>(aya - 1) * kPartRecordBytes + kPartPart);
}

bool FindFirstAyaOfPart(platform::BinaryFile& f, int part, int& sura, int& aya) {
    uint64_t o = firstRecordOf(f, 1);
    for (int k = 0; k < kQuranAyaCount && o < f.size(); ++k, o += kPartRecordBytes) {
        if (readU8At(f, o + kPartPart) != part) continue;
        sura = readU8At(f, o + kPartSura);
        aya = readU8At(f, o + kPartAya);  // one byte: every part begins below aya 256
        return true;
    }
    return false;
}

bool LocateAyaSegments(platform::BinaryFile& f, int sura, int aya, AyaLocation& out) {
    if (!validSura(sura)) return false;
    uint64_t o = firstRecordOf(f, sura);
    // Aya 1 is the sura's first record, taken without reading its aya field. Any
    // other aya is the first record of the sura that carries its number; the walk
    // ends with the sura or with the file.
    for (;; o += kSegmentBytes) {
        if (o >= f.size() || readU8At(f, o + kSegSura) != sura) return false;
        if (aya == 1 || readI16At(f, o + kSegAya) == aya) break;
    }
    AyaLocation found;
    found.page = readI16At(f, o + kSegPage);
    auto placeAt = [&](uint64_t at) {
        AyaSegment s;
        s.sura = sura;
        s.aya = aya;
        s.page = found.page;
        s.left = readI16At(f, at + kSegLeft);
        s.top = readI16At(f, at + kSegTop);
        s.width = readI16At(f, at + kSegWidth);
        s.height = readI16At(f, at + kSegHeight);
        found.segments.push_back(s);
    };
    placeAt(o);
    // The records that follow, while they continue the same aya on the same page.
    for (int k = 1; k < kMaxAyaSegments; ++k) {
        o += kSegmentBytes;
        if (o >= f.size()) break;
        if (readI16At(f, o + kSegAya) != aya || readU8At(f, o + kSegSura) != sura ||
            readI16At(f, o + kSegPage) != found.page)
            break;
        placeAt(o);
    }
    out = std::move(found);
    return true;
}

bool HitTestAyaRecord(platform::BinaryFile& f, int currentSura, int currentPage, int x, int y,
                      int& sura, int& aya) {
    const int start = currentSura <= 2 ? currentSura : currentSura - 2;
    if (!validSura(start)) return false;
    uint64_t o = firstRecordOf(f, start);
    for (int k = 0; k < kHitTestRecords && o < f.size(); ++k, o += kSegmentBytes) {
        const int left = readI16At(f, o + kSegLeft);
        const int top = readI16At(f, o + kSegTop);
        const int width = readI16At(f, o + kSegWidth);
        const int height = readI16At(f, o + kSegHeight);
        const int page = readI16At(f, o + kSegPage);
        if (left <= x && x <= left + width && top <= y && y <= top + height &&
            page == currentPage) {
            sura = readU8At(f, o + kSegSura);
            aya = readI16At(f, o + kSegAya);
            return true;
        }
    }
    return false;
}

bool FindFirstAyaOfPage(platform::BinaryFile& f, int page, int& sura, int& aya) {
    for (uint64_t o = firstRecordOf(f, 1); o < f.size(); o += kSegmentBytes) {
        if (readI16At(f, o + kSegPage) != page) continue;
        sura = readU8At(f, o + kSegSura);
        aya = readI16At(f, o + kSegAya);
        return true;
    }
    return false;
}

// ---- on the disc's files ------------------------------------------------------

namespace {
platform::BinaryFile dataFile(const char* name) {
    return platform::BinaryFile(DataDir + name);
}
}  // namespace

int ReadSuraAyaCount(int sura, int& recordSura) {
    auto f = dataFile("aya_count");
    return ReadSuraAyaCount(f, sura, recordSura);
}

bool IsQuranAya(int sura, int aya) {
    int recordSura = 0;
    return sura >= 1 && sura <= kSuraCount && aya >= 1 && aya <= ReadSuraAyaCount(sura, recordSura);
}

int ReadAyaPart(int sura, int aya) {
    auto f = dataFile("parts");
    return ReadAyaPart(f, sura, aya);
}

bool FindFirstAyaOfPart(int part, int& sura, int& aya) {
    auto f = dataFile("parts");
    return FindFirstAyaOfPart(f, part, sura, aya);
}

bool LocateAyaSegments(int sura, int aya, AyaLocation& out) {
    if (sura < 1 || sura > kSuraCount) return false;
    auto f = dataFile("cutaya");
    return LocateAyaSegments(f, sura, aya, out);
}

bool HitTestAyaRecord(int currentSura, int currentPage, int x, int y, int& sura, int& aya) {
    const int start = currentSura <= 2 ? currentSura : currentSura - 2;
    if (start < 1 || start > kSuraCount) return false;
    auto f = dataFile("cutaya");
    return HitTestAyaRecord(f, currentSura, currentPage, x, y, sura, aya);
}

bool FindFirstAyaOfPage(int page, int& sura, int& aya) {
    auto f = dataFile("cutaya");
    return FindFirstAyaOfPage(f, page, sura, aya);
}
