// What the screen tests of the Quran readers share: the number of error boxes
// a test counts on, the page viewer opened as the hub opens it, typing into a
// field, the recitation run to the end of an aya, and a disc of links to the
// sample disc that a test may change.
#pragma once

#include <memory>
#include <string>

#include "platform/paths.h"
#include "quran/reader_core.h"
#include "quran/unt_quran.h"
#include "shell/sections.h"
#include "support/disc_builder.h"
#include "support/screen_test.h"

class QuranTest : public ScreenTest {
  protected:
    void TearDown() override {
        EXPECT_EQ(Errors().size(), expectedErrors) << (Errors().empty() ? "" : Errors()[0]);
        ScreenTest::TearDown();
    }
    /// Opens the page viewer at 1:1 (no stored position) and lets it start reciting.
    Tfrm_quran* OpenViewer() {
        PresetSectionValues(1);
        Tfrm_quran* viewer = platform::createForm(frm_quran, display.get());
        viewer->showAsChild(display.get());
        Advance(100);
        return viewer;
    }
    /// Types `text` into an emptied field as keys, then presses Enter.
    template <class Field>
    static void TypeAndEnter(Field* field, const QString& text) {
        field->clear();
        for (QChar c : text) Key(field, c.unicode(), QString(c));
        Key(field, Qt::Key_Return, "\r");
    }
    /// Runs the recitation to the end of the aya being recited.
    void FinishAya(const ReaderCore& core) { Advance(core.AyaEndMs - core.mci1->Position() + 20); }
    /// Drive D becomes a disc of links to the sample disc, for the test to change.
    DiscBuilder& OwnDisc(const std::string& name) {
        disc = std::make_unique<DiscBuilder>(name);
        disc->linkTo(TestDiscFolder());
        platform::setDrive('D', disc->root());
        return *disc;
    }

    std::unique_ptr<DiscBuilder> disc;
    size_t expectedErrors = 0;
};
