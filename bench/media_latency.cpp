// The real media device with the null audio output: how long a play from a
// position takes to move past it (the recitation starts every aya this way),
// what a Position read costs (the recitation reads it every 10 ms), and what
// opening a file costs (every aya reopens its recording).
#include <benchmark/benchmark.h>

#include <QElapsedTimer>
#include <QThread>
#include <cmath>
#include <filesystem>
#include <fstream>
#include <string>

#include "platform/mpv_device.h"
#include "bench_support.h"

namespace fs = std::filesystem;

namespace {

fs::path benchFolder() {
    static const fs::path dir = [] {
        fs::path d = fs::temp_directory_path() / "zafirel-bench-media";
        fs::create_directories(d);
        return d;
    }();
    return dir;
}

// A 20-second 22.05 kHz mono tone as a WAV file.
std::string wavFile() {
    const fs::path path = benchFolder() / "tone.wav";
    if (!fs::exists(path)) {
        const uint32_t rate = 22050, frames = rate * 20, bytes = frames * 2;
        std::string s = "RIFF";
        auto put = [&s](uint32_t v, int n) {
            for (int i = 0; i < n; ++i) s += static_cast<char>((v >> (8 * i)) & 0xFF);
        };
        put(36 + bytes, 4);
        s += "WAVEfmt ";
        put(16, 4), put(1, 2), put(1, 2), put(rate, 4), put(rate * 2, 4), put(2, 2), put(16, 2);
        s += "data";
        put(bytes, 4);
        for (uint32_t i = 0; i < frames; ++i)
            put(static_cast<uint16_t>(static_cast<int16_t>(3000 * std::sin(i * 0.125))), 2);
        std::ofstream(path, std::ios::binary) << s;
    }
    return path.string();
}

// The same tone as a 128 kbit/s MP3 (the recordings' format); empty without ffmpeg.
std::string mp3File() {
    const fs::path path = benchFolder() / "tone.mp3";
    if (!fs::exists(path)) {
        const std::string cmd = "ffmpeg -hide_banner -loglevel error -y -i '" + wavFile() +
                                "' -c:a libmp3lame -b:a 128k '" + path.string() + "'";
        if (std::system(cmd.c_str()) != 0) return {};
    }
    return path.string();
}

void spin() {
    QCoreApplication::processEvents();
    QThread::usleep(200);
}

// Time from play(from) to the first position read past `from`.
void playLatency(benchmark::State& state, const std::string& file) {
    if (file.empty()) return state.SkipWithError("no ffmpeg to make the MP3");
    platform::MpvDevice device;
    device.open(file, nullptr);
    int from = 1000;
    for (auto _ : state) {
        QElapsedTimer t;
        t.start();
        device.play(from);
        while (device.position() <= from && t.elapsed() < 5000) spin();
        state.SetIterationTime(static_cast<double>(t.nsecsElapsed()) / 1e9);
        device.stop();
        from = (from + 2300) % 15000;
    }
}

void BM_PlayFromPositionWav(benchmark::State& state) {
    playLatency(state, wavFile());
}
void BM_PlayFromPositionMp3(benchmark::State& state) {
    playLatency(state, mp3File());
}

void BM_PositionWhilePlaying(benchmark::State& state) {
    platform::MpvDevice device;
    device.open(mp3File().empty() ? wavFile() : mp3File(), nullptr);
    device.play(0);
    for (int i = 0; i < 50; ++i) spin();
    for (auto _ : state) benchmark::DoNotOptimize(device.position());
    device.stop();
}

void BM_OpenRecording(benchmark::State& state) {
    const std::string file = mp3File().empty() ? wavFile() : mp3File();
    platform::MpvDevice device;
    device.open(file, nullptr);  // the player is started once per screen
    for (auto _ : state) {
        device.close();
        device.open(file, nullptr);
    }
}

// A screen's first Open starts libmpv; releasing the screen ends it.
void BM_FirstOpenAndRelease(benchmark::State& state) {
    const std::string file = mp3File().empty() ? wavFile() : mp3File();
    for (auto _ : state) {
        platform::MpvDevice device;
        device.open(file, nullptr);
    }
}

BENCHMARK(BM_PlayFromPositionWav)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(20);
BENCHMARK(BM_PlayFromPositionMp3)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(20);
BENCHMARK(BM_PositionWhilePlaying)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_OpenRecording)->Unit(benchmark::kMillisecond)->Iterations(20);
BENCHMARK(BM_FirstOpenAndRelease)->Unit(benchmark::kMillisecond)->Iterations(10);

}  // namespace

int main(int argc, char** argv) {
    return runBenchmarks(argc, argv);
}
