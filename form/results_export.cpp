#include "form/results_export.h"

#include "calc/phasor.h"
#include "calc/unbalance.h"
#include "toolkit/save_file.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryFile>

#include <xlsxwriter.h>

#include <algorithm>
#include <cmath>
#include <locale.h>
#include <map>
#include <numbers>

namespace form {

namespace {

constexpr QStringView point = u".";

// A name that reads the same in every language: A, B, C, V0, V1, V2.
ResultCell name_cell(const char *name) {
    return {QString::fromLatin1(name), std::nullopt, -1, {}};
}

// The table's labels, in the desktop's language and in English for the CSV.
ResultCell label(const char *text) {
    return {QCoreApplication::translate("ResultsTable", text), std::nullopt, -1,
            QString::fromUtf8(text)};
}

// A decimal place for a resolution; a set of zero phasors has no resolution and no digits
// beyond the units.
int place_of(double resolution) {
    return resolution > 0 && std::isfinite(resolution) ? toolkit::decimal_place(resolution) : 0;
}

ResultCell at_place(double value, int place) {
    const QString text = toolkit::format_at_place(value, place, point);
    if (text.isEmpty())
        return {};
    return {text, toolkit::parse_number(text, point)->value, std::max(0, -place), {}};
}

// The number is the one the text denotes: a single read as typed (4.33F) is 4.33 in a
// spreadsheet, not 4.32999992370605.
template <calc::PhasorPart Real> ResultCell as_entered(Real value) {
    const QString text = toolkit::format_shortest(value, point);
    if (text.isEmpty())
        return {};
    return {text, toolkit::parse_number(text, point)->value, -1, {}};
}

// The angle the window shows for the zero phasor: rect_to_polar puts it on the imaginary
// axis, and the window writes it in the format "0.00".
ResultCell zero_phasor_angle(float pi180) {
    double magnitude = 0;
    double angle = 0;
    calc::rect_to_polar(0.0, 0.0, magnitude, angle);
    return at_place(calc::to_degrees(angle, pi180), -2);
}

// A ratio of two written magnitudes, each good to the resolution, in percent.
ResultCell percent(double numerator, double denominator, double resolution) {
    const double uncertainty =
        100 * resolution * (denominator + numerator) / (denominator * denominator);
    return at_place(100 * numerator / denominator, place_of(uncertainty));
}

} // namespace

WrittenPhasor written_phasor(double magnitude, double degrees, float pi180, double resolution) {
    WrittenPhasor written{at_place(magnitude, place_of(resolution)), {}};
    if (written.magnitude.number == 0.0) {
        written.angle = zero_phasor_angle(pi180);
    } else {
        const double angular = resolution / std::abs(magnitude) * 180 / std::numbers::pi;
        written.angle = at_place(degrees, place_of(angular));
    }
    return written;
}

ResultsTable results_table(const ResultsCase &results) {
    const calc::PhasorState &s = results.phasors;
    const int place = place_of(results.resolution);
    const int entered = results.entered_group;
    // Row r (A, B, C, V0, V1, V2) and column c (magnitude, angle, real, imaginary part).
    const auto is_entered = [&](int r, int c) {
        return r / 3 == entered / 2 && c / 2 == entered % 2;
    };
    const auto typed = [&](int r, int c) {
        const toolkit::EntryNumber &number =
            results.entered[static_cast<std::size_t>(3 * (c % 2) + r % 3)];
        // imag_c and imag_2 are read straight to single: that single is the value.
        return c == 3 && r % 3 == 2 ? as_entered(number.single) : as_entered(number.value);
    };
    const auto row = [&](int r, const char *name, double mag, auto ang, double re, auto im) {
        const WrittenPhasor polar =
            written_phasor(mag, calc::to_degrees(ang, s.pi180), s.pi180, results.resolution);
        QList<ResultCell> cells{name_cell(name), polar.magnitude, polar.angle, at_place(re, place),
                                at_place(im, place)};
        for (int c = 0; c < 4; ++c) {
            if (is_entered(r, c))
                cells[c + 1] = typed(r, c);
        }
        return cells;
    };
    ResultsTable table;
    table.rows = {
        {label(QT_TRANSLATE_NOOP("ResultsTable", "Phasor")),
         label(QT_TRANSLATE_NOOP("ResultsTable", "Magnitude")),
         label(QT_TRANSLATE_NOOP("ResultsTable", "Angle (degrees)")),
         label(QT_TRANSLATE_NOOP("ResultsTable", "Real part")),
         label(QT_TRANSLATE_NOOP("ResultsTable", "Imaginary part"))},
        row(0, "A", s.va_mag, s.va_ang, s.va_real, s.va_imag),
        row(1, "B", s.vb_mag, s.vb_ang, s.vb_real, s.vb_imag),
        row(2, "C", s.vc_mag, s.vc_ang, s.vc_real, s.vc_imag),
        // Labels that a spreadsheet keeps as text, where 0, 1 and 2 would become numbers.
        row(3, "V0", s.v0_mag, s.v0_ang, s.v0_real, s.v0_imag),
        row(4, "V1", s.v1_mag, s.v1_ang, s.v1_real, s.v1_imag),
        row(5, "V2", s.v2_mag, s.v2_ang, s.v2_real, s.v2_imag),
    };
    // The ratios of the magnitudes as written; a magnitude entered negative counts by its
    // length.
    const auto written = [&](int r) { return std::abs(table.rows[r + 1][1].number.value_or(0)); };
    const double v0 = written(3);
    const double v1 = written(4);
    const double v2 = written(5);
    const bool ratios = v1 > 0 && std::isfinite(v1);
    const ResultCell no_ratio = label(QT_TRANSLATE_NOOP("ResultsTable", "no ratio"));
    table.rows.append({label(QT_TRANSLATE_NOOP("ResultsTable", "|V2|/|V1| (%)")),
                       ratios ? percent(v2, v1, results.resolution) : no_ratio});
    table.rows.append({label(QT_TRANSLATE_NOOP("ResultsTable", "|V0|/|V1| (%)")),
                       ratios ? percent(v0, v1, results.resolution) : no_ratio});
    const std::optional<calc::Unbalance> unbalance = calc::unbalance(s);
    if (unbalance && unbalance->turns_acb)
        table.rows.append({label(QT_TRANSLATE_NOOP("ResultsTable", "Phase order")),
                           ResultCell{QStringLiteral("A-C-B"), std::nullopt, -1, {}}});
    return table;
}

namespace {

QString cell_text(const ResultCell &cell, QStringView separator) {
    if (!cell.number)
        return cell.text;
    QString text = cell.text;
    return text.replace(QLatin1Char('.'), separator.toString());
}

} // namespace

QString results_text(const ResultsTable &table, QStringView separator) {
    QString text;
    for (const QList<ResultCell> &row : table.rows) {
        QStringList cells;
        for (const ResultCell &cell : row)
            cells << cell_text(cell, separator);
        text += cells.join(QLatin1Char('\t')) + QLatin1Char('\n');
    }
    return text;
}

QString results_html(const ResultsTable &table, QStringView separator) {
    QString html = QStringLiteral("<table>\n");
    for (qsizetype i = 0; i < table.rows.size(); ++i) {
        const QLatin1String tag = i == 0 ? QLatin1String("th") : QLatin1String("td");
        html += QLatin1String("<tr>");
        for (const ResultCell &cell : table.rows[i])
            html +=
                QStringLiteral("<%1>%2</%1>").arg(tag, cell_text(cell, separator).toHtmlEscaped());
        html += QLatin1String("</tr>\n");
    }
    return html + QLatin1String("</table>\n");
}

QByteArray results_csv(const ResultsTable &table) {
    QString text;
    for (const QList<ResultCell> &row : table.rows) {
        QStringList cells;
        for (const ResultCell &cell : row) {
            QString field = cell.english.isEmpty() ? cell.text : cell.english;
            if (field.contains(u',') || field.contains(u'"') || field.contains(u'\n') ||
                field.contains(u'\r'))
                field = QLatin1Char('"') + field.replace(u'"', QLatin1String("\"\"")) +
                        QLatin1Char('"');
            cells << field;
        }
        text += cells.join(QLatin1Char(',')) + QLatin1String("\r\n");
    }
    return text.toUtf8();
}

namespace {

// libxlsxwriter writes numbers through the C library's printf, which follows LC_NUMERIC, and
// QCoreApplication sets that from the environment: under German settings a cell would read
// <v>6350,9</v>, which spreadsheets take for 6350. While a guard lives, the calling thread
// writes numbers in the "C" way; its other settings stay.
class CNumbers {
public:
    CNumbers() {
        const locale_t current = duplocale(uselocale(nullptr));
        if (current == nullptr)
            return;
        numbers_ = newlocale(LC_NUMERIC_MASK, "C", current);
        if (numbers_ == nullptr) {
            freelocale(current);
            return;
        }
        previous_ = uselocale(numbers_);
    }
    ~CNumbers() {
        if (numbers_ == nullptr)
            return;
        uselocale(previous_);
        freelocale(numbers_);
    }
    CNumbers(const CNumbers &) = delete;
    CNumbers &operator=(const CNumbers &) = delete;

    bool holds() const { return numbers_ != nullptr; }

private:
    locale_t numbers_ = nullptr;
    locale_t previous_ = nullptr;
};

// Numbers show the decimals they were written with; entered values in the general format.
QString write_workbook(const QByteArray &file, const ResultsTable &table) {
    const CNumbers numbers;
    if (!numbers.holds())
        return QCoreApplication::translate("ResultsTable", "the number settings could not be set");
    lxw_workbook *workbook = workbook_new(file.constData());
    if (workbook == nullptr)
        return QCoreApplication::translate("ResultsTable", "the workbook could not be started");
    lxw_worksheet *sheet = workbook_add_worksheet(workbook, "Results");
    lxw_format *bold = workbook_add_format(workbook);
    format_set_bold(bold);
    std::map<int, lxw_format *> fixed;
    const auto format_of = [&](int decimals) -> lxw_format * {
        if (decimals < 0)
            return nullptr;
        auto [it, added] = fixed.try_emplace(decimals, nullptr);
        if (added) {
            it->second = workbook_add_format(workbook);
            const QByteArray pattern =
                decimals == 0 ? QByteArray("0") : "0." + QByteArray(decimals, '0');
            format_set_num_format(it->second, pattern.constData());
        }
        return it->second;
    };
    lxw_error error = LXW_NO_ERROR;
    const auto keep = [&](lxw_error result) {
        if (error == LXW_NO_ERROR)
            error = result;
    };
    keep(worksheet_set_column(sheet, 0, 0, 16, nullptr));
    keep(worksheet_set_column(sheet, 1, 4, 18, nullptr));
    for (qsizetype r = 0; r < table.rows.size(); ++r) {
        const auto row = static_cast<lxw_row_t>(r);
        for (qsizetype c = 0; c < table.rows[r].size(); ++c) {
            const ResultCell &cell = table.rows[r][c];
            const auto column = static_cast<lxw_col_t>(c);
            if (cell.number)
                keep(worksheet_write_number(sheet, row, column, *cell.number,
                                            format_of(cell.decimals)));
            else if (!cell.text.isEmpty())
                keep(worksheet_write_string(sheet, row, column, cell.text.toUtf8().constData(),
                                            r == 0 ? bold : nullptr));
        }
    }
    keep(workbook_close(workbook));
    return error == LXW_NO_ERROR ? QString() : QString::fromUtf8(lxw_strerror(error));
}

QString could_not_write(const QString &path, const QString &reason) {
    return QCoreApplication::translate("SaveFile", "Could not write %1: %2")
        .arg(QDir::toNativeSeparators(path), reason);
}

} // namespace

QString save_results(const QString &path, const ResultsTable &table) {
    if (QFileInfo(path).suffix().compare(QLatin1String("xlsx"), Qt::CaseInsensitive) != 0)
        return toolkit::save_file(path, results_csv(table));
    // libxlsxwriter writes straight to the name it is given: it writes a scratch file, whose
    // bytes then replace the chosen file as one whole.
    QTemporaryFile scratch(QDir::tempPath() + QStringLiteral("/trivane-results-XXXXXX.xlsx"));
    if (!scratch.open())
        return could_not_write(path, scratch.errorString());
    scratch.close();
    const QString failure = write_workbook(QFile::encodeName(scratch.fileName()), table);
    if (!failure.isEmpty())
        return could_not_write(path, failure);
    if (!scratch.open())
        return could_not_write(path, scratch.errorString());
    return toolkit::save_file(path, scratch.readAll());
}

} // namespace form
