// The Quran search and the Quran photo screen.
//
//   BM_SearchFieldByField  one search of a word of the Quran's text over all
//                          6236 ayas as the screen does it: the text file open
//                          for the whole search, the aya counts opened per
//                          sura, every record and text read where it lies
//                          (target: under 100 ms)
//   BM_SearchInMemory      the same search over both files read whole first
//   BM_SearchRatio         field by field against in memory, alternating
//   BM_SearchAware         field by field, exact against every Arabic-aware
//                          switch on (letter forms, diacritics, prefixes, whole
//                          words, written-out alefs), alternating (target for
//                          the aware search: under 30 ms)
//   BM_ReadRemarks         reading a remarks file that holds one remark per aya
//                          (6236, the most there can be)
//   BM_PhotoShowCpu        CPU time of the process while the photo screen runs
//                          a transition (Delay 60, 800x600 photos), as a share
//                          of one core (target: under 15 %)
//
// The aya text is the sample disc's when it holds one; otherwise a file of
// the same shape is built: the Quran's aya counts, and for each aya Arabic
// words of the Quran's own text lengths when the text is at hand, else of
// lengths spread like the Quran's (10 to 1200 bytes, 110 on average).
#include <benchmark/benchmark.h>

#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QTimer>
#include <chrono>
#include <cstring>
#include <ctime>
#include <filesystem>
#include <fstream>
#include <unistd.h>

#include "bench_support.h"
#include "components/picture_show.h"
#include "platform/arabic_match.h"
#include "platform/codepage.h"
#include "platform/forms.h"
#include "platform/jpeg.h"
#include "platform/paths.h"
#include "quran/aya_text_builder.h"
#include "quran/quran_search.h"
#include "quran/remarks_file.h"
#include "quran/unt_quranp.h"
#include "shell/globals.h"
#include "support/screen_test.h"

namespace fs = std::filesystem;

namespace {

const char* const kWord = "الرحمن";

std::string read(const fs::path& p) {
    std::ifstream in(p, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

/// The Quran's text in code page 1256, one string per aya, or nothing.
std::vector<std::string> quranText() {
    for (const char* candidate : {ZAFIREL_SOURCE_DIR "/../shared/data/quran-text/ar.tsv",
                                  ZAFIREL_SOURCE_DIR "/../../shared/data/quran-text/ar.tsv"}) {
        QFile f(candidate);
        if (!f.open(QIODevice::ReadOnly)) continue;
        std::vector<std::string> ayas;
        for (const QByteArray& line : f.readAll().split('\n')) {
            const QList<QByteArray> fields = line.split('\t');
            if (fields.size() == 3)
                ayas.push_back(platform::fromUnicode(QString::fromUtf8(fields[2])));
        }
        if (ayas.size() == 6236) return ayas;
    }
    return {};
}

/// A disc on drive D whose data folder holds "11" and "aya_count".
class SearchDisc {
  public:
    SearchDisc() {
        root = fs::temp_directory_path() / ("zafirel-bench-search." + std::to_string(::getpid()));
        const fs::path data = root / "velk_quran" / "data";
        fs::create_directories(data);
        const fs::path sample = fs::path(TestDiscFolder()) / "velk_quran" / "data";
        counts = read(sample / "aya_count");
        if (counts.size() != 342) return;
        if (fs::exists(sample / "11")) {
            source = "the sample disc's aya text";
            fs::copy_file(sample / "11", data / "11");
        } else {
            std::vector<std::string> text = quranText();
            source = text.empty() ? "generated text of the Quran's lengths" : "the Quran's text";
            const std::string letters =
                platform::fromUnicode(QString::fromUtf8("ابتثجحخدذرزسشصضطظعغفقكلمنهوي"));
            uint32_t seed = 7;
            auto next = [&seed] { return seed = seed * 1664525u + 1013904223u; };
            std::vector<std::vector<std::string>> suras(114);
            size_t k = 0;
            for (size_t s = 0; s < 114; ++s) {
                const size_t n = static_cast<uint8_t>(counts[s * 3 + 1]) |
                                 (static_cast<uint8_t>(counts[s * 3 + 2]) << 8);
                for (size_t a = 0; a < n; ++a, ++k) {
                    if (!text.empty()) {
                        suras[s].push_back(text[k]);
                        continue;
                    }
                    // Mostly short ayas, a few long ones.
                    const size_t length = 10 + (next() >> 8) % 120 +
                                          ((next() >> 8) % 16 == 0 ? (next() >> 8) % 1100 : 0);
                    std::string aya;
                    while (aya.size() < length) {
                        if (!aya.empty()) aya += ' ';
                        for (int l = 2 + (next() >> 8) % 6; l > 0; --l)
                            aya += letters[(next() >> 8) % letters.size()];
                    }
                    suras[s].push_back(aya);
                }
            }
            std::ofstream(data / "11", std::ios::binary) << ayatext::FileOf(suras);
        }
        std::ofstream(data / "aya_count", std::ios::binary) << counts;
        platform::clearDrives();
        platform::setProgramDrive('D');
        platform::setDrive('D', root);
        BuildDiscFolders();
        LanguageIndex = 1;
        ok = true;
    }
    ~SearchDisc() {
        std::error_code ec;
        fs::remove_all(root, ec);
    }

    bool ok = false;
    std::string source;
    std::string counts;
    fs::path root;
};

/// The same search over both files read whole into memory.
size_t searchInMemory(const std::string& word) {
    const std::string text = read(platform::hostPath(DataDir + "11"));
    const std::string counts = read(platform::hostPath(DataDir + "aya_count"));
    auto u32 = [&text](size_t at) {
        uint32_t v;
        std::memcpy(&v, text.data() + at, 4);
        return v;
    };
    size_t hits = 0;
    std::string aya;
    for (size_t s = 0; s < 114; ++s) {
        const size_t first = u32(s * 5 + 1);
        const size_t n = static_cast<uint8_t>(counts[s * 3 + 1]) |
                         (static_cast<uint8_t>(counts[s * 3 + 2]) << 8);
        for (size_t a = 0; a < n; ++a) {
            const size_t record = first + a * 10;
            aya.assign(text, u32(record + 2), u32(record + 6));
            for (char& c : aya)
                if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 32);
            if (aya.find(word) != std::string::npos) ++hits;
        }
    }
    return hits;
}

void BM_SearchFieldByField(benchmark::State& state) {
    SearchDisc disc;
    if (!disc.ok) return state.SkipWithError("no sample disc; run the tests once to build it");
    const std::string word = SearchForm(platform::fromUnicode(QString::fromUtf8(kWord)));
    size_t hits = 0;
    for (auto _ : state) hits = FindAyasContaining(word).size();
    state.counters["hits"] = static_cast<double>(hits);
    state.SetLabel(disc.source);
}
BENCHMARK(BM_SearchFieldByField)->Unit(benchmark::kMillisecond);

void BM_SearchInMemory(benchmark::State& state) {
    SearchDisc disc;
    if (!disc.ok) return state.SkipWithError("no sample disc; run the tests once to build it");
    const std::string word = SearchForm(platform::fromUnicode(QString::fromUtf8(kWord)));
    size_t hits = 0;
    for (auto _ : state) hits = searchInMemory(word);
    state.counters["hits"] = static_cast<double>(hits);
}
BENCHMARK(BM_SearchInMemory)->Unit(benchmark::kMillisecond);

void BM_SearchRatio(benchmark::State& state) {
    SearchDisc disc;
    if (!disc.ok) return state.SkipWithError("no sample disc; run the tests once to build it");
    const std::string word = SearchForm(platform::fromUnicode(QString::fromUtf8(kWord)));
    using Clock = std::chrono::steady_clock;
    double fields = 0, memory = 0;
    for (auto _ : state) {
        const auto t0 = Clock::now();
        benchmark::DoNotOptimize(FindAyasContaining(word));
        const auto t1 = Clock::now();
        benchmark::DoNotOptimize(searchInMemory(word));
        const auto t2 = Clock::now();
        fields += std::chrono::duration<double, std::milli>(t1 - t0).count();
        memory += std::chrono::duration<double, std::milli>(t2 - t1).count();
    }
    state.counters["field_ms"] = fields / state.iterations();
    state.counters["memory_ms"] = memory / state.iterations();
    state.counters["ratio"] = fields / memory;
}
BENCHMARK(BM_SearchRatio)->Unit(benchmark::kMillisecond)->Iterations(20);

void BM_SearchAware(benchmark::State& state) {
    SearchDisc disc;
    if (!disc.ok) return state.SkipWithError("no sample disc; run the tests once to build it");
    const std::string word = SearchForm(platform::fromUnicode(QString::fromUtf8(kWord)));
    platform::MatchSwitches every = platform::switchesOf({true, true, true});
    every.latinCase = true;
    const platform::ArabicMatcher matcher(QString::fromUtf8(kWord), every);
    exactBesideAware(
        state, [&] { return FindAyasContaining(word).size(); },
        [&] { return FindAyasMatching(matcher).size(); });
    state.SetLabel(disc.source);
}
BENCHMARK(BM_SearchAware)->Unit(benchmark::kMillisecond)->Iterations(20);

void BM_ReadRemarks(benchmark::State& state) {
    const fs::path c =
        fs::temp_directory_path() / ("zafirel-bench-remarks." + std::to_string(::getpid()));
    fs::create_directories(c);
    platform::clearDrives();
    platform::setDrive('C', c);
    LanguageIndex = 1;
    std::string text = "[remarks]\r\ncount=6236\r\n";
    for (int i = 1; i <= 6236; ++i)
        text += "sora" + std::to_string(i) + "=" + std::to_string(i % 114 + 1) + "\r\naya" +
                std::to_string(i) + "=" + std::to_string(i % 200 + 1) + "\r\n";
    std::ofstream(c / "remrak1.ini", std::ios::binary) << text;
    for (auto _ : state) benchmark::DoNotOptimize(ReadRemarks());
    std::error_code ec;
    fs::remove_all(c, ec);
}
BENCHMARK(BM_ReadRemarks)->Unit(benchmark::kMillisecond)->Iterations(3);

// One deletion among 1000 remarks as the remarks screen makes it: remark 1
// taken out, the file written back (and synced).
void BM_DeleteRemark(benchmark::State& state) {
    const fs::path c =
        fs::temp_directory_path() / ("zafirel-bench-delete." + std::to_string(::getpid()));
    fs::create_directories(c);
    platform::clearDrives();
    platform::setDrive('C', c);
    LanguageIndex = 1;
    std::string text = "[remarks]\r\ncount=1000\r\n";
    for (int i = 1; i <= 1000; ++i)
        text += "sora" + std::to_string(i) + "=" + std::to_string(i % 114 + 1) + "\r\naya" +
                std::to_string(i) + "=" + std::to_string(i / 114 + 1) + "\r\n";
    for (auto _ : state) {
        state.PauseTiming();
        std::ofstream(c / "remrak1.ini", std::ios::binary | std::ios::trunc) << text;
        std::vector<StoredRemark> list = ReadRemarks();
        list.erase(list.begin());
        state.ResumeTiming();
        WriteRemarksAfterRemoval(list, 0);
    }
    std::error_code ec;
    fs::remove_all(c, ec);
}
BENCHMARK(BM_DeleteRemark)->Unit(benchmark::kMillisecond)->Iterations(5);

void BM_PhotoShowCpu(benchmark::State& state) {
    // Photo 1 (the one the screen opens with), 800x600, on a disc of its own.
    const fs::path root =
        fs::temp_directory_path() / ("zafirel-bench-photos." + std::to_string(::getpid()));
    fs::create_directories(root / "velk_quran" / "graphic" / "photos");
    QImage photo(800, 600, QImage::Format_RGB32);
    for (int y = 0; y < 600; ++y) {
        auto* line = reinterpret_cast<QRgb*>(photo.scanLine(y));
        for (int x = 0; x < 800; ++x) line[x] = qRgb(x % 256, y % 256, (x * y) % 256);
    }
    std::ofstream(root / "velk_quran" / "graphic" / "photos" / "1.jpg", std::ios::binary)
        << platform::encodeJpeg(photo, 85);
    platform::clearDrives();
    platform::setProgramDrive('D');
    platform::setDrive('D', root);
    BuildDiscFolders();
    QWidget display;
    display.resize(1024, 768);
    display.show();
    platform::setDisplayArea(&display);

    double cpu = 0, wall = 0;
    int frames = 0;
    for (auto _ : state) {
        Tfrm_quranp* screen = platform::createForm(frm_quranp, &display);
        screen->showModal();
        TPictureShow* show = screen->imgground;
        show->OnProgress = [&frames](TCustomPictureShow*) { ++frames; };
        waitForTransition(show, cpu, wall);  // the first one (style 118, the fade)
        screen->ClosePhotos();
        platform::processPendingEvents();
    }
    state.counters["cpu_percent"] = 100 * cpu / wall;
    state.counters["frames"] = static_cast<double>(frames) / state.iterations();
    platform::setDisplayArea(nullptr);
    std::error_code ec;
    fs::remove_all(root, ec);
}
BENCHMARK(BM_PhotoShowCpu)->Unit(benchmark::kMillisecond)->Iterations(5)->UseRealTime();

}  // namespace

int main(int argc, char** argv) {
    return runBenchmarks(argc, argv);
}
