#include "text.h"

#include <QList>
#include <iconv.h>

#include <array>
#include <mutex>
#include <stdexcept>
#include <unordered_map>

namespace disc {

namespace {

// Unicode code point -> byte, built once by decoding every byte of the code page.
const std::unordered_map<char32_t, char>& cp1256Table() {
    static std::unordered_map<char32_t, char> table;
    static std::once_flag once;
    std::call_once(once, [] {
        iconv_t cd = iconv_open("UTF-32LE", "CP1256");
        if (cd == reinterpret_cast<iconv_t>(-1)) throw std::runtime_error("iconv lacks CP1256");
        for (int b = 1; b < 256; ++b) {
            char in = static_cast<char>(b);
            char32_t out = 0;
            char* inPtr = &in;
            char* outPtr = reinterpret_cast<char*>(&out);
            size_t inLeft = 1, outLeft = sizeof out;
            if (iconv(cd, &inPtr, &inLeft, &outPtr, &outLeft) != static_cast<size_t>(-1))
                table.emplace(out, in);
        }
        iconv_close(cd);
    });
    return table;
}

// RTF text in code page 1256; a character the code page lacks becomes \uN.
std::string escapeRtf(const QString& text) {
    static const char* hex = "0123456789abcdef";
    const auto& table = cp1256Table();
    std::string out;
    for (char32_t cp : text.toUcs4()) {
        auto it = table.find(cp);
        if (it == table.end()) {
            if (cp <= 0xFFFF) out += "\\u" + std::to_string(static_cast<int16_t>(cp)) + "?";
            continue;
        }
        const unsigned char c = it->second;
        if (c == '\\' || c == '{' || c == '}') {
            out += '\\';
            out += static_cast<char>(c);
        } else if (c >= 0x80) {
            out += "\\'";
            out += hex[c >> 4];
            out += hex[c & 15];
        } else {
            out += static_cast<char>(c);
        }
    }
    return out;
}

}  // namespace

std::string toCp1256(const QString& text) {
    const auto& table = cp1256Table();
    std::string out;
    for (char32_t cp : text.toUcs4()) {
        auto it = table.find(cp);
        if (it != table.end()) out += it->second;
    }
    return out;
}

std::string rtfDocument(const std::vector<RtfParagraph>& paragraphs) {
    std::string out =
        "{\\rtf1\\ansi\\ansicpg1256\\deff0\\deflang1025"
        "{\\fonttbl{\\f0\\fnil\\fcharset178 Simplified Arabic;}{\\f1\\fswiss\\fcharset0 "
        "Arial;}}\r\n"
        "{\\colortbl ;\\red0\\green0\\blue0;\\red128\\green0\\blue0;}\r\n"
        "\\viewkind4\\uc1";
    for (const auto& p : paragraphs) {
        out += p.arabic ? "\\pard\\rtlpar\\qr\\f0\\rtlch" : "\\pard\\ltrpar\\ql\\f1\\ltrch";
        out += "\\fs" + std::to_string(p.halfPoints);
        out += p.bold ? "\\b\\cf2 " : "\\b0\\cf1 ";
        out += escapeRtf(p.text);
        out += "\\par\r\n";
    }
    out += "}\r\n";
    return out;
}

}  // namespace disc
