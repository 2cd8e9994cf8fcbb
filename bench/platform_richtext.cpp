// A large remembrance loaded into the rich-text pane of its screen: how long
// the interface thread is held at once (reading, building the text, laying it
// out), and how long until the whole text is laid out. The text is Arabic
// paragraphs in code page 1256 with bold and coloured runs (arg 0: its size
// in MB), or one paragraph of the same size (arg 1). A text above the size
// limit is refused at once ("refused" is 1).
#include <QElapsedTimer>
#include <QEventLoop>
#include <QScrollBar>
#include <QTimer>
#include <filesystem>
#include <fstream>
#include <string>

#include "bench_support.h"
#include "platform/error.h"
#include "platform/richtext.h"
#include "platform/rtf.h"

namespace {

std::string remembrance(size_t bytes, bool oneParagraph) {
    std::string rtf =
        "{\\rtf1\\ansi\\ansicpg1256\\deff0{\\fonttbl{\\f0\\fcharset178 Simplified Arabic;}}"
        "{\\colortbl;\\red128\\green0\\blue0;}\\uc1\\pard\\rtlpar\\qc\\f0\\fs32\n";
    const std::string arabic =
        "\\'c8\\'d3\\'e3 \\'c7\\'e1\\'e1\\'e5 \\'c7\\'e1\\'d1\\'cd\\'e3\\'e4 ";
    for (int n = 0; rtf.size() < bytes; ++n) {
        for (int k = 0; k < 5; ++k) rtf += arabic;
        rtf += "{\\b\\cf1 " + arabic + "}" + std::to_string(n);
        rtf += oneParagraph ? " " : "\\par\n";
    }
    return rtf + "}";
}

// Runs the event loop until the pane's scroll range has not changed for
// 300 ms; returns the longest stretch the loop was held, in ms.
double settle(platform::RichTextBox& box, double& total) {
    QEventLoop loop;
    QTimer tick;
    QElapsedTimer since, clock, stable;
    double longest = 0;
    int range = -1;
    since.start();
    clock.start();
    stable.start();
    QObject::connect(&tick, &QTimer::timeout, [&] {
        longest = std::max(longest, static_cast<double>(since.nsecsElapsed()) / 1e6);
        since.restart();
        const int now = box.verticalScrollBar()->maximum();
        if (now != range) {
            range = now;
            stable.restart();
        }
        if (stable.elapsed() > 300 || clock.elapsed() > 600'000) loop.quit();
    });
    tick.start(1);
    loop.exec();
    total = static_cast<double>(clock.nsecsElapsed()) / 1e6 - 300;
    return longest;
}

void BM_ShowLargeRemembrance(benchmark::State& state) {
    const std::string rtf = remembrance(static_cast<size_t>(state.range(0)) << 20, state.range(1));
    const auto folder = std::filesystem::temp_directory_path() / "zafirel-bench-richtext";
    std::filesystem::create_directories(folder);
    std::ofstream(folder / "text.rtf", std::ios::binary) << rtf;
    platform::setDrive('D', folder);
    double held = 0, shown = 0, laidOut = 0, refused = 0;
    for (auto _ : state) {
        platform::RichTextBox box(nullptr, "richtext");
        box.setGeometry(0, 0, 315, 400);
        box.setDefaultFont("Simplified Arabic", 16);
        box.show();
        QElapsedTimer t;
        t.start();
        try {
            box.loadFromFile("D:\\text.rtf");
        } catch (const platform::PlatformError&) {
            refused = 1;
        }
        shown = static_cast<double>(t.nsecsElapsed()) / 1e6;
        double rest = 0;
        held = std::max(shown, settle(box, rest));
        laidOut = shown + rest;
    }
    state.counters["MB"] = static_cast<double>(rtf.size()) / (1 << 20);
    state.counters["show_ms"] = shown;
    state.counters["longest_hold_ms"] = held;
    state.counters["laid_out_ms"] = laidOut;
    state.counters["refused"] = refused;
    std::filesystem::remove_all(folder);
}
BENCHMARK(BM_ShowLargeRemembrance)
    ->Args({1, 0})
    ->Args({3, 0})
    ->Args({3, 1})
    ->Args({5, 0})
    ->Args({50, 0})
    ->Iterations(1)
    ->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
    return runBenchmarks(argc, argv);
}
