// A click on the page picture that hits nothing while sura 1 is read: the hit
// test reads all 11317 records of the aya map field by field through a freshly
// opened file. Against it: the same scan over the file loaded once into
// memory, and over the file loaded afresh for each click.
#include <benchmark/benchmark.h>

#include <cstdint>
#include <string>
#include <vector>

#include "platform/paths.h"
#include "quran/quran_files.h"
#include "shell/globals.h"
#include "support/screen_test.h"

namespace {

constexpr int kRecords = 11317;
constexpr int kMissX = -100, kMissY = -100;  // left of and above every segment

bool discReady(benchmark::State& state) {
    platform::clearDrives();
    platform::setProgramDrive('D');
    platform::setDrive('D', TestDiscFolder());
    BuildDiscFolders();
    if (!platform::fileExists(DataDir + "cutaya")) {
        state.SkipWithError("no sample disc: run ctest -R sample_disc_build first");
        return false;
    }
    return true;
}

int i16(const std::vector<uint8_t>& b, size_t at) {
    return static_cast<int16_t>(b[at] | (b[at + 1] << 8));
}

// The hit test over bytes in memory: the same records, the same comparisons.
bool hitInMemory(const std::vector<uint8_t>& b, int page, int x, int y, int& sura, int& aya) {
    size_t o = b[1] | (b[2] << 8) | (b[3] << 16) | (static_cast<size_t>(b[4]) << 24);
    for (int k = 0; k < kRecords && o + 13 <= b.size(); ++k, o += 13) {
        const int left = i16(b, o + 5), top = i16(b, o + 7), width = i16(b, o + 9),
                  height = i16(b, o + 11);
        if (left <= x && x <= left + width && top <= y && y <= top + height &&
            i16(b, o + 3) == page) {
            sura = b[o];
            aya = i16(b, o + 1);
            return true;
        }
    }
    return false;
}

std::vector<uint8_t> loadMap() {
    const std::string bytes = platform::readFile(DataDir + "cutaya");
    return std::vector<uint8_t>(bytes.begin(), bytes.end());
}

void BM_HitTestFieldByField(benchmark::State& state) {
    if (!discReady(state)) return;
    int sura = 0, aya = 0;
    for (auto _ : state) {
        bool hit = HitTestAyaRecord(1, 1, kMissX, kMissY, sura, aya);
        benchmark::DoNotOptimize(hit);
        if (hit) state.SkipWithError("the click hit a segment");
    }
    state.counters["records"] = kRecords;
}
BENCHMARK(BM_HitTestFieldByField)->Unit(benchmark::kMillisecond);

void BM_HitTestInMemory(benchmark::State& state) {
    if (!discReady(state)) return;
    const std::vector<uint8_t> map = loadMap();
    int sura = 0, aya = 0;
    for (auto _ : state) {
        bool hit = hitInMemory(map, 1, kMissX, kMissY, sura, aya);
        benchmark::DoNotOptimize(hit);
        if (hit) state.SkipWithError("the click hit a segment");
    }
}
BENCHMARK(BM_HitTestInMemory)->Unit(benchmark::kMicrosecond);

void BM_HitTestLoadAndScan(benchmark::State& state) {
    if (!discReady(state)) return;
    int sura = 0, aya = 0;
    for (auto _ : state) {
        const std::vector<uint8_t> map = loadMap();
        bool hit = hitInMemory(map, 1, kMissX, kMissY, sura, aya);
        benchmark::DoNotOptimize(hit);
    }
}
BENCHMARK(BM_HitTestLoadAndScan)->Unit(benchmark::kMicrosecond);

// Sanity: both scans agree on a real hit (the middle of 2:255's first segment).
void BM_AgreeOnAHit(benchmark::State& state) {
    if (!discReady(state)) return;
    AyaLocation where;
    if (!LocateAyaSegments(2, 255, where)) {
        state.SkipWithError("2:255 not in the map");
        return;
    }
    const AyaSegment& s = where.segments[0];
    const std::vector<uint8_t> map = loadMap();
    for (auto _ : state) {
        int a1 = 0, s1 = 0, a2 = 0, s2 = 0;
        bool h1 = HitTestAyaRecord(2, where.page, s.left + 2, s.top + 2, s1, a1);
        bool h2 = hitInMemory(map, where.page, s.left + 2, s.top + 2, s2, a2);
        if (!h1 || !h2 || s1 != s2 || a1 != a2 || a1 != 255) state.SkipWithError("disagree");
    }
}
BENCHMARK(BM_AgreeOnAHit)->Unit(benchmark::kMicrosecond)->Iterations(3);

}  // namespace

BENCHMARK_MAIN();
