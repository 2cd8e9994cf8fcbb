// The Windows font names of the disc's translations resolve to installed
// fonts that hold every letter of those languages.
#include <QFont>
#include <QFontInfo>
#include <QFontMetrics>
#include <QList>
#include <gtest/gtest.h>

#include "platform/fonts.h"

TEST(Fonts, TranslationFontsHoldTheirLanguagesLetters) {
    platform::installFontSubstitutes();
    const std::pair<const char*, const char*> fonts[] = {
        {"frnsys", "éèêëàâçîïôûùüÿœæÉÈÀÇ«»"},
        {"GerSys", "äöüÄÖÜßñÑáéíóúü¿¡"},
        {"TRKSYS", "çÇğĞıİöÖşŞüÜâî"},
        {"Arial", "ЖжЯяЁёЩщçğşİ"},
    };
    for (const auto& [name, letters] : fonts) {
        const QFont font(name);
        const QFontMetrics metrics(font);
        for (char32_t c : QString::fromUtf8(letters).toUcs4())
            EXPECT_TRUE(metrics.inFontUcs4(c))
                << name << " as " << QFontInfo(font).family().toStdString() << " lacks U+"
                << std::hex << static_cast<unsigned>(c);
    }
}
