#include "platform/paths.h"

#include <array>
#include <cctype>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <vector>

#include "platform/error.h"

namespace platform {

namespace {

std::array<fs::path, 26> drives;
char programDriveLetter = 'D';

int driveIndex(char letter) {
    int c = std::toupper(static_cast<unsigned char>(letter));
    return (c >= 'A' && c <= 'Z') ? c - 'A' : -1;
}

// Returns the entry of `dir` named `name` in any case, or `name` itself.
fs::path matchComponent(const fs::path& dir, const std::string& name) {
    std::error_code ec;
    fs::path exact = dir / name;
    if (fs::exists(exact, ec)) return exact;
    for (fs::directory_iterator it(dir, ec), end; !ec && it != end; it.increment(ec)) {
        if (sameText(it->path().filename().string(), name)) return it->path();
    }
    return exact;
}

}  // namespace

void setDrive(char letter, const fs::path& folder) {
    int i = driveIndex(letter);
    if (i >= 0) drives[i] = folder;
}

fs::path driveFolder(char letter) {
    int i = driveIndex(letter);
    return i >= 0 ? drives[i] : fs::path();
}

void clearDrives() {
    for (auto& d : drives) d.clear();
}

std::string programDrive() {
    return std::string(1, programDriveLetter) + ":\\";
}

void setProgramDrive(char letter) {
    programDriveLetter = static_cast<char>(std::toupper(static_cast<unsigned char>(letter)));
}

fs::path hostPath(const std::string& windowsPath) {
    if (windowsPath.size() < 3 || windowsPath[1] != ':' ||
        (windowsPath[2] != '\\' && windowsPath[2] != '/'))
        return {};
    fs::path result = driveFolder(windowsPath[0]);
    if (result.empty()) return {};
    bool exists = true;
    int depth = 0;  // components below the drive's folder
    size_t start = 3;
    while (start <= windowsPath.size()) {
        size_t end = windowsPath.find_first_of("\\/", start);
        if (end == std::string::npos) end = windowsPath.size();
        std::string part = windowsPath.substr(start, end - start);
        start = end + 1;
        if (part.empty() || part == ".") continue;
        if (part == "..") {
            // Never climb above the drive's folder (which may end in a slash).
            if (depth > 0) {
                result = result.parent_path();
                --depth;
            }
            continue;
        }
        ++depth;
        if (exists) {
            result = matchComponent(result, part);
            std::error_code ec;
            exists = fs::exists(result, ec);
        } else {
            result /= part;
        }
    }
    return result;
}

fs::path findDiscRoot(const fs::path& programFolder, const fs::path& fallback) {
    auto holdsDisc = [](const fs::path& dir) {
        std::error_code ec;
        return !dir.empty() && fs::is_directory(matchComponent(dir, "velk_quran"), ec);
    };
    if (const char* env = std::getenv("ZAFIREL_DISC"); env && *env) return fs::path(env);
    if (holdsDisc(programFolder)) return programFolder;
    for (const char* base : {"/media", "/run/media", "/mnt"}) {
        std::error_code ec;
        std::vector<fs::path> candidates;
        for (fs::directory_iterator it(base, ec), end; !ec && it != end; it.increment(ec)) {
            candidates.push_back(it->path());
            std::error_code ec2;
            for (fs::directory_iterator in(it->path(), ec2), e2; !ec2 && in != e2;
                 in.increment(ec2))
                candidates.push_back(in->path());
        }
        for (const auto& c : candidates)
            if (holdsDisc(c)) return c;
    }
    return fallback;
}

fs::path userDriveFolder() {
    fs::path base;
    if (const char* xdg = std::getenv("XDG_CONFIG_HOME"); xdg && *xdg)
        base = xdg;
    else if (const char* home = std::getenv("HOME"); home && *home)
        base = fs::path(home) / ".config";
    else
        base = fs::temp_directory_path();
    return base / "zafirel" / "c";
}

void setUpDrives(const fs::path& discRoot) {
    setDrive(programDriveLetter, discRoot);
    fs::path c = userDriveFolder();
    std::error_code ec;
    fs::create_directories(c, ec);
    setDrive('C', c);
}

std::string readFile(const std::string& windowsPath) {
    fs::path p = hostPath(windowsPath);
    std::error_code ec;
    if (p.empty() || !fs::is_regular_file(p, ec)) throwCannotOpen(windowsPath);
    std::ifstream in(p, std::ios::binary);
    if (!in) throwCannotOpen(windowsPath);
    std::ostringstream out;
    out << in.rdbuf();
    return out.str();
}

bool fileExists(const std::string& windowsPath) {
    fs::path p = hostPath(windowsPath);
    std::error_code ec;
    return !p.empty() && fs::is_regular_file(p, ec);
}

}  // namespace platform
