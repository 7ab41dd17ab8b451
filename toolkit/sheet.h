#pragma once

#include "toolkit/accessible.h"

#include <QRectF>

namespace toolkit {

class FormWindow;

// The part of a form its canvas draws on: a child widget of the form that paints the box
// in the background colour of its own palette, the drawing in that palette, and the form's
// line shapes over them (what lies beyond the box's corners, where a wide outline may
// reach, in the form's background, which the form paints). While the form's palette is dark and
// there is a drawing, its palette is the light one, so the drawing reads as on paper; before the
// first drawing it looks like the rest of the form. The controls on it are its children and take
// their colours from it.
class Sheet : public GraphicArea {
public:
    // Over a box with these corners in the form's twips, outline included.
    Sheet(FormWindow &form, const QRectF &twips);
    const QRectF &twips() const { return twips_; }

    // Takes the palette that fits the form's palette and the drawing.
    void refresh();

    // The box in the form's pixels: the sheet paints every pixel of it, so the form need not.
    QRect box() const;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    FormWindow &form_;
    QRectF twips_;
    bool light_ = false; // holds the light palette of its own
};

} // namespace toolkit
