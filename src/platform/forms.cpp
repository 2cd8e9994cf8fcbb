#include "platform/forms.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>

namespace platform {

namespace {

QPointer<QWidget> area;
bool terminating = false;

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

}  // namespace

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

void Form::closeForm() {
    if (closed_) return;
    closed_ = true;
    hide();
    if (blocker_) {
        blocker_->hide();
        blocker_->deleteLater();
    }
    deleteLater();
    if (onClosed) {
        auto callback = std::move(onClosed);
        guarded(callback);
    }
}

void processPendingEvents() {
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCoreApplication::sendPostedEvents();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

}  // namespace platform
