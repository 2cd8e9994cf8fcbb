// Speed of the transition effects and the picture show.
//
//   BM_Style/N        one 800x600 frame of style N, averaged over the frames
//                     of a Step 5 transition (target: under 4 ms)
//   BM_Fade, BM_Copy  the fade against one plain copy of the same 32-bit
//                     picture; BM_FadeVsCopy reports the ratio (target: 4)
//   BM_Transition     a threaded transition with Delay 60 and Step 5 (20
//                     frames), wall time (target: within 1.3 s)
#include <benchmark/benchmark.h>

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QPainter>
#include <QThread>
#include <atomic>
#include <chrono>
#include <cstring>

#include "components/picture_show.h"
#include "components/transition_effects.h"
#include "platform/clock.h"
#include "bench_support.h"

namespace {

QImage picture(uint32_t seed) {
    // Smooth colours with some noise, like a photo.
    QImage img(800, 600, QImage::Format_RGB32);
    uint32_t s = seed;
    for (int y = 0; y < img.height(); ++y) {
        auto* row = reinterpret_cast<uint32_t*>(img.scanLine(y));
        for (int x = 0; x < img.width(); ++x) {
            s = s * 1664525u + 1013904223u;
            row[x] = 0xFF000000u | ((x * 255 / 800) << 16) | ((y * 255 / 600) << 8) | (s >> 28);
        }
    }
    return img;
}

const QImage& oldPicture() {
    static const QImage img = picture(1);
    return img;
}
const QImage& newPicture() {
    static const QImage img = picture(2);
    return img;
}

void BM_Style(benchmark::State& state) {
    const int style = static_cast<int>(state.range(0));
    QImage screen = oldPicture().copy();
    int progress = 0;
    for (auto _ : state) {
        state.PauseTiming();
        progress = progress % 95 + 5;
        std::memcpy(screen.bits(), oldPicture().constBits(), screen.sizeInBytes());
        state.ResumeTiming();
        TransitionEffects::drawEffect(style, screen, newPicture(), screen.rect(), progress, 5);
        benchmark::DoNotOptimize(screen.constBits());
    }
    state.SetLabel(TransitionEffects::effectName(style));
}
BENCHMARK(BM_Style)
    ->DenseRange(1, TransitionEffects::EffectCount)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(3)
    ->ReportAggregatesOnly(true)
    ->ComputeStatistics("max", [](const std::vector<double>& v) {
        return *std::max_element(v.begin(), v.end());
    });

void fadeOnce(QImage& screen) {
    TransitionEffects::drawEffect(118, screen, newPicture(), screen.rect(), 37, 5);
}

void copyOnce(QImage& screen) {
    QPainter p(&screen);
    p.setCompositionMode(QPainter::CompositionMode_Source);
    p.drawImage(0, 0, newPicture());
}

void BM_Fade(benchmark::State& state) {
    QImage screen = oldPicture().copy();
    for (auto _ : state) {
        fadeOnce(screen);
        benchmark::DoNotOptimize(screen.constBits());
    }
}
BENCHMARK(BM_Fade)->Unit(benchmark::kMicrosecond);

void BM_Copy(benchmark::State& state) {
    QImage screen = oldPicture().copy();
    for (auto _ : state) {
        copyOnce(screen);
        benchmark::DoNotOptimize(screen.constBits());
    }
}
BENCHMARK(BM_Copy)->Unit(benchmark::kMicrosecond);

void BM_FadeVsCopy(benchmark::State& state) {
    // Alternating rounds of both, so that both see the same machine load.
    QImage screen = oldPicture().copy();
    using Clock = std::chrono::steady_clock;
    double fade = 0, copy = 0;
    for (auto _ : state) {
        auto t0 = Clock::now();
        for (int i = 0; i < 20; ++i) fadeOnce(screen);
        auto t1 = Clock::now();
        for (int i = 0; i < 20; ++i) copyOnce(screen);
        auto t2 = Clock::now();
        fade += std::chrono::duration<double, std::milli>(t1 - t0).count() / 20;
        copy += std::chrono::duration<double, std::milli>(t2 - t1).count() / 20;
    }
    state.counters["fade_ms"] = fade / state.iterations();
    state.counters["copy_ms"] = copy / state.iterations();
    state.counters["ratio"] = fade / copy;
}
BENCHMARK(BM_FadeVsCopy)->Unit(benchmark::kMillisecond)->Iterations(20);

void BM_Transition(benchmark::State& state) {
    TPictureShow show;
    show.SetAutoSize(false);
    show.resize(800, 600);
    show.SetDelay(60);
    show.SetStep(5);
    show.SetStyle(static_cast<int>(state.range(0)));
    show.show();
    std::atomic<int> frames = 0;
    QEventLoop loop;
    show.OnProgress = [&](TCustomPictureShow*) { ++frames; };
    show.OnStop = [&](TCustomPictureShow*) { loop.quit(); };
    bool flip = false;
    for (auto _ : state) {
        frames = 0;
        show.SetPicture(flip ? oldPicture() : newPicture());
        flip = !flip;
        show.RunTransition();
        loop.exec();  // the CPU time shows that nothing spins while waiting
    }
    state.counters["frames"] = frames.load();
    state.SetLabel(TransitionEffects::effectName(static_cast<int>(state.range(0))));
}
BENCHMARK(BM_Transition)
    ->Arg(118)
    ->Arg(47)
    ->Arg(127)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(3)
    ->UseRealTime();

}  // namespace

int main(int argc, char** argv) {
    return runBenchmarks(argc, argv);
}
