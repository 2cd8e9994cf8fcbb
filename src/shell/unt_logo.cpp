#include "shell/unt_logo.h"

#include <QFile>

#include "platform/jpeg.h"
#include "shell/globals.h"
#include "shell/sections.h"

QPointer<Tfrmlogo> frmlogo;

Tfrmlogo::Tfrmlogo(QWidget* parent) : platform::Form(parent) {
    imgground = new platform::ImageControl(this, "imgground");
    // The logo picture belongs to the program itself, not to the disc.
    QFile file(":/logo.jpg");
    if (file.open(QIODevice::ReadOnly)) {
        QByteArray bytes = file.readAll();
        imgground->setPicture(
            platform::decodeJpeg(std::string_view(bytes.constData(), bytes.size()), "logo"));
    }
    Timer1 = new platform::Timer(this, 5000, true);
    Timer1->onTimer = [this] { Timer1Timer(); };
}

void Tfrmlogo::formCreate() {
    setClientSize(824, 591);
    imgground->setGeometry(0, 0, 824, 591);
    imgground->show();
    LanguageIndex = 1;
}

void Tfrmlogo::Timer1Timer() {
    Timer1->setEnabled(false);
    ShowMainMenu();
    closeForm();
}
