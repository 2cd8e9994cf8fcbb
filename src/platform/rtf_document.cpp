#include "platform/rtf_document.h"

#include <utility>

namespace platform {

namespace rtf {

namespace {
constexpr char16_t kLineSeparator = 0x2028;
}  // namespace

DocumentBuilder::DocumentBuilder(FormatOf formatOf) : formatOf_(std::move(formatOf)) {
    para_.lines.emplace_back();
}

void DocumentBuilder::addText(char16_t ch, std::string_view bytes) {
    endCells();
    appendText(ch, bytes);
}

void DocumentBuilder::addLineBreak() {
    endCells();
    lineBreak();
}

void DocumentBuilder::endCell() {
    ++pendingCells_;
}

// The cells ended since the text last went on each end a line. A cell that
// ended its own paragraph (\par before \cell) is on a line of its own already.
void DocumentBuilder::endCells() {
    if (pendingCells_ > 0 && !hasText()) --pendingCells_;
    for (; pendingCells_ > 0; --pendingCells_) lineBreak();
}

void DocumentBuilder::lineBreak() {
    appendText(kLineSeparator, {});
    para_.lines.emplace_back();
}

void DocumentBuilder::appendText(char16_t ch, std::string_view bytes) {
    RtfCharFormat f = formatOf_(ch);
    if (para_.runs.empty() || !(para_.runs.back().format == f))
        para_.runs.push_back({QString(), std::move(f)});
    para_.runs.back().text += QChar(ch);
    para_.lines.back() += bytes;
}

bool DocumentBuilder::hasText() const {
    return !para_.runs.empty() || para_.lines.size() > 1 || !para_.lines.front().empty();
}

void DocumentBuilder::endParagraph(RtfAlign align, RtfDirection direction) {
    pendingCells_ = 0;
    para_.align = align;
    para_.direction = direction;
    paragraphs_.push_back(std::move(para_));
    para_ = RtfParagraph();
    para_.lines.emplace_back();
}

void DocumentBuilder::endRow(RtfAlign align, RtfDirection direction) {
    if (hasText()) endParagraph(align, direction);
    pendingCells_ = 0;
}

std::vector<RtfParagraph> DocumentBuilder::takeParagraphs() {
    return std::exchange(paragraphs_, {});
}

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

}  // namespace rtf

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

}  // namespace platform
