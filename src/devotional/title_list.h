// The title list of the remembrances and the occasions of revelation: one
// title per entry, item i standing for entry i + 1, in the screens' one look.
// An entry is chosen by a click on its item or by Enter on the current item;
// the arrow keys only move the selection.
#pragma once

#include <QListWidget>
#include <functional>
#include <string>
#include <vector>

class TitleList : public QListWidget {
    Q_OBJECT
  public:
    /// The list at (522, 90), 189 by 432, right to left, without border.
    explicit TitleList(QWidget* parent);

    /// Shows `count` items: the value of key n (1..count) of `section` of the
    /// INI file `windowsPath` for item n - 1; a missing file or key gives an
    /// empty item, so that every item keeps its number.
    void LoadTitles(const std::string& windowsPath, const std::string& section, int count);

    /// The entry of the selected item (its index + 1); 0 when none is selected.
    int SelectedEntry() const;
    /// The text of the item of `entry`, empty when there is none.
    QString Title(int entry) const;

    /// Runs (through the guard) when the user chooses the selected item.
    std::function<void()> onChoose;

  protected:
    void keyPressEvent(QKeyEvent* e) override;

  private:
    void choose();
};
