// Bringing a disc in: the importer's copy (read, write, read back and compare
// every file) against a plain `cp -r` of the same folder on the same machine.
//
//   BM_ImportFolder  importDisc() of the sample disc into a fresh folder
//   BM_CopyCpR       cp -r of the same disc
//   BM_ImportRatio   cp -r time over import time, alternating, over the runs
//                    (target: at least 0.8)
//
// Both copies read from the page cache (the disc is read once before); the
// copies are deleted between runs, outside the timed part.
#include <benchmark/benchmark.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <string>

#include "desktop/disc_import.h"

namespace {

namespace fs = std::filesystem;

// The real folder (build/disc-test may be a link, which cp -r would copy as a link).
const fs::path kDisc = fs::canonical(ZAFIREL_TEST_DISC);

fs::path scratch() {
    static const fs::path p = [] {
        fs::path dir = fs::temp_directory_path() / "zafirel-bench-import";
        fs::remove_all(dir);
        fs::create_directories(dir);
        std::system(("cat $(find '" + kDisc.string() + "' -type f) >/dev/null").c_str());
        return dir;
    }();
    return p;
}

double importOnce() {
    const fs::path discs = scratch() / "discs";
    const auto start = std::chrono::steady_clock::now();
    desktop::ImportOptions options;
    options.name = "disc";
    const auto result = desktop::importDisc(kDisc, discs, options);
    const double seconds =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    if (!result.ok) std::abort();
    fs::remove_all(discs);
    return seconds;
}

double cpOnce() {
    const fs::path copy = scratch() / "cp";
    const std::string cmd = "cp -r '" + kDisc.string() + "' '" + copy.string() + "'";
    const auto start = std::chrono::steady_clock::now();
    if (std::system(cmd.c_str()) != 0) std::abort();
    const double seconds =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    fs::remove_all(copy);
    return seconds;
}

void BM_ImportFolder(benchmark::State& state) {
    for (auto _ : state) state.SetIterationTime(importOnce());
}
BENCHMARK(BM_ImportFolder)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(5);

void BM_CopyCpR(benchmark::State& state) {
    for (auto _ : state) state.SetIterationTime(cpOnce());
}
BENCHMARK(BM_CopyCpR)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(5);

void BM_ImportRatio(benchmark::State& state) {
    double import = 0, cp = 0;
    for (auto _ : state) {
        import += importOnce();
        cp += cpOnce();
    }
    state.counters["cp_over_import"] = cp / import;
    uint64_t bytes = 0;
    for (const auto& e : fs::recursive_directory_iterator(kDisc))
        if (e.is_regular_file()) bytes += e.file_size();
    state.counters["MB"] = bytes / 1e6;
}
BENCHMARK(BM_ImportRatio)->Unit(benchmark::kMillisecond)->Iterations(5);

}  // namespace

BENCHMARK_MAIN();
