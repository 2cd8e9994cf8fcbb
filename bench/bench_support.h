// Shared by the benchmark programs: the process's CPU time, an exact search
// timed beside an Arabic-aware one, a picture show transition run in real time, and the start of a
// program that runs the benchmarks on the sample disc.
#pragma once

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QTimer>
#include <clocale>
#include <cstdlib>
#include <ctime>
#include <filesystem>
#include <functional>
#include <string>

#include "components/picture_show.h"
#include "platform/guard.h"
#include "platform/paths.h"
#include "shell/globals.h"
#include "support/screen_test.h"

/// CPU time of the whole process (every thread), in seconds.
inline double processCpu() {
    timespec t;
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
    return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_nsec) / 1e9;
}

/// Times `exact` and `aware` (each a search giving its number of hits) one
/// after the other in every iteration, so that both see the same machine, and
/// reports their mean wall and CPU times and their hits as counters (CPU time
/// too: the wall time of a loaded machine says little).
inline void exactBesideAware(benchmark::State& state, const std::function<size_t()>& exact,
                             const std::function<size_t()>& aware) {
    QElapsedTimer t;
    double exactMs = 0, awareMs = 0, exactCpu = 0, awareCpu = 0;
    size_t exactHits = 0, awareHits = 0;
    for (auto _ : state) {
        const double c0 = processCpu();
        t.start();
        exactHits = exact();
        exactMs += static_cast<double>(t.nsecsElapsed()) / 1e6;
        const double c1 = processCpu();
        t.start();
        awareHits = aware();
        awareMs += static_cast<double>(t.nsecsElapsed()) / 1e6;
        const double c2 = processCpu();
        exactCpu += (c1 - c0) * 1e3;
        awareCpu += (c2 - c1) * 1e3;
    }
    const double n = static_cast<double>(state.iterations());
    state.counters["exact_ms"] = exactMs / n;
    state.counters["aware_ms"] = awareMs / n;
    state.counters["exact_cpu_ms"] = exactCpu / n;
    state.counters["aware_cpu_ms"] = awareCpu / n;
    state.counters["exact_hits"] = static_cast<double>(exactHits);
    state.counters["aware_hits"] = static_cast<double>(awareHits);
}

/// Runs the event loop until the transition of `show` has ended, adding the
/// process's CPU time and the wall time it took, in seconds.
inline void waitForTransition(TPictureShow* show, double& cpu, double& wall) {
    QEventLoop loop;
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, [&] {
        if (!show->Running()) loop.quit();
    });
    poll.start(5);
    QElapsedTimer t;
    t.start();
    const double c0 = processCpu();
    loop.exec();
    cpu += processCpu() - c0;
    wall += static_cast<double>(t.nsecsElapsed()) / 1e9;
}

/// The main program of a benchmark: the application (on the offscreen
/// platform without a display, without sound unless ZAFIREL_AUDIO says so),
/// numbers in the C locale, the recorded error box; `setUp` runs before the
/// benchmarks.
inline int runBenchmarks(int argc, char** argv, const std::function<void()>& setUp = {}) {
    if (!std::getenv("ZAFIREL_AUDIO")) ::setenv("ZAFIREL_AUDIO", "null", 1);
    if (!std::getenv("DISPLAY") && !std::getenv("QT_QPA_PLATFORM"))
        ::setenv("QT_QPA_PLATFORM", "offscreen", 1);
    QApplication app(argc, argv);
    std::setlocale(LC_NUMERIC, "C");
    platform::ErrorBox::setRecording(true);
    if (setUp) setUp();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}

/// The same on the sample disc: the disc on drive D, a drive C of its own,
/// language 1.
inline int runOnSampleDisc(int argc, char** argv, const std::function<void()>& setUp = {}) {
    return runBenchmarks(argc, argv, [&] {
        platform::clearDrives();
        platform::setProgramDrive('D');
        platform::setDrive('D', TestDiscFolder());
        const std::string c = "/tmp/zafirel-bench-c";
        std::filesystem::create_directories(c);
        platform::setDrive('C', c);
        BuildDiscFolders();
        LanguageIndex = 1;
        if (setUp) setUp();
    });
}
