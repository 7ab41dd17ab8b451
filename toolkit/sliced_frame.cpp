#include "toolkit/sliced_frame.h"

#include "toolkit/canvas.h"

#include <QPainter>
#include <QStyleOption>

namespace toolkit {

namespace {

// The sample is the corners' reach on each side and an even band of this many logical
// pixels between them. A style that stretches a small picture smoothly gives its edges
// other colours when it hardly stretches it at all: the band keeps the sample's stretch
// well above that, as the larger boxes' is.
constexpr int band = 32;

// Whether every row of the sample is one colour across [from, to) and every column one
// colour down it: what lies between the corners can then be stretched by filling.
bool even_between(const QImage &image, int from, int to) {
    for (int y = 0; y < image.height(); ++y) {
        for (int x = from + 1; x < to; ++x) {
            if (image.pixel(x, y) != image.pixel(from, y))
                return false;
        }
    }
    for (int x = 0; x < image.width(); ++x) {
        for (int y = from + 1; y < to; ++y) {
            if (image.pixel(x, y) != image.pixel(x, from))
                return false;
        }
    }
    return true;
}

// Fills `count` lines of the sample, runs of one colour at a time.
void fill_runs(QPainter &painter, int count, const std::function<QRgb(int)> &colour,
               const std::function<QRect(int first, int n)> &rect) {
    for (int first = 0; first < count;) {
        int n = 1;
        while (first + n < count && colour(first + n) == colour(first))
            ++n;
        painter.fillRect(rect(first, n), QColor::fromRgb(colour(first)));
        first += n;
    }
}

} // namespace

bool SlicedFrames::paint(QPainter &painter, const QStyleOption &option, QColor backdrop, int margin,
                         int kind, const Draw &draw) {
    const int ratio = copying_ratio(painter);
    const QTransform &t = painter.worldTransform();
    const QRect &r = option.rect;
    if (ratio == 0 || backdrop.alpha() != 255 || margin < 1 || r.width() <= 2 * margin + band ||
        r.height() <= 2 * margin + band)
        return false;
    const int hints = static_cast<int>(painter.renderHints());
    // The raster engine scales smoothly by other means inside a clip of many rectangles:
    // such a clip, where the frame paints nothing, gives the sample the same means.
    const bool clipped = painter.hasClipping() && painter.clipRegion().rectCount() > 1;
    // Everything the drawing depends on.
    const QString key = QStringLiteral("%1 %2 %3 %4 %5 %6 %7 %8 %9")
                            .arg(margin)
                            .arg(ratio)
                            .arg(kind)
                            .arg(backdrop.rgb())
                            .arg(static_cast<unsigned>(option.state))
                            .arg(option.palette.cacheKey())
                            .arg(option.fontMetrics.height())
                            .arg(option.direction)
                            .arg(hints) +
                        (clipped ? QStringLiteral(" clipped") : QString());
    QImage *found = samples_.object(key);
    if (found == nullptr) {
        const int side = 2 * margin + band;
        QImage sample(QSize(side, side) * ratio, QImage::Format_RGB32);
        sample.setDevicePixelRatio(ratio);
        sample.fill(backdrop);
        {
            QPainter p(&sample);
            p.setRenderHints(QPainter::RenderHints(hints));
            if (clipped)
                p.setClipRegion(QRegion(0, 0, side, side) - QRegion(0, 0, 1, 1));
            draw(p, QRect(0, 0, side, side));
        }
        sample.setDevicePixelRatio(1);
        const int from = margin * ratio;
        // Null where the style's frame is not even between its corners.
        found = new QImage(even_between(sample, from, from + band * ratio) ? sample : QImage());
        samples_.insert(key, found);
    }
    const QImage &image = *found;
    if (image.isNull())
        return false;

    // In device pixels from here on.
    painter.save();
    painter.setWorldTransform(QTransform(1.0 / ratio, 0, 0, 1.0 / ratio, t.dx(), t.dy()));
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setCompositionMode(QPainter::CompositionMode_SourceOver);
    const QRect d(r.topLeft() * ratio, r.size() * ratio);
    const int s = image.width();
    const int a = margin * ratio; // each corner's reach
    const int b = s - a;          // where the far corners start in the sample
    const int wide = d.width() - 2 * a;
    const int high = d.height() - 2 * a;
    const int right = d.right() + 1 - a;
    const int bottom = d.bottom() + 1 - a;

    painter.drawImage(d.topLeft(), image, QRect(0, 0, a, a));
    painter.drawImage(QPoint(right, d.top()), image, QRect(b, 0, a, a));
    painter.drawImage(QPoint(d.left(), bottom), image, QRect(0, b, a, a));
    painter.drawImage(QPoint(right, bottom), image, QRect(b, b, a, a));
    const auto row = [&](int y) { return image.pixel(a, y); };
    const auto column = [&](int x) { return image.pixel(x, a); };
    fill_runs(painter, a, row,
              [&](int y, int n) { return QRect(d.left() + a, d.top() + y, wide, n); });
    fill_runs(
        painter, a, [&](int y) { return row(b + y); },
        [&](int y, int n) { return QRect(d.left() + a, bottom + y, wide, n); });
    fill_runs(painter, a, column,
              [&](int x, int n) { return QRect(d.left() + x, d.top() + a, n, high); });
    fill_runs(
        painter, a, [&](int x) { return column(b + x); },
        [&](int x, int n) { return QRect(right + x, d.top() + a, n, high); });
    painter.fillRect(QRect(d.left() + a, d.top() + a, wide, high),
                     QColor::fromRgb(image.pixel(a, a)));
    painter.restore();
    return true;
}

} // namespace toolkit
