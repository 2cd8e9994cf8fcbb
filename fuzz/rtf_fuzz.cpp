// Fuzz target: the RTF reader, and the Arabic code page it decodes with.
// Every byte of output must come from a byte of input, so the document can
// never grow larger than the file.
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "platform/codepage.h"
#include "platform/rtf.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    std::string_view input(reinterpret_cast<const char*>(data), size);
    platform::RtfDocument doc = platform::parseRtf(input);
    size_t textLength = 0, lineBytes = 0, lines = 0;
    for (const platform::RtfParagraph& p : doc.paragraphs) {
        for (const platform::RtfRun& r : p.runs) textLength += static_cast<size_t>(r.text.size());
        for (const std::string& l : p.lines) lineBytes += l.size();
        lines += p.lines.size();
        if (p.lines.empty()) std::abort();
    }
    if (textLength > size || lineBytes > size || doc.paragraphs.size() > size) std::abort();
    if (lines != doc.plainLines().size()) std::abort();

    // A plain-text file keeps its bytes: the lines are the input without line breaks.
    if (!doc.isRtf) {
        std::string joined, stripped;
        for (const std::string& l : doc.plainLines()) joined += l;
        for (char c : input)
            if (c != '\r' && c != '\n') stripped += c;
        if (joined != stripped) std::abort();
    }

    // Every byte of 1256 has a character, so the round trip is exact.
    if (platform::fromUnicode(platform::toUnicode(input, 1256), 1256) != input) std::abort();
    return 0;
}
