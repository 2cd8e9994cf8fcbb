// Adding remarks to the remarks file on drive C.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "platform/error.h"
#include "platform/inifile.h"
#include "quran/remarks_file.h"
#include "shell/globals.h"
#include "support/screen_test.h"

namespace {

class Remarks : public ScreenTest {
  protected:
    std::string fileText() {
        std::ifstream in(std::filesystem::path(DriveC()) / "remrak1.ini", std::ios::binary);
        std::ostringstream s;
        s << in.rdbuf();
        return s.str();
    }
    void setFile(const std::string& text) {
        std::ofstream(std::filesystem::path(DriveC()) / "remrak1.ini", std::ios::binary) << text;
    }
};

TEST_F(Remarks, AddsInOrderAndNeverTwice) {
    EXPECT_TRUE(AddRemark(2, 255));
    EXPECT_FALSE(AddRemark(2, 255));
    EXPECT_TRUE(AddRemark(2, 25));  // same sura, other aya
    EXPECT_TRUE(AddRemark(25, 2));
    EXPECT_FALSE(AddRemark(25, 2));
    EXPECT_EQ(fileText(),
              "[remarks]\r\ncount=3\r\nsora1=2\r\naya1=255\r\nsora2=2\r\naya2=25\r\n"
              "sora3=25\r\naya3=2\r\n");
}

TEST_F(Remarks, KeysAboveCountAreOverwrittenAndIgnored) {
    // After deleting, stale keys stay above "count".
    setFile("[remarks]\r\ncount=1\r\nsora1=3\r\naya1=7\r\nsora2=9\r\naya2=9\r\n");
    EXPECT_TRUE(AddRemark(9, 9));  // remark 2 is not a remark any more
    platform::IniFile ini(RemarksFileName());
    EXPECT_EQ(ini.readString("remarks", "count", ""), "2");
    EXPECT_EQ(ini.readString("remarks", "sora2", ""), "9");
    EXPECT_FALSE(AddRemark(3, 7));

    setFile("[remarks]\r\ncount=0\r\nsora1=3\r\naya1=7\r\n");
    EXPECT_TRUE(AddRemark(4, 4));
    EXPECT_EQ(ini.readString("remarks", "sora1", ""), "4");
}

TEST_F(Remarks, DamagedCounts) {
    setFile("[remarks]\r\ncount=abc\r\n");
    EXPECT_THROW(AddRemark(1, 1), platform::PlatformError);
    EXPECT_EQ(fileText(), "[remarks]\r\ncount=abc\r\n");

    // A negative count starts again at remark 1.
    setFile("[remarks]\r\ncount=-4\r\n");
    EXPECT_TRUE(AddRemark(1, 2));
    EXPECT_EQ(fileText(), "[remarks]\r\ncount=1\r\nsora1=1\r\naya1=2\r\n");

    // A huge count does not make the duplicate check walk two billion keys.
    setFile("[remarks]\r\ncount=2000000000\r\nsora1999999999=5\r\naya1999999999=6\r\n");
    EXPECT_FALSE(AddRemark(5, 6));
    EXPECT_TRUE(AddRemark(5, 7));
    EXPECT_NE(fileText().find("sora2000000001=5"), std::string::npos);
    setFile("[remarks]\r\ncount=2147483647\r\n");
    EXPECT_FALSE(AddRemark(5, 7));
}

}  // namespace
