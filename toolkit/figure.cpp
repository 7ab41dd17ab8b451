#include "toolkit/figure.h"

#include <QBuffer>
#include <QFileInfo>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QPrinter>
#include <QSvgGenerator>

#include <algorithm>

namespace toolkit {

namespace {

// A pixel of the sheet's own colour around the outline: its whole width shows on every side
// at any pixel density.
constexpr int margin = 1;

QPoint top_left(const Figure &figure) {
    return Scale{}.point(figure.left, figure.top) - QPoint(margin, margin);
}

} // namespace

QSize Figure::size() const {
    // Both corners' pixels belong to it.
    const QPoint far = Scale{}.point(right, bottom) + QPoint(margin, margin);
    const QPoint near = top_left(*this);
    return {far.x() - near.x() + 1, far.y() - near.y() + 1};
}

void Figure::paint(QPainter &painter) const {
    painter.save();
    const QRect area(QPoint(), size());
    painter.setClipRect(area, Qt::IntersectClip);
    painter.fillRect(area, to_qcolor(system_button_face, palette));
    canvas.paint(painter, palette, Scale{1, -top_left(*this)}, Canvas::Captions::with);
    painter.restore();
}

std::optional<FigureFormat> figure_format(const QString &path) {
    const QString suffix = QFileInfo(path).suffix().toLower();
    if (suffix == QLatin1String("png"))
        return FigureFormat::png;
    if (suffix == QLatin1String("svg"))
        return FigureFormat::svg;
    if (suffix == QLatin1String("pdf"))
        return FigureFormat::pdf;
    return std::nullopt;
}

QImage figure_image(const Figure &figure, qreal ratio, qreal dpi) {
    QImage image(figure.size() * ratio, QImage::Format_RGB32);
    image.setDevicePixelRatio(ratio);
    // Documents size a picture by its resolution: this one comes in at its size on screen.
    const int dots_per_metre = qRound(dpi * ratio / 0.0254);
    image.setDotsPerMeterX(dots_per_metre);
    image.setDotsPerMeterY(dots_per_metre);
    QPainter painter(&image);
    figure.paint(painter);
    return image;
}

QByteArray figure_file(const Figure &figure, FigureFormat format, qreal ratio, qreal dpi) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    switch (format) {
    case FigureFormat::png:
        figure_image(figure, ratio, dpi).save(&buffer, "PNG");
        break;
    case FigureFormat::svg: {
        QSvgGenerator generator;
        generator.setOutputDevice(&buffer);
        generator.setSize(figure.size());
        generator.setViewBox(QRect(QPoint(), figure.size()));
        generator.setResolution(qRound(dpi));
        generator.setTitle(figure.title);
        QPainter painter(&generator);
        figure.paint(painter);
        break;
    }
    case FigureFormat::pdf: {
        // One page the figure's size, in units of the screen's pixels.
        QPdfWriter writer(&buffer);
        writer.setTitle(figure.title);
        writer.setCreator(figure.title);
        writer.setResolution(qRound(dpi));
        writer.setPageMargins(QMarginsF());
        writer.setPageSize(QPageSize(QSizeF(figure.size()) * (72.0 / dpi), QPageSize::Point,
                                     QString(), QPageSize::ExactMatch));
        QPainter painter(&writer);
        figure.paint(painter);
        break;
    }
    }
    return bytes;
}

void print_figure(const Figure &figure, QPrinter &printer, qreal dpi) {
    QPainter painter(&printer);
    const QRectF page = printer.pageLayout().paintRectPixels(printer.resolution()).toRectF();
    const QSizeF size = QSizeF(figure.size()) * (printer.resolution() / dpi);
    const qreal fit = std::min({1.0, page.width() / size.width(), page.height() / size.height()});
    // The painter's origin is the corner of the printable area already.
    painter.translate((page.width() - size.width() * fit) / 2, 0);
    painter.scale(printer.resolution() / dpi * fit, printer.resolution() / dpi * fit);
    figure.paint(painter);
}

} // namespace toolkit
