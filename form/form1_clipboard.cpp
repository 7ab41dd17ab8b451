#include "form/form1.h"

#include "calc/phasor.h"
#include "calc/unbalance.h"
#include "toolkit/entry_field.h"
#include "toolkit/number_text.h"

#include <QAction>
#include <QBuffer>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QGuiApplication>
#include <QImage>
#include <QMenu>
#include <QMimeData>
#include <QPushButton>

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
    copy_diagrams_action_ = new QAction(QStringLiteral("Copy Diagrams"), this);
    copy_diagrams_action_->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_D));
    connect(copy_diagrams_action_, &QAction::triggered, this, [this] { copy_diagrams(); });
    addAction(copy_results_action_);
    addAction(copy_diagrams_action_);
    set_up_diagram_outputs();
}

// A block of cells fills the group's 3 x 2 grid as a spreadsheet fills its cells: from the
// field it is pasted into, rightwards and downwards, and what lies beyond the group is
// dropped. Each field it reaches gets its cell as one undoable replacement of its text.
void Form1::paste_into(int k, toolkit::EntryField &field, const QString &text) {
    const QList<QStringList> rows = toolkit::pasted_cells(text);
    if (rows.size() == 1 && rows[0].size() == 1) {
        field.insert_pasted(toolkit::cleaned_cell(rows[0][0]));
        return;
    }
    const auto fields = group_fields(k / 6);
    const int first_row = k % 3;        // rows A, B, C or 0, 1, 2
    const int first_column = k % 6 / 3; // magnitudes or real parts, then the other part
    for (qsizetype i = 0; i < rows.size() && first_row + i < 3; ++i) {
        for (qsizetype j = 0; j < rows[i].size() && first_column + j < 2; ++j) {
            auto *entry = static_cast<toolkit::EntryField *>(
                fields[static_cast<std::size_t>(3 * (first_column + j) + first_row + i)]->widget());
            entry->selectAll();
            entry->insert_pasted(toolkit::cleaned_cell(rows[i][j]));
        }
    }
}

void Form1::contextMenuEvent(QContextMenuEvent *event) {
    // Everything outside the fields, whose own menus come first: the plot area, the frames,
    // the labels, the buttons and the background.
    auto *menu = new QMenu(this);
    menu->setAttribute(Qt::WA_DeleteOnClose);
    menu->addAction(copy_results_action_);
    menu->addAction(copy_diagrams_action_);
    menu->addAction(save_diagrams_action_);
    menu->addAction(print_diagrams_action_);
    // The shortcuts stay live; the entries only show that there is nothing to copy yet.
    copy_results_action_->setEnabled(state_.has_results);
    enable_diagram_outputs(has_drawing());
    connect(menu, &QMenu::aboutToHide, this, [this] {
        copy_results_action_->setEnabled(true);
        enable_diagram_outputs(true);
    });
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

} // namespace

// Every number as the program holds it, in the shortest text that reads back to it, so a
// spreadsheet gets the full precision: the singles as singles. Angles are in degrees,
// divided by pi180 as the display divides them.
void Form1::copy_results() {
    if (!state_.has_results)
        return;
    const calc::PhasorState &s = phasors_;
    const auto number = [](auto value) { return toolkit::format_shortest(value); };
    // Phase C's and sequence 2's angles are singles: their quotient is a single too.
    const auto degrees = [&](auto ang) { return number(calc::to_degrees(ang, s.pi180)); };
    QList<QStringList> rows{
        {"Phasor", "Magnitude", "Angle (degrees)", "Real part", "Imaginary part"},
        {"A", number(s.va_mag), degrees(s.va_ang), number(s.va_real), number(s.va_imag)},
        {"B", number(s.vb_mag), degrees(s.vb_ang), number(s.vb_real), number(s.vb_imag)},
        {"C", number(s.vc_mag), degrees(s.vc_ang), number(s.vc_real), number(s.vc_imag)},
        {"0", number(s.v0_mag), degrees(s.v0_ang), number(s.v0_real), number(s.v0_imag)},
        {"1", number(s.v1_mag), degrees(s.v1_ang), number(s.v1_real), number(s.v1_imag)},
        {"2", number(s.v2_mag), degrees(s.v2_ang), number(s.v2_real), number(s.v2_imag)},
    };
    const std::optional<calc::Unbalance> unbalance = calc::unbalance(s);
    const QString no_ratio = QStringLiteral("no ratio");
    rows.append(
        QStringList{"|V2|/|V1| (%)", unbalance ? number(unbalance->negative_percent) : no_ratio});
    rows.append(
        QStringList{"|V0|/|V1| (%)", unbalance ? number(unbalance->zero_percent) : no_ratio});
    if (unbalance && unbalance->turns_acb)
        rows.append(QStringList{"Phase order", "A-C-B"});

    QString text;
    for (const QStringList &row : rows)
        text += row.join(QLatin1Char('\t')) + QLatin1Char('\n');
    auto *data = new QMimeData;
    data->setText(text);
    data->setHtml(html_table(rows));
    QGuiApplication::clipboard()->setMimeData(data);
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
