#include "shell/unt_logo.h"

#include <QCoreApplication>
#include <QFile>
#include <QTimer>
#include <cstdio>
#include <cstdlib>

#include "platform/error.h"
#include "platform/jpeg.h"
#include "shell/globals.h"
#include "shell/sections.h"

QPointer<Tfrmlogo> frmlogo;

QString Tfrmlogo::PictureFile = ":/logo.jpg";

// The picture is compiled into the program's static library; nothing else
// refers to it, so it is pulled in by name here or the linker drops it.
static void LinkLogoResource() {
    Q_INIT_RESOURCE(resources);
}

Tfrmlogo::Tfrmlogo(QWidget* parent) : platform::Form(parent) {
    imgground = new platform::ImageControl(this, "imgground");
    imgground->onClick = [this] { Timer1Timer(); };
    Timer1 = new platform::Timer(this, 5000, true);
    Timer1->onTimer = [this] { Timer1Timer(); };
}

void Tfrmlogo::formCreate() {
    setClientSize(824, 591);
    imgground->setGeometry(0, 0, 824, 591);
    imgground->show();
    LanguageIndex = 1;
    // The logo belongs to the program itself, not to the disc.
    LinkLogoResource();
    QFile file(PictureFile);
    if (!file.open(QIODevice::ReadOnly))
        throw platform::PlatformError("Cannot open file \"" + PictureFile.toStdString() + "\".");
    const QByteArray bytes = file.readAll();
    imgground->setPicture(
        platform::decodeJpeg(std::string_view(bytes.constData(), bytes.size()), "logo"));
}

void Tfrmlogo::Timer1Timer() {
    if (isClosed()) return;
    Timer1->setEnabled(false);
    EnterMainMenu();
    closeForm();
}

bool Tfrmlogo::KeyPressed(int key, Qt::KeyboardModifiers) {
    if (key != Qt::Key_Escape && key != Qt::Key_Return && key != Qt::Key_Enter &&
        key != Qt::Key_Space)
        return false;
    Timer1Timer();
    return true;
}

void EnterMainMenu() {
    LanguageIndex = 1;
    ShowMainMenu();
    // For measuring start-up: end the program once the menu is shown and the
    // events before it are done.
    if (std::getenv("ZAFIREL_EXIT_AT_MENU")) {
        QTimer::singleShot(0, [] {
            std::printf("main menu\n");
            std::fflush(stdout);
            QCoreApplication::exit(0);
        });
    }
}
