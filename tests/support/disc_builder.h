// Tiny hand-made disc trees for tests of broken or unusual data.
#pragma once

#include <QColor>
#include <QImage>
#include <filesystem>
#include <string>
#include <vector>

class DiscBuilder {
  public:
    /// A fresh folder; its velk_quran\ tree is what drive D shows.
    explicit DiscBuilder(const std::string& name);
    ~DiscBuilder();

    const std::filesystem::path& root() const { return root_; }

    /// Makes everything of the disc folder `disc` (velk_quran\ and the
    /// recordings beside it) appear in this one too, as symbolic links,
    /// except what this one holds itself: a disc that differs from another in
    /// a few files. Files written or removed afterwards never touch `disc`.
    void linkTo(const std::filesystem::path& disc);

    /// Writes a file below velk_quran\ (path with backslashes or slashes),
    /// replacing a file or link of that name.
    void write(const std::string& relative, const std::string& bytes);
    /// Writes a JPEG of one colour.
    void picture(const std::string& relative, int width, int height, QColor colour);
    void remove(const std::string& relative);

    /// A skin screen: background, layout with the given button values, and
    /// up (red), focus (green) and down (blue) pictures of 40 by 20 for each.
    /// Language 0: a screen whose pictures have no language level.
    void skin(const std::string& screen, int language, int width, int height,
              const std::vector<std::string>& buttonValues);

    /// The colours of the three button pictures.
    static QColor up() { return QColor(200, 0, 0); }
    static QColor focus() { return QColor(0, 200, 0); }
    static QColor down() { return QColor(0, 0, 200); }

    /// The colour in the middle of a picture.
    static QColor centreColour(const QImage& image);

  private:
    /// Turns every linked folder on the way to `path` into a real folder.
    void unlink(const std::filesystem::path& path);

    std::filesystem::path root_;
};
