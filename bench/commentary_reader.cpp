// The two readers on the sample disc, side by side, with the simulated media
// device (so that the figures are the readers' own work, not the device's
// start-up): one aya step (the text read field by field, converted and shown,
// the page and marks placed, everything painted), and in the commentary
// reader the switch to another commentary by a button of the language screen.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <unistd.h>

#include "platform/forms.h"
#include "platform/guard.h"
#include "platform/paths.h"
#include "quran/unt_lang.h"
#include "quran/unt_quran.h"
#include "quran/unt_tafseer.h"
#include "shell/globals.h"
#include "shell/sections.h"
#include "support/screen_test.h"
#include "support/sim_device.h"
#include "bench_support.h"

namespace fs = std::filesystem;

namespace {

class Surroundings {
  public:
    Surroundings() {
        ok = fs::exists(fs::path(TestDiscFolder()) / "velk_quran" / "data" / "9");
        if (!ok) return;
        platform::Clock::install(&clock);
        platform::useSimulatedMedia();
        platform::clearDrives();
        platform::setProgramDrive('D');
        platform::setDrive('D', TestDiscFolder());
        driveC =
            fs::temp_directory_path() / ("zafirel-bench-readers." + std::to_string(::getpid()));
        fs::create_directories(driveC);
        platform::setDrive('C', driveC);
        ResetSharedState();
        BuildDiscFolders();
        LanguageIndex = 1;
        platform::ErrorBox::setRecording(true);
        display.resize(1024, 768);
        display.show();
        platform::setDisplayArea(&display);
    }
    ~Surroundings() {
        platform::processPendingEvents();
        platform::setDisplayArea(nullptr);
        platform::Clock::install(nullptr);
        std::error_code ec;
        fs::remove_all(driveC, ec);
    }
    /// Lets the opening ticks run (the panel, the first sura).
    void settle() {
        clock.advance(200);
        QCoreApplication::processEvents();
    }

    bool ok = false;
    platform::ManualClock clock;
    QWidget display;
    fs::path driveC;
};

/// Steps forward and back over ayas 1..50 of sura 2 (pages 2 to 8).
template <class Core>
void stepAround(Core& core, int& direction) {
    if (CurrentAya >= 50) direction = -1;
    if (CurrentAya <= 1) direction = 1;
    core.StepTo(direction > 0 ? Step::NextAya : Step::PreviousAya);
    QCoreApplication::processEvents();
}

void BM_QuranReaderAyaStep(benchmark::State& state) {
    Surroundings s;
    if (!s.ok) return state.SkipWithError("no sample disc");
    PresetSectionValues(1);
    CurrentSura = 2;
    CurrentAya = 1;
    OpenQuranSection();
    s.settle();
    int direction = 1;
    for (auto _ : state) stepAround(*frm_quran->Core, direction);
    state.counters["errors"] = static_cast<double>(platform::ErrorBox::recorded().size());
    frm_quran->closeForm();
}
BENCHMARK(BM_QuranReaderAyaStep)->Unit(benchmark::kMillisecond);

void BM_CommentaryReaderAyaStep(benchmark::State& state) {
    Surroundings s;
    if (!s.ok) return state.SkipWithError("no sample disc");
    PresetSectionValues(2);
    CommentaryIndex = static_cast<int>(state.range(0));
    CurrentSura = 2;
    OpenCommentarySection();
    s.settle();
    int direction = 1;
    for (auto _ : state) stepAround(*frm_tafseer->Core, direction);
    state.counters["errors"] = static_cast<double>(platform::ErrorBox::recorded().size());
    frm_tafseer->closeForm();
}
BENCHMARK(BM_CommentaryReaderAyaStep)->Arg(1)->Arg(9)->Unit(benchmark::kMillisecond);

// From the click on a language button to the new text shown and painted.
void BM_CommentarySwitch(benchmark::State& state) {
    Surroundings s;
    if (!s.ok) return state.SkipWithError("no sample disc");
    PresetSectionValues(2);
    CurrentSura = 2;
    CurrentAya = 255;
    OpenCommentarySection();
    s.settle();
    int button = 2;
    for (auto _ : state) {
        state.PauseTiming();
        frm_tafseer->ClickButton(1);  // opens the language screen
        QCoreApplication::processEvents();
        button = button == 2 ? 7 : 2;  // English, then Russian
        state.ResumeTiming();
        frm_lang->ClickButton(button);
        QCoreApplication::processEvents();
    }
    state.counters["errors"] = static_cast<double>(platform::ErrorBox::recorded().size());
    frm_tafseer->closeForm();
}
BENCHMARK(BM_CommentarySwitch)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
    return runBenchmarks(argc, argv);
}
