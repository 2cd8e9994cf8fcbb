// Media files made inside the media tests: WAV bytes built in code, MP3 and
// WMV files made by the ffmpeg program when it is installed.
#pragma once

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <string>

namespace media_files {

/// Appends `v` as `bytes` little-endian bytes.
inline void put(std::string& s, uint32_t v, int bytes) {
    for (int i = 0; i < bytes; ++i) s += static_cast<char>((v >> (8 * i)) & 0xFF);
}

/// A PCM WAV of `ms` milliseconds holding a quiet tone; `extraChunk` is put
/// before the data chunk (an odd size tests the pad byte).
inline std::string wav(int ms, int rate = 8000, int channels = 1, std::string extraChunk = {}) {
    const auto frames = static_cast<uint32_t>(static_cast<int64_t>(rate) * ms / 1000);
    std::string data;
    for (uint32_t i = 0; i < frames; ++i)
        for (int c = 0; c < channels; ++c)
            put(data, uint16_t(int16_t(2000 * std::sin(2 * M_PI * 440.0 * i / rate))), 2);
    std::string body = "WAVEfmt ";
    put(body, 16, 4);
    put(body, 1, 2);  // PCM
    put(body, channels, 2);
    put(body, rate, 4);
    put(body, rate * channels * 2, 4);
    put(body, channels * 2, 2);
    put(body, 16, 2);
    if (!extraChunk.empty()) {
        body += "LIST";
        put(body, extraChunk.size(), 4);
        body += extraChunk + (extraChunk.size() % 2 ? std::string(1, '\0') : "");
    }
    body += "data";
    put(body, data.size(), 4);
    std::string file = "RIFF";
    put(file, body.size() + data.size(), 4);
    return file + body + data;
}

inline bool haveFfmpeg() {
    return std::system("ffmpeg -hide_banner -version >/dev/null 2>&1") == 0;
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
