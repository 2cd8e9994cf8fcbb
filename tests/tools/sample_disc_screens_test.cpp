// The skins the generator draws, checked on its own layout data: the
// program's controls lie on each screen's drawn body, clear of the star
// field, and the star pictures (drawn on the star field's colour) lie on the
// star field, so that neither shows over the wrong ground.
#include <gtest/gtest.h>

#include "art.h"
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

}  // namespace
