// The Quran page viewer on the sample disc with the real media device (null
// audio output) and the real clock:
// - from a click on an aya to its marks drawn and its recording heard (the
//   play position moving past the aya's start), within a sura and across
//   suras on a page that holds several;
// - what one tick of the 10 ms recitation watch costs, and the CPU time the
//   process and its UI thread spend over seconds of real recitation, against
//   the same viewer with the recitation paused;
// - a long listening run in virtual time (simulated media): the whole of
//   sura 2 (286 ayas) as a range with a pause after each aya, its memory
//   growth and what the watch costs per second of listening.
#include <benchmark/benchmark.h>

#include <QElapsedTimer>
#include <QEventLoop>
#include <QMouseEvent>
#include <QThread>
#include <QTimer>
#include <ctime>
#include <fstream>
#include <filesystem>
#include <sys/resource.h>
#include <unistd.h>

#include "platform/forms.h"
#include "platform/guard.h"
#include "platform/listening.h"
#include "platform/paths.h"
#include "support/sim_device.h"
#include "quran/quran_files.h"
#include "quran/unt_quran.h"
#include "shell/globals.h"
#include "shell/sections.h"
#include "support/screen_test.h"
#include "bench_disc.h"
#include "bench_support.h"

namespace fs = std::filesystem;

namespace {

double seconds(const timespec& t) {
    return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_nsec) / 1e9;
}
double threadCpu() {
    timespec t;
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
    return seconds(t);
}
double processCpu() {
    timespec t;
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
    return seconds(t);
}
double wallTime() {
    timespec t;
    clock_gettime(CLOCK_MONOTONIC, &t);
    return seconds(t);
}

// The viewer opened on the sample disc.
class Viewer : public BenchDisc {
  public:
    Viewer() : BenchDisc("viewer") {}

    /// Opens the viewer at an aya and waits until its recitation is heard.
    Tfrm_quran* open(int sura, int aya) {
        CurrentSura = sura;
        CurrentAya = aya;
        CurrentPage = CurrentPart = RepeatDone = 0;
        RepeatCount = 1;
        OpenQuranSection();
        Tfrm_quran* v = frm_quran;
        QElapsedTimer t;
        t.start();
        while (!(v->Core->mci1->isOpen() && v->Core->mci1->Position() > v->Core->AyaStartMs) &&
               t.elapsed() < 5000)
            spin();
        return v;
    }
};

QPoint inside(int sura, int aya) {
    AyaLocation at;
    LocateAyaSegments(sura, aya, at);
    const AyaSegment& s = at.segments[0];
    return {s.left + s.width / 2, s.top + s.height / 2};
}

// Clicks alternately on two ayas of the shown page and times the marks being
// drawn and the recording moving past the aya's start.
void clickToRecitation(benchmark::State& state, int sura, int ayaA, int otherSura, int ayaB) {
    Viewer env;
    if (!env.ok) return state.SkipWithError("no sample disc; run the tests once to build it");
    Tfrm_quran* v = env.open(sura, ayaA);
    const QPoint targets[2] = {inside(otherSura, ayaB), inside(sura, ayaA)};
    const int suras[2] = {otherSura, sura};
    double drawn = 0, heard = 0, worst = 0;
    int n = 0, misses = 0;
    for (auto _ : state) {
        const int k = n % 2;
        QElapsedTimer t;
        t.start();
        press(v->panquran->imgpage, targets[k]);
        v->repaint();  // the marks on the screen
        const double shown = t.nsecsElapsed() / 1e6;
        while (!(v->Core->mci1->Position() > v->Core->AyaStartMs) && t.elapsed() < 5000) spin();
        const double playing = t.nsecsElapsed() / 1e6;
        state.SetIterationTime(playing / 1000.0);
        misses += CurrentSura != suras[k] || !v->panquran->shpaya[0]->isVisible();
        drawn += shown;
        heard += playing;
        worst = std::max(worst, playing);
        ++n;
        runFor(300);  // let it recite a little, as a reader would
    }
    state.counters["marks_drawn_ms"] = drawn / n;
    state.counters["heard_ms"] = heard / n;
    state.counters["worst_heard_ms"] = worst;
    state.counters["wrong_aya"] = misses;
    state.counters["errors"] = static_cast<double>(platform::ErrorBox::recorded().size());
}

void BM_ClickToRecitationSameSura(benchmark::State& state) {
    clickToRecitation(state, 2, 7, 2, 12);  // both on page 3
}
void BM_ClickToRecitationOtherSura(benchmark::State& state) {
    clickToRecitation(state, 114, 2, 113, 3);  // page 604: a new title and recording
}

// One watch tick while a recitation plays: a position read and a compare
// (the aya's end is moved out of reach so no tick starts the next aya).
void BM_WatchTick(benchmark::State& state) {
    Viewer env;
    if (!env.ok) return state.SkipWithError("no sample disc");
    Tfrm_quran* v = env.open(2, 1);
    v->Core->AyaEndMs = INT32_MAX;
    QElapsedTimer t;
    t.start();
    int64_t ticks = 0;
    for (auto _ : state) {
        v->Core->Timer6Timer();
        ++ticks;
    }
    const double perTick = t.nsecsElapsed() / 1e9 / static_cast<double>(ticks);
    state.counters["core_%_at_100_ticks_per_s"] = perTick * 100 * 100;
}

// CPU time over `seconds` of real time: reciting, or with the recitation
// paused (the stars, the script and the watch still run), or reciting with
// the watch switched off (what the player and the animations cost alone).
void cpuWhile(benchmark::State& state, const char* mode) {
    Viewer env;
    if (!env.ok) return state.SkipWithError("no sample disc");
    Tfrm_quran* v = env.open(2, 1);
    const int ms = static_cast<int>(state.range(0));
    const std::string m = mode;
    if (m == "paused") v->PauseButton();
    if (m == "no_watch") v->Core->Timer6->setEnabled(false);
    for (auto _ : state) {
        const double t0 = wallTime(), ui0 = threadCpu(), p0 = processCpu();
        runFor(ms);
        const double wall = wallTime() - t0;
        state.counters["ui_thread_core_%"] = 100.0 * (threadCpu() - ui0) / wall;
        state.counters["process_core_%"] = 100.0 * (processCpu() - p0) / wall;
    }
    state.counters["ayas_recited"] = CurrentAya - 1;
    state.counters["errors"] = static_cast<double>(platform::ErrorBox::recorded().size());
}

void BM_CpuReciting(benchmark::State& state) {
    cpuWhile(state, "reciting");
}
void BM_CpuRecitingWithoutWatch(benchmark::State& state) {
    cpuWhile(state, "no_watch");
}
void BM_CpuPaused(benchmark::State& state) {
    cpuWhile(state, "paused");
}

long residentKb() {
    std::ifstream statm("/proc/self/statm");
    long pages = 0, resident = 0;
    statm >> pages >> resident;
    return resident * (sysconf(_SC_PAGESIZE) / 1024);
}

// Sura 2 from its first aya to its last as a range recited once, with a 1 s
// pause after each aya, in virtual time: every watch tick of the run is
// executed, so the CPU time over the listening time is the watch's share of
// a core (the real player's own cost is in BM_CpuReciting).
void BM_LongListeningRun(benchmark::State& state) {
    Viewer env;
    if (!env.ok) return state.SkipWithError("no sample disc");
    platform::ManualClock clock;
    platform::Clock::install(&clock);
    platform::useSimulatedMedia();
    platform::ListeningOptions& o = platform::listening();
    o = {};
    o.pauseSeconds = 1;
    o.setRange({2, 1}, {2, 286});
    o.rangeCount = 1;
    CurrentSura = 2;
    CurrentAya = 1;
    CurrentPage = CurrentPart = RepeatDone = 0;
    RepeatCount = 1;
    OpenQuranSection();
    Tfrm_quran* v = frm_quran;
    auto step = [&clock] {
        clock.advance(10);
        platform::processPendingEvents();
    };
    for (int i = 0; i < 20; ++i) step();
    const long before = residentKb();
    long peak = before;
    int64_t listened = 0;
    int ayas = 0;
    for (auto _ : state) {
        const int64_t start = clock.now();
        const double cpu0 = processCpu();
        int last = CurrentAya;
        // Until the range's last round stops the recitation.
        while (v->Core->Playing() && clock.now() - start < 4LL * 3600 * 1000) {
            step();
            if (CurrentAya != last) ++ayas, last = CurrentAya;
            if ((clock.now() & 0xFFFF) < 10) peak = std::max(peak, residentKb());
        }
        listened = clock.now() - start;
        const double cpu = processCpu() - cpu0;
        state.counters["listened_min"] = static_cast<double>(listened) / 60000.0;
        state.counters["watch_core_%"] = 100.0 * cpu / (static_cast<double>(listened) / 1000.0);
    }
    state.counters["ayas_shown"] = ayas;
    state.counters["rss_growth_kb"] = static_cast<double>(std::max(peak, residentKb()) - before);
    state.counters["errors"] = static_cast<double>(platform::ErrorBox::recorded().size());
    v->closeForm();
    platform::processPendingEvents();
    platform::Clock::install(nullptr);
    platform::useRealMedia();
    o = {};
}

BENCHMARK(BM_ClickToRecitationSameSura)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond)
    ->Iterations(20);
BENCHMARK(BM_ClickToRecitationOtherSura)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond)
    ->Iterations(20);
BENCHMARK(BM_WatchTick)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_CpuReciting)->Arg(8000)->Iterations(1)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_CpuRecitingWithoutWatch)->Arg(8000)->Iterations(1)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_CpuPaused)->Arg(8000)->Iterations(1)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_LongListeningRun)->Iterations(1)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
    return runBenchmarks(argc, argv);
}
