// Adding remarks to the remarks file on drive C.
#include <gtest/gtest.h>

#include <fstream>

#include "platform/error.h"
#include "platform/paths.h"
#include "quran/remarks_file.h"
#include "support/screen_test.h"

namespace {

class Remarks : public ScreenTest {
  protected:
    static std::string file() { return platform::readFile(RemarksFileName()); }
    static void setFile(const std::string& text) {
        std::ofstream(platform::hostPath(RemarksFileName()), std::ios::binary)
            << "[remarks]\r\n" + text;
    }
};

TEST_F(Remarks, AddsInOrderAndNeverTwice) {
    EXPECT_TRUE(AddRemark(2, 255));
    EXPECT_FALSE(AddRemark(2, 255));
    EXPECT_TRUE(AddRemark(2, 25));  // same sura, other aya
    EXPECT_TRUE(AddRemark(25, 2));
    EXPECT_FALSE(AddRemark(25, 2));
    EXPECT_EQ(file(),
              "[remarks]\r\ncount=3\r\nsora1=2\r\naya1=255\r\nsora2=2\r\naya2=25\r\n"
              "sora3=25\r\naya3=2\r\n");
}

TEST_F(Remarks, StaleKeysAboveCountAndDamagedCounts) {
    // Deleting leaves stale keys above "count": they are overwritten and ignored.
    setFile("count=1\r\nsora1=3\r\naya1=7\r\nsora2=9\r\naya2=9\r\n");
    EXPECT_TRUE(AddRemark(9, 9));
    EXPECT_FALSE(AddRemark(3, 7));
    EXPECT_EQ(file(), "[remarks]\r\ncount=2\r\nsora1=3\r\naya1=7\r\nsora2=9\r\naya2=9\r\n");
    setFile("count=0\r\nsora1=3\r\naya1=7\r\n");
    EXPECT_TRUE(AddRemark(4, 4));
    EXPECT_EQ(file(), "[remarks]\r\ncount=1\r\nsora1=4\r\naya1=4\r\n");

    setFile("count=abc\r\n");
    EXPECT_THROW(AddRemark(1, 1), platform::PlatformError);
    EXPECT_EQ(file(), "[remarks]\r\ncount=abc\r\n");
    setFile("count=-4\r\n");  // starts again at remark 1
    EXPECT_TRUE(AddRemark(1, 2));
    EXPECT_EQ(file(), "[remarks]\r\ncount=1\r\nsora1=1\r\naya1=2\r\n");
    // A huge count does not make the duplicate check walk two billion keys.
    setFile("count=2000000000\r\nsora1999999999=5\r\naya1999999999=6\r\n");
    EXPECT_FALSE(AddRemark(5, 6));
    EXPECT_TRUE(AddRemark(5, 7));
    EXPECT_NE(file().find("sora2000000001=5"), std::string::npos);
    setFile("count=2147483647\r\n");
    EXPECT_FALSE(AddRemark(5, 7));
}

}  // namespace
