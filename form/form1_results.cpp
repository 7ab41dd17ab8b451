// The results table: Copy Results and Save Results As.
#include "form/form1_results.h"

#include "calc/unbalance.h"
#include "form/form1.h"
#include "form/reading_room.h"
#include "toolkit/number_text.h"

#include <QClipboard>
#include <QCoreApplication>
#include <QFileDialog>
#include <QFileInfo>
#include <QGuiApplication>
#include <QMimeData>
#include <QStandardPaths>

namespace form {

// The values the check accepted, the numbers held and the resolution they carry.
ResultsTable results_table(const Form1 &form) {
    const FormModel &model = form.model();
    ResultsTable table =
        results_table({model.state().converted_group, model.accepted(), model.phasors(),
                       calc::sequence_resolution(model.phasors())});
    // What the reading says of the case, when its quantity is said or something is chosen.
    table.rows.append(reading_rows(form.reading().reading()));
    return table;
}

void copy_results(const Form1 &form) {
    if (!form.model().state().has_results)
        return;
    const ResultsTable table = results_table(form);
    auto *data = new QMimeData;
    data->setText(results_text(table, toolkit::decimal_separator()));
    data->setHtml(results_html(table, toolkit::decimal_separator()));
    QGuiApplication::clipboard()->setMimeData(data);
}

void save_results(Form1 &form, const QString &path) {
    if (!form.model().state().has_results) {
        form.notify(QCoreApplication::translate("ResultsTable",
                                                "No results to save: convert a case first."));
        return;
    }
    const QString problem = save_results(path, results_table(form));
    if (!problem.isEmpty())
        form.notify(problem);
}

// A workbook first, which every spreadsheet reads the same; CSV for scripts.
void ask_and_save_results(Form1 &form) {
    QFileDialog dialog(&form, QCoreApplication::translate("ResultsTable", "Save Results As"));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    const QString workbook =
        QCoreApplication::translate("ResultsTable", "Excel workbooks (*.xlsx)");
    dialog.setNameFilters(
        {workbook, QCoreApplication::translate("ResultsTable", "CSV files (*.csv)")});
    dialog.setDefaultSuffix(QStringLiteral("xlsx"));
    QObject::connect(
        &dialog, &QFileDialog::filterSelected, &dialog, [&dialog, workbook](const QString &f) {
            dialog.setDefaultSuffix(f == workbook ? QStringLiteral("xlsx") : QStringLiteral("csv"));
        });
    static QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    dialog.setDirectory(folder);
    dialog.selectFile(QStringLiteral("results.xlsx"));
    if (dialog.exec() == QDialog::Accepted && !dialog.selectedFiles().isEmpty()) {
        const QString path = dialog.selectedFiles().constFirst();
        folder = QFileInfo(path).absolutePath();
        save_results(form, path);
    }
}

} // namespace form
