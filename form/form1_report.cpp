// The report of the case the window shows: what the groups, the diagrams and their
// description show, gathered for the page.
#include "form/form1_report.h"

#include "calc/phasor.h"
#include "form/diagram_outputs.h"
#include "form/form1.h"
#include "form/form_model.h"
#include "form/form1_descriptions.h"
#include "toolkit/number_text.h"

#include <QCoreApplication>
#include <QScreen>

#include <complex>
#include <numbers>

namespace form {

namespace {

// "A1 1.25 ∠ −30.00°": a phasor as the report writes it beside its diagram.
QString phasor_line(const QString &label, std::complex<double> phasor) {
    const double degrees = std::arg(phasor) * 180.0 / std::numbers::pi;
    return label + QStringLiteral(" ") +
           readable(toolkit::format_significant(std::abs(phasor), 4)) + QStringLiteral(" \u2220 ") +
           readable(toolkit::format_fixed(degrees, 2)) + QChar(0x00B0);
}

} // namespace

CaseReport report_of(Form1 &form, const QString &note) {
    CaseReport report;
    report.when = QDateTime::currentDateTime();
    report.when.setTime(
        QTime(report.when.time().hour(), report.when.time().minute(), report.when.time().second()));
    report.version = QCoreApplication::applicationVersion().isEmpty()
                         ? QStringLiteral(TRIVANE_VERSION)
                         : QCoreApplication::applicationVersion();
    report.note = note.left(longest_note);
    const FormModel &model = form.model();
    const FormState &state = model.state();
    report.entered_group = state.converted_group;
    for (int group = 0; group < 4; ++group) {
        for (int i = 0; i < 6; ++i)
            report.shown[static_cast<std::size_t>(group)][static_cast<std::size_t>(i)] =
                model.text(6 * group + i);
    }
    report.typed = report.shown[static_cast<std::size_t>(report.entered_group)];
    if (!state.has_results)
        return report;
    const calc::PhasorState &s = model.phasors();
    report.unbalance = unbalance_summary(s);
    if (!model.has_drawing())
        return report;
    report.diagrams.emplace(form.diagrams().figure());
    report.diagrams_dpi = form.logicalDpiX();
    const auto polar = [&](double mag, double ang) { return std::polar(mag, ang); };
    const std::complex<double> a = std::polar(1.0, 2 * std::numbers::pi / 3);
    const std::complex<double> v1 = polar(s.v1_mag, s.v1_ang);
    const std::complex<double> v2 = polar(s.v2_mag, double(s.v2_ang));
    report.diagram_values = {
        QStringList{phasor_line(QStringLiteral("A"), polar(s.va_mag, s.va_ang)),
                    phasor_line(QStringLiteral("B"), polar(s.vb_mag, s.vb_ang)),
                    phasor_line(QStringLiteral("C"), polar(s.vc_mag, double(s.vc_ang)))},
        QStringList{phasor_line(QStringLiteral("A1"), v1),
                    phasor_line(QStringLiteral("B1"), a * a * v1),
                    phasor_line(QStringLiteral("C1"), a * v1)},
        QStringList{phasor_line(QStringLiteral("A2"), v2),
                    phasor_line(QStringLiteral("B2"), a * v2),
                    phasor_line(QStringLiteral("C2"), a * a * v2)},
        QStringList{phasor_line(QStringLiteral("A0, B0, C0"), polar(s.v0_mag, s.v0_ang))},
    };
    return report;
}

} // namespace form
