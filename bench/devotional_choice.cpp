// The remembrances, the occasions of revelation and the recitation rules on
// the sample disc with the real media device (null audio output) and the
// real clock: from a choice (a list click, an example button, a page turn)
// to its text shown and its recording playing, and beside it the device's
// own start latency: from the play command to the position moving.
#include <benchmark/benchmark.h>

#include <QElapsedTimer>
#include <QEventLoop>
#include <QLabel>
#include <QMouseEvent>
#include <QThread>
#include <QTimer>
#include <filesystem>
#include <unistd.h>

#include "devotional/title_list.h"
#include "devotional/unt_asbab.h"
#include "devotional/unt_azkar.h"
#include "devotional/unt_tagweed.h"
#include "platform/forms.h"
#include "platform/guard.h"
#include "platform/media.h"
#include "platform/paths.h"
#include "platform/richtext.h"
#include "shell/globals.h"
#include "support/screen_test.h"
#include "support/sim_device.h"
#include "bench_disc.h"
#include "bench_support.h"

namespace fs = std::filesystem;

namespace {

void clickItem(TitleList* list, int entry) {
    QListWidgetItem* item = list->item(entry - 1);
    list->scrollToItem(item);
    press(list->viewport(), list->visualItemRect(item).center());
}

// Times `choose(i)` (which shows a text and starts a recording), then the
// wait until the recording's position moves: the device's start latency.
template <class Choose>
void choiceToPlaying(benchmark::State& state, platform::MediaPlayer* player, QWidget* screen,
                     Choose choose) {
    double chosen = 0, worst = 0, latency = 0;
    int n = 0;
    for (auto _ : state) {
        QElapsedTimer t;
        t.start();
        choose(n);
        screen->repaint();  // the text on the screen
        const double shown = t.nsecsElapsed() / 1e6;
        while (player->Position() <= 0 && t.elapsed() < 5000) spin();
        const double moving = t.nsecsElapsed() / 1e6;
        state.SetIterationTime(shown / 1000.0);
        chosen += shown;
        worst = std::max(worst, shown);
        latency += moving - shown;
        ++n;
        runFor(150);  // heard a little, as a user would
    }
    state.counters["chosen_to_playing_ms"] = chosen / n;
    state.counters["worst_ms"] = worst;
    state.counters["device_start_latency_ms"] = latency / n;
    state.counters["errors"] = static_cast<double>(platform::ErrorBox::recorded().size());
}

void BM_ChooseRemembrance(benchmark::State& state) {
    BenchDisc disc("devotional");
    if (!disc.ok) return state.SkipWithError("no sample disc; run the tests once to build it");
    OpenAzkarSection();
    Tfrm_azkar* screen = frm_azkar;
    runFor(300);  // the start-up tick shows the first one
    choiceToPlaying(state, screen->mci1, screen,
                    [screen](int i) { clickItem(screen->list1, 2 + (i * 37) % 90); });
}

void BM_PlayRuleExample(benchmark::State& state) {
    BenchDisc disc("devotional");
    if (!disc.ok) return state.SkipWithError("no sample disc");
    OpenTagweedSection();
    Tfrm_tagweed* screen = frm_tagweed;
    for (int i = 0; i < 7; ++i) screen->ScrollOn();
    press(screen->Labels[0], {10, 10});  // rule 15, two pages of examples
    screen->TurnPage(1);                 // page 2: eight examples
    choiceToPlaying(state, screen->mci1, screen, [screen](int i) {
        ImageButton* b = screen->Button(10 + i % 8);
        press(b, b->rect().center());
    });
}

// The occasions play nothing: a choice is its two texts read and shown.
void BM_ChooseOccasion(benchmark::State& state) {
    BenchDisc disc("devotional");
    if (!disc.ok) return state.SkipWithError("no sample disc");
    OpenAsbabSection();
    Tfrm_asbab* screen = frm_asbab;
    int i = 0;
    for (auto _ : state) {
        clickItem(screen->list1, 1 + (i++ * 97) % 434);
        screen->repaint();
    }
}

BENCHMARK(BM_ChooseRemembrance)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(30);
BENCHMARK(BM_PlayRuleExample)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(30);
BENCHMARK(BM_ChooseOccasion)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
    return runBenchmarks(argc, argv);
}
