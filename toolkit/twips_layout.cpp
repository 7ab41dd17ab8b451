#include "toolkit/twips_layout.h"

#include <QWidget>

#include <algorithm>
#include <cmath>

namespace toolkit {

TwipsLayout::TwipsLayout(QWidget *form, QSizeF twips)
    : QLayout(form)
    , twips_(twips) {
    setContentsMargins(0, 0, 0, 0);
    scale_ = scale_for(form->size());
}

TwipsLayout::TwipsLayout(QWidget *container, TwipsLayout &outer, bool form_twips)
    : QLayout(container)
    , outer_(&outer)
    , form_twips_(form_twips) {
    setContentsMargins(0, 0, 0, 0);
    outer.inner_.emplace_back(this);
    scale_ = scale_for({});
}

TwipsLayout::~TwipsLayout() {
    for (Item &item : items_)
        delete item.item;
}

TwipsLayout *TwipsLayout::of(const QWidget *container) {
    return container == nullptr ? nullptr : qobject_cast<TwipsLayout *>(container->layout());
}

Scale TwipsLayout::scale_for(QSize size) const {
    Scale s;
    if (outer_ != nullptr) {
        s.zoom = outer_->scale_.zoom;
        if (form_twips_)
            s.origin = outer_->scale_.origin - parentWidget()->pos();
        return s;
    }
    const QSize defined = size_at(1);
    s.zoom =
        std::min(double(size.width()) / defined.width(), double(size.height()) / defined.height());
    s.zoom = std::max(s.zoom, 0.01);
    s.origin = {std::max(0, (size.width() - s.px(twips_.width())) / 2),
                std::max(0, (size.height() - s.px(twips_.height())) / 2)};
    return s;
}

void TwipsLayout::set_preferred_zoom(double zoom) {
    preferred_zoom_ = zoom;
    if (QWidget *form = parentWidget())
        form->updateGeometry();
}

QSize TwipsLayout::size_at(double zoom) const {
    const Scale s{zoom, {}};
    return {s.px(twips_.width()), s.px(twips_.height())};
}

void TwipsLayout::place(QWidget *widget, const QRectF &twips, bool edges_included) {
    const auto found = std::find_if(items_.begin(), items_.end(),
                                    [&](const Item &i) { return i.item->widget() == widget; });
    if (found != items_.end()) {
        found->twips = twips;
        found->edges_included = edges_included;
        apply(*found);
        return;
    }
    addChildWidget(widget);
    const FontSize font = FontSize::of(widget->font());
    items_.push_back({new QWidgetItem(widget), twips, edges_included, font, font});
    apply(items_.back());
}

std::optional<QRectF> TwipsLayout::twips_of(const QWidget *widget) const {
    for (const Item &item : items_) {
        if (item.item->widget() == widget)
            return item.twips;
    }
    return std::nullopt;
}

void TwipsLayout::apply(Item &item) const {
    QWidget *widget = item.item->widget();
    if (widget == nullptr)
        return;
    const QRectF &r = item.twips;
    widget->setGeometry(item.edges_included
                            ? scale_.outlined_rect(r.left(), r.top(), r.right(), r.bottom())
                            : scale_.rect(r.left(), r.top(), r.width(), r.height()));
    const FontSize size = item.base_font.at(scale_.zoom);
    if (size == item.applied_font)
        return;
    widget->setFont(size.on(widget->font()));
    item.applied_font = size;
}

void TwipsLayout::apply(const Scale &scale) {
    if (applied_ && scale == scale_)
        return;
    const bool zoomed = scale.zoom != scale_.zoom;
    scale_ = scale;
    applied_ = true;
    for (Item &item : items_)
        apply(item);
    // A container whose size in pixels stays the same is not laid out again by Qt.
    if (zoomed) {
        for (const QPointer<TwipsLayout> &inner : inner_) {
            if (!inner.isNull())
                inner->apply(inner->scale_for({}));
        }
    }
    if (on_rescale)
        on_rescale();
}

void TwipsLayout::setGeometry(const QRect &rect) {
    QLayout::setGeometry(rect);
    const QWidget *widget = parentWidget();
    apply(scale_for(widget != nullptr ? widget->size() : rect.size()));
}

void TwipsLayout::invalidate() {
    // Placement depends on no widget's size hint, but the base class keeps the layout's own
    // cached geometry and its parent's layout informed.
    QLayout::invalidate();
}

void TwipsLayout::addItem(QLayoutItem *item) {
    // Any other item stands at the corner until placed.
    items_.push_back({item, {}, false, {}, {}});
}

QLayoutItem *TwipsLayout::itemAt(int index) const {
    return index >= 0 && index < count() ? items_[static_cast<std::size_t>(index)].item : nullptr;
}

QLayoutItem *TwipsLayout::takeAt(int index) {
    if (index < 0 || index >= count())
        return nullptr;
    const auto at = items_.begin() + index;
    QLayoutItem *item = at->item;
    items_.erase(at);
    return item;
}

int TwipsLayout::count() const {
    return static_cast<int>(items_.size());
}

QSize TwipsLayout::sizeHint() const {
    return outer_ != nullptr ? QSize() : size_at(preferred_zoom_);
}

QSize TwipsLayout::minimumSize() const {
    return outer_ != nullptr ? QSize(0, 0) : size_at(1);
}

} // namespace toolkit
