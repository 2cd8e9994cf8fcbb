#include "platform/binfile.h"

#include <filesystem>

#include "platform/error.h"
#include "platform/paths.h"

namespace platform {

BinaryFile::BinaryFile(const std::string& windowsPath) : name_(windowsPath) {
    fs::path p = hostPath(windowsPath);
    std::error_code ec;
    if (p.empty() || !fs::is_regular_file(p, ec)) throwCannotOpen(windowsPath);
    in_.open(p, std::ios::binary);
    if (!in_) throwCannotOpen(windowsPath);
    size_ = fs::file_size(p, ec);
    if (ec) throwCannotOpen(windowsPath);
}

void BinaryFile::fail() const {
    throw PlatformError("Read error in file \"" + name_ + "\".");
}

void BinaryFile::seek(uint64_t offset) {
    if (offset > size_) fail();
    pos_ = offset;
}

void BinaryFile::readRaw(void* into, uint64_t count) {
    if (count > size_ || pos_ > size_ - count) fail();
    in_.seekg(static_cast<std::streamoff>(pos_));
    in_.read(static_cast<char*>(into), static_cast<std::streamsize>(count));
    if (!in_) fail();
    pos_ += count;
}

uint8_t BinaryFile::readU8() {
    uint8_t b;
    readRaw(&b, 1);
    return b;
}

uint16_t BinaryFile::readU16() {
    uint8_t b[2];
    readRaw(b, 2);
    return static_cast<uint16_t>(b[0] | (b[1] << 8));
}

uint32_t BinaryFile::readU32() {
    uint8_t b[4];
    readRaw(b, 4);
    return static_cast<uint32_t>(b[0]) | (static_cast<uint32_t>(b[1]) << 8) |
           (static_cast<uint32_t>(b[2]) << 16) | (static_cast<uint32_t>(b[3]) << 24);
}

std::string BinaryFile::readBytes(uint64_t count) {
    if (count > size_ || pos_ > size_ - count) fail();
    std::string s(count, '\0');
    if (count) readRaw(s.data(), count);
    return s;
}

}  // namespace platform
