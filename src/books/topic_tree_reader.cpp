#include "books/topic_tree_reader.h"

#include <algorithm>

#include <QLabel>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTreeWidget>

#include "books/book_files.h"
#include "books/book_search.h"
#include "platform/arabic_match.h"
#include "platform/clock.h"
#include "platform/codepage.h"
#include "platform/forms.h"
#include "platform/guard.h"
#include "platform/inifile.h"
#include "platform/print.h"
#include "platform/richtext.h"
#include "platform/rtf.h"
#include "shell/globals.h"
#include "shell/sections.h"

namespace {
std::vector<ButtonName> ButtonNameTable(const MemberTable& member);
}

namespace {

// Titles in the tree and above the text are cut to this many characters.
constexpr size_t kTitleLength = 100;
// The text keeps 5 points from the right edge (at 96 pixels per inch).
constexpr qreal kRightIndent = 5.0 * 96 / 72;
const QColor kGreen(209, 251, 185);
constexpr uint32_t kGreenWindows = 0xB9FBD1;

QFont fontOf(const char* family, int pixels, bool bold = true) {
    QFont font(family);
    font.setPixelSize(pixels);
    font.setBold(bold);
    return font;
}

QLabel* label(QWidget* parent, const char* name, QRect at, const QFont& font, QColor colour) {
    auto* l = new QLabel(parent);
    l->setObjectName(name);
    l->setGeometry(at);
    l->setFont(font);
    QPalette p = l->palette();
    p.setColor(QPalette::WindowText, colour);
    l->setPalette(p);
    return l;
}

/// Disc text with its line breaks (CR LF, CR or LF) as the box's own.
QString topicText(const std::string& bytes) {
    QString text = platform::toUnicode(bytes);
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    text.replace(u'\r', u'\n');
    return text;
}

}  // namespace

TopicTreeReader::TopicTreeReader(BookMember member, QWidget* parent)
    : SkinScreen(parent), Member(MemberOf(member)) {
    CloseButton = Member.buttons.menu;
    TabReachesButtons();
    const bool live = Member.live;

    tree1 = new QTreeWidget(this);
    tree1->setObjectName("tree1");
    tree1->setGeometry(220, 125, 195, 404);
    tree1->setFrameShape(QFrame::NoFrame);
    tree1->setHeaderHidden(true);
    tree1->setIndentation(19);
    tree1->setFont(live ? fontOf("Arial", 13) : fontOf("Arabic Transparent", 15));
    tree1->setLayoutDirection(live ? Qt::LeftToRight : Qt::RightToLeft);
    QPalette treeColours = tree1->palette();
    treeColours.setColor(QPalette::Base, kGreen);
    treeColours.setColor(QPalette::Text, Qt::blue);
    tree1->setPalette(treeColours);
    connect(tree1, &QTreeWidget::currentItemChanged, this, [this](QTreeWidgetItem* node) {
        // The whole tree is painted again: the right-to-left tree repaints
        // only part of the row it leaves, whose mark would stay beside it.
        tree1->viewport()->update();
        NodeChosen(node);
    });

    richtext = new platform::RichTextBox(this, "richtext");
    richtext->setGeometry(429, 121, 348, 409);
    richtext->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    richtext->setBackgroundColor(kGreenWindows);
    richtext->setDefaultFont(live ? "Arial" : "Arabic Transparent", live ? 15 : 16);
    QFont bold = richtext->font();
    bold.setBold(true);
    richtext->setFont(bold);
    richtext->document()->setDefaultFont(bold);
    richtext->setRightToLeft(!live);
    richtext->setUndoRedoEnabled(false);

    lbltitle = label(this, "lbltitle", QRect(427, 66, 343, 31),
                     live ? fontOf("Arial", 13) : fontOf("MS Sans Serif", 13), Qt::red);
    lbltitle->setWordWrap(true);
    lbltitle->setLayoutDirection(live ? Qt::LeftToRight : Qt::RightToLeft);
    lbltitle->setAlignment(live ? Qt::AlignCenter : Qt::AlignRight | Qt::AlignVCenter);
    const int partTop = member == BookMember::Fekh ? 78 : 79;
    lblpart = label(this, "lblpart", QRect(302, partTop, 66, 31),
                    fontOf("Simplified Arabic", live ? 13 : 16), Qt::white);
    lblpart->setAlignment(Qt::AlignCenter);

    Stars = std::make_unique<StarTwinkle>(this);
    setTabOrder(tree1, richtext);
    FirstFocus = tree1;

    // The first group (the translated book is a group of one).
    if (!Member.groups.empty()) {
        BookGroupBase = Member.groups.front().base;
        BooksInGroup = Member.groups.front().count;
    } else {
        BookGroupBase = kLiveBook - 1;
        BooksInGroup = 1;
    }
    BookIndexInGroup = 1;
    Timer1 = new platform::Timer(this, 10, true);
    Timer1->onTimer = [this] { Timer1Timer(); };
}

TopicTreeReader::~TopicTreeReader() = default;

void TopicTreeReader::formCreate() {
    ButtonNames = ButtonNameTable(Member);
    SavedLanguageIndex = LanguageIndex;
    LanguageIndex = 1;
    SetSkinFolder(Member.reader);
    PlaceBackground(800, 600);
    BuildButtons(true);
    FocusedButton = 0;
    if (Member.live) {
        for (int n : {1, 2, 3, 4, 5, 12, 13, 14})
            if (ImageButton* b = Button(n)) b->hide();
        lblpart->hide();
    }
}

void TopicTreeReader::Timer1Timer() {
    Timer1->setEnabled(false);
    // A book that cannot be read is reported, and the stars still start.
    platform::guarded([this] { ShowBook(); });
    Stars->StarPlacement(StarLayout::TopicTree);
    Stars->Start();
}

void TopicTreeReader::ShowBook() {
    LoadBook();
    FillTopicTree();
    CurrentTopic = 0;
    ShowTopic(1);
}

void TopicTreeReader::LoadBook() {
    CurrentBook = BookGroupBase + BookIndexInGroup;
    lblpart->setText(QString::number(BookIndexInGroup));
    UpdateBookNavigation();
    // What is shown belongs to the book before; a book that cannot be read
    // must not look like it.
    tree1->clear();
    richtext->clear();
    lbltitle->clear();
    CurrentTopic = 0;
    TopicCount = 0;
    BookTitle.clear();
    if (Member.live) {
        TopicCount = kLiveTopicCount;
        BookTitle = LiveBookTitle();
        return;
    }
    TopicCount = ReadTopicCount(CurrentBook);
    BookTitle = platform::toUnicode(ReadBookTitle(CurrentBook));
}

void TopicTreeReader::UpdateBookNavigation() {
    bool next = true, previous = true;
    if (BooksInGroup == 1) {
        next = previous = false;
    } else if (BookIndexInGroup == 1) {
        previous = false;
    } else if (BookIndexInGroup == BooksInGroup) {
        next = false;
    }
    EnableButton(Member.buttons.next, next);
    EnableButton(Member.buttons.previous, previous);
}

void TopicTreeReader::FillTopicTree() {
    tree1->clear();
    auto* root = new QTreeWidgetItem(tree1, QStringList{BookTitle});
    const std::vector<std::string> titles =
        Member.live ? ReadLiveTitles(TopicCount)
                    : ReadTopicTitles(CurrentBook, TopicCount, kTitleLength);
    QList<QTreeWidgetItem*> nodes;
    nodes.reserve(static_cast<qsizetype>(titles.size()));
    for (const std::string& title : titles)
        nodes.append(new QTreeWidgetItem(QStringList{platform::toUnicode(title)}));
    root->addChildren(nodes);
    tree1->expandAll();
}

void TopicTreeReader::ShowTopic(int n) {
    if (n == CurrentTopic || n < 1 || n > TopicCount) return;
    // Everything is read before anything changes on the screen.
    QString title;
    if (Member.live) {
        const platform::RtfDocument document = platform::loadRtf(LiveTopicPath(n));
        title = platform::toUnicode(
            platform::IniFile(LiveTitlesPath()).readString("titles", std::to_string(n), "0"));
        richtext->showDocument(document);
    } else {
        const QString text = topicText(ReadTopicText(CurrentBook, n));
        title = platform::toUnicode(ReadTopicTitle(CurrentBook, n, kTitleLength));
        // Without the marks of the topic before.
        richtext->setCurrentCharFormat(QTextCharFormat());
        richtext->setPlainText(text);
    }
    // Every paragraph on one side, 5 points from the right edge.
    QTextCursor all(richtext->document());
    all.beginEditBlock();
    all.select(QTextCursor::Document);
    QTextBlockFormat format;
    format.setAlignment((Member.live ? Qt::AlignLeft : Qt::AlignRight) | Qt::AlignAbsolute);
    format.setRightMargin(kRightIndent);
    all.mergeBlockFormat(format);
    all.endEditBlock();
    richtext->moveCursor(QTextCursor::Start);

    CurrentTopic = n;
    if (QTreeWidgetItem* root = tree1->topLevelItem(0))
        if (QTreeWidgetItem* node = root->child(n - 1)) tree1->setCurrentItem(node);
    lbltitle->setText(title);
    if (HighlightPending == 1) {
        HighlightSearchWords();
        HighlightPending = 0;
    }
    lbltitle->show();
    lblpart->setVisible(!Member.live);
}

void TopicTreeReader::HighlightSearchWords() {
    const BookSearchState& search = SearchStateOf(Member.member);
    QStringList words{search.SearchWord1};
    // The second word was searched for only with a connector.
    if (search.SearchMode != kFirstWordOnly) words.append(search.SearchWord2);
    QTextCharFormat red;
    red.setForeground(QColor(255, 0, 0));
    QTextDocument* document = richtext->document();
    // One change of the document for all the marks: it is laid out once.
    QTextCursor edit(document);
    edit.beginEditBlock();
    int firstMark = -1;
    // With the Arabic-aware options the marks stand where the matcher found
    // the words, folded forms and prefixes included.
    if (const platform::MatchSwitches switches = platform::switchesOf(platform::searchOptions());
        switches.any()) {
        const QString text = document->toRawText();
        for (const QString& word : words) {
            platform::ArabicMatcher matcher(word, switches);
            // A word the text holds as written is marked without the alef switch.
            if (switches.daggerAlef && matcher.WrittenForm().OccursIn(text))
                matcher = matcher.WithoutAlef();
            for (const auto& [at, length] : matcher.FindIn(text)) {
                QTextCursor found(document);
                found.setPosition(at);
                found.setPosition(at + length, QTextCursor::KeepAnchor);
                found.mergeCharFormat(red);
                if (firstMark < 0 || at < firstMark) firstMark = at;
            }
        }
        words.clear();
    }
    for (QString word : words) {
        // The Arabic books were searched in code page 1256: the word is
        // looked for as that text shows.
        std::string bytes;
        if (!Member.live) {
            if (!platform::fromUnicodeExactly(word, bytes)) continue;
            word = platform::toUnicode(bytes);
        }
        if (word.isEmpty()) continue;
        for (QTextCursor found = document->find(word, 0, QTextDocument::FindCaseSensitively);
             !found.isNull();
             found = document->find(word, found, QTextDocument::FindCaseSensitively)) {
            found.mergeCharFormat(red);
            if (firstMark < 0 || found.selectionStart() < firstMark)
                firstMark = found.selectionStart();
        }
    }
    edit.endEditBlock();
    richtext->moveCursor(QTextCursor::Start);
    if (firstMark >= 0) ScrollToMark(firstMark);
}

void TopicTreeReader::ScrollToMark(int position) {
    // The cursor goes to the mark, whose line comes a third of the way down
    // the box, with the lines before it above.
    QTextCursor at(richtext->document());
    at.setPosition(position);
    richtext->setTextCursor(at);
    QScrollBar* bar = richtext->verticalScrollBar();
    bar->setValue(bar->value() + richtext->cursorRect(at).top() -
                  richtext->viewport()->height() / 3);
}

void TopicTreeReader::OpenSearchResult(int book, int topic) {
    HighlightPending = 1;
    CurrentBook = book;
    if (const BookGroup* group = GroupOfBook(Member, book)) {
        BookGroupBase = group->base;
        BookIndexInGroup = book - group->base;
        BooksInGroup = group->count;
    }
    LoadBook();
    FillTopicTree();
    CurrentTopic = 0;
    ShowTopic(topic);
}

void TopicTreeReader::NextBook() {
    if (BookIndexInGroup >= BooksInGroup) return;
    ++BookIndexInGroup;
    ShowBook();
}

void TopicTreeReader::PreviousBook() {
    if (BookIndexInGroup <= 1) return;
    --BookIndexInGroup;
    ShowBook();
}

void TopicTreeReader::SelectGroup(const BookGroup& group) {
    BookGroupBase = group.base;
    BooksInGroup = group.count;
    BookIndexInGroup = 1;
    ShowBook();
}

void TopicTreeReader::PrintTopic() {
    platform::printDocument(lbltitle->text(), *richtext->document());
}

void TopicTreeReader::CopyTopic() {
    platform::copyToClipboard(lbltitle->text(), richtext->toPlainText());
}

void TopicTreeReader::BackToMenu() {
    LanguageIndex = SavedLanguageIndex;
    closeForm();
    ShowMainMenu();
}

int TopicTreeReader::TopicOfNode(const QTreeWidgetItem* node) const {
    const QTreeWidgetItem* root = node->parent();
    return root ? root->indexOfChild(const_cast<QTreeWidgetItem*>(node)) + 1 : 0;
}

void TopicTreeReader::NodeChosen(QTreeWidgetItem* node) {
    // No node while the tree is emptied; the root shows nothing new.
    if (!node) return;
    const int n = TopicOfNode(node);
    if (n == 0) return;
    platform::guarded([this, n] { ShowTopic(n); });
    if (CurrentTopic == n) return;
    // The topic could not be shown: the node of the one shown becomes current
    // again (once the tree has finished with the click), so that choosing the
    // node again tries once more.
    QMetaObject::invokeMethod(
        this,
        [this] {
            QTreeWidgetItem* root = tree1->topLevelItem(0);
            QTreeWidgetItem* shown =
                root && CurrentTopic > 0 ? root->child(CurrentTopic - 1) : nullptr;
            const QSignalBlocker quiet(tree1);
            tree1->setCurrentItem(shown);
        },
        Qt::QueuedConnection);
}

namespace {
// What a screen reader calls each button, beside what each one does (below).
std::vector<ButtonName> ButtonNameTable(const MemberTable& member) {
    const ReaderButtons& b = member.buttons;
    std::vector<ButtonName> names = {
        {b.next, "Next book", "الكتاب التالي"},
        {b.previous, "Previous book", "الكتاب السابق"},
        {b.search, "Search the books", "البحث في الكتب"},
        {b.print, "Print", "طباعة"},
        {b.copy, "Copy", "نسخ"},
        {b.exit, "Exit", "خروج"},
        {b.minimise, "Minimise", "تصغير"},
        {b.menu, "Back to the main menu", "العودة إلى القائمة الرئيسية"},
    };
    int k = 0;
    for (const BookGroup& group : member.groups) {
        ++k;
        names.push_back({group.button, QString("Books, group %1").arg(k),
                         QString("الكتب، المجموعة %1").arg(k)});
    }
    // The translated book leaves some buttons of the layout without a use.
    for (int n = 1; n <= 14; ++n)
        if (std::none_of(names.begin(), names.end(),
                         [n](const ButtonName& b) { return b.button == n; }))
            names.push_back({n, "Unused", "غير مستخدم"});
    return names;
}
}  // namespace

void TopicTreeReader::ButtonClick(int n) {
    const ReaderButtons& b = Member.buttons;
    if (n == b.next) {
        NextBook();
    } else if (n == b.previous) {
        PreviousBook();
    } else if (n == b.search) {
        OpenSearchScreen();
    } else if (n == b.print) {
        PrintTopic();
    } else if (n == b.copy) {
        CopyTopic();
    } else if (n == b.exit) {
        platform::terminateApplication();
    } else if (n == b.minimise) {
        if (QWidget* hub = window()) hub->showMinimized();
    } else if (n == b.menu) {
        BackToMenu();
    } else {
        for (const BookGroup& group : Member.groups)
            if (group.button == n) return SelectGroup(group);
    }
}
