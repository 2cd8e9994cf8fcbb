// Skins of the commentary reader, its chooser and language screen, the Quran
// search and the remarks screen.
#pragma once

#include <QImage>
#include <QRect>

#include "skin.h"

namespace disc {

/// Where the commentary reader's controls lie on its 800 by 600 screen.
inline const QRect kTafseerTextPanel(18, 38, 382, 503);
inline const QRect kTafseerPagePanel(400, 38, 382, 503);
/// The text area inside each panel, and the page.
inline const QRect kTafseerTextArea(50, 70, 286, 370);
inline const QRect kTafseerPageArea(49, 33, 280, 437);
/// Left edges of the aya, sura, page and part fields (46 by 27 at top 566).
inline constexpr int kTafseerFieldLeft[4] = {623, 514, 406, 299};

/// The commentary reader ("tafseer", thirteen buttons).
ScreenSpec tafseerScreen();
/// The frame of both panels of the commentary reader ("around.jpg").
QImage tafseerFramePicture();
/// The commentary chooser ("tafseername", 140 by 145, three buttons).
ScreenSpec chooserScreen();
/// The language screen ("lang", no language folder, seven languages and close).
ScreenSpec languageScreen();
/// The Quran search ("qurans", three buttons, stars on the left).
ScreenSpec quranSearchScreen();
/// The remarks ("remark", three buttons).
ScreenSpec remarksScreen();

}  // namespace disc
