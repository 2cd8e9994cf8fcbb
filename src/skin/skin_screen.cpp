#include "skin/skin_screen.h"

#include <QGraphicsOpacityEffect>
#include <QFocusEvent>
#include <QCursor>
#include <QPointer>
#include <cstdio>
#include <cstdlib>

#include "shell/globals.h"
#include "platform/accessible.h"
#include "platform/error.h"
#include "platform/paths.h"
#include "skin/layout_file.h"

namespace {
std::string twoDigits(int n) {
    char buf[16];
    std::snprintf(buf, sizeof buf, "%2.2d", n);
    return buf;
}
}  // namespace

SkinScreen::SkinScreen(QWidget* parent) : platform::Form(parent) {
    imgground1 = new platform::ImageControl(this, "imgground1");
    imgground1->onMouseMove = [this](int, int) { Reset(); };
}

void SkinScreen::SetSkinFolder(const std::string& screen, bool languageLevel) {
    ScreenName = screen;
    ButtonFolder = GraphicDir + screen + "\\";
    if (languageLevel) ButtonFolder += std::to_string(LanguageIndex) + "\\";
}

void SkinScreen::PlaceBackground(int width, int height) {
    setClientSize(width, height);
    imgground1->setGeometry(0, 0, width, height);
    imgground1->setStretch(false);
    imgground1->show();
    imgground1->loadPicture(ButtonFolder + ScreenName + ".jpg");
}

std::string SkinScreen::UpPicture(int n) const {
    return ButtonFolder + "buttons\\up\\" + twoDigits(n) + ".jpg";
}
std::string SkinScreen::FocusPicture(int n) const {
    return ButtonFolder + "buttons\\focus\\" + twoDigits(n) + ".jpg";
}
std::string SkinScreen::DownPicture(int n) const {
    return ButtonFolder + "buttons\\down\\" + twoDigits(n) + ".jpg";
}

void SkinScreen::BuildButtons(bool visible) {
    LayoutFile layout(LayoutPath());
    ButtonList.clear();
    if (!layout.Exists()) {
        // No layout reads as no buttons; the user is told, and the screen
        // goes on with its own set-up.
        platform::ErrorBox::show("The layout file " + layout.Quoted() +
                                     " does not exist: this screen has no buttons. " + WayOut(),
                                 layout.Path());
        NoButtonsReported = true;
        return;
    }
    int count = layout.ButtonsCount();
    if (count < 0) count = 0;
    ButtonList.assign(static_cast<size_t>(count), nullptr);
    for (int n = 1; n <= count; ++n) {
        auto* button = new ImageButton(this, "image" + QString::number(n));
        button->setAutoSize(true);
        button->hide();
        button->resize(0, 0);
        int left = 0, top = 0;
        try {
            layout.ButtonPosition(n, left, top);
        } catch (...) {
            button->move(left, button->y());
            throw;
        }
        button->move(left, top);
        button->loadPicture(UpPicture(n));
        button->setVisible(visible);
        button->setCursor(Qt::PointingHandCursor);
        button->onMouseMove = [this, button](int, int) {
            Focus(ButtonNumber(button->objectName()));
        };
        button->onMouseDown = [this, button](Qt::MouseButton, int, int) {
            Press(ButtonNumber(button->objectName()));
        };
        button->onMouseUp = [this, button](Qt::MouseButton, int, int) {
            Release(ButtonNumber(button->objectName()));
        };
        button->onClick = [this, button] { ButtonClick(ButtonNumber(button->objectName())); };
        platform::AccessibleFacts facts;
        facts.name = [this, n] {
            const QString name = ButtonAccessibleName(n);
            return name.isEmpty()
                       ? QString("%1 %2").arg(LanguageIndex == 1 ? "زر" : "Button").arg(n)
                       : name;
        };
        facts.chosen = [this, n] { return ButtonChosen(n); };
        facts.press = [this, n] { ClickButton(n); };
        platform::setAccessibleFacts(button, std::move(facts));
        ButtonList[static_cast<size_t>(n - 1)] = button;
    }
}

QString SkinScreen::ButtonAccessibleName(int n) const {
    return ButtonAccessibleName(n, LanguageIndex == 1);
}

QString SkinScreen::ButtonAccessibleName(int n, bool arabic) const {
    for (const ButtonName& b : ButtonNames)
        if (b.button == n) return arabic ? b.arabic : b.english;
    return {};
}

std::string SkinScreen::LayoutPath() const {
    return ButtonFolder + ScreenName + ".ini";
}

std::string SkinScreen::WayOut() const {
    return CloseButton != 0 || isModalForm() ? "Escape goes back; Ctrl+Q ends the program."
                                             : "Ctrl+Q ends the program.";
}

SkinScreen::CreateNote SkinScreen::createdNote() const {
    if (ScreenName.empty() || NoButtonsReported) return {};
    for (ImageButton* b : ButtonList)
        if (b) return {};
    const std::string layout = LayoutPath();
    return {"This screen has no buttons (layout file " + platform::quotedPath(layout) + "). " +
                WayOut(),
            layout};
}

void SkinScreen::ShowButtons() {
    for (ImageButton* b : ButtonList)
        if (b) b->show();
}

ImageButton* SkinScreen::Button(int n) const {
    return findChild<ImageButton*>("image" + QString::number(n), Qt::FindDirectChildrenOnly);
}

int SkinScreen::ButtonNumber(const QString& name) {
    // "image" + one digit is 6 characters long; otherwise two digits follow.
    if (name.size() == 6) return name.mid(5, 1).toInt();
    return name.mid(5, 2).toInt();
}

void SkinScreen::Focus(int n) {
    if (n == FocusedButton) return;
    if (FocusedButton != 0)
        if (ImageButton* old = Button(FocusedButton)) old->loadPicture(UpPicture(FocusedButton));
    ImageButton* b = Button(n);
    if (b) b->loadPicture(FocusPicture(n));
    FocusedButton = n;
    platform::markStrongFocus(b);
    platform::announceFocus(b);
}

void SkinScreen::Press(int n) {
    if (ImageButton* b = Button(n)) b->loadPicture(DownPicture(n));
}

void SkinScreen::Release(int n) {
    if (!ReleaseShowsFocus(n)) return;
    if (ImageButton* b = Button(n)) b->loadPicture(FocusPicture(n));
}

void SkinScreen::Reset() {
    if (FocusedButton == 0) return;
    if (QWidget* mark = platform::strongFocusOutline(); mark && mark->parentWidget() == this)
        platform::markStrongFocus(nullptr);
    if (ImageButton* b = Button(FocusedButton)) b->loadPicture(UpPicture(FocusedButton));
    FocusedButton = 0;
}

bool SkinScreen::ClickButton(int n) {
    ImageButton* b = Button(n);
    if (!b || !b->isVisible() || !b->isEnabled()) return false;
    ButtonClick(n);
    return true;
}

void SkinScreen::EscapeKey() {
    const bool built = CloseButton >= 1 && CloseButton <= static_cast<int>(ButtonList.size()) &&
                       ButtonList[static_cast<size_t>(CloseButton - 1)];
    if (built)
        ClickButton(CloseButton);
    else if (isModalForm())
        closeForm();  // a skin that failed to build leaves no other way out
    else if (CloseButton != 0)
        ButtonClick(CloseButton);  // nor for a section: its way back all the same
}

void SkinScreen::Uncovered() {
    // The keyboard comes back to this screen.
    if (FirstFocus && !FirstFocus->hasFocus()) FirstFocus->setFocus(Qt::OtherFocusReason);
    // The pointer may have left the button that opened the screen above.
    QWidget* under = childAt(mapFromGlobal(QCursor::pos()));
    for (ImageButton* b : ButtonList)
        if (b && b == under && b->isVisible() && b->isEnabled()) {
            Focus(ButtonNumber(b->objectName()));
            return;
        }
    Reset();
}

bool SkinScreen::KeyPressed(int key, Qt::KeyboardModifiers) {
    if (key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Space) {
        if (FocusedButton == 0) return false;
        ClickButton(FocusedButton);
        return true;
    }
    int dx = 0, dy = 0;
    switch (key) {
        case Qt::Key_Left:
            dx = -1;
            break;
        case Qt::Key_Right:
            dx = 1;
            break;
        case Qt::Key_Up:
            dy = -1;
            break;
        case Qt::Key_Down:
            dy = 1;
            break;
        default:
            return false;
    }
    // Candidates: the buttons shown and enabled, other than the focused one.
    ImageButton* current = FocusedButton ? Button(FocusedButton) : nullptr;
    int best = 0;
    long bestScore = 0;
    for (ImageButton* b : ButtonList) {
        if (!b || !b->isVisible() || !b->isEnabled() || b == current) continue;
        const int n = ButtonNumber(b->objectName());
        if (!current) {
            // Nothing focused yet: the first button in layout order.
            if (best == 0 || n < best) best = n;
            continue;
        }
        const QPoint d = b->geometry().center() - current->geometry().center();
        const long along = dx != 0 ? d.x() * dx : d.y() * dy;
        const long across = std::abs(dx != 0 ? d.y() : d.x());
        if (along <= 0) continue;
        const long score = along + 3 * across;
        if (best == 0 || score < bestScore) {
            best = n;
            bestScore = score;
        }
    }
    if (best != 0) Focus(best);
    return true;
}

void SkinScreen::EnableButton(int n, bool enabled) {
    if (n < 1 || n > static_cast<int>(ButtonList.size())) return;
    ImageButton* b = ButtonList[static_cast<size_t>(n - 1)];
    if (!b || b->isEnabled() == enabled) return;
    b->setEnabled(enabled);
    if (enabled) {
        b->setGraphicsEffect(nullptr);
    } else {
        // How much of a disabled button shows through over the background.
        constexpr qreal kDisabledOpacity = 0.35;
        auto* dim = new QGraphicsOpacityEffect(b);
        dim->setOpacity(kDisabledOpacity);
        b->setGraphicsEffect(dim);
    }
}

bool SkinScreen::ButtonEnabled(int n) const {
    if (n < 1 || n > static_cast<int>(ButtonList.size())) return false;
    ImageButton* b = ButtonList[static_cast<size_t>(n - 1)];
    return b && b->isEnabled();
}

void SkinScreen::TabReachesButtons() {
    setFocusPolicy(Qt::TabFocus);
}

void SkinScreen::showEvent(QShowEvent* e) {
    platform::Form::showEvent(e);
    platform::noteScreenOpened();
    if (!FirstFocus) return;
    // After the caller's own focus call (a modal screen takes the focus itself).
    QPointer<QWidget> first(FirstFocus);
    QMetaObject::invokeMethod(
        this,
        [first] {
            if (first) first->setFocus(Qt::OtherFocusReason);
        },
        Qt::QueuedConnection);
}

void SkinScreen::focusInEvent(QFocusEvent* e) {
    platform::Form::focusInEvent(e);
    const bool tab = e->reason() == Qt::TabFocusReason || e->reason() == Qt::BacktabFocusReason;
    if (tab && focusPolicy() == Qt::TabFocus && FocusedButton == 0)
        platform::guarded([this] { KeyPressed(Qt::Key_Down, Qt::NoModifier); });
}

void SkinScreen::focusOutEvent(QFocusEvent* e) {
    platform::Form::focusOutEvent(e);
    const bool tab = e->reason() == Qt::TabFocusReason || e->reason() == Qt::BacktabFocusReason;
    if (tab && focusPolicy() == Qt::TabFocus) platform::guarded([this] { Reset(); });
}
