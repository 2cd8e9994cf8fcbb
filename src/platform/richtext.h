// The rich-text box: a read-only text control that shows an RTF document
// (the about text, commentaries, book pages) and keeps its plain lines for
// the screens that read them (timing lists).
#pragma once

#include <QColor>
#include <QTextEdit>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "platform/rtf.h"

namespace platform {

class RichTextBox : public QTextEdit {
    Q_OBJECT
  public:
    /// A read-only box without border; the text can be selected and copied.
    explicit RichTextBox(QWidget* parent = nullptr, const QString& name = {});

    /// The font of text whose file names no font or size.
    void setDefaultFont(const QString& family, int pixelSize);

    /// Reading direction of paragraphs that do not give their own. A
    /// right-to-left box aligns paragraphs without an alignment of their own
    /// to the right, unless setDefaultAlignment says otherwise.
    void setRightToLeft(bool on);
    bool rightToLeft() const { return rightToLeft_; }

    /// Alignment of paragraphs that do not give their own (Qt::AlignLeft,
    /// AlignRight, AlignHCenter or AlignJustify; always taken as physical
    /// sides). Without it, the side the box reads from.
    void setDefaultAlignment(Qt::Alignment alignment);

    /// Background colour as a Windows colour value 0x00BBGGRR.
    void setBackgroundColor(uint32_t windowsColor);

    /// Shows a parsed document, replacing what the box showed. It returns
    /// once the text is built; the text is laid out from the top in short
    /// steps between events, so that a long text never holds the interface.
    /// A paragraph longer than kMaxBlockLength characters is shown in blocks
    /// of at most that length (plainLines() keeps it whole).
    void showDocument(const RtfDocument& document);

    /// The longest stretch of text laid out as one block.
    static constexpr qsizetype kMaxBlockLength = 32768;

    /// Loads an RTF (or plain text) file named by a Windows path. On an error
    /// the box is left empty and the error ("Cannot open file ...", or a file
    /// too large to show, see loadRtf) is raised.
    void loadFromFile(const std::string& windowsPath);

    /// Shows plain text (lines separated by "\n"); plainLines() follows it.
    void setPlainText(const QString& text);

    /// The lines of the text last shown, as single-byte text in its code page.
    const std::vector<std::string>& plainLines() const { return lines_; }

    /// The selected text, with paragraph ends as "\n".
    QString selectedText() const;

    /// The colour of a Windows colour value 0x00BBGGRR.
    static QColor windowsColor(uint32_t value);

  private:
    bool rightToLeft_ = false;
    std::optional<Qt::Alignment> alignment_;
    std::vector<std::string> lines_;
};

}  // namespace platform
