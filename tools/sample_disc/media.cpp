#include "media.h"

#include <sys/wait.h>

#include <cstdio>
#include <stdexcept>

namespace disc {

namespace {

std::string shellQuoted(const std::string& s) {
    std::string out = "'";
    for (char c : s) out += (c == '\'') ? std::string("'\\''") : std::string(1, c);
    return out + "'";
}

// Runs an ffmpeg command line, writes `bytes` to its input, and raises when it fails.
class Pipe {
  public:
    explicit Pipe(const std::string& command) : command_(command) {
        pipe_ = popen(command.c_str(), "w");
        if (!pipe_) throw std::runtime_error("cannot start: " + command);
    }
    ~Pipe() {
        if (pipe_) pclose(pipe_);
    }
    void write(const void* data, size_t size) {
        if (std::fwrite(data, 1, size, pipe_) != size)
            throw std::runtime_error("ffmpeg stopped reading: " + command_);
    }
    void finish() {
        int status = pclose(pipe_);
        pipe_ = nullptr;
        if (status == -1 || !WIFEXITED(status) || WEXITSTATUS(status) != 0)
            throw std::runtime_error("ffmpeg failed: " + command_);
    }

  private:
    std::string command_;
    FILE* pipe_ = nullptr;
};

}  // namespace

void writeWmv(DiscWriter& out, const std::string& relative, QSize size, int fps, int frames,
              const std::function<QImage(int)>& frame) {
    double seconds = static_cast<double>(frames) / fps;
    std::string chord =
        "aevalsrc=0.07*sin(2*PI*261.63*t)+0.05*sin(2*PI*329.63*t)+0.05*sin(2*PI*392*t):s=22050:d=" +
        std::to_string(seconds);
    std::string fade =
        "afade=t=in:d=0.6,afade=t=out:st=" + std::to_string(seconds - 0.8) + ":d=0.8";
    std::string command = "ffmpeg -nostdin -loglevel error -y -f rawvideo -pix_fmt bgra -s " +
                          std::to_string(size.width()) + "x" + std::to_string(size.height()) +
                          " -r " + std::to_string(fps) + " -i - -f lavfi -i " + shellQuoted(chord) +
                          " -af " + shellQuoted(fade) +
                          " -c:v wmv2 -b:v 1600k -pix_fmt yuv420p -c:a wmav2 -b:a 64k -ac 1"
                          " -shortest -f asf " +
                          shellQuoted(out.prepare(relative).string());
    Pipe pipe(command);
    for (int i = 0; i < frames; ++i) {
        QImage img = frame(i).convertToFormat(QImage::Format_RGB32);
        if (img.size() != size) throw std::logic_error("video frame of the wrong size");
        for (int y = 0; y < img.height(); ++y) pipe.write(img.constScanLine(y), img.width() * 4);
    }
    pipe.finish();
    out.noteWritten(relative);
}

void writeMp3(DiscWriter& out, const std::string& relative, const std::vector<int16_t>& samples,
              int sampleRate, int kbps) {
    std::string command = "ffmpeg -nostdin -loglevel error -y -f s16le -ar " +
                          std::to_string(sampleRate) + " -ac 1 -i - -c:a libmp3lame -b:a " +
                          std::to_string(kbps) + "k -f mp3 " +
                          shellQuoted(out.prepare(relative).string());
    Pipe pipe(command);
    pipe.write(samples.data(), samples.size() * sizeof(int16_t));
    pipe.finish();
    out.noteWritten(relative);
}

void writeWav(DiscWriter& out, const std::string& relative, const std::vector<int16_t>& samples,
              int sampleRate) {
    std::string bytes;
    auto u32 = [&bytes](uint32_t v) {
        for (int i = 0; i < 4; ++i) bytes += static_cast<char>((v >> (8 * i)) & 0xff);
    };
    auto u16 = [&bytes](uint16_t v) {
        bytes += static_cast<char>(v & 0xff);
        bytes += static_cast<char>(v >> 8);
    };
    const auto dataSize = static_cast<uint32_t>(samples.size() * 2);
    bytes += "RIFF";
    u32(36 + dataSize);
    bytes += "WAVEfmt ";
    u32(16);
    u16(1);  // PCM
    u16(1);  // mono
    u32(static_cast<uint32_t>(sampleRate));
    u32(static_cast<uint32_t>(sampleRate) * 2);
    u16(2);
    u16(16);
    bytes += "data";
    u32(dataSize);
    for (int16_t v : samples) u16(static_cast<uint16_t>(v));
    out.write(relative, bytes);
}

}  // namespace disc
