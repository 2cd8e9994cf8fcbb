#include "platform/codepage.h"

#include <QList>
#include <iconv.h>

#include <array>
#include <map>
#include <memory>
#include <mutex>
#include <unordered_map>

namespace platform {

namespace {

constexpr char16_t kReplacement = 0xFFFD;

// The whole of a single-byte code page, both ways, built once through iconv.
struct Table {
    std::array<char16_t, 256> toUnicode{};
    std::unordered_map<char16_t, unsigned char> fromUnicode;
};

// Fills `table` from iconv; false when iconv does not know the code page.
bool buildTable(int codePage, Table& table) {
    const std::string name = "CP" + std::to_string(codePage);
    iconv_t cd = iconv_open("UTF-16LE", name.c_str());
    if (cd == reinterpret_cast<iconv_t>(-1)) return false;
    for (int b = 0; b < 256; ++b) {
        char in = static_cast<char>(b);
        unsigned char out[8] = {};
        char* inPtr = &in;
        size_t inLeft = 1;
        char* outPtr = reinterpret_cast<char*>(out);
        size_t outLeft = sizeof out;
        iconv(cd, nullptr, nullptr, nullptr, nullptr);  // reset the state
        size_t r = iconv(cd, &inPtr, &inLeft, &outPtr, &outLeft);
        if (r != static_cast<size_t>(-1)) r = iconv(cd, nullptr, nullptr, &outPtr, &outLeft);
        // Exactly one UTF-16 unit, else the byte is undefined in this code page.
        if (r == static_cast<size_t>(-1) || inLeft != 0 || sizeof out - outLeft != 2) {
            table.toUnicode[b] = kReplacement;
            continue;
        }
        char16_t ch = static_cast<char16_t>(out[0] | (out[1] << 8));
        table.toUnicode[b] = ch;
        table.fromUnicode.emplace(ch, static_cast<unsigned char>(b));  // first byte wins
    }
    iconv_close(cd);
    return true;
}

// Latin-1 as the last resort when iconv knows none of the code pages.
void latin1Table(Table& table) {
    for (int b = 0; b < 256; ++b) {
        table.toUnicode[b] = static_cast<char16_t>(b);
        table.fromUnicode.emplace(static_cast<char16_t>(b), static_cast<unsigned char>(b));
    }
}

// The table of a code page, built on first use; code pages iconv does not know
// share the 1252 table. Guarded by `mutex`.
const Table& tableFor(int codePage) {
    static std::mutex mutex;
    static std::map<int, std::unique_ptr<Table>> built;
    static std::map<int, const Table*> known;
    std::lock_guard<std::mutex> lock(mutex);
    if (auto it = known.find(codePage); it != known.end()) return *it->second;
    auto build = [&](int cp) -> const Table* {
        auto table = std::make_unique<Table>();
        if (!buildTable(cp, *table)) {
            if (cp != 1252) return nullptr;
            latin1Table(*table);
        }
        return built.emplace(cp, std::move(table)).first->second.get();
    };
    const Table* table = build(codePage);
    if (!table) {
        auto western = known.find(1252);
        table = western != known.end() ? western->second : known[1252] = build(1252);
    }
    known[codePage] = table;
    return *table;
}

}  // namespace

char16_t byteToUnicode(unsigned char byte, int codePage) {
    return tableFor(codePage).toUnicode[byte];
}

QString toUnicode(std::string_view bytes, int codePage) {
    if (codePage == kUtf8CodePage)
        return QString::fromUtf8(bytes.data(), static_cast<qsizetype>(bytes.size()));
    const Table& table = tableFor(codePage);
    QString out;
    out.resize(static_cast<qsizetype>(bytes.size()));
    QChar* data = out.data();
    for (size_t i = 0; i < bytes.size(); ++i)
        data[i] = QChar(table.toUnicode[static_cast<unsigned char>(bytes[i])]);
    return out;
}

bool fromUnicodeExactly(const QString& text, std::string& bytes, int codePage) {
    bytes.clear();
    for (char32_t ch : text.toUcs4()) {
        const char byte = unicodeToByte(ch, codePage);
        if (byte == '?' && ch != U'?') return false;
        bytes += byte;
    }
    return true;
}

char unicodeToByte(char32_t ch, int codePage) {
    if (ch > 0xFFFF) return '?';
    const Table& table = tableFor(codePage);
    auto it = table.fromUnicode.find(static_cast<char16_t>(ch));
    return it == table.fromUnicode.end() ? '?' : static_cast<char>(it->second);
}

std::string fromUnicode(const QString& text, int codePage) {
    const Table& table = tableFor(codePage);
    std::string out;
    out.reserve(static_cast<size_t>(text.size()));
    for (qsizetype i = 0; i < text.size(); ++i) {
        char16_t ch = text[i].unicode();
        if (QChar::isHighSurrogate(ch) && i + 1 < text.size() && text[i + 1].isLowSurrogate()) {
            ++i;  // one character outside the BMP, one '?'
            out += '?';
            continue;
        }
        auto it = table.fromUnicode.find(ch);
        out += it == table.fromUnicode.end() ? '?' : static_cast<char>(it->second);
    }
    return out;
}

int codePageForCharset(int charset, int defaultCodePage) {
    switch (charset) {
        case 0:
            return 1252;  // ANSI
        case 161:
            return 1253;  // Greek
        case 162:
            return 1254;  // Turkish
        case 163:
            return 1258;  // Vietnamese
        case 177:
            return 1255;  // Hebrew
        case 178:
            return 1256;  // Arabic
        case 186:
            return 1257;  // Baltic
        case 204:
            return 1251;  // Cyrillic
        case 222:
            return 874;  // Thai
        case 238:
            return 1250;  // Eastern European
        default:
            return defaultCodePage;
    }
}

}  // namespace platform
