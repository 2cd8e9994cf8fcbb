// Media files made inside the media tests: WAV bytes built in code, other
// files made by the ffmpeg program when it is installed.
#pragma once

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <string>

namespace media_files {

/// A mono 16-bit PCM WAV of `ms` milliseconds holding a quiet tone.
inline std::string wav(int ms, int rate = 8000) {
    auto put = [](std::string& s, uint32_t v, int bytes) {
        for (int i = 0; i < bytes; ++i) s += static_cast<char>((v >> (8 * i)) & 0xFF);
    };
    std::string data;
    for (int64_t i = 0; i < int64_t(rate) * ms / 1000; ++i)
        put(data, uint16_t(int16_t(2000 * std::sin(2 * M_PI * 440.0 * i / rate))), 2);
    std::string file = "RIFF";
    put(file, 36 + data.size(), 4);
    file += "WAVEfmt ";
    for (auto [v, bytes] :
         {std::pair{16, 4}, {1, 2}, {1, 2}, {rate, 4}, {rate * 2, 4}, {2, 2}, {16, 2}})
        put(file, v, bytes);  // PCM, mono, rate, byte rate, block, bits
    file += "data";
    put(file, data.size(), 4);
    return file + data;
}

/// Runs ffmpeg to make `out` from a sine tone of `seconds`; `args` are the
/// output options. False when ffmpeg is missing or fails.
inline bool ffmpeg(const std::filesystem::path& out, double seconds, const std::string& args) {
    const std::string cmd =
        "ffmpeg -hide_banner -loglevel error -y -f lavfi -i sine=frequency=440:duration=" +
        std::to_string(seconds) + " " + args + " '" + out.string() + "'";
    return std::system(cmd.c_str()) == 0 && std::filesystem::exists(out);
}

}  // namespace media_files
