// The slideshows of the supplications and the call to prayer on the sample
// disc, and the supplications screen opened and left many times:
// - BM_RoundSlideshowCpu: the supplications' round picture (402 by 402, Delay
//   60, Step 5, threaded) over the real clock: the CPU time of the process
//   while transitions of many styles run, against their wall time;
// - BM_CallSlideshowCpu: the same for the call's full-screen slideshow
//   (800 by 600, the photos stretched);
// - BM_SupplicationsInARow: section 8 opened, a supplication started and the
//   screen left by its button 6, 50 times, in virtual time with the simulated
//   media device; the growth of resident memory and the threads left running.
#include <benchmark/benchmark.h>

#include <fstream>
#include <string>
#include <unistd.h>

#include "bench_support.h"
#include "components/photo_cycle.h"
#include "components/picture_show.h"
#include "devotional/unt_azanp.h"
#include "devotional/unt_doaa.h"
#include "devotional/unt_pic.h"
#include "skin/unt_main.h"
#include "support/sim_device.h"

namespace {

long statusValue(const std::string& key) {
    std::ifstream status("/proc/self/status");
    for (std::string line; std::getline(status, line);)
        if (line.rfind(key + ":", 0) == 0) return std::atol(line.c_str() + key.size() + 1);
    return -1;
}

/// Runs photo after photo on `cycle`, each with another style, and reports
/// the process's CPU time over the wall time the transitions took.
void measureTransitions(benchmark::State& state, PhotoCycle* cycle, TPictureShow* show,
                        int photos) {
    double cpu = 0, wall = 0;
    int frames = 0, runs = 0;
    show->OnProgress = [&frames](TCustomPictureShow*) { ++frames; };
    for (auto _ : state) {
        ++runs;
        cycle->Show(runs % photos + 1, runs * 37 % 150 + 1);
        waitForTransition(show, cpu, wall);
    }
    state.counters["process_core_%"] = 100 * cpu / wall;
    state.counters["frames_per_transition"] = static_cast<double>(frames) / runs;
    state.counters["errors"] = static_cast<double>(platform::ErrorBox::recorded().size());
}

void BM_RoundSlideshowCpu(benchmark::State& state) {
    QWidget display;
    display.resize(1024, 768);
    display.show();
    platform::setDisplayArea(&display);
    OpenSupplicationsSection();
    frm_doaa->Timer1Timer();
    measureTransitions(state, frm_pic->Cycle, frm_pic->imgground, 138);
    frm_doaa->ClickButton(6);
    for (Tfrm_main* m : display.findChildren<Tfrm_main*>()) m->closeForm();
    platform::processPendingEvents();
    platform::setDisplayArea(nullptr);
}
BENCHMARK(BM_RoundSlideshowCpu)->Unit(benchmark::kMillisecond)->Iterations(10)->UseRealTime();

void BM_CallSlideshowCpu(benchmark::State& state) {
    QWidget display;
    display.resize(1024, 768);
    display.show();
    platform::setDisplayArea(&display);
    AzanPhotoSet = 3;
    AzanPhotoCount = 15;
    Tfrm_azanp* show = platform::createForm(frm_azanp);
    show->showModal();
    measureTransitions(state, show->Cycle, show->imgground, 15);
    show->ClosePhotos();
    platform::processPendingEvents();
    platform::setDisplayArea(nullptr);
}
BENCHMARK(BM_CallSlideshowCpu)->Unit(benchmark::kMillisecond)->Iterations(10)->UseRealTime();

void BM_SupplicationsInARow(benchmark::State& state) {
    platform::ManualClock clock;
    platform::Clock::install(&clock);
    platform::useSimulatedMedia();
    QWidget display;
    display.resize(1024, 768);
    display.show();
    platform::setDisplayArea(&display);
    auto advance = [&](int ms) {
        for (; ms > 0; ms -= 10) {
            clock.advance(10);
            platform::processPendingEvents();
        }
    };
    int started = 0;
    auto roundTrip = [&] {
        OpenSupplicationsSection();
        advance(10);
        frm_doaa->ClickButton(started % 5 + 1);
        ++started;
        advance(500);  // the first transition runs on its thread
        frm_doaa->ClickButton(6);
        advance(20);
        for (Tfrm_main* m : display.findChildren<Tfrm_main*>()) m->closeForm();
        advance(20);
        platform::SimulatedDevice::log().clear();
    };
    for (int i = 0; i < 5; ++i) roundTrip();
    const long rss = statusValue("VmRSS"), threads = statusValue("Threads");
    for (auto _ : state) roundTrip();
    state.counters["rss_growth_kb"] = static_cast<double>(statusValue("VmRSS") - rss);
    state.counters["threads_left"] = static_cast<double>(statusValue("Threads") - threads);
    state.counters["screens_left"] = static_cast<double>(display.findChildren<QWidget*>().size());
    state.counters["errors"] = static_cast<double>(platform::ErrorBox::recorded().size());
    platform::setDisplayArea(nullptr);
    platform::processPendingEvents();
    platform::Clock::install(nullptr);
}
BENCHMARK(BM_SupplicationsInARow)->Iterations(50)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
    return runOnSampleDisc(argc, argv);
}
