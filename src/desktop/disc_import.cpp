#include "desktop/disc_import.h"

#include <archive.h>
#include <archive_entry.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <fstream>
#include <memory>
#include <random>

#include "platform/error.h"

namespace desktop {

namespace {

constexpr size_t kBuffer = 1 << 20;
// Room kept free beyond the disc's bytes (folders, the file system's own).
constexpr uint64_t kSpareBytes = 16ull << 20;
constexpr const char* kInfoFile = ".zafirel-import";

// One file or folder of the source, with its path inside the disc.
struct Entry {
    std::string path;  // relative, '/'-separated, checked
    bool folder = false;
    bool link = false;
    uint64_t size = 0;
    std::string hardlink;  // an earlier file with the same bytes (images)
    // Reads up to `size` bytes; -1 when the source cannot be read.
    std::function<long(char*, size_t)> read;
};

// Why a path may not be written: empty when it stays inside the disc.
// `clean` gets the path without "." components or doubled slashes.
std::string badPath(const std::string& raw, std::string& clean) {
    clean.clear();
    if (raw.empty()) return "an empty name";
    if (raw[0] == '/') return "an absolute path";
    size_t start = 0;
    while (start <= raw.size()) {
        size_t end = raw.find('/', start);
        if (end == std::string::npos) end = raw.size();
        const std::string part = raw.substr(start, end - start);
        start = end + 1;
        if (part.empty() || part == ".") continue;
        if (part == "..") return "a path that climbs out of the disc";
        if (!clean.empty()) clean += '/';
        clean += part;
    }
    return {};
}

// Walks a source twice (count, then copy) through `visit`; returns an error.
using Visit = std::function<bool(Entry&)>;  // false: stop

class Source {
  public:
    virtual ~Source() = default;
    /// Visits every entry; an empty string or why the source cannot be read.
    virtual std::string walk(const Visit& visit) = 0;
    virtual std::string label() = 0;
    /// Largest size one file can truly have (an image's own size).
    virtual uint64_t sizeLimit() { return UINT64_MAX; }
};

class FolderSource : public Source {
  public:
    explicit FolderSource(fs::path root) : root_(std::move(root)) {}
    std::string walk(const Visit& visit) override {
        std::error_code ec;
        fs::recursive_directory_iterator it(root_, fs::directory_options::none, ec), end;
        if (ec) return "cannot read the folder " + root_.string() + ": " + ec.message();
        for (; it != end; it.increment(ec)) {
            if (ec) return "cannot read the folder " + it->path().string() + ": " + ec.message();
            Entry e;
            e.path = it->path().lexically_relative(root_).generic_string();
            const auto status = it->symlink_status(ec);
            e.folder = fs::is_directory(status);
            e.link = fs::is_symlink(status) || (!e.folder && !fs::is_regular_file(status));
            std::unique_ptr<std::FILE, int (*)(std::FILE*)> file(nullptr, std::fclose);
            if (!e.folder && !e.link) {
                e.size = it->file_size(ec);
                const fs::path path = it->path();
                e.read = [&file, path](char* buf, size_t n) -> long {
                    if (!file) file.reset(std::fopen(path.c_str(), "rb"));
                    if (!file) return -1;
                    const size_t got = std::fread(buf, 1, n, file.get());
                    return std::ferror(file.get()) ? -1 : static_cast<long>(got);
                };
            }
            if (!visit(e)) return {};
        }
        return {};
    }
    std::string label() override {
        fs::path p = root_.lexically_normal();
        if (p.filename().empty()) p = p.parent_path();
        return p.filename().string();
    }

  private:
    fs::path root_;
};

class ImageSource : public Source {
  public:
    explicit ImageSource(fs::path file) : file_(std::move(file)) {
        std::error_code ec;
        size_ = fs::file_size(file_, ec);
    }
    std::string walk(const Visit& visit) override {
        std::unique_ptr<archive, int (*)(archive*)> a(archive_read_new(), archive_read_free);
        archive_read_support_format_iso9660(a.get());
        archive_read_support_format_tar(a.get());  // a disc kept as a tar file
        if (archive_read_open_filename(a.get(), file_.c_str(), kBuffer) != ARCHIVE_OK)
            return "cannot read the image " + file_.string() + ": " + archive_error_string(a.get());
        archive_entry* ae = nullptr;
        for (;;) {
            const int r = archive_read_next_header(a.get(), &ae);
            if (r == ARCHIVE_EOF) return {};
            if (r < ARCHIVE_WARN)
                return "the image " + file_.string() +
                       " is damaged: " + archive_error_string(a.get());
            Entry e;
            const char* name = archive_entry_pathname(ae);
            if (!name) name = archive_entry_pathname_utf8(ae);
            e.path = name ? name : "";
            const mode_t type = archive_entry_filetype(ae);
            e.folder = type == AE_IFDIR;
            e.link = !e.folder && type != AE_IFREG;
            if (const char* hard = archive_entry_hardlink(ae)) e.hardlink = hard;
            e.size = archive_entry_size_is_set(ae) ? archive_entry_size(ae) : 0;
            archive* arc = a.get();
            e.read = [arc](char* buf, size_t n) -> long {
                const la_ssize_t got = archive_read_data(arc, buf, n);
                return got < 0 ? -1 : static_cast<long>(got);
            };
            if (!visit(e)) return {};
        }
    }
    std::string label() override {
        // The volume identifier of the primary volume descriptor (sector 16).
        std::ifstream in(file_, std::ios::binary);
        char pvd[72] = {};
        in.seekg(16 * 2048);
        if (!in.read(pvd, sizeof pvd) || pvd[0] != 1 || std::memcmp(pvd + 1, "CD001", 5) != 0)
            return {};
        std::string id(pvd + 40, 32);
        while (!id.empty() && (id.back() == ' ' || id.back() == '\0')) id.pop_back();
        return id;
    }
    uint64_t sizeLimit() override { return size_; }

  private:
    fs::path file_;
    uint64_t size_ = 0;
};

std::string sizeText(uint64_t bytes) {
    char buf[32];
    std::snprintf(buf, sizeof buf, "%.1f MB", bytes / 1e6);
    return buf;
}

// Writes `info` lines into the disc's import note.
bool writeInfo(const fs::path& folder, const std::string& label, uint64_t bytes, uint64_t missing) {
    const std::time_t now = std::time(nullptr);
    char date[32];
    std::strftime(date, sizeof date, "%Y-%m-%d %H:%M", std::gmtime(&now));
    std::ofstream out(folder / kInfoFile);
    out << "label=" << label << "\ndate=" << date << "\nbytes=" << bytes << "\nmissing=" << missing
        << "\n";
    return static_cast<bool>(out.flush());
}

// The checksum of a file as written, or false when it cannot be read back.
bool fileChecksum(const fs::path& path, std::vector<char>& buf, uint64_t& sum, uint64_t& size) {
    std::unique_ptr<std::FILE, int (*)(std::FILE*)> f(std::fopen(path.c_str(), "rb"), std::fclose);
    if (!f) return false;
    sum = 0;
    size = 0;
    for (;;) {
        const size_t got = std::fread(buf.data(), 1, buf.size(), f.get());
        sum = checksum(buf.data(), got, sum);
        size += got;
        if (got < buf.size()) return !std::ferror(f.get());
    }
}

}  // namespace

uint64_t checksum(const void* data, size_t size, uint64_t seed) {
    constexpr uint64_t kMul = 0x9E3779B97F4A7C15ull;
    const auto* p = static_cast<const unsigned char*>(data);
    uint64_t h = seed ^ (size * kMul);
    for (; size >= 8; size -= 8, p += 8) {
        uint64_t w;
        std::memcpy(&w, p, 8);
        h = (h ^ w) * kMul;
        h ^= h >> 29;
    }
    uint64_t tail = 0;
    std::memcpy(&tail, p, size);
    h = (h ^ tail) * kMul;
    return h ^ (h >> 32);
}

std::string safeDiscName(const std::string& name) {
    std::string out;
    for (char c : name) out += (c == '/' || c == '\0' || c == '\\') ? '_' : c;
    while (!out.empty() && (out[0] == '.' || out[0] == ' ')) out.erase(0, 1);
    while (!out.empty() && out.back() == ' ') out.pop_back();
    return out.empty() ? "disc" : out.substr(0, 100);
}

std::string progressText(const ImportProgress& p, double seconds) {
    char buf[160];
    int n = std::snprintf(
        buf, sizeof buf, "%llu/%llu files, %.1f/%.1f MB", static_cast<unsigned long long>(p.files),
        static_cast<unsigned long long>(p.totalFiles), p.bytes / 1e6, p.totalBytes / 1e6);
    if (p.bytes > 0 && seconds >= 1 && p.bytes < p.totalBytes) {
        const double left = (p.totalBytes - p.bytes) * seconds / p.bytes;
        const long s = static_cast<long>(left + 0.5);
        std::snprintf(buf + n, sizeof buf - n, ", %ld:%02ld left", s / 60, s % 60);
    }
    return buf;
}

std::string ProgressLine::update(const ImportProgress& p, double seconds) {
    const bool done = p.files == p.totalFiles && p.bytes == p.totalBytes;
    if (!done && last_ >= 0 && seconds - last_ < 0.5) return {};
    last_ = seconds;
    return progressText(p, seconds);
}

fs::path importedDiscsFolder() {
    if (const char* xdg = std::getenv("XDG_DATA_HOME"); xdg && *xdg)
        return fs::path(xdg) / "zafirel" / "discs";
    if (const char* home = std::getenv("HOME"); home && *home)
        return fs::path(home) / ".local/share/zafirel/discs";
    return fs::temp_directory_path() / "zafirel" / "discs";
}

ImportResult importDisc(const fs::path& source, const fs::path& discs,
                        const ImportOptions& options) {
    ImportResult result;
    std::error_code ec;
    std::unique_ptr<Source> src;
    if (fs::is_directory(source, ec))
        src = std::make_unique<FolderSource>(source);
    else if (fs::is_regular_file(source, ec))
        src = std::make_unique<ImageSource>(source);
    else {
        result.error = "There is no disc folder or image file at " + source.string() + ".";
        return result;
    }

    // First pass: count, and refuse what may not be written.
    ImportProgress progress;
    std::string refused;
    bool disc = false;  // holds velk_quran
    const uint64_t limit = src->sizeLimit();
    std::string walkError = src->walk([&](Entry& e) {
        std::string clean;
        const std::string why = badPath(e.path, clean);
        if (!why.empty()) {
            if (options.keepGoing) return true;
            refused = "The disc holds " + why + ", \"" + e.path + "\"; nothing was imported.";
            return false;
        }
        const std::string top = clean.substr(0, clean.find('/'));
        if (platform::sameText(top, "velk_quran")) disc = true;
        if (e.folder || e.link) return true;
        if (e.size > limit) {
            if (options.keepGoing) return true;  // left out, and listed
            refused = "The file \"" + e.path + "\" claims " + std::to_string(e.size) +
                      " bytes in an image of " + std::to_string(limit) +
                      " bytes: the image is damaged; nothing was imported.";
            return false;
        }
        ++progress.totalFiles;
        progress.totalBytes += e.size;
        return true;
    });
    if (!walkError.empty() || !refused.empty()) {
        result.error = !refused.empty() ? refused : walkError + "; nothing was imported.";
        return result;
    }
    if (!disc) {
        result.error = source.string() +
                       " holds no velk_quran folder: it is not this program's disc; nothing was "
                       "imported.";
        return result;
    }

    const std::string label = src->label();
    const std::string name = safeDiscName(!options.name.empty() ? options.name
                                          : !label.empty()      ? label
                                                                : source.stem().string());
    const fs::path target = discs / name;
    if (fs::exists(target, ec)) {
        result.error = "A disc named \"" + name + "\" is already imported (" + target.string() +
                       "): remove that folder or choose another name.";
        return result;
    }
    fs::create_directories(discs, ec);
    if (ec) {
        result.error = "Cannot make the folder " + discs.string() + ": " + ec.message() + ".";
        return result;
    }
    const uint64_t free =
        options.freeSpace ? options.freeSpace(discs) : fs::space(discs, ec).available;
    if (progress.totalBytes + kSpareBytes > free) {
        result.error = "The disc needs " + sizeText(progress.totalBytes + kSpareBytes) +
                       " and only " + sizeText(free) + " are free in " + discs.string() +
                       "; nothing was imported.";
        return result;
    }

    // Second pass: copy into a hidden folder, each file checked as it lands.
    std::random_device rd;
    const fs::path temp = discs / (".import-" + name + "-" + std::to_string(rd()));
    fs::create_directory(temp, ec);
    if (ec) {
        result.error = "Cannot make the folder " + temp.string() + ": " + ec.message() + ".";
        return result;
    }
    std::vector<char> buf(kBuffer), check(kBuffer);
    std::string failure;
    fs::path lastFolder;
    walkError = src->walk([&](Entry& e) {
        std::string clean;
        if (!badPath(e.path, clean).empty()) {
            result.missing.push_back(e.path);
            return true;
        }
        const fs::path out = temp / clean;
        std::error_code fec;
        if (e.folder) {
            fs::create_directories(out, fec);
            return true;
        }
        if (e.link) {  // never written: a disc has none, and one may point anywhere
            result.missing.push_back(clean);
            return true;
        }
        if (out.parent_path() != lastFolder) {  // files come folder by folder
            lastFolder = out.parent_path();
            fs::create_directories(lastFolder, fec);
        }
        auto missingOrStop = [&](const std::string& why) {
            fs::remove(out, fec);
            if (!options.keepGoing) {
                failure = "The file \"" + clean + "\" " + why + "; nothing was imported.";
                return false;
            }
            result.missing.push_back(clean);
            return true;
        };
        if (e.size > src->sizeLimit())
            return missingOrStop("claims more bytes than the image holds");
        if (!e.hardlink.empty()) {
            std::string linked;
            if (!badPath(e.hardlink, linked).empty() || !fs::copy_file(temp / linked, out, fec))
                return missingOrStop("could not be copied from " + e.hardlink);
            ++progress.files;
            return true;
        }
        std::unique_ptr<std::FILE, int (*)(std::FILE*)> file(std::fopen(out.c_str(), "wb"),
                                                             std::fclose);
        if (!file) return missingOrStop("cannot be written to " + out.string());
        uint64_t sum = 0, size = 0;
        for (;;) {
            const long got = e.read(buf.data(), buf.size());
            if (got < 0) return missingOrStop("cannot be read from the source");
            if (got == 0) break;
            if (std::fwrite(buf.data(), 1, got, file.get()) != static_cast<size_t>(got))
                return missingOrStop("cannot be written to " + out.string());
            sum = checksum(buf.data(), got, sum);
            size += got;
            progress.bytes += got;
            if (options.progress && !options.progress(progress)) {
                result.cancelled = true;
                return false;
            }
        }
        if (std::fclose(file.release()) != 0)
            return missingOrStop("cannot be written to " + out.string());
        if (size != e.size)
            return missingOrStop("is cut short in the source (" + std::to_string(size) + " of " +
                                 std::to_string(e.size) + " bytes)");
        uint64_t written = 0, writtenSize = 0;
        if (!fileChecksum(out, check, written, writtenSize) || written != sum ||
            writtenSize != size)
            return missingOrStop("differs from the source after copying");
        ++progress.files;
        if (options.progress && !options.progress(progress)) {
            result.cancelled = true;
            return false;
        }
        return true;
    });
    auto fail = [&](std::string message) {
        fs::remove_all(temp, ec);
        result.error = std::move(message);
        return result;
    };
    if (result.cancelled) return fail("The import was cancelled; nothing was imported.");
    if (!failure.empty()) return fail(failure);
    if (!walkError.empty()) {
        if (!options.keepGoing) return fail(walkError + "; nothing was imported.");
        result.missing.push_back("(the rest of the image: " + walkError + ")");
    }
    if (!writeInfo(temp, label.empty() ? name : label, progress.totalBytes, result.missing.size()))
        return fail("Cannot write into " + temp.string() + "; nothing was imported.");
    fs::rename(temp, target, ec);
    if (ec) return fail("Cannot rename " + temp.string() + ": " + ec.message() + ".");
    result.ok = true;
    result.disc = target;
    return result;
}

std::vector<ImportedDisc> listImportedDiscs(const fs::path& discs) {
    std::vector<ImportedDisc> list;
    std::error_code ec;
    for (fs::directory_iterator it(discs, ec), end; !ec && it != end; it.increment(ec)) {
        const std::string name = it->path().filename().string();
        if (name.empty() || name[0] == '.' || !it->is_directory()) continue;
        std::error_code dec;
        bool holds = false;
        for (fs::directory_iterator in(it->path(), dec), e2; !dec && in != e2; in.increment(dec))
            if (in->is_directory() &&
                platform::sameText(in->path().filename().string(), "velk_quran"))
                holds = true;
        if (!holds) continue;
        ImportedDisc d;
        d.folder = it->path();
        d.label = name;
        std::ifstream info(it->path() / kInfoFile);
        for (std::string line; std::getline(info, line);) {
            const size_t eq = line.find('=');
            if (eq == std::string::npos) continue;
            const std::string key = line.substr(0, eq), value = line.substr(eq + 1);
            if (key == "label" && !value.empty()) d.label = value;
            if (key == "date") d.date = value;
            if (key == "bytes") d.bytes = std::strtoull(value.c_str(), nullptr, 10);
            if (key == "missing") d.missingFiles = std::strtoull(value.c_str(), nullptr, 10);
        }
        list.push_back(d);
    }
    std::sort(list.begin(), list.end(), [](const ImportedDisc& a, const ImportedDisc& b) {
        return a.date != b.date ? a.date > b.date : a.folder < b.folder;
    });
    return list;
}

}  // namespace desktop
