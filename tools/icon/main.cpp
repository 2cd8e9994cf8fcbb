// zafirel_icon LOGO.jpg OUTDIR SIZE...
//
// Draws the program's icon from its logo: the whole logo scaled to fit a
// square, centred, transparent above and below. Writes
// OUTDIR/<SIZE>x<SIZE>/apps/zafirel.png for each size (an icon theme's layout).
#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>

#include "platform/error.h"
#include "platform/jpeg.h"

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    if (argc < 4) {
        std::fprintf(stderr, "usage: zafirel_icon LOGO.jpg OUTDIR SIZE...\n");
        return 2;
    }
    try {
        std::ifstream in(argv[1], std::ios::binary);
        if (!in) throw platform::PlatformError(std::string("cannot open ") + argv[1]);
        std::ostringstream bytes;
        bytes << in.rdbuf();
        const QImage logo = platform::decodeJpeg(bytes.str(), argv[1]);
        for (int i = 3; i < argc; ++i) {
            const int side = std::atoi(argv[i]);
            if (side <= 0) throw platform::PlatformError(std::string("bad size ") + argv[i]);
            QImage icon(side, side, QImage::Format_ARGB32);
            icon.fill(Qt::transparent);
            const QImage scaled =
                logo.scaled(side, side, Qt::KeepAspectRatio, Qt::SmoothTransformation);
            QPainter(&icon).drawImage((side - scaled.width()) / 2, (side - scaled.height()) / 2,
                                      scaled);
            const QString folder = QString("%1/%2x%2/apps").arg(argv[2]).arg(side);
            if (!QDir().mkpath(folder) || !icon.save(folder + "/zafirel.png"))
                throw platform::PlatformError("cannot write " + folder.toStdString());
        }
    } catch (const std::exception& e) {
        std::fprintf(stderr, "zafirel_icon: %s\n", e.what());
        return 1;
    }
    return 0;
}
