#include "platform/inifile.h"

#include <fcntl.h>
#include <unistd.h>

#include <cctype>
#include <cstdio>
#include <filesystem>
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
    const std::string eol = text.find("\r\n") != std::string_view::npos ? "\r\n"
                            : text.find('\n') != std::string_view::npos ? "\n"
                                                                        : "\r\n";
    const std::string entry = std::string(key) + "=" + std::string(value);
    std::vector<Line> lines = splitLines(text);
    bool inSection = false, found = false;
    size_t insertAt = 0;  // offset after the last non-empty line of the section
    for (const Line& l : lines) {
        std::string_view line = text.substr(l.begin, l.end - l.begin);
        std::string_view name;
        if (sectionName(line, name)) {
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
        if (keyOf(line, k, v) && sameText(k, key)) {
            std::string out(text.substr(0, l.begin));
            bool cr = l.end > l.begin && text[l.end - 1] == '\r';
            out += entry;
            if (cr) out += '\r';
            out += text.substr(l.end);
            return out;
        }
        if (!trim(line).empty()) insertAt = std::min(text.size(), l.end + 1);
    }
    std::string out(text);
    if (found) {
        std::string add = entry + eol;
        if (insertAt > 0 && text[insertAt - 1] != '\n') add = eol + add;
        out.insert(insertAt, add);
        return out;
    }
    if (!out.empty() && out.back() != '\n') out += eol;
    out += "[" + std::string(section) + "]" + eol + entry + eol;
    return out;
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

void IniFile::writeString(std::string_view section, std::string_view key, std::string_view value) {
    const PlatformError failure("Unable to write to " + messageText(path_));
    fs::path target = hostPath(path_);
    if (target.empty()) throw failure;
    std::string text;
    std::error_code ec;
    if (fs::exists(target, ec)) {
        try {
            text = readFile(path_);
        } catch (const PlatformError&) {
            // An existing file that cannot be read must not be replaced.
            throw failure;
        }
    }
    std::string updated = iniWrite(text, section, key, value);
    fs::create_directories(target.parent_path(), ec);
    std::string tmp = target.string() + ".tmp" + std::to_string(::getpid());
    int fd = ::open(tmp.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    if (fd < 0) throw failure;
    size_t done = 0;
    while (done < updated.size()) {
        ssize_t n = ::write(fd, updated.data() + done, updated.size() - done);
        if (n <= 0) break;
        done += static_cast<size_t>(n);
    }
    bool ok = done == updated.size() && ::fsync(fd) == 0;
    ok = ::close(fd) == 0 && ok;
    if (!ok || std::rename(tmp.c_str(), target.c_str()) != 0) {
        std::remove(tmp.c_str());
        throw failure;
    }
}

}  // namespace platform
