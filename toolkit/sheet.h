#pragma once

#include "toolkit/accessible.h"
#include "toolkit/canvas.h"

#include <QPixmapCache>
#include <QRectF>

#include <vector>

namespace toolkit {

class FormWindow;

// The part of a form its canvas draws on: a child widget of the form that paints the box
// in the background colour of its own palette, the drawing in that palette, and the form's
// line shapes over them; what lies beyond the box's corners, where a wide outline may
// reach, in the form's background. It paints every pixel of its rectangle, so the form
// paints nothing under it. While the form's palette is dark and there is a drawing, its
// palette is the light one, so the drawing reads as on paper; before the first drawing it
// looks like the rest of the form. The controls on it are its children and take their
// colours from it.
//
// The picture (background and drawing) is kept in the pixmap cache while its size, pixel
// ratio, palette and drawing stay the same: a label on it that changes, or the window
// uncovered, repaints by copying. A new drawing repaints the picture only where its
// operations differ from the one shown.
class Sheet : public GraphicArea {
public:
    // Over a box with these corners in the form's twips, outline included.
    Sheet(FormWindow &form, const QRectF &twips);
    const QRectF &twips() const { return twips_; }

    // Takes the palette that fits the form's palette and the drawing.
    void refresh();
    // Repaints what a change of the drawing changed.
    void drawing_changed();

    // The box in the form's pixels.
    QRect box() const;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    // Paints the picture, in the form's pixels.
    void paint_picture(QPainter &painter) const;
    // The picture from the cache, or painted into it anew, at a whole pixel ratio.
    QPixmap picture(int ratio);

    FormWindow &form_;
    QRectF twips_;
    bool light_ = false; // holds the light palette of its own

    // What the cached picture shows.
    struct Shown {
        QSize size;
        int ratio = 0;
        Scale scale;
        qint64 palette = 0;
        QRgb backdrop = 0;
        std::vector<DrawOp> drawing;
        bool operator==(const Shown &) const = default;
        bool same_but_drawing(const Shown &other) const {
            return size == other.size && ratio == other.ratio && scale == other.scale &&
                   palette == other.palette && backdrop == other.backdrop;
        }
    };
    Shown now(int ratio) const;
    Shown shown_;
    Shown seen_; // the latest paint of the whole sheet
    QPixmapCache::Key picture_;
};

} // namespace toolkit
