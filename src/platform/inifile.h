// INI files with the Windows private-profile rules. Each read opens and
// parses the file afresh; each write changes one key or several, keeps every
// other line and reaches the disk as one change of the file (temporary file,
// sync, rename): a crash leaves the old file or the new one, whole.
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

/// Keys and their values, in the order they are written.
using IniKeys = std::vector<std::pair<std::string, std::string>>;

/// Returns `text` with every key of `keys` set in `section`, exactly as the
/// one-key iniWrite would leave it after writing them one after another, in
/// one pass over the text (a CR that ends no line aside, which the one-key
/// writes may turn into a line break).
std::string iniWrite(std::string_view text, std::string_view section, const IniKeys& keys);

/// Removes the temporary files ("<file>.tmp<pid>") that writes cut short by
/// the end of their process left in the folder of a Windows path ("c:\");
/// those of processes still running are kept.
void removeLeftoverWrites(const std::string& windowsFolder);

class IniFile {
  public:
    /// An INI file named by a Windows path; the file need not exist.
    explicit IniFile(std::string windowsPath) : path_(std::move(windowsPath)) {}

    const std::string& fileName() const { return path_; }

    /// The value of a key, or `def` when the file, section or key is missing.
    std::string readString(std::string_view section, std::string_view key,
                           const std::string& def) const;

    /// Writes one key at once; raises "Unable to write to <file>" and leaves
    /// the file as it was when it cannot be written. A file the user made
    /// read-only is not replaced: that raises the error too.
    void writeString(std::string_view section, std::string_view key, std::string_view value) {
        writeStrings(section, {{std::string(key), std::string(value)}});
    }

    /// Writes several keys of a section as one change of the file.
    void writeStrings(std::string_view section, const IniKeys& keys);

    /// Replaces the whole file with `text` as one change, with the same
    /// errors as writeString.
    void writeText(const std::string& text);

    void writeInteger(std::string_view section, std::string_view key, int value) {
        writeString(section, key, std::to_string(value));
    }

  private:
    std::string path_;
};

}  // namespace platform
