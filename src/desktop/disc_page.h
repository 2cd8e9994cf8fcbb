// The imported discs in the program: the preferences' disc page (list,
// choose, import with a progress bar), the import from the command line with
// a one-line progress, and the disc search order that includes them.
#pragma once

#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "desktop/disc_import.h"
#include "desktop/preferences_dialog.h"

class QLabel;
class QPushButton;
class QTreeWidget;

namespace desktop {

struct CommandLine;
class Preferences;

/// --import on the terminal: a progress line, Ctrl+C cancels. On success the
/// disc becomes the chosen one in `prefs` (saved). Returns the exit status:
/// 0 when imported.
int importOnTerminal(const CommandLine& line, Preferences& prefs);

/// The folders of the discs imported under `discs`, newest first: where the
/// disc is looked for after the program's folder and before mounted media.
std::vector<std::filesystem::path> importedDiscFolders(const std::filesystem::path& discs);

/// Imports `source` with a progress window (files, MB, time left; Escape
/// cancels); tells the outcome in a box. The new disc's folder, or empty.
std::filesystem::path importWithProgress(QWidget* parent, const std::filesystem::path& source,
                                         const std::filesystem::path& discs);

/// The box that tells no disc was found (`message`, also on standard error),
/// with "Import an ISO image…" and "Import a mounted disc…" beside OK. The
/// imported disc's folder, or empty when the user closed the box (or there is
/// no display).
std::filesystem::path offerImportWhenNoDisc(const std::string& message);

/// The disc page: the imported discs (label, size, date), the one used, and
/// "Import a disc…".
class DiscsPage : public PreferencesPage {
    Q_OBJECT
  public:
    explicit DiscsPage(std::filesystem::path discs = importedDiscsFolder());
    QString title() const override;
    void load(const Preferences& prefs) override;
    void store(Preferences& prefs) override;

    /// Fills the list again from the folder.
    void refresh();

    QTreeWidget* list;
    QPushButton* use;
    QPushButton* importButton;
    QLabel* status;
    /// Imports `source` with a progress window; the new disc becomes the one used.
    void importFrom(const std::filesystem::path& source);

  private:
    std::filesystem::path discs_;
    QString current_;
    bool chosen_ = false;
};

}  // namespace desktop
