// The recitation rules (section 6) on rule files made in the test: pages
// turned to their ends, example buttons following the page, examples played
// and stopped, the titles scrolled with the highlight following the chosen
// rule, and damaged files that change nothing.
#include <QApplication>
#include <QClipboard>
#include <QLabel>
#include <gtest/gtest.h>

#include "devotional/unt_tagweed.h"
#include "shell/globals.h"
#include "skin/unt_main.h"
#include "reading_screen_test.h"
#include "support/sim_device.h"

namespace {

struct PageSpec {
    int examples;
    std::string text;
    uint32_t claimedLength = 0;  // a length other than the text's
};
using Rules = std::vector<std::vector<PageSpec>>;

void put32(std::string& out, uint64_t v) {
    for (int i = 0; i < 4; ++i) out += static_cast<char>(v >> (8 * i) & 0xFF);
}

/// A rule file: 23 rule records, the page tables, then the texts. Rules not
/// given have one page "rule r" with one example.
std::string RuleFile(Rules rules) {
    for (int r = static_cast<int>(rules.size()) + 1; r <= 23; ++r)
        rules.push_back({{1, "rule " + std::to_string(r)}});
    size_t pages = 0;
    for (const auto& r : rules) pages += r.size();
    std::string index, tables, texts;
    const uint64_t textsAt = 23 * 6 + pages * 10;
    for (size_t r = 0; r < rules.size(); ++r) {
        index += static_cast<char>(r + 1);
        index += static_cast<char>(rules[r].size());
        put32(index, 23 * 6 + tables.size());
        for (size_t p = 0; p < rules[r].size(); ++p) {
            const PageSpec& page = rules[r][p];
            tables += static_cast<char>(p + 1);
            tables += static_cast<char>(page.examples);
            put32(tables, textsAt + texts.size());
            put32(tables, page.claimedLength ? page.claimedLength : page.text.size());
            texts += page.text;
        }
    }
    return index + tables + texts;
}

class TagweedScreenTest : public ReadingScreenTest {
  protected:
    Tfrm_tagweed* Open(const Rules& rules) {
        disc->write("data\\tagweed", RuleFile(rules));
        OpenHubSection(6);
        return frm_tagweed;
    }
    /// The enabled ones of buttons 5, 6 and 10..17, e.g. "5 10 11".
    std::string Enabled() const {
        std::string out;
        for (int n : {5, 6, 10, 11, 12, 13, 14, 15, 16, 17})
            if (frm_tagweed->ButtonEnabled(n)) out += (out.empty() ? "" : " ") + std::to_string(n);
        return out;
    }
    /// The labels shown red, by number.
    std::string Red() const {
        std::string out;
        for (int k = 1; k <= 8; ++k)
            if (frm_tagweed->Labels[k - 1]->palette().color(QPalette::WindowText) == Qt::red)
                out += std::to_string(k);
        return out;
    }
};

}  // namespace

TEST_F(TagweedScreenTest, PagesTurnToTheirEndsAndExamplesFollowThePage) {
    Tfrm_tagweed* screen = Open({{{0, "one page"}}, {{3, "first"}, {0, "second"}, {8, "third"}}});
    ASSERT_TRUE(screen);
    EXPECT_EQ(screen->lblsub->text(), "one page");
    EXPECT_EQ(Enabled(), "");
    EXPECT_EQ(Red(), "1");

    Click(screen->Labels[1]);
    EXPECT_EQ(screen->lblsub->text(), "first");
    EXPECT_EQ(Enabled(), "5 10 11 12");
    EXPECT_EQ(Red(), "2");
    Click(screen->Button(12));
    const auto& log = platform::SimulatedDevice::log();
    EXPECT_TRUE(log[log.size() - 2].ends_with("/sound/tagweed/2-1-3.mp3")) << log[log.size() - 2];
    EXPECT_EQ(log.back(), "play");

    // A page turn stops the example.
    Click(screen->Button(5));
    EXPECT_EQ(log.back(), "close");
    EXPECT_EQ(screen->lblsub->text(), "second");
    EXPECT_EQ(Enabled(), "5 6");
    Click(screen->Button(5));
    EXPECT_EQ(Enabled(), "6 10 11 12 13 14 15 16 17");
    Click(screen->Button(5));  // disabled: nothing
    screen->TurnPage(1);       // nor past the last page from the handler
    EXPECT_EQ(screen->RulePage, 3);
    Click(screen->Button(6));
    Click(screen->Button(6));
    EXPECT_EQ(screen->lblsub->text(), "first");
    EXPECT_EQ(Red(), "2");  // turning pages keeps the selection

    Click(screen->Button(9));
    EXPECT_EQ(QApplication::clipboard()->text(), "first");  // the page text alone
}

TEST_F(TagweedScreenTest, TitlesScrollToTheirEndsAndTheHighlightFollowsTheChosenRule) {
    Tfrm_tagweed* screen = Open({});
    Click(screen->Labels[2]);
    EXPECT_FALSE(screen->ButtonEnabled(1));
    for (int i = 0; i < 15; ++i) Click(screen->Button(2));
    EXPECT_FALSE(screen->ButtonEnabled(2));
    screen->ScrollOn();  // the handler keeps the window inside the titles
    EXPECT_EQ(screen->Labels[7]->text(), Tfrm_tagweed::RuleTitle(23));
    EXPECT_EQ(Red(), "");  // rule 3 is out of the window

    Click(screen->Labels[0]);
    EXPECT_EQ(screen->lblsub->text(), "rule 16");
    EXPECT_EQ(Red(), "1");

    // From the keyboard: Up on the top title scrolls back, Enter chooses.
    screen->Labels[0]->setFocus();
    for (int i = 0; i < 15; ++i) Key(screen->Labels[0], Qt::Key_Up);
    EXPECT_EQ(screen->TitleOffset, 7);
    EXPECT_FALSE(screen->ButtonEnabled(1));
    for (int i = 0; i < 8; ++i) Click(screen->Button(2));
    EXPECT_EQ(Red(), "8");  // rule 16 is back, at the bottom
    Key(screen->Labels[0], Qt::Key_Down);
    ASSERT_EQ(screen->focusWidget(), screen->Labels[1]);
    Key(screen->Labels[1], Qt::Key_Return);
    EXPECT_EQ(screen->Rule, 10);
}

TEST_F(TagweedScreenTest, DamagedPagesChangeNothing) {
    // Rule 2's second page and rule 4 have texts that run past the end of the
    // file; rule 3 claims 200 examples.
    Tfrm_tagweed* screen = Open({{{1, "fine"}},
                                 {{2, "first"}, {1, "second", 0x7FFFFFF0}},
                                 {{200, "many"}},
                                 {{1, "long", 0x7FFFFFF0}}});
    ASSERT_TRUE(screen);

    Click(screen->Labels[1]);
    Click(screen->Button(5));  // page 2 cannot be read
    Click(screen->Labels[3]);  // nor rule 4
    EXPECT_EQ(screen->Rule, 2);
    EXPECT_EQ(screen->RulePage, 1);
    EXPECT_EQ(screen->lblsub->text(), "first");
    EXPECT_EQ(Red(), "2");
    EXPECT_EQ(Enabled(), "5 10 11");
    expectedErrors = 2;
    ASSERT_EQ(Errors().size(), 2u);
    for (const std::string& e : Errors()) EXPECT_TRUE(e.starts_with("Read error in file")) << e;

    Click(screen->Labels[2]);  // 200 examples are eight
    EXPECT_EQ(Enabled(), "10 11 12 13 14 15 16 17");
    const size_t commands = platform::SimulatedDevice::log().size();
    screen->PlayExample(9);
    EXPECT_EQ(platform::SimulatedDevice::log().size(), commands);
}

TEST_F(TagweedScreenTest, WithoutTheRuleFileTheScreenOpensEmptyAndLeaves) {
    disc->remove("data\\tagweed");
    OpenHubSection(6);
    ASSERT_TRUE(frm_tagweed);
    expectedErrors = 1;
    EXPECT_TRUE(Errors()[0].starts_with("Cannot open file")) << Errors()[0];
    EXPECT_EQ(Enabled(), "");  // nothing to turn or play
    Click(frm_tagweed->Button(7));
    platform::processPendingEvents();
    EXPECT_FALSE(frm_tagweed);
    EXPECT_TRUE(frm_main);
}
