// Skins of the remembrances, the occasions of revelation and the recitation
// rules: the stars' strip on the left, the screen's panels where the program
// puts its lists and texts, and labelled buttons around them.
#pragma once

#include <QRect>

#include "skin.h"

namespace disc {

/// Where the program puts the controls of these screens (800 by 600).
inline const QRect kReadingList(522, 90, 189, 432);
inline const QRect kAzkarText(139, 115, 315, 400);
inline const QRect kAsbabAya(129, 95, 335, 170);
inline const QRect kAsbabAccount(129, 284, 335, 237);
inline const QRect kTagweedTitles(523, 102, 186, 425);
inline const QRect kTagweedText(131, 97, 335, 425);

/// The remembrances ("azkar", eight buttons: 5 menu, 6 print, 7 copy; 1-4 and 8 hidden).
ScreenSpec azkarScreen();
/// The occasions of revelation ("asbab", eight buttons: 5 menu, 6 print,
/// 7 copy, 8 the aya in the Quran reader; 1-4 hidden).
ScreenSpec asbabScreen();
/// The recitation rules ("tagweed", seventeen buttons: 1 and 2 scroll the
/// titles, 5 and 6 turn the page, 7 menu, 8 print, 9 copy, 10-17 the
/// examples; 3 and 4 hidden).
ScreenSpec tagweedScreen();

}  // namespace disc
