// Speed of the shaped button.
//
//   BM_PaintOval      one full paint of a forty hadith button: 97x41 oval,
//                     depth 4, bands and caption (target: under 0.5 ms)
//   BM_PaintCircular  one full paint of a 200x200 button with a circular
//                     gradient (target: under 2 ms)
//   BM_Rotating       a shown button turning at its default 40 ms interval on
//                     the real clock for 3 s; cpu_percent is the share of one
//                     core the process used meanwhile (target: under 5 %)
#include <benchmark/benchmark.h>

#include <QEventLoop>
#include <QTimer>
#include <ctime>

#include "components/shaped_button.h"
#include "bench_support.h"

namespace {

/// The look of the forty hadith buttons, in another shape, size or fill.
void setUp(TShapedButton& b, TShapeKind kind, int w, int h, TShapeGradientKind gradient) {
    b.SetButtonKind(kind);
    b.SetButtonWidth(w);
    b.SetButtonHeight(h);
    b.SetButtonDepth(4);
    b.SetButtonColor(QColor(253, 215, 62));
    b.SetButtonColor1(Qt::red);
    b.SetGradientKind(gradient);
    QFont font("Arabic Transparent");
    font.setPixelSize(21);
    font.setBold(true);
    b.setFont(font);
    b.SetFontColor(Qt::blue);
    b.SetCaption("English");
}

void fortyHadith(TShapedButton& b) {
    setUp(b, bkOval, 97, 41, gkNone);
}

void circular(TShapedButton& b) {
    setUp(b, bkElliptic, 200, 200, gkCircular);
}

/// Paints the button again and again; the pressed state flips each time, so
/// that every paint renders the face picture afresh.
void paintLoop(benchmark::State& state, void (*setUp)(TShapedButton&)) {
    TShapedButton b;
    setUp(b);
    QImage target(b.size(), QImage::Format_ARGB32_Premultiplied);
    bool down = false;
    for (auto _ : state) {
        b.setDown(down = !down);
        b.render(&target);
        benchmark::DoNotOptimize(target.constBits());
    }
}

void BM_PaintOval(benchmark::State& state) {
    paintLoop(state, fortyHadith);
}
BENCHMARK(BM_PaintOval)->Unit(benchmark::kMicrosecond);

void BM_PaintCircular(benchmark::State& state) {
    paintLoop(state, circular);
}
BENCHMARK(BM_PaintCircular)->Unit(benchmark::kMicrosecond);

double processSeconds() {
    timespec t{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
    return double(t.tv_sec) + t.tv_nsec / 1e9;
}

void BM_Rotating(benchmark::State& state) {
    QWidget parent;
    parent.resize(400, 300);
    auto* b = new TShapedButton(&parent);
    if (state.range(0) == 0) {
        fortyHadith(*b);
    } else {
        circular(*b);
    }
    b->move(100, 50);
    b->SetRotationCenterFixed(true);
    b->SetCaptionFixed(true);
    parent.show();
    QEventLoop loop;
    int steps = 0;
    b->OnPaint = [&](TShapedButton*) { ++steps; };
    double cpu = 0, wall = 0;
    for (auto _ : state) {
        QCoreApplication::processEvents();
        const double start = processSeconds();
        b->SetRotated(true);
        QTimer::singleShot(3000, &loop, &QEventLoop::quit);
        loop.exec();
        b->SetRotated(false);
        cpu += processSeconds() - start;
        wall += 3.0;
    }
    state.counters["cpu_percent"] = 100 * cpu / wall;
    state.counters["paints"] = steps;
    state.SetLabel(state.range(0) == 0 ? "97x41 oval" : "200x200 circular gradient");
}
BENCHMARK(BM_Rotating)->Arg(0)->Arg(1)->Iterations(1)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
    return runBenchmarks(argc, argv);
}
