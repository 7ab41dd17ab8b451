// The report of a case: real text a reader can search, on the locale's paper.
#include "form/form1_report.h"
#include "tests/support/shown_form.h"

#include <QLocale>
#include <QPageSize>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>

namespace {

// What a PDF reader extracts from the report: its text and its facts.
struct ReadBack {
    QString text;
    QString info;
    QString fonts;
};

ReadBack read_back(const QByteArray &pdf) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("report.pdf"));
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(pdf);
    file.close();
    const auto run = [&](const QString &program, QStringList arguments) {
        QProcess process;
        process.start(program, arguments);
        EXPECT_TRUE(process.waitForFinished(30000)) << program.toStdString();
        return QString::fromUtf8(process.readAllStandardOutput());
    };
    return {
        run(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), path, QStringLiteral("-")}),
        run(QStringLiteral("pdfinfo"), {path}), run(QStringLiteral("pdffonts"), {path})};
}

QString line_with(const QString &text, const QString &start) {
    for (const QString &line : text.split(QLatin1Char('\n'))) {
        if (line.trimmed().startsWith(start))
            return line.simplified();
    }
    return {};
}

} // namespace

// State: a case typed into ABC polar and converted. Action: a report with a note.
// Expected: one page of searchable text in embedded fonts with the note, the date, the
// version, the typed texts, every group as shown, the unbalance and each diagram's phasors.
TEST(FormReport, holds_the_case_as_text_on_one_page) {
    const auto form = testing_support::shown_form();
    form->findChild<QLineEdit *>(QStringLiteral("mag_a"))->setText(QStringLiteral("7.25"));
    form->Convert_Click(0);
    form::CaseReport report = form::report_of(*form, QStringLiteral("Feeder 12, relay R3"));
    report.when = QDateTime(QDate(2026, 12, 9), QTime(14, 5, 30));
    const ReadBack pdf = read_back(form::report_pdf(report, QLocale(QStringLiteral("de_DE"))));

    EXPECT_TRUE(pdf.text.contains(QStringLiteral("Trivane case report")));
    EXPECT_TRUE(pdf.text.contains(QStringLiteral("2026-12-09T14:05:30")));
    EXPECT_TRUE(pdf.text.contains(QStringLiteral("Trivane ") + report.version));
    EXPECT_TRUE(pdf.text.contains(QStringLiteral("Feeder 12, relay R3")));
    EXPECT_EQ(line_with(pdf.text, QStringLiteral("A 7.25")), QStringLiteral("A 7.25 0.0"));
    for (const char *caption : {"ABC Polar", "ABC Rectangular", "012 Polar", "012 Rectangular"})
        EXPECT_TRUE(pdf.text.contains(QLatin1String(caption))) << caption;
    for (int group = 0; group < 4; ++group) {
        for (toolkit::TextBox *field : group_fields(*form, group))
            EXPECT_TRUE(pdf.text.contains(field->Text())) << field->Text().toStdString();
    }
    EXPECT_TRUE(pdf.text.contains(QStringLiteral("Unbalance |V2|/|V1|")));
    EXPECT_TRUE(pdf.text.contains(QStringLiteral("A 7.25 \u2220 0.00\u00B0")));
    EXPECT_TRUE(pdf.text.contains(QStringLiteral("A0, B0, C0")));
    // What the reading window shows of the case.
    EXPECT_TRUE(pdf.text.contains(QStringLiteral("Relay quantities")));
    EXPECT_TRUE(pdf.text.contains(QStringLiteral("3X0 = ")));
    EXPECT_TRUE(pdf.info.contains(QRegularExpression(QStringLiteral("Pages:\\s+1\n"))));
    EXPECT_TRUE(pdf.info.contains(QStringLiteral("(A4)")));
    // Every font is embedded: the "emb" column of each font row says yes.
    const QStringList fonts = pdf.fonts.split(QLatin1Char('\n'), Qt::SkipEmptyParts).mid(2);
    ASSERT_FALSE(fonts.isEmpty());
    for (const QString &row : fonts)
        EXPECT_TRUE(row.contains(QStringLiteral(" yes "))) << row.toStdString();
}

// A reading too long for what is left of the first page goes onto a second, on Letter paper
// where the locale uses it.
TEST(FormReport, a_long_reading_takes_a_second_page) {
    const auto form = testing_support::shown_form();
    form->Convert_Click(0);
    form::CaseReport report = form::report_of(*form, {});
    for (int i = 0; i < 40; ++i)
        report.reading << QStringLiteral("Reading line %1").arg(i);
    const ReadBack pdf = read_back(form::report_pdf(report, QLocale(QStringLiteral("en_US"))));
    EXPECT_TRUE(pdf.info.contains(QRegularExpression(QStringLiteral("Pages:\\s+2\n"))));
    EXPECT_TRUE(pdf.info.contains(QStringLiteral("(letter)")));
    EXPECT_TRUE(pdf.text.contains(QStringLiteral("Reading line 39")));
}

TEST(FormReport, paper_follows_the_locale) {
    EXPECT_EQ(form::default_paper(QLocale(QStringLiteral("en_US"))).id(), QPageSize::Letter);
    EXPECT_EQ(form::default_paper(QLocale(QStringLiteral("en_CA"))).id(), QPageSize::Letter);
    EXPECT_EQ(form::default_paper(QLocale(QStringLiteral("en_GB"))).id(), QPageSize::A4);
    EXPECT_EQ(form::default_paper(QLocale(QStringLiteral("de_DE"))).id(), QPageSize::A4);
}

// The paper's country comes from the C library's settings, never from LANGUAGE.
TEST(FormReport, paper_country_comes_from_the_locale_settings) {
    const struct {
        const char *lc_all, *lc_paper, *lang;
        QPageSize::PageSizeId paper;
    } rows[] = {
        {"", "", "de_DE.UTF-8", QPageSize::A4},                     // English words, German desktop
        {"", "en_US.UTF-8", "de_DE.UTF-8", QPageSize::Letter},      // LC_PAPER before LANG
        {"en_CA.UTF-8", "de_DE.UTF-8", "de_DE", QPageSize::Letter}, // LC_ALL first
        {"C.UTF-8", "", "en_US@euro", QPageSize::Letter},           // C says nothing
    };
    const QByteArray saved[] = {qgetenv("LC_ALL"), qgetenv("LC_PAPER"), qgetenv("LANG"),
                                qgetenv("LANGUAGE")};
    for (const auto &row : rows) {
        SCOPED_TRACE(row.lang);
        qputenv("LC_ALL", row.lc_all);
        qputenv("LC_PAPER", row.lc_paper);
        qputenv("LANG", row.lang);
        qputenv("LANGUAGE", "en");
        EXPECT_EQ(form::default_paper(form::paper_locale()).id(), row.paper);
    }
    const char *names[] = {"LC_ALL", "LC_PAPER", "LANG", "LANGUAGE"};
    for (std::size_t i = 0; i < 4; ++i)
        qputenv(names[i], saved[i]);
}
