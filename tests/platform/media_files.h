// Media files made inside the media tests: WAV bytes built in code, MP3 and
// WMV files made by the ffmpeg program when it is installed.
#pragma once

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <unistd.h>

namespace media_files {

namespace fs = std::filesystem;

inline void put16(std::string& s, uint32_t v) {
    s += static_cast<char>(v & 0xFF);
    s += static_cast<char>((v >> 8) & 0xFF);
}
inline void put32(std::string& s, uint32_t v) {
    put16(s, v & 0xFFFF);
    put16(s, v >> 16);
}

/// A PCM WAV of `ms` milliseconds holding a quiet tone; `extraChunk` is put
/// before the data chunk (an odd size tests the pad byte).
inline std::string wav(int ms, int rate = 8000, int channels = 1, std::string extraChunk = {}) {
    const uint32_t frames = static_cast<uint32_t>(static_cast<int64_t>(rate) * ms / 1000);
    const uint32_t dataBytes = frames * channels * 2;
    std::string data;
    data.reserve(dataBytes);
    for (uint32_t i = 0; i < frames; ++i)
        for (int c = 0; c < channels; ++c)
            put16(data, static_cast<uint16_t>(
                            static_cast<int16_t>(2000 * std::sin(2 * M_PI * 440.0 * i / rate))));
    std::string fmt;
    put16(fmt, 1);
    put16(fmt, channels);
    put32(fmt, rate);
    put32(fmt, rate * channels * 2);
    put16(fmt, channels * 2);
    put16(fmt, 16);
    std::string body = "WAVEfmt ";
    put32(body, 16);
    body += fmt;
    if (!extraChunk.empty()) {
        body += "LIST";
        put32(body, extraChunk.size());
        body += extraChunk;
        if (extraChunk.size() % 2) body += '\0';
    }
    body += "data";
    put32(body, dataBytes);
    body += data;
    std::string file = "RIFF";
    put32(file, body.size());
    return file + body;
}

inline void write(const fs::path& path, const std::string& bytes) {
    std::ofstream(path, std::ios::binary) << bytes;
}

inline std::string read(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

inline bool haveFfmpeg() {
    return std::system("ffmpeg -hide_banner -version >/dev/null 2>&1") == 0;
}

/// Runs ffmpeg to make `out` from a sine tone of `seconds`; `args` are the
/// output options. False when ffmpeg is missing or fails.
inline bool ffmpeg(const fs::path& out, double seconds, const std::string& args) {
    const std::string cmd =
        "ffmpeg -hide_banner -loglevel error -y -f lavfi -i sine=frequency=440:"
        "duration=" +
        std::to_string(seconds) + " " + args + " '" + out.string() + "'";
    return std::system(cmd.c_str()) == 0 && fs::exists(out);
}

/// A fresh temporary folder, removed with the object.
struct TempDir {
    fs::path path;
    explicit TempDir(const std::string& name) {
        path = fs::temp_directory_path() / ("zafirel-" + name + "-" + std::to_string(::getpid()));
        fs::remove_all(path);
        fs::create_directories(path);
    }
    ~TempDir() {
        std::error_code ec;
        fs::remove_all(path, ec);
    }
};

}  // namespace media_files
