// trivane-replay end to end: scripts on standard input, JSON answers on standard output,
// problems on standard error with the exit status.

#include <QByteArray>
#include <QFile>
#include <QImage>
#include <QImageReader>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <ostream>

namespace {

struct Session {
    int status = -1;
    QList<QByteArray> lines; // standard output, one answer a line
    QString errors;          // standard error
};

Session replay(const QByteArray &script) {
    QProcess process;
    process.start(QStringLiteral(TRIVANE_REPLAY), QStringList{});
    EXPECT_TRUE(process.waitForStarted(10000));
    process.write(script);
    process.closeWriteChannel();
    EXPECT_TRUE(process.waitForFinished(30000));
    Session run;
    run.status = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    run.lines = process.readAllStandardOutput().split('\n');
    if (!run.lines.isEmpty() && run.lines.back().isEmpty())
        run.lines.removeLast();
    // Qt's note about a missing runtime folder is no answer of the driver's.
    run.errors = QString::fromUtf8(process.readAllStandardError())
                     .remove(QRegularExpression(QStringLiteral("^QStandardPaths: [^\n]*\n"),
                                                QRegularExpression::MultilineOption));
    return run;
}

QJsonObject json_object(const QByteArray &line) {
    QJsonParseError error{};
    const QJsonDocument doc = QJsonDocument::fromJson(line, &error);
    EXPECT_EQ(error.error, QJsonParseError::NoError) << line.toStdString();
    return doc.object();
}

QString text_of(const QJsonObject &dump, const char *field) {
    return dump[QStringLiteral("fields")][QLatin1String(field)][QStringLiteral("text")].toString();
}

bool error_of(const QJsonObject &dump, const char *field) {
    return dump[QStringLiteral("fields")][QLatin1String(field)][QStringLiteral("error")].toBool();
}

// Script: dump, Tab, dump.
// Expected: the start-up window as defined: default texts, no marks, ten disabled memory
// buttons, the plot labels placed but hidden, focus in mag_b and then mag_a.
TEST(Replay, start_up_dump_shows_the_defined_window) {
    const Session run = replay("dump\nkey Tab\ndump\n");
    ASSERT_EQ(run.status, 0) << run.errors.toStdString();
    ASSERT_EQ(run.lines.size(), 2);
    const QJsonObject dump = json_object(run.lines[0]);
    const QJsonObject fields = dump[QStringLiteral("fields")].toObject();
    EXPECT_EQ(fields.size(), 24);
    const std::pair<const char *, const char *> defaults[] = {
        {"mag_a", "1.0"}, {"ang_b", "-120.0"}, {"ang_c", "120.0"}, {"imag_c", "1.0"},
        {"ang_2", "0.0"}, {"real_1", "1.0"},   {"imag_0", "0.0"}};
    for (const auto &[field, text] : defaults)
        EXPECT_EQ(text_of(dump, field), QLatin1String(text)) << field;
    for (const QString &name : fields.keys())
        EXPECT_FALSE(error_of(dump, name.toLatin1().constData())) << name.toStdString();
    const QJsonArray options = dump[QStringLiteral("options")].toArray();
    ASSERT_EQ(options.size(), 10);
    for (qsizetype i = 0; i < options.size(); ++i) {
        const QJsonObject o = options[i].toObject();
        EXPECT_EQ(o[QStringLiteral("slot")].toInt(), i + 1);
        EXPECT_FALSE(o[QStringLiteral("enabled")].toBool());
        EXPECT_FALSE(o[QStringLiteral("bold")].toBool());
        EXPECT_FALSE(o[QStringLiteral("selected")].toBool());
    }
    const QJsonObject labels = dump[QStringLiteral("labels")].toObject();
    const std::tuple<const char *, double, double> placed[] = {{"Letter_A", 1237.5, 3460},
                                                               {"Letter_C", 1642.5, 3460},
                                                               {"Zero_label", 8700, 3460},
                                                               {"Label22", 120, 6480}};
    for (const auto &[name, left, top] : placed) {
        const QJsonObject l = labels[QLatin1String(name)].toObject();
        EXPECT_FALSE(l[QStringLiteral("visible")].toBool()) << name;
        EXPECT_EQ(l[QStringLiteral("left")].toDouble(), left) << name;
        EXPECT_EQ(l[QStringLiteral("top")].toDouble(), top) << name;
    }
    EXPECT_EQ(labels.size(), 7);
    EXPECT_EQ(dump[QStringLiteral("focus")].toString(), QStringLiteral("mag_b"));
    EXPECT_EQ(dump[QStringLiteral("jslot")].toInt(-1), 0);
    EXPECT_FALSE(dump[QStringLiteral("recall_in_progress")].toBool(true));
    EXPECT_FALSE(dump[QStringLiteral("errors_found")].toBool(true));
    EXPECT_EQ(json_object(run.lines[1])[QStringLiteral("focus")].toString(),
              QStringLiteral("mag_a"));
}

// Script: set mag_a to 2, click CONVERT under ABC Polar, dump.
// Expected: the results of that case, the case saved in slot 1, the labels shown.
TEST(Replay, set_and_convert_then_dump) {
    const Session run = replay("set mag_a 2\nclick Convert 0\ndump\n");
    ASSERT_EQ(run.status, 0) << run.errors.toStdString();
    ASSERT_EQ(run.lines.size(), 1);
    const QJsonObject dump = json_object(run.lines[0]);
    EXPECT_EQ(text_of(dump, "mag_a"), QStringLiteral("2"));
    EXPECT_EQ(text_of(dump, "real_a"), QStringLiteral("2.00E+00"));
    EXPECT_EQ(text_of(dump, "imag_b"), QStringLiteral("-8.66E-01"));
    EXPECT_EQ(text_of(dump, "mag_0"), QStringLiteral("3.33E-01"));
    EXPECT_EQ(text_of(dump, "mag_1"), QStringLiteral("1.33E+00"));
    EXPECT_EQ(text_of(dump, "ang_2"), QStringLiteral("0.00"));
    EXPECT_EQ(dump[QStringLiteral("jslot")].toInt(), 1);
    const QJsonObject slot1 = dump[QStringLiteral("options")][0].toObject();
    EXPECT_TRUE(slot1[QStringLiteral("enabled")].toBool());
    EXPECT_TRUE(slot1[QStringLiteral("bold")].toBool());
    EXPECT_FALSE(dump[QStringLiteral("options")][1][QStringLiteral("enabled")].toBool());
    EXPECT_TRUE(
        dump[QStringLiteral("labels")][QStringLiteral("Positive_label")][QStringLiteral("visible")]
            .toBool());
    EXPECT_FALSE(dump[QStringLiteral("errors_found")].toBool(true));
}

// Script: set texts with blanks around them and no text at all, dump, convert.
// Expected: everything after the field name is the text, verbatim; the empty mag_b is then
// the first bad entry of the check.
TEST(Replay, set_takes_the_rest_of_the_line_verbatim) {
    const Session run =
        replay("set mag_a  12.5 \nset mag_b\nset mag_c \ndump\nclick Convert 0\ndump\n");
    ASSERT_EQ(run.status, 0) << run.errors.toStdString();
    ASSERT_EQ(run.lines.size(), 2);
    const QJsonObject typed = json_object(run.lines[0]);
    EXPECT_EQ(text_of(typed, "mag_a"), QStringLiteral(" 12.5 "));
    EXPECT_EQ(text_of(typed, "mag_b"), QString());
    EXPECT_EQ(text_of(typed, "mag_c"), QString());
    const QJsonObject checked = json_object(run.lines[1]);
    EXPECT_FALSE(error_of(checked, "mag_a"));
    EXPECT_TRUE(error_of(checked, "mag_b"));
    EXPECT_FALSE(error_of(checked, "mag_c"));
    EXPECT_TRUE(checked[QStringLiteral("errors_found")].toBool());
    EXPECT_EQ(text_of(checked, "real_a"), QStringLiteral("1.0")); // nothing converted
}

struct BadLine {
    const char *name;
    const char *line;
};

void PrintTo(const BadLine &b, std::ostream *out) {
    *out << '"' << b.line << '"';
}

class ReplayBadLine : public testing::TestWithParam<BadLine> {};

// Script: a good dump, the bad line, another dump.
// Expected: exit status 2, standard error names line 2, and nothing is answered after it.
TEST_P(ReplayBadLine, stops_with_status_2_naming_the_line) {
    const Session run = replay(QByteArray("dump\n") + GetParam().line + "\ndump\n");
    EXPECT_EQ(run.status, 2);
    EXPECT_EQ(run.lines.size(), 1);
    EXPECT_TRUE(run.errors.contains(QLatin1String("line 2"))) << run.errors.toStdString();
}

const BadLine bad_lines[] = {
    {"unknown_command", "frobnicate"},
    {"empty_line", ""},
    {"convert_index_out_of_range", "click Convert 4"},
    {"option_index_zero", "click Option1 0"},
    {"click_without_target", "click"},
    {"index_not_a_number", "click Convert one"},
    {"no_such_field", "set nosuch 1"},
    {"set_without_field", "set"},
    {"dump_with_argument", "dump now"},
    {"ops_with_argument", "ops now"},
    {"unknown_key", "key Frobnicate"},
    {"focus_no_such_field", "focus nosuch"},
    {"clipboard_with_argument", "clipboard now"},
    {"grab_without_file", "grab"},
    {"grab_into_missing_folder", "grab /nonexistent/folder/x.png"},
    {"export_as_gif", "export /tmp/diagrams.gif"},
    {"export_before_a_drawing", "export /tmp/diagrams.png"},
    {"tooltip_of_a_label", "tooltip Label2"},
    {"tooltip_of_slot_eleven", "tooltip Option1 11"},
    {"resize_without_height", "resize 1666"},
    {"resize_not_a_number", "resize wide 922"},
    {"unknown_theme", "theme blue"},
};

INSTANTIATE_TEST_SUITE_P(Replay, ReplayBadLine, testing::ValuesIn(bad_lines),
                         [](const auto &info) { return std::string(info.param.name); });

// Script: the textbook set A 10 at 0, B 8 at -110, C 12 at 125 degrees, converted.
// Expected: the memory button names the case, the 012 frame and the diagrams its unbalance.
TEST(Replay, tooltip_tells_the_case_and_its_unbalance) {
    const Session run = replay("set mag_a 10\nset mag_b 8\nset mag_c 12\nset ang_b -110\n"
                               "set ang_c 125\nclick Convert 0\ntooltip Option1 1\n"
                               "tooltip Polar_012\ntooltip plot\ntooltip mag_a\n");
    ASSERT_EQ(run.status, 0) << run.errors.toStdString();
    ASSERT_EQ(run.lines.size(), 4);
    const auto tooltip = [&](qsizetype i) {
        return json_object(run.lines[i])[QStringLiteral("tooltip")].toString();
    };
    EXPECT_EQ(tooltip(0),
              QStringLiteral("A 10 at 0.0\u00b0, B 8 at \u2212110\u00b0, C 12 at 125\u00b0"));
    EXPECT_TRUE(tooltip(1).startsWith(QLatin1String("Unbalance |V2|/|V1| 15.9 %")))
        << tooltip(1).toStdString();
    EXPECT_EQ(tooltip(2), tooltip(1));
    EXPECT_EQ(tooltip(3), QString());
}

// Script: a block of cells onto the clipboard, pasted into mag_a, Return, Copy Results, then
// the clipboard and the window.
// Expected: the block fills ABC Polar, Return converts it, and the clipboard holds the table
// as text and HTML.
TEST(Replay, paste_return_and_copy_results) {
    const Session run = replay("clipboard-set 2\\t-30\\n3\\t40\\n\nclipboard\nfocus mag_a\n"
                               "key Ctrl+V\nkey Return\nkey Ctrl+Shift+C\nclipboard\ndump\n");
    ASSERT_EQ(run.status, 0) << run.errors.toStdString();
    ASSERT_EQ(run.lines.size(), 3);
    const QJsonObject set = json_object(run.lines[0]);
    EXPECT_EQ(set[QStringLiteral("text")].toString(), QStringLiteral("2\t-30\n3\t40\n"));
    EXPECT_EQ(set[QStringLiteral("formats")].toArray(), QJsonArray{QStringLiteral("text/plain")});
    const QJsonObject copied = json_object(run.lines[1]);
    EXPECT_TRUE(copied[QStringLiteral("text")].toString().startsWith(QLatin1String(
        "Phasor\tMagnitude\tAngle (degrees)\tReal part\tImaginary part\nA\t2\t-30\t")));
    EXPECT_EQ(copied[QStringLiteral("formats")].toArray(),
              (QJsonArray{QStringLiteral("text/plain"), QStringLiteral("text/html")}));
    const QJsonObject dump = json_object(run.lines[2]);
    EXPECT_EQ(text_of(dump, "ang_b"), QStringLiteral("40"));
    EXPECT_EQ(text_of(dump, "real_a"), QStringLiteral("1.73E+00"));
    EXPECT_EQ(dump[QStringLiteral("focus")].toString(), QStringLiteral("mag_a"));
    EXPECT_EQ(dump[QStringLiteral("jslot")].toInt(), 1);
}

// Scripts that end normally: empty input, a last line without a line end, CRLF line ends.
// Expected: exit status 0, one answer per dump, the carriage return not part of the text.
TEST(Replay, end_of_input_ends_with_status_0) {
    const Session empty = replay("");
    EXPECT_EQ(empty.status, 0);
    EXPECT_TRUE(empty.lines.isEmpty());
    EXPECT_TRUE(empty.errors.isEmpty());

    const Session unterminated = replay("dump");
    EXPECT_EQ(unterminated.status, 0);
    EXPECT_EQ(unterminated.lines.size(), 1);

    const Session crlf = replay("set mag_a 5\r\ndump\r\n");
    ASSERT_EQ(crlf.status, 0) << crlf.errors.toStdString();
    ASSERT_EQ(crlf.lines.size(), 1);
    EXPECT_EQ(text_of(json_object(crlf.lines[0]), "mag_a"), QStringLiteral("5"));
}

// Script: ops before any plot, convert, ops again.
// Expected: no operations before the first plot; afterwards the plot starts by erasing.
TEST(Replay, ops_is_empty_before_any_plot) {
    const Session run = replay("ops\nclick Convert 0\nops\n");
    ASSERT_EQ(run.status, 0) << run.errors.toStdString();
    ASSERT_EQ(run.lines.size(), 2);
    EXPECT_EQ(run.lines[0], QByteArray("[]"));
    const QJsonArray ops = QJsonDocument::fromJson(run.lines[1]).array();
    ASSERT_FALSE(ops.isEmpty());
    EXPECT_EQ(ops[0][QStringLiteral("op")].toString(), QStringLiteral("box"));
}

// Script: grab into a fresh file.
// Expected: a PNG of the whole client area, 833 x 461 pixels.
TEST(Replay, grab_writes_a_png_of_the_window) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString path = dir.filePath(QStringLiteral("window.png"));
    const Session run = replay("grab " + path.toUtf8() + "\n");
    ASSERT_EQ(run.status, 0) << run.errors.toStdString();
    EXPECT_TRUE(run.lines.isEmpty());
    QImageReader reader(path);
    EXPECT_EQ(reader.format(), QByteArray("png"));
    const QImage image = reader.read();
    EXPECT_EQ(image.size(), QSize(833, 461));
}

// Script: convert, export as SVG, export into a missing folder, dump.
// Expected: the SVG written, the failure told as the dump's notice, status 0.
TEST(Replay, export_writes_the_diagrams_and_tells_a_failure) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("d.svg"));
    const Session run = replay("click Convert 0\nexport " + path.toUtf8() +
                               "\nexport /nonexistent/folder/d.pdf\ndump\n");
    ASSERT_EQ(run.status, 0) << run.errors.toStdString();
    QFile svg(path);
    ASSERT_TRUE(svg.open(QIODevice::ReadOnly));
    EXPECT_TRUE(svg.readAll().contains("<svg"));
    ASSERT_EQ(run.lines.size(), 1);
    EXPECT_TRUE(json_object(run.lines[0])[QStringLiteral("notice")].toString().contains(
        QLatin1String("d.pdf")));
}

// Script: dark theme, convert, grab; twice the size, grab; light theme at the defined
// size, grab. Expected: a dark 833 x 461 window, a 1666 x 922 one, a light one again.
TEST(Replay, theme_and_resize_change_what_grab_shows) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString dark = dir.filePath(QStringLiteral("dark.png"));
    const QString big = dir.filePath(QStringLiteral("big.png"));
    const QString light = dir.filePath(QStringLiteral("light.png"));
    const Session run =
        replay("theme dark\nclick Convert 0\ngrab " + dark.toUtf8() + "\nresize 1666 922\ngrab " +
               big.toUtf8() + "\ntheme light\nresize 833 461\ngrab " + light.toUtf8() + "\n");
    ASSERT_EQ(run.status, 0) << run.errors.toStdString();
    const QImage shown[] = {QImage(dark), QImage(big), QImage(light)};
    EXPECT_EQ(shown[0].size(), QSize(833, 461));
    EXPECT_LT(qGray(shown[0].pixel(2, 2)), 100) << "dark form";
    EXPECT_EQ(shown[1].size(), QSize(1666, 922));
    EXPECT_EQ(shown[2].size(), QSize(833, 461));
    EXPECT_GT(qGray(shown[2].pixel(2, 2)), 200) << "light form";
}

} // namespace
