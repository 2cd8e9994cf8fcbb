#include "platform/print.h"

#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QPrinter>
#include <QPrinterInfo>
#include <QStandardPaths>
#include <QTextCursor>
#include <QTextDocument>
#include <memory>

#include "platform/error.h"
#include "platform/guard.h"

namespace platform {

namespace {
bool fileOnly = false;

/// A file name for `title`: no folder separators or control characters, and
/// a number added when a print of that name is already there.
std::filesystem::path pdfPathFor(const QString& title) {
    QString name = title.simplified();
    for (QChar& c : name)
        if (c == u'/' || c == u'\\' || c.unicode() < 32) c = u'-';
    if (name.isEmpty() || name == "." || name == "..") name = "ZAFIREL";
    name.truncate(100);
    const std::filesystem::path folder = printFolder();
    std::filesystem::path path = folder / (name + ".pdf").toStdString();
    for (int n = 2; std::filesystem::exists(path); ++n)
        path = folder / (name + QString(" (%1).pdf").arg(n)).toStdString();
    return path;
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

void copyToClipboard(const QString& title, const QString& text) {
    QApplication::clipboard()->setText(title + "\n" + text);
}

QString printDocument(const QString& title, const QTextDocument& body) {
    // The title in bold above the text, in the text's own direction.
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

    QPrinter printer(QPrinter::HighResolution);
    const QPrinterInfo installed = QPrinterInfo::defaultPrinter();
    QString where;
    if (!fileOnly && !installed.isNull()) {
        printer.setPrinterName(installed.printerName());
        where = installed.printerName();
    } else {
        const std::filesystem::path path = pdfPathFor(title);
        std::error_code ec;
        std::filesystem::create_directories(path.parent_path(), ec);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(QString::fromStdString(path.string()));
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
        ErrorBox::inform("There is no printer; the text was saved as " + where.toStdString());
    }
    return where;
}

QString printText(const QString& title, const QString& text, bool rightToLeft) {
    QTextDocument document;
    QTextOption option;
    option.setTextDirection(rightToLeft ? Qt::RightToLeft : Qt::LeftToRight);
    option.setAlignment((rightToLeft ? Qt::AlignRight : Qt::AlignLeft) | Qt::AlignAbsolute);
    document.setDefaultTextOption(option);
    document.setPlainText(text);
    return printDocument(title, document);
}

}  // namespace platform
