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

void DiscBuilder::write(const std::string& relative, const std::string& bytes) {
    fs::path p = relPath(root_, relative);
    fs::create_directories(p.parent_path());
    std::ofstream(p, std::ios::binary) << bytes;
}

void DiscBuilder::picture(const std::string& relative, int width, int height, QColor colour) {
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(colour);
    write(relative, platform::encodeJpeg(image, 95));
}

void DiscBuilder::remove(const std::string& relative) {
    fs::remove(relPath(root_, relative));
}

void DiscBuilder::skin(const std::string& screen, int language, int width, int height,
                       const std::vector<std::string>& buttonValues) {
    std::string folder = "graphic/" + screen + "/" + std::to_string(language) + "/";
    picture(folder + screen + ".jpg", width, height, QColor(30, 30, 30));
    std::string ini =
        "[main]\r\nButtonsCount=" + std::to_string(buttonValues.size()) + "\r\n[BUTTONS]\r\n";
    for (size_t i = 0; i < buttonValues.size(); ++i)
        ini += "b" + std::to_string(i + 1) + "=" + buttonValues[i] + "\r\n";
    write(folder + screen + ".ini", ini);
    for (size_t i = 0; i < buttonValues.size(); ++i) {
        char nn[8];
        std::snprintf(nn, sizeof nn, "%02zu", i + 1);
        picture(folder + "buttons/up/" + nn + ".jpg", 40, 20, up());
        picture(folder + "buttons/focus/" + nn + ".jpg", 40, 20, focus());
        picture(folder + "buttons/down/" + nn + ".jpg", 40, 20, down());
    }
}

static void linkMissing(const fs::path& from, const fs::path& to) {
    for (const fs::directory_entry& e : fs::directory_iterator(from)) {
        const fs::path mine = to / e.path().filename();
        if (!fs::exists(mine))
            fs::create_symlink(e.path(), mine);
        else if (e.is_directory() && fs::is_directory(mine))
            linkMissing(e.path(), mine);
    }
}

void DiscBuilder::linkFrom(const fs::path& other) {
    linkMissing(other, root_);
}

QColor DiscBuilder::centreColour(const QImage& image) {
    if (image.isNull()) return QColor();
    return image.pixelColor(image.width() / 2, image.height() / 2);
}
