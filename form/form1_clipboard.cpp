#include "form/form1.h"

#include "calc/unbalance.h"
#include "form/results_export.h"
#include "toolkit/entry_field.h"
#include "toolkit/number_text.h"

#include <QAction>
#include <QBuffer>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QFileDialog>
#include <QGuiApplication>
#include <QImage>
#include <QMenu>
#include <QMimeData>
#include <QPointer>
#include <QPushButton>

#include <algorithm>

namespace {

// "2 rows and 1 column did not fit the group".
QString dropped_cells(qsizetype rows, qsizetype columns) {
    const auto count = [](qsizetype n, const char *one, const char *many) {
        return toolkit::format_fixed(double(n), 0) + QLatin1Char(' ') +
               QLatin1String(n == 1 ? one : many);
    };
    QStringList parts;
    if (rows > 0)
        parts << count(rows, "row", "rows");
    if (columns > 0)
        parts << count(columns, "column", "columns");
    return parts.join(QStringLiteral(" and ")) + QStringLiteral(" did not fit the group");
}

} // namespace

void Form1::set_up_keys_and_clipboard() {
    for (int k = 0; k < static_cast<int>(fields_.size()); ++k) {
        // create_controls makes every text box an EntryField.
        auto *entry =
            static_cast<toolkit::EntryField *>(fields_[static_cast<std::size_t>(k)]->widget());
        const auto group = static_cast<std::size_t>(k / 6);
        // Return or Enter in a field presses its group's CONVERT button.
        connect(entry, &QLineEdit::returnPressed, this, [this, group] { Convert[group]->click(); });
        entry->on_paste = [this, k](toolkit::EntryField &field, const QString &text) {
            paste_into(k, field, text);
        };
    }

    // Window shortcuts: they work wherever the focus is, in a field too, whose own keys
    // (Ctrl+C among them) they leave alone.
    copy_results_action_ = new QAction(QStringLiteral("Copy Results"), this);
    copy_results_action_->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_C));
    connect(copy_results_action_, &QAction::triggered, this, [this] { copy_results(); });
    save_results_action_ = new QAction(QStringLiteral("Save Results As\u2026"), this);
    connect(save_results_action_, &QAction::triggered, this, [this] { ask_and_save_results(); });
    copy_diagrams_action_ = new QAction(QStringLiteral("Copy Diagrams"), this);
    copy_diagrams_action_->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_D));
    connect(copy_diagrams_action_, &QAction::triggered, this, [this] { copy_diagrams(); });
    addAction(copy_results_action_);
    addAction(copy_diagrams_action_);
    set_up_diagram_outputs();
}

// A block of cells fills the group's 3 x 2 grid as a spreadsheet fills its cells: from the
// field it is pasted into, rightwards and downwards. The fields it reaches get their cells as
// one change of the form, which one Undo takes back; an empty cell leaves its field alone.
// Rows and columns beyond the group are dropped, and the notice says how many held something.
void Form1::paste_into(int k, toolkit::EntryField &field, const QString &text) {
    const QList<QStringList> rows = toolkit::pasted_cells(text);
    if (rows.size() == 1 && rows[0].size() == 1) {
        field.insert_pasted(toolkit::cleaned_cell(rows[0][0]));
        return;
    }
    const auto fields = group_fields(k / 6);
    const OneChange change(*this, QStringLiteral("Paste"));
    const int first_row = k % 3;        // rows A, B, C or 0, 1, 2
    const int first_column = k % 6 / 3; // magnitudes or real parts, then the other part
    qsizetype dropped_rows = 0;
    qsizetype dropped_columns = 0;
    for (qsizetype i = 0; i < rows.size(); ++i) {
        for (qsizetype j = 0; j < rows[i].size(); ++j) {
            const QString cell = toolkit::cleaned_cell(rows[i][j]);
            if (cell.trimmed().isEmpty())
                continue;
            if (first_row + i >= 3 || first_column + j >= 2) {
                dropped_rows = std::max(dropped_rows, first_row + i - 2);
                dropped_columns = std::max(dropped_columns, first_column + j - 1);
                continue;
            }
            fields[static_cast<std::size_t>(3 * (first_column + j) + first_row + i)]->setText(cell);
        }
    }
    if (dropped_rows > 0 || dropped_columns > 0)
        notify(dropped_cells(dropped_rows, dropped_columns));
}

QMenu *Form1::context_menu() {
    auto *menu = new QMenu(this);
    menu->addAction(undo_action_);
    menu->addAction(redo_action_);
    menu->addSeparator();
    menu->addAction(copy_results_action_);
    menu->addAction(save_results_action_);
    menu->addAction(copy_diagrams_action_);
    menu->addAction(save_diagrams_action_);
    menu->addAction(print_diagrams_action_);
    menu->addSeparator();
    menu->addAction(keep_action_);
    menu->addAction(forget_action_);
    // The shortcuts stay live; the entries only show that there is nothing to copy yet.
    copy_results_action_->setEnabled(state_.has_results);
    save_results_action_->setEnabled(state_.has_results);
    enable_diagram_outputs(has_drawing());
    // A menu is also destroyed with the window, after its actions may be: each is guarded.
    const QList<QPointer<QAction>> shortcuts{copy_results_action_, copy_diagrams_action_,
                                             save_diagrams_action_, print_diagrams_action_};
    const auto enable_shortcuts = [shortcuts] {
        for (const QPointer<QAction> &action : shortcuts) {
            if (action)
                action->setEnabled(true);
        }
    };
    connect(menu, &QMenu::aboutToHide, copy_results_action_, enable_shortcuts);
    connect(menu, &QObject::destroyed, copy_results_action_, enable_shortcuts);
    return menu;
}

void Form1::contextMenuEvent(QContextMenuEvent *event) {
    // Everything outside the fields, whose own menus come first: the plot area, the frames,
    // the labels, the buttons and the background.
    QMenu *menu = context_menu();
    menu->setAttribute(Qt::WA_DeleteOnClose);
    menu->popup(event->globalPos());
    event->accept();
}

// The table of the converted case: the values the check accepted, the numbers held and the
// resolution they carry (form/results_export.h).
form::ResultsTable Form1::results_table() const {
    return form::results_table(
        {state_.converted_group, accepted_, phasors_, calc::sequence_resolution(phasors_)});
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
    dialog.selectFile(QStringLiteral("results.xlsx"));
    if (dialog.exec() == QDialog::Accepted && !dialog.selectedFiles().isEmpty())
        save_results(dialog.selectedFiles().constFirst());
}

// The diagrams with their captions and scale note: a PNG at twice the window's pixel density
// and an SVG, which documents scale without blurring.
void Form1::copy_diagrams() {
    if (!has_drawing())
        return;
    const toolkit::Figure figure = diagrams_figure();
    const qreal ratio = 2 * devicePixelRatioF();
    const QImage image = toolkit::figure_image(figure, ratio, logicalDpiX());
    QByteArray png;
    QBuffer png_buffer(&png);
    png_buffer.open(QIODevice::WriteOnly);
    image.save(&png_buffer, "PNG");

    auto *data = new QMimeData;
    data->setImageData(image);
    data->setData(QStringLiteral("image/png"), png);
    data->setData(QStringLiteral("image/svg+xml"),
                  toolkit::figure_file(figure, toolkit::FigureFormat::svg, ratio, logicalDpiX()));
    QGuiApplication::clipboard()->setMimeData(data);
}
