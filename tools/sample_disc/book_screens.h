// Skins of the book libraries: the topic tree readers ("hadith", "fekh",
// "live") and their search screens ("hadiths", "fekhs", "lives").
#pragma once

#include <QRect>

#include "skin.h"

namespace disc {

enum class Library { Hadith, Fekh, Live };

/// Where a reader's controls lie on its 800 by 600 screen.
inline const QRect kBookTreeRect(220, 125, 195, 404);
inline const QRect kBookTextRect(429, 121, 348, 409);
inline const QRect kBookTitleRect(427, 66, 343, 31);
/// The book's place in its group; one pixel higher on the fekh reader.
inline QRect bookPartRect(Library library) {
    return QRect(302, library == Library::Fekh ? 78 : 79, 66, 31);
}

/// Where a search screen's controls lie.
inline const QRect kSearchWord1Rect(622, 51, 128, 24);
inline const QRect kSearchWord2Rect(403, 51, 128, 24);
inline const QRect kSearchAndRect(560, 40, 37, 24);
inline const QRect kSearchOrRect(560, 66, 37, 24);
inline const QRect kAvailableRect(212, 151, 247, 147);
inline const QRect kChosenRect(521, 151, 247, 147);
inline const QRect kResultRect(171, 331, 597, 172);

/// The reader of a library: group buttons down the star field, next and
/// previous book beside the book's number, the tools along the bottom.
ScreenSpec bookReaderScreen(Library library);

/// The search screen of a library: the search button by the word boxes,
/// the four move buttons between the lists, close and open under the grid.
ScreenSpec bookSearchScreen(Library library);

}  // namespace disc
