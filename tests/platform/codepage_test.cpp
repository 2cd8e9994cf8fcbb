// Single-byte code pages to and from Unicode.
#include <gtest/gtest.h>

#include "platform/codepage.h"

using platform::fromUnicode;
using platform::toUnicode;

TEST(CodePage, DecodesEachCodePageOfTheDiscAndMarksUndefinedBytes) {
    // Alef, lam, beh in 1256; the euro sign and 0x81 (peh) are defined there too.
    EXPECT_EQ(toUnicode("\xC7\xE1\xC8 1", 1256), QString::fromUtf16(u"\u0627\u0644\u0628 1"));
    EXPECT_EQ(toUnicode("\x80\x81", 1256), QString::fromUtf16(u"\u20AC\u067E"));
    EXPECT_EQ(toUnicode("\xC7"), QString::fromUtf16(u"\u0627"));  // 1256 by default
    EXPECT_EQ(toUnicode("\xE9\x80", 1252), QString::fromUtf16(u"\u00E9\u20AC"));
    EXPECT_EQ(toUnicode("\xD0\xFD", 1254), QString::fromUtf16(u"\u011E\u0131"));
    EXPECT_EQ(toUnicode("\xC0\xFF", 1251), QString::fromUtf16(u"\u0410\u044F"));
    EXPECT_EQ(toUnicode(std::string("a\0b", 3), 1252), QString::fromUtf16(u"a\u0000b", 3));
    // 0x81 and 0x8D have no character in 1252, 0x98 none in 1251.
    EXPECT_EQ(toUnicode("a\x81"
                        "b\x8D"
                        "c",
                        1252),
              QString::fromUtf16(u"a\uFFFDb\uFFFDc"));
    EXPECT_EQ(toUnicode("\x98\xC0", 1251), QString::fromUtf16(u"\uFFFD\u0410"));
    // A code page iconv does not know is read as 1252.
    EXPECT_EQ(toUnicode("A\xE9", 99999), QString::fromUtf16(u"A\u00E9"));
}

TEST(CodePage, EncodesAndReplacesWhatTheCodePageLacks) {
    const QString text = QString::fromUtf16(u"\u0627\u0644 A\u00E9\u0410");
    EXPECT_EQ(fromUnicode(text, 1256), "\xC7\xE1 A\xE9?");
    EXPECT_EQ(fromUnicode(text, 1252), "?? A\xE9?");
    EXPECT_EQ(fromUnicode(text, 1251), "?? A?\xC0");
    // A character outside the BMP is one '?', a lone surrogate too.
    EXPECT_EQ(fromUnicode(QString::fromUtf16(u"x\U0001F600y"), 1256), "x?y");
    EXPECT_EQ(fromUnicode(QString(QChar(0xD800)), 1256), "?");
}

TEST(CodePage, EveryByteOfTheArabicCodePageSurvivesARoundTrip) {
    std::string all;
    for (int b = 0; b < 256; ++b) all += static_cast<char>(b);
    QString text = toUnicode(all, 1256);
    EXPECT_FALSE(text.contains(QChar(0xFFFD)));
    EXPECT_EQ(fromUnicode(text, 1256), all);
}
