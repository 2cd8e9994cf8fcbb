#include "support/disc_builder.h"

#include <fstream>
#include <unistd.h>

#include "platform/jpeg.h"

namespace fs = std::filesystem;

DiscBuilder::DiscBuilder(const std::string& name) {
    root_ = fs::temp_directory_path() / "zafirel-discs" / (name + "." + std::to_string(::getpid()));
    fs::remove_all(root_);
    fs::create_directories(root_ / "velk_quran");
}

DiscBuilder::~DiscBuilder() {
    std::error_code ec;
    fs::remove_all(root_, ec);
}

static fs::path relPath(const fs::path& root, std::string relative) {
    for (char& c : relative)
        if (c == '\\') c = '/';
    return root / "velk_quran" / relative;
}

namespace {
// Links every entry of folder `from` that the folder `to` lacks; folders that
// both have are linked entry by entry.
void linkMissing(const fs::path& from, const fs::path& to) {
    fs::create_directories(to);
    for (const fs::directory_entry& e : fs::directory_iterator(from)) {
        const fs::path mine = to / e.path().filename();
        if (!fs::exists(fs::symlink_status(mine)))
            fs::create_symlink(e.path(), mine);
        else if (e.is_directory() && fs::is_directory(mine) && !fs::is_symlink(mine))
            linkMissing(e.path(), mine);
    }
}
}  // namespace

void DiscBuilder::linkTo(const fs::path& disc) {
    // Folders are linked whole; one becomes a real folder of links as soon as
    // a file below it is written or removed (unlink()).
    linkMissing(disc, root_);
}

void DiscBuilder::unlink(const fs::path& path) {
    fs::path at = root_;
    for (const fs::path& part : path.lexically_relative(root_)) {
        at /= part;
        if (!fs::is_symlink(at) || !fs::is_directory(at)) continue;
        const fs::path target = fs::read_symlink(at);
        fs::remove(at);
        linkMissing(target, at);
    }
}

void DiscBuilder::write(const std::string& relative, const std::string& bytes) {
    fs::path p = relPath(root_, relative);
    unlink(p.parent_path());  // never write through a link into another disc
    fs::create_directories(p.parent_path());
    fs::remove(p);
    std::ofstream(p, std::ios::binary) << bytes;
}

void DiscBuilder::picture(const std::string& relative, int width, int height, QColor colour) {
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(colour);
    write(relative, platform::encodeJpeg(image, 95));
}

void DiscBuilder::remove(const std::string& relative) {
    const fs::path p = relPath(root_, relative);
    unlink(p.parent_path());
    fs::remove(p);
}

void DiscBuilder::skin(const std::string& screen, int language, int width, int height,
                       const std::vector<std::string>& buttonValues) {
    std::string folder = "graphic/" + screen + "/";
    if (language != 0) folder += std::to_string(language) + "/";
    picture(folder + screen + ".jpg", width, height, QColor(30, 30, 30));
    std::string ini =
        "[main]\r\nButtonsCount=" + std::to_string(buttonValues.size()) + "\r\n[BUTTONS]\r\n";
    for (size_t i = 0; i < buttonValues.size(); ++i) {
        const std::string n = std::to_string(i + 1);
        ini += "b" + n + "=" + buttonValues[i] + "\r\n";
        const std::string nn = (i < 9 ? "0" : "") + n + ".jpg";
        picture(folder + "buttons/up/" + nn, 40, 20, up());
        picture(folder + "buttons/focus/" + nn, 40, 20, focus());
        picture(folder + "buttons/down/" + nn, 40, 20, down());
    }
    write(folder + screen + ".ini", ini);
}

QColor DiscBuilder::centreColour(const QImage& image) {
    if (image.isNull()) return QColor();
    return image.pixelColor(image.width() / 2, image.height() / 2);
}
