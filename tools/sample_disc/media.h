// Sound and video files: WAV written directly, MP3 and WMV made with the
// ffmpeg program.
#pragma once

#include <QImage>
#include <QSize>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "disc_writer.h"

namespace disc {

/// Writes a WMV file (ASF container, WMV 8 video, WMA 2 sound) from frames
/// drawn by `frame(i)`; the sound is a soft chord fading in and out.
void writeWmv(DiscWriter& out, const std::string& relative, QSize size, int fps, int frames,
              const std::function<QImage(int)>& frame);

/// Appends `ms` of a sine tone at `freq` with its octave a quarter as loud,
/// faded in and out over 12 ms; `ring` lets it die away like a bell.
void appendTone(std::vector<int16_t>& out, int sampleRate, double freq, int ms, double amplitude,
                bool ring);

/// Appends `ms` of silence.
void appendSilence(std::vector<int16_t>& out, int sampleRate, int ms);
/// Writes mono 16-bit samples as a PCM WAV file.
void writeWav(DiscWriter& out, const std::string& relative, const std::vector<int16_t>& samples,
              int sampleRate);

/// Writes mono 16-bit samples as a constant-bitrate MP3 file.
void writeMp3(DiscWriter& out, const std::string& relative, const std::vector<int16_t>& samples,
              int sampleRate, int kbps);

}  // namespace disc
