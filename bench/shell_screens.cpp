// Start-up and the skin screens: the time from process start to the hub's
// first frame, loading and showing a background against libjpeg alone, a
// focus change on the main menu, and the memory of many round trips from the
// main menu into a section and back.
#include <benchmark/benchmark.h>
#include <jpeglib.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QMouseEvent>
#include <clocale>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "bench_support.h"
#include "platform/clock.h"
#include "platform/controls.h"
#include "platform/forms.h"
#include "platform/guard.h"
#include "platform/paths.h"
#include "support/sim_device.h"
#include "shell/app_sections.h"
#include "shell/globals.h"
#include "shell/sections.h"
#include "quran/unt_quran.h"
#include "skin/unt_main.h"

extern char** environ;

namespace {

const std::string kDisc = ZAFIREL_TEST_DISC;
const std::string kBackground = kDisc + "/velk_quran/graphic/main/1/main.jpg";

// The whole program, started as a new process that ends after its first
// frame. Needs a display (DISPLAY) or uses the offscreen platform.
void BM_StartToFirstFrame(benchmark::State& state) {
    const std::string exe = std::string(ZAFIREL_BUILD_DIR) + "/src/zafirel";
    std::vector<std::string> env;
    for (char** e = environ; *e; ++e) env.emplace_back(*e);
    env.push_back("ZAFIREL_EXIT_AFTER_FIRST_FRAME=1");
    env.push_back("ZAFIREL_DISC=" + kDisc);
    env.push_back("ZAFIREL_AUDIO=null");
    if (!std::getenv("DISPLAY")) env.push_back("QT_QPA_PLATFORM=offscreen");
    std::vector<char*> envp;
    for (auto& e : env) envp.push_back(e.data());
    envp.push_back(nullptr);
    for (auto _ : state) {
        int out[2];
        if (pipe(out) != 0) state.SkipWithError("pipe");
        posix_spawn_file_actions_t actions;
        posix_spawn_file_actions_init(&actions);
        posix_spawn_file_actions_adddup2(&actions, out[1], 1);
        posix_spawn_file_actions_addclose(&actions, out[0]);
        char* argv[] = {const_cast<char*>(exe.c_str()), nullptr};
        QElapsedTimer t;
        t.start();
        pid_t pid = 0;
        if (posix_spawn(&pid, exe.c_str(), &actions, nullptr, argv, envp.data()) != 0)
            state.SkipWithError("cannot start the program");
        close(out[1]);
        std::string text;
        char buf[256];
        ssize_t n;
        while (text.find("first frame") == std::string::npos &&
               (n = read(out[0], buf, sizeof buf)) > 0)
            text.append(buf, static_cast<size_t>(n));
        state.SetIterationTime(t.nsecsElapsed() / 1e9);
        close(out[0]);
        int status = 0;
        waitpid(pid, &status, 0);
        posix_spawn_file_actions_destroy(&actions);
        if (text.find("first frame") == std::string::npos) state.SkipWithError("no first frame");
    }
}
BENCHMARK(BM_StartToFirstFrame)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(10);

// libjpeg alone: read the file and decode it into RGB rows.
void BM_BackgroundLibjpegAlone(benchmark::State& state) {
    std::vector<unsigned char> pixels;
    for (auto _ : state) {
        FILE* f = std::fopen(kBackground.c_str(), "rb");
        jpeg_decompress_struct cinfo;
        jpeg_error_mgr jerr;
        cinfo.err = jpeg_std_error(&jerr);
        jpeg_create_decompress(&cinfo);
        jpeg_stdio_src(&cinfo, f);
        jpeg_read_header(&cinfo, TRUE);
        cinfo.out_color_space = JCS_RGB;
        jpeg_start_decompress(&cinfo);
        const size_t stride = cinfo.output_width * 3;
        pixels.resize(stride * cinfo.output_height);
        while (cinfo.output_scanline < cinfo.output_height) {
            JSAMPROW row = pixels.data() + stride * cinfo.output_scanline;
            jpeg_read_scanlines(&cinfo, &row, 1);
        }
        jpeg_finish_decompress(&cinfo);
        jpeg_destroy_decompress(&cinfo);
        std::fclose(f);
        benchmark::DoNotOptimize(pixels.data());
    }
}
BENCHMARK(BM_BackgroundLibjpegAlone)->Unit(benchmark::kMicrosecond);

// The program's way: the picture control loads the file from its Windows
// path and the screen is drawn.
void BM_BackgroundLoadAndShow(benchmark::State& state) {
    QWidget screen;
    screen.resize(1024, 768);
    auto* img = new platform::ImageControl(&screen, "imgground1");
    img->setGeometry(0, 0, 1024, 768);
    screen.show();
    for (auto _ : state) {
        img->loadPicture(GraphicDir + "main\\1\\main.jpg");
        img->repaint();
    }
}
BENCHMARK(BM_BackgroundLoadAndShow)->Unit(benchmark::kMicrosecond);

// Moving the mouse from one main menu button to the next: the new button's
// focus picture and the old button's up picture are loaded from the disc.
void BM_FocusChange(benchmark::State& state) {
    QWidget area;
    area.resize(1024, 768);
    area.show();
    platform::setDisplayArea(&area);
    Tfrm_main* menu = platform::createForm(frm_main, &area);
    menu->showAsChild(&area);
    menu->ShowButtons();
    int n = 1;
    for (auto _ : state) {
        n = n % 16 + 1;
        menu->Focus(n);
        menu->Button(n)->repaint();
    }
    menu->closeForm();
    platform::processPendingEvents();
    platform::setDisplayArea(nullptr);
}
BENCHMARK(BM_FocusChange)->Unit(benchmark::kMicrosecond);

void click(QWidget* w) {
    const QPointF at(w->rect().center());
    for (auto type : {QEvent::MouseMove, QEvent::MouseButtonPress, QEvent::MouseButtonRelease}) {
        QMouseEvent e(
            type, at, w->mapToGlobal(at), type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton,
            type == QEvent::MouseButtonPress ? Qt::LeftButton : Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(w, &e);
    }
}

long residentKb() {
    std::ifstream statm("/proc/self/statm");
    long pages = 0, resident = 0;
    statm >> pages >> resident;
    return resident * (sysconf(_SC_PAGESIZE) / 1024);
}

// Main menu -> Quran reader (section 1) -> back to the main menu by its
// button 3, in virtual time with the simulated media device. Reports the
// growth of resident memory over the measured round trips.
void BM_MenuRoundTrips(benchmark::State& state) {
    platform::ManualClock clock;
    platform::Clock::install(&clock);
    platform::useSimulatedMedia();
    QWidget area;
    area.resize(1024, 768);
    area.show();
    platform::setDisplayArea(&area);
    auto advance = [&](int ms) {
        for (; ms > 0; ms -= 10) {
            clock.advance(10);
            platform::processPendingEvents();
        }
    };
    int readersOpened = 0;
    auto roundTrip = [&] {
        SelectedSection = 1;
        PresetSectionValues(1);
        OpenSection(1);
        advance(300);
        // The reader's own way back: its button 3 saves, closes and shows the menu.
        if (frm_quran && frm_quran->Button(3)) {
            ++readersOpened;
            click(frm_quran->Button(3));
        }
        advance(300);
        for (Tfrm_main* m : area.findChildren<Tfrm_main*>()) m->closeForm();
        advance(20);
        platform::SimulatedDevice::log().clear();
    };
    for (int i = 0; i < 20; ++i) roundTrip();
    const long before = residentKb();
    for (auto _ : state) roundTrip();
    state.counters["rss_growth_kb"] = static_cast<double>(residentKb() - before);
    state.counters["readers_opened"] = readersOpened;
    state.counters["menus_left"] = static_cast<double>(area.findChildren<Tfrm_main*>().size());
    state.counters["errors"] = static_cast<double>(platform::ErrorBox::recorded().size());
    platform::setDisplayArea(nullptr);
    platform::processPendingEvents();
    platform::Clock::install(nullptr);
}
BENCHMARK(BM_MenuRoundTrips)->Iterations(200)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
    return runOnSampleDisc(argc, argv, [] { RegisterAppSections(); });
}
