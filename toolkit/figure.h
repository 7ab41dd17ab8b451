#pragma once

#include "toolkit/canvas.h"

#include <QByteArray>
#include <QImage>
#include <QPalette>
#include <QString>

#include <optional>

class QPrinter;

namespace toolkit {

// A part of a canvas as a picture of its own, captions included: the rectangle of the form
// it shows (twips, edges included, as a box with these corners covers them), the palette
// its system colours come from and the title that files of it carry.
struct Figure {
    const Canvas &canvas;
    double left, top, right, bottom;
    QPalette palette;
    QString title;

    // Its size in pixels at the defined size of the form.
    QSize size() const;
    // Draws it with its top left corner at the painter's origin, in pixels at the defined size.
    void paint(QPainter &painter) const;
};

enum class FigureFormat { png, svg, pdf };
// The format a file name asks for by its extension (any case), or none.
std::optional<FigureFormat> figure_format(const QString &path);

// At `ratio` device pixels to the pixel, marked with the resolution that gives it its size
// on a screen of `dpi` dots per inch.
QImage figure_image(const Figure &figure, qreal ratio, qreal dpi);
// The file's bytes: a PNG at `ratio`, an SVG or a one-page PDF the size of the figure on a
// screen of `dpi`.
QByteArray figure_file(const Figure &figure, FigureFormat format, qreal ratio, qreal dpi);
// On the printer's page: as large as fits within the margins, at most at its size on screen,
// centred across the top of the page.
void print_figure(const Figure &figure, QPrinter &printer, qreal dpi);

} // namespace toolkit
