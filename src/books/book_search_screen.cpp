#include "books/book_search_screen.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QRadioButton>
#include <chrono>

#include "books/book_files.h"
#include "books/topic_tree_reader.h"
#include "platform/clock.h"
#include "platform/codepage.h"
#include "platform/error.h"
#include "platform/guard.h"
#include "platform/indexed_text_file.h"
#include "platform/string_grid.h"
#include "shell/globals.h"

namespace {
std::vector<ButtonName> ButtonNameTable();
}

namespace {

QFont fontOf(const char* family, int pixels, bool bold) {
    QFont font(family);
    font.setPixelSize(pixels);
    font.setBold(bold);
    return font;
}

void setBackground(QWidget* w, QColor colour) {
    QPalette p = w->palette();
    p.setColor(QPalette::Window, colour);
    w->setPalette(p);
    w->setAutoFillBackground(true);
}

/// Runs `action` on Enter in `widget`.
class EnterKey : public QObject {
  public:
    EnterKey(QWidget* widget, std::function<void()> action)
        : QObject(widget), action_(std::move(action)) {
        widget->installEventFilter(this);
    }
    bool eventFilter(QObject*, QEvent* e) override {
        if (e->type() != QEvent::KeyPress) return false;
        const int key = static_cast<QKeyEvent*>(e)->key();
        if (key != Qt::Key_Return && key != Qt::Key_Enter) return false;
        platform::guarded(action_);
        return true;
    }

  private:
    std::function<void()> action_;
};

/// Moves the entries of `from` that are selected (or all) to the end of `to`,
/// in list order, with their book numbers.
void moveBooks(QListWidget* from, std::vector<int>& fromBooks, QListWidget* to,
               std::vector<int>& toBooks, bool all) {
    for (int i = 0; i < from->count();) {
        if (!all && !from->item(i)->isSelected()) {
            ++i;
            continue;
        }
        std::unique_ptr<QListWidgetItem> item(from->takeItem(i));
        to->addItem(item->text());
        toBooks.push_back(fromBooks[static_cast<size_t>(i)]);
        fromBooks.erase(fromBooks.begin() + i);
    }
}

}  // namespace

BookSearchScreen::BookSearchScreen(BookMember member, QWidget* parent)
    : SkinScreen(parent), Member(MemberOf(member)), State(SearchStateOf(member)) {
    CloseButton = 6;
    TabReachesButtons();
    const bool live = Member.live;
    const Qt::LayoutDirection direction = live ? Qt::LeftToRight : Qt::RightToLeft;

    auto wordBox = [&](const char* name, QRect at) {
        auto* box = new QLineEdit(this);
        box->setObjectName(name);
        box->setGeometry(at);
        box->setFont(live ? fontOf("Arial", 13, false) : fontOf("Simplified Arabic", 13, false));
        box->setLayoutDirection(direction);
        connect(box, &QLineEdit::returnPressed, this,
                [this] { platform::guarded([this] { RunBookSearch(); }); });
        return box;
    };
    txtword1 = wordBox("txtword1", QRect(622, 51, 128, 24));
    txtword2 = wordBox("txtword2", QRect(403, 51, 128, 24));

    auto connector = [&](const char* name, const char* caption, int top) {
        auto* option = new QRadioButton(QString::fromUtf8(caption), this);
        option->setObjectName(name);
        option->setGeometry(560, top, 37, 24);
        option->setFont(fontOf(live ? "Simplified Arabic" : "Arabic Transparent", 16, true));
        option->setLayoutDirection(Qt::RightToLeft);
        setBackground(option,
                      member == BookMember::Fekh ? QColor(148, 172, 218) : QColor(146, 217, 177));
        QPalette p = option->palette();
        p.setColor(QPalette::WindowText, Qt::red);
        option->setPalette(p);
        return option;
    };
    optand = connector("optand", "و", 40);
    optor = connector("optor", "أو", 66);

    auto bookList = [&](const char* name, QRect at, bool chosen) {
        auto* list = new QListWidget(this);
        list->setObjectName(name);
        list->setGeometry(at);
        list->setSelectionMode(QAbstractItemView::ExtendedSelection);
        list->setFont(live ? fontOf("Arial", 13, true) : fontOf("Arabic Transparent", 16, true));
        list->setLayoutDirection(direction);
        // Enter or a double click moves the selected books across.
        auto move = [this, chosen] { chosen ? MoveChosenBooks(false) : MoveAvailableBooks(false); };
        new EnterKey(list, move);
        connect(list, &QListWidget::itemDoubleClicked, this, [move] { platform::guarded(move); });
        return list;
    };
    lstavailable = bookList("lstavailable", QRect(212, 151, 247, 147), false);
    lstchoosed = bookList("lstchoosed", QRect(521, 151, 247, 147), true);

    grdresult = new platform::StringGrid(this, "grdresult", 3);
    grdresult->setGeometry(171, 331, 597, 172);
    grdresult->SetColWidths({40, 200, 400});
    grdresult->SetRowHeights(24, 24);
    grdresult->SetCellColour(QColor(231, 247, 247));
    QPalette text = grdresult->palette();
    text.setColor(QPalette::Text, QColor(0, 17, 66));
    text.setColor(QPalette::Button, QColor(231, 247, 247));
    text.setColor(QPalette::ButtonText, QColor(0, 17, 66));
    grdresult->setPalette(text);
    grdresult->setFont(live ? fontOf("Arial", 13, true) : fontOf("Simplified Arabic", 16, true));
    grdresult->setLayoutDirection(direction);
    const char* const headers[2][3] = {{"رقم", "الكتاب", "الموضوع"}, {"Num", "Book", "Topic"}};
    for (int c = 0; c < 3; ++c) grdresult->SetCell(c, 0, QString::fromUtf8(headers[live][c]));
    grdresult->onEnter = [this] { OpenSearchResult(); };

    setTabOrder(txtword1, txtword2);
    setTabOrder(txtword2, optand);
    setTabOrder(optand, optor);
    setTabOrder(optor, lstavailable);
    setTabOrder(lstavailable, lstchoosed);
    setTabOrder(lstchoosed, grdresult);
    FirstFocus = txtword1;

    Stars = std::make_unique<StarTwinkle>(this);
    Timer1 = new platform::Timer(this, 100, false);
    Timer1->onTimer = [this] { Timer1Timer(); };
}

BookSearchScreen::~BookSearchScreen() = default;

void BookSearchScreen::formCreate() {
    ButtonNames = ButtonNameTable();
    // Without its skin the screen still searches; without its books it can
    // still be closed.
    platform::guarded([this] {
        SetSkinFolder(Member.search);
        PlaceBackground(800, 600);
        BuildButtons(true);
        FocusedButton = 0;
        Stars->StarPlacement(StarLayout::BookSearch);
        Stars->Start();
    });
    txtword1->clear();
    txtword2->clear();
    State.SearchMode = kFirstWordOnly;
    grdresult->Clear();
    FillAvailableBooks();
}

void BookSearchScreen::FillAvailableBooks() {
    if (Member.live) {
        lstavailable->addItem(LiveBookTitle());
        lstindex1.push_back(kLiveBook);
        return;
    }
    // A title that cannot be read leaves its book listed by number; the
    // first error is reported once the list is full.
    std::optional<platform::IndexedTextFile> titles;
    std::string error;
    try {
        titles.emplace(DataDir + "bookst");
    } catch (const platform::PlatformError& e) {
        error = e.what();
    }
    for (int book : Member.offered) {
        QString title = QString::number(book);
        if (titles) {
            try {
                title = platform::toUnicode(titles->Record(book));
            } catch (const platform::PlatformError& e) {
                if (error.empty()) error = e.what();
            }
        }
        lstavailable->addItem(title);
        lstindex1.push_back(book);
    }
    if (!error.empty()) throw platform::PlatformError(error);
}

bool BookSearchScreen::Searching() const {
    return Timer1->enabled();
}

void BookSearchScreen::RunBookSearch() {
    if (Searching()) return;
    const QString word1 = txtword1->text(), word2 = txtword2->text();
    if (word1.isEmpty() || lstindex2.empty()) return;
    State.SearchWord1 = word1;
    State.SearchWord2 = word2;
    State.SearchMode = word2.isEmpty()       ? kFirstWordOnly
                       : optand->isChecked() ? kBothWords
                       : optor->isChecked()  ? kEitherWord
                                             : kFirstWordOnly;
    words_.emplace(word1, word2, State.SearchMode);
    grdresult->Clear();
    // The lists may change while the search runs: it walks a copy.
    State.ChosenBooks = lstindex2;
    State.ChosenTitles.clear();
    for (int i = 0; i < lstchoosed->count(); ++i)
        State.ChosenTitles.push_back(lstchoosed->item(i)->text());
    State.ChosenCount = static_cast<int>(State.ChosenBooks.size());
    State.BookCursor = 0;
    State.HitCount = 0;
    State.ResultBooks.clear();
    State.ResultTopics.clear();
    EnableButton(1, false);
    Timer1->setEnabled(true);
}

void BookSearchScreen::Timer1Timer() {
    Timer1->setEnabled(false);
    const auto start = std::chrono::steady_clock::now();
    auto elapsed = [start] {
        return std::chrono::duration_cast<std::chrono::milliseconds>(
                   std::chrono::steady_clock::now() - start)
            .count();
    };
    try {
        do {
            if (State.BookCursor >= State.ChosenCount) break;
            ++State.BookCursor;
            SearchOneBook(State.BookCursor);
        } while (elapsed() < TickBudgetMs);
    } catch (...) {
        // The search stops at a book that cannot be read; another can start.
        EnableButton(1, true);
        throw;
    }
    if (State.BookCursor < State.ChosenCount)
        Timer1->setEnabled(true);
    else
        EnableButton(1, true);
}

void BookSearchScreen::SearchOneBook(int p) {
    if (p < 1 || p > State.ChosenCount || !words_) return;
    const int book = State.ChosenBooks[static_cast<size_t>(p - 1)];
    const QString& bookTitle = State.ChosenTitles[static_cast<size_t>(p - 1)];
    const std::vector<int> topics =
        Member.live ? FindLiveTopics(*words_) : FindBookTopics(book, *words_);
    if (topics.empty()) return;
    std::vector<std::string> liveTitles;
    std::optional<platform::IndexedTextFile> titles;
    if (Member.live)
        liveTitles = ReadLiveTitles(kLiveTopicCount);
    else
        titles.emplace(BookFilePath(book, 't'));
    for (int t : topics) {
        const QString title = platform::toUnicode(
            Member.live ? liveTitles[static_cast<size_t>(t - 1)] : titles->Record(t));
        ++State.HitCount;
        grdresult->SetRowCount(State.HitCount + 1);
        grdresult->SetCell(0, State.HitCount, QString::number(State.HitCount));
        grdresult->SetCell(1, State.HitCount, bookTitle);
        grdresult->SetCell(2, State.HitCount, title);
        State.ResultBooks.push_back(book);
        State.ResultTopics.push_back(t);
    }
}

void BookSearchScreen::MoveAvailableBooks(bool all) {
    moveBooks(lstavailable, lstindex1, lstchoosed, lstindex2, all);
}

void BookSearchScreen::MoveChosenBooks(bool all) {
    moveBooks(lstchoosed, lstindex2, lstavailable, lstindex1, all);
}

void BookSearchScreen::StopSearch() {
    Timer1->setEnabled(false);
    EnableButton(1, true);
}

void BookSearchScreen::OpenSearchResult() {
    if (grdresult->Cell(0, 1).isEmpty()) return;
    const int r = grdresult->Row();
    if (r < 1 || r > static_cast<int>(State.ResultBooks.size())) return;
    const int book = State.ResultBooks[static_cast<size_t>(r - 1)];
    const int topic = State.ResultTopics[static_cast<size_t>(r - 1)];
    StopSearch();
    if (Reader) Reader->OpenSearchResult(book, topic);
    closeForm();
}

void BookSearchScreen::CloseSearch() {
    StopSearch();
    closeForm();
}

namespace {
// What a screen reader calls each button, beside what each one does (below).
std::vector<ButtonName> ButtonNameTable() {
    return {
        {1, "Search", "ابحث"},
        {2, "Add the chosen book", "إضافة الكتاب المختار"},
        {3, "Add every book", "إضافة كل الكتب"},
        {4, "Remove the chosen book", "إزالة الكتاب المختار"},
        {5, "Remove every book", "إزالة كل الكتب"},
        {6, "Close", "إغلاق"},
        {7, "Open the hit", "افتح النتيجة"},
    };
}
}  // namespace

void BookSearchScreen::ButtonClick(int n) {
    switch (n) {
        case 1:
            RunBookSearch();
            break;
        case 2:
        case 3:
            MoveAvailableBooks(n == 3);
            break;
        case 4:
        case 5:
            MoveChosenBooks(n == 5);
            break;
        case 6:
            CloseSearch();
            break;
        case 7:
            OpenSearchResult();
            break;
        default:
            break;
    }
}
