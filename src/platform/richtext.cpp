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
    // Laid out while it is built, a long text would hold the interface for
    // seconds. A document without a page size is not laid out; given its
    // size back, it is laid out in steps between events, from the top.
    QTextDocument* text = document();
    const QSizeF page = text->pageSize();
    text->setPageSize(QSizeF(0, 0));
    QTextCursor cursor(text);
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
        // A block is laid out at once, however long: a paragraph longer than
        // any real one goes on in a new block, after a space where it can.
        qsizetype inBlock = 0;
        for (const RtfRun& run : para.runs) {
            const QTextCharFormat format = charFormat(run.format);
            QStringView rest(run.text);
            while (inBlock + rest.size() > kMaxBlockLength) {
                qsizetype cut = kMaxBlockLength - inBlock;
                if (qsizetype space = rest.left(cut).lastIndexOf(u' '); space >= 0) cut = space + 1;
                cursor.insertText(rest.left(cut).toString(), format);
                cursor.insertBlock(block, QTextCharFormat());
                rest = rest.mid(cut);
                inBlock = 0;
            }
            cursor.insertText(rest.toString(), format);
            inBlock += rest.size();
        }
    }
    cursor.endEditBlock();
    // The box's cursor goes to the start before anything is laid out: placed
    // at the end, it would have the whole text laid out to find where it was.
    moveCursor(QTextCursor::Start);
    text->setPageSize(page);
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
