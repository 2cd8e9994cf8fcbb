#include "desktop/preferences_dialog.h"

#include <algorithm>

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QStackedWidget>
#include <QVBoxLayout>

#include "desktop/preferences.h"
#include "desktop/texts.h"
#include "platform/guard.h"
#include "platform/paths.h"

namespace desktop {

namespace {

std::vector<std::function<PreferencesPage*()>>& registry() {
    static std::vector<std::function<PreferencesPage*()>> makers = {
        [] { return new GeneralPage(); }, [] { return new SearchPage(); }};
    return makers;
}

}  // namespace

void registerPreferencesPage(std::function<PreferencesPage*()> make) {
    registry().push_back(std::move(make));
}

GeneralPage::GeneralPage() {
    auto* layout = new QVBoxLayout(this);
    startAtMenu = new QCheckBox(text(Text::StartAtMenu));
    startWindowed = new QCheckBox(text(Text::StartWindowed));
    layout->addWidget(startAtMenu);
    layout->addWidget(startWindowed);
    auto* label = new QLabel(text(Text::DiscFolder));
    discFolder = new QLineEdit();
    discFolder->setPlaceholderText(text(Text::DiscAutomatic));
    label->setBuddy(discFolder);
    auto* choose = new QPushButton(text(Text::ChooseFolder));
    auto* row = new QHBoxLayout();
    row->addWidget(discFolder, 1);
    row->addWidget(choose);
    layout->addWidget(label);
    layout->addLayout(row);
    discStatus = new QLabel();
    discStatus->setWordWrap(true);
    layout->addWidget(discStatus);
    layout->addStretch(1);
    connect(discFolder, &QLineEdit::textChanged, this, [this] { showDiscStatus(); });
    connect(choose, &QPushButton::clicked, this, [this] {
        const QString folder =
            QFileDialog::getExistingDirectory(this, text(Text::DiscFolder), discFolder->text());
        if (!folder.isEmpty()) discFolder->setText(folder);
    });
}

QString GeneralPage::title() const {
    return text(Text::GeneralPage);
}

void GeneralPage::load(const Preferences& prefs) {
    startAtMenu->setChecked(prefs.startAtMenu());
    startWindowed->setChecked(prefs.startWindowed());
    discFolder->setText(prefs.discFolder());
    showDiscStatus();
}

void GeneralPage::store(Preferences& prefs) {
    prefs.setValue(Preferences::kStartAtMenu, startAtMenu->isChecked());
    prefs.setValue(Preferences::kStartWindowed, startWindowed->isChecked());
    prefs.setValue(Preferences::kDiscFolder, discFolder->text().trimmed());
}

void GeneralPage::showDiscStatus() {
    const QString folder = discFolder->text().trimmed();
    if (folder.isEmpty()) {
        discStatus->clear();
        return;
    }
    const bool disc = platform::holdsDisc(folder.toStdString());
    discStatus->setText(text(disc ? Text::DiscFound : Text::DiscNotFound) + " " +
                        text(Text::DiscNextStart));
}

SearchPage::SearchPage() {
    auto* layout = new QVBoxLayout(this);
    arabicAware = new QCheckBox(text(Text::ArabicAware));
    wholeWords = new QCheckBox(text(Text::WholeWords));
    daggerAlef = new QCheckBox(text(Text::DaggerAlef));
    // Each option with what it does, in a line that wraps within the page.
    const std::pair<QCheckBox*, Text> rows[] = {{arabicAware, Text::ArabicAwareNote},
                                                {wholeWords, Text::WholeWords},
                                                {daggerAlef, Text::DaggerAlefNote}};
    for (const auto& [box, note] : rows) {
        layout->addWidget(box);
        if (box == wholeWords) continue;
        auto* label = new QLabel(text(note));
        label->setWordWrap(true);
        label->setIndent(24);
        layout->addWidget(label);
    }
    layout->addStretch(1);
}

QString SearchPage::title() const {
    return text(Text::SearchPage);
}

void SearchPage::load(const Preferences& prefs) {
    const platform::SearchOptions o = prefs.searchOptions();
    arabicAware->setChecked(o.arabicAware);
    wholeWords->setChecked(o.wholeWords);
    daggerAlef->setChecked(o.daggerAlef);
}

void SearchPage::store(Preferences& prefs) {
    prefs.setSearchOptions(
        {arabicAware->isChecked(), wholeWords->isChecked(), daggerAlef->isChecked()});
    applySearchOptions(prefs);
}

void applySearchOptions(const Preferences& prefs) {
    platform::setSearchOptions(prefs.searchOptions());
}

PreferencesDialog::PreferencesDialog(Preferences& prefs, QWidget* parent)
    : QDialog(parent), prefs_(prefs) {
    setWindowTitle(text(Text::PreferencesTitle));
    setLayoutDirection(direction());
    setAttribute(Qt::WA_DeleteOnClose);
    pageList = new QListWidget();
    stack_ = new QStackedWidget();
    for (const auto& make : registry()) {
        PreferencesPage* page = make();
        page->load(prefs_);
        pages_.push_back(page);
        pageList->addItem(page->title());
        stack_->addWidget(page);
    }
    // Wide enough for the longest page name, so that no name is cut.
    pageList->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    pageList->setFixedWidth(
        std::min(260, pageList->sizeHintForColumn(0) + 2 * pageList->frameWidth() + 16));
    pageList->setCurrentRow(0);
    connect(pageList, &QListWidget::currentRowChanged, stack_, &QStackedWidget::setCurrentIndex);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    buttons->button(QDialogButtonBox::Ok)->setText(text(Text::Ok));
    buttons->button(QDialogButtonBox::Cancel)->setText(text(Text::Cancel));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* body = new QHBoxLayout();
    body->addWidget(pageList);
    body->addWidget(stack_, 1);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(body, 1);
    layout->addWidget(buttons);
    // Keyboard-complete: Tab runs list, page, buttons; Enter is OK, Escape Cancel.
    setTabOrder(pageList, stack_);
    resize(560, 320);
}

void PreferencesDialog::accept() {
    for (PreferencesPage* page : pages_) page->store(prefs_);
    if (!prefs_.save() && !prefs_.problem().isEmpty())
        platform::ErrorBox::show(prefs_.problem().toStdString());
    if (onApplied) onApplied();
    QDialog::accept();
}

}  // namespace desktop
