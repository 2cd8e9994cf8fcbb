// INI files with the Windows private-profile rules. Each read opens and
// parses the file afresh; each write changes one key, keeps every other line
// and reaches the disk atomically (temporary file, flush, rename).
#pragma once

#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace platform {

/// Reads a value from INI text held in memory: sections and keys without
/// regard to case, the first match wins, the value trimmed and unquoted and
/// cut to 2047 characters; `def` when the section or key is missing.
std::string iniRead(std::string_view text, std::string_view section, std::string_view key,
                    const std::string& def);

/// Every key of `section` in `text` with its value, in the order of the
/// file, each read as iniRead reads it (a key that occurs twice is listed
/// twice: the first one is what iniRead gives).
std::vector<std::pair<std::string, std::string>> iniSection(std::string_view text,
                                                            std::string_view section);

/// Returns `text` with `key` in `section` set to `value`: the first matching
/// key line is replaced, a missing key is added at the end of its section, a
/// missing section is added at the end of the text.
std::string iniWrite(std::string_view text, std::string_view section, std::string_view key,
                     std::string_view value);

class IniFile {
  public:
    /// An INI file named by a Windows path; the file need not exist.
    explicit IniFile(std::string windowsPath) : path_(std::move(windowsPath)) {}

    const std::string& fileName() const { return path_; }

    /// The value of a key, or `def` when the file, section or key is missing.
    std::string readString(std::string_view section, std::string_view key,
                           const std::string& def) const;

    /// Writes one key at once; raises "Unable to write to <file>" and leaves
    /// the file as it was when it cannot be written.
    void writeString(std::string_view section, std::string_view key, std::string_view value);

    void writeInteger(std::string_view section, std::string_view key, int value) {
        writeString(section, key, std::to_string(value));
    }

  private:
    std::string path_;
};

}  // namespace platform
