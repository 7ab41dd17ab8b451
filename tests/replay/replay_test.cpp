// trivane-replay end to end: scripts on standard input, JSON answers on standard output,
// problems on standard error with the exit status.

#include <QByteArray>
#include <QDir>
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

// HOME and the XDG folders of one or more runs of the driver, in a temporary folder.
struct Home {
    QTemporaryDir dir;
    QString state() const { return dir.filePath(QStringLiteral("state/trivane")); }
    QString cases() const { return state() + QStringLiteral("/cases.json"); }
    void start(QProcess &process) const {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("HOME"), dir.path());
        for (const char *name : {"CONFIG", "DATA", "STATE", "CACHE"}) {
            environment.insert(QStringLiteral("XDG_%1_HOME").arg(QLatin1String(name)),
                               dir.filePath(QLatin1String(name).toString().toLower()));
        }
        process.setProcessEnvironment(environment);
        process.start(QStringLiteral(TRIVANE_REPLAY), QStringList{});
    }
};

// Qt's note about a missing runtime folder is no answer of the driver's.
QString errors_of(QProcess &process) {
    return QString::fromUtf8(process.readAllStandardError())
        .remove(QRegularExpression(QStringLiteral("^QStandardPaths: [^\n]*\n"),
                                   QRegularExpression::MultilineOption));
}

Session replay(const QByteArray &script, const Home &home) {
    QProcess process;
    home.start(process);
    EXPECT_TRUE(process.waitForStarted(10000));
    process.write(script);
    process.closeWriteChannel();
    EXPECT_TRUE(process.waitForFinished(30000));
    Session run;
    run.status = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    run.lines = process.readAllStandardOutput().split('\n');
    if (!run.lines.isEmpty() && run.lines.back().isEmpty())
        run.lines.removeLast();
    run.errors = errors_of(process);
    return run;
}

// Every run in a fresh home: nothing kept from another.
Session replay(const QByteArray &script) {
    const Home fresh;
    return replay(script, fresh);
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
    {"accessible_of_a_label", "accessible Label2"},
    {"export_results_without_file", "export-results"},
    {"resize_without_height", "resize 1666"},
    {"resize_not_a_number", "resize wide 922"},
    {"unknown_theme", "theme blue"},
    {"menu_without_entry", "menu"},
    {"no_such_menu_entry", "menu Frobnicate"},
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

// Script: Return in mag_b holding "xyz", then holding a long good entry; the memory
// button's accessible texts; the results exported into a missing folder. Expected: the
// outcomes are no notice (screen readers hear them), the focus stays in mag_b; the case cut
// with "…"; the failed export told in the notice.
TEST(Replay, outcomes_spoken_accessible_texts_and_export) {
    const Session run =
        replay("set mag_b xyz\nfocus mag_b\nkey Return\ndump\nset mag_b 0." + QByteArray(100, '1') +
               "\nkey Return\ndump\naccessible Option1 1\n"
               "export-results /nonexistent/results.csv\ndump\n");
    ASSERT_EQ(run.status, 0) << run.errors.toStdString();
    ASSERT_EQ(run.lines.size(), 4);
    const auto value = [&](qsizetype i, const char *key) {
        return json_object(run.lines[i])[QLatin1String(key)].toString();
    };
    EXPECT_EQ(value(0, "notice"), "");
    EXPECT_EQ(value(1, "notice"), "");
    EXPECT_EQ(value(1, "focus"), "mag_b");
    EXPECT_EQ(value(2, "name"), "Memory slot 1");
    EXPECT_EQ(value(2, "description"),
              "A 1.0 at 0.0\u00b0, B 0." + QString(37, u'1') +
                  "\u2026 at \u2212120.0\u00b0, C 1.0 at 120.0\u00b0; the newest case");
    EXPECT_TRUE(value(3, "notice").startsWith("Could not write /nonexistent/results.csv"));
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

// The ten memory buttons of a dump: '-' empty, 'e' enabled, 'B' enabled and bold; a
// selected one in capitals ('E').
QString slots_of(const QJsonObject &dump) {
    QString shown;
    for (const QJsonValue o : dump[QStringLiteral("options")].toArray()) {
        const QChar c = !o[QStringLiteral("enabled")].toBool() ? u'-'
                        : o[QStringLiteral("bold")].toBool()   ? u'B'
                                                               : u'e';
        shown += o[QStringLiteral("selected")].toBool() && c == u'e' ? QChar(u'E') : c;
    }
    return shown;
}

// Script: at the next start in home, a dump, then a recall of each of the first `recalls`
// slots with a dump after each. Gives the dumps.
QList<QJsonObject> next_start(const Home &home, int recalls = 0) {
    QByteArray script = "dump\n";
    for (int slot = 1; slot <= recalls; ++slot)
        script += "click Option1 " + QByteArray::number(slot) + "\ndump\n";
    const Session run = replay(script, home);
    EXPECT_EQ(run.errors, QString());
    QList<QJsonObject> dumps;
    for (const QByteArray &line : run.lines)
        dumps.append(json_object(line));
    EXPECT_EQ(dumps.size(), recalls + 1);
    return dumps.size() == recalls + 1 ? dumps : QList<QJsonObject>(recalls + 1);
}

// Scripts: a case converted before a normal end of input; the next run converts one from
// group 2 and is killed (SIGKILL) right after its dump; the third starts.
// Expected: both cases are back, 2 the newest, none selected, the fields as at start-up;
// each recall brings its texts back as typed into its own group.
TEST(ReplayKeep, cases_saved_before_a_quit_and_a_kill_are_there_at_the_next_start) {
    const Home home;
    ASSERT_EQ(replay("set mag_a 2.50\nclick Convert 0\n", home).status, 0);
    QProcess killed;
    home.start(killed);
    killed.write("set mag_2 0.125\nclick Convert 2\ndump\n");
    while (!killed.canReadLine())
        ASSERT_TRUE(killed.waitForReadyRead(30000));
    killed.kill();
    killed.waitForFinished(10000);
    const QList<QJsonObject> dumps = next_start(home, 2);
    EXPECT_EQ(slots_of(dumps[0]), QStringLiteral("eB--------"));
    EXPECT_EQ(dumps[0][QStringLiteral("jslot")].toInt(), 2);
    EXPECT_EQ(text_of(dumps[0], "mag_a"), QStringLiteral("1.0"));
    EXPECT_EQ(text_of(dumps[1], "mag_a"), QStringLiteral("2.50"));
    EXPECT_EQ(text_of(dumps[2], "mag_2"), QStringLiteral("0.125"));
}

// Scripts: two drivers in one home, converting three cases each, in turn.
// Expected: the next start holds all six in the order they were saved.
TEST(ReplayKeep, two_windows_saving_in_turn_lose_nothing) {
    const Home home;
    QProcess windows[2];
    for (int k = 0; k < 6; ++k) {
        QProcess &window = windows[k % 2];
        if (k < 2)
            home.start(window);
        window.write("set mag_a " + QByteArray::number(k + 1) + "\nclick Convert 0\ndump\n");
        while (!window.canReadLine())
            ASSERT_TRUE(window.waitForReadyRead(30000));
        window.readLine();
    }
    for (QProcess &window : windows) {
        window.closeWriteChannel();
        ASSERT_TRUE(window.waitForFinished(30000));
    }
    const QList<QJsonObject> dumps = next_start(home, 6);
    EXPECT_EQ(slots_of(dumps[0]), QStringLiteral("eeeeeB----"));
    for (int slot = 1; slot <= 6; ++slot)
        EXPECT_EQ(text_of(dumps[slot], "mag_a"), QString::number(slot));
}

struct DamagedStore {
    const char *name;
    QByteArray contents;
    const char *buttons; // at start-up
};

void PrintTo(const DamagedStore &d, std::ostream *out) {
    *out << d.name;
}

class ReplayDamagedStore : public testing::TestWithParam<DamagedStore> {};

// State: a damaged file where the cases are kept.
// Script: dump, convert, dump; then the next start.
// Expected: a working window with the good cases, one line on standard error, one notice;
// the damaged file kept aside as it was, and the good cases and the new one kept.
TEST_P(ReplayDamagedStore, leaves_a_working_window_and_the_file_aside) {
    const DamagedStore &d = GetParam();
    const Home home;
    QFile file(home.cases());
    ASSERT_TRUE(QDir().mkpath(home.state()) && file.open(QIODevice::WriteOnly));
    file.write(d.contents);
    file.close();

    const Session run = replay("dump\nclick Convert 0\ndump\n", home);
    ASSERT_EQ(run.lines.size(), 2) << run.errors.toStdString();
    EXPECT_EQ(run.errors.count(QLatin1Char('\n')), 1) << run.errors.toStdString();
    const QJsonObject before = json_object(run.lines[0]);
    EXPECT_EQ(slots_of(before), QLatin1String(d.buttons));
    EXPECT_TRUE(
        before[QStringLiteral("notice")].toString().startsWith(QLatin1String("The saved cases")));
    EXPECT_EQ(json_object(run.lines[1])[QStringLiteral("notice")].toString(), QString());

    const QStringList aside =
        QDir(home.state()).entryList({QStringLiteral("cases.json.damaged-*")});
    ASSERT_EQ(aside.size(), 1);
    QFile kept(QDir(home.state()).filePath(aside[0]));
    ASSERT_TRUE(kept.open(QIODevice::ReadOnly));
    EXPECT_TRUE(kept.readAll() == d.contents);
    EXPECT_EQ(slots_of(next_start(home)[0]), slots_of(json_object(run.lines[1])));
}

const QByteArray good = R"({"order": 4, "group": 1, "texts": ["1", "2", "3", "4", "5", "6"]})";
const QByteArray one_good = R"({"version": 1, "cases": [)" + good;

const DamagedStore damaged_stores[] = {
    {"truncated", one_good, "----------"},
    {"not_an_object", "[1, 2, 3]", "----------"},
    {"version_as_text", R"({"version": "1", "cases": [)" + good + "]}", "----------"},
    {"group_outside_0_to_3",
     one_good + R"(, {"order": 5, "group": 4, "texts": ["1", "2", "3", "4", "5", "6"]}]})",
     "B---------"},
    {"text_the_check_refuses",
     one_good + R"(, {"order": 5, "group": 0, "texts": ["1", "2", "x", "4", "5", "6"]}]})",
     "B---------"},
    {"five_texts", one_good + R"(, {"order": 5, "group": 0, "texts": ["1", "2", "3", "4", "5"]}]})",
     "B---------"},
    {"over_1_MB", one_good + "]}" + QByteArray(1024 * 1024, ' '), "----------"},
};

INSTANTIATE_TEST_SUITE_P(Replay, ReplayDamagedStore, testing::ValuesIn(damaged_stores),
                         [](const auto &info) { return std::string(info.param.name); });

// State: the folder for the cases cannot be made (a file stands in its path).
// Script: two conversions, each followed by a dump.
// Expected: both saved in the window's memory, one line on standard error, one notice, and
// nothing written.
TEST(ReplayKeep, unwritable_folder_keeps_cases_for_the_run_and_says_so_once) {
    const Home home;
    QFile blocker(home.dir.filePath(QStringLiteral("state")));
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    const Session run = replay("click Convert 0\ndump\nclick Convert 0\ndump\n", home);
    ASSERT_EQ(run.lines.size(), 2) << run.errors.toStdString();
    EXPECT_EQ(run.errors.count(QLatin1Char('\n')), 1) << run.errors.toStdString();
    EXPECT_TRUE(json_object(run.lines[0])[QStringLiteral("notice")].toString().startsWith(
        QLatin1String("Cases are kept for this run only")));
    EXPECT_EQ(json_object(run.lines[1])[QStringLiteral("notice")].toString(), QString());
    EXPECT_EQ(slots_of(json_object(run.lines[1])), QStringLiteral("eB--------"));
    EXPECT_EQ(blocker.size(), 0);
}

// Scripts: cases converted and one recalled, then Forget All Cases (answered Yes); the next
// start. Another home: Keep Cases Between Runs turned off, a case converted; two starts.
// Expected: no case in the window after Forget, none at either next start.
TEST(ReplayKeep, forget_and_keep_nothing_leave_the_next_start_empty) {
    const Home forgetting;
    const Session forgot =
        replay("click Convert 0\nclick Convert 0\nclick Option1 1\nmenu Forget All Cases\ndump\n",
               forgetting);
    ASSERT_EQ(forgot.lines.size(), 1) << forgot.errors.toStdString();
    EXPECT_EQ(slots_of(json_object(forgot.lines[0])), QStringLiteral("----------"));
    EXPECT_EQ(json_object(forgot.lines[0])[QStringLiteral("jslot")].toInt(), 0);
    EXPECT_EQ(slots_of(next_start(forgetting)[0]), QStringLiteral("----------"));

    const Home not_keeping;
    ASSERT_EQ(replay("menu Keep Cases Between Runs\nclick Convert 0\n", not_keeping).status, 0);
    ASSERT_EQ(replay("click Convert 0\n", not_keeping).status, 0);
    EXPECT_EQ(slots_of(next_start(not_keeping)[0]), QStringLiteral("----------"));
}

struct FormChange {
    const char *name;
    const char *before; // the script that leads up to the change
    const char *change;
};

void PrintTo(const FormChange &c, std::ostream *out) {
    *out << c.name;
}

class ReplayUndo : public testing::TestWithParam<FormChange> {};

// Script: the lead-up, dump, the change, dump, Ctrl+Z, dump, Ctrl+Y, dump, Ctrl+Z and
// Ctrl+Shift+Z, dump.
// Expected: one Ctrl+Z brings all 24 texts and marks back as before the change (a key typed
// into a field: that key only), and the memory buttons' selection; Ctrl+Y makes it again;
// the memory stays as it was.
TEST_P(ReplayUndo, one_key_takes_back_the_whole_change) {
    const FormChange &c = GetParam();
    const Session run = replay(QByteArray(c.before) + "dump\n" + c.change +
                               "dump\nkey Ctrl+Z\ndump\nkey Ctrl+Y\ndump\nkey Ctrl+Z\n"
                               "key Ctrl+Shift+Z\ndump\n");
    ASSERT_EQ(run.lines.size(), 5) << run.errors.toStdString();
    QJsonObject dumps[5];
    for (int i = 0; i < 5; ++i)
        dumps[i] = json_object(run.lines[i]);
    const auto fields = [&](int i) { return dumps[i][QStringLiteral("fields")].toObject(); };
    EXPECT_NE(fields(1), fields(0));
    EXPECT_EQ(fields(2), fields(0));
    EXPECT_EQ(fields(3), fields(1));
    EXPECT_EQ(fields(4), fields(1));
    EXPECT_EQ(dumps[2][QStringLiteral("errors_found")], dumps[0][QStringLiteral("errors_found")]);
    // The memory as after the change (a saved case stays saved), the selection as before it.
    const auto memory = [&](int i) { return slots_of(dumps[i]).toLower(); };
    EXPECT_EQ(memory(2), memory(1));
    const auto selected = [&](int i) {
        QList<bool> out;
        for (const QJsonValue o : dumps[i][QStringLiteral("options")].toArray())
            out << o[QStringLiteral("selected")].toBool();
        return out;
    };
    EXPECT_EQ(selected(2), selected(0));
    EXPECT_EQ(selected(3), selected(1));
}

const FormChange form_changes[] = {
    {"clear_screen", "set mag_a 2\nclick Convert 0\nset mag_1 7\n", "click CLEAR\n"},
    {"convert", "set mag_a 2\nset real_0 9\n", "click Convert 0\n"},
    {"convert_that_marks_a_field", "click Convert 0\nset ang_b x\n", "click Convert 0\n"},
    {"recall", "set mag_a 2\nclick Convert 0\nset mag_a 3\nclick Convert 0\nset real_0 9\n",
     "click Option1 1\n"},
    {"block_paste_with_the_focus_in_its_field",
     "clipboard-set 2\\t-30\\n3\\t40\\n\nset ang_a x\nclick Convert 0\nfocus mag_a\n",
     "key Ctrl+V\n"},
    {"key_typed_after_a_convert", "click Convert 0\nfocus mag_c\n", "key 5\n"},
    {"menu_entries", "set mag_a 2\n", "click Convert 0\nmenu Undo\nmenu Redo\n"},
    {"recall_then_menu_entries", "set mag_a 2\nclick Convert 0\nset mag_a 3\nclick Convert 0\n",
     "click Option1 1\nmenu Undo\nmenu Redo\n"},
    {"set_of_a_field", "click Convert 0\n", "set mag_a 7\n"},
};

INSTANTIATE_TEST_SUITE_P(Replay, ReplayUndo, testing::ValuesIn(form_changes),
                         [](const auto &info) { return std::string(info.param.name); });

} // namespace

namespace {

// Script: a load converted into slot 1, a B-C-ground fault current after it, read against
// slot 1; refusals of an empty slot, a group and a triangle; put-delta; the line-to-line
// metering example.
// Expected: the verdict, the refusals in the next dump's notice, the superimposed phases in ABC
// Polar afterwards, and the sequence voltages of the example read as voltages.
TEST(Replay, reading_commands) {
    const Session run = replay("set mag_a 0.6\nset mag_b 0.6\nset mag_c 0.6\nset ang_a -25\n"
                               "set ang_b -145\nset ang_c 95\nclick Convert 0\n"
                               "set mag_0 0.6579\nset mag_1 2.6017\nset mag_2 1.9438\n"
                               "set ang_0 90\nset ang_1 -90\nset ang_2 90\nclick Convert 2\n"
                               "quantity currents\nsubtract 1\nreading\n"
                               "subtract 7\ndump\ntransformer Yy1\ndump\ntransformer Dyn11\n"
                               "put-delta\nreading\ndump\n"
                               "line-to-line 100 0 100 -120 100 0\ndump\n"
                               "line-to-line 84.9 0 138.3 -144 85.4 -288\nreading\n"
                               "quantity amperes\n");
    EXPECT_NE(run.status, 0);
    EXPECT_TRUE(run.errors.contains(QLatin1String("quantity takes voltages, currents or unsaid")));
    ASSERT_EQ(run.lines.size(), 7);
    const QJsonObject read = json_object(run.lines[0]);
    EXPECT_EQ(read["fault"].toString(), QLatin1String("BCG"));
    EXPECT_EQ(read["subtract"].toInt(), 1);
    EXPECT_NEAR(read["delta"]["a"][0].toDouble(), 0.6, 1e-6); // the fault has no current on A
    const auto notice = [&](int line) { return json_object(run.lines[line])["notice"].toString(); };
    EXPECT_TRUE(notice(1).startsWith(QLatin1String("Slot 7 holds no case")));
    EXPECT_TRUE(notice(2).contains(QLatin1String("take even clock numbers")));
    const QJsonObject after = json_object(run.lines[3]);
    EXPECT_EQ(after["subtract"].toInt(), 0);
    EXPECT_EQ(after["quantity"].toString(), QLatin1String("currents"));
    EXPECT_EQ(after["transformer"]["group"].toString(), QLatin1String("Dyn11"));
    EXPECT_EQ(text_of(json_object(run.lines[4]), "mag_a").toDouble(),
              read["delta"]["a"][0].toDouble());
    EXPECT_TRUE(notice(5).contains(QLatin1String("does not close")));
    const QJsonObject line = json_object(run.lines[6]);
    EXPECT_EQ(line["quantity"].toString(), QLatin1String("voltages"));
    EXPECT_NEAR(line["ratios"]["x2_x1"].toDouble(), 100 * 23.19 / 56.56, 0.1);
    EXPECT_NEAR(line["x2_3"][1].toDouble(), 126.2, 0.1);
}

} // namespace
