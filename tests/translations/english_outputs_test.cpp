// What stays English under any catalogue, and what follows it: checked under a stand-in
// catalogue that marks every text it translates, so these pass before any translation.
#include "tests/support/shown_form.h"

#include "calc/phasor.h"
#include "calc/sequence.h"
#include "calc/single.h"
#include "calc/unbalance.h"
#include "form/case_reading.h"
#include "form/case_memory.h"
#include "form/cell_paste.h"
#include "form/line_to_line_dialog.h"
#include "form/results_export.h"

#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTranslator>

#include <set>

namespace {

// Translates every text of every context to «text».
class MarkingTranslator : public QTranslator {
public:
    bool isEmpty() const override { return false; }
    QString translate(const char *, const char *source, const char *, int) const override {
        return QStringLiteral("«%1»").arg(QString::fromUtf8(source));
    }
};

// Installs the marking catalogue for one test.
class Marked {
public:
    Marked() { QCoreApplication::installTranslator(&translator_); }
    ~Marked() { QCoreApplication::removeTranslator(&translator_); }
    Marked(const Marked &) = delete;
    Marked &operator=(const Marked &) = delete;

private:
    MarkingTranslator translator_;
};

// The start-up case, A 1∠0°, B 1∠−120°, C 1∠120°, converted from ABC polar.
form::ResultsCase start_up_case() {
    form::ResultsCase c;
    calc::PhasorState &s = c.phasors;
    calc::set_angle_constants(s);
    const double typed[6] = {1, 1, 1, 0, -120, 120};
    for (std::size_t i = 0; i < 6; ++i)
        c.entered[i] = {typed[i], calc::to_single(typed[i])};
    s.va_mag = s.vb_mag = s.vc_mag = 1;
    s.va_ang = 0, s.vb_ang = -120 * double(s.pi180), s.vc_ang = calc::to_single(120 * s.pi180);
    calc::abc_to_seq(s);
    c.resolution = calc::sequence_resolution(s);
    return c;
}

// Expected: the CSV byte for byte as with no catalogue; the clipboard's labels translated,
// its numbers not.
TEST(UnderACatalogue, the_csv_stays_english_and_the_clipboard_follows) {
    const QByteArray english = form::results_csv(form::results_table(start_up_case()));
    const Marked marked;
    const form::ResultsTable table = form::results_table(start_up_case());
    EXPECT_EQ(form::results_csv(table), english);
    const QString text = form::results_text(table, u".");
    EXPECT_TRUE(text.startsWith(QStringLiteral("«Phasor»\t«Magnitude»\t"))) << text.toStdString();
    EXPECT_TRUE(text.contains(QStringLiteral("\nB\t1\t-120\t"))) << text.toStdString();
    EXPECT_TRUE(text.contains(QStringLiteral("«|V2|/|V1| (%)»")));
}

// Expected: the menu's entries in the catalogue's words, each still named in English for
// the replay driver's menu command.
TEST(UnderACatalogue, menu_entries_keep_their_english_names) {
    const Marked marked;
    auto form = testing_support::shown_form();
    const std::unique_ptr<QMenu> menu(form->actions().context_menu());
    std::set<QString> names;
    for (QAction *action : menu->actions()) {
        if (action->isSeparator() || action->objectName() == QLatin1String("Undo") ||
            action->objectName() == QLatin1String("Redo"))
            continue;
        names.insert(action->objectName());
        EXPECT_EQ(action->text(), QStringLiteral("«%1»").arg(action->objectName()));
    }
    const std::set<QString> english{"Copy Results",
                                    "Save Results As…",
                                    "Copy Diagrams",
                                    "Save Diagrams As…",
                                    "Print Diagrams…",
                                    "Save Report As…",
                                    "Print Report…",
                                    "Show Reading",
                                    "Enter Line-to-Line Voltages…",
                                    "Keep Cases Between Runs",
                                    "Forget All Cases"};
    EXPECT_EQ(names, english);
}

// Expected: a paste's notice counts in the catalogue's plural forms, rows before columns;
// without a catalogue, English singulars and plurals.
TEST(UnderACatalogue, dropped_cells_are_counted_in_the_catalogues_words) {
    form::CellPaste paste;
    paste.dropped_rows = 1;
    paste.dropped_columns = 2;
    EXPECT_EQ(form::dropped_cells(paste),
              QStringLiteral("1 row and 2 columns did not fit the group"));
    const Marked marked;
    EXPECT_EQ(form::dropped_cells(paste),
              QStringLiteral("««1 rows» and «2 columns» did not fit the group»"));
    paste.dropped_rows = 0;
    EXPECT_EQ(form::dropped_cells(paste), QStringLiteral("««2 columns» did not fit the group»"));
}

// Expected: the vector group "none" reads as none in English and in the word the reading
// window shows for it; any other word is a group to read.
TEST(UnderACatalogue, the_shown_word_for_none_means_none) {
    const Marked marked;
    for (const char *text : {"none", "NONE", "«none»"}) {
        form::ReadingInput input;
        input.group = QString::fromUtf8(text);
        EXPECT_TRUE(form::read_case(input).group_text.isEmpty()) << text;
    }
    form::ReadingInput other;
    other.group = QStringLiteral("keine");
    EXPECT_EQ(form::read_case(other).group_text, QStringLiteral("keine"));
}

// State: a file where the memory's folder should be. Action: a case kept. Expected: the
// window is told in the catalogue's words; standard error gets the same failure in English.
TEST(UnderACatalogue, the_memory_tells_standard_error_in_english) {
    const QTemporaryDir dir;
    const QString folder = dir.filePath(QStringLiteral("state"));
    QFile blocker(folder);
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    static QStringList lines;
    lines.clear();
    const Marked marked;
    form::CaseMemory memory(folder, dir.filePath(QStringLiteral("trivane.conf")));
    QSignalSpy told(&memory, &form::CaseMemory::problem);
    const QtMessageHandler previous = qInstallMessageHandler(
        [](QtMsgType, const QMessageLogContext &, const QString &line) { lines << line; });
    memory.keep({0, {"1", "1", "1", "0", "-120", "120"}});
    memory.wait_for_pending();
    qInstallMessageHandler(previous);
    ASSERT_EQ(told.count(), 1);
    const QString notice = told[0][0].toString();
    EXPECT_TRUE(notice.startsWith(QStringLiteral("«Cases are kept for this run only: could not "
                                                 "make the folder")))
        << notice.toStdString();
    ASSERT_EQ(lines.size(), 1);
    EXPECT_TRUE(lines[0].startsWith(QStringLiteral("Could not make the folder")))
        << lines[0].toStdString();
    EXPECT_FALSE(lines[0].contains(QStringLiteral("«")));
}

} // namespace

// Expected: a line-to-line text that is no number is named in the catalogue's words for the
// dialog, and in English for the replay driver's standard error.
TEST(UnderACatalogue, a_line_to_line_problem_for_standard_error_stays_english) {
    const Marked marked;
    const std::array<QString, 6> texts{QStringLiteral("1"), QStringLiteral("x"),
                                       QStringLiteral("1")};
    QString shown, english;
    EXPECT_FALSE(form::line_entry(texts, true, u".", &shown));
    EXPECT_FALSE(form::line_entry(texts, true, u".", &english, true));
    EXPECT_EQ(shown, QStringLiteral("«The magnitude of %1 is not a number.»").arg("Vbc"));
    EXPECT_EQ(english, QStringLiteral("The magnitude of Vbc is not a number."));
}
