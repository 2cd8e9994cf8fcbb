// The words of the RTF reader: what each control word does, the fonts of a
// font table and the characters symbol fonts stand for.
#pragma once

#include <QString>
#include <string>
#include <string_view>
#include <unordered_map>

namespace platform::rtf {

// What a control word does; looked up by name in keywords().
// clang-format off
enum class Kw {
    SkipDest, FontTable, ColorTable, Font, Charset, FontCodePage, Red, Green, Blue, AnsiCodePage,
    DefaultFont, Bold, Italic, Underline, UnderlineNone, Size, Color, Plain, Pard, AlignLeft,
    AlignRight, AlignCenter, AlignJustify, RtlPar, LtrPar, Par, Line, Tab, UnicodeSkip, Unicode,
    Binary, Char, AssocBold, AssocItalic, Cell, Row, Break, FieldResult
};
// clang-format on

struct Keyword {
    Kw kind;
    char16_t ch = 0;  // for Kw::Char
};

/// Every control word the reader acts on, by name.
const std::unordered_map<std::string_view, Keyword>& keywords();

/// An entry of the font table.
struct Font {
    std::string nameBytes;
    QString name;
    bool named = false;  // the name is complete
    int charset = -1;
    int codePage = 0;  // \cpgN; 0 when not given
    enum class Symbols { None, Symbol, Wingdings } symbols = Symbols::None;
};

constexpr int kSymbolCharset = 2;

/// The Unicode character of a byte in a symbol font, for the marks word
/// processors put before list items; 0 for any other byte or font.
char16_t symbolChar(const Font& f, unsigned char b);

/// Arabic, Hebrew and their presentation forms: the characters \ab and \ai
/// make bold and italic.
bool isRightToLeftChar(char16_t ch);

}  // namespace platform::rtf
