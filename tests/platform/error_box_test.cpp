// The error box: a file's failure told once until the file is read again, one
// box for a disc that is gone, boxes that stand above the window they belong to.
#include <QApplication>
#include <QMessageBox>
#include <filesystem>
#include <gtest/gtest.h>

#include "platform/error.h"
#include "platform/forms.h"
#include "platform/guard.h"
#include "platform/paths.h"
#include "temp_folder.h"

namespace {

using platform::ErrorBox;

void CloseBoxes() {
    for (QWidget* w : QApplication::topLevelWidgets())
        if (auto* box = qobject_cast<QMessageBox*>(w)) box->close();
    platform::processPendingEvents();
}

std::vector<QMessageBox*> OpenBoxes() {
    QCoreApplication::processEvents();  // boxes come up from the event loop
    std::vector<QMessageBox*> boxes;
    for (QWidget* w : QApplication::topLevelWidgets())
        if (auto* box = qobject_cast<QMessageBox*>(w); box && box->isVisible())
            boxes.push_back(box);
    return boxes;
}

class ErrorBoxTest : public ::testing::Test {
  protected:
    void SetUp() override {
        platform::clearDrives();
        platform::setDrive('D', disc.path());
        platform::setDrive('C', user.path());
        disc.write("velk_quran/a.jpg", "a");
        ErrorBox::forget();
        ErrorBox::recorded().clear();
    }
    void TearDown() override {
        ErrorBox::setRecording(true);
        ErrorBox::forget();
        ErrorBox::recorded().clear();
        platform::clearDrives();
    }
    /// Runs a read of `file` through the guard, as a handler would.
    static void Read(const std::string& file) {
        platform::guarded([&] { platform::readFile(file); });
    }
    TempFolder disc, user;
};

TEST_F(ErrorBoxTest, AFailingFileIsToldOnceUntilItIsReadAgain) {
    const std::string a = "D:\\velk_quran\\a.jpg", b = "D:\\velk_quran\\b.jpg";
    for (int tick = 0; tick < 10; ++tick) Read(b);  // a timer failing on every tick
    ASSERT_EQ(ErrorBox::recorded().size(), 1u);
    EXPECT_NE(ErrorBox::recorded()[0].find("b.jpg"), std::string::npos);
    Read(a);  // another file is another failure only when it fails
    EXPECT_EQ(ErrorBox::recorded().size(), 1u);
    disc.write("velk_quran/b.jpg", "b");
    Read(b);
    std::filesystem::remove(disc.path() / "velk_quran/b.jpg");
    Read(b);  // read in between: a new failure
    Read(b);
    EXPECT_EQ(ErrorBox::recorded().size(), 2u);
    // A message about no file is held back only while its box is open.
    ErrorBox::show("'x' is not a valid integer value");
    ErrorBox::show("'x' is not a valid integer value");
    EXPECT_EQ(ErrorBox::recorded().size(), 4u);
}

TEST_F(ErrorBoxTest, ADiscThatIsGoneIsToldOnceAndItsFilesNoMore) {
    const std::filesystem::path gone = disc.path().string() + ".gone";
    Read("D:\\velk_quran\\a.jpg");
    std::filesystem::rename(disc.path(), gone);
    for (const char* file : {"D:\\velk_quran\\a.jpg", "D:\\velk_quran\\b.jpg", "D:\\001.mp3"})
        for (int tick = 0; tick < 3; ++tick) Read(file);
    ErrorBox::show("Cannot read picture \"D:\\velk_quran\\a.jpg\": empty file");
    EXPECT_EQ(ErrorBox::recorded(), std::vector<std::string>{ErrorBox::discRemovedMessage()});
    // The user's own files are not on the disc: their failures are told.
    Read("C:\\quran_setting.ini");
    EXPECT_EQ(ErrorBox::recorded().size(), 2u);

    // Back again: files are told as before, and a second removal once more.
    std::filesystem::rename(gone, disc.path());
    Read("D:\\velk_quran\\a.jpg");
    Read("D:\\velk_quran\\b.jpg");
    EXPECT_EQ(ErrorBox::recorded().size(), 3u);
    std::filesystem::rename(disc.path(), gone);
    Read("D:\\velk_quran\\a.jpg");
    std::filesystem::rename(gone, disc.path());
    ASSERT_EQ(ErrorBox::recorded().size(), 4u);
    EXPECT_EQ(ErrorBox::recorded()[3], ErrorBox::discRemovedMessage());
    // An emptied mount point is a disc taken out as well.
    std::filesystem::remove_all(disc.path() / "velk_quran");
    Read("D:\\velk_quran\\a.jpg");
    EXPECT_EQ(ErrorBox::recorded().size(), 4u) << ErrorBox::recorded().back();
}

TEST_F(ErrorBoxTest, BoxesStandAboveTheActiveWindowOnceEachWhileOpen) {
    ErrorBox::setRecording(false);
    QWidget window;
    window.show();
    QApplication::setActiveWindow(&window);
    for (int tick = 0; tick < 10; ++tick) ErrorBox::show("Cannot open file \"x\".");
    ErrorBox::show("Cannot open file \"y\".");
    std::vector<QMessageBox*> boxes = OpenBoxes();
    ASSERT_EQ(boxes.size(), 2u);
    for (QMessageBox* box : boxes) {
        EXPECT_EQ(box->parentWidget(), &window) << "a box belongs to the window it stands over";
        EXPECT_TRUE(box->isWindow());
    }
    // A box that comes while another is active still belongs to the window.
    QApplication::setActiveWindow(boxes[0]);
    ErrorBox::show("Cannot open file \"z\".");
    boxes = OpenBoxes();
    ASSERT_EQ(boxes.size(), 3u);
    for (QMessageBox* box : boxes) EXPECT_EQ(box->parentWidget(), &window);
    CloseBoxes();
    EXPECT_TRUE(OpenBoxes().empty());
    ErrorBox::show("Cannot open file \"x\".");
    EXPECT_EQ(OpenBoxes().size(), 1u) << "once closed, the message can be shown again";
    CloseBoxes();
}

}  // namespace
