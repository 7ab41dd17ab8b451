#pragma once

// moc reads no further than the signals need: it cannot parse <numbers>.
#ifndef Q_MOC_RUN
#include "calc/phasor_state.h"
#endif
#include "form/form_state.h"
#include "toolkit/canvas.h"
#include "toolkit/number_text.h"
#include "toolkit/palette.h"

#include <QObject>
#include <QString>

#include <array>

namespace form {

// A field's background and why it has it (the reason is empty while the field is unmarked).
struct FieldMark {
    toolkit::Colour back = toolkit::system_window_background;
    QString reason;
    bool operator==(const FieldMark &) const = default;
};

// The case a window shows, as one value: what one step of undo brings back whole.
struct ShownCase {
    std::array<QString, 24> texts;
    std::array<FieldMark, 24> marks;
    bool errors_found = false;
    int converted_group = 0;
    bool has_results = false;
    std::array<toolkit::EntryNumber, 6> accepted{};
    calc::PhasorState phasors;
    toolkit::Canvas::Picture drawing;
    int selected = 0; // the memory button shown selected, 0 for none
    Quantity quantity = Quantity::unsaid;
    bool operator==(const ShownCase &) const = default;
};

// The one scale of the four diagrams: the length of the longest phase, in single precision.
// A negative magnitude only turns its phasor, so the lengths are compared.
float diagram_scale(const calc::PhasorState &s);

// The case on screen as data: the 24 texts in checking order (each group's magnitudes or
// real parts, then its angles or imaginary parts), each field's mark and its reason, the
// values the last check accepted, the held numbers, the drawing as recorded, the memory
// selection, and the flags and memory of form::FormState. The procedures of the form change
// it; the widgets and every output follow its signals. It knows nothing of widgets or undo.
class FormModel : public QObject {
    Q_OBJECT

public:
    explicit FormModel(QObject *parent = nullptr);

    const QString &text(int field) const { return texts_.at(static_cast<std::size_t>(field)); }
    void set_text(int field, const QString &text);
    const FieldMark &mark(int field) const { return marks_.at(static_cast<std::size_t>(field)); }
    void set_mark(int field, toolkit::Colour back, const QString &reason = QString());

    // The numbers of the conversions, which calc works on in place.
    const calc::PhasorState &phasors() const { return phasors_; }
    calc::PhasorState &phasors() { return phasors_; }
    // The values the last check accepted in the checked group, in reading order.
    const std::array<toolkit::EntryNumber, 6> &accepted() const { return accepted_; }
    void set_accepted(std::size_t i, const toolkit::EntryNumber &number) {
        accepted_.at(i) = number;
    }
    const FormState &state() const { return state_; }
    FormState &state() { return state_; }

    int selected() const { return selected_; }
    void set_selected(int slot);

    // What the case's phasors are: voltages, currents or not said.
    Quantity quantity() const { return quantity_; }
    void set_quantity(Quantity quantity);

    // The drawing as the canvas recorded it: set after each plot, put back by an undo.
    const toolkit::Canvas::Picture &drawing() const { return drawing_; }
    void set_drawing(const toolkit::Canvas::Picture &drawing);
    // Whether the last plot drew the diagrams (it stops at the scale test otherwise).
    bool has_drawing() const;

    ShownCase shown() const;
    // Shows `shown` as it was recorded: every field, mark, number and the drawing.
    void restore(const ShownCase &shown);

signals:
    void text_changed(int field);
    void mark_changed(int field);
    void selection_changed(int slot);
    void quantity_changed();
    // The drawing, the held numbers or the outcome of a check changed (after a plot or an
    // undo): the diagrams, their description and the results follow.
    void drawing_changed();

private:
    std::array<QString, 24> texts_;
    std::array<FieldMark, 24> marks_;
    std::array<toolkit::EntryNumber, 6> accepted_{};
    calc::PhasorState phasors_;
    FormState state_;
    toolkit::Canvas::Picture drawing_;
    int selected_ = 0;
    Quantity quantity_ = Quantity::unsaid;
};

} // namespace form
