#include "quran/unt_qurans.h"

#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>

#include "platform/arabic_match.h"
#include "platform/guard.h"
#include "platform/string_grid.h"
#include "quran/sura_names.h"
#include "quran/unt_quran.h"
#include "shell/globals.h"

namespace {
std::vector<ButtonName> ButtonNameTable();
}

QPointer<Tfrm_qurans> frm_qurans;

namespace {

constexpr int kWordLength = 20;
const QRect kResultLabel(420, 165, 250, 25);
/// With the hint's line: grown upward to just below the box, as wide as the grid.
const QRect kHintLabel(350, 139, 376, 51);
/// With a scope after the count: as wide as the grid.
const QRect kScopeLabel(350, 165, 376, 25);
/// With the scope's line and the hint's: down to just above the grid.
const QRect kTwoLines(350, 139, 376, 63);

/// The search box: one line of at most 20 characters. Enter runs onEnter
/// and never becomes part of the text.
class SearchBox : public QLineEdit {
  public:
    using QLineEdit::QLineEdit;
    std::function<void()> onEnter;

  protected:
    void keyPressEvent(QKeyEvent* e) override {
        if (e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter) {
            if (onEnter) platform::guarded(onEnter);
            e->accept();
            return;
        }
        QLineEdit::keyPressEvent(e);
    }
};

/// `text` without the blanks and control characters at either end.
QString withoutBlanksAround(const QString& text) {
    qsizetype b = 0, e = text.size();
    while (b < e && text[b].unicode() < 33) ++b;
    while (e > b && text[e - 1].unicode() < 33) --e;
    return text.mid(b, e - b);
}

/// The switches of the Quran search: the options, Latin letters in any case.
platform::MatchSwitches quranSwitches(const platform::SearchOptions& options) {
    platform::MatchSwitches switches = platform::switchesOf(options);
    switches.latinCase = true;
    return switches;
}

QFont arabicFont(int pixels) {
    QFont font("Arabic Transparent");
    font.setPixelSize(pixels);
    font.setBold(true);
    return font;
}

}  // namespace

Tfrm_qurans::Tfrm_qurans(QWidget* parent) : SkinScreen(parent) {
    CloseButton = 2;
    TabReachesButtons();

    auto* box = new SearchBox(this);
    box->setObjectName("Memo1");
    box->setGeometry(481, 100, 158, 37);
    box->setMaxLength(kWordLength);
    box->setFont(arabicFont(16));  // 12 points
    box->setLayoutDirection(Qt::RightToLeft);
    box->setAlignment(Qt::AlignRight | Qt::AlignAbsolute | Qt::AlignVCenter);
    box->onEnter = [this] {
        // The box keeps the word without the blanks around it, whatever the
        // search does.
        struct Trim {
            QLineEdit* box;
            ~Trim() { box->setText(withoutBlanksAround(box->text())); }
        } trim{Memo1};
        RunQuranSearch();
    };
    Memo1 = box;

    lblresult = new QLabel(this);
    lblresult->setObjectName("lblresult");
    lblresult->setGeometry(kResultLabel);
    lblresult->setFont(arabicFont(21));  // 16 points
    lblresult->setLayoutDirection(Qt::RightToLeft);
    lblresult->setAlignment(Qt::AlignCenter);
    QPalette red = lblresult->palette();
    red.setColor(QPalette::WindowText, Qt::red);
    lblresult->setPalette(red);

    grdresult = new platform::StringGrid(this, "grdresult", 3);
    grdresult->setGeometry(350, 203, 376, 314);
    grdresult->SetColWidths({41, 222, 111});
    grdresult->SetRowHeights(35, 24);
    grdresult->SetCellColour(QColor(231, 247, 247));
    grdresult->setFont(Memo1->font());
    grdresult->setLayoutDirection(Qt::RightToLeft);
    grdresult->SetCell(0, 0, QString::fromUtf8("رقم"));
    grdresult->SetCell(1, 0, QString::fromUtf8("السورة"));
    grdresult->SetCell(2, 0, QString::fromUtf8("الآية"));
    grdresult->onEnter = [this] { GoToSelectedHit(); };
    setTabOrder(Memo1, grdresult);
    FirstFocus = Memo1;

    Stars = std::make_unique<StarTwinkle>(this);
}

Tfrm_qurans::~Tfrm_qurans() = default;

void Tfrm_qurans::formCreate() {
    ButtonNames = ButtonNameTable();
    SavedLanguageIndex = LanguageIndex;
    LanguageIndex = 1;
    SetSkinFolder("qurans");
    PlaceBackground(800, 600);
    BuildButtons(true);
    FocusedButton = 0;
    Stars->StarPlacement(StarLayout::QuranSearch);
    Stars->Start();
}

void Tfrm_qurans::RunQuranSearch() {
    // The screen takes no input while it searches, and comes back with the
    // focus where it was, also when a data file fails.
    struct Disabled {
        Tfrm_qurans* screen;
        QPointer<QWidget> focus;
        ~Disabled() {
            screen->setEnabled(true);
            if (focus) focus->setFocus(Qt::OtherFocusReason);
        }
    } disabled{this, focusWidget()};
    setEnabled(false);
    lblresult->clear();

    const platform::SearchOptions options = platform::searchOptions();
    const platform::MatchSwitches switches = quranSwitches(options);
    std::string word;
    std::vector<QuranHit> found;
    if (!switches.any()) {
        if (SearchWordOf(Memo1->text(), word)) found = FindAyasContaining(word);
    } else {
        found =
            FindAyasMatching(platform::ArabicMatcher(withoutBlanksAround(Memo1->text()), switches));
    }
    // Nothing found exactly: how much the Arabic-aware search would find.
    AwareHitCount = 0;
    if (found.empty() && !options.arabicAware) {
        platform::SearchOptions aware = options;
        aware.arabicAware = true;
        AwareHitCount = static_cast<int>(
            HitsWithin(FindAyasMatching(platform::ArabicMatcher(withoutBlanksAround(Memo1->text()),
                                                                quranSwitches(aware))),
                       Scope)
                .size());
    }
    found = HitsWithin(std::move(found), Scope);
    QuranHitCount = static_cast<int>(found.size());
    if (!found.empty()) Hits = std::move(found);
    ShowQuranResults();
}

void Tfrm_qurans::ShowQuranResults() {
    // The label grows upward to take the hint's line, and back.
    const QString scope = ScopeText();
    const QString scopeSpan =
        scope.isEmpty() ? QString() : " <span style=\"font-size:13px\">(" + scope + ")</span>";
    lblresult->setGeometry(scope.isEmpty() ? kResultLabel : kScopeLabel);
    if (QuranHitCount == 0) {
        // Smaller lines below the message, as wide as the grid: the scope,
        // and how many ayas the Arabic-aware search would find.
        QStringList lines;
        if (!scope.isEmpty()) lines << "(" + scope + ")";
        if (AwareHitCount > 0)
            lines << QString::fromUtf8("البحث المراعي للعربية يجد %1 آية (%2)")
                         .arg(AwareHitCount)
                         .arg(QString::fromLatin1(platform::kArabicAwareKey));
        QString text = QString::fromUtf8("كلمة البحث غير موجودة");
        if (lines.size() == 1) text += "<br><span style=\"font-size:13px\">" + lines[0] + "</span>";
        // Two lines: their breaks in the small size too, so that both fit.
        if (lines.size() == 2)
            text += "<span style=\"font-size:12px\"><br>" + lines.join("<br>") + "</span>";
        if (!lines.isEmpty()) lblresult->setGeometry(lines.size() == 1 ? kHintLabel : kTwoLines);
        lblresult->setText(text);
        return;
    }
    const SuraNamesFile names;
    grdresult->SetRowCount(static_cast<int>(Hits.size()) + 1);
    for (int r = 1; r <= static_cast<int>(Hits.size()); ++r) {
        const QuranHit& hit = Hits[static_cast<size_t>(r - 1)];
        grdresult->SetCell(0, r, QString::number(r));
        grdresult->SetCell(1, r, names.Name(hit.sura));
        grdresult->SetCell(2, r, QString::number(hit.aya));
    }
    grdresult->SetRow(1);
    lblresult->setText(QString::fromUtf8("التكرار= ") + QString::number(QuranHitCount) + scopeSpan);
}

void Tfrm_qurans::SetScope(const SearchScope& scope) {
    Scope = scope;
    if (!withoutBlanksAround(Memo1->text()).isEmpty()) {
        RunQuranSearch();
        return;
    }
    const QString text = ScopeText();
    lblresult->setGeometry(text.isEmpty() ? kResultLabel : kScopeLabel);
    lblresult->setText(text);
}

QString Tfrm_qurans::ScopeText() const {
    switch (Scope.kind) {
        case SearchScope::Sura:
            return QString::fromUtf8("في سورة ") + SuraNamesFile().Name(Scope.sura);
        case SearchScope::Pages:
            return QString::fromUtf8("في الصفحات من %1 إلى %2")
                .arg(Scope.fromPage)
                .arg(Scope.toPage);
        case SearchScope::Whole:
            break;
    }
    return {};
}

void Tfrm_qurans::GoToSelectedHit() {
    if (grdresult->Cell(0, 1).isEmpty()) return;
    const int r = grdresult->Row();
    if (r < 1 || r > static_cast<int>(Hits.size())) return;
    CurrentAya = Hits[static_cast<size_t>(r - 1)].aya;
    CurrentSura = Hits[static_cast<size_t>(r - 1)].sura;
    LanguageIndex = SavedLanguageIndex;
    if (frm_quran) frm_quran->LoadSura();
    closeForm();
}

namespace {
// What a screen reader calls each button, beside what each one does (below).
std::vector<ButtonName> ButtonNameTable() {
    return {
        {1, "Search", "ابحث"},
        {2, "Close", "إغلاق"},
        {3, "Go to the aya", "اذهب إلى الآية"},
    };
}
}  // namespace

void Tfrm_qurans::ButtonClick(int n) {
    switch (n) {
        case 1:
            RunQuranSearch();
            break;
        case 2:
            LanguageIndex = SavedLanguageIndex;
            closeForm();
            break;
        case 3:
            GoToSelectedHit();
            break;
        default:
            break;
    }
}
