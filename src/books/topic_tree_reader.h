// The topic tree reader of the book libraries: one book at a time, its
// topics in a tree beside the text of the chosen topic. Buttons choose a
// group of books, step through the group, open the library's search, print
// or copy the topic. The hadith, jurisprudence and translated book readers
// are this screen with their own table (books/book_members.h).
#pragma once

#include <QPointer>
#include <QString>
#include <memory>

#include "books/book_members.h"
#include "platform/forms.h"
#include "shell/sections.h"
#include "skin/skin_screen.h"
#include "skin/star_twinkle.h"

class QLabel;
class QTreeWidget;
class QTreeWidgetItem;
namespace platform {
class RichTextBox;
class Timer;
}  // namespace platform

class TopicTreeReader : public SkinScreen {
    Q_OBJECT
  public:
    TopicTreeReader(BookMember member, QWidget* parent);
    ~TopicTreeReader() override;
    void formCreate() override;

    /// The first load, 10 ms after opening: the first book of the first
    /// group, then the stars.
    void Timer1Timer();

    /// Shows book BookIndexInGroup of the current group from its first topic.
    void ShowBook();
    /// Reads the current book's title and topic count; empties what showed
    /// the book before.
    void LoadBook();
    /// Enables the next and previous book buttons for the place in the group.
    void UpdateBookNavigation();
    /// The tree: the book's title, its topics below.
    void FillTopicTree();
    /// Shows topic n (1..TopicCount) unless it is shown already. A topic
    /// that cannot be read leaves the one shown (and can be chosen again).
    void ShowTopic(int n);
    /// Paints every occurrence of the library's search words red and scrolls
    /// the text to the first of them.
    void HighlightSearchWords();
    /// Scrolls the text so that `position` is in view, and puts the cursor there.
    void ScrollToMark(int position);
    /// The search screen opened book `book`, topic `topic`: shown (again,
    /// also when it is the one shown) with the search words marked.
    void OpenSearchResult(int book, int topic);

    void NextBook();
    void PreviousBook();
    /// Print and copy: the topic's title, then its text.
    void PrintTopic();
    void CopyTopic();
    /// Restores the language and opens a new main menu.
    void BackToMenu();
    /// Escape: back to the menu, also when the skin could not be built.
    void EscapeKey() override { BackToMenu(); }

    const MemberTable& Member;
    int SavedLanguageIndex = 0;
    int BookGroupBase = 0;
    int BookIndexInGroup = 1;
    int BooksInGroup = 1;
    int CurrentBook = 0;
    QString BookTitle;
    int TopicCount = 0;
    /// The topic shown; 0 when none.
    int CurrentTopic = 0;
    /// 1 from a search result's opening until its topic is shown.
    int HighlightPending = 0;

    QTreeWidget* tree1;
    platform::RichTextBox* richtext;
    QLabel* lbltitle;
    QLabel* lblpart;
    platform::Timer* Timer1;
    std::unique_ptr<StarTwinkle> Stars;

  protected:
    void ButtonClick(int n) override;
    /// Opens the library's search screen modally over this reader.
    virtual void OpenSearchScreen() = 0;

  private:
    /// The topic of a tree node: 0 for the root.
    int TopicOfNode(const QTreeWidgetItem* node) const;
    /// A node was chosen (by mouse or keys): shows its topic.
    void NodeChosen(QTreeWidgetItem* node);
    void SelectGroup(const BookGroup& group);
};

/// Opens a reader as a section inside the hub.
template <class Reader>
void OpenReaderSection(QPointer<Reader>& formVariable) {
    Reader* reader = platform::createForm(formVariable, HubArea());
    reader->showAsChild(HubArea());
}
