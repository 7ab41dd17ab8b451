#pragma once

// Reading a case as a protection engineer does, beside the form: the relay quantities, the
// line-to-line set of voltages, the superimposed set against a pre-fault case kept in the
// memory, the fault reading of currents and the view through a transformer. The arithmetic is
// calc's; this is what the reading window, the results table, the diagrams' description and
// the replay driver show of it, each a function of one CaseReading so none can disagree.

#include "calc/phase_set.h"
#include "calc/reading.h"
#include "calc/vector_group.h"
#include "form/form_state.h"
#include "form/quantity.h"
#include "form/results_export.h"

#include <QJsonObject>
#include <QList>
#include <QString>
#include <QStringList>
#include <QStringView>

#include <array>
#include <optional>

namespace form {

// What the reading is computed from: the case the form shows and the choices made beside it.
struct ReadingInput {
    bool has_results = false;
    calc::PhasorState phasors; // as the form holds them
    Quantity quantity = Quantity::unsaid;
    int prefault_slot = 0;             // the memory slot chosen as the pre-fault case, 0 for none
    std::optional<SavedCase> prefault; // that slot's case, when it holds one
    Quantity prefault_quantity = Quantity::unsaid;
    QString group; // the vector group as written; empty (or "none") for none
};

// Why a chosen pre-fault case gives no superimposed set.
enum class DeltaProblem {
    none,
    empty_slot,      // the slot holds no case
    unconvertible,   // its texts do not convert
    mixed_quantities // currents against voltages
};

struct CaseReading {
    bool has_results = false;
    Quantity quantity = Quantity::unsaid;
    calc::PhaseSet set; // the case's phases and components
    float pi180 = 0;    // the window's degrees, for the zero phasor's angle
    calc::RelayQuantities relay;
    std::optional<calc::Three> line; // Vab, Vbc, Vca: voltages only

    int prefault_slot = 0;
    Quantity prefault_quantity = Quantity::unsaid;
    DeltaProblem delta_problem = DeltaProblem::none;
    std::optional<calc::Superimposed> delta;

    std::optional<calc::FaultReading> fault; // currents only

    QString group_text;                        // as written, trimmed; empty for none
    calc::GroupParse group;                    // its reading
    std::optional<calc::PhaseSet> transformer; // the other winding, per unit of the ratio
};

CaseReading read_case(const ReadingInput &input);

// The window's text, one line an entry: every figure within its resolution shows as 0.
QStringList reading_lines(const CaseReading &reading);

// The sentence of the fault reading ("Looks like a B–C–ground fault", "cannot tell: zero
// sequence only"), or empty where there is none to say (not currents, nothing converted).
QString verdict_text(const CaseReading &reading);

// Whether a trimmed vector group text is "none", in English or in the word the reading
// window shows for it in the desktop's language.
bool means_no_group(const QString &text);
// Why the group written is refused, or empty when it reads (or is none).
QString group_problem(const calc::GroupParse &parse, const QString &text);
// Why the chosen slot gives no superimposed set, or empty.
QString delta_problem_text(const CaseReading &reading);

// The rows the reading adds after the results table: a phasor a row (label, magnitude, angle,
// real part, imaginary part: 3X0 and 3X2, the superimposed phases and sequences, the other
// winding's phases and sequences) and a "Fault" row (code, sentence) for currents, each number
// written as the results table writes it, to the resolution of its set. Labels and the
// sentence are in the desktop's language, with their English for the CSV.
// None when nothing is converted or when the quantity is not said and nothing is chosen.
QList<QList<ResultCell>> reading_rows(const CaseReading &reading);

// The replay driver's `reading` object: every key always, each phasor [magnitude, degrees]
// or null; the verdict in English.
QJsonObject reading_json(const CaseReading &reading);

// The superimposed phases as ABC Polar texts (magnitudes A, B, C, then angles in degrees),
// each the shortest that reads back to the double, with this decimal separator; nothing
// without a superimposed set.
std::optional<std::array<QString, 6>> delta_texts(const CaseReading &reading,
                                                  QStringView separator);

} // namespace form
