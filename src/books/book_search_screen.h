// The search screen of a book library, shown modally over its reader: books
// move between the available and the chosen list, one or two words are
// typed with "and" or "or", and the chosen books are searched a few at a
// time on a timer, so the screen keeps answering. A hit opens in the reader
// with the words marked.
#pragma once

#include <QPointer>
#include <memory>
#include <optional>
#include <vector>

#include "books/book_members.h"
#include "books/book_search.h"
#include "platform/forms.h"
#include "skin/skin_screen.h"
#include "skin/star_twinkle.h"

class QLineEdit;
class QListWidget;
class QRadioButton;
class TopicTreeReader;
namespace platform {
class StringGrid;
class Timer;
}  // namespace platform

class BookSearchScreen : public SkinScreen {
    Q_OBJECT
  public:
    BookSearchScreen(BookMember member, QWidget* parent);
    ~BookSearchScreen() override;
    void formCreate() override;

    /// Button 1 and Enter in a word box: starts searching the chosen books.
    void RunBookSearch();
    /// One tick of the search: books until TickBudgetMs have passed.
    void Timer1Timer();
    /// Searches the book at 1-based position p of the search's chosen books.
    void SearchOneBook(int p);
    /// Buttons 2 to 5: the selected or all books, from one list to the other.
    void MoveAvailableBooks(bool all);
    void MoveChosenBooks(bool all);
    /// Button 7 and Enter in the grid: opens the current row's hit in the
    /// reader (row 1 when none was chosen) and closes the screen.
    void OpenSearchResult();
    /// Button 6 and Escape: stops a running search and closes.
    void CloseSearch();
    void EscapeKey() override { CloseSearch(); }

    bool Searching() const;

    const MemberTable& Member;
    BookSearchState& State;
    /// The reader that opened this screen.
    QPointer<TopicTreeReader> Reader;
    /// How long one tick searches before the screen takes input again (at
    /// least one book per tick).
    int TickBudgetMs = 30;

    QLineEdit* txtword1;
    QLineEdit* txtword2;
    QRadioButton* optand;
    QRadioButton* optor;
    QListWidget* lstavailable;
    QListWidget* lstchoosed;
    /// The book numbers of the two lists' entries, position by position.
    std::vector<int> lstindex1, lstindex2;
    platform::StringGrid* grdresult;
    platform::Timer* Timer1;
    std::unique_ptr<StarTwinkle> Stars;

  protected:
    void ButtonClick(int n) override;

  private:
    void FillAvailableBooks();
    void StopSearch();
    std::optional<BookSearchWords> words_;
};

/// Opens a search screen modally over `reader`.
template <class Search>
void OpenBookSearch(QPointer<Search>& formVariable, TopicTreeReader* reader) {
    Search* search = platform::createForm(formVariable);
    search->Reader = reader;
    search->showModal();
}
