#include "platform/rtf.h"

#include <algorithm>
#include <map>
#include <unordered_map>

#include "platform/paths.h"

namespace platform {

namespace {

constexpr size_t kMaxWordLength = 32;     // longer control words are cut
constexpr int kMaxParam = 1'000'000'000;  // parameters saturate here
constexpr char16_t kLineSeparator = 0x2028;

enum class Dest { Text, FontTable, ColorTable, Skip };

// What a control word does; looked up by name in keywords().
// clang-format off
enum class Kw {
    SkipDest, FontTable, ColorTable, Font, Charset, FontCodePage, Red, Green, Blue, AnsiCodePage,
    DefaultFont, Bold, Italic, Underline, UnderlineNone, Size, Color, Plain, Pard, AlignLeft,
    AlignRight, AlignCenter, AlignJustify, RtlPar, LtrPar, Par, Line, Tab, UnicodeSkip, Unicode,
    Binary, Char, AssocBold, AssocItalic, Cell, Row, Break, FieldResult
};

// Destinations whose text is never shown.
constexpr std::string_view kHiddenDestinations[] = {
    "stylesheet", "info", "pict", "object", "header", "headerl", "headerr", "headerf", "footer",
    "footerl", "footerr", "footerf", "footnote", "fldinst", "xe", "tc", "txe", "rxe", "bkmkstart",
    "bkmkend", "listtable", "listoverridetable", "rsidtbl", "generator", "themedata",
    "colorschememapping", "latentstyles", "datastore", "xmlnstbl", "filetbl", "revtbl",
    "userprops", "nonshppict", "shpinst", "annotation", "atnid", "atnauthor", "private", "fchars",
    "lchars", "pntxta", "pntxtb", "pgdsctbl"};
// clang-format on

struct Keyword {
    Kw kind;
    char16_t ch = 0;  // for Kw::Char
};

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

struct Font {
    std::string nameBytes;
    QString name;
    bool named = false;  // the name is complete
    int charset = -1;
    int codePage = 0;  // \cpgN; 0 when not given
    enum class Symbols { None, Symbol, Wingdings } symbols = Symbols::None;
};

constexpr int kSymbolCharset = 2;

// The Unicode character of a byte in a symbol font, for the marks word
// processors put before list items; 0 for any other byte or font.
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

// Arabic, Hebrew and their presentation forms: the characters \ab and \ai
// make bold and italic.
bool isRightToLeftChar(char16_t ch) {
    return (ch >= 0x0590 && ch <= 0x08FF) || (ch >= 0xFB1D && ch <= 0xFDFF) ||
           (ch >= 0xFE70 && ch <= 0xFEFF);
}

// Formatting that follows the group nesting.
struct State {
    Dest dest = Dest::Text;
    bool bold = false, italic = false, underline = false;
    bool assocBold = false, assocItalic = false;  // of right-to-left characters
    int halfPoints = 0;
    int color = -1;  // index into the colour table; -1 for automatic
    int font = -1;   // -1: the default font
    int unicodeSkip = 1;
    RtfAlign align = RtfAlign::Default;
    RtfDirection direction = RtfDirection::Default;
};

int hexDigit(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

bool isLetter(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

class Parser {
  public:
    Parser(std::string_view in, int defaultCodePage) : in_(in) {
        doc_.codePage = defaultCodePage;
        doc_.isRtf = true;
        para_.lines.emplace_back();
    }

    RtfDocument run() {
        while (pos_ < in_.size() && !finished_) {
            char c = in_[pos_];
            if (tooDeep_ > 0) {
                skipDeepGroup(c);
                continue;
            }
            switch (c) {
                case '{':
                    openGroup();
                    break;
                case '}':
                    closeGroup();
                    break;
                case '\\':
                    control();
                    break;
                case '\r':
                case '\n':
                    ++pos_;
                    break;  // line breaks of the file are not text
                default:
                    ++pos_;
                    byte(static_cast<unsigned char>(c));
                    break;
            }
        }
        if (hasText()) endParagraph();
        return std::move(doc_);
    }

  private:
    // Inside groups nested past the limit only braces are counted.
    void skipDeepGroup(char c) {
        ++pos_;
        if (c == '{') {
            ++tooDeep_;
        } else if (c == '}') {
            --tooDeep_;
        } else if (c == '\\' && pos_ < in_.size()) {
            ++pos_;  // an escaped brace does not count
        }
    }

    void openGroup() {
        ++pos_;
        pendingSkip_ = 0;
        if (stack_.size() >= static_cast<size_t>(kRtfMaxDepth)) {
            tooDeep_ = 1;
            return;
        }
        stack_.push_back(st_);
    }

    void closeGroup() {
        ++pos_;
        pendingSkip_ = 0;
        if (stack_.empty()) {
            finished_ = true;
            return;
        }
        if (st_.dest == Dest::FontTable) finishFont();
        st_ = stack_.back();
        stack_.pop_back();
        // The document's outermost group has closed: what follows is not RTF.
        if (stack_.empty()) finished_ = true;
    }

    // A backslash: control word, control symbol or escaped character.
    void control() {
        ++pos_;
        if (pos_ >= in_.size()) return;
        char c = in_[pos_];
        if (!isLetter(c)) {
            ++pos_;
            symbol(c);
            return;
        }
        size_t start = pos_;
        while (pos_ < in_.size() && isLetter(in_[pos_])) ++pos_;
        std::string_view name = in_.substr(start, std::min(pos_ - start, kMaxWordLength));
        bool hasParam = false;
        bool negative = false;
        int param = 0;
        if (pos_ + 1 < in_.size() && in_[pos_] == '-' && in_[pos_ + 1] >= '0' &&
            in_[pos_ + 1] <= '9') {
            negative = true;
            ++pos_;
        }
        while (pos_ < in_.size() && in_[pos_] >= '0' && in_[pos_] <= '9') {
            hasParam = true;
            if (param < kMaxParam / 10)
                param = param * 10 + (in_[pos_] - '0');
            else
                param = kMaxParam;
            ++pos_;
        }
        if (negative) param = -param;
        if (pos_ < in_.size() && in_[pos_] == ' ') ++pos_;  // the delimiting blank
        if (pendingSkip_ > 0) {
            // Part of the fallback text of a \u; \bin data still has to be stepped over.
            --pendingSkip_;
            if (name == "bin" && hasParam) skipBinary(param);
            return;
        }
        word(name, hasParam, param);
    }

    void symbol(char c) {
        switch (c) {
            case '\'': {
                int hi = pos_ < in_.size() ? hexDigit(in_[pos_]) : -1;
                int lo = pos_ + 1 < in_.size() ? hexDigit(in_[pos_ + 1]) : -1;
                if (hi < 0 || lo < 0) return;  // not a byte: ignored
                pos_ += 2;
                byte(static_cast<unsigned char>(hi * 16 + lo));
                return;
            }
            case '\\':
            case '{':
            case '}':
                byte(static_cast<unsigned char>(c));
                return;
            case '\r':
            case '\n':
                if (skipFallback()) return;
                if (st_.dest == Dest::Text) endParagraph();
                return;
            case '*':
                st_.dest = Dest::Skip;  // an optional destination: none is shown
                return;
            case '~':
                unicode(0x00A0);
                return;
            case '_':
                unicode(0x2011);
                return;
            default:
                skipFallback();
                return;  // \- \| \: and others: nothing to show
        }
    }

    void word(std::string_view name, bool hasParam, int param) {
        const auto& table = keywords();
        auto it = table.find(name);
        if (it == table.end()) return;
        const bool on = !hasParam || param != 0;
        switch (it->second.kind) {
            case Kw::SkipDest:
                st_.dest = Dest::Skip;
                break;
            case Kw::FontTable:
                st_.dest = Dest::FontTable;
                defining_ = false;
                break;
            case Kw::ColorTable:
                st_.dest = Dest::ColorTable;
                red_ = green_ = blue_ = 0;
                colorGiven_ = false;
                break;
            case Kw::Font:
                if (st_.dest == Dest::FontTable) {
                    finishFont();
                    fontDef_ = param;
                    defining_ = true;
                    fonts_[param] = Font();
                } else {
                    st_.font = param;
                }
                break;
            case Kw::Charset:
                if (Font* f = definedFont()) f->charset = param;
                break;
            case Kw::FontCodePage:
                if (Font* f = definedFont()) f->codePage = param > 0 ? param : 0;
                break;
            case Kw::Red:
                colorPart(red_, param);
                break;
            case Kw::Green:
                colorPart(green_, param);
                break;
            case Kw::Blue:
                colorPart(blue_, param);
                break;
            case Kw::AnsiCodePage:
                if (param > 0 && param < 65536) doc_.codePage = param;
                break;
            case Kw::DefaultFont:
                defaultFont_ = param;
                break;
            case Kw::Bold:
                st_.bold = on;
                break;
            case Kw::Italic:
                st_.italic = on;
                break;
            case Kw::AssocBold:
                st_.assocBold = on;
                break;
            case Kw::AssocItalic:
                st_.assocItalic = on;
                break;
            case Kw::Underline:
                st_.underline = on;
                break;
            case Kw::UnderlineNone:
                st_.underline = false;
                break;
            case Kw::Size:
                st_.halfPoints = std::clamp(param, 0, 3276);
                break;
            case Kw::Color:
                st_.color = param;
                break;
            case Kw::Plain:
                st_.bold = st_.italic = st_.underline = false;
                st_.assocBold = st_.assocItalic = false;
                st_.halfPoints = 0;
                st_.color = -1;
                st_.font = -1;
                break;
            case Kw::Pard:
                st_.align = RtfAlign::Default;
                st_.direction = RtfDirection::Default;
                break;
            case Kw::AlignLeft:
                st_.align = RtfAlign::Left;
                break;
            case Kw::AlignRight:
                st_.align = RtfAlign::Right;
                break;
            case Kw::AlignCenter:
                st_.align = RtfAlign::Center;
                break;
            case Kw::AlignJustify:
                st_.align = RtfAlign::Justify;
                break;
            case Kw::RtlPar:
                st_.direction = RtfDirection::RightToLeft;
                break;
            case Kw::LtrPar:
                st_.direction = RtfDirection::LeftToRight;
                break;
            case Kw::Par:
                if (st_.dest == Dest::Text) endParagraph();
                break;
            case Kw::Line:
                if (st_.dest == Dest::Text) {
                    endCells();
                    lineBreak();
                }
                break;
            case Kw::Tab:
                if (st_.dest == Dest::Text) addText(u'\t', "\t");
                break;
            case Kw::Cell:
                // The next cell's text goes on a line of its own; empty cells
                // at the start or end of a row give no lines.
                if (st_.dest == Dest::Text) ++pendingCells_;
                break;
            case Kw::Row:
            case Kw::Break:
                // Writers put no \par after a row, nor before a section or
                // page break that ends a paragraph.
                if (st_.dest != Dest::Text) break;
                if (hasText()) endParagraph();
                pendingCells_ = 0;
                break;
            case Kw::FieldResult:
                // What a field shows, starred or not, belongs to the text around it.
                st_.dest = stack_.empty() ? Dest::Text : stack_.back().dest;
                break;
            case Kw::UnicodeSkip:
                st_.unicodeSkip = std::max(param, 0);
                break;
            case Kw::Unicode: {
                int code = param < 0 ? param + 65536 : param;
                if (code >= 0 && code <= 0xFFFF) unicode(static_cast<char16_t>(code));
                pendingSkip_ = st_.unicodeSkip;
                break;
            }
            case Kw::Binary:
                skipBinary(param);
                break;
            case Kw::Char:
                unicode(it->second.ch);
                break;
        }
    }

    // Consumes one character of a \u's fallback text; true when it did.
    bool skipFallback() {
        if (pendingSkip_ == 0) return false;
        --pendingSkip_;
        return true;
    }

    void skipBinary(int count) {
        size_t n = count > 0 ? static_cast<size_t>(count) : 0;
        pos_ += std::min(n, in_.size() - pos_);
    }

    // The font table entry being read, or nullptr outside one.
    Font* definedFont() {
        if (st_.dest != Dest::FontTable || !defining_) return nullptr;
        auto it = fonts_.find(fontDef_);
        return it == fonts_.end() ? nullptr : &it->second;
    }

    void finishFont() {
        Font* f = definedFont();
        if (!f || f->named) return;
        std::string_view bytes = f->nameBytes;
        while (!bytes.empty() && bytes.front() == ' ') bytes.remove_prefix(1);
        while (!bytes.empty() && bytes.back() == ' ') bytes.remove_suffix(1);
        f->name = toUnicode(bytes, fontCodePage(*f));
        f->named = true;
        if (f->name.startsWith("Wingdings", Qt::CaseInsensitive))
            f->symbols = Font::Symbols::Wingdings;
        else if (f->charset == kSymbolCharset || f->name.startsWith("Symbol", Qt::CaseInsensitive))
            f->symbols = Font::Symbols::Symbol;
    }

    void colorPart(int& part, int value) {
        if (st_.dest != Dest::ColorTable) return;
        part = std::clamp(value, 0, 255);
        colorGiven_ = true;
    }

    int fontCodePage(const Font& f) const {
        if (f.codePage > 0) return f.codePage;
        if (f.charset >= 0) return codePageForCharset(f.charset, doc_.codePage);
        return doc_.codePage;
    }

    // The font of the text: the one chosen, else the default (font 0 unless \deff says).
    int currentFont() const { return st_.font >= 0 ? st_.font : defaultFont_; }

    const Font* currentFontEntry() const {
        auto it = fonts_.find(currentFont());
        return it == fonts_.end() ? nullptr : &it->second;
    }

    int codePage() const {
        const Font* f = currentFontEntry();
        return f ? fontCodePage(*f) : doc_.codePage;
    }

    // A character of the file: text, part of a font name or a colour table entry.
    void byte(unsigned char b) {
        if (skipFallback()) return;
        switch (st_.dest) {
            case Dest::Text: {
                const Font* font = currentFontEntry();
                char16_t ch = font ? symbolChar(*font, b) : 0;
                if (ch == 0) ch = byteToUnicode(b, font ? fontCodePage(*font) : doc_.codePage);
                addText(ch, std::string_view(reinterpret_cast<char*>(&b), 1));
                break;
            }
            case Dest::FontTable:
                if (b == ';') {
                    finishFont();
                } else if (Font* f = definedFont(); f && !f->named) {
                    if (f->nameBytes.size() < 256) f->nameBytes += static_cast<char>(b);
                }
                break;
            case Dest::ColorTable:
                if (b == ';') {
                    if (colorGiven_)
                        colors_.push_back(static_cast<uint32_t>(red_ << 16 | green_ << 8 | blue_));
                    else
                        colors_.push_back(std::nullopt);
                    red_ = green_ = blue_ = 0;
                    colorGiven_ = false;
                }
                break;
            case Dest::Skip:
                break;
        }
    }

    // A character given by its Unicode value. Symbol fonts' characters come
    // as U+F020..U+F0FF. In the plain lines a character the font's code page
    // lacks is given in the document's, else in the Arabic code page.
    void unicode(char16_t ch) {
        if (skipFallback() || st_.dest != Dest::Text) return;
        if (const Font* font = currentFontEntry(); font && ch >= 0xF020 && ch <= 0xF0FF)
            if (char16_t mapped = symbolChar(*font, static_cast<unsigned char>(ch & 0xFF)))
                ch = mapped;
        char b = '?';
        for (int cp : {codePage(), doc_.codePage, kArabicCodePage}) {
            b = unicodeToByte(ch, cp);
            if (b != '?' || ch == u'?') break;
        }
        addText(ch, std::string_view(&b, 1));
    }

    RtfCharFormat format(char16_t ch) const {
        RtfCharFormat f;
        const bool rtl = isRightToLeftChar(ch);
        f.bold = st_.bold || (rtl && st_.assocBold);
        f.italic = st_.italic || (rtl && st_.assocItalic);
        f.underline = st_.underline;
        f.halfPoints = st_.halfPoints;
        if (st_.color >= 0 && static_cast<size_t>(st_.color) < colors_.size())
            f.color = colors_[static_cast<size_t>(st_.color)];
        if (auto it = fonts_.find(currentFont()); it != fonts_.end()) {
            f.fontName = it->second.name;
            f.codePage = fontCodePage(it->second);
        } else {
            f.codePage = doc_.codePage;
        }
        return f;
    }

    void addText(char16_t ch, std::string_view bytes) {
        endCells();
        appendText(ch, bytes);
    }

    // The cells ended since the text last went on each end a line. A cell
    // that ended its own paragraph (\par before \cell) is on a line of its
    // own already.
    void endCells() {
        if (pendingCells_ > 0 && !hasText()) --pendingCells_;
        for (; pendingCells_ > 0; --pendingCells_) lineBreak();
    }

    void lineBreak() {
        appendText(kLineSeparator, {});
        para_.lines.emplace_back();
    }

    void appendText(char16_t ch, std::string_view bytes) {
        RtfCharFormat f = format(ch);
        if (para_.runs.empty() || !(para_.runs.back().format == f))
            para_.runs.push_back({QString(), std::move(f)});
        para_.runs.back().text += QChar(ch);
        para_.lines.back() += bytes;
    }

    bool hasText() const {
        return !para_.runs.empty() || para_.lines.size() > 1 || !para_.lines.front().empty();
    }

    void endParagraph() {
        pendingCells_ = 0;
        para_.align = st_.align;
        para_.direction = st_.direction;
        doc_.paragraphs.push_back(std::move(para_));
        para_ = RtfParagraph();
        para_.lines.emplace_back();
    }

    std::string_view in_;
    size_t pos_ = 0;
    bool finished_ = false;
    int tooDeep_ = 0;  // depth inside groups nested past the limit
    RtfDocument doc_;
    RtfParagraph para_;
    State st_;
    std::vector<State> stack_;
    std::map<int, Font> fonts_;
    int fontDef_ = 0;  // the font being defined in the font table
    bool defining_ = false;
    int defaultFont_ = 0;
    std::vector<std::optional<uint32_t>> colors_;
    int red_ = 0, green_ = 0, blue_ = 0;
    bool colorGiven_ = false;
    int pendingSkip_ = 0;   // fallback characters of a \u still to skip
    int pendingCells_ = 0;  // cells ended since the text last went on
};

RtfDocument parsePlainText(std::string_view bytes, int codePage) {
    RtfDocument doc;
    doc.codePage = codePage;
    size_t start = 0;
    while (start < bytes.size()) {
        size_t end = bytes.find_first_of("\r\n", start);
        if (end == std::string_view::npos) end = bytes.size();
        std::string_view line = bytes.substr(start, end - start);
        RtfParagraph para;
        para.lines.emplace_back(line);
        RtfRun run;
        run.text = toUnicode(line, codePage);
        run.format.codePage = codePage;
        if (!line.empty()) para.runs.push_back(std::move(run));
        doc.paragraphs.push_back(std::move(para));
        if (end < bytes.size() && bytes[end] == '\r' && end + 1 < bytes.size() &&
            bytes[end + 1] == '\n')
            ++end;
        start = end + 1;
    }
    return doc;
}

}  // namespace

QString RtfParagraph::text() const {
    QString out;
    for (const RtfRun& r : runs) out += r.text;
    return out;
}

std::vector<std::string> RtfDocument::plainLines() const {
    std::vector<std::string> out;
    for (const RtfParagraph& p : paragraphs) out.insert(out.end(), p.lines.begin(), p.lines.end());
    return out;
}

RtfDocument parseRtf(std::string_view bytes, int defaultCodePage) {
    if (bytes.substr(0, 5) != "{\\rtf") return parsePlainText(bytes, defaultCodePage);
    return Parser(bytes, defaultCodePage).run();
}

std::vector<std::string> rtfPlainLines(std::string_view bytes, int defaultCodePage) {
    return parseRtf(bytes, defaultCodePage).plainLines();
}

RtfDocument loadRtf(const std::string& windowsPath, int defaultCodePage) {
    return parseRtf(readFile(windowsPath), defaultCodePage);
}

std::vector<std::string> loadRtfPlainLines(const std::string& windowsPath, int defaultCodePage) {
    return rtfPlainLines(readFile(windowsPath), defaultCodePage);
}

}  // namespace platform
