#include "platform/forms.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>

#include "platform/error.h"

namespace platform {

namespace {

QPointer<QWidget> area;
bool terminating = false;
// Modal forms in the order they were shown; closed ones are taken out.
std::vector<QPointer<Form>> modals;

// Swallows every mouse and key event aimed at the screens below a modal one.
class ModalBlocker : public QWidget {
  public:
    explicit ModalBlocker(QWidget* parent) : QWidget(parent) {
        setAttribute(Qt::WA_NoSystemBackground);
        setGeometry(0, 0, parent->width(), parent->height());
    }

  protected:
    bool event(QEvent* e) override {
        switch (e->type()) {
            case QEvent::MouseButtonPress:
            case QEvent::MouseButtonRelease:
            case QEvent::MouseButtonDblClick:
            case QEvent::MouseMove:
            case QEvent::Wheel:
            case QEvent::KeyPress:
            case QEvent::KeyRelease:
                e->accept();
                return true;
            default:
                return QWidget::event(e);
        }
    }
};

// Sees every key press before any widget does. A press meant for a control of
// the screen on top goes its usual way; one that would land outside that
// screen (the focus is on the hub, on a screen below, or nowhere) is handed
// to the screen itself.
class KeyRouter : public QObject {
  public:
    std::function<void()> quit;
    std::function<bool(QWidget*, QEvent*)> programHook;

  protected:
    bool eventFilter(QObject* watched, QEvent* e) override {
        const bool menu = e->type() == QEvent::ContextMenu;
        if ((e->type() != QEvent::KeyPress && !menu) || routing_) return false;
        auto* receiver = qobject_cast<QWidget*>(watched);
        if (!receiver) return false;
        const bool inHub = area && receiver->window() == area->window();
        // A context menu request is seen once: it is taken or goes its way.
        if (menu) return inHub && programHook && programHook(receiver, e);
        // Only the first delivery, not the walk up to the parents that
        // follows when a control leaves the key.
        QWidget* focus = QApplication::focusWidget();
        if (focus && receiver != focus) return false;
        if (inHub && programHook && programHook(receiver, e)) return true;
        auto* key = static_cast<QKeyEvent*>(e);
        if (key->key() == Qt::Key_Q && (key->modifiers() & Qt::ControlModifier)) {
            if (quit) guarded(quit);
            return true;
        }
        Form* top = topForm();
        if (!top || top == receiver || top->isAncestorOf(receiver)) return false;
        // Another window (the error box) keeps its keys.
        if (receiver->window() != top->window()) return false;
        routing_ = true;
        QCoreApplication::sendEvent(top, e);
        routing_ = false;
        return true;
    }

  private:
    bool routing_ = false;
};

KeyRouter* router = nullptr;

bool takesTabFocus(const QWidget* w) {
    return w->isVisible() && w->isEnabled() && (w->focusPolicy() & Qt::TabFocus);
}

}  // namespace

Form* topForm() {
    for (auto it = modals.rbegin(); it != modals.rend(); ++it)
        if (*it && !(*it)->isClosed()) return it->data();
    if (!area) return nullptr;
    const QObjectList& children = area->children();  // bottom to top
    for (auto it = children.rbegin(); it != children.rend(); ++it) {
        auto* form = qobject_cast<Form*>(*it);
        if (form && !form->isClosed() && !form->isHidden()) return form;
    }
    return nullptr;
}

void routeKeys(std::function<void()> quit) {
    if (!router) {
        router = new KeyRouter();
        QCoreApplication::instance()->installEventFilter(router);
    }
    router->quit = std::move(quit);
}

void setProgramEventHook(std::function<bool(QWidget*, QEvent*)> hook) {
    if (router) router->programHook = std::move(hook);
}

QWidget* displayArea() {
    return area;
}
void setDisplayArea(QWidget* a) {
    area = a;
}

void terminateApplication() {
    terminating = true;
    if (QCoreApplication::instance()) QCoreApplication::quit();
}
bool terminationRequested() {
    return terminating;
}
void resetTerminationRequest() {
    terminating = false;
}

Form::Form(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_StyledBackground);
    setAutoFillBackground(true);
    QPalette p = palette();
    p.setColor(QPalette::Window, Qt::black);
    setPalette(p);
    hide();
}

Form::~Form() {
    if (blocker_) delete blocker_;
}

void Form::setClientSize(int width, int height) {
    resize(width, height);
    centre();
}

void Form::centre() {
    QWidget* p = parentWidget();
    if (!p) return;
    move(std::max(0, (p->width() - width()) / 2), std::max(0, (p->height() - height()) / 2));
}

void Form::showModal() {
    QWidget* p = parentWidget();
    if (p && !blocker_) {
        blocker_ = new ModalBlocker(p);
        blocker_->show();
        blocker_->raise();
    }
    std::erase_if(modals, [](const QPointer<Form>& f) { return !f; });
    modals.push_back(this);
    show();
    raise();
    setFocus();
}

void Form::showAsChild(QWidget* parent) {
    if (parent && parent != parentWidget()) {
        setParent(parent);
        centre();
    }
    show();
    raise();
}

void Form::keyPressEvent(QKeyEvent* e) {
    // A screen inside another (a panel) leaves its keys to the screen on top.
    if (Form* top = topForm(); top && top != this) {
        QWidget::keyPressEvent(e);
        return;
    }
    const int key = e->key();
    const Qt::KeyboardModifiers modifiers = e->modifiers();
    bool handled = false;
    guarded([&] { handled = KeyPressed(key, modifiers); });
    if (!handled && key == Qt::Key_Escape) {
        guarded([this] { EscapeKey(); });
        handled = true;
    }
    if (handled)
        e->accept();
    else
        QWidget::keyPressEvent(e);
}

bool Form::focusNextPrevChild(bool next) {
    Form* top = topForm();
    if (top && top != this && top->isAncestorOf(this)) return top->focusNextPrevChild(next);
    QWidget* start = QApplication::focusWidget();
    if (!start || !isAncestorOf(start)) start = this;
    // The focus chain runs round every widget of the window; take the next
    // one that belongs to this screen (the screen itself when its buttons
    // take the focus as one stop).
    QWidget* w = start;
    do {
        w = next ? w->nextInFocusChain() : w->previousInFocusChain();
        if ((w == this || isAncestorOf(w)) && takesTabFocus(w)) {
            w->setFocus(next ? Qt::TabFocusReason : Qt::BacktabFocusReason);
            return true;
        }
    } while (w && w != start);
    return true;
}

void Form::closeForm() {
    if (closed_) return;
    closed_ = true;
    const bool wasModal = blocker_ != nullptr;
    hide();
    if (blocker_) {
        blocker_->hide();
        blocker_->deleteLater();
    }
    std::erase(modals, QPointer<Form>(this));
    deleteLater();
    if (onClosed) {
        auto callback = std::move(onClosed);
        guarded(callback);
    }
    if (wasModal)
        if (Form* top = topForm()) guarded([top] { top->Uncovered(); });
}

void runCreateHandler(Form* form) {
    std::string message, file;
    try {
        form->formCreate();
    } catch (const PlatformError& e) {
        message = e.what();
        file = e.file();
    } catch (const std::exception& e) {
        message = e.what();
    } catch (...) {
        message = "Unknown error.";
    }
    const Form::CreateNote note = form->createdNote();
    if (message.empty() && note.text.empty()) return;
    if (message.empty()) {
        message = note.text;
        file = note.file;
    } else if (!note.text.empty()) {
        message += "\n" + note.text;
    }
    ErrorBox::show(message, file);
}

void processPendingEvents() {
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCoreApplication::sendPostedEvents();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

}  // namespace platform
