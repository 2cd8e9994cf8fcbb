#include "platform/guard.h"

#include <QApplication>
#include <QMessageBox>
#include <cstdio>
#include <exception>
#include <set>

#include "platform/error.h"

namespace platform {

namespace {
bool recording = false;
std::vector<std::string> messages;
// Messages whose box is open now. A handler that fails on every tick (a
// missing picture of an animation) would otherwise pile up a new box every
// few hundred milliseconds; the same message is shown once until its box is
// closed.
std::set<std::string> openBoxes;
}  // namespace

void guarded(const std::function<void()>& handler) {
    try {
        handler();
    } catch (const std::exception& e) {
        ErrorBox::show(e.what());
    } catch (...) {
        ErrorBox::show("Unknown error.");
    }
}

void ErrorBox::show(const std::string& message) {
    if (recording || !qobject_cast<QApplication*>(QCoreApplication::instance())) {
        messages.push_back(message);
        if (!recording) std::fprintf(stderr, "%s\n", message.c_str());
        return;
    }
    if (!openBoxes.insert(message).second) return;
    std::fprintf(stderr, "ZAFIREL: %s\n", message.c_str());
    // Shown without a nested event loop: the handler that failed has ended.
    auto* box = new QMessageBox(QMessageBox::Critical, QApplication::applicationName(),
                                QString::fromUtf8(message.c_str()), QMessageBox::Ok);
    box->setAttribute(Qt::WA_DeleteOnClose);
    QObject::connect(box, &QObject::destroyed, [message] { openBoxes.erase(message); });
    box->setWindowModality(Qt::ApplicationModal);
    box->show();
}

void ErrorBox::showAndWait(const std::string& message) {
    if (recording) {
        messages.push_back(message);
        return;
    }
    std::fprintf(stderr, "ZAFIREL: %s\n", message.c_str());
    if (!qobject_cast<QApplication*>(QCoreApplication::instance())) return;
    QMessageBox box(QMessageBox::Critical, QApplication::applicationName(),
                    QString::fromUtf8(message.c_str()), QMessageBox::Ok);
    box.exec();
}

void ErrorBox::inform(const std::string& message) {
    if (recording || !qobject_cast<QApplication*>(QCoreApplication::instance())) {
        informed().push_back(message);
        return;
    }
    auto* box = new QMessageBox(QMessageBox::Information, QApplication::applicationName(),
                                QString::fromUtf8(message.c_str()), QMessageBox::Ok);
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->setWindowModality(Qt::ApplicationModal);
    box->show();
}

std::vector<std::string>& ErrorBox::informed() {
    static std::vector<std::string> notes;
    return notes;
}

void ErrorBox::setRecording(bool on) {
    recording = on;
}
std::vector<std::string>& ErrorBox::recorded() {
    return messages;
}

}  // namespace platform
