// String grid: a table of text cells with one fixed row on top (row 0, which
// stays in place while the others scroll), set column widths and row heights,
// whole-row selection and an optional right-to-left layout (column 0 on the
// right). Rows are numbered as the screens count them: the fixed row is 0, the
// data rows 1..RowCount()-1, and the current row starts at 1. Arrow keys move
// the current row, Enter reports it, Tab leaves the grid.
#pragma once

#include <QTableWidget>
#include <functional>
#include <initializer_list>

namespace platform {

class StringGrid : public QTableWidget {
    Q_OBJECT
  public:
    StringGrid(QWidget* parent, const QString& name, int columns);

    /// Widths of the columns, from column 0.
    void SetColWidths(std::initializer_list<int> widths);
    /// Height of the fixed row and of every data row.
    void SetRowHeights(int fixedRow, int dataRows);
    /// The colour of the cells.
    void SetCellColour(const QColor& colour);

    /// Rows including the fixed one; at least 2 (a grid always has a data row).
    int RowCount() const { return rowCount() + 1; }
    /// Sets the number of rows (fixed row included); new rows are blank. The
    /// current row stays where it was when it still exists, else goes to 1.
    void SetRowCount(int rows);
    /// Keeps the fixed row and one blank data row; the current row is 1.
    void Clear();

    /// Text of a cell; row 0 is the fixed row.
    QString Cell(int column, int row) const;
    void SetCell(int column, int row, const QString& text);

    /// The current (selected) data row, 1.. RowCount()-1.
    int Row() const;
    void SetRow(int row);

    /// Enter pressed in the grid.
    std::function<void()> onEnter;
    /// A key the grid does not use itself (for example Delete); true when handled.
    std::function<bool(int key)> onKey;

  protected:
    void keyPressEvent(QKeyEvent* e) override;
};

}  // namespace platform
