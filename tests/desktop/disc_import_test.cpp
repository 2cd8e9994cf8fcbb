// Bringing a disc in: folders and images copied, checked, and nothing left
// behind when it fails.
#include <archive.h>
#include <archive_entry.h>
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QKeyEvent>
#include <QProgressDialog>
#include <QPushButton>
#include <QTimer>
#include <QTemporaryDir>
#include <QTreeWidget>
#include <cstdlib>
#include <fstream>
#include <sstream>

#include "desktop/command_line.h"
#include "desktop/disc_import.h"
#include "desktop/disc_page.h"
#include "desktop/preferences.h"
#include "platform/guard.h"

namespace {

namespace fs = std::filesystem;
using desktop::importDisc;
using desktop::ImportOptions;
using desktop::Preferences;

void WriteFile(const fs::path& path, const std::string& bytes) {
    fs::create_directories(path.parent_path());
    std::ofstream(path, std::ios::binary) << bytes;
}

std::string ReadFile(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream out;
    out << in.rdbuf();
    return out.str();
}

// Every entry under `folder`, hidden ones too.
std::vector<std::string> Contents(const fs::path& folder) {
    std::vector<std::string> names;
    std::error_code ec;
    for (fs::recursive_directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec))
        names.push_back(it->path().lexically_relative(folder).string());
    std::sort(names.begin(), names.end());
    return names;
}

// A small disc: a velk_quran folder with a few files of distinct bytes.
void MakeDisc(const fs::path& root) {
    WriteFile(root / "velk_quran/data/page.txt", "page one");
    WriteFile(root / "velk_quran/graphic/main.jpg", std::string(300000, 'j'));
    WriteFile(root / "001.mp3", std::string(70000, 'm'));
}

struct TarEntry {
    TarEntry(std::string p, std::string b, mode_t t = AE_IFREG, int64_t c = -1, std::string l = {})
        : path(std::move(p)), bytes(std::move(b)), type(t), claimed(c), link(std::move(l)) {}
    std::string path;
    std::string bytes;
    mode_t type;
    int64_t claimed;  // a size other than the bytes' own; -1: theirs
    std::string link;
};

// A tar file with exactly the names given (tar keeps "../x" and "/x" as they are).
void MakeTar(const fs::path& file, const std::vector<TarEntry>& entries) {
    archive* a = archive_write_new();
    archive_write_set_format_pax_restricted(a);
    ASSERT_EQ(archive_write_open_filename(a, file.c_str()), ARCHIVE_OK);
    for (const auto& e : entries) {
        archive_entry* ae = archive_entry_new();
        archive_entry_copy_pathname(ae, e.path.c_str());
        archive_entry_set_filetype(ae, e.type);
        archive_entry_set_perm(ae, 0644);
        if (!e.link.empty()) archive_entry_copy_symlink(ae, e.link.c_str());
        archive_entry_set_size(ae, e.type == AE_IFREG ? e.bytes.size() : 0);
        archive_write_header(a, ae);
        archive_write_data(a, e.bytes.data(), e.bytes.size());
        archive_entry_free(ae);
    }
    archive_write_close(a);
    archive_write_free(a);
    if (entries.size() == 1 && entries[0].claimed >= 0) {
        // Rewrite the size field (octal, offset 124) and the header's sum.
        std::string tar = ReadFile(file);
        char size[12];
        std::snprintf(size, sizeof size, "%011llo",
                      static_cast<unsigned long long>(entries[0].claimed));
        // pax_restricted writes a plain ustar header first for a simple name.
        std::memcpy(&tar[124], size, 11);
        std::memset(&tar[148], ' ', 8);
        unsigned sum = 0;
        for (int i = 0; i < 512; ++i) sum += static_cast<unsigned char>(tar[i]);
        std::snprintf(&tar[148], 8, "%06o", sum);
        tar.resize(1 << 20);  // a 1 MB image
        std::ofstream(file, std::ios::binary) << tar;
    }
}

bool HaveXorriso() {
    return std::system("command -v xorriso >/dev/null 2>&1") == 0;
}

// An ISO 9660 image with Joliet and Rock Ridge names of `folder`.
void MakeIso(const fs::path& folder, const fs::path& iso, const std::string& label) {
    const std::string cmd = "xorriso -as mkisofs -quiet -J -R -V '" + label + "' -o '" +
                            iso.string() + "' '" + folder.string() + "' 2>/dev/null";
    ASSERT_EQ(std::system(cmd.c_str()), 0) << cmd;
}

class DiscImport : public ::testing::Test {
  protected:
    QTemporaryDir dir;
    fs::path tmp() const { return dir.path().toStdString(); }
    fs::path discs() const { return tmp() / "discs"; }
};

TEST_F(DiscImport, CopiesAFolderOrAnImageExactlyAndNamesItByLabel) {
    MakeDisc(tmp() / "ZAFIREL_CD");
    const auto expected = Contents(tmp() / "ZAFIREL_CD");
    ImportOptions options;
    auto folder = importDisc(tmp() / "ZAFIREL_CD", discs(), options);
    ASSERT_TRUE(folder.ok) << folder.error;
    EXPECT_EQ(folder.disc, discs() / "ZAFIREL_CD");
    // The same name again is refused, never merged or overwritten.
    auto again = importDisc(tmp() / "ZAFIREL_CD", discs(), options);
    EXPECT_FALSE(again.ok);
    EXPECT_NE(again.error.find("already imported"), std::string::npos);

    std::vector<fs::path> copies = {folder.disc};
    if (HaveXorriso()) {
        MakeIso(tmp() / "ZAFIREL_CD", tmp() / "disc.iso", "VELK_2003");
        auto image = importDisc(tmp() / "disc.iso", discs(), options);
        ASSERT_TRUE(image.ok) << image.error;
        EXPECT_EQ(image.disc, discs() / "VELK_2003");  // the volume label
        options.name = "../second";                    // a name never leaves the folder
        auto named = importDisc(tmp() / "disc.iso", discs(), options);
        ASSERT_TRUE(named.ok) << named.error;
        EXPECT_EQ(named.disc.parent_path(), discs());
        copies.push_back(image.disc);
        copies.push_back(named.disc);
    }
    for (const auto& copy : copies) {
        auto got = Contents(copy);
        got.erase(std::remove(got.begin(), got.end(), ".zafirel-import"), got.end());
        EXPECT_EQ(got, expected) << copy;
        EXPECT_EQ(ReadFile(copy / "velk_quran/graphic/main.jpg"), std::string(300000, 'j'));
    }
    // Only the discs, no temporary folder left.
    for (const auto& e : fs::directory_iterator(discs()))
        EXPECT_NE(e.path().filename().string()[0], '.') << e.path();
}

TEST_F(DiscImport, ADamagedOrHostileSourceLeavesNothingAndSaysWhy) {
    std::vector<std::pair<std::vector<TarEntry>, std::string>> cases = {
        {{{"velk_quran/a.txt", "a"}, {"../escaped.txt", "x"}}, "climbs out"},
        {{{"velk_quran/a.txt", "a"}, {"velk_quran/../../escaped.txt", "x"}}, "climbs out"},
        {{{"/tmp/escaped.txt", "x"}}, "absolute path"},
        {{{"velk_quran/big.bin", std::string(1000, 'b'), AE_IFREG, 4ll << 30}},
         "claims 4294967296"},
    };
    int n = 0;
    for (const auto& [entries, why] : cases) {
        const fs::path tar = tmp() / ("hostile" + std::to_string(n++) + ".tar");
        MakeTar(tar, entries);
        auto r = importDisc(tar, discs(), {});
        EXPECT_FALSE(r.ok) << why;
        EXPECT_NE(r.error.find(why), std::string::npos) << r.error;
        EXPECT_TRUE(Contents(discs()).empty()) << why;
        EXPECT_FALSE(fs::exists(tmp() / "escaped.txt"));
    }
    // A link is never written, wherever it points; the rest comes in.
    MakeTar(tmp() / "links.tar", {{"velk_quran/a.txt", "a"},
                                  {"velk_quran/passwd", "", AE_IFLNK, -1, "/etc/passwd"},
                                  {"velk_quran/up", "", AE_IFLNK, -1, "../../.."}});
    auto links = importDisc(tmp() / "links.tar", discs(), {});
    ASSERT_TRUE(links.ok) << links.error;
    EXPECT_EQ(links.missing, (std::vector<std::string>{"velk_quran/passwd", "velk_quran/up"}));
    EXPECT_FALSE(fs::exists(fs::symlink_status(links.disc / "velk_quran/passwd")));

    // Climbing names are left out with --keep-going, and listed.
    MakeTar(tmp() / "mixed.tar", {{"velk_quran/a.txt", "a"}, {"../escaped.txt", "x"}});
    ImportOptions keepGoing;
    keepGoing.keepGoing = true;
    keepGoing.name = "mixed";
    auto mixed = importDisc(tmp() / "mixed.tar", discs(), keepGoing);
    ASSERT_TRUE(mixed.ok) << mixed.error;
    EXPECT_EQ(mixed.missing, std::vector<std::string>{"../escaped.txt"});
    EXPECT_FALSE(fs::exists(tmp() / "escaped.txt"));
    EXPECT_FALSE(fs::exists(discs() / "escaped.txt"));

    // Names in another code page (Windows Arabic bytes) are kept byte for byte.
    const std::string cp1256 = "velk_quran/\xC7\xE1\xDE\xD1\xC2\xE4.txt";
    MakeTar(tmp() / "cp1256.tar", {{cp1256, "q"}});
    keepGoing.name = "cp1256";
    auto odd = importDisc(tmp() / "cp1256.tar", discs(), keepGoing);
    ASSERT_TRUE(odd.ok) << odd.error;
    EXPECT_EQ(ReadFile(odd.disc / cp1256), "q");
    fs::remove_all(odd.disc);  // QTemporaryDir cannot remove a name that is not UTF-8
}

TEST_F(DiscImport, ATruncatedImageNamesTheFileAndKeepGoingImportsTheRest) {
    if (!HaveXorriso()) GTEST_SKIP() << "xorriso is not installed";
    WriteFile(tmp() / "src/velk_quran/a.txt", "small");
    WriteFile(tmp() / "src/velk_quran/zz_last.bin", std::string(600000, 'z'));
    MakeIso(tmp() / "src", tmp() / "cut.iso", "CUT");
    // Off go the image's padding (300 KB) and the end of the last file; the
    // size it claims is still within the image.
    fs::resize_file(tmp() / "cut.iso", fs::file_size(tmp() / "cut.iso") - 350000);

    auto r = importDisc(tmp() / "cut.iso", discs(), {});
    EXPECT_FALSE(r.ok);
    EXPECT_NE(r.error.find("zz_last.bin"), std::string::npos) << r.error;
    EXPECT_TRUE(Contents(discs()).empty());

    ImportOptions keepGoing;
    keepGoing.keepGoing = true;
    auto rest = importDisc(tmp() / "cut.iso", discs(), keepGoing);
    ASSERT_TRUE(rest.ok) << rest.error;
    ASSERT_FALSE(rest.missing.empty());
    EXPECT_EQ(rest.missing[0], "velk_quran/zz_last.bin");
    EXPECT_EQ(ReadFile(rest.disc / "velk_quran/a.txt"), "small");
    EXPECT_FALSE(fs::exists(rest.disc / "velk_quran/zz_last.bin"));
    EXPECT_EQ(desktop::listImportedDiscs(discs()).at(0).missingFiles, rest.missing.size());
}

TEST_F(DiscImport, NoRoomOrACancelLeavesNothing) {
    MakeDisc(tmp() / "cd");
    ImportOptions small;
    small.freeSpace = [](const fs::path&) { return uint64_t(10) << 20; };
    auto full = importDisc(tmp() / "cd", discs(), small);
    EXPECT_FALSE(full.ok);
    EXPECT_NE(full.error.find("only 10.5 MB are free"), std::string::npos) << full.error;

    ImportOptions cancel;
    int calls = 0;
    cancel.progress = [&](const desktop::ImportProgress& p) { return ++calls < 2; };
    auto cancelled = importDisc(tmp() / "cd", discs(), cancel);
    EXPECT_TRUE(cancelled.cancelled);
    EXPECT_FALSE(cancelled.ok);
    EXPECT_TRUE(Contents(discs()).empty());
}

TEST_F(DiscImport, ManyTinyFilesAllArrive) {
    std::vector<TarEntry> entries;
    for (int i = 0; i < 100000; ++i)
        entries.push_back({"velk_quran/d" + std::to_string(i % 100) + "/" + std::to_string(i), ""});
    MakeTar(tmp() / "many.tar", entries);
    desktop::ImportProgress last;
    ImportOptions options;
    options.progress = [&](const desktop::ImportProgress& p) {
        last = p;
        return true;
    };
    auto r = importDisc(tmp() / "many.tar", discs(), options);
    ASSERT_TRUE(r.ok) << r.error;
    EXPECT_EQ(last.files, 100000u);
    EXPECT_EQ(last.totalFiles, 100000u);
    EXPECT_TRUE(fs::exists(r.disc / "velk_quran/d99/99999"));
}

TEST(DiscImportCommandLine, TakesTheSourceTheNameAndKeepGoing) {
    const char* full[] = {"zafirel", "--import", "/media/cdrom",
                          "--name",  "z 2003",   "--keep-going"};
    auto line = desktop::parseCommandLine(6, full);
    EXPECT_EQ(line.importSource, "/media/cdrom");
    EXPECT_EQ(line.importName, "z 2003");
    EXPECT_TRUE(line.keepGoing);
    EXPECT_TRUE(line.unknown.empty());
    const char* bare[] = {"zafirel", "--import"};  // a value is missing: told, not taken
    line = desktop::parseCommandLine(2, bare);
    EXPECT_TRUE(line.importSource.empty());
    EXPECT_NE(line.unknown.find("--import"), std::string::npos);
    EXPECT_NE(desktop::usage().find("--import SOURCE"), std::string::npos);
}

TEST(DiscImportProgress, ALineAtMostEveryHalfSecondWithTheTimeLeft) {
    desktop::ProgressLine line;
    desktop::ImportProgress p{10, 100, 20'000'000, 100'000'000};
    EXPECT_EQ(line.update(p, 10.0), "10/100 files, 20.0/100.0 MB, 0:40 left");
    p.bytes = 25'000'000;
    EXPECT_EQ(line.update(p, 10.2), "");  // too soon
    EXPECT_EQ(line.update(p, 10.5), "10/100 files, 25.0/100.0 MB, 0:32 left");
    p = {100, 100, 100'000'000, 100'000'000};
    EXPECT_EQ(line.update(p, 10.6), "100/100 files, 100.0/100.0 MB");  // the last always
}

TEST_F(DiscImport, ListsImportedDiscsNewestFirst) {
    MakeDisc(tmp() / "cd");
    WriteFile(discs() / "old/velk_quran/x", "x");
    WriteFile(discs() / "old/.zafirel-import", "label=OLD DISC\ndate=2020-01-02 03:04\nbytes=42\n");
    WriteFile(discs() / "not_a_disc/file", "x");
    WriteFile(discs() / ".import-half-123/velk_quran/x", "x");
    ASSERT_TRUE(importDisc(tmp() / "cd", discs(), {}).ok);
    const auto list = desktop::listImportedDiscs(discs());
    ASSERT_EQ(list.size(), 2u);
    EXPECT_EQ(list[0].label, "cd");
    EXPECT_EQ(list[0].bytes, 370008u);
    EXPECT_EQ(list[1].label, "OLD DISC");
    EXPECT_EQ(list[1].date, "2020-01-02 03:04");
    EXPECT_EQ(list[1].bytes, 42u);
}

TEST_F(DiscImport, TheDiscPageListsTheDiscsAndSwitchesBetweenThem) {
    MakeDisc(tmp() / "first");
    MakeDisc(tmp() / "second");
    const auto first = importDisc(tmp() / "first", discs(), {});
    const auto second = importDisc(tmp() / "second", discs(), {});
    ASSERT_TRUE(first.ok && second.ok);
    desktop::Preferences prefs(dir.filePath("zafirel.conf"));
    const auto folder = [](const fs::path& p) { return QString::fromStdString(p.string()); };
    prefs.setValue(Preferences::kDiscFolder, folder(first.disc));
    desktop::DiscsPage page(discs());
    page.load(prefs);
    ASSERT_EQ(page.list->topLevelItemCount(), 2);
    EXPECT_EQ(page.list->currentItem()->data(0, Qt::UserRole).toString(), folder(first.disc));
    EXPECT_TRUE(page.list->currentItem()->font(0).bold());  // the one in use

    // Untouched, the page leaves the disc folder (the general page's) alone.
    prefs.setValue(Preferences::kDiscFolder, "/elsewhere");
    page.store(prefs);
    EXPECT_EQ(prefs.discFolder(), "/elsewhere");
    for (int i = 0; i < 2; ++i)
        if (page.list->topLevelItem(i)->text(0) == "second")
            page.list->setCurrentItem(page.list->topLevelItem(i));
    page.use->click();
    page.store(prefs);
    EXPECT_EQ(prefs.discFolder(), folder(second.disc));

    // An import from the page: a failure is told and adds nothing; a disc
    // brought in is listed and becomes the one used.
    platform::ErrorBox::setRecording(true);
    platform::ErrorBox::recorded().clear();
    page.importFrom(tmp() / "no such.iso");
    ASSERT_EQ(platform::ErrorBox::recorded().size(), 1u);
    EXPECT_NE(platform::ErrorBox::recorded()[0].find("no such.iso"), std::string::npos);
    MakeDisc(tmp() / "third");
    page.importFrom(tmp() / "third");
    EXPECT_EQ(page.list->topLevelItemCount(), 3);
    page.store(prefs);
    EXPECT_EQ(prefs.discFolder(), folder(discs() / "third"));
    EXPECT_EQ(platform::ErrorBox::recorded().size(), 1u);

    // Escape in the progress window cancels: nothing is added, nothing told.
    MakeDisc(tmp() / "fourth");
    QTimer::singleShot(0, &page, [&page] {
        if (auto* progress = page.findChild<QProgressDialog*>()) {
            QKeyEvent escape(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
            QCoreApplication::sendEvent(progress, &escape);
        }
    });
    page.importFrom(tmp() / "fourth");
    EXPECT_FALSE(fs::exists(discs() / "fourth"));
    for (const auto& e : fs::directory_iterator(discs()))
        EXPECT_NE(e.path().filename().string()[0], '.') << e.path();
    EXPECT_EQ(page.list->topLevelItemCount(), 3);
    EXPECT_EQ(platform::ErrorBox::recorded().size(), 1u);
}

}  // namespace
