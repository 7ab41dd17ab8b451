// The report of the case the window shows: what the groups, the diagrams and their
// description show, gathered for the page.
#include "form/form1_report.h"

#include "calc/phasor.h"
#include "form/diagram_outputs.h"
#include "form/form1.h"
#include "form/form_model.h"
#include "form/form1_descriptions.h"
#include "form/reading_room.h"
#include "toolkit/number_text.h"

#include "toolkit/save_file.h"

#include <QCoreApplication>
#include <QDialog>
#include <QDialogButtonBox>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QPrintDialog>
#include <QPrinter>
#include <QStandardPaths>
#include <QVBoxLayout>

#include <complex>
#include <numbers>
#include <optional>

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
    report.reading = reading_lines(form.reading().reading());
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

namespace form {

namespace {

// The report's texts, under one context for translators.
class Words {
    Q_DECLARE_TR_FUNCTIONS(CaseReport)
};

// One line of note for the report, or nothing when the user cancels.
std::optional<QString> ask_note(QWidget *parent) {
    QDialog dialog(parent);
    dialog.setWindowTitle(Words::tr("Report"));
    auto *layout = new QVBoxLayout(&dialog);
    auto *label = new QLabel(Words::tr("A note for the report (optional, one line):"), &dialog);
    auto *note = new QLineEdit(&dialog);
    note->setMaxLength(static_cast<int>(longest_note));
    note->setAccessibleName(Words::tr("Note"));
    label->setBuddy(note);
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &dialog);
    QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    layout->addWidget(label);
    layout->addWidget(note);
    layout->addWidget(buttons);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return note->text().simplified();
}

} // namespace

void ask_and_save_report(Form1 &form) {
    const std::optional<QString> note = ask_note(&form);
    if (!note)
        return;
    static QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    QString path = QFileDialog::getSaveFileName(&form, Words::tr("Save Report As"),
                                                QDir(folder).filePath(QStringLiteral("report.pdf")),
                                                Words::tr("PDF document (*.pdf)"));
    if (path.isEmpty())
        return;
    if (QFileInfo(path).suffix().isEmpty())
        path += QStringLiteral(".pdf");
    folder = QFileInfo(path).absolutePath();
    const QString problem =
        toolkit::save_file(path, report_pdf(report_of(form, *note), paper_locale()));
    if (!problem.isEmpty())
        form.notify(problem);
}

void ask_and_print_report(Form1 &form) {
    const std::optional<QString> note = ask_note(&form);
    if (!note)
        return;
    QPrinter printer;
    printer.setDocName(report_title());
    QPrintDialog dialog(&printer, &form);
    if (dialog.exec() == QDialog::Accepted)
        paint_report(report_of(form, *note), printer);
}

} // namespace form
