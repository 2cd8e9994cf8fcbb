// Forms: the screens of the program. Every screen lies inside the hub's
// display area (the program's 1024 by 768 display). A child screen is shown
// and left to run; a modal screen is raised above the others behind an input
// blocker, with no nested event loop: nothing runs after showModal() returns
// in the caller, and callers that react to the end use onClosed.
#pragma once

#include <QPointer>
#include <QWidget>
#include <functional>
#include <string>

#include "platform/guard.h"

namespace platform {

/// The widget that stands for the program's 1024 by 768 display.
QWidget* displayArea();
void setDisplayArea(QWidget* area);

/// Asks the application to terminate (the message loop ends).
void terminateApplication();
/// True once terminateApplication() was called (tests).
bool terminationRequested();
void resetTerminationRequest();

class Form;

/// The screen that keys go to: the newest open modal form, else the top-most
/// open child screen of the display area (nullptr when there is none).
Form* topForm();

/// Makes every key press reach topForm() whatever widget has the focus: a
/// control inside that screen still gets it first (fields, lists, check
/// boxes), and whatever it leaves goes to the screen. Ctrl+Q runs `quit`
/// (through the guard) from anywhere. Installed once; a later call replaces
/// `quit`.
void routeKeys(std::function<void()> quit);

/// The program's own layer sees, before any screen, every key press and every
/// context menu request (right click, Menu key) made in the hub's window.
/// Returning true takes the event; false lets it go its usual way. Needs
/// routeKeys(); an empty function removes the hook.
void setProgramEventHook(std::function<bool(QWidget* receiver, QEvent* e)> hook);

class Form : public QWidget {
    Q_OBJECT
  public:
    /// A borderless form inside `parent` (by default the display area), hidden.
    explicit Form(QWidget* parent = nullptr);
    ~Form() override;

    /// The create handler of the screen; run through the guard by createForm().
    virtual void formCreate() {}
    /// What the user is told after the create handler when the screen was
    /// left without a way to use it (empty: nothing), with the file it is
    /// about. It follows the create handler's own error in the same box.
    struct CreateNote {
        std::string text, file;
    };
    virtual CreateNote createdNote() const { return {}; }

    /// Sets the client size and centres the form in its parent (clamped at 0).
    void setClientSize(int width, int height);
    /// Centres the form in its parent, clamped at 0.
    void centre();

    /// Shows the form above every other screen; input to the others is blocked
    /// until it closes.
    void showModal();
    /// Makes `parent` the form's parent and shows it without waiting.
    void showAsChild(QWidget* parent);
    /// Hides and releases the form; runs onClosed once.
    void closeForm();

    bool isModalForm() const { return blocker_ != nullptr; }
    bool isClosed() const { return closed_; }

    /// Runs once when the form closes (after it is hidden).
    std::function<void()> onClosed;

    /// What Escape does on this screen: the same as its close button. Nothing
    /// by default.
    virtual void EscapeKey() {}
    /// A key pressed on this screen that none of its controls took. Returns
    /// true when the screen acted on it; Escape goes to EscapeKey() otherwise.
    virtual bool KeyPressed(int key, Qt::KeyboardModifiers modifiers) { return false; }
    /// Runs when a modal screen above this one has closed and this one is on
    /// top again.
    virtual void Uncovered() {}

  protected:
    void keyPressEvent(QKeyEvent* e) override;
    /// Tab and Shift+Tab move the focus among the controls of the screen on
    /// top, round and round, never into the screens below it.
    bool focusNextPrevChild(bool next) override;

  private:
    QPointer<QWidget> blocker_;
    bool closed_ = false;
};

/// Runs the create handler of `form` as the guard does, and shows in one box
/// its error (if any) followed by the screen's note (if any).
void runCreateHandler(Form* form);

/// Creates a screen of class T inside the display area, stores it in its form
/// variable and runs its create handler through the guard. The form variable
/// is cleared when the form is released.
template <class T>
T* createForm(QPointer<T>& formVariable, QWidget* parent = nullptr) {
    T* form = new T(parent ? parent : displayArea());
    formVariable = form;
    runCreateHandler(form);
    return form;
}

/// Delivers pending deferred deletions and posted events (tests, after a close).
void processPendingEvents();

}  // namespace platform
