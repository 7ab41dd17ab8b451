#pragma once

#include "toolkit/twips.h"

#include <QLayout>
#include <QPointer>
#include <QRectF>
#include <QSizeF>

#include <functional>
#include <optional>
#include <vector>

namespace toolkit {

// Places widgets at rectangles in twips, as a window definition gives them, and maps them
// to pixels with one Scale each time the layout is given a geometry.
//
// A form's layout takes its zoom from its size: the smaller of width and height over the
// size at zoom 1, the form centred in any spare space. Its size hint is the form at a zoom
// of its owner's choosing, its minimum the form at zoom 1. A container's layout (a frame, a
// sheet) takes the zoom of its form's layout; the twips it holds are relative to the
// container (a frame's controls) or to the form (`form_twips`: a sheet's controls stand
// where they would on the form).
//
// Each widget's font keeps the size it had when first placed as its size at zoom 1, and is
// made anew only when a zoom changes its size in pixels.
class TwipsLayout : public QLayout {
    Q_OBJECT

public:
    // A form's layout over a client area of `twips`.
    TwipsLayout(QWidget *form, QSizeF twips);
    // A container's layout that follows `outer`.
    TwipsLayout(QWidget *container, TwipsLayout &outer, bool form_twips);
    ~TwipsLayout() override;
    TwipsLayout(const TwipsLayout &) = delete;
    TwipsLayout &operator=(const TwipsLayout &) = delete;

    // Places a widget, a child of the layout's widget, at a rectangle in twips, and keeps
    // it there at every zoom. With `edges_included` it covers the pixels of a box drawn
    // with these corners, outline included (Scale::outlined_rect).
    void place(QWidget *widget, const QRectF &twips, bool edges_included = false);
    // Where a widget of the layout is placed, in twips.
    std::optional<QRectF> twips_of(const QWidget *widget) const;

    // The mapping at the current geometry, in pixels of the layout's widget.
    const Scale &scale() const { return scale_; }
    // A form's layout: the size hint's zoom, and the form's size at a zoom.
    void set_preferred_zoom(double zoom);
    QSize size_at(double zoom) const;
    // Called once the widgets stand at a new zoom or origin.
    std::function<void()> on_rescale;

    // The layout a container's widgets are placed by, if it is one.
    static TwipsLayout *of(const QWidget *container);

    void addItem(QLayoutItem *item) override;
    QLayoutItem *itemAt(int index) const override;
    QLayoutItem *takeAt(int index) override;
    int count() const override;
    QSize sizeHint() const override;
    QSize minimumSize() const override;
    Qt::Orientations expandingDirections() const override { return {}; }
    void setGeometry(const QRect &rect) override;
    void invalidate() override;

private:
    struct Item {
        QLayoutItem *item;
        QRectF twips;
        bool edges_included;
        FontSize base_font;    // the font's size at zoom 1
        FontSize applied_font; // the size last given to the font
    };

    Scale scale_for(QSize size) const;
    void apply(const Scale &scale);
    void apply(Item &item) const;

    TwipsLayout *outer_ = nullptr; // none for a form's layout
    std::vector<QPointer<TwipsLayout>> inner_;
    QSizeF twips_;
    bool form_twips_ = false;
    double preferred_zoom_ = 1;
    Scale scale_;
    bool applied_ = false;
    std::vector<Item> items_;
};

} // namespace toolkit
