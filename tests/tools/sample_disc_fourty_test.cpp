// The forty hadith's part of the sample disc: a text saying which entry and
// language it stands for, a recording of its own for every entry in both
// languages, and the skin clear of the screen's controls.
#include <gtest/gtest.h>
#include <set>

#include "platform/codepage.h"
#include "platform/rtf.h"
#include "sample_disc_check.h"
#include "support/sim_device.h"

namespace {
using SampleDiscFourty = SampleDiscTest;
}  // namespace

TEST_F(SampleDiscFourty, EveryEntryHasItsTextAndADistinctRecordingInBothLanguages) {
    std::set<std::string> recordings;
    for (int language : {1, 2})
        for (int n = 1; n <= 42; ++n) {
            SCOPED_TRACE(std::to_string(language) + "/" + std::to_string(n));
            const std::string name = std::to_string(language) + "\\" + std::to_string(n);
            QString text;
            for (const std::string& line :
                 platform::loadRtfPlainLines("D:\\velk_quran\\data\\fourty\\" + name + ".rtf"))
                text += platform::toUnicode(line) + "\n";
            EXPECT_TRUE(text.contains(QString("Sample text for hadith number %1 (%2)")
                                          .arg(n)
                                          .arg(language == 1 ? "Arabic" : "English")))
                << text.toStdString();
            const std::string wav =
                platform::readFile("D:\\velk_quran\\sound\\fourty\\" + name + ".wav");
            const int ms = platform::wavLengthMs(wav);
            EXPECT_GE(ms, 300);
            EXPECT_LE(ms, 4000);
            recordings.insert(wav);
        }
    EXPECT_EQ(recordings.size(), 84u);
}

TEST_F(SampleDiscFourty, SkinLeavesTheListTextAndLanguageButtonsFree) {
    checkSkin({"fourty",
               800,
               600,
               8,
               {{522, 90, 189, 432}, {139, 115, 315, 400}, {180, 30, 97, 41}, {300, 30, 97, 41}}});
}
