#include "quran/unt_remote.h"

#include <QGraphicsOpacityEffect>
#include <QKeyEvent>
#include <QPlainTextEdit>
#include <QTextOption>
#include <array>
#include <functional>

#include "platform/error.h"
#include "platform/guard.h"
#include "quran/remarks_file.h"
#include "quran/unt_quran.h"
#include "quran/unt_quranp.h"
#include "quran/unt_qurans.h"
#include "shell/globals.h"

QPointer<Tfrm_remote> frm_remote;

namespace {

constexpr int kSuraCount = 114;
constexpr int kPageCount = 604;
constexpr int kPartCount = 30;

/// How much of a disabled button shows through over the background.
constexpr qreal kDisabledOpacity = 0.35;

/// A key code that counts as a digit: the digit row, the keypad (Qt gives
/// both the same code) and the Arabic-Indic digits of an Arabic layout.
bool isDigitKey(int key) {
    return (key >= Qt::Key_0 && key <= Qt::Key_9) || (key >= 0x0660 && key <= 0x0669) ||
           (key >= 0x06F0 && key <= 0x06F9);
}

/// A one-line number box showing one value of the reading position. Enter
/// runs onEnter instead of starting a new line. A key release other than a
/// digit puts the value back. While the user is typing digits the box keeps
/// them, even when the recitation moves on to the next aya meanwhile; leaving
/// the box puts the value back too. An Arabic-Indic digit is typed as the
/// plain digit so the text stays a number.
class NumberField : public QPlainTextEdit {
  public:
    NumberField(QWidget* parent, const char* name, QRect place, int* value)
        : QPlainTextEdit(parent), value_(value) {
        setObjectName(name);
        setGeometry(place);
        setFrameShape(QFrame::NoFrame);
        setFocusPolicy(Qt::ClickFocus);  // skipped by the Tab key
        setTabChangesFocus(true);
        setLineWrapMode(QPlainTextEdit::NoWrap);
        setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        setUndoRedoEnabled(false);
        QPalette p = palette();
        p.setColor(QPalette::Base, Qt::black);
        p.setColor(QPalette::Text, Qt::white);
        setPalette(p);
        QFont font("MS Sans Serif");
        font.setPixelSize(16);
        font.setBold(true);
        setFont(font);
        QTextOption option = document()->defaultTextOption();
        option.setAlignment(Qt::AlignHCenter);
        document()->setDefaultTextOption(option);
    }

    /// Shows the current value unless the user is typing into the box.
    void showValue() {
        if (!typing_) setPlainText(QString::number(*value_));
    }
    /// Shows the current value and ends the typing.
    void restoreValue() {
        typing_ = false;
        setPlainText(QString::number(*value_));
    }

    std::function<void()> onEnter;

  protected:
    void keyPressEvent(QKeyEvent* e) override {
        if (e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter) {
            if (onEnter) platform::guarded(onEnter);
            return;
        }
        if (isDigitKey(e->key())) typing_ = true;
        const QString text = e->text();
        if (text.size() == 1 && text[0].isDigit() && text[0].unicode() >= 0x0660) {
            insertPlainText(QString::number(text[0].digitValue()));
            return;
        }
        QPlainTextEdit::keyPressEvent(e);
    }
    void keyReleaseEvent(QKeyEvent* e) override {
        QPlainTextEdit::keyReleaseEvent(e);
        if (!isDigitKey(e->key())) restoreValue();
    }
    void focusOutEvent(QFocusEvent* e) override {
        QPlainTextEdit::focusOutEvent(e);
        if (typing_) restoreValue();
    }

  private:
    int* value_;
    bool typing_ = false;
};

/// The number typed into a field; raises the conversion error for other text.
int fieldValue(const QPlainTextEdit* field) {
    return platform::strToInt(field->toPlainText().toStdString());
}

NumberField* numberField(QPlainTextEdit* field) {
    return static_cast<NumberField*>(field);
}

}  // namespace

Tfrm_remote::Tfrm_remote(QWidget* parent) : SkinScreen(parent) {
    // The fields exist from the start so the viewer can always write into
    // them, even when the skin could not be built.
    auto* aya = new NumberField(this, "Memoaya", QRect(38, 257, 66, 31), &CurrentAya);
    auto* sura = new NumberField(this, "memosora", QRect(38, 322, 66, 31), &CurrentSura);
    auto* page = new NumberField(this, "memopage", QRect(38, 383, 66, 31), &CurrentPage);
    auto* part = new NumberField(this, "memopart", QRect(38, 446, 66, 31), &CurrentPart);
    Memoaya = aya;
    memosora = sura;
    memopage = page;
    memopart = part;

    // Enter jumps to the number typed when it is in range; a number out of
    // range is ignored, text that is not a number raises the conversion error.
    auto jump = [](NumberField* field, std::function<int()> last, std::function<void(int)> go) {
        field->onEnter = [field, last, go] {
            if (field->toPlainText().isEmpty()) return;
            int v = fieldValue(field);
            if (v < 1 || v > last() || !frm_quran) return;
            go(v);
        };
    };
    jump(
        aya, [] { return SuraAyaCount; },
        [](int v) {
            CurrentAya = v;
            frm_quran->ShowAya();
        });
    jump(
        sura, [] { return kSuraCount; },
        [](int v) {
            CurrentSura = v;
            CurrentAya = 1;
            frm_quran->LoadSura();
        });
    jump(
        page, [] { return kPageCount; },
        [](int v) {
            CurrentPage = v;
            frm_quran->GoToPage();
        });
    jump(
        part, [] { return kPartCount; },
        [](int v) {
            CurrentPart = v;
            frm_quran->GoToPart(v);
        });
}

void Tfrm_remote::formCreate() {
    SetSkinFolder("remote");
    setClientSize(142, 490);
    move(640, 80);
    // The background is the viewer-sized picture; the panel shows its corner.
    imgground1->setGeometry(0, 0, 800, 600);
    imgground1->setStretch(false);
    imgground1->show();
    imgground1->lower();
    imgground1->loadPicture(ButtonFolder + ScreenName + ".jpg");
    FocusedButton = 0;
    BuildButtons(true);
}

void Tfrm_remote::ButtonClick(int n) {
    using Action = std::function<void(Tfrm_remote&, Tfrm_quran&)>;
    // The stepping buttons are disabled at the ends of their ranges; they
    // also check the range themselves, so a position whose display failed
    // half-way (a missing recording, say) never steps outside the Quran.
    static const std::array<Action, 17> actions{{
        /* 1 search */ [](Tfrm_remote& r, Tfrm_quran&) { r.SearchButton(); },
        /* 2 play */ [](Tfrm_remote&, Tfrm_quran& q) { q.PlayButton(); },
        /* 3 pause */ [](Tfrm_remote&, Tfrm_quran& q) { q.PauseButton(); },
        /* 4 stop */ [](Tfrm_remote&, Tfrm_quran& q) { q.StopButton(); },
        /* 5 once */ [](Tfrm_remote&, Tfrm_quran& q) { q.RepeatButton(1); },
        /* 6 twice */ [](Tfrm_remote&, Tfrm_quran& q) { q.RepeatButton(2); },
        /* 7 three times */ [](Tfrm_remote&, Tfrm_quran& q) { q.RepeatButton(3); },
        /* 8 photos */ [](Tfrm_remote& r, Tfrm_quran&) { r.OpenQuranPhotos(); },
        /* 9 remark */ [](Tfrm_remote& r, Tfrm_quran&) { r.AddRemarkButton(); },
        /* 10 next aya */
        [](Tfrm_remote&, Tfrm_quran& q) {
            if (CurrentAya >= SuraAyaCount) return;
            CurrentAya = CurrentAya + 1;
            q.ShowAya();
        },
        /* 11 previous aya */
        [](Tfrm_remote&, Tfrm_quran& q) {
            if (CurrentAya <= 1) return;
            CurrentAya = CurrentAya - 1;
            q.ShowAya();
        },
        /* 12 next sura */
        [](Tfrm_remote&, Tfrm_quran& q) {
            if (CurrentSura >= kSuraCount) return;
            CurrentSura = CurrentSura + 1;
            CurrentAya = 1;
            q.LoadSura();
        },
        /* 13 previous sura */
        [](Tfrm_remote&, Tfrm_quran& q) {
            if (CurrentSura <= 1) return;
            CurrentSura = CurrentSura - 1;
            CurrentAya = 1;
            q.LoadSura();
        },
        /* 14 next page */
        [](Tfrm_remote&, Tfrm_quran& q) {
            if (CurrentPage >= kPageCount) return;
            CurrentPage = CurrentPage + 1;
            q.GoToPage();
        },
        /* 15 previous page */
        [](Tfrm_remote&, Tfrm_quran& q) {
            if (CurrentPage <= 1) return;
            CurrentPage = CurrentPage - 1;
            q.GoToPage();
        },
        /* 16 next part: the number in the part field plus one */
        [](Tfrm_remote& r, Tfrm_quran& q) {
            int v = fieldValue(r.memopart) + 1;
            if (v < 1 || v > kPartCount) return;
            CurrentPart = CurrentPart + 1;
            q.GoToPart(v);
        },
        /* 17 previous part */
        [](Tfrm_remote& r, Tfrm_quran& q) {
            int v = fieldValue(r.memopart) - 1;
            if (v < 1 || v > kPartCount) return;
            CurrentPart = CurrentPart - 1;
            q.GoToPart(v);
        },
    }};
    if (n < 1 || n > static_cast<int>(actions.size()) || !frm_quran) return;
    actions[static_cast<size_t>(n - 1)](*this, *frm_quran);
}

void Tfrm_remote::SearchButton() {
    // Play disabled means a recitation is running: pause it first.
    ImageButton* play = ButtonList.size() >= 2 ? ButtonList[1] : nullptr;
    if (play && !play->isEnabled() && frm_quran) frm_quran->PauseButton();
    OpenQuranSearch();
}

void Tfrm_remote::OpenQuranSearch() {
    platform::createForm(frm_qurans)->showModal();
}

void Tfrm_remote::OpenQuranPhotos() {
    platform::createForm(frm_quranp)->showModal();
}

void Tfrm_remote::AddRemarkButton() {
    AddRemark(CurrentSura, CurrentAya);
}

void Tfrm_remote::UpdateNavigationButtons() {
    auto pair = [this](int value, int first, int last, int next, int previous) {
        EnableButton(previous, value != first);
        EnableButton(next, value == first || value != last);
    };
    pair(CurrentAya, 1, SuraAyaCount, 10, 11);
    pair(CurrentSura, 1, kSuraCount, 12, 13);
    pair(CurrentPage, 1, kPageCount, 14, 15);
    pair(CurrentPart, 1, kPartCount, 16, 17);
}

void Tfrm_remote::ShowPosition() {
    for (QPlainTextEdit* field : {Memoaya, memosora, memopage, memopart})
        numberField(field)->showValue();
}

void Tfrm_remote::EnableButton(int n, bool enabled) {
    if (n < 1 || n > static_cast<int>(ButtonList.size())) return;
    ImageButton* b = ButtonList[static_cast<size_t>(n - 1)];
    if (!b || b->isEnabled() == enabled) return;
    b->setEnabled(enabled);
    if (enabled) {
        b->setGraphicsEffect(nullptr);
    } else {
        auto* dim = new QGraphicsOpacityEffect(b);
        dim->setOpacity(kDisabledOpacity);
        b->setGraphicsEffect(dim);
    }
}

bool Tfrm_remote::ButtonEnabled(int n) const {
    if (n < 1 || n > static_cast<int>(ButtonList.size())) return false;
    ImageButton* b = ButtonList[static_cast<size_t>(n - 1)];
    return b && b->isEnabled();
}
