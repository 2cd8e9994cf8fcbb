// The RTF reader: turns the disc's rich-text files into paragraphs of
// formatted runs for display, and into plain lines of single-byte text for
// timing lists and searches. Reads bytes only; never touches widgets.
//
// It is built to survive any input: unbalanced braces, truncated files, huge
// numbers and deep nesting are read as far as they make sense, never outside
// the input, and always in time proportional to its length.
#pragma once

#include <QString>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/codepage.h"

namespace platform {

/// Character formatting of a run. A size of 0 or an empty font name means
/// "not given by the file": the box's default font applies.
struct RtfCharFormat {
    bool bold = false;
    bool italic = false;
    bool underline = false;
    int halfPoints = 0;              ///< \fsN; 0 when not given
    std::optional<uint32_t> color;   ///< 0xRRGGBB from \colortbl + \cfN; none is automatic
    QString fontName;                ///< from \fonttbl; empty when not given
    int codePage = kArabicCodePage;  ///< code page of the run's font

    bool operator==(const RtfCharFormat&) const = default;
};

/// A stretch of text with one formatting.
struct RtfRun {
    QString text;  ///< Unicode; a \line is U+2028, a \tab is '\t'
    RtfCharFormat format;
};

enum class RtfAlign { Default, Left, Right, Center, Justify };
enum class RtfDirection { Default, LeftToRight, RightToLeft };

struct RtfParagraph {
    RtfAlign align = RtfAlign::Default;              ///< \ql \qr \qc \qj; Default when none
    RtfDirection direction = RtfDirection::Default;  ///< \ltrpar / \rtlpar
    std::vector<RtfRun> runs;
    /// The paragraph's text as single-byte lines (one more per \line), each
    /// character in its font's code page: the bytes of the file stay as they were.
    std::vector<std::string> lines;

    /// All runs' text joined.
    QString text() const;
};

struct RtfDocument {
    std::vector<RtfParagraph> paragraphs;
    int codePage = kArabicCodePage;  ///< \ansicpgN, or the default given to the reader
    bool isRtf = false;              ///< false when the input was read as plain text

    /// The text as lines of single-byte text: a line per paragraph and per
    /// \line. A plain-text input gives its own lines, bytes unchanged.
    std::vector<std::string> plainLines() const;
};

/// Parses RTF bytes. Input that does not start with "{\rtf" is read as plain
/// text: a paragraph per line (CR LF, LF or CR), decoded in `defaultCodePage`.
/// `defaultCodePage` also serves an RTF file that names no code page.
RtfDocument parseRtf(std::string_view bytes, int defaultCodePage = kArabicCodePage);

/// The plain lines of RTF (or plain text) bytes; see RtfDocument::plainLines.
std::vector<std::string> rtfPlainLines(std::string_view bytes,
                                       int defaultCodePage = kArabicCodePage);

/// The largest text file the program reads, far above any real topic: a
/// larger one is refused before it is read.
constexpr uintmax_t kRtfMaxFileBytes = 4 << 20;

/// Reads and parses the file named by a Windows path; raises "Cannot open
/// file", or "<path> is too large to show (N MB, at most 4 MB)." for a file
/// larger than kRtfMaxFileBytes.
RtfDocument loadRtf(const std::string& windowsPath, int defaultCodePage = kArabicCodePage);

/// The plain lines of the file named by a Windows path; raises as loadRtf.
std::vector<std::string> loadRtfPlainLines(const std::string& windowsPath,
                                           int defaultCodePage = kArabicCodePage);

/// The deepest group nesting the reader follows; deeper groups are skipped.
constexpr int kRtfMaxDepth = 1000;

}  // namespace platform
