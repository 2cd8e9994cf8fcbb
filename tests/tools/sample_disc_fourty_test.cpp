// The forty hadith's part of the sample disc: every entry's text says which
// entry and language it stands for, and every recording differs.
#include <gtest/gtest.h>
#include <set>

#include "platform/rtf.h"
#include "sample_disc_check.h"
#include "support/sim_device.h"

TEST_F(SampleDiscTest, FourtyHadithTextsAndRecordings) {
    std::set<std::string> recordings;
    for (int language : {1, 2})
        for (int n = 1; n <= 42; ++n) {
            const std::string name = std::to_string(language) + "\\" + std::to_string(n);
            std::string text;
            for (const std::string& line :
                 platform::loadRtfPlainLines("D:\\velk_quran\\data\\fourty\\" + name + ".rtf"))
                text += line + "\n";
            const std::string says = "Sample text for hadith number " + std::to_string(n) +
                                     (language == 1 ? " (Arabic)" : " (English)");
            EXPECT_NE(text.find(says), std::string::npos) << name << ": " << text;
            const std::string wav =
                platform::readFile("D:\\velk_quran\\sound\\fourty\\" + name + ".wav");
            EXPECT_GE(platform::wavLengthMs(wav), 300) << name;
            recordings.insert(wav);
        }
    EXPECT_EQ(recordings.size(), 84u);
}
