// Disc text: Arabic code page 1256 and the RTF documents of the disc.
#pragma once

#include <QString>
#include <string>
#include <vector>

namespace disc {

/// Converts text to code page 1256; characters the code page lacks are dropped.
std::string toCp1256(const QString& text);

/// One paragraph of an RTF document.
struct RtfParagraph {
    QString text;
    bool arabic = true;  ///< right to left, right aligned, Arabic font; else left aligned
    bool bold = false;
    int halfPoints = 28;  ///< font size in half points
};

/// A complete RTF document in code page 1256 with an Arabic (\fcharset178)
/// and a Western font; non-ASCII bytes are written as \'hh escapes, and
/// characters the code page lacks as \uN.
std::string rtfDocument(const std::vector<RtfParagraph>& paragraphs);

}  // namespace disc
