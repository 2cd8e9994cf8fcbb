#include "quran/page_panel.h"

#include <QMouseEvent>
#include <QPainter>

#include "shell/globals.h"

namespace {
// Offset of the page picture inside the panel.
constexpr int kPageLeft = 49;
constexpr int kPageTop = 33;
}  // namespace

AyaHighlight::AyaHighlight(QWidget* panel, const QString& name, platform::ImageControl* frame,
                           platform::ImageControl* page)
    : QWidget(panel), frame_(frame), page_(page) {
    setObjectName(name);
    setCursor(Qt::PointingHandCursor);
    hide();
}

QImage AyaHighlight::rendered() const {
    QImage out(size(), QImage::Format_RGB32);
    out.fill(Qt::black);
    QPainter p(&out);
    for (platform::ImageControl* under : {frame_, page_})
        if (!under->picture().isNull() && under->isVisibleTo(parentWidget()))
            p.drawImage(under->pos() - pos(), under->picture());
    p.end();
    for (int y = 0; y < out.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(out.scanLine(y));
        for (int x = 0; x < out.width(); ++x) line[x] |= 0xFFFF0000u;
    }
    return out;
}

void AyaHighlight::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.drawImage(0, 0, rendered());
}
void AyaHighlight::mousePressEvent(QMouseEvent* e) {
    e->accept();
}
void AyaHighlight::mouseReleaseEvent(QMouseEvent* e) {
    e->accept();
}
void AyaHighlight::mouseDoubleClickEvent(QMouseEvent* e) {
    e->accept();
}

PagePanel::PagePanel(QWidget* screen, QPoint place) : QWidget(screen) {
    setObjectName("panquran");
    setGeometry(place.x(), place.y(), 382, 503);
    imgquran = new platform::ImageControl(this, "imgquran");
    imgquran->setAutoSize(true);
    imgquran->move(0, 0);
    imgpage = new platform::ImageControl(this, "imgpage");
    imgpage->setAutoSize(true);
    imgpage->setGeometry(kPageLeft, kPageTop, 280, 437);
    imgpage->setCursor(Qt::PointingHandCursor);
    imgpage->onMouseDown = [this](Qt::MouseButton, int x, int y) {
        if (onPageClick) onPageClick(x, y);
    };
    for (int i = 1; i <= 3; ++i)
        shpaya.push_back(new AyaHighlight(this, QString("shpaya%1").arg(i), imgquran, imgpage));
}

void PagePanel::LoadFrame(const std::string& windowsPath) {
    imgquran->loadPicture(windowsPath);
}

void PagePanel::LoadPage(int page) {
    try {
        imgpage->loadPicture(GraphicDir + "quran_pic\\" + std::to_string(page) + ".jpg");
    } catch (...) {
        imgpage->clearPicture();
        throw;
    }
}

void PagePanel::ShowMarks(const std::vector<AyaSegment>& segments) {
    while (shpaya.size() < segments.size())
        shpaya.push_back(
            new AyaHighlight(this, QString("shpaya%1").arg(shpaya.size() + 1), imgquran, imgpage));
    for (size_t i = 0; i < segments.size(); ++i) {
        AyaHighlight* mark = shpaya[i];
        const QRect area = MarkArea(segments[i]);
        if (area.isEmpty()) {
            mark->hide();
            continue;
        }
        mark->setGeometry(area);
        mark->show();
        mark->raise();
        mark->update();
    }
}

QRect PagePanel::MarkArea(const AyaSegment& s) const {
    // The map's fields are 16-bit, so the sums cannot overflow.
    const QRect wanted(s.left + imgpage->x(), s.top + imgpage->y(), s.width, s.height);
    return wanted & imgpage->geometry() & rect();
}

void PagePanel::HideMarks() {
    for (AyaHighlight* mark : shpaya) mark->hide();
}

void PagePanel::ShowRangeEnds(const std::vector<AyaSegment>& segments) {
    while (outlines_.size() < segments.size()) {
        auto* outline = new QWidget(this);
        outline->setObjectName("rangeEnd");
        outline->setAttribute(Qt::WA_TransparentForMouseEvents);
        outline->setStyleSheet("border: 1px solid red; background: transparent;");
        outline->setAttribute(Qt::WA_StyledBackground);
        outlines_.push_back(outline);
    }
    for (size_t i = 0; i < outlines_.size(); ++i) {
        const QRect area = i < segments.size() ? MarkArea(segments[i]) : QRect();
        outlines_[i]->setVisible(!area.isEmpty());
        if (area.isEmpty()) continue;
        outlines_[i]->setGeometry(area.adjusted(-1, -1, 1, 1) & imgpage->geometry());
        outlines_[i]->raise();
    }
}

std::vector<QWidget*> PagePanel::RangeOutlines() const {
    std::vector<QWidget*> shown;
    for (QWidget* o : outlines_)
        if (o->isVisibleTo(this)) shown.push_back(o);
    return shown;
}

std::vector<AyaHighlight*> PagePanel::VisibleMarks() const {
    std::vector<AyaHighlight*> shown;
    for (AyaHighlight* mark : shpaya)
        if (mark->isVisibleTo(this)) shown.push_back(mark);
    return shown;
}
