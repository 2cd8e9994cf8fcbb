// A fixture for the devotional reading screens: the sample
// disc seen through a disc of links that a test may change, the sections
// registered, and the errors counted at the end.
#pragma once

#include <gtest/gtest.h>
#include <memory>

#include "devotional/title_list.h"
#include "platform/forms.h"
#include "platform/paths.h"
#include "shell/app_sections.h"
#include "shell/sections.h"
#include "support/disc_builder.h"
#include "support/screen_test.h"

class ReadingScreenTest : public ScreenTest {
  protected:
    void SetUp() override {
        ScreenTest::SetUp();
        disc = std::make_unique<DiscBuilder>(
            ::testing::UnitTest::GetInstance()->current_test_info()->test_suite_name());
        disc->linkTo(TestDiscFolder());
        platform::setDrive('D', disc->root());
        RegisterAppSections();
    }
    void TearDown() override {
        EXPECT_EQ(Errors().size(), expectedErrors) << (Errors().empty() ? "" : Errors()[0]);
        ScreenTest::TearDown();
    }
    /// Opens section n as the hub does.
    static void OpenHubSection(int n) {
        OpenSection(n);
        platform::processPendingEvents();
    }
    /// A click on the item of `entry` (scrolled into view).
    static void Choose(TitleList* list, int entry) {
        QListWidgetItem* item = list->item(entry - 1);
        list->scrollToItem(item);
        Click(list->viewport(), list->visualItemRect(item).center());
    }

    std::unique_ptr<DiscBuilder> disc;
    size_t expectedErrors = 0;
};
