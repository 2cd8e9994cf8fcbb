// The RTF reader proper: the tokenizer (groups, control words and symbols,
// \'hh, \uN with its fallback, \bin) and the destinations (font table,
// colour table, skipped groups, field results). Text goes to the document
// builder (rtf_document.cpp) with the formatting in force.
#include "platform/rtf.h"

#include <algorithm>
#include <filesystem>
#include <map>
#include <unordered_map>

#include "platform/error.h"
#include "platform/paths.h"
#include "platform/rtf_document.h"
#include "platform/rtf_words.h"

namespace platform {

namespace {

using namespace rtf;

constexpr size_t kMaxWordLength = 32;     // longer control words are cut
constexpr int kMaxParam = 1'000'000'000;  // parameters saturate here

enum class Dest { Text, FontTable, ColorTable, Skip };

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
    Parser(std::string_view in, int defaultCodePage)
        : in_(in), text_([this](char16_t ch) { return format(ch); }) {
        doc_.codePage = defaultCodePage;
        doc_.isRtf = true;
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
        if (text_.hasText()) endParagraph();
        doc_.paragraphs = text_.takeParagraphs();
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
                if (st_.dest == Dest::Text) text_.addLineBreak();
                break;
            case Kw::Tab:
                if (st_.dest == Dest::Text) text_.addText(u'\t', "\t");
                break;
            case Kw::Cell:
                // The next cell's text goes on a line of its own; empty cells
                // at the start or end of a row give no lines.
                if (st_.dest == Dest::Text) text_.endCell();
                break;
            case Kw::Row:
            case Kw::Break:
                // Writers put no \par after a row, nor before a section or
                // page break that ends a paragraph.
                if (st_.dest == Dest::Text) text_.endRow(st_.align, st_.direction);
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
                text_.addText(ch, std::string_view(reinterpret_cast<char*>(&b), 1));
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
        text_.addText(ch, std::string_view(&b, 1));
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

    void endParagraph() { text_.endParagraph(st_.align, st_.direction); }

    std::string_view in_;
    size_t pos_ = 0;
    bool finished_ = false;
    int tooDeep_ = 0;  // depth inside groups nested past the limit
    RtfDocument doc_;  // its code page and kind; the paragraphs come from text_
    rtf::DocumentBuilder text_;
    State st_;
    std::vector<State> stack_;
    std::map<int, Font> fonts_;
    int fontDef_ = 0;  // the font being defined in the font table
    bool defining_ = false;
    int defaultFont_ = 0;
    std::vector<std::optional<uint32_t>> colors_;
    int red_ = 0, green_ = 0, blue_ = 0;
    bool colorGiven_ = false;
    int pendingSkip_ = 0;  // fallback characters of a \u still to skip
};

}  // namespace

RtfDocument parseRtf(std::string_view bytes, int defaultCodePage) {
    if (bytes.substr(0, 5) != "{\\rtf") return rtf::parsePlainText(bytes, defaultCodePage);
    return Parser(bytes, defaultCodePage).run();
}

std::vector<std::string> rtfPlainLines(std::string_view bytes, int defaultCodePage) {
    return parseRtf(bytes, defaultCodePage).plainLines();
}

namespace {

// The file's bytes, refused before they are read when there are too many.
std::string readText(const std::string& windowsPath) {
    std::error_code ec;
    const uintmax_t size = std::filesystem::file_size(hostPath(windowsPath), ec);
    if (!ec && size > kRtfMaxFileBytes) {
        constexpr uintmax_t kMb = 1 << 20;
        throw PlatformError(quotedPath(windowsPath) + " is too large to show (" +
                            std::to_string((size + kMb - 1) / kMb) + " MB, at most " +
                            std::to_string(kRtfMaxFileBytes / kMb) + " MB).");
    }
    return readFile(windowsPath);
}

}  // namespace

RtfDocument loadRtf(const std::string& windowsPath, int defaultCodePage) {
    return parseRtf(readText(windowsPath), defaultCodePage);
}

std::vector<std::string> loadRtfPlainLines(const std::string& windowsPath, int defaultCodePage) {
    return rtfPlainLines(readText(windowsPath), defaultCodePage);
}

}  // namespace platform
