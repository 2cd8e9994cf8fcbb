// The skins the generator draws, checked on its own layout data: the
// program's controls lie on each screen's drawn body, clear of the star
// field, and the star pictures (drawn on the star field's colour) lie on the
// star field, so that neither shows over the wrong ground.
#include <gtest/gtest.h>

#include "art.h"
#include "aya_texts.h"
#include "book_screens.h"
#include "quran_art.h"
#include "reader_screens.h"
#include "reading_screens.h"

namespace {

using namespace disc;

/// How many pixels of `area` (within the picture) are the star field, or are not.
int starFieldPixels(const QImage& picture, const QRect& area, bool starField) {
    const QRect inside = area.intersected(picture.rect());
    int count = 0;
    for (int y = inside.top(); y <= inside.bottom(); ++y)
        for (int x = inside.left(); x <= inside.right(); ++x)
            count += (picture.pixel(x, y) == art::kStarField.rgb()) == starField;
    return count;
}

std::string text(const QRect& r) {
    return std::to_string(r.left()) + "," + std::to_string(r.top()) + " " +
           std::to_string(r.width()) + "x" + std::to_string(r.height());
}

TEST(SampleDiscScreens, ControlsLieOnTheBodyAndStarsOnTheStarField) {
    std::vector<ScreenSpec> screens;
    for (Library library : {Library::Hadith, Library::Fekh, Library::Live}) {
        screens.push_back(bookReaderScreen(library));
        screens.push_back(bookSearchScreen(library));
    }
    for (auto make : {tafseerScreen, languageScreen, quranSearchScreen, remarksScreen, azkarScreen,
                      asbabScreen, tagweedScreen, quranScreen, remoteScreen, suraIndexScreen})
        screens.push_back(make());
    for (const ScreenSpec& screen : screens) {
        SCOPED_TRACE(screen.folder);
        const QImage picture = renderBackground(screen);
        // The margin keeps the body's edge and the gold rule inside it clear of the control.
        for (const QRect& control : screen.controls)
            EXPECT_EQ(starFieldPixels(picture, control.adjusted(-6, -6, 6, 6), true), 0)
                << "control at " << text(control) << " reaches the star field";
        for (const QRect& star : screen.stars)
            EXPECT_EQ(starFieldPixels(picture, star, false), 0)
                << "star at " << text(star) << " lies off the star field";
    }
}

// The language screen's button n opens text n + 2 (the third Arabic commentary,
// then the six translations): its picture names that text, never a language
// the reader could confuse with the commentary they chose.
TEST(SampleDiscScreens, LanguageButtonsNameTheTextTheyOpen) {
    const ScreenSpec screen = languageScreen();
    ASSERT_GE(screen.buttons.size(), 7u);
    EXPECT_EQ(screen.buttons[0].arabic, commentaryName(3));
    const char* translations[] = {"English", "Français",         "Español",
                                  "Türkçe",  "Bahasa Indonesia", "Русский"};
    for (int i = 1; i < 7; ++i)
        EXPECT_EQ(screen.buttons[i].english, QString::fromUtf8(translations[i - 1]));
}

}  // namespace
