// Results in and out: Return converts, blocks of cells paste over a group, and Copy Results
// and Copy Diagrams put the held numbers and the plot area on the clipboard.

#include "form_fields.h"
#include "tests/support/number_settings.h"
#include "tests/support/shown_form.h"

#include "calc/unbalance.h"
#include "form/form1_results.h"
#include "toolkit/number_text.h"

#include <QClipboard>
#include <QContextMenuEvent>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGroupBox>
#include <QImage>
#include <QLabel>
#include <QLocale>
#include <QFileDialog>
#include <QTimer>
#include <QMenu>
#include <QMimeData>
#include <QPrinter>
#include <QSvgRenderer>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <map>
#include <ostream>
#include <string>
#include <vector>

namespace {

using form_test::texts;
using testing_support::click;
using testing_support::field;
using testing_support::shown_form;
using testing_support::type_into;

QClipboard &clipboard() {
    return *QApplication::clipboard();
}

// Ctrl+V with the cursor at the end of the field's text and nothing selected.
void paste_at_end(Form1 &form, const char *name, const QString &text) {
    QLineEdit *edit = field(form, name);
    edit->setFocus();
    edit->end(false);
    clipboard().setText(text);
    QTest::keyClick(edit, Qt::Key_V, Qt::ControlModifier);
}

struct PasteCase {
    const char *name;
    const char *field;
    const char16_t *text;
    std::map<std::string, std::string> changed; // every other field keeps its text
    const char *notice = "";                    // what did not fit
};

void PrintTo(const PasteCase &c, std::ostream *out) {
    *out << c.name;
}

class Paste : public testing::TestWithParam<PasteCase> {};

// State: a fresh window, the start-up texts in all 24 fields.
// Action: the clipboard's text pasted with Ctrl+V into one field.
// Expected: the fields the block reaches show its cells, cleaned, where the cell is not
// empty; every other field keeps its text; the notice says what did not fit; nothing is
// converted or saved.
TEST_P(Paste, fills_the_group_from_the_field) {
    const PasteCase &c = GetParam();
    const auto form = shown_form();
    auto expected = texts(*form);
    for (const auto &[name, text] : c.changed)
        expected[name] = text;
    paste_at_end(*form, c.field, QString::fromUtf16(c.text));
    EXPECT_EQ(texts(*form), expected);
    EXPECT_EQ(form->take_notice(), QString::fromUtf8(c.notice));
    EXPECT_EQ(form->model().state().jslot, 0);
    EXPECT_FALSE(form->model().state().has_results);
}

const PasteCase paste_cases[] = {
    {"block_3x2_at_the_first_field",
     "mag_a",
     u"2\t-30\n3\t40\n4\t50\n",
     {{"mag_a", "2"},
      {"mag_b", "3"},
      {"mag_c", "4"},
      {"ang_a", "-30"},
      {"ang_b", "40"},
      {"ang_c", "50"}}},
    {"row_of_two_into_the_middle_right_field_is_clipped",
     "imag_b",
     u"5\t6",
     {{"imag_b", "5"}},
     "1 column did not fit the group"},
    {"single_value_goes_in_at_the_cursor", "mag_b", u"5", {{"mag_b", "1.05"}}},
    {"single_value_is_cleaned_of_marks_and_groups",
     "mag_b",
     u"\u200E6,350.9",
     {{"mag_b", "1.06350.9"}}},
    {"trailing_line_break_ends_the_row", "ang_a", u"7\r\n", {{"ang_a", "0.07"}}},
    {"lines_ending_in_cr_alone",
     "real_a",
     u"2\t-30\r3\t40\r",
     {{"real_a", "2"}, {"real_b", "3"}, {"imag_a", "-30"}, {"imag_b", "40"}}},
    {"empty_cells_leave_their_fields_alone",
     "mag_a",
     u"5\t\n\t7",
     {{"mag_a", "5"}, {"ang_b", "7"}}},
    {"document_minus_spaces_and_marks_are_cleaned",
     "mag_0",
     u"\u00A0\u22122.5\u202F\t\u200E\u2212120\u00A0\n\u20093\u2009\t1\u200F0\n1\u00A0000\t7",
     {{"mag_0", "-2.5"},
      {"ang_0", "-120"},
      {"mag_1", "3"},
      {"ang_1", "10"},
      {"mag_2", "1\u00A0000"}, // inside a number nothing is rewritten
      {"ang_2", "7"}}},
    {"too_wide_and_too_long_block_is_clipped",
     "real_0",
     u"1\t2\t3\n4\t5\t6\n7\t8\t9\n10\t11\t12\n",
     {{"real_0", "1"},
      {"real_1", "4"},
      {"real_2", "7"},
      {"imag_0", "2"},
      {"imag_1", "5"},
      {"imag_2", "8"}},
     "1 row and 1 column did not fit the group"},
};

INSTANTIATE_TEST_SUITE_P(Form, Paste, testing::ValuesIn(paste_cases),
                         [](const auto &info) { return std::string(info.param.name); });

// State: two windows with a saved case recalled from slot 1, so button 1 is selected.
// Action: an entry typed into group 2; one window gets the key in the field, the other a
// click on CONVERT under group 2.
// Expected: the same window after either: the selection cleared, the same results, the
// case saved into slot 2 from group 2.
TEST(FormKeys, return_or_enter_in_a_field_converts_like_a_click) {
    for (const Qt::Key key : {Qt::Key_Return, Qt::Key_Enter}) {
        SCOPED_TRACE(key);
        const auto by_key = shown_form();
        const auto by_click = shown_form();
        for (Form1 *form : {by_key.get(), by_click.get()}) {
            click(form->Convert[0]);
            click(form->Option1[1].widget());
            ASSERT_TRUE(form->Option1[1].Value());
            type_into(*form, "mag_1", QStringLiteral("2"));
        }
        QTest::keyClick(field(*by_key, "mag_1"), key);
        click(by_click->Convert[2]);
        EXPECT_EQ(texts(*by_key), texts(*by_click));
        EXPECT_NE(texts(*by_key)["mag_a"], "1.0"); // converted
        for (Form1 *form : {by_key.get(), by_click.get()}) {
            EXPECT_FALSE(form->Option1[1].Value());
            EXPECT_EQ(form->model().state().jslot, 2);
            EXPECT_EQ(form->model().state().saved[2].group, 2);
            EXPECT_EQ(form->model().state().saved[2].texts[1], QStringLiteral("2"));
        }
    }
}

QList<QStringList> copied_table() {
    QList<QStringList> rows;
    for (const QString &line : clipboard().text().split(QLatin1Char('\n'), Qt::SkipEmptyParts))
        rows.append(line.split(QLatin1Char('\t')));
    return rows;
}

// A text typed or copied with the desktop's decimal separator.
QString local(const char *text) {
    return QString::fromLatin1(text).replace(QLatin1Char('.'), toolkit::decimal_separator());
}

// State: a converted case whose phases turn A-C-B, then the B-C fault typed as ABC
// rectangular with a zero phase A. Action: Ctrl+Shift+C, and the table saved as CSV and as
// a workbook. Expected: the entered cells as typed; every other magnitude, real and
// imaginary part the number held rounded at the decimal place of the set's resolution, in
// the desktop's separator, and no longer the shortest text of the number held; the ratios
// and phase order; the same table as HTML, and as CSV with "." and commas whatever the
// desktop's separator; the fault's phase A and V0 written 0 at the angle the window shows
// for the zero phasor, as the description reads A.
void check_copy_results() {
    const auto form = shown_form();
    const char *typed[] = {"2", "3", "1", "-30", "114.63", "120.5"};
    for (int i = 0; i < 6; ++i)
        type_into(*form, form_test::field_names[static_cast<std::size_t>(i)], local(typed[i]));
    click(form->Convert[0]);
    const calc::PhasorState &s = form->model().phasors();
    const auto unbalance = calc::unbalance(s);
    ASSERT_TRUE(unbalance && unbalance->turns_acb);

    field(*form, "ang_b")->setFocus();
    QTest::keyClick(field(*form, "ang_b"), Qt::Key_C, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(field(*form, "ang_b")->text(), local("114.63"));
    const QList<QStringList> rows = copied_table();
    ASSERT_EQ(rows.size(), 10);
    EXPECT_EQ(rows[0], (QStringList{"Phasor", "Magnitude", "Angle (degrees)", "Real part",
                                    "Imaginary part"}));
    for (int r = 0; r < 3; ++r) {
        EXPECT_EQ(rows[r + 1][1], local(typed[r]));
        EXPECT_EQ(rows[r + 1][2], local(typed[r + 3]));
    }

    // 2, 3 and 1 resolve to 1E-06: the numbers held rounded at six decimals, where the
    // shortest texts of the numbers held had sixteen digits.
    ASSERT_EQ(toolkit::decimal_place(calc::sequence_resolution(s)), -6);
    const QString separator = toolkit::decimal_separator();
    EXPECT_EQ(rows[1][3], toolkit::format_at_place(s.va_real, -6, separator));
    EXPECT_EQ(rows[3][4], toolkit::format_at_place(s.vc_imag, -6, separator));
    for (int r = 4; r < 7; ++r) {
        const double held[][3] = {{s.v0_mag, s.v0_real, s.v0_imag},
                                  {s.v1_mag, s.v1_real, s.v1_imag},
                                  {s.v2_mag, s.v2_real, s.v2_imag}};
        for (int c = 0; c < 3; ++c)
            EXPECT_EQ(rows[r][c == 0 ? 1 : c + 2],
                      toolkit::format_at_place(held[r - 4][c], -6, separator));
    }
    for (const int r : {7, 8}) {
        ASSERT_EQ(rows[r].size(), 2);
        EXPECT_TRUE(toolkit::parse_number(rows[r][1])) << rows[r][1].toStdString();
    }
    EXPECT_EQ(rows[9], (QStringList{"Phase order", "A-C-B"}));

    const QMimeData *data = clipboard().mimeData();
    EXPECT_TRUE(data->hasHtml());
    EXPECT_EQ(data->html().count(QLatin1String("<tr>")), rows.size());
    EXPECT_TRUE(data->html().contains(QStringLiteral("<td>") + rows[4][2] + "</td>"));

    const QTemporaryDir folder;
    form::save_results(*form, folder.filePath("r.csv"));
    QFile saved(folder.filePath("r.csv"));
    ASSERT_TRUE(saved.open(QIODevice::ReadOnly));
    EXPECT_EQ(QString::fromUtf8(saved.readAll()), clipboard()
                                                      .text()
                                                      .replace(toolkit::decimal_separator(), ".")
                                                      .replace('\t', ',')
                                                      .replace("\n", "\r\n"));
    form::save_results(*form, folder.filePath("r.xlsx"));
    QFile workbook(folder.filePath("r.xlsx"));
    ASSERT_TRUE(workbook.open(QIODevice::ReadOnly));
    EXPECT_TRUE(workbook.read(4) == "PK\x03\x04");
    EXPECT_EQ(form->take_notice(), QString());

    const char *fault[] = {"0", "-0.5", "0.5", "0", "-4.33", "4.33"};
    for (std::size_t i = 0; i < 6; ++i)
        type_into(*form, form_test::field_names[i + 6], local(fault[i]));
    click(form->Convert[1]);
    QTest::keyClick(form.get(), Qt::Key_C, Qt::ControlModifier | Qt::ShiftModifier);
    const QList<QStringList> again = copied_table();
    ASSERT_EQ(again.size(), 9);
    EXPECT_EQ(again[2][3], local("-0.5"));
    EXPECT_EQ(again[1][1], local("0.000000"));
    EXPECT_EQ(again[1][2], field(*form, "ang_a")->text());
    EXPECT_EQ(again[4][1], local("0.000000"));
    EXPECT_EQ(again[4][2], field(*form, "ang_a")->text());
    EXPECT_TRUE(plot_area(*form)->accessibleDescription().contains(QStringLiteral("A 0 at ") +
                                                                   local("90.0") + QChar(0x00B0)));
}

TEST(CopyResults, table_of_the_typed_and_written_numbers) {
    check_copy_results();
}

TEST(FormGermanNumbers, copy_results_uses_the_decimal_comma) {
    if (!testing_support::number_settings().startsWith(QLatin1String("de_")))
        GTEST_SKIP() << "the system locale is not German";
    check_copy_results();
}

// State: a fresh window; then one whose check failed; then one cleared to zero.
// Action: Ctrl+Shift+C each time, the clipboard holding a text of its own.
// Expected: no results, no copy; the cleared case copies, with no ratio to |V1| = 0.
TEST(CopyResults, needs_a_completed_conversion) {
    const auto form = shown_form();
    const auto copy = [&] {
        clipboard().setText(QStringLiteral("kept"));
        QTest::keyClick(form.get(), Qt::Key_C, Qt::ControlModifier | Qt::ShiftModifier);
        return clipboard().text();
    };
    EXPECT_EQ(copy(), QStringLiteral("kept"));
    type_into(*form, "mag_a", QStringLiteral("x"));
    click(form->Convert[0]);
    EXPECT_EQ(copy(), QStringLiteral("kept"));
    click(form->CLEAR);
    ASSERT_NE(copy(), QStringLiteral("kept"));
    const QList<QStringList> rows = copied_table();
    ASSERT_EQ(rows.size(), 9);
    EXPECT_EQ(rows[7], (QStringList{"|V2|/|V1| (%)", "no ratio"}));
    EXPECT_EQ(rows[8], (QStringList{"|V0|/|V1| (%)", "no ratio"}));
}

// State: the start-up case converted and drawn; the focus in a field.
// Action: Ctrl+Shift+D.
// Expected: a PNG of the diagrams at twice the window's pixel density, the same picture for
// other programs, and an SVG that parses; the PNG shows the sheet at its corner, the white
// face of the first diagram's outer ring and the scale note under the diagrams.
TEST(CopyDiagrams, png_at_twice_the_density_and_svg) {
    const auto form = shown_form();
    click(form->Convert[0]);
    field(*form, "mag_a")->setFocus();
    QTest::keyClick(field(*form, "mag_a"), Qt::Key_D, Qt::ControlModifier | Qt::ShiftModifier);
    const QMimeData *data = clipboard().mimeData();
    ASSERT_NE(data, nullptr);
    for (const char *format : {"image/png", "image/svg+xml", "application/x-qt-image"})
        EXPECT_TRUE(data->hasFormat(QLatin1String(format))) << format;

    // Line1's length wide, down to the scale note's bottom (6925 twips), and a pixel of the
    // sheet around: 715 x 241 pixels at ratio 1, from (7, 223) of the window.
    const qreal ratio = form->devicePixelRatioF();
    const QImage png = QImage::fromData(data->data(QStringLiteral("image/png")), "PNG");
    EXPECT_EQ(png.size(), (QSize(715, 241) * 2 * ratio));
    EXPECT_EQ(qvariant_cast<QImage>(data->imageData()).size(), png.size());
    // Diagram 0's centre lies at (100.5, 333.7) pixels of the window, its radius 69: nine
    // tenths of the way out to the left is the ring's white face.
    const auto at = [&](double x, double y) {
        return png.pixelColor(int((x - 7) * 2 * ratio), int((y - 223) * 2 * ratio));
    };
    EXPECT_EQ(at(100.5 - 0.9 * 69, 333.7), QColor(Qt::white));
    EXPECT_EQ(at(12, 228), form->palette().color(QPalette::Window));
    int note_ink = 0; // the note's letters, on the row of pixels 444 to 452
    for (int x = 8; x < 560; ++x)
        note_ink += qGray(at(x, 448).rgb()) < 100;
    EXPECT_GT(note_ink, 50);

    QSvgRenderer svg(data->data(QStringLiteral("image/svg+xml")));
    EXPECT_TRUE(svg.isValid());
    EXPECT_EQ(svg.viewBox(), QRect(0, 0, 715, 241));
}

// State: the start-up case drawn. Action: save the diagrams as PNG, SVG and PDF, into a
// folder that cannot be written, and under another extension. Expected: files that read
// back as what they are; a notice naming the file and no file where it cannot be written.
TEST(SaveDiagrams, png_svg_and_pdf_by_extension_and_a_notice_when_it_cannot_be) {
    const auto form = shown_form();
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("d"));
    form->diagrams().save(path + ".png");
    EXPECT_FALSE(QFile::exists(path + ".png")) << "nothing drawn yet";
    click(form->Convert[0]);
    form->take_notice();

    form->diagrams().save(path + ".PNG");
    EXPECT_EQ(QImage(path + ".PNG", "PNG").size(), QSize(715, 241) * 2 * form->devicePixelRatioF());
    form->diagrams().save(path + ".svg");
    EXPECT_EQ(QSvgRenderer(path + ".svg").viewBox(), QRect(0, 0, 715, 241));
    form->diagrams().save(path + ".pdf");
    QFile pdf(path + ".pdf");
    ASSERT_TRUE(pdf.open(QIODevice::ReadOnly));
    EXPECT_TRUE(pdf.readAll().startsWith("%PDF-"));
    EXPECT_EQ(form->take_notice(), QString());
    QPrinter printer; // printed to a PDF file, as a print dialog offers
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(path + "-printed.pdf");
    form->diagrams().print(printer);
    EXPECT_GT(QFileInfo(path + "-printed.pdf").size(), 1000);

    // A "folder" that is a file cannot be written into, not even by root.
    form->diagrams().save(path + ".pdf/inside.png");
    EXPECT_TRUE(form->take_notice().contains(QLatin1String("inside.png")));
    form->diagrams().save(path + ".gif");
    EXPECT_TRUE(form->take_notice().contains(QLatin1String("PNG, SVG or PDF")));
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden).size(), 4);
}

// State: a fresh window, then one with results.
// Action: a context menu asked for over the plot area, a label, a button and a frame.
// Expected: Copy Results and the three diagram entries, enabled only once there are results
// and a drawing;
// its shortcut and choosing it then copy the table.
TEST(FormContextMenu, offers_both_copies_outside_the_fields) {
    const auto form = shown_form();
    const auto menu_at = [&](QWidget *target, QPoint at) {
        QContextMenuEvent event(QContextMenuEvent::Mouse, at, target->mapToGlobal(at));
        QApplication::sendEvent(target, &event);
        return qobject_cast<QMenu *>(QApplication::activePopupWidget());
    };
    const auto entries = [](QMenu *menu) {
        QStringList out;
        for (const QAction *action : menu->actions())
            out << action->text() + (action->isEnabled() ? "" : " (disabled)");
        return out;
    };
    const std::pair<QWidget *, QPoint> places[] = {
        {form.get(), QPoint(300, 300)}, // the plot area
        {form->Label2.widget(), QPoint(5, 5)},
        {form->CLEAR, QPoint(5, 5)},
        {form->Polar_ABC.widget(), QPoint(5, 5)},
    };
    for (const auto &[target, at] : places) {
        SCOPED_TRACE(target->objectName().toStdString());
        QMenu *menu = menu_at(target, at);
        ASSERT_NE(menu, nullptr);
        EXPECT_EQ(
            entries(menu),
            (QStringList{"Undo (disabled)", "Redo (disabled)", "", "Copy Results (disabled)",
                         "Save Results As\u2026 (disabled)", "Copy Diagrams (disabled)",
                         "Save Diagrams As\u2026 (disabled)", "Print Diagrams\u2026 (disabled)", "",
                         "Save Report As\u2026 (disabled)", "Print Report\u2026 (disabled)", "",
                         "Show Reading", "Enter Line-to-Line Voltages\u2026", "",
                         "Keep Cases Between Runs", "Forget All Cases"}));
        menu->close();
    }
    click(form->Convert[0]);
    // The entry was shown disabled, but the shortcut is live once there are results. (The
    // offscreen platform hands the activation back only when asked.)
    form->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
    clipboard().clear();
    QTest::keyClick(form.get(), Qt::Key_C, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_TRUE(clipboard().text().startsWith(QLatin1String("Phasor\t")));
    QMenu *menu = menu_at(form.get(), QPoint(300, 300));
    ASSERT_NE(menu, nullptr);
    ASSERT_EQ(entries(menu).mid(3, 5),
              (QStringList{"Copy Results", "Save Results As\u2026", "Copy Diagrams",
                           "Save Diagrams As\u2026", "Print Diagrams\u2026"}));
    clipboard().clear();
    menu->actions().at(3)->trigger();
    menu->close();
    EXPECT_TRUE(clipboard().text().startsWith(QLatin1String("Phasor\t")));
}

// State: a converted case. Action: Save Results As… from the context menu; the dialog's
// file name completed in a temporary folder and accepted. Expected: the workbook is offered
// first, as results.xlsx, and the file written is one.
TEST(SaveResults, offers_a_workbook_first) {
    const auto form = shown_form();
    click(form->Convert[0]);
    const QTemporaryDir folder;
    QStringList filters;
    QTimer::singleShot(0, form.get(), [&] {
        auto *dialog = qobject_cast<QFileDialog *>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr);
        filters = dialog->nameFilters();
        EXPECT_TRUE(dialog->selectedFiles().value(0).endsWith("/results.xlsx"));
        dialog->setDirectory(folder.path());
        dialog->selectFile(QStringLiteral("chosen"));
        static_cast<QDialog *>(dialog)->accept(); // QFileDialog::accept, which checks the name
    });
    QContextMenuEvent event(QContextMenuEvent::Mouse, QPoint(300, 300),
                            form->mapToGlobal(QPoint(300, 300)));
    QApplication::sendEvent(form.get(), &event);
    auto *menu = qobject_cast<QMenu *>(QApplication::activePopupWidget());
    ASSERT_NE(menu, nullptr);
    ASSERT_EQ(menu->actions().at(4)->text(), QStringLiteral("Save Results As\u2026"));
    menu->actions().at(4)->trigger();
    menu->close();
    EXPECT_EQ(filters, (QStringList{"Excel workbooks (*.xlsx)", "CSV files (*.csv)"}));
    QFile saved(folder.filePath("chosen.xlsx"));
    ASSERT_TRUE(saved.open(QIODevice::ReadOnly));
    EXPECT_TRUE(saved.read(4) == "PK\x03\x04");
}

} // namespace
