// The program's own options: command line, preferences file, texts.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "desktop/command_line.h"
#include "desktop/preferences.h"
#include "desktop/texts.h"

namespace {

using desktop::Preferences;

QByteArray ReadAll(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

void Write(const QString& path, const QByteArray& bytes) {
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(bytes);
}

TEST(CommandLine, ChoosesWindowOrFullScreenBeforeTheEnvironmentAndTheKeptChoice) {
    struct Case {
        std::vector<const char*> args;
        const char* env;
        bool kept;
        bool windowed;
    };
    const Case cases[] = {
        {{}, nullptr, false, false},           // first start: full screen
        {{}, nullptr, true, true},             // as it was left
        {{}, "1", false, true},                // ZAFIREL_WINDOWED as documented
        {{"--fullscreen"}, "1", true, false},  // the command line first
        {{"--window"}, nullptr, false, true},
        {{"--window", "--fullscreen"}, nullptr, true, false},  // the last one counts
        {{"-platform", "xcb", "--window"}, nullptr, false, true},
    };
    for (const Case& c : cases) {
        std::vector<const char*> argv = {"zafirel"};
        argv.insert(argv.end(), c.args.begin(), c.args.end());
        const auto line = desktop::parseCommandLine(static_cast<int>(argv.size()), argv.data());
        EXPECT_TRUE(line.unknown.empty());
        EXPECT_EQ(desktop::startWindowed(line, c.env, c.kept), c.windowed)
            << (c.args.empty() ? "" : c.args.back()) << " env " << (c.env ? c.env : "-");
    }
    const char* odd[] = {"zafirel", "--help", "--version", "--windowed"};
    const auto line = desktop::parseCommandLine(4, odd);
    EXPECT_TRUE(line.help);
    EXPECT_TRUE(line.version);
    EXPECT_EQ(line.unknown, "--windowed");
    EXPECT_NE(desktop::usage().find("--fullscreen"), std::string::npos);
}

TEST(Texts, EveryTextExistsInBothLanguagesInItsOwnRow) {
    for (int id = 0; id <= static_cast<int>(desktop::Text::PreferencesUnwritable); ++id) {
        const auto t = static_cast<desktop::Text>(id);
        const QString en = desktop::text(t, false), ar = desktop::text(t, true);
        EXPECT_FALSE(en.isEmpty()) << id;
        EXPECT_NE(en, ar) << id << ": the Arabic text is missing";
        EXPECT_EQ(en.count('%'), ar.count('%')) << id << ": the same places to fill";
    }
    EXPECT_EQ(desktop::text(desktop::Text::Quit, false), "Quit");
    EXPECT_EQ(desktop::text(desktop::Text::FullScreen, true), QString::fromUtf8("ملء الشاشة"));
}

class PreferencesFile : public ::testing::Test {
  protected:
    QTemporaryDir dir;
    QString file() const { return dir.filePath("zafirel/zafirel.conf"); }
};

TEST_F(PreferencesFile, DefaultsAreOffAndAChoiceSurvivesARestart) {
    Preferences first(file());
    first.load();
    EXPECT_TRUE(first.problem().isEmpty());
    EXPECT_FALSE(first.startAtMenu());
    EXPECT_FALSE(first.startWindowed());
    EXPECT_TRUE(first.windowSize().isEmpty());
    EXPECT_TRUE(first.discFolder().isEmpty());

    first.setValue(Preferences::kStartAtMenu, true);
    first.setValue(Preferences::kStartWindowed, true);
    first.setValue(Preferences::kDiscFolder, QString::fromUtf8("/media/قرص"));
    first.setValue("later/page", 7);  // a later page's option
    first.setWindowSize({1280, 960});
    ASSERT_TRUE(first.save());

    Preferences second(file());
    second.load();
    EXPECT_TRUE(second.problem().isEmpty()) << second.problem().toStdString();
    EXPECT_TRUE(second.startAtMenu());
    EXPECT_TRUE(second.startWindowed());
    EXPECT_EQ(second.windowSize(), QSize(1280, 960));
    EXPECT_EQ(second.discFolder(), QString::fromUtf8("/media/قرص"));
    EXPECT_EQ(second.value("later/page").toInt(), 7);
}

TEST_F(PreferencesFile, ACorruptFileGivesOneMessageTheDefaultsAndIsKept) {
    const QByteArray cases[] = {
        "[start\nat_menu=true\n",                   // a section never closed
        "[start]\nat_menu=maybe\n",                 // not a yes or no
        "[window]\nwidth=wide\nheight=768\n",       // not a number
        "[window]\nwidth=-5\nheight=768\n",         // no such size
        QByteArray("\xff\xfe\x00[\x01\x02=\n", 8),  // not text at all
    };
    for (const QByteArray& bytes : cases) {
        QDir().mkpath(dir.filePath("zafirel"));
        Write(file(), bytes);
        Preferences prefs(file());
        prefs.load();
        EXPECT_FALSE(prefs.problem().isEmpty()) << bytes.toStdString();
        EXPECT_TRUE(prefs.problem().contains(file()));
        EXPECT_FALSE(prefs.startAtMenu());
        EXPECT_TRUE(prefs.windowSize().isEmpty());
        EXPECT_EQ(ReadAll(file() + ".bad"), bytes) << "nothing of the user's file is lost";
        // The next save writes a fresh file that reads back without a problem.
        prefs.setValue(Preferences::kStartAtMenu, true);
        ASSERT_TRUE(prefs.save());
        Preferences again(file());
        again.load();
        EXPECT_TRUE(again.problem().isEmpty()) << again.problem().toStdString();
        EXPECT_TRUE(again.startAtMenu());
        QFile::remove(file());
    }
}

TEST_F(PreferencesFile, AnUnwritablePlaceIsToldOnceAndTheValuesStay) {
    // A folder where the file should be: nobody, not even root, writes it.
    QDir().mkpath(file());
    Preferences prefs(file());
    prefs.load();
    EXPECT_FALSE(prefs.problem().isEmpty()) << "a folder is not a preferences file";
    prefs.setValue(Preferences::kStartWindowed, true);
    EXPECT_FALSE(prefs.save());
    EXPECT_TRUE(prefs.problem().contains(file())) << prefs.problem().toStdString();
    EXPECT_FALSE(prefs.save());
    EXPECT_TRUE(prefs.problem().isEmpty()) << "told once per run";
    EXPECT_TRUE(prefs.startWindowed());
}

}  // namespace
