#pragma once

// The results of a converted case as a table, for Copy Results, the results files and the
// diagrams' description: plain data in, texts and bytes out, no window.
//
// No digit the computation cannot vouch for: the set carries one absolute resolution (the
// one calc::sequence_resolution derives for the phase-order verdict), and every magnitude,
// real and imaginary part is written rounded to nearest at its decimal place; an angle at
// the decimal place of the resolution divided by the phasor's magnitude, in degrees. A
// magnitude written as 0 takes the angle the window shows for the zero phasor, so a residue
// the window shows (the start-up V0, 1.45E-08) is written 0 at 90.00. The ratios to |V1|
// follow from the written magnitudes. The entered group's cells are the values its check
// accepted, as typed.
//
// The clipboard's text follows the desktop's decimal separator, for pasting into a
// spreadsheet. The files read the same in every locale: CSV for scripts (comma-separated,
// "." decimals, RFC 4180 quoting, UTF-8, English labels) and an Excel workbook with numbers
// as numeric cells. The clipboard and the workbook have the labels in the desktop's
// language.

#include "calc/phasor_state.h"
#include "toolkit/number_text.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringView>

#include <array>
#include <optional>

namespace form {

// What the table is made of: the group converted (0 ABC polar, 1 ABC rectangular, 2 012
// polar, 3 012 rectangular), the six values its check accepted in field order (the three
// magnitudes or real parts, then the three angles or imaginary parts), the numbers held
// after the conversion and the set's absolute resolution.
struct ResultsCase {
    int entered_group = 0;
    std::array<toolkit::EntryNumber, 6> entered{};
    calc::PhasorState phasors;
    double resolution = 0;
};

// A label, or a number with the text that writes it ("." as its separator) and the decimals
// it was written with (-1: the shortest text of an entered value). A label is in the
// desktop's language; english is what the CSV writes instead, where that differs.
struct ResultCell {
    QString text;
    std::optional<double> number;
    int decimals = -1;
    QString english;
};

struct ResultsTable {
    QList<QList<ResultCell>> rows;
};

// The header row, A, B, C, V0, V1, V2 (magnitude, angle in degrees, real and imaginary
// part), the two ratios to |V1| in percent ("no ratio" where |V1| is written 0) and, for a
// set that turns A-C-B, the phase order.
ResultsTable results_table(const ResultsCase &results);

// One phasor's magnitude and angle as the table writes them, from the held magnitude and
// the angle in degrees as the window divides it; pi180 gives the zero phasor's angle.
struct WrittenPhasor {
    ResultCell magnitude;
    ResultCell angle;
};
WrittenPhasor written_phasor(double magnitude, double degrees, float pi180, double resolution);

// For the clipboard: tab-separated lines, and the same as an HTML table, numbers with the
// given decimal separator.
QString results_text(const ResultsTable &table, QStringView separator);
QString results_html(const ResultsTable &table, QStringView separator);

// For scripts: comma-separated, "." decimals, RFC 4180 quoting and CRLF line ends, UTF-8.
QByteArray results_csv(const ResultsTable &table);

// Writes the table to path as a whole, through a temporary file in its folder: an Excel
// workbook where the name ends in .xlsx, CSV otherwise. Gives an empty text, or a sentence
// for the user that names the file and the reason.
QString save_results(const QString &path, const ResultsTable &table);

} // namespace form
