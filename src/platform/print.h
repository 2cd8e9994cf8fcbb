// Print and copy of a screen's text: a title and its (rich) text go to the
// default printer, or to a PDF file when there is none, or to the clipboard.
#pragma once

#include <QString>
#include <filesystem>

class QTextDocument;

namespace platform {

/// Puts `text` on the clipboard as plain text, replacing what it held.
void copyToClipboard(const QString& text);

/// Puts `title`, a line feed and `text` on the clipboard as plain text.
void copyToClipboard(const QString& title, const QString& text);

/// Prints `title` above `body` on the default printer, without a dialog.
/// With no printer, writes a PDF named after the title into printFolder(),
/// on the locale's paper (Letter where the locale measures in inches, A4
/// elsewhere), and tells the user where it went. Text prints at the size it
/// has on screen (pixel sizes are taken at 96 per inch), right-to-left
/// paragraphs aligned right, over as many pages as it needs. Returns the
/// printer's name or the PDF's path. Raises a PlatformError when nothing was
/// printed or written.
QString printDocument(const QString& title, const QTextDocument& body);

/// The same for plain text, in the 16-pixel (12-point) bold of the screens'
/// text panes.
QString printText(const QString& title, const QString& text, bool rightToLeft);

/// Where prints go when there is no printer: the user's documents folder
/// (XDG_DOCUMENTS_DIR) + "/ZAFIREL".
std::filesystem::path printFolder();

/// The file name a print titled `title` gets (without folder and ".pdf"):
/// the title without characters that file systems refuse.
QString printFileName(const QString& title);

/// Tests: never use a printer, always write the PDF.
void setPrintToFileOnly(bool on);

}  // namespace platform
