// Sound and video files made with the ffmpeg program.
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

/// Writes mono 16-bit samples as a PCM WAV file.
void writeWav(DiscWriter& out, const std::string& relative, const std::vector<int16_t>& samples,
              int sampleRate);

/// Writes mono 16-bit samples as a constant-bitrate MP3 file.
void writeMp3(DiscWriter& out, const std::string& relative, const std::vector<int16_t>& samples,
              int sampleRate, int kbps);

}  // namespace disc
