// Memory of the Quran page panel with a page picture of the largest size
// accepted (8192 by 8192) and a giant rectangle in the aya map: the peak
// resident size of the process after the page is loaded and the aya marked
// (run it under /usr/bin/time -v for the peak of the whole process). The
// picture is written row by row, so that making it costs no picture memory.
#include <sys/resource.h>

#include <cstdio>
#include <filesystem>
#include <vector>
// clang-format off
#include <jpeglib.h>
// clang-format on

#include "bench_support.h"
#include "quran/page_panel.h"

namespace {

void writeWhitePage(const std::filesystem::path& path, int side) {
    std::FILE* out = std::fopen(path.c_str(), "wb");
    jpeg_compress_struct info;
    jpeg_error_mgr err;
    info.err = jpeg_std_error(&err);
    jpeg_create_compress(&info);
    jpeg_stdio_dest(&info, out);
    info.image_width = info.image_height = static_cast<JDIMENSION>(side);
    info.input_components = 3;
    info.in_color_space = JCS_RGB;
    jpeg_set_defaults(&info);
    jpeg_start_compress(&info, TRUE);
    std::vector<JSAMPLE> row(static_cast<size_t>(side) * 3, 255);
    for (int y = 0; y < side; ++y) {
        JSAMPROW r = row.data();
        if (y % 64 < 8) std::fill(row.begin(), row.begin() + side, 0);  // some print
        jpeg_write_scanlines(&info, &r, 1);
        std::fill(row.begin(), row.end(), 255);
    }
    jpeg_finish_compress(&info);
    jpeg_destroy_compress(&info);
    std::fclose(out);
}

double peakMb() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return static_cast<double>(usage.ru_maxrss) / 1024;
}

void BM_ShowHugePageWithGiantMark(benchmark::State& state) {
    const auto folder = std::filesystem::temp_directory_path() / "zafirel-bench-page";
    std::filesystem::create_directories(folder);
    writeWhitePage(folder / "huge.jpg", 8192);
    platform::setDrive('D', folder);
    QWidget screen;
    screen.resize(1024, 768);
    double pictureMb = 0, markMb = 0;
    for (auto _ : state) {
        PagePanel panel(&screen, QPoint(0, 0));
        panel.imgpage->loadPicture("D:\\huge.jpg");
        pictureMb = static_cast<double>(panel.imgpage->picture().sizeInBytes()) / (1 << 20);
        panel.ShowMarks({{1, 1, 1, 0, 0, 32767, 32767}});
        for (AyaHighlight* mark : panel.VisibleMarks())
            markMb += static_cast<double>(mark->rendered().sizeInBytes()) / (1 << 20);
    }
    state.counters["picture_MB"] = pictureMb;
    state.counters["mark_MB"] = markMb;
    state.counters["peak_rss_MB"] = peakMb();
    std::filesystem::remove_all(folder);
}
BENCHMARK(BM_ShowHugePageWithGiantMark)->Iterations(1)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
    return runBenchmarks(argc, argv);
}
