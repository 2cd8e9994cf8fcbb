#include "desktop/disc_page.h"

#include <QApplication>
#include <QCoreApplication>
#include <QMessageBox>
#include <QElapsedTimer>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QMenu>
#include <QProgressDialog>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>
#include <chrono>
#include <cstdio>

#include "desktop/command_line.h"
#include "desktop/preferences.h"
#include "desktop/texts.h"
#include "platform/guard.h"
#include "platform/interrupt.h"

namespace desktop {

namespace fs = std::filesystem;

namespace {

// The texts of the disc page, English then Arabic.
enum Say {
    PageTitle,
    DiscColumn,
    SizeColumn,
    DateColumn,
    UseDisc,
    ImportDisc,
    FromImage,
    FromFolder,
    ImportImage,
    ImportFolder,
    Importing,
    Progress,
    Left,
    InUse,
    WhereKept,
    Missing,
};

constexpr const char* kSay[][2] = {
    {"Discs", "الأقراص"},
    {"Disc", "القرص"},
    {"Size", "الحجم"},
    {"Imported", "تاريخ الاستيراد"},
    {"Use this disc", "استعمال هذا القرص"},
    {"Import a disc…", "استيراد قرص…"},
    {"From an ISO image…", "من صورة ISO…"},
    {"From a mounted disc (folder)…", "من قرص موصول (مجلد)…"},
    {"Import an ISO image…", "استيراد صورة ISO…"},
    {"Import a mounted disc…", "استيراد قرص موصول…"},
    {"Importing the disc…", "جارٍ استيراد القرص…"},
    {"%1/%2 files, %3/%4 MB", "%1/%2 ملفاً، %3/%4 ميغابايت"},
    {", %1 left", "، بقي %1"},
    {"In use from the next start: %1", "يُستعمل ابتداءً من التشغيل القادم: %1"},
    {"Imported discs are kept in %1. To remove one, delete its folder there.",
     "تُحفظ الأقراص المستوردة في %1. لحذف قرص احذف مجلده هناك."},
    {"The disc was imported into %1, without these files, which could not be read:\n%2",
     "استُورد القرص إلى %1 دون هذه الملفات التي تعذرت قراءتها:\n%2"},
};

QString say(Say id) {
    return QString::fromUtf8(kSay[id][arabic() ? 1 : 0]);
}

QString megabytes(uint64_t bytes) {
    return QString::number(bytes / 1e6, 'f', 1);
}

QString windowProgress(const ImportProgress& p, double seconds) {
    QString line = say(Progress)
                       .arg(p.files)
                       .arg(p.totalFiles)
                       .arg(megabytes(p.bytes), megabytes(p.totalBytes));
    if (p.bytes > 0 && seconds >= 1 && p.bytes < p.totalBytes) {
        const long s = static_cast<long>((p.totalBytes - p.bytes) * seconds / p.bytes + 0.5);
        line += say(Left).arg(QString::asprintf("%ld:%02ld", s / 60, s % 60));
    }
    return line;
}

}  // namespace

int importOnTerminal(const CommandLine& line, Preferences& prefs) {
    const fs::path discs = importedDiscsFolder();
    std::fprintf(stderr, "Importing %s into %s (Ctrl+C cancels)\n", line.importSource.c_str(),
                 discs.c_str());
    platform::catchInterrupt();
    const bool terminal = platform::stderrIsTerminal();
    const auto start = std::chrono::steady_clock::now();
    ProgressLine progressLine;
    ImportOptions options;
    options.name = line.importName;
    options.keepGoing = line.keepGoing;
    options.progress = [&](const ImportProgress& p) {
        const double seconds =
            std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
        const std::string text = progressLine.update(p, seconds);
        if (!text.empty()) std::fprintf(stderr, terminal ? "\r%s\033[K" : "%s\n", text.c_str());
        return !platform::interrupted();
    };
    const ImportResult result = importDisc(line.importSource, discs, options);
    platform::releaseInterrupt();
    if (terminal) std::fputc('\n', stderr);
    if (!result.ok) {
        std::fprintf(stderr, "zafirel: %s\n", result.error.c_str());
        return result.cancelled ? 130 : 1;
    }
    for (const auto& name : result.missing)
        std::fprintf(stderr, "Not imported: %s\n", name.c_str());
    std::printf("Imported into %s; it is the program's disc from now on.\n", result.disc.c_str());
    prefs.setValue(Preferences::kDiscFolder, QString::fromStdString(result.disc.string()));
    if (!prefs.save()) std::fprintf(stderr, "zafirel: %s\n", prefs.problem().toStdString().c_str());
    return 0;
}

std::vector<fs::path> importedDiscFolders(const fs::path& discs) {
    std::vector<fs::path> folders;
    for (const auto& disc : listImportedDiscs(discs)) folders.push_back(disc.folder);
    return folders;
}

fs::path importWithProgress(QWidget* parent, const fs::path& source, const fs::path& discs) {
    QProgressDialog dialog(say(Importing), text(Text::Cancel), 0, 1000, parent);
    dialog.setLayoutDirection(direction());
    dialog.setWindowModality(Qt::WindowModal);
    dialog.setMinimumDuration(0);
    dialog.setAutoReset(false);
    dialog.setWindowTitle(say(Importing));
    // Escape rejects the dialog; that is a cancel too, not only a hidden window.
    QObject::connect(&dialog, &QDialog::rejected, &dialog, &QProgressDialog::cancel);
    QElapsedTimer clock;
    clock.start();
    qint64 shown = -1000;
    ImportOptions options;
    options.progress = [&](const ImportProgress& p) {
        // The window is redrawn (and Escape read) a few times a second.
        if (clock.elapsed() - shown >= 50) {
            shown = clock.elapsed();
            dialog.setLabelText(windowProgress(p, shown / 1000.0));
            dialog.setValue(p.totalBytes ? static_cast<int>(p.bytes * 1000 / p.totalBytes) : 0);
            QCoreApplication::processEvents();
        }
        return !dialog.wasCanceled();
    };
    const ImportResult result = importDisc(source, discs, options);
    dialog.close();
    if (!result.ok) {
        if (!result.cancelled) platform::ErrorBox::show(result.error);
        return {};
    }
    if (!result.missing.empty()) {
        QStringList names;
        for (const auto& name : result.missing) names << QString::fromStdString(name);
        platform::ErrorBox::inform(
            say(Missing)
                .arg(QString::fromStdString(result.disc.string()), names.join('\n'))
                .toStdString());
    }
    return result.disc;
}

fs::path offerImportWhenNoDisc(const std::string& message) {
    if (!qobject_cast<QApplication*>(QCoreApplication::instance())) {
        platform::ErrorBox::showAndWait(message);  // standard error only
        return {};
    }
    std::fprintf(stderr, "ZAFIREL: %s\n", message.c_str());
    for (;;) {
        QMessageBox box(QMessageBox::Critical, QApplication::applicationName(),
                        QString::fromStdString(message), QMessageBox::Ok);
        QPushButton* image = box.addButton(say(ImportImage), QMessageBox::ActionRole);
        QPushButton* folder = box.addButton(say(ImportFolder), QMessageBox::ActionRole);
        box.setDefaultButton(QMessageBox::Ok);
        box.exec();
        QString source;
        if (box.clickedButton() == image)
            source = QFileDialog::getOpenFileName(nullptr, say(ImportDisc), {},
                                                  "ISO (*.iso *.ISO *.img *.IMG);;* (*)");
        else if (box.clickedButton() == folder)
            source = QFileDialog::getExistingDirectory(nullptr, say(ImportDisc));
        else
            return {};
        if (source.isEmpty()) continue;
        const fs::path disc =
            importWithProgress(nullptr, source.toStdString(), importedDiscsFolder());
        if (!disc.empty()) return disc;
    }
}

DiscsPage::DiscsPage(fs::path discs) : discs_(std::move(discs)) {
    auto* layout = new QVBoxLayout(this);
    list = new QTreeWidget();
    list->setHeaderLabels({say(DiscColumn), say(SizeColumn), say(DateColumn)});
    list->setRootIsDecorated(false);
    list->header()->setSectionResizeMode(0, QHeaderView::Stretch);
    layout->addWidget(list, 1);
    use = new QPushButton(say(UseDisc));
    importButton = new QPushButton(say(ImportDisc));
    auto* menu = new QMenu(importButton);
    menu->addAction(say(FromImage), this, [this] {
        const QString file = QFileDialog::getOpenFileName(this, say(ImportDisc), {},
                                                          "ISO (*.iso *.ISO *.img *.IMG);;* (*)");
        if (!file.isEmpty()) importFrom(file.toStdString());
    });
    menu->addAction(say(FromFolder), this, [this] {
        const QString folder = QFileDialog::getExistingDirectory(this, say(ImportDisc));
        if (!folder.isEmpty()) importFrom(folder.toStdString());
    });
    importButton->setMenu(menu);
    auto* row = new QHBoxLayout();
    row->addWidget(use);
    row->addWidget(importButton);
    row->addStretch(1);
    layout->addLayout(row);
    status = new QLabel();
    status->setWordWrap(true);
    layout->addWidget(status);
    auto* where = new QLabel(say(WhereKept).arg(QString::fromStdString(discs_.string())));
    where->setWordWrap(true);
    where->setTextInteractionFlags(Qt::TextSelectableByMouse);
    layout->addWidget(where);
    connect(use, &QPushButton::clicked, this, [this] {
        const QTreeWidgetItem* item = list->currentItem();
        if (!item) return;
        current_ = item->data(0, Qt::UserRole).toString();
        chosen_ = true;
        refresh();
    });
}

QString DiscsPage::title() const {
    return say(PageTitle);
}

void DiscsPage::load(const Preferences& prefs) {
    current_ = prefs.discFolder();
    chosen_ = false;
    refresh();
}

void DiscsPage::store(Preferences& prefs) {
    if (chosen_) prefs.setValue(Preferences::kDiscFolder, current_);
}

void DiscsPage::importFrom(const fs::path& source) {
    const fs::path disc = importWithProgress(this, source, discs_);
    if (disc.empty()) return;
    current_ = QString::fromStdString(disc.string());
    chosen_ = true;  // a disc brought in is the one to use
    refresh();
}

void DiscsPage::refresh() {
    list->clear();
    for (const ImportedDisc& d : listImportedDiscs(discs_)) {
        const QString folder = QString::fromStdString(d.folder.string());
        auto* item =
            new QTreeWidgetItem({QString::fromStdString(d.label), megabytes(d.bytes) + " MB",
                                 QString::fromStdString(d.date)});
        item->setData(0, Qt::UserRole, folder);
        list->addTopLevelItem(item);
        if (folder == current_) {
            QFont bold = item->font(0);
            bold.setBold(true);
            for (int c = 0; c < 3; ++c) item->setFont(c, bold);
            list->setCurrentItem(item);
        }
    }
    status->setText(chosen_ ? say(InUse).arg(current_) : QString());
    use->setEnabled(list->topLevelItemCount() > 0);
}

}  // namespace desktop
