#include "platform/rtf_words.h"

namespace platform::rtf {

namespace {
// clang-format off
// Destinations whose text is never shown.
constexpr std::string_view kHiddenDestinations[] = {
    "stylesheet", "info", "pict", "object", "header", "headerl", "headerr", "headerf", "footer",
    "footerl", "footerr", "footerf", "footnote", "fldinst", "xe", "tc", "txe", "rxe", "bkmkstart",
    "bkmkend", "listtable", "listoverridetable", "rsidtbl", "generator", "themedata",
    "colorschememapping", "latentstyles", "datastore", "xmlnstbl", "filetbl", "revtbl",
    "userprops", "nonshppict", "shpinst", "annotation", "atnid", "atnauthor", "private", "fchars",
    "lchars", "pntxta", "pntxtb", "pgdsctbl"};
// clang-format on
}  // namespace

const std::unordered_map<std::string_view, Keyword>& keywords() {
    static const std::unordered_map<std::string_view, Keyword> table = [] {
        std::unordered_map<std::string_view, Keyword> t = {
            {"fonttbl", {Kw::FontTable}},
            {"colortbl", {Kw::ColorTable}},
            {"f", {Kw::Font}},
            {"fcharset", {Kw::Charset}},
            {"cpg", {Kw::FontCodePage}},
            {"red", {Kw::Red}},
            {"green", {Kw::Green}},
            {"blue", {Kw::Blue}},
            {"ansicpg", {Kw::AnsiCodePage}},
            {"deff", {Kw::DefaultFont}},
            {"b", {Kw::Bold}},
            {"i", {Kw::Italic}},
            {"ab", {Kw::AssocBold}},
            {"ai", {Kw::AssocItalic}},
            {"ul", {Kw::Underline}},
            {"ulnone", {Kw::UnderlineNone}},
            {"fs", {Kw::Size}},
            {"cf", {Kw::Color}},
            {"plain", {Kw::Plain}},
            {"pard", {Kw::Pard}},
            {"ql", {Kw::AlignLeft}},
            {"qr", {Kw::AlignRight}},
            {"qc", {Kw::AlignCenter}},
            {"qj", {Kw::AlignJustify}},
            {"rtlpar", {Kw::RtlPar}},
            {"ltrpar", {Kw::LtrPar}},
            {"par", {Kw::Par}},
            {"line", {Kw::Line}},
            {"tab", {Kw::Tab}},
            {"cell", {Kw::Cell}},
            {"nestcell", {Kw::Cell}},
            {"row", {Kw::Row}},
            {"nestrow", {Kw::Row}},
            {"sect", {Kw::Break}},
            {"page", {Kw::Break}},
            {"column", {Kw::Break}},
            {"fldrslt", {Kw::FieldResult}},
            {"uc", {Kw::UnicodeSkip}},
            {"u", {Kw::Unicode}},
            {"bin", {Kw::Binary}},
            {"emdash", {Kw::Char, 0x2014}},
            {"endash", {Kw::Char, 0x2013}},
            {"emspace", {Kw::Char, 0x2003}},
            {"enspace", {Kw::Char, 0x2002}},
            {"bullet", {Kw::Char, 0x2022}},
            {"lquote", {Kw::Char, 0x2018}},
            {"rquote", {Kw::Char, 0x2019}},
            {"ldblquote", {Kw::Char, 0x201C}},
            {"rdblquote", {Kw::Char, 0x201D}},
        };
        for (std::string_view name : kHiddenDestinations) t.emplace(name, Keyword{Kw::SkipDest});
        return t;
    }();
    return table;
}

char16_t symbolChar(const Font& f, unsigned char b) {
    if (f.symbols == Font::Symbols::Wingdings) {
        switch (b) {
            case 0xA7:
                return 0x25AA;  // small black square
            case 0xD8:
                return 0x27A2;  // arrowhead
            case 0xFC:
                return 0x2713;  // check mark
            case 0x6E:
                return 0x25A0;  // black square
            case 0x71:
                return 0x2751;  // shadowed square
            case 0x76:
                return 0x2756;  // diamond of four
            default:
                return 0;
        }
    }
    if (f.symbols == Font::Symbols::Symbol) return b == 0xB7 ? char16_t(0x2022) : char16_t(0);
    return 0;
}

bool isRightToLeftChar(char16_t ch) {
    return (ch >= 0x0590 && ch <= 0x08FF) || (ch >= 0xFB1D && ch <= 0xFDFF) ||
           (ch >= 0xFE70 && ch <= 0xFEFF);
}

}  // namespace platform::rtf
