// Print and copy of a screen's text: a title and its (rich) text go to the
// default printer, or to a PDF file when there is none, or to the clipboard.
#pragma once

#include <QString>
#include <filesystem>

class QTextDocument;

namespace platform {

/// Puts `title`, a line feed and `text` on the clipboard as plain text.
void copyToClipboard(const QString& title, const QString& text);

/// Prints `title` above `body` on the default printer, without a dialog.
/// With no printer, writes a PDF named after the title into printFolder()
/// and tells the user where it went. Returns the printer's name or the PDF's
/// path. Raises a PlatformError when nothing was printed or written.
QString printDocument(const QString& title, const QTextDocument& body);

/// The same for plain text.
QString printText(const QString& title, const QString& text, bool rightToLeft);

/// Where prints go when there is no printer: the user's documents folder
/// (XDG_DOCUMENTS_DIR) + "/ZAFIREL".
std::filesystem::path printFolder();

/// Tests: never use a printer, always write the PDF.
void setPrintToFileOnly(bool on);

}  // namespace platform
