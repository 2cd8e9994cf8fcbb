#include "platform/accessible.h"

#include <QAccessibleWidget>
#include <QPainter>
#include <QPointer>
#include <QWidget>

#include "platform/clock.h"
#include "platform/guard.h"

namespace platform {

namespace {

// Holds the facts of a widget as a child object, so they die with it.
class FactsHolder : public QObject {
  public:
    FactsHolder(QWidget* owner, AccessibleFacts f) : QObject(owner), facts(std::move(f)) {
        setObjectName(kName);
    }
    static constexpr const char* kName = "zafirel_accessible_facts";
    AccessibleFacts facts;
};

FactsHolder* holderOf(QObject* o) {
    return o ? o->findChild<FactsHolder*>(FactsHolder::kName, Qt::FindDirectChildrenOnly) : nullptr;
}

// A screen reader's question never raises into Qt: a file that cannot be
// read answers with nothing (its error shows when the screen itself reads it).
QString ask(const std::function<QString()>& f) {
    try {
        return f();
    } catch (...) {
        return {};
    }
}

// The accessible interface of a widget with facts: Qt's own for a widget,
// with the role, texts, states and actions the facts give.
class FactsInterface : public QAccessibleWidget, public QAccessibleTextInterface {
  public:
    FactsInterface(QWidget* w, QAccessible::Role role) : QAccessibleWidget(w, role) {}

    const AccessibleFacts* facts() const {
        FactsHolder* h = holderOf(object());
        return h ? &h->facts : nullptr;
    }
    QString readable() const {
        const AccessibleFacts* f = facts();
        return f && f->text ? ask(f->text) : QString();
    }

    QString text(QAccessible::Text t) const override {
        const AccessibleFacts* f = facts();
        if (f && t == QAccessible::Name && f->name) return ask(f->name);
        if (f && t == QAccessible::Description && f->description) return ask(f->description);
        if (f && t == QAccessible::Value && f->text) return ask(f->text);
        return QAccessibleWidget::text(t);
    }
    QAccessible::State state() const override {
        QAccessible::State s = QAccessibleWidget::state();
        const AccessibleFacts* f = facts();
        if (const int chosen = f && f->chosen ? f->chosen() : -1; chosen >= 0) {
            s.checkable = true;
            s.checked = chosen == 1;
        }
        if (f && f->text) s.readOnly = true;
        return s;
    }
    void* interface_cast(QAccessible::InterfaceType t) override {
        const AccessibleFacts* f = facts();
        if (t == QAccessible::TextInterface && f && f->text)
            return static_cast<QAccessibleTextInterface*>(this);
        return QAccessibleWidget::interface_cast(t);
    }
    QStringList actionNames() const override {
        QStringList names = QAccessibleWidget::actionNames();
        const AccessibleFacts* f = facts();
        if (f && f->press && widget()->isEnabled()) names.prepend(pressAction());
        return names;
    }
    void doAction(const QString& action) override {
        const AccessibleFacts* f = facts();
        if (action == pressAction() && f && f->press && widget()->isEnabled()) {
            guarded(f->press);
            return;
        }
        QAccessibleWidget::doAction(action);
    }

    // The readable text: no selection, no caret, one run of plain text.
    void selection(int, int* start, int* end) const override { *start = *end = 0; }
    int selectionCount() const override { return 0; }
    void addSelection(int, int) override {}
    void removeSelection(int) override {}
    void setSelection(int, int, int) override {}
    int cursorPosition() const override { return 0; }
    void setCursorPosition(int) override {}
    QString text(int start, int end) const override {
        const QString all = readable();
        start = qBound(0, start, int(all.size()));
        end = end < 0 ? int(all.size()) : qBound(start, end, int(all.size()));
        return all.mid(start, end - start);
    }
    int characterCount() const override { return int(readable().size()); }
    QRect characterRect(int) const override { return {}; }
    int offsetAtPoint(const QPoint&) const override { return -1; }
    void scrollToSubstring(int, int) override {}
    QString attributes(int offset, int* start, int* end) const override {
        *start = 0;
        *end = characterCount();
        (void)offset;
        return {};
    }
};

QAccessibleInterface* factsFactory(const QString&, QObject* o) {
    auto* w = qobject_cast<QWidget*>(o);
    FactsHolder* h = holderOf(o);
    if (!w || !h) return nullptr;
    return new FactsInterface(w, h->facts.role);
}

void install() {
    static bool done = false;
    if (done) return;
    done = true;
    QAccessible::installFactory(factsFactory);
}

int pretended = -1;
std::function<void(QAccessibleEvent&)> watcher;

void send(QAccessibleEvent& e) {
    if (watcher) watcher(e);
    QAccessible::updateAccessibility(&e);
}
int64_t openedAt = -1;
// How long nothing starts on its own after a screen opens.
constexpr int kQuietMs = 1000;

// The strong focus outline: a frame drawn over the control, letting the
// mouse through.
class Outline : public QWidget {
  public:
    explicit Outline(QWidget* parent) : QWidget(parent) {
        setAttribute(Qt::WA_TransparentForMouseEvents);
        setFocusPolicy(Qt::NoFocus);
        setObjectName("strongFocusOutline");
    }
    static constexpr int kWidth = 3;

  protected:
    void paintEvent(QPaintEvent*) override {
        QPainter p(this);
        // Yellow inside black: seen on light and on dark pictures alike.
        p.fillRect(rect(), Qt::black);
        p.fillRect(rect().adjusted(1, 1, -1, -1), Qt::yellow);
        p.fillRect(rect().adjusted(kWidth, kWidth, -kWidth, -kWidth), Qt::transparent);
    }
    void resizeEvent(QResizeEvent*) override {
        // Only the frame is part of the widget: the control shows through.
        const QRegion outer(rect());
        setMask(outer.subtracted(QRegion(rect().adjusted(kWidth, kWidth, -kWidth, -kWidth))));
    }
};

QPointer<Outline> outline;

}  // namespace

void setAccessibleFacts(QWidget* w, AccessibleFacts facts) {
    install();
    if (FactsHolder* old = holderOf(w)) delete old;
    new FactsHolder(w, std::move(facts));
}

void announceDescription(QWidget* w) {
    if (!w || !assistiveTechnologyActive()) return;
    QAccessibleEvent e(w, QAccessible::DescriptionChanged);
    send(e);
}

void announceFocus(QWidget* w) {
    if (!w || !assistiveTechnologyActive()) return;
    QAccessibleEvent e(w, QAccessible::Focus);
    send(e);
}

void watchAnnouncements(std::function<void(QAccessibleEvent&)> w) {
    watcher = std::move(w);
}

bool assistiveTechnologyActive() {
    if (pretended >= 0) return pretended == 1;
    return QAccessible::isActive();
}

void pretendAssistiveTechnology(int active) {
    pretended = active;
}

AccessOptions& accessOptions() {
    static AccessOptions options;
    return options;
}

void markStrongFocus(QWidget* target) {
    if (!target || !accessOptions().strongFocusMark || !target->parentWidget()) {
        if (outline) outline->hide();
        return;
    }
    if (!outline || outline->parentWidget() != target->parentWidget()) {
        delete outline.data();
        outline = new Outline(target->parentWidget());
    }
    outline->setGeometry(target->geometry().adjusted(-Outline::kWidth, -Outline::kWidth,
                                                     Outline::kWidth, Outline::kWidth));
    outline->raise();
    outline->show();
}

QWidget* strongFocusOutline() {
    return outline && outline->isVisible() ? outline.data() : nullptr;
}

void noteScreenOpened() {
    openedAt = Clock::current().now();
}

int quietMsLeft() {
    if (openedAt < 0 || !assistiveTechnologyActive()) return 0;
    const int64_t left = openedAt + kQuietMs - Clock::current().now();
    return left > 0 ? static_cast<int>(left) : 0;
}

}  // namespace platform
