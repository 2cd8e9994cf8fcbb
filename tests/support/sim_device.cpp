#include "support/sim_device.h"

#include <QString>
#include <algorithm>
#include <climits>
#include <cmath>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>

#include "platform/clock.h"
#include "platform/error.h"

namespace platform {

namespace {

uint32_t le32(std::string_view b, size_t at) {
    auto u = [&](size_t i) { return static_cast<uint32_t>(static_cast<uint8_t>(b[at + i])); };
    return u(0) | u(1) << 8 | u(2) << 16 | u(3) << 24;
}

int clampMs(double ms) {
    if (!(ms > 0)) return 0;
    return ms >= INT_MAX ? INT_MAX : static_cast<int>(std::lround(ms));
}

std::map<std::string, int> forcedLengths;

std::vector<SimulatedDevice*> liveDevices;

std::string readAll(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

}  // namespace

int wavLengthMs(std::string_view b) {
    if (b.size() < 12 || b.substr(0, 4) != "RIFF" || b.substr(8, 4) != "WAVE") return -1;
    uint64_t byteRate = 0, dataBytes = 0;
    bool haveData = false;
    for (uint64_t pos = 12; pos + 8 <= b.size();) {
        std::string_view id = b.substr(pos, 4);
        const uint64_t size = le32(b, pos + 4);
        const uint64_t body = pos + 8;
        if (id == "fmt " && size >= 16 && body + 16 <= b.size()) byteRate = le32(b, body + 8);
        if (id == "data" && !haveData) {
            haveData = true;
            dataBytes = std::min<uint64_t>(size, b.size() - body);
        }
        pos = body + size + (size & 1);
    }
    if (!haveData || byteRate == 0) return -1;
    return clampMs(static_cast<double>(dataBytes) * 1000.0 / static_cast<double>(byteRate));
}

// The recordings of the sample disc, as ffmpeg writes them with libmp3lame at
// 16 or 22.05 kHz: an ID3v2 tag, then MPEG-2 layer III frames of 576 samples,
// the first of them an Info frame that carries no audio.
int mp3LengthMs(std::string_view b) {
    static const int kKbps[16] = {0, 8, 16, 24, 32, 40, 48, 56, 64, 80, 96, 112, 128, 144, 160, 0};
    static const int kSampleRates[4] = {22050, 24000, 16000, 0};
    auto at = [&](size_t i) { return static_cast<uint8_t>(b[i]); };
    size_t pos = 0;
    if (b.size() >= 10 && b.substr(0, 3) == "ID3") {  // the tag: 10 bytes and 4 x 7 bits of size
        pos = 10;
        for (size_t i = 6; i < 10; ++i) pos += static_cast<size_t>(at(i) & 0x7F) << (7 * (9 - i));
    }
    int frames = 0, sampleRate = 0;
    bool info = false;
    while (pos + 4 <= b.size() && at(pos) == 0xFF && (at(pos + 1) & 0xFE) == 0xF2) {
        const int kbps = kKbps[at(pos + 2) >> 4];
        sampleRate = kSampleRates[(at(pos + 2) >> 2) & 3];
        if (kbps == 0 || sampleRate == 0) break;
        const size_t bytes = 72000 * kbps / sampleRate + ((at(pos + 2) >> 1) & 1);
        if (pos + bytes > b.size()) break;
        const size_t tag = pos + 4 + ((at(pos + 3) >> 6) == 3 ? 9 : 17);  // after the side info
        if (frames == 0 && tag + 4 <= pos + bytes)
            info = b.substr(tag, 4) == "Info" || b.substr(tag, 4) == "Xing";
        ++frames;
        pos += bytes;
    }
    if (frames == 0) return -1;
    return clampMs((frames - info) * 576 * 1000.0 / sampleRate);
}

SimulatedDevice::SimulatedDevice() {
    liveDevices.push_back(this);
}

SimulatedDevice::~SimulatedDevice() {
    liveDevices.erase(std::remove(liveDevices.begin(), liveDevices.end(), this), liveDevices.end());
}

std::vector<std::string>& SimulatedDevice::log() {
    static std::vector<std::string> entries;
    return entries;
}

const std::vector<SimulatedDevice*>& SimulatedDevice::devices() {
    return liveDevices;
}

void SimulatedDevice::setLength(const std::string& hostPath, int ms) {
    forcedLengths[hostPath] = ms;
}

void SimulatedDevice::reset() {
    log().clear();
    forcedLengths.clear();
}

void SimulatedDevice::open(const std::string& hostPath, QWidget* display) {
    close();
    log().push_back("open " + hostPath);
    std::error_code ec;
    if (hostPath.empty() || !std::filesystem::is_regular_file(hostPath, ec))
        throw PlatformError(kMediaFileNotFound);
    int length = 5000;
    if (auto forced = forcedLengths.find(hostPath); forced != forcedLengths.end()) {
        length = forced->second;
    } else {
        const std::string bytes = readAll(hostPath);
        if (bytes.empty()) throw PlatformError(kMediaCannotPlay);
        if (bytes.compare(0, 4, "RIFF") == 0)
            length = wavLengthMs(bytes);
        else if (QString::fromStdString(hostPath).endsWith(".mp3", Qt::CaseInsensitive) ||
                 bytes.compare(0, 3, "ID3") == 0)
            length = mp3LengthMs(bytes);
        if (length < 0) throw PlatformError(kMediaCannotPlay);
    }
    length_ = std::max(0, length);
    pos_ = 0;
    state_ = State::Stopped;
    file_ = hostPath;
}

void SimulatedDevice::close() {
    if (state_ == State::Closed) return;
    log().push_back("close");
    disarm();
    state_ = State::Closed;
    file_.clear();
    length_ = pos_ = 0;
}

void SimulatedDevice::play(int fromMs) {
    if (state_ == State::Closed) return;
    log().push_back(fromMs >= 0 ? "play from " + std::to_string(fromMs) : "play");
    pos_ = fromMs >= 0 ? std::min(fromMs, length_) : position();
    startedAt_ = Clock::current().now();
    state_ = State::Playing;
    arm();
}

void SimulatedDevice::stop() {
    if (state_ == State::Closed) return;
    log().push_back("stop");
    pos_ = position();
    state_ = State::Stopped;
    disarm();
}

void SimulatedDevice::pause() {
    if (state_ != State::Playing) return;
    log().push_back("pause");
    pos_ = position();
    state_ = State::Paused;
    disarm();
}

void SimulatedDevice::resume() {
    if (state_ != State::Paused) return;
    log().push_back("resume");
    startedAt_ = Clock::current().now();
    state_ = State::Playing;
    arm();
}

int SimulatedDevice::position() const {
    if (state_ != State::Playing) return pos_;
    const int64_t p = pos_ + std::max<int64_t>(0, Clock::current().now() - startedAt_);
    return static_cast<int>(std::min<int64_t>(p, length_));
}

void SimulatedDevice::seek(int ms) {
    if (state_ == State::Closed) return;
    log().push_back("seek " + std::to_string(ms));
    pos_ = std::clamp(ms, 0, length_);
    if (state_ == State::Playing) {
        startedAt_ = Clock::current().now();
        arm();
    }
}

// The end is watched by a timer of the current clock, due when the play
// reaches the end: under a ManualClock it fires in time order with the
// screens' own timers.
void SimulatedDevice::arm() {
    Clock* clock = &Clock::current();
    if (!endTimer_ || timerClock_ != clock) {
        endTimer_ = std::make_unique<Timer>(nullptr, 1, false);
        endTimer_->onTimer = [this] { tick(); };
        timerClock_ = clock;
    }
    endTimer_->setEnabled(false);
    endTimer_->setInterval(std::max(1, length_ - position()));
    endTimer_->setEnabled(true);
}

void SimulatedDevice::disarm() {
    if (endTimer_) endTimer_->setEnabled(false);
}

void SimulatedDevice::tick() {
    if (state_ != State::Playing) return disarm();
    const int left = length_ - position();
    if (left > 0) {  // a real timer may fire a little early
        endTimer_->setInterval(left);
        return;
    }
    disarm();
    pos_ = length_;
    state_ = State::Stopped;
    log().push_back("end");
    // Last: the handler may destroy this device.
    if (onEnded) {
        std::function<void()> ended = onEnded;
        ended();
    }
}

void useSimulatedMedia() {
    SimulatedDevice::reset();
    setMediaDeviceFactory([] { return std::make_unique<SimulatedDevice>(); });
}

void useRealMedia() {
    setMediaDeviceFactory(nullptr);
}

}  // namespace platform
