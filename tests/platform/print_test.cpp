// A print that has no printer goes to a PDF in the documents folder, with its
// text checked in the file.
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>

#include "platform/error.h"
#include "platform/guard.h"
#include "platform/print.h"
#include "temp_folder.h"

namespace fs = std::filesystem;

namespace {

/// The text of a PDF, as pdftotext reads it.
std::string PdfText(const fs::path& pdf) {
    const std::string command = "pdftotext -q '" + pdf.string() + "' -";
    std::string text;
    if (FILE* out = popen(command.c_str(), "r")) {
        char buffer[4096];
        for (size_t n; (n = fread(buffer, 1, sizeof buffer, out)) > 0;) text.append(buffer, n);
        pclose(out);
    }
    return text;
}

class PrintTest : public ::testing::Test {
  protected:
    void SetUp() override {
        // The documents folder comes from the user's XDG folders file.
        const fs::path config = folder.path() / "config";
        fs::create_directories(config);
        std::ofstream(config / "user-dirs.dirs")
            << "XDG_DOCUMENTS_DIR=\"" << (folder.path() / "docs").string() << "\"\n";
        setenv("XDG_CONFIG_HOME", config.c_str(), 1);
        platform::setPrintToFileOnly(true);
        platform::ErrorBox::setRecording(true);
        platform::ErrorBox::informed().clear();
    }
    void TearDown() override { unsetenv("XDG_CONFIG_HOME"); }
    TempFolder folder;
};

}  // namespace

TEST_F(PrintTest, WithoutAPrinterTheTextGoesToAPdfNamedAfterTheTitle) {
    const QString first = platform::printText("Chapter 1/2", "Prayer at dawn", false);
    const fs::path pdf = folder.path() / "docs" / "ZAFIREL" / "Chapter 1-2.pdf";
    EXPECT_EQ(first.toStdString(), pdf.string());
    ASSERT_TRUE(fs::exists(pdf));
    const std::string text = PdfText(pdf);
    EXPECT_NE(text.find("Chapter 1/2"), std::string::npos) << text;
    EXPECT_NE(text.find("Prayer at dawn"), std::string::npos) << text;
    ASSERT_EQ(platform::ErrorBox::informed().size(), 1u);
    EXPECT_NE(platform::ErrorBox::informed()[0].find(pdf.string()), std::string::npos);
    // A second print of the same title keeps the first file.
    const QString second = platform::printText("Chapter 1/2", "Again", false);
    EXPECT_EQ(second.toStdString(),
              (folder.path() / "docs" / "ZAFIREL" / "Chapter 1-2 (2).pdf").string());
    EXPECT_NE(PdfText(pdf).find("Prayer at dawn"), std::string::npos);
}

TEST_F(PrintTest, APrintThatCannotBeWrittenIsAnErrorNeverReportedAsDone) {
    // The documents folder is a file: nothing can be written below it.
    std::ofstream(folder.path() / "docs") << "not a folder";
    EXPECT_THROW(platform::printText("Title", "Text", true), platform::PlatformError);
    EXPECT_TRUE(platform::ErrorBox::informed().empty());
}
