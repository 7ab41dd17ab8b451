// The results table: Copy Results and Save Results As.
#include "form/form1.h"

#include "calc/phasor.h"
#include "calc/unbalance.h"
#include "toolkit/number_text.h"
#include "toolkit/save_file.h"

#include <QClipboard>
#include <QFileDialog>
#include <QGuiApplication>
#include <QMimeData>

namespace {

QString html_table(const QList<QStringList> &rows) {
    QString html = QStringLiteral("<table>\n");
    for (qsizetype i = 0; i < rows.size(); ++i) {
        const QLatin1String cell = i == 0 ? QLatin1String("th") : QLatin1String("td");
        html += QLatin1String("<tr>");
        for (const QString &text : rows[i])
            html += QStringLiteral("<%1>%2</%1>").arg(cell, text.toHtmlEscaped());
        html += QLatin1String("</tr>\n");
    }
    return html + QLatin1String("</table>\n");
}

// Comma-separated values as spreadsheets read them: a semicolon between cells where the
// desktop's decimal separator is a comma, and a cell quoted, its quotes doubled, where it
// holds the separator, a quote or a line break.
QString csv_text(const QList<QStringList> &rows) {
    const QChar separator = toolkit::decimal_separator() == QLatin1String(",") ? u';' : u',';
    QString text;
    for (const QStringList &row : rows) {
        QStringList cells;
        for (QString cell : row) {
            if (cell.contains(separator) || cell.contains(u'"') || cell.contains(u'\n') ||
                cell.contains(u'\r'))
                cell =
                    QLatin1Char('"') + cell.replace(u'"', QLatin1String("\"\"")) + QLatin1Char('"');
            cells << cell;
        }
        text += cells.join(separator) + QLatin1String("\r\n");
    }
    return text;
}

} // namespace

// Every number as the program holds it, in the shortest text that reads back to it, so a
// spreadsheet gets the full precision: the singles as singles. Angles are in degrees,
// divided by pi180 as the display divides them. The entered group's cells are the values
// the check accepted, as typed; a zero phasor's angle, a convention of no precision, reads
// as the window shows it.
QList<QStringList> Form1::results_table() const {
    const calc::PhasorState &s = phasors_;
    const auto number = [](auto value) { return toolkit::format_shortest(value); };
    const int entered = state_.converted_group;
    // Row r (A, B, C, V0, V1, V2) and column c (magnitude, angle, real, imaginary part).
    const auto cell = [&](int r, int c, double mag, auto held) {
        if (r / 3 == entered / 2 && c / 2 == entered % 2) {
            const toolkit::EntryNumber &typed =
                accepted_[static_cast<std::size_t>(3 * (c % 2) + r % 3)];
            // imag_c and imag_2 are read straight to single: that single is the value.
            return c == 3 && r % 3 == 2 ? number(typed.single) : number(typed.value);
        }
        if (c == 1) {
            const auto degrees = calc::to_degrees(held, s.pi180);
            return mag == 0 ? toolkit::format_fixed2(degrees) : number(degrees);
        }
        return number(held);
    };
    const auto row = [&](int r, const char *label, double mag, auto ang, double re, auto im) {
        return QStringList{QLatin1String(label), cell(r, 0, mag, mag), cell(r, 1, mag, ang),
                           cell(r, 2, mag, re), cell(r, 3, mag, im)};
    };
    QList<QStringList> rows{
        {"Phasor", "Magnitude", "Angle (degrees)", "Real part", "Imaginary part"},
        row(0, "A", s.va_mag, s.va_ang, s.va_real, s.va_imag),
        row(1, "B", s.vb_mag, s.vb_ang, s.vb_real, s.vb_imag),
        row(2, "C", s.vc_mag, s.vc_ang, s.vc_real, s.vc_imag),
        // Labels that a spreadsheet keeps as text, where 0, 1 and 2 would become numbers.
        row(3, "V0", s.v0_mag, s.v0_ang, s.v0_real, s.v0_imag),
        row(4, "V1", s.v1_mag, s.v1_ang, s.v1_real, s.v1_imag),
        row(5, "V2", s.v2_mag, s.v2_ang, s.v2_real, s.v2_imag),
    };
    const std::optional<calc::Unbalance> unbalance = calc::unbalance(s);
    const QString no_ratio = QStringLiteral("no ratio");
    rows.append(
        QStringList{"|V2|/|V1| (%)", unbalance ? number(unbalance->negative_percent) : no_ratio});
    rows.append(
        QStringList{"|V0|/|V1| (%)", unbalance ? number(unbalance->zero_percent) : no_ratio});
    if (unbalance && unbalance->turns_acb)
        rows.append(QStringList{"Phase order", "A-C-B"});
    return rows;
}

void Form1::copy_results() {
    if (!state_.has_results)
        return;
    const QList<QStringList> rows = results_table();
    QString text;
    for (const QStringList &row : rows)
        text += row.join(QLatin1Char('\t')) + QLatin1Char('\n');
    auto *data = new QMimeData;
    data->setText(text);
    data->setHtml(html_table(rows));
    QGuiApplication::clipboard()->setMimeData(data);
}

void Form1::save_results(const QString &path) {
    if (!state_.has_results) {
        notify(QStringLiteral("No results to save: convert a case first."));
        return;
    }
    const QString problem = toolkit::save_file(path, csv_text(results_table()).toUtf8());
    if (!problem.isEmpty())
        notify(problem);
}

void Form1::ask_and_save_results() {
    QFileDialog dialog(this, QStringLiteral("Save Results As"));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setNameFilter(QStringLiteral("CSV files (*.csv)"));
    dialog.setDefaultSuffix(QStringLiteral("csv"));
    dialog.selectFile(QStringLiteral("results.csv"));
    if (dialog.exec() == QDialog::Accepted && !dialog.selectedFiles().isEmpty())
        save_results(dialog.selectedFiles().constFirst());
}
