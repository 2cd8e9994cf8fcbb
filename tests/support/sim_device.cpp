#include "support/sim_device.h"

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

// One MPEG audio layer III frame header.
struct Frame {
    int sampleRate = 0;
    int samples = 0;  // per frame
    size_t bytes = 0;
    int sideInfo = 0;  // size of the side information after the header
};

bool parseFrame(std::string_view b, size_t at, Frame& f) {
    if (at + 4 > b.size()) return false;
    const auto h1 = static_cast<uint8_t>(b[at + 1]), h2 = static_cast<uint8_t>(b[at + 2]),
               h3 = static_cast<uint8_t>(b[at + 3]);
    if (static_cast<uint8_t>(b[at]) != 0xFF || (h1 & 0xE0) != 0xE0) return false;
    const int version = (h1 >> 3) & 3;  // 0: MPEG-2.5, 2: MPEG-2, 3: MPEG-1
    const int layer = (h1 >> 1) & 3;    // 1: layer III
    const int rateIndex = h2 >> 4, srIndex = (h2 >> 2) & 3;
    if (version == 1 || layer != 1 || rateIndex == 0 || rateIndex == 15 || srIndex == 3)
        return false;
    static const int kRates1[15] = {0,   32,  40,  48,  56,  64,  80, 96,
                                    112, 128, 160, 192, 224, 256, 320};
    static const int kRates2[15] = {0, 8, 16, 24, 32, 40, 48, 56, 64, 80, 96, 112, 128, 144, 160};
    static const int kSampleRates[3] = {44100, 48000, 32000};
    const bool mpeg1 = version == 3;
    const bool mono = (h3 >> 6) == 3;
    const int kbps = mpeg1 ? kRates1[rateIndex] : kRates2[rateIndex];
    f.sampleRate = kSampleRates[srIndex] >> (mpeg1 ? 0 : version == 2 ? 1 : 2);
    f.samples = mpeg1 ? 1152 : 576;
    f.bytes = static_cast<size_t>((mpeg1 ? 144000 : 72000) * kbps / f.sampleRate + ((h2 >> 1) & 1));
    f.sideInfo = mpeg1 ? (mono ? 17 : 32) : (mono ? 9 : 17);
    return true;
}

// A Xing/Info frame (the first frame of most encoders' files) describes the
// stream and carries no audio.
bool infoFrame(std::string_view b, size_t at, const Frame& f) {
    const size_t p = at + 4 + static_cast<size_t>(f.sideInfo);
    if (p + 4 > at + f.bytes) return false;
    std::string_view tag = b.substr(p, 4);
    return tag == "Xing" || tag == "Info";
}

size_t id3v2Size(std::string_view b) {
    if (b.size() < 10 || b.substr(0, 3) != "ID3") return 0;
    size_t size = 0;
    for (int i = 6; i < 10; ++i) size = size << 7 | (static_cast<uint8_t>(b[i]) & 0x7F);
    const bool footer = static_cast<uint8_t>(b[5]) & 0x10;
    return std::min(b.size(), 10 + size + (footer ? 10 : 0));
}

std::map<std::string, int>& forcedLengths() {
    static std::map<std::string, int> m;
    return m;
}

std::vector<SimulatedDevice*> liveDevices;

std::string readAll(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

bool endsWithMp3(const std::string& path) {
    std::string ext = std::filesystem::path(path).extension().string();
    std::transform(ext.begin(), ext.end(), ext.begin(), ::tolower);
    return ext == ".mp3";
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

int mp3LengthMs(std::string_view b) {
    double seconds = 0;
    size_t frames = 0;
    bool inSync = false;
    size_t pos = id3v2Size(b);
    while (pos + 4 <= b.size()) {
        Frame f;
        if (!parseFrame(b, pos, f) || pos + f.bytes > b.size()) {
            inSync = false;
            ++pos;
            continue;
        }
        // Out of sync, a header counts only when another follows it (or the
        // data ends with it): stray 0xFF bytes in garbage are not frames.
        Frame next;
        if (!inSync && pos + f.bytes != b.size() && !parseFrame(b, pos + f.bytes, next)) {
            ++pos;
            continue;
        }
        if (frames > 0 || !infoFrame(b, pos, f))
            seconds += static_cast<double>(f.samples) / f.sampleRate;
        ++frames;
        inSync = true;
        pos += f.bytes;
    }
    if (frames == 0) return -1;
    return clampMs(seconds * 1000.0);
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
    forcedLengths()[hostPath] = ms;
}

void SimulatedDevice::reset() {
    log().clear();
    forcedLengths().clear();
}

int64_t SimulatedDevice::now() const {
    return Clock::current().now();
}

void SimulatedDevice::open(const std::string& hostPath, QWidget* display) {
    close();
    log().push_back("open " + hostPath);
    std::error_code ec;
    if (hostPath.empty() || !std::filesystem::is_regular_file(hostPath, ec))
        throw PlatformError(kMediaFileNotFound);
    int length = 5000;
    if (auto forced = forcedLengths().find(hostPath); forced != forcedLengths().end()) {
        length = forced->second;
    } else {
        const std::string bytes = readAll(hostPath);
        if (bytes.empty()) throw PlatformError(kMediaCannotPlay);
        if (bytes.compare(0, 4, "RIFF") == 0)
            length = wavLengthMs(bytes);
        else if (endsWithMp3(hostPath) || bytes.compare(0, 3, "ID3") == 0)
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
    if (fromMs >= 0)
        pos_ = std::min(fromMs, length_);
    else
        pos_ = position();
    startedAt_ = now();
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
    startedAt_ = now();
    state_ = State::Playing;
    arm();
}

int SimulatedDevice::position() const {
    if (state_ != State::Playing) return pos_;
    const int64_t p = pos_ + std::max<int64_t>(0, now() - startedAt_);
    return static_cast<int>(std::min<int64_t>(p, length_));
}

void SimulatedDevice::seek(int ms) {
    if (state_ == State::Closed) return;
    log().push_back("seek " + std::to_string(ms));
    pos_ = std::clamp(ms, 0, length_);
    if (state_ == State::Playing) {
        startedAt_ = now();
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
