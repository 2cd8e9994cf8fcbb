// Gallery of the 150 transition effects.
//
//   gallery [FOLDER]                 shows the picture show full-screen, stepping
//                                    through every style on the largest JPEGs of
//                                    FOLDER (default: the disc in $ZAFIREL_DISC,
//                                    or the sample disc built beside the program)
//   gallery --sheets OUTDIR [FOLDER] writes a contact sheet per style (progress
//                                    10, 30, 50, 70, 90) without a window, from
//                                    the same pictures as the show
//   gallery --buttons OUTDIR         writes the shaped button sheets (button_sheet.cpp)
//   gallery --skins OUTDIR [FOLDER]  writes a sheet per skin screen of the disc in
//                                    FOLDER (default as above): background and
//                                    buttons where the layout file puts them
//
// Without JPEGs it uses two generated pictures with big numbers. In the show,
// Escape quits, Right or Space skips to the next style, Left goes back.
#include <QApplication>
#include <QDir>
#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QScreen>
#include <QTimer>
#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <vector>

#include "button_sheet.h"
#include "skin_sheet.h"
#include "components/picture_show.h"
#include "components/transition_effects.h"
#include "platform/clock.h"
#include "platform/error.h"
#include "platform/jpeg.h"

namespace fs = std::filesystem;

namespace {

constexpr int MaxPictures = 6;

/// The folder searched when none is given: $ZAFIREL_DISC, else the sample
/// disc beside the build's tools folder, else build/disc under the current folder.
fs::path defaultFolder(const fs::path& programFolder) {
    if (const char* disc = std::getenv("ZAFIREL_DISC"); disc && *disc) return disc;
    for (const fs::path& p : {programFolder / ".." / "disc", programFolder / ".." / ".." / "disc",
                              fs::path("build") / "disc"})
        if (fs::is_directory(p)) return p;
    return {};
}

/// The largest JPEG files under `folder` (by file size), decoded.
std::vector<QImage> loadPictures(const fs::path& folder) {
    std::vector<std::pair<uintmax_t, fs::path>> files;
    std::error_code ec;
    if (folder.empty() || !fs::is_directory(folder, ec)) return {};
    for (auto it = fs::recursive_directory_iterator(folder, ec);
         !ec && it != fs::recursive_directory_iterator(); it.increment(ec)) {
        if (!it->is_regular_file(ec)) continue;
        std::string ext = it->path().extension().string();
        std::transform(ext.begin(), ext.end(), ext.begin(), ::tolower);
        if (ext == ".jpg" || ext == ".jpeg") files.emplace_back(it->file_size(ec), it->path());
    }
    std::sort(files.begin(), files.end(), [](auto& a, auto& b) { return a.first > b.first; });
    std::vector<QImage> pictures;
    for (const auto& [size, path] : files) {
        if (int(pictures.size()) == MaxPictures) break;
        std::ifstream in(path, std::ios::binary);
        std::stringstream bytes;
        bytes << in.rdbuf();
        try {
            pictures.push_back(platform::decodeJpeg(bytes.str(), path.string()));
        } catch (const platform::PlatformError& e) {
            std::fprintf(stderr, "%s\n", e.what());
        }
    }
    return pictures;
}

/// A colourful picture with a big number, so that every effect is easy to follow.
QImage generated(int number, QSize size) {
    QImage img(size, QImage::Format_RGB32);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient g(0, 0, size.width(), size.height());
    g.setColorAt(0, number == 1 ? QColor(20, 60, 200) : QColor(230, 120, 0));
    g.setColorAt(1, number == 1 ? QColor(0, 190, 120) : QColor(200, 20, 90));
    p.fillRect(img.rect(), g);
    p.setPen(Qt::NoPen);
    for (int k = 0; k < 12; ++k) {
        p.setBrush(QColor::fromHsv((k * 30 + number * 90) % 360, 160, 255, 120));
        const int r = size.height() / 10 + k * 7;
        p.drawEllipse(QPoint((k * 137) % size.width(), (k * 89 + number * 40) % size.height()), r,
                      r);
    }
    p.setPen(QPen(Qt::white, 6));
    for (int x = 0; x < size.width(); x += size.width() / 8) p.drawLine(x, 0, x, size.height());
    QFont font;
    font.setPixelSize(size.height() * 2 / 3);
    font.setBold(true);
    p.setFont(font);
    p.setPen(Qt::black);
    p.drawText(img.rect().translated(8, 8), Qt::AlignCenter, QString::number(number));
    p.setPen(Qt::white);
    p.drawText(img.rect(), Qt::AlignCenter, QString::number(number));
    return img;
}

std::vector<QImage> pictures(const fs::path& folder) {
    std::vector<QImage> found = loadPictures(folder);
    if (found.size() >= 2) return found;
    return {generated(1, {800, 600}), generated(2, {800, 600})};
}

QString title(int style) {
    return QString("%1  %2")
        .arg(style, 3, 10, QChar('0'))
        .arg(QString::fromStdString(TransitionEffects::effectName(style)));
}

/// Writes one PNG per style: frames at 10, 30, 50, 70 and 90% side by side.
int writeSheets(const QString& outDir, const std::vector<QImage>& pics) {
    constexpr int fw = 320, fh = 240, gap = 8, head = 36, foot = 26;
    const int progresses[] = {10, 30, 50, 70, 90};
    if (!QDir().mkpath(outDir)) {
        std::fprintf(stderr, "cannot create %s\n", qPrintable(outDir));
        return 1;
    }
    const QImage from = pics[0].scaled(fw, fh).convertToFormat(QImage::Format_RGB32);
    const QImage to = pics[1].scaled(fw, fh).convertToFormat(QImage::Format_RGB32);
    QFont font;
    font.setPixelSize(18);
    int failed = 0;
    for (int style = 1; style <= TransitionEffects::EffectCount; ++style) {
        QImage sheet(5 * fw + 6 * gap, head + fh + foot, QImage::Format_RGB32);
        sheet.fill(QColor(32, 32, 32));
        QPainter p(&sheet);
        p.setFont(font);
        p.setPen(Qt::white);
        p.drawText(QRect(gap, 0, sheet.width(), head), Qt::AlignVCenter, title(style));
        platform::randomize(uint32_t(style));
        for (int i = 0; i < 5; ++i) {
            QImage frame = from.copy();
            TransitionEffects::drawEffect(style, frame, to, frame.rect(), progresses[i], 5);
            const int x = gap + i * (fw + gap);
            p.drawImage(x, head, frame);
            p.drawText(QRect(x, head + fh, fw, foot), Qt::AlignCenter,
                       QString("%1%").arg(progresses[i]));
        }
        p.end();
        const QString name = QString("%1/style-%2.png").arg(outDir).arg(style, 3, 10, QChar('0'));
        if (!sheet.save(name)) {
            std::fprintf(stderr, "cannot write %s\n", qPrintable(name));
            ++failed;
        }
    }
    std::printf("%d contact sheets written to %s\n", TransitionEffects::EffectCount - failed,
                qPrintable(outDir));
    return failed ? 1 : 0;
}

/// The full-screen show: every style in turn, alternating the pictures.
class Gallery : public QWidget {
  public:
    explicit Gallery(std::vector<QImage> pics) : pics_(std::move(pics)) {
        setWindowTitle("Transition effects");
        QPalette pal = palette();
        pal.setColor(QPalette::Window, Qt::black);
        setPalette(pal);
        show_ = new TPictureShow(this);
        show_->SetAutoSize(false);
        show_->SetStretch(true);
        show_->SetStretchFine(true);
        show_->SetColor(Qt::black);
        show_->SetDelay(40);
        show_->SetStep(2);
        show_->OnStop = [this](TCustomPictureShow*) {
            const int token = token_;
            QTimer::singleShot(700, this, [this, token] {
                if (token == token_) next(+1);
            });
        };
        show_->OnClick = [this] { skip(+1); };
        label_ = new QLabel(this);
        label_->setStyleSheet(
            "QLabel { color: white; background: rgba(0,0,0,150); padding: 6px 12px;"
            " font-size: 24px; }");
        style_ = 0;
        QTimer::singleShot(0, this, [this] { next(+1); });
    }

  protected:
    void resizeEvent(QResizeEvent*) override {
        show_->setGeometry(rect());
        label_->move(16, 16);
    }
    void keyPressEvent(QKeyEvent* e) override {
        if (e->key() == Qt::Key_Escape || e->key() == Qt::Key_Q) close();
        if (e->key() == Qt::Key_Right || e->key() == Qt::Key_Space) skip(+1);
        if (e->key() == Qt::Key_Left) skip(-1);
    }

  private:
    void skip(int direction) {
        if (show_->Running()) {
            pending_ = direction;
            show_->StopTransition();  // its stop event moves on
        } else {
            next(direction);
        }
    }
    void next(int direction) {
        if (pending_) direction = std::exchange(pending_, 0);
        if (show_->Running()) return;
        ++token_;  // a pause still waiting after a skip must not move on again
        style_ = (style_ - 1 + direction + 150) % 150 + 1;
        show_->SetStyle(style_);
        show_->SetPicture(pics_[picture_++ % pics_.size()]);
        label_->setText(title(style_));
        label_->adjustSize();
        show_->RunTransition();
    }

    std::vector<QImage> pics_;
    TPictureShow* show_;
    QLabel* label_;
    int style_ = 0, pending_ = 0, token_ = 0;
    size_t picture_ = 0;
};

}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    std::setlocale(LC_NUMERIC, "C");
    const QStringList args = app.arguments().mid(1);
    QString sheets, skins, folder;
    for (int i = 0; i < args.size(); ++i) {
        if (args[i] == "--buttons" && i + 1 < args.size()) return writeButtonSheets(args[i + 1]);
        if (args[i] == "--sheets" && i + 1 < args.size()) {
            sheets = args[++i];
        } else if (args[i] == "--skins" && i + 1 < args.size()) {
            skins = args[++i];
        } else if (args[i] == "--help" || args[i] == "-h") {
            std::printf("usage: gallery [--sheets OUTDIR | --skins OUTDIR] [FOLDER]\n");
            return 0;
        } else {
            folder = args[i];
        }
    }
    const fs::path where = folder.isEmpty() ? defaultFolder(app.applicationDirPath().toStdString())
                                            : fs::path(folder.toStdString());
    if (!skins.isEmpty()) return writeSkinSheets(skins, where);
    if (!sheets.isEmpty()) return writeSheets(sheets, pictures(where));
    Gallery gallery(pictures(where));
    gallery.setGeometry(gallery.screen()->geometry());  // also without a window manager
    gallery.showFullScreen();
    return app.exec();
}
