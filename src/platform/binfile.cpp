#include "platform/binfile.h"

#include <algorithm>
#include <cstring>
#include <filesystem>

#include "platform/error.h"
#include "platform/guard.h"
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
    ErrorBox::fileRead(windowsPath);
}

BinaryFile BinaryFile::fromBytes(const std::string& name, std::string bytes) {
    BinaryFile f;
    f.name_ = name;
    f.size_ = bytes.size();
    f.block_ = std::move(bytes);
    f.inMemory_ = true;
    return f;
}

void BinaryFile::fail() const {
    throw PlatformError("Read error in file \"" + messageText(name_) + "\".");
}

void BinaryFile::seek(uint64_t offset) {
    if (offset > size_) fail();
    pos_ = offset;
}

void BinaryFile::readRaw(void* into, uint64_t count) {
    if (count > size_ || pos_ > size_ - count) fail();
    if (inMemory_) {
        std::memcpy(into, block_.data() + pos_, count);
        pos_ += count;
        return;
    }
    // Readers seek and read one small field at a time; a block of the file is
    // kept so that fields close together cost no system call each.
    if (count > kBlock) {
        in_.seekg(static_cast<std::streamoff>(pos_));
        in_.read(static_cast<char*>(into), static_cast<std::streamsize>(count));
        if (!in_) fail();
    } else {
        if (pos_ < blockStart_ || pos_ + count > blockStart_ + block_.size()) {
            const uint64_t length = std::min<uint64_t>(kBlock, size_ - pos_);
            block_.resize(length);
            in_.clear();
            in_.seekg(static_cast<std::streamoff>(pos_));
            in_.read(block_.data(), static_cast<std::streamsize>(length));
            if (!in_) {
                block_.clear();
                fail();
            }
            blockStart_ = pos_;
        }
        std::memcpy(into, block_.data() + (pos_ - blockStart_), count);
    }
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
