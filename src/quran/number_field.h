// The number fields of the reader screens (aya, sura, page, part): a one-line
// box showing one value of the reading position, where the user types a number
// and presses Enter to go there.
#pragma once

#include <QPlainTextEdit>
#include <functional>

class NumberField : public QPlainTextEdit {
  public:
    /// A field named `name` at `place` that shows `*value`: black, white bold
    /// 16-pixel text, centred.
    NumberField(QWidget* parent, const char* name, QRect place, const int* value);

    /// Shows the current value unless the user is typing into the field.
    void showValue();
    /// Shows the current value and ends the typing.
    void restoreValue();
    /// The number typed; raises the conversion error for other text.
    int typedValue() const;

    /// Runs (through the guard) when Enter is pressed.
    std::function<void()> onEnter;

    /// A key that counts as a digit: the digit row, the keypad (Qt gives both
    /// the same code) and the Arabic-Indic digits of an Arabic layout.
    static bool isDigitKey(int key);
    /// Keys that edit or move inside the field, or only change modifiers:
    /// they keep what was typed.
    static bool isEditingKey(int key, Qt::KeyboardModifiers modifiers);

  protected:
    void keyPressEvent(QKeyEvent* e) override;
    void keyReleaseEvent(QKeyEvent* e) override;
    void focusInEvent(QFocusEvent* e) override;
    void focusOutEvent(QFocusEvent* e) override;
    void mousePressEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;

  private:
    const int* value_;
    bool typing_ = false;
    bool selectOnRelease_ = false;  // focus came with this click: select all after it
};

/// Enter in `field` goes to the number typed when it lies in 1..last(); a
/// number out of range is ignored, an empty field does nothing, and text that
/// is not a number raises the conversion error.
void JumpOnEnter(NumberField* field, std::function<int()> last, std::function<void(int)> go);
