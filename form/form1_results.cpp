// The results table: Copy Results and Save Results As.
#include "form/form1.h"

#include "calc/unbalance.h"
#include "form/reading_room.h"
#include "form/results_export.h"
#include "toolkit/number_text.h"

#include <QClipboard>
#include <QFileDialog>
#include <QFileInfo>
#include <QGuiApplication>
#include <QMimeData>
#include <QStandardPaths>

// The table of the converted case: the values the check accepted, the numbers held and the
// resolution they carry (form/results_export.h).
form::ResultsTable Form1::results_table() const {
    form::ResultsTable table = form::results_table(
        {state_.converted_group, accepted_, phasors_, calc::sequence_resolution(phasors_)});
    // What the reading says of the case, when its quantity is said or something is chosen.
    table.rows.append(form::reading_rows(reading_->reading()));
    return table;
}

void Form1::copy_results() {
    if (!state_.has_results)
        return;
    const form::ResultsTable table = results_table();
    auto *data = new QMimeData;
    data->setText(form::results_text(table, toolkit::decimal_separator()));
    data->setHtml(form::results_html(table, toolkit::decimal_separator()));
    QGuiApplication::clipboard()->setMimeData(data);
}

void Form1::save_results(const QString &path) {
    if (!state_.has_results) {
        notify(QStringLiteral("No results to save: convert a case first."));
        return;
    }
    const QString problem = form::save_results(path, results_table());
    if (!problem.isEmpty())
        notify(problem);
}

// A workbook first, which every spreadsheet reads the same; CSV for scripts.
void Form1::ask_and_save_results() {
    QFileDialog dialog(this, QStringLiteral("Save Results As"));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    const QString workbook = QStringLiteral("Excel workbooks (*.xlsx)");
    dialog.setNameFilters({workbook, QStringLiteral("CSV files (*.csv)")});
    dialog.setDefaultSuffix(QStringLiteral("xlsx"));
    connect(&dialog, &QFileDialog::filterSelected, &dialog, [&dialog, workbook](const QString &f) {
        dialog.setDefaultSuffix(f == workbook ? QStringLiteral("xlsx") : QStringLiteral("csv"));
    });
    // The Documents folder first, then the folder saved to last in this run.
    static QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    dialog.setDirectory(folder);
    dialog.selectFile(QStringLiteral("results.xlsx"));
    if (dialog.exec() == QDialog::Accepted && !dialog.selectedFiles().isEmpty()) {
        const QString path = dialog.selectedFiles().constFirst();
        folder = QFileInfo(path).absolutePath();
        save_results(path);
    }
}
