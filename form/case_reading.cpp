#include "form/case_reading.h"

#include "form/case_conversion.h"
#include "toolkit/number_text.h"

#include <QCoreApplication>
#include <QJsonArray>

#include <algorithm>
#include <cmath>

namespace form {

namespace {

// The translation context of every text the reading shows.
class Words {
    Q_DECLARE_TR_FUNCTIONS(CaseReading)
};

// The verdict goes to the window in the desktop's language and to the CSV in English.
enum class Tongue { shown, english };

// A text marked with QT_TRANSLATE_NOOP("CaseReading", ...), in the tongue asked for.
QString say(Tongue tongue, const char *source) {
    return tongue == Tongue::english ? QString::fromUtf8(source) : Words::tr(source);
}

using calc::FaultCode, calc::FaultReason, calc::FaultStatus, calc::Phasor, calc::Three;

QString latin(std::string_view text) {
    return QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
}

// X for a quantity not said, V for voltages, I for currents.
QString letter(Quantity q) {
    return q == Quantity::voltages   ? QStringLiteral("V")
           : q == Quantity::currents ? QStringLiteral("I")
                                     : QStringLiteral("X");
}

QString magnitude_text(double m) {
    return toolkit::format_significant(m, 5);
}

QString degrees_text(double d) {
    return toolkit::format_fixed(d, 2) + QStringLiteral("°");
}

QString polar_text(Phasor z) {
    return magnitude_text(std::abs(z)) + QStringLiteral(" ∠ ") + degrees_text(calc::degrees_of(z));
}

// name = value, one after the other.
QString named_phasors(const QStringList &names, const Three &values, double resolution) {
    QStringList parts;
    for (std::size_t i = 0; i < 3; ++i)
        parts << names[static_cast<qsizetype>(i)] + QStringLiteral(" = ") +
                     polar_text(calc::zero_within(values[i], resolution));
    return parts.join(QStringLiteral(", "));
}

QStringList sequence_names(const QString &prefix, Quantity q) {
    const QString x = prefix + letter(q);
    return {x + QLatin1Char('0'), x + QLatin1Char('1'), x + QLatin1Char('2')};
}

// "A–ground", "B–C", "B–C–ground", "A–B–C".
QString fault_name(FaultCode code, Tongue tongue = Tongue::shown) {
    switch (code) {
    case FaultCode::AG:
        return say(tongue, QT_TRANSLATE_NOOP("CaseReading", "A–ground"));
    case FaultCode::BG:
        return say(tongue, QT_TRANSLATE_NOOP("CaseReading", "B–ground"));
    case FaultCode::CG:
        return say(tongue, QT_TRANSLATE_NOOP("CaseReading", "C–ground"));
    case FaultCode::AB:
        return say(tongue, QT_TRANSLATE_NOOP("CaseReading", "A–B"));
    case FaultCode::BC:
        return say(tongue, QT_TRANSLATE_NOOP("CaseReading", "B–C"));
    case FaultCode::CA:
        return say(tongue, QT_TRANSLATE_NOOP("CaseReading", "C–A"));
    case FaultCode::ABG:
        return say(tongue, QT_TRANSLATE_NOOP("CaseReading", "A–B–ground"));
    case FaultCode::BCG:
        return say(tongue, QT_TRANSLATE_NOOP("CaseReading", "B–C–ground"));
    case FaultCode::CAG:
        return say(tongue, QT_TRANSLATE_NOOP("CaseReading", "C–A–ground"));
    case FaultCode::ABC:
        return say(tongue, QT_TRANSLATE_NOOP("CaseReading", "A–B–C"));
    case FaultCode::none:
        break;
    }
    return {};
}

// "Looks like an A–ground fault": the article follows the phase named first.
QString looks_like(FaultCode code, Tongue tongue) {
    const bool starts_with_a = code == FaultCode::AG || code == FaultCode::AB ||
                               code == FaultCode::ABG || code == FaultCode::ABC;
    return starts_with_a ? say(tongue, QT_TRANSLATE_NOOP("CaseReading", "Looks like an %1 fault"))
                               .arg(fault_name(code, tongue))
                         : say(tongue, QT_TRANSLATE_NOOP("CaseReading", "Looks like a %1 fault"))
                               .arg(fault_name(code, tongue));
}

// The phases a code names: "A", "B and C", "A, B and C".
QString phases_named(FaultCode code) {
    switch (code) {
    case FaultCode::AG:
        return QStringLiteral("A");
    case FaultCode::BG:
        return QStringLiteral("B");
    case FaultCode::CG:
        return QStringLiteral("C");
    case FaultCode::AB:
    case FaultCode::ABG:
        return Words::tr("A and B");
    case FaultCode::BC:
    case FaultCode::BCG:
        return Words::tr("B and C");
    case FaultCode::CA:
    case FaultCode::CAG:
        return Words::tr("C and A");
    case FaultCode::ABC:
        return Words::tr("A, B and C");
    case FaultCode::none:
        break;
    }
    return {};
}

double pair_centre(FaultCode code) {
    return code == FaultCode::AB ? 60 : code == FaultCode::CA ? -60 : 180;
}

// The turn that brings theta21 into the reference of the sector's phase.
double sector_shift(calc::Sector sector) {
    return sector == calc::Sector::B ? -120 : sector == calc::Sector::C ? 120 : 0;
}

// The evidence after a verdict, or after a "cannot tell" that weighed it.
QStringList evidence_lines(const calc::FaultReading &f, const calc::PhaseSet &set) {
    QStringList lines;
    const double sum = std::abs(set.phases[0]) + std::abs(set.phases[1]) + std::abs(set.phases[2]);
    const double residual = 3 * std::abs(calc::zero_within(set.sequences[0], set.resolution));
    if (sum > 0)
        lines << (f.ground ? Words::tr("Ground: 3|I0| is %1 % of |Ia| + |Ib| + |Ic|, above 10 %.")
                           : Words::tr("No ground: 3|I0| is %1 % of |Ia| + |Ib| + |Ic|, at most "
                                       "10 %."))
                     .arg(toolkit::format_fixed(100 * residual / sum, 1));
    if (f.ground && f.theta02_degrees) {
        const QString sector = latin(calc::sector_text(f.sector));
        lines << Words::tr("Sector: the angle of I0/I2 is %1, in the sector of phase %2.")
                     .arg(degrees_text(*f.theta02_degrees), sector);
    }
    if (f.theta21_degrees) {
        if (f.ground && f.theta02_degrees) {
            const QString sector = latin(calc::sector_text(f.sector));
            const double own = calc::wrap_degrees(*f.theta21_degrees + sector_shift(f.sector));
            lines << (std::abs(own) <= 90
                          ? Words::tr("I2 against I1: the angle of I2/I1 is %1, %2 in phase %3's "
                                      "reference: within ±90°, a single-phase fault.")
                          : Words::tr("I2 against I1: the angle of I2/I1 is %1, %2 in phase %3's "
                                      "reference: beyond ±90°, a two-phase-to-ground fault."))
                         .arg(degrees_text(*f.theta21_degrees), degrees_text(own), sector);
        } else if (f.by_angles != FaultCode::none) {
            lines << Words::tr("I2 against I1: the angle of I2/I1 is %1, nearest the %2 centre "
                               "(%3).")
                         .arg(degrees_text(*f.theta21_degrees), fault_name(f.by_angles),
                              degrees_text(pair_centre(f.by_angles)));
        } else {
            lines << Words::tr("I2 against I1: the angle of I2/I1 is %1, nearer a single-phase "
                               "centre (0°, ±120°).")
                         .arg(degrees_text(*f.theta21_degrees));
        }
    }
    if (f.by_magnitudes != FaultCode::none)
        lines << Words::tr("The current: carried by %1 (|Ia| %2, |Ib| %3, |Ic| %4).")
                     .arg(phases_named(f.by_magnitudes), magnitude_text(std::abs(set.phases[0])),
                          magnitude_text(std::abs(set.phases[1])),
                          magnitude_text(std::abs(set.phases[2])));
    return lines;
}

// The set the fault reading read: the superimposed one when there is one.
const calc::PhaseSet &read_set(const CaseReading &r) {
    return r.delta ? r.delta->delta : r.set;
}

bool group_chosen(const CaseReading &r) {
    return r.group.group.has_value();
}

bool rows_wanted(const CaseReading &r) {
    return r.has_results &&
           (r.quantity != Quantity::unsaid || r.prefault_slot != 0 || group_chosen(r));
}

QJsonValue phasor_json(Phasor z, double resolution) {
    const Phasor shown = calc::zero_within(z, resolution);
    return QJsonArray{std::abs(shown), calc::degrees_of(shown)};
}

QJsonValue optional_json(const std::optional<double> &value) {
    return value ? QJsonValue(*value) : QJsonValue(QJsonValue::Null);
}

// {"a", "b", "c", "0", "1", "2"}, each null without a set.
QJsonObject set_json(const std::optional<calc::PhaseSet> &set) {
    static const char *const keys[] = {"a", "b", "c", "0", "1", "2"};
    QJsonObject out;
    for (std::size_t i = 0; i < 6; ++i) {
        const QString key = QString::fromLatin1(keys[i]);
        if (!set)
            out.insert(key, QJsonValue::Null);
        else
            out.insert(
                key, phasor_json(i < 3 ? set->phases[i] : set->sequences[i - 3], set->resolution));
    }
    return out;
}

ResultCell label_cell(const QString &text) {
    return {text, std::nullopt, -1, {}};
}

// A real or imaginary part as the results table writes it: to the set's resolution.
ResultCell part_cell(double value, double resolution) {
    const int place =
        resolution > 0 && std::isfinite(resolution) ? toolkit::decimal_place(resolution) : 0;
    const QString text = toolkit::format_at_place(value, place, u".");
    if (text.isEmpty())
        return {};
    return {text, toolkit::parse_number(text, u".")->value, std::max(0, -place), {}};
}

QList<ResultCell> phasor_row(const QString &label, Phasor z, double resolution, float pi180) {
    const Phasor shown = calc::zero_within(z, resolution);
    const WrittenPhasor polar =
        written_phasor(std::abs(shown), calc::degrees_of(shown), pi180, resolution);
    return {label_cell(label), polar.magnitude, polar.angle, part_cell(shown.real(), resolution),
            part_cell(shown.imag(), resolution)};
}

// label names a set's row ("Delta %1"), marked with QT_TRANSLATE_NOOP: shown in the desktop's
// language, written to the CSV in English.
void set_rows(QList<QList<ResultCell>> &rows, const char *label, const calc::PhaseSet &set,
              float pi180) {
    static const char *const names[] = {"A", "B", "C", "X0", "X1", "X2"};
    for (std::size_t i = 0; i < 6; ++i) {
        const QLatin1String name(names[i]);
        QList<ResultCell> row = phasor_row(QString(), i < 3 ? set.phases[i] : set.sequences[i - 3],
                                           set.resolution, pi180);
        row[0] = ResultCell{Words::tr(label).arg(name), std::nullopt, -1,
                            QString::fromUtf8(label).arg(name)};
        rows << row;
    }
}

} // namespace

bool means_no_group(const QString &text) {
    return text.compare(QLatin1String("none"), Qt::CaseInsensitive) == 0 ||
           text.compare(QCoreApplication::translate("form::ReadingWindow", "none"),
                        Qt::CaseInsensitive) == 0;
}

CaseReading read_case(const ReadingInput &in) {
    CaseReading r;
    r.has_results = in.has_results;
    r.quantity = in.quantity;
    r.prefault_slot = in.prefault_slot;
    r.prefault_quantity = in.prefault_quantity;
    r.group_text = in.group.trimmed();
    if (means_no_group(r.group_text))
        r.group_text.clear();
    if (!r.group_text.isEmpty())
        r.group = calc::parse_vector_group(r.group_text.toStdString());
    if (!in.has_results)
        return r;

    r.set = calc::phase_set(in.phasors);
    r.pi180 = in.phasors.pi180;
    r.relay = calc::relay_quantities(r.set);
    if (in.quantity == Quantity::voltages)
        r.line = calc::line_to_line(r.set);

    if (in.prefault_slot != 0) {
        const bool mixed =
            (in.quantity == Quantity::currents && in.prefault_quantity == Quantity::voltages) ||
            (in.quantity == Quantity::voltages && in.prefault_quantity == Quantity::currents);
        std::optional<calc::PhasorState> before;
        if (in.prefault)
            before = converted_case(in.prefault->group, in.prefault->texts);
        if (!in.prefault)
            r.delta_problem = DeltaProblem::empty_slot;
        else if (mixed)
            r.delta_problem = DeltaProblem::mixed_quantities;
        else if (!before)
            r.delta_problem = DeltaProblem::unconvertible;
        else
            r.delta = calc::superimposed(r.set, calc::phase_set(*before));
    }

    if (in.quantity == Quantity::currents)
        r.fault = r.delta ? calc::read_fault(*r.delta) : calc::read_fault(r.set);

    if (r.group.group)
        r.transformer = calc::through_transformer(r.set, *r.group.group);
    return r;
}

QString group_problem(const calc::GroupParse &parse, const QString &text) {
    const QString start = Words::tr("“%1” is not a vector group: ").arg(text);
    switch (parse.error) {
    case calc::GroupError::none:
    case calc::GroupError::empty:
        return {};
    case calc::GroupError::first_winding:
        return start + Words::tr("it starts with Y, YN, D, Z or ZN.");
    case calc::GroupError::second_winding:
        return start + Words::tr("the first winding is followed by y, yn, d, z or zn.");
    case calc::GroupError::delta_neutral:
        return start + Words::tr("a delta winding has no neutral.");
    case calc::GroupError::clock_missing:
        return start + Words::tr("the clock number, 0 to 11, follows the windings.");
    case calc::GroupError::clock_range:
        return start + Words::tr("the clock number is 0 to 11.");
    case calc::GroupError::clock_parity:
        return start + Words::tr("Yy, Dd, Zz, Dz and Zd take even clock numbers; Yd, Dy, Yz "
                                 "and Zy odd ones.");
    case calc::GroupError::trailing:
        return start + Words::tr("nothing follows the clock number.");
    }
    return {};
}

QString delta_problem_text(const CaseReading &r) {
    switch (r.delta_problem) {
    case DeltaProblem::none:
        return {};
    case DeltaProblem::empty_slot:
        return Words::tr("Slot %1 holds no case.").arg(r.prefault_slot);
    case DeltaProblem::unconvertible:
        return Words::tr("Slot %1's case does not convert.").arg(r.prefault_slot);
    case DeltaProblem::mixed_quantities:
        return r.quantity == Quantity::currents
                   ? Words::tr("No superimposed set: this case is currents and slot %1 holds "
                               "voltages.")
                         .arg(r.prefault_slot)
                   : Words::tr("No superimposed set: this case is voltages and slot %1 holds "
                               "currents.")
                         .arg(r.prefault_slot);
    }
    return {};
}

namespace {

QString verdict_in(const CaseReading &r, Tongue tongue) {
    if (!r.fault)
        return {};
    const calc::FaultReading &f = *r.fault;
    switch (f.reason) {
    case FaultReason::no_current:
        return say(tongue,
                   QT_TRANSLATE_NOOP(
                       "CaseReading",
                       "No current: every phase is within the resolution of the computation."));
    case FaultReason::small_change:
        return say(tongue, QT_TRANSLATE_NOOP("CaseReading",
                                             "cannot tell: the change is small against the load"));
    case FaultReason::zero_sequence_only:
        return say(tongue, QT_TRANSLATE_NOOP("CaseReading", "cannot tell: zero sequence only"));
    case FaultReason::balanced_load:
        return say(tongue,
                   QT_TRANSLATE_NOOP(
                       "CaseReading",
                       "No verdict: a three-phase fault and plain load look alike; choose the "
                       "pre-fault case"));
    case FaultReason::three_phase:
    case FaultReason::evidence_agrees:
        return looks_like(f.code, tongue);
    case FaultReason::balanced_not_three:
        return say(
            tongue,
            QT_TRANSLATE_NOOP("CaseReading",
                              "cannot tell: the change is balanced, but not all three phases carry "
                              "it"));
    case FaultReason::angle_undefined:
        return say(tongue, QT_TRANSLATE_NOOP(
                               "CaseReading",
                               "cannot tell: I1 or I2 is too small for its angle to say anything"));
    case FaultReason::nearer_single_phase:
        return say(tongue,
                   QT_TRANSLATE_NOOP(
                       "CaseReading",
                       "cannot tell: there is no ground current, but I2 against I1 points at "
                       "one phase; a phase-to-phase fault beyond a delta-star transformer "
                       "looks like this (currents about 1 : 2 : 1)"));
    case FaultReason::evidence_disagrees:
        return say(tongue,
                   QT_TRANSLATE_NOOP("CaseReading",
                                     "cannot tell: the angles say %1, the magnitudes say %2"))
            .arg(fault_name(f.by_angles, tongue), fault_name(f.by_magnitudes, tongue));
    }
    return {};
}

} // namespace

QString verdict_text(const CaseReading &r) {
    return verdict_in(r, Tongue::shown);
}

QStringList reading_lines(const CaseReading &r) {
    QStringList lines;
    const QString problem = group_problem(r.group, r.group_text);
    if (!r.has_results) {
        lines << Words::tr("Nothing is converted: convert a case in the form to read it.");
        if (!problem.isEmpty())
            lines << problem;
        return lines;
    }
    const QString x = letter(r.quantity);
    const double res = r.set.resolution;

    // What the phasors are, and the quantities relay settings are written in.
    lines << (r.quantity == Quantity::voltages   ? Words::tr("The phasors are voltages.")
              : r.quantity == Quantity::currents ? Words::tr("The phasors are currents.")
                                                 : Words::tr("What the phasors are is not said."));
    lines << QString() << Words::tr("Relay quantities");
    const QString x0 = x + QLatin1Char('0'), x1 = x + QLatin1Char('1'), x2 = x + QLatin1Char('2');
    lines << QStringLiteral("3%1 = %2, 3%3 = %4")
                 .arg(x0, polar_text(r.relay.x0_3), x2, polar_text(r.relay.x2_3));
    if (r.relay.x2_x1_percent && r.relay.x0_x1_percent)
        lines << QStringLiteral("|%1|/|%2| = %3 %, |%4|/|%2| = %5 %")
                     .arg(x2, x1, toolkit::format_significant(*r.relay.x2_x1_percent, 5), x0,
                          toolkit::format_significant(*r.relay.x0_x1_percent, 5));
    else
        lines << Words::tr("No ratios: %1 is 0.").arg(x1);
    const auto angle_or_none = [](const std::optional<double> &d) {
        return d ? degrees_text(*d) : Words::tr("none");
    };
    lines << Words::tr("Angle of %1/%2: %3, angle of %4/%1: %5")
                 .arg(x2, x1, angle_or_none(r.relay.x2_x1_degrees), x0,
                      angle_or_none(r.relay.x0_x2_degrees));
    if (r.line)
        lines << Words::tr("Line to line: %1")
                     .arg(named_phasors(
                         {QStringLiteral("Vab"), QStringLiteral("Vbc"), QStringLiteral("Vca")},
                         *r.line, res));

    // The superimposed set.
    if (r.prefault_slot != 0) {
        lines << QString()
              << Words::tr("Superimposed set: this case less slot %1").arg(r.prefault_slot);
        if (r.delta) {
            const calc::PhaseSet &d = r.delta->delta;
            lines << named_phasors({QStringLiteral("Δ%1a").arg(x), QStringLiteral("Δ%1b").arg(x),
                                    QStringLiteral("Δ%1c").arg(x)},
                                   d.phases, d.resolution);
            lines << named_phasors(sequence_names(QStringLiteral("Δ"), r.quantity), d.sequences,
                                   d.resolution);
            if (r.delta->no_change)
                lines << Words::tr("no change");
        } else {
            lines << delta_problem_text(r);
        }
        lines << Words::tr("Both cases must share one angle reference: one record, whole "
                           "cycles apart.");
    }

    // The fault reading, for currents only.
    lines << QString() << Words::tr("Fault reading");
    if (!r.fault) {
        lines << Words::tr("Only currents are read for a fault.");
    } else {
        const calc::FaultReading &f = *r.fault;
        lines << verdict_text(r);
        const bool weighed = f.reason == FaultReason::evidence_agrees ||
                             f.reason == FaultReason::evidence_disagrees ||
                             f.reason == FaultReason::nearer_single_phase ||
                             f.reason == FaultReason::three_phase ||
                             f.reason == FaultReason::balanced_not_three;
        if (weighed)
            lines << evidence_lines(f, read_set(r));
        if (!f.superimposed && f.status != FaultStatus::none)
            lines << Words::tr("the pre-fault load is not removed");
    }

    // The view through a transformer.
    if (r.transformer) {
        const calc::VectorGroup &g = *r.group.group;
        lines << QString()
              << Words::tr("Through %1, IEC clock number %2: the other winding, per unit of the "
                           "ratio")
                     .arg(QString::fromStdString(calc::canonical_text(g)))
                     .arg(g.clock);
        const calc::PhaseSet &t = *r.transformer;
        lines << named_phasors({x + QLatin1Char('a'), x + QLatin1Char('b'), x + QLatin1Char('c')},
                               t.phases, t.resolution);
        lines << named_phasors(sequence_names(QString(), r.quantity), t.sequences, t.resolution);
        const bool passes = g.first == calc::Winding::star && g.first_neutral &&
                            g.second == calc::Winding::star && g.second_neutral &&
                            (g.clock == 0 || g.clock == 6);
        if (!passes)
            lines << Words::tr("The zero sequence does not pass this transformer.");
    } else if (!problem.isEmpty()) {
        lines << QString() << problem;
    }
    return lines;
}

QList<QList<ResultCell>> reading_rows(const CaseReading &r) {
    QList<QList<ResultCell>> rows;
    if (!rows_wanted(r))
        return rows;
    // Three times a component carries three times its resolution.
    rows << phasor_row(QStringLiteral("3X0"), r.relay.x0_3, 3 * r.set.resolution, r.pi180);
    rows << phasor_row(QStringLiteral("3X2"), r.relay.x2_3, 3 * r.set.resolution, r.pi180);
    if (r.delta)
        //: A row of the superimposed set in the results table; %1 is A, B, C, X0, X1 or X2.
        set_rows(rows, QT_TRANSLATE_NOOP("CaseReading", "Delta %1"), r.delta->delta, r.pi180);
    if (r.transformer)
        //: A row of the transformer's other winding in the results table; %1 is A, B, C, X0,
        //: X1 or X2.
        set_rows(rows, QT_TRANSLATE_NOOP("CaseReading", "Other winding %1"), *r.transformer,
                 r.pi180);
    if (r.fault)
        rows << QList<ResultCell>{
            ResultCell{Words::tr("Fault"), std::nullopt, -1, QStringLiteral("Fault")},
            label_cell(latin(calc::fault_code_text(r.fault->code))),
            ResultCell{verdict_text(r), std::nullopt, -1, verdict_in(r, Tongue::english)}};
    return rows;
}

QJsonObject reading_json(const CaseReading &r) {
    QJsonObject out;
    out.insert(QStringLiteral("quantity"), quantity_key(r.quantity));
    const calc::FaultReading fault = r.fault.value_or(calc::FaultReading{});
    out.insert(QStringLiteral("fault"), latin(calc::fault_code_text(fault.code)));
    static const char *const statuses[] = {"verdict", "cannot-tell", "none"};
    out.insert(QStringLiteral("status"),
               QString::fromLatin1(statuses[static_cast<std::size_t>(fault.status)]));
    // Read by other programs: in English whatever the desktop's language.
    out.insert(QStringLiteral("verdict"), verdict_in(r, Tongue::english));
    out.insert(
        QStringLiteral("evidence"),
        QJsonObject{
            {QStringLiteral("sector"), latin(calc::sector_text(fault.sector))},
            {QStringLiteral("by_angles"), latin(calc::fault_code_text(fault.by_angles))},
            {QStringLiteral("by_magnitudes"), latin(calc::fault_code_text(fault.by_magnitudes))}});
    const bool results = r.has_results;
    out.insert(QStringLiteral("ratios"),
               QJsonObject{{QStringLiteral("x2_x1"), optional_json(r.relay.x2_x1_percent)},
                           {QStringLiteral("x0_x1"), optional_json(r.relay.x0_x1_percent)}});
    out.insert(QStringLiteral("angles"),
               QJsonObject{{QStringLiteral("x2_x1"), optional_json(r.relay.x2_x1_degrees)},
                           {QStringLiteral("x0_x2"), optional_json(r.relay.x0_x2_degrees)}});
    out.insert(QStringLiteral("x0_3"),
               results ? phasor_json(r.relay.x0_3, 0) : QJsonValue(QJsonValue::Null));
    out.insert(QStringLiteral("x2_3"),
               results ? phasor_json(r.relay.x2_3, 0) : QJsonValue(QJsonValue::Null));
    if (r.quantity == Quantity::voltages) {
        static const char *const keys[] = {"ab", "bc", "ca"};
        QJsonObject line;
        for (std::size_t i = 0; i < 3; ++i)
            line.insert(QString::fromLatin1(keys[i]),
                        r.line ? phasor_json((*r.line)[i], 0) : QJsonValue(QJsonValue::Null));
        out.insert(QStringLiteral("line"), line);
    } else {
        out.insert(QStringLiteral("line"), QJsonValue::Null);
    }
    out.insert(QStringLiteral("subtract"), r.prefault_slot);
    if (r.prefault_slot != 0)
        out.insert(QStringLiteral("delta"),
                   set_json(r.delta ? std::optional(r.delta->delta) : std::nullopt));
    else
        out.insert(QStringLiteral("delta"), QJsonValue::Null);
    if (r.group.group) {
        QJsonObject transformer = set_json(r.transformer);
        transformer.insert(QStringLiteral("group"),
                           QString::fromStdString(calc::canonical_text(*r.group.group)));
        out.insert(QStringLiteral("transformer"), transformer);
    } else {
        out.insert(QStringLiteral("transformer"), QJsonValue::Null);
    }
    return out;
}

std::optional<std::array<QString, 6>> delta_texts(const CaseReading &r, QStringView separator) {
    if (!r.delta)
        return std::nullopt;
    const calc::PhaseSet &d = r.delta->delta;
    std::array<QString, 6> texts;
    for (std::size_t i = 0; i < 3; ++i) {
        const Phasor z = calc::zero_within(d.phases[i], d.resolution);
        texts[i] = toolkit::format_shortest(std::abs(z), separator);
        texts[i + 3] = toolkit::format_shortest(calc::degrees_of(z), separator);
    }
    return texts;
}

QString quantity_key(Quantity q) {
    return q == Quantity::voltages   ? QStringLiteral("voltages")
           : q == Quantity::currents ? QStringLiteral("currents")
                                     : QString();
}

std::optional<Quantity> quantity_of_key(QStringView key) {
    if (key.isEmpty())
        return Quantity::unsaid;
    if (key == QLatin1String("voltages"))
        return Quantity::voltages;
    if (key == QLatin1String("currents"))
        return Quantity::currents;
    return std::nullopt;
}

} // namespace form
