// The document the RTF reader builds: paragraphs of formatted runs and their
// plain lines, with the line breaks of \line and of table cells. The reader
// (rtf.cpp) tokenizes the file and follows its groups, destinations and
// formatting; every character of text it finds comes here.
#pragma once

#include <functional>
#include <string_view>

#include "platform/rtf.h"

namespace platform::rtf {

/// The formatting in force for a character where the reader is now.
using FormatOf = std::function<RtfCharFormat(char16_t)>;

class DocumentBuilder {
  public:
    explicit DocumentBuilder(FormatOf formatOf);

    /// A character of text, and its bytes in the plain lines (none for a
    /// character that has no byte there).
    void addText(char16_t ch, std::string_view bytes);
    /// A \line: a new line within the paragraph.
    void addLineBreak();
    /// A \cell: the next cell's text, if any, goes on a line of its own.
    void endCell();
    /// Ends the paragraph with the alignment and direction in force.
    void endParagraph(RtfAlign align, RtfDirection direction);
    /// A \row or a section, page or column break: ends the paragraph when it
    /// holds text, and forgets the cells ended in it.
    void endRow(RtfAlign align, RtfDirection direction);
    /// True when the paragraph being built holds any text or line.
    bool hasText() const;

    /// The paragraphs built so far; the builder is left empty.
    std::vector<RtfParagraph> takeParagraphs();

  private:
    void endCells();
    void lineBreak();
    void appendText(char16_t ch, std::string_view bytes);

    FormatOf formatOf_;
    std::vector<RtfParagraph> paragraphs_;
    RtfParagraph para_;
    int pendingCells_ = 0;  // cells ended since the text last went on
};

/// Reads input that is not RTF: a paragraph per line (CR LF, LF or CR),
/// decoded in `codePage`, bytes unchanged in the plain lines.
RtfDocument parsePlainText(std::string_view bytes, int codePage);

}  // namespace platform::rtf
