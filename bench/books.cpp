// The book libraries on a library made here: the 99 hadith books, from a few
// topics to thousands (about 40 MB of Arabic text in code page 1256), two
// words planted in a few topics.
//
//   BM_SearchBooks        the search of all 99 books for two words ("and"),
//                         book by book as the screen does it: each book's
//                         count, its topic texts read where they lie, the
//                         titles of its hits
//   BM_SearchInMemory     the same search over the files read whole first
//   BM_SearchRatio        the two, alternating: field_ms / memory_ms
//   BM_SearchAware        the search of all 99 books, exact against every
//                         Arabic-aware switch on, alternating
//   BM_SearchScreen/0, /1 the search screen searching all 99 books on the real
//                         clock, from the click to the button enabled again
//                         (target: under 1.5 s; with every Arabic-aware switch
//                         on, /1: under 0.6 s), with the longest tick (target:
//                         under 50 ms) and the number of ticks
//   BM_FillTopicTree      the tree of the largest book (target: under 200 ms),
//                         filled and drawn
//   BM_ShowTopic/0, /1    a long topic (10-25 KB) and the longest (about 50 KB)
//                         read, converted, laid out right to left in full and
//                         drawn with the words marked (target: under 30 ms)
#include <benchmark/benchmark.h>

#include <QElapsedTimer>
#include <QEventLoop>
#include <QLineEdit>
#include <QRadioButton>
#include <QTimer>
#include <QTreeWidget>
#include <chrono>
#include <cmath>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <unistd.h>

#include "books/book_disc.h"
#include "books/book_files.h"
#include "books/book_search.h"
#include "books/unt_hadith.h"
#include "books/unt_hadiths.h"
#include "platform/arabic_match.h"
#include "platform/codepage.h"
#include "platform/forms.h"
#include "platform/guard.h"
#include "platform/indexed_text_file.h"
#include "platform/paths.h"
#include "platform/richtext.h"
#include "shell/globals.h"
#include "bench_support.h"

namespace fs = std::filesystem;

namespace {

const QString kWord1 = QString::fromUtf8("زبرجد");
const QString kWord2 = QString::fromUtf8("كهرمان");

/// The library on drive D, made once for the program.
class Library {
  public:
    Library() {
        root = fs::temp_directory_path() / ("zafirel-bench-books." + std::to_string(::getpid()));
        const fs::path data = root / "velk_quran" / "data";
        fs::create_directories(data);
        uint32_t seed = 12345;
        auto next = [&seed] { return (seed = seed * 1664525u + 1013904223u) >> 8; };
        const std::string letters =
            platform::fromUnicode(QString::fromUtf8("ابتثجحخدذرزسشصضطظعغفقكلمنهوي"));
        const std::string word1 = platform::fromUnicode(kWord1),
                          word2 = platform::fromUnicode(kWord2);
        auto words = [&](size_t length) {
            std::string text;
            while (text.size() < length) {
                if (!text.empty()) text += next() % 12 == 0 ? "\r\n" : " ";
                for (int l = 2 + static_cast<int>(next() % 6); l > 0; --l)
                    text += letters[next() % letters.size()];
            }
            return text;
        };
        // Topic counts spread from 5 to 3000 on a log scale, one book of 5000.
        std::map<int, std::string> titles;
        std::map<int, int> counts;
        for (int b = 55; b <= 153; ++b) {
            const double u = static_cast<double>(next() % 1000) / 1000;
            counts[b] = b == 100 ? 5000 : static_cast<int>(5 * std::pow(600.0, u));
            titles[b] = platform::fromUnicode(QString::fromUtf8("كتاب ")) + std::to_string(b);
            topics += counts[b];
        }
        const size_t average = 40'000'000 / static_cast<size_t>(topics);
        for (const auto& [b, n] : counts) {
            std::map<int, std::string> t, d;
            for (int k = 1; k <= n; ++k) {
                t[k] = words(20 + next() % 60);
                // Mostly short topics, a few long ones.
                const uint32_t kind = next() % 1000;
                const size_t length = kind == 0  ? average * 60
                                      : kind < 5 ? average * 20
                                                 : average / 4 + next() % (average * 3 / 2);
                std::string text = words(length);
                const uint32_t plant = next() % 3000;
                if (plant < 2) text.insert(text.size() / 2, " " + word1 + " ");
                if (plant == 1 || plant == 2) text += " " + word2;
                if (plant == 1) ++bothHits;
                d[k] = std::move(text);
                bytes += d[k].size();
            }
            std::ofstream(data / (std::to_string(b) + "t"), std::ios::binary)
                << bookdisc::NumberedFile(t);
            std::ofstream(data / (std::to_string(b) + "d"), std::ios::binary)
                << bookdisc::NumberedFile(d);
        }
        std::ofstream(data / "bookst", std::ios::binary) << bookdisc::NumberedFile(titles);
        std::ofstream(data / "booksc", std::ios::binary) << bookdisc::CountFile(counts);
        largest = 100;
        Use();
        platform::IndexedTextFile d((DataDir + "100d"));
        for (int k = 1; k <= counts[100]; ++k) {
            const size_t length = d.Record(k).size();
            if (length > longestLength) longestLength = length, longestTopic = k;
            if (length > 10000 && length < 25000) longTopic = k;
        }
    }
    ~Library() {
        std::error_code ec;
        fs::remove_all(root, ec);
    }
    /// Drive D on this library; errors are kept, not shown.
    void Use() const {
        platform::clearDrives();
        platform::setProgramDrive('D');
        platform::setDrive('D', root);
        BuildDiscFolders();
        LanguageIndex = 1;
        platform::ErrorBox::setRecording(true);
    }

    fs::path root;
    // The longest topic of the largest book, and one of those 20 times the average.
    int topics = 0, bothHits = 0, largest = 0, longestTopic = 1, longTopic = 1;
    size_t bytes = 0, longestLength = 0;
};

Library& library() {
    static Library made;
    made.Use();
    return made;
}

std::string read(const fs::path& p) {
    std::ifstream in(p, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

/// The screen's search without the screen: every book, its hits' titles.
size_t searchBooks(const BookSearchWords& words) {
    size_t hits = 0;
    for (int b = 55; b <= 153; ++b) {
        const std::vector<int> found = FindBookTopics(b, words);
        if (found.empty()) continue;
        platform::IndexedTextFile titles(BookFilePath(b, 't'));
        for (int t : found) hits += titles.Record(t).empty() ? 0 : 1;
    }
    return hits;
}

/// The same over the files read whole.
size_t searchInMemory(const std::string& word1, const std::string& word2) {
    const std::string counts = read(platform::hostPath(DataDir + "booksc"));
    size_t hits = 0;
    auto u32 = [](const std::string& s, size_t at) {
        uint32_t v;
        std::memcpy(&v, s.data() + at, 4);
        return v;
    };
    for (int b = 55; b <= 153; ++b) {
        const size_t n = static_cast<uint8_t>(counts[(b - 1) * 10 + 2]) |
                         (static_cast<uint8_t>(counts[(b - 1) * 10 + 3]) << 8);
        const std::string d = read(platform::hostPath(BookFilePath(b, 'd')));
        std::string t;
        for (size_t k = 0; k < n; ++k) {
            const std::string_view text(d.data() + u32(d, k * 10 + 2), u32(d, k * 10 + 6));
            if (text.find(word1) == std::string_view::npos ||
                text.find(word2) == std::string_view::npos)
                continue;
            if (t.empty()) t = read(platform::hostPath(BookFilePath(b, 't')));
            hits += u32(t, k * 10 + 6) > 0 ? 1 : 0;
        }
    }
    return hits;
}

void BM_SearchBooks(benchmark::State& state) {
    Library& lib = library();
    const BookSearchWords words(kWord1, kWord2, kBothWords);
    size_t hits = 0;
    for (auto _ : state) hits = searchBooks(words);
    state.counters["hits"] = static_cast<double>(hits);
    state.counters["planted"] = lib.bothHits;
    state.counters["topics"] = lib.topics;
    state.counters["MB"] = static_cast<double>(lib.bytes) / 1e6;
}
BENCHMARK(BM_SearchBooks)->Unit(benchmark::kMillisecond);

void BM_SearchInMemory(benchmark::State& state) {
    library();
    const std::string w1 = platform::fromUnicode(kWord1), w2 = platform::fromUnicode(kWord2);
    size_t hits = 0;
    for (auto _ : state) hits = searchInMemory(w1, w2);
    state.counters["hits"] = static_cast<double>(hits);
}
BENCHMARK(BM_SearchInMemory)->Unit(benchmark::kMillisecond);

void BM_SearchRatio(benchmark::State& state) {
    library();
    const BookSearchWords words(kWord1, kWord2, kBothWords);
    const std::string w1 = platform::fromUnicode(kWord1), w2 = platform::fromUnicode(kWord2);
    using Clock = std::chrono::steady_clock;
    double fields = 0, memory = 0;
    for (auto _ : state) {
        const auto t0 = Clock::now();
        benchmark::DoNotOptimize(searchBooks(words));
        const auto t1 = Clock::now();
        benchmark::DoNotOptimize(searchInMemory(w1, w2));
        const auto t2 = Clock::now();
        fields += std::chrono::duration<double, std::milli>(t1 - t0).count();
        memory += std::chrono::duration<double, std::milli>(t2 - t1).count();
    }
    state.counters["field_ms"] = fields / static_cast<double>(state.iterations());
    state.counters["memory_ms"] = memory / static_cast<double>(state.iterations());
    state.counters["ratio"] = fields / memory;
}
BENCHMARK(BM_SearchRatio)->Unit(benchmark::kMillisecond)->Iterations(5);

void BM_SearchAware(benchmark::State& state) {
    library();
    const BookSearchWords exactWords(kWord1, kWord2, kBothWords, {});
    const BookSearchWords awareWords(kWord1, kWord2, kBothWords,
                                     platform::switchesOf({true, true, true}));
    exactBesideAware(
        state, [&] { return searchBooks(exactWords); }, [&] { return searchBooks(awareWords); });
}
BENCHMARK(BM_SearchAware)->Unit(benchmark::kMillisecond)->Iterations(3);

void BM_SearchScreen(benchmark::State& state) {
    Library& lib = library();
    // /1: every Arabic-aware option on, as the preferences set them.
    platform::setSearchOptions({state.range(0) == 1, state.range(0) == 1, state.range(0) == 1});
    QWidget display;
    display.resize(1024, 768);
    display.show();
    platform::setDisplayArea(&display);
    double total = 0, longest = 0;
    int ticks = 0, hits = 0;
    for (auto _ : state) {
        Tfrm_hadiths* s = platform::createForm(frm_hadiths, &display);
        s->showModal();
        s->MoveAvailableBooks(true);
        s->txtword1->setText(kWord1);
        s->txtword2->setText(kWord2);
        s->optand->setChecked(true);
        auto search = s->Timer1->onTimer;
        s->Timer1->onTimer = [&] {
            QElapsedTimer tick;
            tick.start();
            search();
            longest = std::max(longest, static_cast<double>(tick.nsecsElapsed()) / 1e6);
            ++ticks;
        };
        QElapsedTimer all;
        all.start();
        s->RunBookSearch();
        QEventLoop loop;
        QTimer poll;
        QObject::connect(&poll, &QTimer::timeout, [&] {
            if (!s->Searching()) loop.quit();
        });
        poll.start(1);
        loop.exec();
        total += static_cast<double>(all.nsecsElapsed()) / 1e6;
        hits = s->State.HitCount;
        s->CloseSearch();
        platform::processPendingEvents();
    }
    const double n = static_cast<double>(state.iterations());
    state.counters["total_ms"] = total / n;
    state.counters["longest_tick_ms"] = longest;
    state.counters["ticks"] = ticks / n;
    state.counters["hits"] = hits;
    state.counters["planted"] = lib.bothHits;
    platform::setDisplayArea(nullptr);
    platform::setSearchOptions({});
}
BENCHMARK(BM_SearchScreen)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(3)
    ->UseRealTime()
    ->Arg(0)
    ->Arg(1);

/// A hadith reader on the display, its first load not yet run.
Tfrm_hadith* openReader(QWidget& display) {
    display.resize(1024, 768);
    display.show();
    platform::setDisplayArea(&display);
    Tfrm_hadith* r = platform::createForm(frm_hadith, &display);
    r->Timer1->setEnabled(false);
    r->showAsChild(&display);
    return r;
}

void BM_FillTopicTree(benchmark::State& state) {
    Library& lib = library();
    QWidget display;
    Tfrm_hadith* r = openReader(display);
    r->BookGroupBase = lib.largest - 1;
    r->BookIndexInGroup = 1;
    for (auto _ : state) {
        r->LoadBook();
        r->FillTopicTree();
        benchmark::DoNotOptimize(r->tree1->grab());
    }
    state.counters["topics"] = r->TopicCount;
    r->closeForm();
    platform::processPendingEvents();
    platform::setDisplayArea(nullptr);
}
BENCHMARK(BM_FillTopicTree)->Unit(benchmark::kMillisecond);

void BM_ShowTopic(benchmark::State& state) {
    Library& lib = library();
    const int topic = state.range(0) == 0 ? lib.longTopic : lib.longestTopic;
    QWidget display;
    Tfrm_hadith* r = openReader(display);
    r->BookGroupBase = lib.largest - 1;
    r->BookIndexInGroup = 1;
    r->LoadBook();
    r->FillTopicTree();
    BookSearchState& search = SearchStateOf(BookMember::Hadith);
    // Words that occur: the topic's own first word, and a letter pair (often).
    const QString text = platform::toUnicode(ReadTopicText(lib.largest, topic));
    search.SearchWord1 = text.left(text.indexOf(u' '));
    search.SearchWord2 = text.mid(10, 2);
    search.SearchMode = kEitherWord;
    for (auto _ : state) {
        r->CurrentTopic = 0;
        r->HighlightPending = 1;
        r->ShowTopic(topic);
        // Laid out in full, and drawn.
        benchmark::DoNotOptimize(r->richtext->document()->size());
        benchmark::DoNotOptimize(r->richtext->grab());
    }
    state.counters["bytes"] = static_cast<double>(text.size());
    state.counters["marks"] =
        static_cast<double>(text.count(search.SearchWord1) + text.count(search.SearchWord2));
    r->closeForm();
    platform::processPendingEvents();
    platform::setDisplayArea(nullptr);
}
BENCHMARK(BM_ShowTopic)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
    return runBenchmarks(argc, argv);
}
