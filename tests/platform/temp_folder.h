// A temporary folder for one test, removed with everything in it at the end,
// and a helper to write small fixture files into it; the files of
// tests/platform/data.
#pragma once

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <string_view>

/// The whole content of a host file; empty when it cannot be read.
inline std::string readHostFile(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

/// A file kept with the tests: tests/platform/data/`relative`.
inline std::filesystem::path testData(const std::string& relative) {
    return std::filesystem::path(ZAFIREL_SOURCE_DIR) / "tests/platform/data" / relative;
}

class TempFolder {
  public:
    TempFolder() {
        std::string pattern = (std::filesystem::temp_directory_path() / "zaf-XXXXXX").string();
        path_ = mkdtemp(pattern.data());
    }
    ~TempFolder() {
        std::error_code ec;
        std::filesystem::remove_all(path_, ec);
    }
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    const std::filesystem::path& path() const { return path_; }

    /// Writes `bytes` to `relative` (creating folders) and returns its full path.
    std::filesystem::path write(const std::string& relative, std::string_view bytes) const {
        std::filesystem::path p = path_ / relative;
        std::filesystem::create_directories(p.parent_path());
        std::ofstream(p, std::ios::binary).write(bytes.data(), std::streamsize(bytes.size()));
        return p;
    }

    /// The whole content of `relative`.
    std::string read(const std::string& relative) const { return readHostFile(path_ / relative); }

  private:
    std::filesystem::path path_;
};
