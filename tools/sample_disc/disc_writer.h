// Writes the files of a disc tree. Paths are given the way the program names
// them, relative to the disc root and with backslashes
// ("velk_quran\graphic\main\1\main.jpg"); folders are made as needed. Safe to
// use from several threads at once.
#pragma once

#include <QImage>
#include <atomic>
#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>

namespace disc {

namespace fs = std::filesystem;

/// Folders of the disc relative to its root, as the program builds them.
inline const std::string kRoot = "velk_quran\\";
inline const std::string kGraphic = kRoot + "graphic\\";
inline const std::string kData = kRoot + "data\\";
inline const std::string kSound = kRoot + "sound\\";
inline const std::string kFonts = kRoot + "fonts\\";

class DiscWriter {
  public:
    explicit DiscWriter(fs::path root) : root_(std::move(root)) {}

    const fs::path& root() const { return root_; }

    /// The host path of a disc-relative name; its folder exists afterwards.
    fs::path prepare(std::string_view relative);

    /// Writes bytes to a file; raises std::runtime_error when it cannot.
    void write(std::string_view relative, std::string_view bytes);

    /// Encodes a picture as JPEG through the program's own encoder and writes it.
    void writeJpeg(std::string_view relative, const QImage& picture, int quality = 88);

    /// Copies a host file onto the disc.
    void copy(std::string_view relative, const fs::path& from);

    /// Counts a file that an outside tool wrote to prepare(relative).
    void noteWritten(std::string_view relative);

    int files() const { return files_; }
    uint64_t bytes() const { return bytes_; }

  private:
    fs::path root_;
    std::atomic<int> files_{0};
    std::atomic<uint64_t> bytes_{0};
};

}  // namespace disc
