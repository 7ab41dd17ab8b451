#include "form/form1.h"

#include "calc/phasor.h"
#include "calc/unbalance.h"
#include "toolkit/entry_field.h"
#include "toolkit/number_text.h"
#include "toolkit/save_file.h"

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
