// Single-byte Windows code pages (1256 Arabic, 1252 Western, 1254 Turkish,
// 1251 Cyrillic, and any other that iconv knows). Disc text stays in its code
// page as bytes; it becomes Unicode only to be shown.
#pragma once

#include <QString>
#include <string>
#include <string_view>

namespace platform {

/// The code page of the disc's text unless a file says otherwise.
constexpr int kArabicCodePage = 1256;

/// UTF-8 under its Windows number: text typed into the program's own fields.
constexpr int kUtf8CodePage = 65001;

/// Converts single-byte text in `codePage` to Unicode. A byte the code page
/// leaves undefined becomes U+FFFD; the rest of the text converts as usual.
/// An unknown code page is read as 1252; kUtf8CodePage decodes UTF-8.
QString toUnicode(std::string_view bytes, int codePage = kArabicCodePage);

/// The Unicode character of one byte in `codePage` (U+FFFD when undefined).
char16_t byteToUnicode(unsigned char byte, int codePage = kArabicCodePage);

/// Converts Unicode text to single-byte text in `codePage`; every character
/// the code page cannot hold (including characters outside the BMP, counted
/// once per character) becomes '?'.
std::string fromUnicode(const QString& text, int codePage = kArabicCodePage);

/// Converts Unicode text to single-byte text in `codePage` only when the code
/// page holds every character; false (and `bytes` unspecified) otherwise.
bool fromUnicodeExactly(const QString& text, std::string& bytes, int codePage = kArabicCodePage);

/// The byte of one Unicode character in `codePage`, or '?' when it has none.
char unicodeToByte(char32_t ch, int codePage = kArabicCodePage);

/// The code page of an RTF font character set (\fcharsetN): 0 gives 1252,
/// 162 gives 1254, 178 gives 1256, 204 gives 1251 and so on; 1 (the default
/// character set) and unknown sets give `defaultCodePage`.
int codePageForCharset(int charset, int defaultCodePage);

}  // namespace platform
