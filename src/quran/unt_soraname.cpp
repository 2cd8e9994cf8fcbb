#include "quran/unt_soraname.h"

#include <QLabel>
#include <QMouseEvent>
#include <QPointer>

#include "platform/click_label.h"
#include "platform/guard.h"
#include "quran/sura_names.h"
#include "quran/unt_quran.h"
#include "quran/unt_tafseer.h"
#include "shell/globals.h"

namespace {
std::vector<ButtonName> ButtonNameTable();
}

QPointer<Tfrm_soraname> frm_soraname;

namespace {

constexpr int kColumnLength = 20;
constexpr int kFirstLeft = 662;
constexpr int kFirstTop = 20;
constexpr int kLabelWidth = 126;
constexpr int kLabelHeight = 26;
constexpr int kColumnGap = 5;

const QColor kWhite(255, 255, 255);
const QColor kRed(255, 0, 0);

using platform::setTextColour;

/// The sura number of a label from its name: the characters after "label".
int LabelNumber(const QObject* label) {
    return label->objectName().mid(5).toInt();
}

/// Opens the chosen sura in the commentary reader.
void LoadSuraInCommentaryReader() {
    if (frm_tafseer) frm_tafseer->LoadSura();
}

}  // namespace

Tfrm_soraname::Tfrm_soraname(QWidget* parent) : SkinScreen(parent) {
    CloseButton = 1;
    imgground1->onMouseMove = [this](int, int) { BackgroundMouseMove(); };
}

void Tfrm_soraname::formCreate() {
    ButtonNames = ButtonNameTable();
    SetSkinFolder("soraname");
    PlaceBackground(800, 600);
    FocusedButton = 0;
    BuildButtons(true);

    // The names file is read once for the whole list.
    const SuraNamesFile names;

    QFont font("Simplified Arabic");
    font.setPixelSize(16);  // 12 points on the program's 96-dpi display
    font.setBold(true);

    int left = kFirstLeft, top = kFirstTop;
    for (int i = 1; i <= kSuraCount; ++i) {
        if (i > 1) {
            if ((i - 1) % kColumnLength == 0) {
                left -= kLabelWidth + kColumnGap;
                top = kFirstTop;
            } else {
                top += kLabelHeight + 1;
            }
        }
        auto* label = new platform::ClickLabel(this, "label" + QString::number(i));
        label->setCursor(Qt::PointingHandCursor);
        label->setAlignment(Qt::AlignCenter);
        label->setAutoFillBackground(false);
        label->setFont(font);
        setTextColour(label, kWhite);
        label->setGeometry(left, top, kLabelWidth, kLabelHeight);
        label->onMouseMove = [this, label] { LabelMouseMove(LabelNumber(label)); };
        label->onClick = [this, label] { LabelClick(LabelNumber(label)); };
        label->setText(names.Name(i));
        label->show();
    }
}

QLabel* Tfrm_soraname::Label(int n) const {
    return findChild<QLabel*>("label" + QString::number(n), Qt::FindDirectChildrenOnly);
}

void Tfrm_soraname::LabelMouseMove(int n) {
    if (n == HoveredLabel) return;
    if (HoveredLabel != 0)
        if (QLabel* old = Label(HoveredLabel)) setTextColour(old, kWhite);
    if (QLabel* label = Label(n)) setTextColour(label, kRed);
    HoveredLabel = n;
}

void Tfrm_soraname::BackgroundMouseMove() {
    Reset();
    if (HoveredLabel == 0) return;
    if (QLabel* old = Label(HoveredLabel)) setTextColour(old, kWhite);
    HoveredLabel = 0;
}

void Tfrm_soraname::LabelClick(int n) {
    CurrentAya = 1;
    CurrentSura = n;
    if (SuraIndexCaller == 1) {
        if (frm_quran) frm_quran->LoadSura();
    } else if (SuraIndexCaller == 2) {
        LoadSuraInCommentaryReader();
    }
    closeForm();
}

bool Tfrm_soraname::KeyPressed(int key, Qt::KeyboardModifiers modifiers) {
    int n = HoveredLabel;
    switch (key) {
        case Qt::Key_Up:
            --n;
            break;
        case Qt::Key_Down:
            ++n;
            break;
        case Qt::Key_Left:  // the columns run right to left
            n += kColumnLength;
            break;
        case Qt::Key_Right:
            n -= kColumnLength;
            break;
        case Qt::Key_Return:
        case Qt::Key_Enter:
        case Qt::Key_Space:
            if (HoveredLabel == 0) return SkinScreen::KeyPressed(key, modifiers);
            LabelClick(HoveredLabel);
            return true;
        default:
            return SkinScreen::KeyPressed(key, modifiers);
    }
    if (HoveredLabel == 0) n = 1;
    if (n < 1 || n > kSuraCount) return true;  // no name that way
    Reset();  // one thing at a time shows that Enter would choose it
    LabelMouseMove(n);
    return true;
}

namespace {
// What a screen reader calls each button, beside what each one does (below).
std::vector<ButtonName> ButtonNameTable() {
    return {
        {1, "Close", "إغلاق"},
    };
}
}  // namespace

void Tfrm_soraname::ButtonClick(int n) {
    if (n == 1) closeForm();
}
