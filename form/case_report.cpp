#include "form/case_report.h"

#include <QAbstractTextDocumentLayout>
#include <QBuffer>
#include <QCoreApplication>
#include <QFont>
#include <QLocale>
#include <QPageLayout>
#include <QPageSize>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPdfWriter>
#include <QRegularExpression>
#include <QTextDocument>

#include <algorithm>

namespace form {

namespace {

// The report's texts, under one context for translators.
class Words {
    Q_DECLARE_TR_FUNCTIONS(CaseReport)
};

// The groups by their frames' captions, and the labels of their rows and columns.
struct GroupWords {
    const char *name;
    const char *rows[3];
    const char *columns[2];
};
constexpr GroupWords group_words[] = {
    {QT_TRANSLATE_NOOP("CaseReport", "ABC Polar"),
     {"A", "B", "C"},
     {QT_TRANSLATE_NOOP("CaseReport", "Magnitude"), QT_TRANSLATE_NOOP("CaseReport", "Angle")}},
    {QT_TRANSLATE_NOOP("CaseReport", "ABC Rectangular"),
     {"A", "B", "C"},
     {QT_TRANSLATE_NOOP("CaseReport", "Real"), QT_TRANSLATE_NOOP("CaseReport", "Imaginary")}},
    {QT_TRANSLATE_NOOP("CaseReport", "012 Polar"),
     {"0", "1", "2"},
     {QT_TRANSLATE_NOOP("CaseReport", "Magnitude"), QT_TRANSLATE_NOOP("CaseReport", "Angle")}},
    {QT_TRANSLATE_NOOP("CaseReport", "012 Rectangular"),
     {"0", "1", "2"},
     {QT_TRANSLATE_NOOP("CaseReport", "Real"), QT_TRANSLATE_NOOP("CaseReport", "Imaginary")}},
};

QString escaped(const QString &text) {
    return text.toHtmlEscaped();
}

// One group as a small table: a caption, then a row per phasor.
QString group_table(int group, const std::array<QString, 6> &texts) {
    const GroupWords &words = group_words[group];
    QString html = QStringLiteral("<table cellspacing='0' cellpadding='2'>"
                                  "<tr><th align='left' colspan='3'>%1</th></tr>"
                                  "<tr><td></td><td><i>%2</i></td><td><i>%3</i></td></tr>")
                       .arg(escaped(Words::tr(words.name)), escaped(Words::tr(words.columns[0])),
                            escaped(Words::tr(words.columns[1])));
    for (std::size_t row = 0; row < 3; ++row) {
        html +=
            QStringLiteral("<tr><td><b>%1</b></td><td>%2</td><td>%3</td></tr>")
                .arg(QLatin1String(words.rows[row]), escaped(texts[row]), escaped(texts[row + 3]));
    }
    return html + QStringLiteral("</table>");
}

// Everything above the diagrams.
QString head_html(const CaseReport &report) {
    QString html = QStringLiteral("<h2>%1</h2><p>%2 &#8212; Trivane %3</p>")
                       .arg(escaped(report_title()), escaped(report.when.toString(Qt::ISODate)),
                            escaped(report.version));
    if (!report.note.isEmpty())
        html += QStringLiteral("<p><b>%1</b> %2</p>")
                    .arg(escaped(Words::tr("Note:")), escaped(report.note.left(longest_note)));
    html += QStringLiteral("<h3>%1</h3>").arg(escaped(Words::tr("The case as typed")));
    html += group_table(report.entered_group, report.typed);
    html += QStringLiteral("<h3>%1</h3><table cellspacing='0' cellpadding='6'><tr>")
                .arg(escaped(Words::tr("The four groups")));
    for (int group = 0; group < 4; ++group) {
        html += QStringLiteral("<td valign='top'>") +
                group_table(group, report.shown[static_cast<std::size_t>(group)]) +
                QStringLiteral("</td>");
        if (group == 1)
            html += QStringLiteral("</tr><tr>");
    }
    html += QStringLiteral("</tr></table>");
    if (!report.unbalance.isEmpty())
        html += QStringLiteral("<p>%1</p>").arg(escaped(report.unbalance));
    return html;
}

QString lines_html(const QStringList &lines) {
    QString html;
    for (const QString &line : lines)
        html += escaped(line) + QStringLiteral("<br>");
    return html;
}

QString reading_html(const QStringList &reading) {
    return QStringLiteral("<h3>%1</h3><p>%2</p>")
        .arg(escaped(Words::tr("Reading")), lines_html(reading));
}

// A document laid out for the page at the device's resolution, in a 9-point font.
struct PageText {
    QTextDocument document;
    PageText(const QString &html, QPagedPaintDevice &device, qreal width) {
        document.documentLayout()->setPaintDevice(&device);
        QFont font = document.defaultFont();
        font.setPointSizeF(9);
        document.setDefaultFont(font);
        document.setDocumentMargin(0);
        document.setHtml(html);
        document.setTextWidth(width);
    }
    qreal height() const { return document.size().height(); }
    void paint(QPainter &painter, qreal top) {
        painter.save();
        painter.translate(0, top);
        document.drawContents(&painter);
        painter.restore();
    }
};

} // namespace

QString report_title() {
    return Words::tr("Trivane case report");
}

QPageSize default_paper(const QLocale &locale) {
    // The countries whose offices use Letter paper.
    switch (locale.territory()) {
    case QLocale::UnitedStates:
    case QLocale::Canada:
    case QLocale::Mexico:
    case QLocale::Chile:
    case QLocale::Colombia:
    case QLocale::Venezuela:
    case QLocale::Philippines:
        return QPageSize(QPageSize::Letter);
    default:
        return QPageSize(QPageSize::A4);
    }
}

void paint_report(const CaseReport &report, QPagedPaintDevice &device) {
    QPainter painter(&device);
    // The painter's origin is the corner of the printable area.
    const QRectF page = device.pageLayout().paintRectPixels(device.logicalDpiX()).toRectF();
    const qreal gap = device.logicalDpiX() / 6.0; // an eighth of an inch and a bit

    PageText head(head_html(report), device, page.width());
    head.paint(painter, 0);
    qreal top = head.height() + gap;

    if (report.diagrams) {
        const toolkit::Figure &figure = *report.diagrams;
        const QSizeF size = QSizeF(figure.size()) * (device.logicalDpiX() / report.diagrams_dpi);
        const qreal fit = std::min(1.0, page.width() / size.width());
        // The values under the diagrams, a column each beneath its diagram.
        QString values = QStringLiteral("<table width='100%' cellspacing='0'><tr>");
        for (const QStringList &lines : report.diagram_values)
            values += QStringLiteral("<td width='25%' valign='top' align='center'>") +
                      lines_html(lines) + QStringLiteral("</td>");
        values += QStringLiteral("</tr></table>");
        PageText under(values, device, size.width() * fit);
        const qreal needed = size.height() * fit + under.height();
        if (top + needed > page.height() && top > 0) {
            device.newPage();
            top = 0;
        }
        painter.save();
        painter.translate((page.width() - size.width() * fit) / 2, top);
        painter.scale(device.logicalDpiX() / report.diagrams_dpi * fit,
                      device.logicalDpiX() / report.diagrams_dpi * fit);
        figure.paint(painter);
        painter.restore();
        painter.save();
        painter.translate((page.width() - size.width() * fit) / 2, 0);
        under.paint(painter, top + size.height() * fit);
        painter.restore();
        top += needed + gap;
    }

    if (!report.reading.isEmpty()) {
        PageText reading(reading_html(report.reading), device, page.width());
        if (top + reading.height() > page.height()) {
            device.newPage();
            top = 0;
        }
        reading.paint(painter, top);
    }
}

QLocale paper_locale() {
    for (const char *name : {"LC_ALL", "LC_PAPER", "LANG"}) {
        const QString value = qEnvironmentVariable(name);
        // "de_DE.UTF-8" or "de_DE@euro" names the locale before its codeset or modifier.
        const QString locale =
            value.left(value.indexOf(QRegularExpression(QStringLiteral("[.@]"))));
        if (!locale.isEmpty() && locale != QLatin1String("C") && locale != QLatin1String("POSIX"))
            return QLocale(locale);
    }
    return QLocale();
}

QByteArray report_pdf(const CaseReport &report, const QLocale &locale) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    {
        QPdfWriter writer(&buffer);
        writer.setTitle(report_title());
        writer.setCreator(QStringLiteral("Trivane ") + report.version);
        writer.setResolution(300);
        writer.setPageLayout(QPageLayout(default_paper(locale), QPageLayout::Portrait,
                                         QMarginsF(15, 15, 15, 15), QPageLayout::Millimeter));
        paint_report(report, writer);
    }
    return bytes;
}

} // namespace form
