#include "platform/guard.h"

#include <QApplication>
#include <QMessageBox>
#include <QPointer>
#include <QTimer>
#include <cctype>
#include <cstdio>
#include <exception>
#include <map>
#include <set>

#include "platform/error.h"
#include "platform/forms.h"
#include "platform/paths.h"

namespace platform {

namespace {
bool recording = false;
std::vector<std::string> messages;
// Messages whose box is open now. A message that names no file is shown
// again only once its box was closed.
std::set<std::string> openBoxes;
// Files whose failure was reported (keys in lower case), with the messages
// shown for each, until the file is read again. A handler that fails on every
// tick (a picture of an animation) reports its file once.
std::map<std::string, std::set<std::string>> failing;
// The disc's removal was reported and it has not been found since.
bool discGoneReported = false;
// The last disc folder seen holding the disc.
fs::path discSeen;

std::string fileKey(const std::string& windowsPath) {
    std::string key = windowsPath;
    for (char& c : key) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return key;
}

// A file on the disc's drive, or a failure that names no file.
bool onDisc(const std::string& file) {
    return file.empty() || (file.size() >= 2 && file[1] == ':' &&
                            std::toupper(static_cast<unsigned char>(file[0])) == programDrive()[0]);
}

// The disc's folder vanished, was left empty (an unmounted medium), or no
// longer holds the disc that was seen in it.
bool discGone() {
    const fs::path root = driveFolder(programDrive()[0]);
    if (root.empty()) return false;
    if (holdsDisc(root)) {
        discSeen = root;
        return false;
    }
    std::error_code ec;
    return !fs::exists(root, ec) || fs::is_empty(root, ec) || root == discSeen;
}

// Decides what reaches the user for a failure: the message, the disc's
// removal instead of it, or nothing.
bool admit(std::string& message, const std::string& file) {
    if (onDisc(file)) {
        if (discGone()) {
            if (discGoneReported) return false;
            discGoneReported = true;
            message = ErrorBox::discRemovedMessage();
            return true;
        }
        discGoneReported = false;
    }
    if (file.empty()) return true;
    return failing[fileKey(file)].insert(message).second;
}

// The window a box belongs to: the active one, else the program's display;
// never another box, which would take this one with it when closed.
QWidget* owner() {
    QWidget* active = QApplication::activeWindow();
    if (active && !qobject_cast<QMessageBox*>(active)) return active;
    if (QWidget* area = displayArea()) return area->window();
    return active ? active->parentWidget() : nullptr;
}

void showBox(QMessageBox::Icon icon, const std::string& message, bool once) {
    // Shown from the event loop, without a nested one: the handler that
    // failed has ended, and a box raised while the program starts comes after
    // its full-screen window, so that it lies above it.
    QTimer::singleShot(0, qApp, [icon, message, once] {
        auto* box = new QMessageBox(icon, QApplication::applicationName(),
                                    QString::fromUtf8(message.c_str()), QMessageBox::Ok, owner());
        box->setAttribute(Qt::WA_DeleteOnClose);
        if (once)
            QObject::connect(box, &QObject::destroyed, [message] { openBoxes.erase(message); });
        box->setWindowModality(Qt::ApplicationModal);
        box->show();
        box->raise();
        box->activateWindow();
    });
}
}  // namespace

void guarded(const std::function<void()>& handler) {
    try {
        handler();
    } catch (const PlatformError& e) {
        ErrorBox::show(e.what(), e.file());
    } catch (const std::exception& e) {
        ErrorBox::show(e.what());
    } catch (...) {
        ErrorBox::show("Unknown error.");
    }
}

void ErrorBox::show(const std::string& text, const std::string& file) {
    std::string message = text;
    if (!admit(message, file)) return;
    if (recording || !qobject_cast<QApplication*>(QCoreApplication::instance())) {
        messages.push_back(message);
        if (!recording) std::fprintf(stderr, "%s\n", message.c_str());
        return;
    }
    if (!openBoxes.insert(message).second) return;
    std::fprintf(stderr, "ZAFIREL: %s\n", message.c_str());
    showBox(QMessageBox::Critical, message, true);
}

void ErrorBox::fileRead(const std::string& windowsPath) {
    if (discGoneReported && onDisc(windowsPath)) discGoneReported = false;  // it is back
    if (!failing.empty()) failing.erase(fileKey(windowsPath));
}

std::string ErrorBox::discRemovedMessage() {
    return "The disc was removed: " + quotedPath(programDrive()) +
           " no longer holds it. Put it back to go on. Escape or the screen's own button "
           "goes back to the menu; Ctrl+Q ends the program.";
}

void ErrorBox::showAndWait(const std::string& message) {
    if (recording) {
        messages.push_back(message);
        return;
    }
    std::fprintf(stderr, "ZAFIREL: %s\n", message.c_str());
    if (!qobject_cast<QApplication*>(QCoreApplication::instance())) return;
    QMessageBox box(QMessageBox::Critical, QApplication::applicationName(),
                    QString::fromUtf8(message.c_str()), QMessageBox::Ok, owner());
    box.exec();
}

void ErrorBox::inform(const std::string& message) {
    if (recording || !qobject_cast<QApplication*>(QCoreApplication::instance())) {
        informed().push_back(message);
        return;
    }
    showBox(QMessageBox::Information, message, false);
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

void ErrorBox::forget() {
    failing.clear();
    discGoneReported = false;
    discSeen.clear();
}

}  // namespace platform
