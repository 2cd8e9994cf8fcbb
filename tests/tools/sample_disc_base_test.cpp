// The sample disc generator's own safety rules: it replaces only discs it
// made itself, finishes an interrupted build and skips an up-to-date disc.
#include <QProcess>
#include <QTemporaryDir>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>

namespace fs = std::filesystem;

TEST(SampleDiscGenerator, RebuildsOnlyItsOwnStaleDiscs) {
    QTemporaryDir temp;
    const fs::path base = temp.path().toStdString(), disc = base / "disc";
    QString said;
    auto run = [&said](const std::vector<std::string>& args) {
        QStringList list;
        for (const std::string& a : args) list << QString::fromStdString(a);
        QProcess p;
        p.start(QString(ZAFIREL_BUILD_DIR) + "/tools/sample_disc/sample_disc", list);
        p.waitForFinished(120000);
        said = QString::fromUtf8(p.readAllStandardOutput());
        return p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
    };

    fs::create_directories(base / "mine");
    std::ofstream(base / "mine" / "letter.txt") << "keep me";
    EXPECT_NE(run({"--only", "base", (base / "mine").string()}), 0);
    EXPECT_TRUE(fs::exists(base / "mine" / "letter.txt"));
    EXPECT_FALSE(fs::exists(base / "mine" / "velk_quran"));

    fs::create_directories(base / "disc.tmp" / "half");  // an interrupted earlier build
    std::ofstream(base / "disc.tmp" / ".sample_disc_building") << "incomplete";
    ASSERT_EQ(run({"--if-stale", "--only", "base", disc.string()}), 0);
    EXPECT_TRUE(said.contains("built")) << said.toStdString();
    const fs::path built = disc / "velk_quran" / "graphic" / "main" / "1" / "main.jpg";
    EXPECT_TRUE(fs::exists(built));
    EXPECT_FALSE(fs::exists(base / "disc.tmp"));
    ASSERT_EQ(run({"--if-stale", "--only", "base", disc.string()}), 0);
    EXPECT_TRUE(said.contains("up to date")) << said.toStdString();
    EXPECT_NE(run({"--only", "nonsense", disc.string()}), 0);
    EXPECT_TRUE(fs::exists(built));
}
