// The results table of a converted case and the texts and files written from it, without a
// window: no digit below the set's resolution, the clipboard in the desktop's separator, and
// CSV and workbook files that read the same in every locale.

#include "form/results_export.h"

#include "calc/phasor.h"
#include "calc/sequence.h"
#include "calc/single.h"
#include "calc/unbalance.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QXmlStreamReader>

#include <gtest/gtest.h>

#include <charconv>
#include <clocale>
#include <cmath>
#include <complex>
#include <cstdio>
#include <map>
#include <numbers>
#include <ostream>
#include <string>
#include <vector>

namespace {

using Complex = std::complex<double>;

struct Typed {
    const char *name;
    int group; // 0 ABC polar, 1 ABC rectangular, 2 012 polar
    double values[6];
};

// The case as the Convert command reads and converts it.
form::ResultsCase converted(const Typed &typed) {
    form::ResultsCase c;
    calc::PhasorState &s = c.phasors;
    calc::set_angle_constants(s);
    const double *v = typed.values;
    const auto radians = [&](int i) { return v[i] * double(s.pi180); };
    for (std::size_t i = 0; i < 6; ++i)
        c.entered[i] = {v[i], calc::to_single(v[i])};
    c.entered_group = typed.group;
    if (typed.group == 0) {
        s.va_mag = v[0], s.vb_mag = v[1], s.vc_mag = v[2];
        s.va_ang = radians(3), s.vb_ang = radians(4), s.vc_ang = calc::to_single(radians(5));
        calc::abc_to_seq(s);
    } else if (typed.group == 1) {
        s.va_real = v[0], s.vb_real = v[1], s.vc_real = v[2];
        s.va_imag = v[3], s.vb_imag = v[4], s.vc_imag = calc::to_single(v[5]);
        calc::rect_to_polar(s.va_real, s.va_imag, s.va_mag, s.va_ang);
        calc::rect_to_polar(s.vb_real, s.vb_imag, s.vb_mag, s.vb_ang);
        calc::rect_to_polar(s.vc_real, s.vc_imag, s.vc_mag, s.vc_ang);
        calc::abc_to_seq(s);
    } else {
        s.v0_mag = v[0], s.v1_mag = v[1], s.v2_mag = v[2];
        s.v0_ang = radians(3), s.v1_ang = radians(4), s.v2_ang = calc::to_single(radians(5));
        calc::seq_to_abc(s);
    }
    c.resolution = calc::sequence_resolution(s);
    return c;
}

// The six phasors A, B, C, V0, V1, V2 in exact arithmetic, in double.
std::array<Complex, 6> exact(const Typed &typed) {
    const double *v = typed.values;
    const auto deg = [](double d) { return d * std::numbers::pi / 180; };
    const Complex a = std::polar(1.0, deg(120));
    std::array<Complex, 6> p{};
    for (int i = 0; i < 3; ++i) {
        p[i + (typed.group == 2 ? 3 : 0)] =
            typed.group == 1 ? Complex(v[i], v[i + 3]) : std::polar(v[i], deg(v[i + 3]));
    }
    if (typed.group == 2) {
        p[0] = p[3] + p[4] + p[5];
        p[1] = p[3] + a * a * p[4] + a * p[5];
        p[2] = p[3] + a * p[4] + a * a * p[5];
    } else {
        p[3] = (p[0] + p[1] + p[2]) / 3.0;
        p[4] = (p[0] + a * p[1] + a * a * p[2]) / 3.0;
        p[5] = (p[0] + a * a * p[1] + a * p[2]) / 3.0;
    }
    return p;
}

// Digits after the point of a written number.
int decimals_of(const QString &text) {
    const qsizetype point = text.indexOf(u'.');
    return point < 0 ? 0 : int(text.size() - point - 1);
}

const Typed cases[] = {
    {"feeder_abc_polar", 0, {6350.9, 6290, 6402.5, 0, -121.3, 119.2}},
    {"unbalanced_acb", 0, {2, 3, 1, -30, 114.63, 120.5}},
    {"bc_fault_rectangular", 1, {0, -0.5, 0.5, 0, -4.33, 4.33}},
    {"sequence_polar", 2, {0.1, 1, 0.2, 10, 0, -40}},
    {"start_up", 0, {1, 1, 1, 0, -120, 120}},
};

void PrintTo(const Typed &typed, std::ostream *out) {
    *out << typed.name;
}

class ResultsTable : public testing::TestWithParam<Typed> {};

// Case: a set typed into one group and converted. Expected: the entered cells as typed;
// every other magnitude, real and imaginary part with the decimals of the resolution's
// place and within the resolution of the exact value; each angle with the decimals of the
// resolution over the magnitude, within that of the exact angle, or the zero phasor's 90.00
// where the magnitude is written 0; the ratios from the written magnitudes.
TEST_P(ResultsTable, writes_no_digit_below_the_resolution) {
    const Typed &typed = GetParam();
    const form::ResultsCase c = converted(typed);
    const form::ResultsTable table = form::results_table(c);
    const std::array<Complex, 6> want = exact(typed);
    ASSERT_GT(c.resolution, 0);
    const int place = toolkit::decimal_place(c.resolution);
    const double unit = std::pow(10.0, place);
    ASSERT_GE(table.rows.size(), 9);
    for (int r = 0; r < 6; ++r) {
        const QList<form::ResultCell> &cells = table.rows[r + 1];
        SCOPED_TRACE(cells[0].text.toStdString());
        ASSERT_EQ(cells.size(), 5);
        const bool entered_row = r / 3 == typed.group / 2;
        for (int col = 0; col < 4; ++col) {
            const form::ResultCell &cell = cells[col + 1];
            ASSERT_TRUE(cell.number) << col;
            if (entered_row && col / 2 == typed.group % 2) {
                // imag_c and imag_2 are held as singles.
                const double value = typed.values[3 * (col % 2) + r % 3];
                const bool single = col == 3 && r % 3 == 2;
                EXPECT_EQ(*cell.number, single ? double(float(value)) : value);
                EXPECT_EQ(cell.text, single ? toolkit::format_shortest(float(value), u".")
                                            : toolkit::format_shortest(value, u"."));
                continue;
            }
            EXPECT_EQ(toolkit::parse_number(cell.text, u".")->value, *cell.number);
            const Complex z = want[std::size_t(r)];
            if (col == 1) {
                if (*cells[1].number == 0) {
                    EXPECT_EQ(cell.text, "90.00");
                    continue;
                }
                const double angular = c.resolution / std::abs(z) * 180 / std::numbers::pi;
                const int angle_place = toolkit::decimal_place(angular);
                EXPECT_EQ(decimals_of(cell.text), std::max(0, -angle_place))
                    << cell.text.toStdString();
                const double off =
                    std::remainder(*cell.number - std::arg(z) * 180 / std::numbers::pi, 360);
                EXPECT_LE(std::abs(off), angular + std::pow(10.0, angle_place) / 2)
                    << cell.text.toStdString();
                continue;
            }
            const double exact_value = col == 0 ? std::abs(z) : col == 2 ? z.real() : z.imag();
            EXPECT_EQ(decimals_of(cell.text), std::max(0, -place)) << cell.text.toStdString();
            EXPECT_LE(std::abs(*cell.number - exact_value), c.resolution + unit / 2)
                << cell.text.toStdString() << " for " << exact_value;
        }
    }
    const double v1 = std::abs(*table.rows[5][1].number);
    ASSERT_GT(v1, 0);
    const std::pair<int, int> ratios[] = {{7, 6}, {8, 4}}; // row, the numerator's row
    for (const auto &[row, of] : ratios) {
        const form::ResultCell &ratio = table.rows[row][1];
        ASSERT_TRUE(ratio.number) << ratio.text.toStdString();
        const double from_written = 100 * std::abs(*table.rows[of][1].number) / v1;
        EXPECT_LE(std::abs(*ratio.number - from_written),
                  std::pow(10.0, -ratio.decimals) / 2 * (1 + 1e-12))
            << ratio.text.toStdString();
    }
}

INSTANTIATE_TEST_SUITE_P(Form, ResultsTable, testing::ValuesIn(cases),
                         [](const auto &info) { return std::string(info.param.name); });

using Texts = std::vector<std::string>;

Texts texts(const QList<form::ResultCell> &cells) {
    Texts out;
    for (const form::ResultCell &cell : cells)
        out.push_back(cell.text.toStdString());
    return out;
}

// Golden rows where the noise the window shows must not reach the table. Case: the window's
// start-up set, and the B-C fault typed as ABC rectangular. Expected: the start-up V0 and
// V2 (1.45E-08 and the like in the window) and the fault's V0 and phase A are written 0 at
// 90.00; no phase order is claimed where it cannot be told.
TEST(ResultsTableGolden, residues_are_written_zero_at_the_zero_phasor_angle) {
    const form::ResultsTable start_up = form::results_table(converted(cases[4]));
    ASSERT_EQ(start_up.rows.size(), 9);
    // Phases of 1 resolve to 8.2E-07; V1's angle to 8.2E-07 radians, 4.7E-05 degrees.
    EXPECT_EQ(texts(start_up.rows[4]),
              (Texts{"V0", "0.0000000", "90.00", "0.0000000", "0.0000000"}));
    EXPECT_EQ(texts(start_up.rows[5]),
              (Texts{"V1", "1.0000000", "0.00000", "1.0000000", "0.0000000"}));
    EXPECT_EQ(texts(start_up.rows[6]),
              (Texts{"V2", "0.0000000", "90.00", "0.0000000", "0.0000000"}));
    EXPECT_EQ(texts(start_up.rows[7]), (Texts{"|V2|/|V1| (%)", "0.00000"}));

    const form::ResultsTable fault = form::results_table(converted(cases[2]));
    ASSERT_EQ(fault.rows.size(), 9);
    // |B| is 4.35877276..., at -96.5869670... degrees.
    EXPECT_EQ(texts(fault.rows[1]), (Texts{"A", "0.000000", "90.00", "0", "0"}));
    EXPECT_EQ(texts(fault.rows[2]), (Texts{"B", "4.358773", "-96.58697", "-0.5", "-4.33"}));
    EXPECT_EQ(texts(fault.rows[4]), (Texts{"V0", "0.000000", "90.00", "0.000000", "0.000000"}));
}

// Case: a table whose labels hold a comma, a quote and a line break. Expected: RFC 4180
// fields, CRLF line ends, UTF-8, and numbers with "." whatever the desktop's separator.
TEST(ResultsFiles, csv_is_one_convention_in_every_locale) {
    form::ResultsTable table;
    table.rows = {{{"Phasor", {}, -1}, {QString::fromUtf8("a,b \"c\"\u00b0"), {}, -1}},
                  {{"V1", {}, -1}, {"6350.900", 6350.9, 3}, {"line\nbreak", {}, -1}}};
    EXPECT_EQ(form::results_csv(table),
              QByteArray("Phasor,\"a,b \"\"c\"\"\xc2\xb0\"\r\nV1,6350.900,\"line\nbreak\"\r\n"));
    EXPECT_EQ(form::results_text(table, u","),
              QString::fromUtf8("Phasor\ta,b \"c\"\u00b0\nV1\t6350,900\tline\nbreak\n"));
    EXPECT_TRUE(form::results_html(table, u",").contains("<td>6350,900</td>"));
    EXPECT_TRUE(form::results_html(table, u",").contains("<th>a,b &quot;c&quot;"));
}

// A file's member, read with unzip.
QByteArray unzipped(const QString &file, const QString &member) {
    QProcess unzip;
    unzip.start(QStringLiteral("unzip"), {QStringLiteral("-p"), file, member});
    if (!unzip.waitForFinished(30000) || unzip.exitCode() != 0)
        return {};
    return unzip.readAllStandardOutput();
}

// The cells of the first sheet by reference ("B2"): shared strings as their text, numbers as
// the text of their <v>.
std::map<QString, QString> sheet_cells(const QString &file) {
    QStringList strings;
    QXmlStreamReader shared(unzipped(file, QStringLiteral("xl/sharedStrings.xml")));
    while (shared.readNextStartElement() || !shared.atEnd()) {
        if (shared.isStartElement() && shared.name() == QLatin1String("t"))
            strings << shared.readElementText();
        else
            shared.readNext();
    }
    std::map<QString, QString> cells;
    QXmlStreamReader sheet(unzipped(file, QStringLiteral("xl/worksheets/sheet1.xml")));
    QString reference;
    bool is_string = false;
    while (!sheet.atEnd()) {
        sheet.readNext();
        if (!sheet.isStartElement())
            continue;
        if (sheet.name() == QLatin1String("c")) {
            reference = sheet.attributes().value(QLatin1String("r")).toString();
            is_string = sheet.attributes().value(QLatin1String("t")) == QLatin1String("s");
        } else if (sheet.name() == QLatin1String("v")) {
            const QString v = sheet.readElementText();
            cells[reference] = is_string ? strings.value(v.toInt()) : v;
        }
    }
    return cells;
}

// Case: the feeder's table saved as a workbook over an older file, under the test's locale:
// C, and German, whose C library writes decimal commas. Expected: numbers as numeric cells
// that read back to the table's values with a "." (libxlsxwriter writes 16 digits: 72.704
// is <v>72.70399999999999</v>), labels as shared strings, no scratch file left beside it.
void check_workbook() {
    if (QStandardPaths::findExecutable(QStringLiteral("unzip")).isEmpty())
        GTEST_SKIP() << "unzip is not installed";
    const form::ResultsTable table = form::results_table(converted(cases[0]));
    const QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("results.xlsx"));
    {
        QFile old(path);
        ASSERT_TRUE(old.open(QIODevice::WriteOnly));
        old.write("an older file");
    }
    ASSERT_EQ(form::save_results(path, table), QString());
    EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files | QDir::Hidden),
              QStringList{"results.xlsx"});

    const std::map<QString, QString> cells = sheet_cells(path);
    ASSERT_FALSE(cells.empty());
    for (qsizetype r = 0; r < table.rows.size(); ++r) {
        for (qsizetype col = 0; col < table.rows[r].size(); ++col) {
            const form::ResultCell &cell = table.rows[r][col];
            const QString reference = QChar(char16_t(u'A' + col)) + QString::number(r + 1);
            SCOPED_TRACE(reference.toStdString());
            ASSERT_EQ(cells.count(reference), 1U);
            const std::string v = cells.at(reference).toStdString();
            if (!cell.number) {
                EXPECT_EQ(cells.at(reference), cell.text);
                continue;
            }
            double read = 0;
            const auto [end, error] = std::from_chars(v.data(), v.data() + v.size(), read);
            EXPECT_TRUE(error == std::errc() && end == v.data() + v.size()) << v;
            EXPECT_LE(std::abs(read - *cell.number), 1e-15 * std::abs(*cell.number)) << v;
        }
    }
    const QByteArray styles = unzipped(path, QStringLiteral("xl/styles.xml"));
    EXPECT_TRUE(styles.contains("formatCode=\"0.000\"")) << styles.constData();
}

TEST(ResultsWorkbook, numbers_are_numeric_cells) {
    check_workbook();
}

// The German copy: the C library of the process writes decimal commas, as a desktop's does.
TEST(ResultsGerman, workbook_numbers_are_numeric_cells) {
    std::array<char, 16> probe{};
    std::snprintf(probe.data(), probe.size(), "%.1f", 0.5);
    if (std::string(probe.data()) != "0,5")
        GTEST_SKIP() << "the C library does not write German numbers here";
    check_workbook();
}

// Case: the same table saved under names of each kind and into a missing folder.
// Expected: .xlsx in any case gives a workbook (a zip), anything else the CSV; a failure
// names the file and leaves nothing.
TEST(ResultsFiles, the_extension_picks_the_format) {
    const form::ResultsTable table = form::results_table(converted(cases[0]));
    const QTemporaryDir folder;
    const auto saved = [&](const char *name) {
        const QString path = folder.filePath(QString::fromLatin1(name));
        EXPECT_EQ(form::save_results(path, table), QString()) << name;
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    };
    EXPECT_TRUE(saved("a.xlsx").startsWith("PK\x03\x04"));
    EXPECT_TRUE(saved("b.XLSX").startsWith("PK\x03\x04"));
    EXPECT_EQ(saved("c.csv"), form::results_csv(table));
    EXPECT_EQ(saved("d.txt"), form::results_csv(table));
    EXPECT_EQ(saved("e"), form::results_csv(table));
    for (const char *name : {"missing/r.xlsx", "missing/r.csv"}) {
        const QString path = folder.filePath(QString::fromLatin1(name));
        EXPECT_TRUE(form::save_results(path, table).startsWith("Could not write " + path)) << name;
        EXPECT_FALSE(QFile::exists(path));
    }
}

} // namespace
