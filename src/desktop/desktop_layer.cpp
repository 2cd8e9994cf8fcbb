#include "desktop/desktop_layer.h"

#include <QAbstractScrollArea>
#include <QAbstractSpinBox>
#include <QActionGroup>
#include <QApplication>
#include <QContextMenuEvent>
#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QStandardPaths>
#include <QTableWidget>
#include <QTextEdit>
#include <QVBoxLayout>
#include <algorithm>
#include <tuple>

#include "desktop/key_table.h"
#include "desktop/listening_page.h"
#include "desktop/prayer_window.h"
#include "desktop/preferences.h"
#include "desktop/preferences_dialog.h"
#include "desktop/texts.h"
#include "platform/display.h"
#include "platform/forms.h"
#include "platform/guard.h"
#include "platform/media.h"
#include "platform/paths.h"
#include "quran/quran_files.h"
#include "quran/sura_names.h"
#include "quran/unt_qurans.h"
#include "shell/globals.h"
#include "shell/unt_start.h"

#ifndef ZAFIREL_VERSION
#define ZAFIREL_VERSION "0"
#endif

namespace desktop {

namespace {

// The control's own menu, for the controls that have one; the widget that
// gets a right click on a text box is its viewport.
QMenu* standardMenu(QWidget* w, QPoint globalPos) {
    if (auto* edit = qobject_cast<QLineEdit*>(w)) return edit->createStandardContextMenu();
    QWidget* owner = w->parentWidget();
    if (auto* text = qobject_cast<QTextEdit*>(owner); text && text->viewport() == w)
        return text->createStandardContextMenu(w->mapFromGlobal(globalPos));
    if (auto* text = qobject_cast<QPlainTextEdit*>(owner); text && text->viewport() == w)
        return text->createStandardContextMenu(w->mapFromGlobal(globalPos));
    return nullptr;
}

bool editsText(QWidget* w) {
    if (auto* edit = qobject_cast<QLineEdit*>(w)) return !edit->isReadOnly();
    for (QWidget* owner : {w, w->parentWidget()}) {
        if (auto* text = qobject_cast<QTextEdit*>(owner)) return !text->isReadOnly();
        if (auto* text = qobject_cast<QPlainTextEdit*>(owner)) return !text->isReadOnly();
    }
    return qobject_cast<QAbstractSpinBox*>(w) != nullptr;
}

QDialog* infoDialog(const QString& title, QWidget* body, QWidget* parent) {
    auto* dialog = new QDialog(parent);
    dialog->setWindowTitle(title);
    dialog->setLayoutDirection(direction());
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    auto* layout = new QVBoxLayout(dialog);
    layout->addWidget(body, 1);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close);
    buttons->button(QDialogButtonBox::Close)->setText(text(Text::Close));
    QObject::connect(buttons, &QDialogButtonBox::rejected, dialog, &QDialog::reject);
    layout->addWidget(buttons);
    return dialog;
}

}  // namespace

KeysWindow::KeysWindow(const QObject* screen, QWidget* parent) : QDialog(parent) {
    setWindowTitle(text(Text::KeysTitle));
    setLayoutDirection(direction());
    setAttribute(Qt::WA_DeleteOnClose);
    const std::vector<KeyRow> rows = keysFor(screen);
    table = new QTableWidget(static_cast<int>(rows.size()), 2);
    table->setHorizontalHeaderLabels({text(Text::KeyColumn), text(Text::WhatColumn)});
    table->verticalHeader()->hide();
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table->setSelectionBehavior(QAbstractItemView::SelectRows);
    table->setWordWrap(true);
    const bool inArabic = arabic();
    for (int r = 0; r < static_cast<int>(rows.size()); ++r) {
        QStringList names;
        for (QKeyCombination k : rows[r].keys) names << keyName(k);
        // Key names read left to right in an Arabic table too ("Ctrl+,").
        table->setItem(r, 0,
                       new QTableWidgetItem(QChar(0x2066) + names.join(", ") + QChar(0x2069)));
        table->setItem(
            r, 1,
            new QTableWidgetItem(QString::fromUtf8(inArabic ? rows[r].arabic : rows[r].english)));
    }
    table->horizontalHeader()->setSectionResizeMode(0, QHeaderView::ResizeToContents);
    table->horizontalHeader()->setStretchLastSection(true);
    table->resizeRowsToContents();
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(table, 1);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close);
    buttons->button(QDialogButtonBox::Close)->setText(text(Text::Close));
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);
    resize(640, 420);
}

DesktopLayer::DesktopLayer(platform::HubWindow* hub, Preferences& prefs)
    : QObject(hub), hub_(hub), prefs_(prefs) {
    registerListeningPage();
    applyListening(prefs_);
    platform::setProgramEventHook(
        [this](QWidget* receiver, QEvent* e) { return handleEvent(receiver, e); });
    prayerCall = new PrayerCall(
        prefs_, [this] { return prayerClock ? prayerClock() : QDateTime::currentDateTime(); },
        this);
    applySearchOptions(prefs_);
    // The window's last size is kept for the next start.
    connect(qApp, &QCoreApplication::aboutToQuit, this, [this] {
        if (hub_->fullScreenMode()) return;
        keepWindowSize();
        prefs_.save();
    });
}

DesktopLayer::~DesktopLayer() {
    platform::setProgramEventHook({});
}

bool DesktopLayer::handleEvent(QWidget* receiver, QEvent* e) {
    if (e->type() == QEvent::ContextMenu) {
        auto* request = static_cast<QContextMenuEvent*>(e);
        QPoint at = request->globalPos();
        if (request->reason() == QContextMenuEvent::Keyboard)
            at = receiver->mapToGlobal(receiver->rect().center());
        openMenu(receiver, at);
        return true;
    }
    auto* key = static_cast<QKeyEvent*>(e);
    switch (programAction(key->keyCombination(), platform::topForm())) {
        case ProgramAction::FullScreen:
            toggleFullScreen();
            return true;
        case ProgramAction::Preferences:
            openPreferences();
            return true;
        case ProgramAction::Keys:
            openKeys();
            return true;
        case ProgramAction::Menu: {
            QWidget* focus = QApplication::focusWidget();
            if (!focus || focus->window() != hub_) focus = hub_->area();
            openMenu(focus, focus->mapToGlobal(focus->rect().center()));
            return true;
        }
        case ProgramAction::VolumeUp:
        case ProgramAction::VolumeDown:
        case ProgramAction::Mute:
            // Typed into a text box these are characters, not the volume.
            if (editsText(receiver)) return false;
            changeVolume(programAction(key->keyCombination()));
            return true;
        case ProgramAction::PrayerTimes:
            // Without a place the key is the screen's as before.
            return openPrayerTimes() != nullptr;
        case ProgramAction::None:
            return false;
    }
    return false;
}

void DesktopLayer::changeVolume(ProgramAction action) {
    int volume = platform::mediaVolume();
    bool muted = platform::mediaMuted();
    if (action == ProgramAction::Mute) {
        muted = !muted;
    } else {
        // A step unmutes; steps land on whole tens.
        volume = action == ProgramAction::VolumeUp ? (volume / 10 + 1) * 10
                                                   : ((volume + 9) / 10 - 1) * 10;
        muted = false;
    }
    platform::setMediaVolume(volume, muted);
    keepVolume(prefs_);
    if (!prefs_.save() && !prefs_.problem().isEmpty())
        platform::ErrorBox::show(prefs_.problem().toStdString());
}

QMenu* DesktopLayer::openMenu(QWidget* over, QPoint globalPos) {
    if (menu_) menu_->close();
    QMenu* menu = over ? standardMenu(over, globalPos) : nullptr;
    if (menu)
        menu->addSeparator();
    else
        menu = new QMenu(hub_);
    menu->setAttribute(Qt::WA_DeleteOnClose);
    menu->setLayoutDirection(direction());
    addScopeEntries(menu);
    QAction* full = menu->addAction(text(Text::FullScreen) + "\tF11");
    full->setObjectName("fullScreen");
    full->setCheckable(true);
    full->setChecked(hub_->fullScreenMode());
    connect(full, &QAction::triggered, this, [this](bool on) { setFullScreen(on); });
    QAction* prefs = menu->addAction(text(Text::Preferences) + "\tCtrl+,");
    prefs->setObjectName("preferences");
    connect(prefs, &QAction::triggered, this, [this] { openPreferences(); });
    QAction* keys = menu->addAction(text(Text::Keys) + "\tF1");
    keys->setObjectName("keys");
    connect(keys, &QAction::triggered, this, [this] { openKeys(); });
    if (prayer::placeFrom(prefs_)) {
        QAction* times = menu->addAction(prayerTimesTitle() + "\tF7");
        times->setObjectName("prayerTimes");
        connect(times, &QAction::triggered, this, [this] { openPrayerTimes(); });
    }
    menu->addSeparator();
    QAction* about = menu->addAction(text(Text::About));
    about->setObjectName("about");
    connect(about, &QAction::triggered, this, [this] { openAbout(); });
    QAction* quit = menu->addAction(text(Text::Quit) + "\tCtrl+Q");
    quit->setObjectName("quit");
    connect(quit, &QAction::triggered, this, [] { Tfrm_start::QuitKey(); });
    menu_ = menu;
    menu->popup(globalPos);
    return menu;
}

void DesktopLayer::addScopeEntries(QMenu* menu) {
    auto* search = qobject_cast<Tfrm_qurans*>(platform::topForm());
    if (!search) return;
    QPointer<Tfrm_qurans> screen = search;
    auto* group = new QActionGroup(menu);
    auto entry = [&](const QString& label, const char* name, SearchScope::Kind kind) {
        QAction* a = menu->addAction(text(Text::SearchIn) + ": " + label);
        a->setObjectName(name);
        a->setCheckable(true);
        a->setChecked(search->Scope.kind == kind);
        group->addAction(a);
        return a;
    };
    const int sura = CurrentSura;
    connect(entry(text(Text::SearchScopeWhole), "scopeWhole", SearchScope::Whole),
            &QAction::triggered, this, [screen] {
                if (screen) platform::guarded([&] { screen->SetScope({}); });
            });
    connect(entry(text(Text::SearchScopeSura).arg(SuraNamesFile().Name(sura)), "scopeSura",
                  SearchScope::Sura),
            &QAction::triggered, this, [screen, sura] {
                if (screen) platform::guarded([&] { screen->SetScope({SearchScope::Sura, sura}); });
            });
    connect(entry(text(Text::SearchScopePages), "scopePages", SearchScope::Pages),
            &QAction::triggered, this, [this, screen] {
                if (screen) openPageRange(screen);
            });
    menu->addSeparator();
}

QDialog* DesktopLayer::openPageRange(Tfrm_qurans* search) {
    if (pageRange_) pageRange_->close();
    QPointer<Tfrm_qurans> screen = search;
    auto* dialog = new QDialog(hub_);
    dialog->setWindowTitle(text(Text::SearchIn));
    dialog->setLayoutDirection(direction());
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    auto* layout = new QVBoxLayout(dialog);
    // The range shown first: the one chosen before, else the reader's page.
    const bool had = search->Scope.kind == SearchScope::Pages;
    const int page = std::clamp(CurrentPage, 1, kPageCount);
    fromPage = new QSpinBox();
    toPage = new QSpinBox();
    for (auto [box, label, value] :
         {std::tuple{fromPage.data(), Text::PagesFrom, had ? search->Scope.fromPage : page},
          std::tuple{toPage.data(), Text::PagesTo, had ? search->Scope.toPage : page}}) {
        box->setRange(1, kPageCount);
        box->setValue(value);
        auto* row = new QHBoxLayout();
        auto* name = new QLabel(text(label));
        name->setBuddy(box);
        row->addWidget(name);
        row->addWidget(box, 1);
        layout->addLayout(row);
    }
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    buttons->button(QDialogButtonBox::Ok)->setText(text(Text::Ok));
    buttons->button(QDialogButtonBox::Cancel)->setText(text(Text::Cancel));
    connect(buttons, &QDialogButtonBox::accepted, dialog, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, dialog, &QDialog::reject);
    layout->addWidget(buttons);
    connect(dialog, &QDialog::accepted, this, [this, screen] {
        if (!screen || !fromPage || !toPage) return;
        // Pages given the wrong way round are taken as the range they name.
        const int a = fromPage->value(), b = toPage->value();
        platform::guarded([&] {
            screen->SetScope({SearchScope::Pages, 0, std::min(a, b), std::max(a, b)});
        });
    });
    pageRange_ = dialog;
    dialog->open();
    return dialog;
}

void DesktopLayer::setFullScreen(bool on) {
    if (!on == !hub_->fullScreenMode() && hub_->isVisible()) return;
    keepWindowSize();
    hub_->setFullScreenMode(on);
    prefs_.setValue(Preferences::kStartWindowed, !on);
    if (!prefs_.save() && !prefs_.problem().isEmpty())
        platform::ErrorBox::show(prefs_.problem().toStdString());
}

void DesktopLayer::toggleFullScreen() {
    setFullScreen(!hub_->fullScreenMode());
}

void DesktopLayer::keepWindowSize() {
    // The window's size in physical pixels: the next start scales to it.
    if (hub_->fullScreenMode()) return;
    const QSizeF physical = QSizeF(hub_->windowSize()) * hub_->devicePixelRatioF();
    prefs_.setWindowSize(physical.toSize());
}

PreferencesDialog* DesktopLayer::openPreferences() {
    if (!preferences_) preferences_ = new PreferencesDialog(prefs_, hub_);
    preferences_->open();
    preferences_->raise();
    preferences_->activateWindow();
    return preferences_;
}

KeysWindow* DesktopLayer::openKeys() {
    if (keys_) keys_->close();
    keys_ = new KeysWindow(platform::topForm(), hub_);
    keys_->show();
    keys_->activateWindow();
    return keys_;
}

QDialog* DesktopLayer::openAbout() {
    if (about_) about_->close();
    // Paths read left to right in the Arabic text too.
    auto path = [](const QString& p) { return QChar(0x2066) + p.toHtmlEscaped() + QChar(0x2069); };
    const QString docs =
        QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation) + "/ZAFIREL";
    const QString disc =
        QString::fromStdString(platform::driveFolder(platform::programDrive()[0]).string());
    auto* label =
        new QLabel(text(Text::AboutText)
                       .arg(ZAFIREL_VERSION, qVersion(), path(prefs_.file()),
                            path(QString::fromStdString(platform::userDriveFolder().string())),
                            path(docs), path(disc)) +
                   "<p>" + prayerTimesSources().toHtmlEscaped() + "</p>");
    label->setWordWrap(true);
    label->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    about_ = infoDialog(text(Text::AboutTitle), label, hub_);
    about_->resize(560, 360);
    about_->show();
    return about_;
}

PrayerTimesWindow* DesktopLayer::openPrayerTimes() {
    const auto place = prayer::placeFrom(prefs_);
    if (!place) return nullptr;
    if (prayerTimes_) prayerTimes_->close();
    prayerTimes_ = new PrayerTimesWindow(*place, prayer::optionsFrom(prefs_), prayerClock, hub_);
    prayerTimes_->show();
    prayerTimes_->activateWindow();
    return prayerTimes_;
}

void DesktopLayer::reportPreferencesProblem() {
    if (!prefs_.problem().isEmpty()) platform::ErrorBox::show(prefs_.problem().toStdString());
}

}  // namespace desktop
