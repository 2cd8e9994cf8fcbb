#include "quran/number_field.h"

#include <QKeyEvent>
#include <QTextOption>

#include "platform/codepage.h"
#include "platform/error.h"
#include "platform/guard.h"

NumberField::NumberField(QWidget* parent, const char* name, QRect place, const int* value)
    : QPlainTextEdit(parent), value_(value) {
    setObjectName(name);
    setGeometry(place);
    setFrameShape(QFrame::NoFrame);
    setFocusPolicy(Qt::StrongFocus);
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

bool NumberField::isDigitKey(int key) {
    return (key >= Qt::Key_0 && key <= Qt::Key_9) || (key >= 0x0660 && key <= 0x0669) ||
           (key >= 0x06F0 && key <= 0x06F9);
}

bool NumberField::isEditingKey(int key, Qt::KeyboardModifiers modifiers) {
    switch (key) {
        case Qt::Key_Backspace:
        case Qt::Key_Delete:
        case Qt::Key_Home:
        case Qt::Key_End:
        case Qt::Key_Left:
        case Qt::Key_Right:
        case Qt::Key_Tab:
        case Qt::Key_Backtab:
        case Qt::Key_Shift:
        case Qt::Key_Control:
        case Qt::Key_Alt:
        case Qt::Key_Meta:
            return true;
        case Qt::Key_A:
            return modifiers & Qt::ControlModifier;
        default:
            return false;
    }
}

void NumberField::showValue() {
    if (!typing_) restoreValue();
}

void NumberField::restoreValue() {
    typing_ = false;
    const QString text = QString::number(*value_);
    if (toPlainText() != text) setPlainText(text);
}

int NumberField::typedValue() const {
    return platform::strToInt(toPlainText().toStdString(), platform::kUtf8CodePage);
}

void NumberField::keyPressEvent(QKeyEvent* e) {
    const int key = e->key();
    if (key == Qt::Key_Return || key == Qt::Key_Enter) {
        if (onEnter) platform::guarded(onEnter);
        // The reader's own keys work again once the number is entered.
        if (hasFocus() && parentWidget()) parentWidget()->setFocus(Qt::OtherFocusReason);
        return;
    }
    if (isDigitKey(key) || isEditingKey(key, e->modifiers())) typing_ = true;
    // An Arabic-Indic digit is typed as the plain digit so the text stays a number.
    const QString text = e->text();
    if (text.size() == 1 && text[0].isDigit() && text[0].unicode() >= 0x0660) {
        insertPlainText(QString::number(text[0].digitValue()));
        return;
    }
    QPlainTextEdit::keyPressEvent(e);
}

void NumberField::keyReleaseEvent(QKeyEvent* e) {
    QPlainTextEdit::keyReleaseEvent(e);
    // Any other key, Enter included, puts the value back.
    if (!isDigitKey(e->key()) && !isEditingKey(e->key(), e->modifiers())) restoreValue();
}

void NumberField::focusInEvent(QFocusEvent* e) {
    QPlainTextEdit::focusInEvent(e);
    // Typing replaces the number shown; a click would place the cursor inside
    // it, so the whole text is selected once that click is over.
    selectAll();
    selectOnRelease_ = e->reason() == Qt::MouseFocusReason;
}

void NumberField::focusOutEvent(QFocusEvent* e) {
    QPlainTextEdit::focusOutEvent(e);
    selectOnRelease_ = false;
    if (typing_) restoreValue();
}

void NumberField::mousePressEvent(QMouseEvent* e) {
    QPlainTextEdit::mousePressEvent(e);
    if (selectOnRelease_) selectAll();
}

void NumberField::mouseReleaseEvent(QMouseEvent* e) {
    QPlainTextEdit::mouseReleaseEvent(e);
    if (selectOnRelease_) selectAll();
    selectOnRelease_ = false;
}

void JumpOnEnter(NumberField* field, std::function<int()> last, std::function<void(int)> go) {
    field->onEnter = [field, last = std::move(last), go = std::move(go)] {
        if (field->toPlainText().isEmpty()) return;
        const int v = field->typedValue();
        if (v < 1 || v > last()) return;
        go(v);
    };
}
