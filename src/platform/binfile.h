// Field-by-field reading of the disc's little-endian binary files. Every read
// is checked against the file's size; a read past the end raises an error
// naming the file, so a corrupt file can never make a reader run wild.
#pragma once

#include <cstdint>
#include <fstream>
#include <string>

namespace platform {

class BinaryFile {
  public:
    /// Opens the file named by a Windows path; raises "Cannot open file" when missing.
    explicit BinaryFile(const std::string& windowsPath);
    /// A file's bytes held in memory, read the same way; `name` is the name
    /// its errors give.
    static BinaryFile fromBytes(const std::string& name, std::string bytes);

    BinaryFile(BinaryFile&&) = default;

    /// Size of the file in bytes.
    uint64_t size() const { return size_; }

    /// Moves to an absolute offset; raises an error when it lies past the end.
    void seek(uint64_t offset);

    uint64_t position() const { return pos_; }

    uint8_t readU8();
    uint16_t readU16();
    uint32_t readU32();
    int32_t readI32() { return static_cast<int32_t>(readU32()); }

    /// Reads `count` bytes; raises an error when fewer are left, before allocating.
    std::string readBytes(uint64_t count);

    /// The error raised for data that does not fit the file.
    [[noreturn]] void fail() const;

  private:
    BinaryFile() = default;
    void readRaw(void* into, uint64_t count);

    static constexpr uint64_t kBlock = 16384;

    std::string name_;
    std::ifstream in_;
    std::string block_;  // bytes of the file from blockStart_
    uint64_t blockStart_ = 0;
    uint64_t size_ = 0;
    uint64_t pos_ = 0;
    bool inMemory_ = false;  // block_ holds the whole file
};

}  // namespace platform
