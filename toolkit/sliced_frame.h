#pragma once

#include <QCache>
#include <QColor>
#include <QImage>
#include <QPainter>
#include <QRect>
#include <QString>

#include <functional>

class QPainter;
class QStyleOption;

namespace toolkit {

// A frame that a style draws by stretching a small picture over the whole box (a group
// box's frame in the Fusion style) costs several milliseconds a box on a large window.
// This draws it once, by the style, into a small sample over the colour it stands on, and
// paints it at any size from the sample's pieces: the corners copied, each row of the top
// and bottom edges, each column of the side edges and the interior filled with one colour.
// The pixels are the style's own wherever the sample shows that the style's frame is
// corners around even edges and an even interior.
class SlicedFrames {
public:
    // Draws the frame into the rectangle given.
    using Draw = std::function<void(QPainter &, const QRect &)>;

    // Paints the frame that `draw` paints in `option`'s rectangle over `backdrop`; `margin` is how
    // far (in logical pixels) the frame's uneven corners may reach in from its edges, and `kind`
    // what else changes the drawing. False, with nothing painted, where it cannot be done
    // exactly: not a raster device moved by whole pixels at a whole pixel ratio, a box too
    // small for the pieces, a translucent backdrop, a sample uneven between its corners.
    bool paint(QPainter &painter, const QStyleOption &option, QColor backdrop, int margin, int kind,
               const Draw &draw);

private:
    // The samples by everything their drawing depends on, a few at a time.
    QCache<QString, QImage> samples_{8};
};

} // namespace toolkit
