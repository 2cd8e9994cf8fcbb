#include "platform/print.h"

#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QLocale>
#include <QPageSize>
#include <QPrinter>
#include <QPrinterInfo>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <memory>
#include <vector>

#include "platform/error.h"
#include "platform/guard.h"

namespace platform {

namespace {
bool fileOnly = false;

// Sizes on screen are pixels at 96 per inch; paper counts points.
constexpr qreal kPointsPerPixel = 72.0 / 96.0;

// Arabic letters print in a font whose letter forms each map back to one
// letter, so that the text taken back out of the PDF (search, copy, screen
// readers) is the text that was printed. The fonts that stand in for the
// disc's Arabic fonts on screen join letters into ligatures that a PDF
// cannot map back to their letters.
const QStringList kArabicPrintFonts = {"DejaVu Sans"};

bool hasArabic(const QString& text) {
    for (QChar c : text) {
        const char16_t u = c.unicode();
        if ((u >= 0x0600 && u <= 0x077F) || (u >= 0xFB50 && u <= 0xFDFF) ||
            (u >= 0xFE70 && u <= 0xFEFF))
            return true;
    }
    return false;
}

/// The format of printed text: point sizes for pixel sizes, and the print
/// font for Arabic letters.
QTextCharFormat printFormat(QTextCharFormat format, const QFont& documentFont, bool arabic) {
    if (format.hasProperty(QTextFormat::FontPixelSize)) {
        const int pixels = format.intProperty(QTextFormat::FontPixelSize);
        format.clearProperty(QTextFormat::FontPixelSize);
        format.setFontPointSize(pixels * kPointsPerPixel);
    } else if (!format.hasProperty(QTextFormat::FontPointSize)) {
        format.setFontPointSize(documentFont.pointSizeF());
    }
    if (arabic) format.setFontFamilies(kArabicPrintFonts);
    return format;
}

/// Makes a copy of the screen's document fit for paper.
void prepareForPaper(QTextDocument& page) {
    QFont font = page.defaultFont();
    if (font.pixelSize() > 0) font.setPointSizeF(font.pixelSize() * kPointsPerPixel);
    page.setDefaultFont(font);

    struct Piece {
        int from, to;
        QTextCharFormat format;
    };
    std::vector<Piece> pieces;
    QTextCursor cursor(&page);
    cursor.beginEditBlock();
    for (QTextBlock block = page.begin(); block.isValid(); block = block.next()) {
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextFragment f = it.fragment();
            pieces.push_back({f.position(), f.position() + f.length(),
                              printFormat(f.charFormat(), font, hasArabic(f.text()))});
        }
        if (block.text().isRightToLeft()) {
            QTextBlockFormat side;
            side.setLayoutDirection(Qt::RightToLeft);
            side.setAlignment(Qt::AlignRight | Qt::AlignAbsolute);
            cursor.setPosition(block.position());
            cursor.mergeBlockFormat(side);
        }
    }
    for (const Piece& p : pieces) {
        cursor.setPosition(p.from);
        cursor.setPosition(p.to, QTextCursor::KeepAnchor);
        cursor.setCharFormat(p.format);
    }
    cursor.endEditBlock();
}

std::filesystem::path pdfPathFor(const QString& title) {
    const QString name = printFileName(title);
    const std::filesystem::path folder = printFolder();
    std::filesystem::path path = folder / (name + ".pdf").toStdString();
    for (int n = 2; std::filesystem::exists(path); ++n)
        path = folder / (name + QString(" (%1).pdf").arg(n)).toStdString();
    return path;
}

/// Where a print went, as the user reads it: the path in a left-to-right run
/// of its own inside the Arabic sentence.
std::string savedMessage(const QString& path) {
    const QString sentence = QString::fromUtf8("لا توجد طابعة، فحُفظ النص في الملف ") +
                             QChar(0x2066) + path + QChar(0x2069);
    return sentence.toStdString();
}

}  // namespace

void setPrintToFileOnly(bool on) {
    fileOnly = on;
}

std::filesystem::path printFolder() {
    QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (documents.isEmpty()) documents = QDir::homePath();
    return std::filesystem::path(documents.toStdString()) / "ZAFIREL";
}

QString printFileName(const QString& title) {
    // Characters that some file system refuses, and control characters.
    QString name = title.simplified();
    for (QChar& c : name)
        if (c.unicode() < 32 || QStringLiteral("<>:\"/\\|?*").contains(c)) c = u'-';
    name.truncate(100);
    while (name.endsWith(u'.') || name.endsWith(u' ')) name.chop(1);
    static const QRegularExpression device(QStringLiteral("^(con|prn|aux|nul|com\\d|lpt\\d)$"),
                                           QRegularExpression::CaseInsensitiveOption);
    if (device.match(name).hasMatch()) name += u'-';
    if (name.isEmpty()) name = "ZAFIREL";
    return name;
}

void copyToClipboard(const QString& text) {
    QApplication::clipboard()->setText(text);
}

void copyToClipboard(const QString& title, const QString& text) {
    copyToClipboard(title + "\n" + text);
}

QString printDocument(const QString& title, const QTextDocument& body) {
    // The title in bold above the text.
    std::unique_ptr<QTextDocument> page(body.clone());
    QTextCursor cursor(page.get());
    cursor.movePosition(QTextCursor::Start);
    const QTextBlockFormat first = cursor.blockFormat();
    cursor.insertBlock(first);
    cursor.movePosition(QTextCursor::Start);
    QTextCharFormat bold;
    bold.setFontWeight(QFont::Bold);
    bold.setFontPointSize(14);
    cursor.insertText(title, bold);
    prepareForPaper(*page);

    QPrinter printer(QPrinter::HighResolution);
    const QPrinterInfo installed = QPrinterInfo::defaultPrinter();
    QString where;
    if (!fileOnly && !installed.isNull()) {
        // A printer keeps the paper it is set up with.
        printer.setPrinterName(installed.printerName());
        where = installed.printerName();
    } else {
        const std::filesystem::path path = pdfPathFor(title);
        std::error_code ec;
        std::filesystem::create_directories(path.parent_path(), ec);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(QString::fromStdString(path.string()));
        printer.setPageSize(QPageSize(QLocale().measurementSystem() == QLocale::ImperialUSSystem
                                          ? QPageSize::Letter
                                          : QPageSize::A4));
        where = QString::fromStdString(path.string());
    }
    printer.setDocName(title);
    page->print(&printer);
    if (printer.printerState() == QPrinter::Error)
        throw PlatformError("Cannot print \"" + title.toStdString() + "\" on " +
                            where.toStdString() + ".");
    if (printer.outputFormat() == QPrinter::PdfFormat) {
        std::error_code ec;
        if (std::filesystem::file_size(where.toStdString(), ec) == 0 || ec)
            throw PlatformError("Unable to write to " + where.toStdString());
        ErrorBox::inform(savedMessage(where));
    }
    return where;
}

QString printText(const QString& title, const QString& text, bool rightToLeft) {
    QTextDocument document;
    QFont font = document.defaultFont();
    font.setPixelSize(16);
    font.setBold(true);
    document.setDefaultFont(font);
    QTextOption option;
    option.setTextDirection(rightToLeft ? Qt::RightToLeft : Qt::LeftToRight);
    option.setAlignment((rightToLeft ? Qt::AlignRight : Qt::AlignLeft) | Qt::AlignAbsolute);
    document.setDefaultTextOption(option);
    document.setPlainText(text);
    return printDocument(title, document);
}

}  // namespace platform
