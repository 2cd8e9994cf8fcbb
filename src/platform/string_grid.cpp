#include "platform/string_grid.h"

#include <QHeaderView>
#include <QKeyEvent>
#include <algorithm>

#include "platform/guard.h"

namespace platform {

// The fixed row is the table's horizontal header, so it stays in place while
// the data rows scroll; data row r is the table's row r - 1.

StringGrid::StringGrid(QWidget* parent, const QString& name, int columns)
    : QTableWidget(1, columns, parent) {
    setObjectName(name);
    verticalHeader()->hide();
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    verticalHeader()->setMinimumSectionSize(1);
    horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    horizontalHeader()->setStretchLastSection(false);
    horizontalHeader()->setHighlightSections(false);
    horizontalHeader()->setSectionsClickable(false);
    for (int c = 0; c < columns; ++c) setHorizontalHeaderItem(c, new QTableWidgetItem);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setTabKeyNavigation(false);
    setWordWrap(false);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setCurrentCell(0, 0);
}

void StringGrid::SetColWidths(std::initializer_list<int> widths) {
    int c = 0;
    for (int w : widths) horizontalHeader()->resizeSection(c++, w);
}

void StringGrid::SetRowHeights(int fixedRow, int dataRows) {
    horizontalHeader()->setFixedHeight(fixedRow);
    verticalHeader()->setDefaultSectionSize(dataRows);
    for (int r = 0; r < rowCount(); ++r) setRowHeight(r, dataRows);
}

void StringGrid::SetCellColour(const QColor& colour) {
    QPalette p = palette();
    p.setColor(QPalette::Base, colour);
    setPalette(p);
}

void StringGrid::SetRowCount(int rows) {
    const int current = Row();
    setRowCount(std::max(1, rows - 1));
    SetRow(current < RowCount() ? current : 1);
}

void StringGrid::Clear() {
    setRowCount(0);
    setRowCount(1);
    SetRow(1);
}

QString StringGrid::Cell(int column, int row) const {
    const QTableWidgetItem* item =
        row == 0 ? horizontalHeaderItem(column) : this->item(row - 1, column);
    return item ? item->text() : QString();
}

void StringGrid::SetCell(int column, int row, const QString& text) {
    if (column < 0 || column >= columnCount() || row < 0 || row >= RowCount()) return;
    if (row == 0) {
        horizontalHeaderItem(column)->setText(text);
    } else if (QTableWidgetItem* cell = item(row - 1, column)) {
        cell->setText(text);
    } else {
        setItem(row - 1, column, new QTableWidgetItem(text));
    }
}

int StringGrid::Row() const {
    return currentRow() < 0 ? 1 : currentRow() + 1;
}

void StringGrid::SetRow(int row) {
    if (row < 1 || row >= RowCount()) return;
    setCurrentCell(row - 1, std::max(0, currentColumn()));
}

void StringGrid::keyPressEvent(QKeyEvent* e) {
    const int key = e->key();
    if ((key == Qt::Key_Return || key == Qt::Key_Enter) && onEnter) {
        guarded(onEnter);
        e->accept();
        return;
    }
    bool handled = false;
    if (onKey) guarded([&] { handled = onKey(key); });
    if (handled) {
        e->accept();
        return;
    }
    QTableWidget::keyPressEvent(e);
}

}  // namespace platform
