#pragma once

// A report of the case on paper: one page (two when the reading is long) with the title,
// the date and the program's version, the user's note, the case as typed, the four groups
// as the window shows them, the unbalance, the reading and the four diagrams as vectors
// with each phasor's magnitude and angle beside its diagram. Its texts are real text in
// embedded fonts, so a PDF of it can be searched and copied.

#include "toolkit/figure.h"

#include <QDateTime>
#include <QString>
#include <QStringList>

#include <array>
#include <optional>

class QPagedPaintDevice;
class QPageSize;
class QLocale;

namespace form {

struct CaseReport {
    QDateTime when;
    QString version;
    QString note; // one line, at most longest_note characters
    // The group the case was typed in (0 ABC polar ... 3 012 rectangular) and its six texts
    // in reading order, magnitudes or real parts first.
    int entered_group = 0;
    std::array<QString, 6> typed;
    // Every group's six texts as the window shows them, in the same order.
    std::array<std::array<QString, 6>, 4> shown;
    QString unbalance;
    // What the reading window shows, a line each; empty when it shows nothing.
    QStringList reading;
    // The diagrams, and under each the phasors it draws, a line each.
    std::optional<toolkit::Figure> diagrams;
    qreal diagrams_dpi = 96;
    std::array<QStringList, 4> diagram_values;
};

inline constexpr qsizetype longest_note = 200;

// The report's title, "Trivane case report", in the language of the window.
QString report_title();
// A4, or Letter where the locale's country uses it.
QPageSize default_paper(const QLocale &locale);
// The locale whose country decides the paper: LC_ALL, then LC_PAPER, then LANG, as the C
// library reads them, or Qt's default locale where none is set. LANGUAGE, which chooses only
// the words, plays no part: English words on a German desktop still print on A4.
QLocale paper_locale();
// Paints the report on the device's pages from its first; starts a second page only when
// what follows the diagrams does not fit on the first.
void paint_report(const CaseReport &report, QPagedPaintDevice &device);
// The report as the bytes of a PDF on the locale's default paper.
QByteArray report_pdf(const CaseReport &report, const QLocale &locale);

} // namespace form
