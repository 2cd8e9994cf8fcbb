// The RTF reader on a book-sized file (about 2.5 MB): Arabic paragraphs in
// code page 1256 with bold runs, colours, Unicode escapes, tables and list
// items, as word processors write them.
#include <string>

#include "bench_support.h"
#include "platform/rtf.h"

namespace {

std::string bookSizedRtf() {
    std::string rtf =
        "{\\rtf1\\ansi\\ansicpg1256\\deff0{\\fonttbl{\\f0\\fcharset178 Simplified Arabic;}"
        "{\\f1\\fcharset0 Times New Roman;}{\\f2\\fcharset2 Symbol;}}"
        "{\\colortbl;\\red128\\green0\\blue0;\\red0\\green0\\blue255;}\\viewkind4\\uc1\n";
    const std::string arabic =
        "\\'c8\\'d3\\'e3 \\'c7\\'e1\\'e1\\'e5 \\'c7\\'e1\\'d1\\'cd\\'e3\\'e4 ";
    for (int n = 0; rtf.size() < 2'500'000; ++n) {
        rtf += "\\pard\\rtlpar\\qr\\f0\\fs32 ";
        for (int k = 0; k < 6; ++k) rtf += arabic;
        rtf += "{\\b\\ab\\cf1 " + arabic + "}\\u1575?\\u1604? " + std::to_string(n) + "\\par\n";
        if (n % 20 == 0)
            rtf += "\\trowd\\cellx3000\\cellx6000\\pard\\intbl " + arabic + "\\cell " + arabic +
                   "\\cell\\row\n";
        if (n % 10 == 0)
            rtf += "{\\listtext\\f2\\'b7\\tab}\\f1 Item " + std::to_string(n) + "\\par\n";
    }
    return rtf + "}";
}

void BM_ParseBookSizedRtf(benchmark::State& state) {
    const std::string rtf = bookSizedRtf();
    size_t paragraphs = 0;
    for (auto _ : state) {
        platform::RtfDocument doc = platform::parseRtf(rtf);
        paragraphs = doc.paragraphs.size();
        benchmark::DoNotOptimize(doc);
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * rtf.size()));
    state.counters["MB"] = static_cast<double>(rtf.size()) / 1e6;
    state.counters["paragraphs"] = static_cast<double>(paragraphs);
}
BENCHMARK(BM_ParseBookSizedRtf)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
    return runBenchmarks(argc, argv);
}
