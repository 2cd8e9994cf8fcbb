#include "platform/fonts.h"

#include <QFont>
#include <QFontDatabase>
#include <QStringList>

#include "platform/paths.h"

namespace platform {

void registerFont(const std::string& windowsPath) {
    fs::path p = hostPath(windowsPath);
    if (!p.empty()) QFontDatabase::addApplicationFont(QString::fromStdString(p.string()));
}

void installFontSubstitutes() {
    const QStringList arabic = {"Amiri", "Noto Naskh Arabic", "KacstOne", "DejaVu Sans"};
    const QStringList latin = {"DejaVu Serif", "Noto Serif", "Amiri"};
    const QStringList sans = {"DejaVu Sans", "Noto Sans", "KacstOne"};
    for (const char* name : {"Simplified Arabic", "Traditional Arabic", "Arabic Transparent",
                             "Simplified Arabic Fixed", "Arial", "MS Sans Serif", "Tahoma"}) {
        const QStringList& list = QString(name).contains("Arabic") ? arabic : sans;
        QFont::insertSubstitutions(name, list);
    }
    QFont::insertSubstitutions("Times New Roman", latin);
    // The disc's system fonts of the French, German and Spanish, and Turkish
    // translations: free fonts that hold every accented letter of those languages.
    QFont::insertSubstitutions("frnsys", latin);
    QFont::insertSubstitutions("GerSys", sans);
    QFont::insertSubstitutions("TRKSYS", sans);
}

}  // namespace platform
