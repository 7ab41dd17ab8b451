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

#include <array>
#include <charconv>
#include <clocale>
#include <cmath>
#include <cstdio>
#include <map>
#include <ostream>
#include <string>

namespace {

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

struct Golden {
    Typed typed;
    const char *csv;
};

void PrintTo(const Golden &golden, std::ostream *out) {
    *out << golden.typed.name;
}

// Each computed cell lies within the set's resolution of the exact value (checked in
// exact arithmetic), and none has a decimal beyond the resolution's place.
const Golden goldens[] = {
    // Phases of about 6400 resolve to 0.0052: three decimals, angles of V2 (18.3) two.
    {{"feeder_abc_polar", 0, {6350.9, 6290, 6402.5, 0, -121.3, 119.2}},
     "Phasor,Magnitude,Angle (degrees),Real part,Imaginary part\r\n"
     "A,6350.9,0,6350.900,0.000\r\nB,6290,-121.3,-3267.775,-5374.546\r\n"
     "C,6402.5,119.2,-3123.521,5588.884\r\nV0,72.704,100.673,-13.465,71.446\r\n"
     "V1,6347.524,-0.69835,6347.052,-77.365\r\nV2,18.297,18.88,17.313,5.920\r\n"
     "|V2|/|V1| (%),0.28825\r\n|V0|/|V1| (%),1.14539\r\n"},
    // The window shows residues for V0 and V2 (1.45E-08): written 0 at the zero phasor's
    // angle. The resolution is 8.2E-07, so C's real part may be written -0.5000001.
    {{"start_up", 0, {1, 1, 1, 0, -120, 120}},
     "Phasor,Magnitude,Angle (degrees),Real part,Imaginary part\r\n"
     "A,1,0,1.0000000,0.0000000\r\nB,1,-120,-0.5000000,-0.8660254\r\n"
     "C,1,120,-0.5000001,0.8660254\r\nV0,0.0000000,90.00,0.0000000,0.0000000\r\n"
     "V1,1.0000000,0.00000,1.0000000,0.0000000\r\nV2,0.0000000,90.00,0.0000000,0.0000000\r\n"
     "|V2|/|V1| (%),0.00000\r\n|V0|/|V1| (%),0.00000\r\n"},
    // A B-C fault: phase A and V0 are exactly 0; imag_c is held as a single; |V2| and |V1|
    // are equal within the resolution, so no phase order is claimed.
    {{"bc_fault_rectangular", 1, {0, -0.5, 0.5, 0, -4.33, 4.33}},
     "Phasor,Magnitude,Angle (degrees),Real part,Imaginary part\r\n"
     "A,0.000000,90.00,0,0\r\nB,4.358773,-96.58697,-0.5,-4.33\r\n"
     "C,4.358773,83.41303,0.5,4.33\r\nV0,0.000000,90.00,0.000000,0.000000\r\n"
     "V1,2.516539,-6.58697,2.499927,-0.288675\r\nV2,2.516539,173.41302,-2.499927,0.288675\r\n"
     "|V2|/|V1| (%),100.0000\r\n|V0|/|V1| (%),0.00000\r\n"},
    {{"sequence_polar", 2, {0.1, 1, 0.2, 10, 0, -40}},
     "Phasor,Magnitude,Angle (degrees),Real part,Imaginary part\r\n"
     "A,1.2566188,-5.07649,1.2516897,-0.1111927\r\nB,0.7478277,-119.37170,-0.3667896,-0.6516990\r\n"
     "C,1.0058145,125.87722,-0.5894577,0.8149862\r\nV0,0.1,10,0.0984808,0.0173648\r\n"
     "V1,1,0,1.0000000,0.0000000\r\nV2,0.2,-40,0.1532089,-0.1285575\r\n"
     "|V2|/|V1| (%),20.00000\r\n|V0|/|V1| (%),10.00000\r\n"},
};

class ResultsTable : public testing::TestWithParam<Golden> {};

// Case: a set typed into one group and converted. Expected: the entered cells as typed;
// every other magnitude, real and imaginary part at the decimal place of the set's
// resolution, each angle at that of the resolution over the magnitude, a magnitude written
// 0 at 90.00; the ratios from the written magnitudes; the CSV in "." and commas.
TEST_P(ResultsTable, writes_no_digit_below_the_resolution) {
    const Golden &golden = GetParam();
    const form::ResultsTable table = form::results_table(converted(golden.typed));
    EXPECT_EQ(form::results_csv(table), QByteArray(golden.csv));
    for (const QList<form::ResultCell> &row : table.rows) {
        for (const form::ResultCell &cell : row) {
            if (cell.number) {
                EXPECT_EQ(toolkit::parse_number(cell.text, u".")->value, *cell.number);
            }
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Form, ResultsTable, testing::ValuesIn(goldens),
                         [](const auto &info) { return std::string(info.param.typed.name); });

// Case: a table whose labels hold a comma, a quote and a line break. Expected: RFC 4180
// fields, CRLF line ends, UTF-8, and numbers with "." whatever the desktop's separator.
TEST(ResultsFiles, csv_is_one_convention_in_every_locale) {
    form::ResultsTable table;
    table.rows = {{{"Phasor", {}, -1, {}}, {QString::fromUtf8("a,b \"c\"\u00b0"), {}, -1, {}}},
                  {{"V1", {}, -1, {}}, {"6350.900", 6350.9, 3, {}}, {"line\nbreak", {}, -1, {}}}};
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

// The cells of the first sheet by reference ("B2"): the text of a number's <v>, or "text"
// for a shared string.
std::map<QString, QString> sheet_cells(const QString &file) {
    std::map<QString, QString> cells;
    QXmlStreamReader sheet(unzipped(file, QStringLiteral("xl/worksheets/sheet1.xml")));
    QString reference;
    bool text = false;
    while (sheet.readNext() != QXmlStreamReader::Invalid && !sheet.atEnd()) {
        if (sheet.isStartElement() && sheet.name() == QLatin1String("c")) {
            reference = sheet.attributes().value(QLatin1String("r")).toString();
            text = sheet.attributes().value(QLatin1String("t")) == QLatin1String("s");
        } else if (sheet.isStartElement() && sheet.name() == QLatin1String("v")) {
            const QString v = sheet.readElementText();
            cells[reference] = text ? QStringLiteral("text") : v;
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
    const form::ResultsTable table = form::results_table(converted(goldens[0].typed));
    const QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("results.xlsx"));
    QFile old(path);
    ASSERT_TRUE(old.open(QIODevice::WriteOnly) && old.write("an older file") > 0);
    old.close();
    ASSERT_EQ(form::save_results(path, table), QString());
    EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files | QDir::Hidden),
              QStringList{"results.xlsx"});

    const std::map<QString, QString> cells = sheet_cells(path);
    const QByteArray strings = unzipped(path, QStringLiteral("xl/sharedStrings.xml"));
    for (qsizetype r = 0; r < table.rows.size(); ++r) {
        for (qsizetype col = 0; col < table.rows[r].size(); ++col) {
            const form::ResultCell &cell = table.rows[r][col];
            const QString reference = QChar(char16_t(u'A' + col)) + QString::number(r + 1);
            SCOPED_TRACE(reference.toStdString());
            ASSERT_EQ(cells.count(reference), 1U);
            if (!cell.number) {
                EXPECT_EQ(cells.at(reference), "text");
                EXPECT_TRUE(strings.contains(">" + cell.text.toHtmlEscaped().toUtf8() + "<"));
                continue;
            }
            const std::string v = cells.at(reference).toStdString();
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
    const form::ResultsTable table = form::results_table(converted(goldens[0].typed));
    const QTemporaryDir folder;
    for (const char *name : {"a.xlsx", "b.XLSX", "c.csv", "d.txt", "missing/r.xlsx"}) {
        const QString path = folder.filePath(QString::fromLatin1(name));
        const QString problem = form::save_results(path, table);
        QFile file(path);
        const QByteArray bytes = file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
        if (path.contains("missing"))
            EXPECT_TRUE(problem.startsWith("Could not write " + path) && bytes.isEmpty());
        else if (path.endsWith("xlsx", Qt::CaseInsensitive))
            EXPECT_TRUE(problem.isEmpty() && bytes.startsWith("PK\x03\x04")) << name;
        else
            EXPECT_EQ(bytes, form::results_csv(table)) << name;
    }
}

} // namespace
