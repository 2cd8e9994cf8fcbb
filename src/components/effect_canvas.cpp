#include "components/effect_canvas.h"

#include <QPainter>
#include <QPainterPath>
#include <algorithm>
#include <cstring>
#include <utility>

#include "components/transition_effects.h"

namespace TransitionEffects {

namespace {

Box intersect(Box a, Box b) {
    return {std::max(a.l, b.l), std::max(a.t, b.t), std::min(a.r, b.r), std::min(a.b, b.b)};
}

/// Source index for destination index i of a stretch of `sw` onto `dw`.
int sample(int i, int sl, int sw, int dw, int limit) {
    const int s = sl + static_cast<int>((2 * static_cast<int64_t>(i) + 1) * sw / (2 * int64_t(dw)));
    return std::clamp(s, 0, limit - 1);
}

}  // namespace

void stretchCopy(QImage& target, Box dst, const QImage& source, Box src, Box clip) {
    const int dw = dst.r - dst.l, dh = dst.b - dst.t;
    const int sw = src.r - src.l, sh = src.b - src.t;
    if (dw <= 0 || dh <= 0 || sw <= 0 || sh <= 0 || source.isNull()) return;
    const Box area = intersect(intersect(dst, clip), {0, 0, target.width(), target.height()});
    if (area.empty()) return;

    // Keep a reference to the source data: when it is shared with the target,
    // writing to the target detaches the target and leaves this snapshot whole.
    const QImage snapshot = source;
    uchar* out = target.bits();
    const qsizetype outStride = target.bytesPerLine();
    const uchar* in = snapshot.constBits();
    const qsizetype inStride = snapshot.bytesPerLine();
    const int width = area.r - area.l;

    // Columns: one run when the copy is unscaled and inside the source.
    const int firstCol = sample(area.l - dst.l, src.l, sw, dw, snapshot.width());
    const bool straight =
        sw == dw && src.l + (area.l - dst.l) >= 0 && src.l + (area.r - dst.l) <= snapshot.width();
    std::vector<int> cols;
    if (!straight) {
        cols.resize(width);
        for (int x = 0; x < width; ++x)
            cols[x] = sample(area.l + x - dst.l, src.l, sw, dw, snapshot.width());
    }

    int lastRow = -1;
    const uchar* lastOut = nullptr;
    for (int y = area.t; y < area.b; ++y) {
        const int sy = sample(y - dst.t, src.t, sh, dh, snapshot.height());
        uint32_t* o = reinterpret_cast<uint32_t*>(out + y * outStride) + area.l;
        if (sy == lastRow && lastOut) {
            std::memcpy(o, lastOut, width * 4u);
            continue;
        }
        const uint32_t* row = reinterpret_cast<const uint32_t*>(in + sy * inStride);
        if (straight) {
            std::memcpy(o, row + firstCol, width * 4u);
        } else {
            for (int x = 0; x < width; ++x) o[x] = row[cols[x]];
        }
        lastRow = sy;
        lastOut = reinterpret_cast<const uchar*>(o);
    }
}

void stretchCopy(QImage& target, Box dst, const QImage& source, Box src) {
    stretchCopy(target, dst, source, src, {0, 0, target.width(), target.height()});
}

void copySame(QImage& target, const QImage& source, Box box) {
    const Box area = intersect(box, {0, 0, std::min(target.width(), source.width()),
                                     std::min(target.height(), source.height())});
    if (area.empty()) return;
    uchar* out = target.bits();
    const qsizetype outStride = target.bytesPerLine();
    const uchar* in = source.constBits();
    const qsizetype inStride = source.bytesPerLine();
    const size_t bytes = size_t(area.r - area.l) * 4u;
    for (int y = area.t; y < area.b; ++y)
        std::memcpy(out + y * outStride + area.l * 4, in + y * inStride + area.l * 4, bytes);
}

Frame::Frame(QImage& scr, const QImage& img, const QRect& r, int p, int st)
    : screen(scr), image(converted_), progress(p), step(st) {
    if (screen.isNull() || img.isNull() || r.width() <= 0 || r.height() <= 0) return;
    if (p < 1 || p > 99) return;
    if (screen.depth() != 32) screen = screen.convertToFormat(QImage::Format_RGB32);
    converted_ = img.format() == screen.format() ? img : img.convertToFormat(screen.format());
    if (converted_.size() != screen.size()) {
        QImage sized(screen.size(), screen.format());
        stretchCopy(sized, {0, 0, sized.width(), sized.height()}, converted_,
                    {0, 0, converted_.width(), converted_.height()});
        converted_ = sized;
    }
    const EffectParams e = effectParams(r, p, std::clamp(st, 1, 100));
    W = std::min(e.W, screen.width());
    H = std::min(e.H, screen.height());
    X = e.X;
    Y = e.Y;
    S = e.S;
    ok = W > 0 && H > 0;
}

Canvas::Canvas(Frame& frame, int o)
    : f(frame),
      orient(o),
      W(o & TR ? frame.H : frame.W),
      H(o & TR ? frame.W : frame.H),
      X(o & TR ? frame.Y : frame.X),
      Y(o & TR ? frame.X : frame.Y),
      S(frame.S),
      P(frame.progress) {}

Box Canvas::map(Box b) const {
    if (orient & FX) b = {W - b.r, b.t, W - b.l, b.b};
    if (orient & FY) b = {b.l, H - b.b, b.r, H - b.t};
    if (orient & TR) b = {b.t, b.l, b.b, b.r};
    return b;
}

QPointF Canvas::map(QPointF p) const {
    if (orient & FX) p.setX(W - p.x());
    if (orient & FY) p.setY(H - p.y());
    if (orient & TR) p = {p.y(), p.x()};
    return p;
}

void Canvas::copy(Box dst, Box src) const {
    stretchCopy(f.screen, map(dst), f.image, map(src));
}

void Canvas::copy(Box dst, Box src, Box clip) const {
    stretchCopy(f.screen, map(dst), f.image, map(src), map(clip));
}

void Canvas::copyFrom(const QImage& old, Box dst, Box src) const {
    stretchCopy(f.screen, map(dst), old, map(src));
}

void Canvas::reveal(Box b) const {
    copySame(f.screen, f.image, map(b));
}

void Canvas::revealAll(const std::vector<Box>& boxes) const {
    for (const Box& b : boxes) reveal(b);
}

void fillPath(Frame& f, const QPainterPath& path) {
    QPainter p(&f.screen);
    p.setRenderHint(QPainter::Antialiasing, false);
    p.setCompositionMode(QPainter::CompositionMode_Source);
    p.setClipRect(0, 0, f.W, f.H);
    p.setPen(Qt::NoPen);
    p.setBrush(QBrush(f.image));
    p.drawPath(path);
}

}  // namespace TransitionEffects
