#include "platform/inifile.h"

#include <fcntl.h>
#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cctype>
#include <cerrno>
#include <cstdio>
#include <filesystem>
#include <unordered_map>
#include <vector>

#include "platform/error.h"
#include "platform/paths.h"

namespace platform {

namespace {

constexpr size_t kMaxValue = 2047;

std::string_view trim(std::string_view s) {
    size_t b = 0, e = s.size();
    while (b < e && (s[b] == ' ' || s[b] == '\t' || s[b] == '\r')) ++b;
    while (e > b && (s[e - 1] == ' ' || s[e - 1] == '\t' || s[e - 1] == '\r')) --e;
    return s.substr(b, e - b);
}

std::string lowerCase(std::string_view s) {
    std::string out(s);
    for (char& c : out) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return out;
}

struct Line {
    size_t begin, end;  // [begin, end) without the line break
};

std::vector<Line> splitLines(std::string_view text) {
    std::vector<Line> lines;
    size_t start = 0;
    while (start < text.size()) {
        size_t nl = text.find('\n', start);
        size_t end = nl == std::string_view::npos ? text.size() : nl;
        lines.push_back({start, end});
        start = end + 1;
    }
    return lines;
}

// Section name of a "[name]" line, or false when the line is no header.
bool sectionName(std::string_view line, std::string_view& name) {
    line = trim(line);
    if (line.empty() || line[0] != '[') return false;
    size_t close = line.find(']');
    name = trim(line.substr(1, close == std::string_view::npos ? line.size() - 1 : close - 1));
    return true;
}

bool keyOf(std::string_view line, std::string_view& key, std::string_view& value) {
    size_t eq = line.find('=');
    if (eq == std::string_view::npos) return false;
    key = trim(line.substr(0, eq));
    value = trim(line.substr(eq + 1));
    return true;
}

// Calls `found(key, value)` for the keys of the first section named
// `section`, in order, until it returns true; the value is unquoted and cut.
template <class F>
void forEachKey(std::string_view text, std::string_view section, F found) {
    bool inSection = false;
    for (const Line& l : splitLines(text)) {
        std::string_view line = text.substr(l.begin, l.end - l.begin);
        std::string_view name;
        if (sectionName(line, name)) {
            // The first matching section wins: a second one is never read.
            if (inSection) break;
            inSection = sameText(name, section);
            continue;
        }
        std::string_view k, v;
        if (inSection && keyOf(line, k, v)) {
            if (v.size() >= 2 && (v.front() == '"' || v.front() == '\'') && v.back() == v.front())
                v = v.substr(1, v.size() - 2);
            if (found(k, v.substr(0, kMaxValue))) return;
        }
    }
}

}  // namespace

std::string iniRead(std::string_view text, std::string_view section, std::string_view key,
                    const std::string& def) {
    std::string value = def;
    forEachKey(text, section, [&](std::string_view k, std::string_view v) {
        if (!sameText(k, key)) return false;
        value = std::string(v);
        return true;
    });
    return value;
}

std::vector<std::pair<std::string, std::string>> iniSection(std::string_view text,
                                                            std::string_view section) {
    std::vector<std::pair<std::string, std::string>> keys;
    forEachKey(text, section, [&](std::string_view k, std::string_view v) {
        keys.emplace_back(k, v);
        return false;
    });
    return keys;
}

std::string iniWrite(std::string_view text, std::string_view section, std::string_view key,
                     std::string_view value) {
    return iniWrite(text, section, IniKeys{{std::string(key), std::string(value)}});
}

std::string iniWrite(std::string_view text, std::string_view section, const IniKeys& keys) {
    const std::string eol = text.find("\r\n") != std::string_view::npos ? "\r\n"
                            : text.find('\n') != std::string_view::npos ? "\n"
                                                                        : "\r\n";
    // One entry per key: a key given twice keeps its first place and is
    // written as it was given last.
    std::vector<std::pair<std::string_view, std::string_view>> entries;
    std::unordered_map<std::string, size_t> index;  // key in lower case -> entry
    for (const auto& [k, v] : keys) {
        auto [it, added] = index.emplace(lowerCase(k), entries.size());
        if (added)
            entries.emplace_back(k, v);
        else
            entries[it->second] = {k, v};
    }
    auto entryText = [](const std::pair<std::string_view, std::string_view>& e) {
        return std::string(e.first) + "=" + std::string(e.second);
    };
    std::vector<bool> written(entries.size(), false);
    std::string out;
    size_t copied = 0;    // text before this offset is in `out`
    size_t insertAt = 0;  // offset after the last non-empty line of the section
    bool inSection = false, found = false;
    for (const Line& l : splitLines(text)) {
        std::string_view line = text.substr(l.begin, l.end - l.begin);
        std::string_view name;
        if (sectionName(line, name)) {
            // The first matching section wins: a second one is never written.
            if (inSection) break;
            inSection = sameText(name, section);
            if (inSection) {
                found = true;
                insertAt = std::min(text.size(), l.end + 1);
            }
            continue;
        }
        if (!inSection) continue;
        std::string_view k, v;
        if (keyOf(line, k, v)) {
            auto it = index.find(lowerCase(k));
            if (it != index.end() && !written[it->second]) {
                // The first line of the key is replaced, its line break kept.
                written[it->second] = true;
                out.append(text.substr(copied, l.begin - copied));
                out += entryText(entries[it->second]);
                copied = l.end > l.begin && text[l.end - 1] == '\r' ? l.end - 1 : l.end;
            }
        }
        if (!trim(line).empty()) insertAt = std::min(text.size(), l.end + 1);
    }
    std::string missing;
    for (size_t i = 0; i < entries.size(); ++i)
        if (!written[i]) missing += entryText(entries[i]) + eol;
    if (missing.empty()) return out.append(text.substr(copied));
    if (found) {
        // Missing keys go after the last line of their section.
        out.append(text.substr(copied, insertAt - copied));
        if (text[insertAt - 1] != '\n') out += eol;
        out += missing;
        return out.append(text.substr(insertAt));
    }
    out.append(text.substr(copied));
    if (!out.empty() && out.back() != '\n') out += eol;
    return out + "[" + std::string(section) + "]" + eol + missing;
}

void removeLeftoverWrites(const std::string& windowsFolder) {
    const fs::path folder = hostPath(windowsFolder);
    std::error_code ec;
    if (folder.empty() || !fs::is_directory(folder, ec)) return;
    for (const auto& entry : fs::directory_iterator(folder, ec)) {
        const std::string name = entry.path().filename().string();
        const size_t tmp = name.rfind(".tmp");
        if (tmp == std::string::npos || tmp == 0 || tmp + 4 == name.size()) continue;
        if (name.find_first_not_of("0123456789", tmp + 4) != std::string::npos) continue;
        if (name.size() - tmp - 4 > 9 || !entry.is_regular_file(ec)) continue;
        const pid_t pid = static_cast<pid_t>(std::stol(name.substr(tmp + 4)));
        // A process that still runs may be about to rename its file.
        if (pid == ::getpid() || ::kill(pid, 0) == 0 || errno == EPERM) continue;
        fs::remove(entry.path(), ec);
    }
}

std::string IniFile::readString(std::string_view section, std::string_view key,
                                const std::string& def) const {
    std::string text;
    try {
        text = readFile(path_);
    } catch (const PlatformError&) {
        return def;
    }
    return iniRead(text, section, key, def);
}

void IniFile::writeStrings(std::string_view section, const IniKeys& keys) {
    std::string text;
    if (fileExists(path_)) {
        try {
            text = readFile(path_);
        } catch (const PlatformError&) {
            // An existing file that cannot be read must not be replaced.
            throw PlatformError("Unable to write to " + quotedPath(path_) + ".");
        }
    }
    writeText(iniWrite(text, section, keys));
}

void IniFile::writeText(const std::string& text) {
    const std::string failure = "Unable to write to " + quotedPath(path_);
    fs::path target = hostPath(path_);
    if (target.empty()) throw PlatformError(failure + ".");
    std::error_code ec;
    // A link is followed: the file it names is replaced, the link stays.
    for (int links = 0; fs::is_symlink(target, ec); ++links) {
        const fs::path to = fs::read_symlink(target, ec);
        if (ec || links == 8) throw PlatformError(failure + ".");
        target = to.is_absolute() ? to : target.parent_path() / to;
    }

    // The new file keeps the mode of the old one; a file the user made
    // read-only is left as it is.
    struct stat old {};
    const bool exists = ::stat(target.c_str(), &old) == 0;
    if (exists && !S_ISREG(old.st_mode)) throw PlatformError(failure + ".");
    if (exists && (!(old.st_mode & S_IWUSR) || ::access(target.c_str(), W_OK) != 0))
        throw PlatformError(failure + ": the file is read-only.");
    fs::create_directories(target.parent_path(), ec);

    const std::string tmp = target.string() + ".tmp" + std::to_string(::getpid());
    const int fd = ::open(tmp.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0666);
    if (fd < 0) throw PlatformError(failure + ".");
    bool ok = !exists || ::fchmod(fd, old.st_mode & 07777) == 0;
    size_t done = 0;
    while (ok && done < text.size()) {
        const ssize_t n = ::write(fd, text.data() + done, text.size() - done);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) break;
        done += static_cast<size_t>(n);
    }
    ok = ok && done == text.size() && ::fsync(fd) == 0;
    ok = ::close(fd) == 0 && ok;
    if (!ok || std::rename(tmp.c_str(), target.c_str()) != 0) {
        std::remove(tmp.c_str());
        throw PlatformError(failure + ".");
    }
    // The rename itself reaches the disk with its folder.
    const int dir = ::open(target.parent_path().c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (dir >= 0) {
        ::fsync(dir);
        ::close(dir);
    }
}

}  // namespace platform
