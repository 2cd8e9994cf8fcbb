// The preferences dialog: one page per subject, listed on its side. A page is
// added by registering a maker; the general page (start, window, disc folder)
// is the first.
#pragma once

#include <QDialog>
#include <QString>
#include <QWidget>
#include <functional>
#include <vector>

class QCheckBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QStackedWidget;

namespace desktop {

class Preferences;

/// A page of the dialog: shows the options it owns and stores them back.
class PreferencesPage : public QWidget {
    Q_OBJECT
  public:
    using QWidget::QWidget;
    /// The page's name in the list, in the interface language.
    virtual QString title() const = 0;
    /// Shows the values of `prefs`.
    virtual void load(const Preferences& prefs) = 0;
    /// Puts the values shown into `prefs` (the dialog saves them).
    virtual void store(Preferences& prefs) = 0;
};

/// Adds a page to every dialog opened from now on, after the pages already
/// registered.
void registerPreferencesPage(std::function<PreferencesPage*()> make);

/// The general page: start at the main menu, start in a window, disc folder.
class GeneralPage : public PreferencesPage {
    Q_OBJECT
  public:
    GeneralPage();
    QString title() const override;
    void load(const Preferences& prefs) override;
    void store(Preferences& prefs) override;

    QCheckBox* startAtMenu;
    QCheckBox* startWindowed;
    QLineEdit* discFolder;
    /// What the chosen folder holds.
    QLabel* discStatus;

  private:
    void showDiscStatus();
};

/// The search page: Arabic-aware search, whole words, the written-out alefs.
/// What it stores is applied to the searches at once.
class SearchPage : public PreferencesPage {
    Q_OBJECT
  public:
    SearchPage();
    QString title() const override;
    void load(const Preferences& prefs) override;
    void store(Preferences& prefs) override;

    QCheckBox* arabicAware;
    QCheckBox* wholeWords;
    QCheckBox* daggerAlef;
};

/// Gives the searches the options kept in `prefs` (at start, and when the
/// dialog is accepted).
void applySearchOptions(const Preferences& prefs);

class PreferencesDialog : public QDialog {
    Q_OBJECT
  public:
    explicit PreferencesDialog(Preferences& prefs, QWidget* parent = nullptr);

    /// Stores every page into the preferences and saves them; a file that
    /// cannot be written is reported. Then runs onApplied.
    void accept() override;

    std::function<void()> onApplied;
    const std::vector<PreferencesPage*>& pages() const { return pages_; }
    QListWidget* pageList;

  private:
    Preferences& prefs_;
    QStackedWidget* stack_;
    std::vector<PreferencesPage*> pages_;
};

}  // namespace desktop
