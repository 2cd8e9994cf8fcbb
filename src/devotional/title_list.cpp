#include "devotional/title_list.h"

#include <QKeyEvent>
#include <unordered_map>

#include "platform/codepage.h"
#include "platform/guard.h"
#include "platform/inifile.h"
#include "platform/paths.h"

namespace {
constexpr int kItemHeight = 19;
const QColor kListColour(218, 215, 184);  // 12113882
}  // namespace

TitleList::TitleList(QWidget* parent) : QListWidget(parent) {
    setObjectName("list1");
    setGeometry(522, 90, 189, 432);
    setFrameShape(QFrame::NoFrame);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setLayoutDirection(Qt::RightToLeft);
    setUniformItemSizes(true);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    QFont font("Arabic Transparent");
    font.setPixelSize(16);  // 12 points
    font.setBold(true);
    setFont(font);
    QPalette p = palette();
    p.setColor(QPalette::Base, kListColour);
    p.setColor(QPalette::Text, Qt::blue);
    setPalette(p);
    connect(this, &QListWidget::itemClicked, this, [this](QListWidgetItem*) { choose(); });
}

void TitleList::LoadTitles(const std::string& windowsPath, const std::string& section, int count) {
    // The file is read once; of two keys with one name the first counts.
    std::unordered_map<std::string, std::string> values;
    if (platform::fileExists(windowsPath))
        for (auto& [key, value] : platform::iniSection(platform::readFile(windowsPath), section))
            values.emplace(key, value);
    clear();
    for (int n = 1; n <= count; ++n) {
        const auto found = values.find(std::to_string(n));
        auto* item = new QListWidgetItem(
            found == values.end() ? QString() : platform::toUnicode(found->second), this);
        item->setSizeHint(QSize(0, kItemHeight));
    }
}

int TitleList::SelectedEntry() const {
    const QList<QListWidgetItem*> selected = selectedItems();
    return selected.isEmpty() ? 0 : row(selected.first()) + 1;
}

QString TitleList::Title(int entry) const {
    const QListWidgetItem* it = item(entry - 1);
    return it ? it->text() : QString();
}

void TitleList::keyPressEvent(QKeyEvent* e) {
    if (e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter) {
        // Enter on an item that the arrows reached but did not select yet.
        if (currentItem() && !currentItem()->isSelected()) currentItem()->setSelected(true);
        choose();
        e->accept();
        return;
    }
    QListWidget::keyPressEvent(e);
}

void TitleList::choose() {
    // A click beside every item selects nothing: there is no entry to open.
    if (SelectedEntry() != 0 && onChoose) platform::guarded(onChoose);
}
