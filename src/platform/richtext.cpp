#include "platform/richtext.h"

#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>

namespace platform {

namespace {

Qt::Alignment alignmentOf(RtfAlign align, Qt::Alignment fallback) {
    switch (align) {
        case RtfAlign::Left:
            return Qt::AlignLeft;
        case RtfAlign::Right:
            return Qt::AlignRight;
        case RtfAlign::Center:
            return Qt::AlignHCenter;
        case RtfAlign::Justify:
            return Qt::AlignJustify;
        case RtfAlign::Default:
            break;
    }
    return fallback;
}

QTextCharFormat charFormat(const RtfCharFormat& f) {
    QTextCharFormat out;
    out.setFontWeight(f.bold ? QFont::Bold : QFont::Normal);
    out.setFontItalic(f.italic);
    out.setFontUnderline(f.underline);
    // Sizes in the file are points at 96 pixels per inch, as on the original display.
    if (f.halfPoints > 0) out.setProperty(QTextFormat::FontPixelSize, (f.halfPoints * 2 + 1) / 3);
    if (f.color) out.setForeground(QColor::fromRgb(*f.color));
    if (!f.fontName.isEmpty()) out.setFontFamilies(QStringList{f.fontName});
    return out;
}

}  // namespace

RichTextBox::RichTextBox(QWidget* parent, const QString& name) : QTextEdit(parent) {
    setObjectName(name);
    setReadOnly(true);
    setFrameStyle(QFrame::NoFrame);
    setAcceptRichText(false);
    setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
}

void RichTextBox::setDefaultFont(const QString& family, int pixelSize) {
    QFont f(family);
    f.setPixelSize(pixelSize > 0 ? pixelSize : 1);
    setFont(f);
    document()->setDefaultFont(f);
}

void RichTextBox::setRightToLeft(bool on) {
    rightToLeft_ = on;
    setLayoutDirection(on ? Qt::RightToLeft : Qt::LeftToRight);
    QTextOption option = document()->defaultTextOption();
    option.setTextDirection(layoutDirection());
    document()->setDefaultTextOption(option);
}

void RichTextBox::setDefaultAlignment(Qt::Alignment alignment) {
    alignment_ = alignment & Qt::AlignHorizontal_Mask & ~Qt::AlignAbsolute;
}

QColor RichTextBox::windowsColor(uint32_t value) {
    return QColor(static_cast<int>(value & 0xFF), static_cast<int>((value >> 8) & 0xFF),
                  static_cast<int>((value >> 16) & 0xFF));
}

void RichTextBox::setBackgroundColor(uint32_t value) {
    QPalette p = palette();
    p.setColor(QPalette::Base, windowsColor(value));
    p.setColor(QPalette::Window, windowsColor(value));
    setPalette(p);
    viewport()->setAutoFillBackground(true);
}

void RichTextBox::showDocument(const RtfDocument& doc) {
    clear();
    lines_ = doc.plainLines();
    QTextCursor cursor(document());
    cursor.beginEditBlock();
    bool first = true;
    for (const RtfParagraph& para : doc.paragraphs) {
        QTextBlockFormat block;
        // Left and right are physical sides, whatever the direction.
        Qt::Alignment align = alignmentOf(
            para.align, alignment_.value_or(rightToLeft_ ? Qt::AlignRight : Qt::AlignLeft));
        if (align & (Qt::AlignLeft | Qt::AlignRight)) align |= Qt::AlignAbsolute;
        block.setAlignment(align);
        bool rtl = para.direction == RtfDirection::Default
                       ? rightToLeft_
                       : para.direction == RtfDirection::RightToLeft;
        block.setLayoutDirection(rtl ? Qt::RightToLeft : Qt::LeftToRight);
        if (first)
            cursor.setBlockFormat(block);
        else
            cursor.insertBlock(block, QTextCharFormat());
        first = false;
        for (const RtfRun& run : para.runs) cursor.insertText(run.text, charFormat(run.format));
    }
    cursor.endEditBlock();
    moveCursor(QTextCursor::Start);
}

void RichTextBox::loadFromFile(const std::string& windowsPath) {
    clear();
    lines_.clear();
    showDocument(loadRtf(windowsPath));
}

void RichTextBox::setPlainText(const QString& text) {
    QTextEdit::setPlainText(text);
    lines_.clear();
    if (text.isEmpty()) return;
    for (const QString& line : text.split(u'\n')) lines_.push_back(fromUnicode(line));
}

QString RichTextBox::selectedText() const {
    QString text = textCursor().selectedText();
    text.replace(QChar::ParagraphSeparator, u'\n');
    text.replace(QChar::LineSeparator, u'\n');
    return text;
}

}  // namespace platform
