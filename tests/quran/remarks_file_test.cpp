// Adding and deleting remarks in the remarks file on drive C.
#include <gtest/gtest.h>

#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

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

TEST_F(Remarks, AKillDuringADeletionLeavesAFileThatLoads) {
    // Each key is written on its own and atomically: wherever the writing
    // stops, the file reads as a list of numbers, the old count or the new.
    std::string keys = "count=120\r\n";
    std::vector<StoredRemark> list;
    for (int i = 1; i <= 120; ++i) {
        keys += "sora" + std::to_string(i) + "=" + std::to_string(i % 114 + 1) + "\r\naya" +
                std::to_string(i) + "=" + std::to_string(i % 7 + 1) + "\r\n";
        list.push_back({std::to_string(i % 114 + 1), std::to_string(i % 7 + 1)});
    }
    list.erase(list.begin());
    for (int delayUs : {0, 2000, 5000, 10000, 20000, 40000}) {
        setFile(keys);
        const pid_t child = fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            try {
                WriteRemarksAfterRemoval(list, 0);
            } catch (...) {
            }
            _exit(0);
        }
        usleep(static_cast<useconds_t>(delayUs));
        kill(child, SIGKILL);
        waitpid(child, nullptr, 0);
        std::vector<StoredRemark> back;
        ASSERT_NO_THROW(back = ReadRemarks()) << delayUs;
        EXPECT_TRUE(back.size() == 119 || back.size() == 120) << back.size();
        for (const StoredRemark& r : back) {
            int n = 0;
            EXPECT_TRUE(platform::tryStrToInt(r.sura, n) && platform::tryStrToInt(r.aya, n))
                << r.sura << " " << r.aya;
        }
    }
}

}  // namespace
