#include "disc_writer.h"

#include <fstream>
#include <mutex>
#include <stdexcept>

#include "platform/jpeg.h"

namespace disc {

namespace {
std::mutex folderLock;
}

fs::path DiscWriter::prepare(std::string_view relative) {
    std::string name(relative);
    for (char& c : name)
        if (c == '\\') c = '/';
    fs::path path = root_ / name;
    std::lock_guard<std::mutex> hold(folderLock);
    fs::create_directories(path.parent_path());
    return path;
}

void DiscWriter::write(std::string_view relative, std::string_view bytes) {
    fs::path path = prepare(relative);
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    out.close();
    if (!out) throw std::runtime_error("cannot write " + path.string());
    files_++;
    bytes_ += bytes.size();
}

void DiscWriter::writeJpeg(std::string_view relative, const QImage& picture, int quality) {
    write(relative, platform::encodeJpeg(picture, quality));
}

void DiscWriter::copy(std::string_view relative, const fs::path& from) {
    fs::path path = prepare(relative);
    fs::copy_file(from, path, fs::copy_options::overwrite_existing);
    files_++;
    bytes_ += fs::file_size(path);
}

void DiscWriter::noteWritten(std::string_view relative) {
    fs::path path = prepare(relative);
    if (!fs::is_regular_file(path)) throw std::runtime_error("missing output " + path.string());
    files_++;
    bytes_ += fs::file_size(path);
}

}  // namespace disc
