#include "form/form_model.h"

#include "calc/single.h"

#include <algorithm>
#include <cmath>

namespace form {

float diagram_scale(const calc::PhasorState &s) {
    float scale = calc::to_single(std::abs(s.va_mag));
    if (std::abs(s.vb_mag) > double(scale))
        scale = calc::to_single(std::abs(s.vb_mag));
    if (std::abs(s.vc_mag) > double(scale))
        scale = calc::to_single(std::abs(s.vc_mag));
    return scale;
}

FormModel::FormModel(QObject *parent)
    : QObject(parent) {}

void FormModel::set_text(int field, const QString &text) {
    QString &held = texts_.at(static_cast<std::size_t>(field));
    if (held == text)
        return;
    held = text;
    emit text_changed(field);
}

void FormModel::set_mark(int field, toolkit::Colour back, const QString &reason) {
    FieldMark &held = marks_.at(static_cast<std::size_t>(field));
    if (held.back == back && held.reason == reason)
        return;
    held = {back, reason};
    emit mark_changed(field);
}

void FormModel::set_selected(int slot) {
    if (selected_ == slot)
        return;
    selected_ = slot;
    emit selection_changed(slot);
}

void FormModel::set_quantity(Quantity quantity) {
    if (quantity_ == quantity)
        return;
    quantity_ = quantity;
    emit quantity_changed();
}

void FormModel::set_drawing(const toolkit::Canvas::Picture &drawing) {
    drawing_ = drawing;
    emit drawing_changed();
}

bool FormModel::has_drawing() const {
    return std::any_of(
        drawing_.last_call.begin(), drawing_.last_call.end(),
        [](const toolkit::DrawOp &op) { return op.kind == toolkit::DrawOp::Kind::Circle; });
}

ShownCase FormModel::shown() const {
    return {texts_,
            marks_,
            state_.errors_found,
            state_.converted_group,
            state_.has_results,
            accepted_,
            phasors_,
            drawing_,
            selected_,
            quantity_};
}

void FormModel::restore(const ShownCase &shown) {
    for (int k = 0; k < 24; ++k) {
        const auto i = static_cast<std::size_t>(k);
        set_text(k, shown.texts[i]);
        set_mark(k, shown.marks[i].back, shown.marks[i].reason);
    }
    state_.errors_found = shown.errors_found;
    state_.converted_group = shown.converted_group;
    state_.has_results = shown.has_results;
    accepted_ = shown.accepted;
    phasors_ = shown.phasors;
    set_selected(shown.selected);
    set_quantity(shown.quantity);
    set_drawing(shown.drawing);
}

} // namespace form
