// The skin sheets: every folder of the disc's pictures that holds a layout
// file "<name>.ini" with a [BUTTONS] section beside its background
// "<name>.jpg" is drawn as the program shows it, buttons up.
#include "skin_sheet.h"

#include <QDir>
#include <QFile>
#include <QPainter>
#include <QRegularExpression>
#include <cstdio>
#include <fstream>
#include <sstream>

#include "platform/error.h"
#include "platform/jpeg.h"

namespace fs = std::filesystem;

namespace {

QImage loadJpeg(const fs::path& file) {
    std::ifstream in(file, std::ios::binary);
    std::stringstream bytes;
    bytes << in.rdbuf();
    return platform::decodeJpeg(bytes.str(), file.string());
}

/// The file in `folder` whose name is `name` in any letter case, or none.
fs::path findFile(const fs::path& folder, const std::string& name) {
    std::error_code ec;
    for (const auto& entry : fs::directory_iterator(folder, ec))
        if (QString::fromStdString(entry.path().filename().string())
                .compare(QString::fromStdString(name), Qt::CaseInsensitive) == 0)
            return entry.path();
    return {};
}

/// The sheet of one screen, or a null picture when `layout` lists no buttons.
QImage sheetOf(const fs::path& layout) {
    QFile file(QString::fromStdString(layout.string()));
    if (!file.open(QIODevice::ReadOnly)) return {};
    const QString text = QString::fromLatin1(file.readAll());
    if (!text.contains("[BUTTONS]", Qt::CaseInsensitive)) return {};
    const fs::path folder = layout.parent_path();
    const fs::path background = findFile(folder, layout.stem().string() + ".jpg");
    if (background.empty()) return {};
    QImage sheet = loadJpeg(background).convertToFormat(QImage::Format_RGB32);
    QPainter p(&sheet);
    QFont font;
    font.setPixelSize(11);
    font.setBold(true);
    p.setFont(font);
    static const QRegularExpression line(
        "^b(\\d+)\\s*=\\s*(-?\\d+)\\s*,\\s*(-?\\d+)",
        QRegularExpression::MultilineOption | QRegularExpression::CaseInsensitiveOption);
    for (auto it = line.globalMatch(text); it.hasNext();) {
        const auto m = it.next();
        const int n = m.captured(1).toInt();
        const QPoint at(m.captured(2).toInt(), m.captured(3).toInt());
        fs::path up = findFile(folder, "buttons");
        if (!up.empty()) up = findFile(up, "up");
        if (!up.empty())
            up = findFile(up, QString("%1.jpg").arg(n, 2, 10, QChar('0')).toStdString());
        if (up.empty()) continue;
        const QImage picture = loadJpeg(up);
        p.drawImage(at, picture);
        p.setPen(QPen(Qt::magenta, 1));
        p.setBrush(Qt::NoBrush);
        p.drawRect(QRect(at, picture.size()).adjusted(0, 0, -1, -1));
        const QRect tag(at, QSize(18, 14));
        p.fillRect(tag, Qt::magenta);
        p.setPen(Qt::white);
        p.drawText(tag, Qt::AlignCenter, QString::number(n));
    }
    return sheet;
}

}  // namespace

int writeSkinSheets(const QString& outDir, const fs::path& disc) {
    if (!QDir().mkpath(outDir)) {
        std::fprintf(stderr, "cannot create %s\n", qPrintable(outDir));
        return 1;
    }
    int written = 0, failed = 0;
    std::error_code ec;
    for (auto it = fs::recursive_directory_iterator(disc, ec);
         !ec && it != fs::recursive_directory_iterator(); it.increment(ec)) {
        if (!it->is_regular_file(ec) ||
            QString::fromStdString(it->path().extension().string()).toLower() != ".ini")
            continue;
        try {
            const QImage sheet = sheetOf(it->path());
            if (sheet.isNull()) continue;
            // graphic/hadiths/1/hadiths.ini -> graphic_hadiths_1_hadiths.png
            QString name = QString::fromStdString(
                fs::relative(it->path(), disc, ec).replace_extension(".png").string());
            name.replace('/', '_');
            if (sheet.save(outDir + "/" + name))
                ++written;
            else
                ++failed;
        } catch (const platform::PlatformError& e) {
            std::fprintf(stderr, "%s\n", e.what());
            ++failed;
        }
    }
    std::printf("%d skin sheets written to %s\n", written, qPrintable(outDir));
    return failed ? 1 : 0;
}
