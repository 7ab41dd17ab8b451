#include "form/form1_descriptions.h"

#include "calc/unbalance.h"
#include "toolkit/number_text.h"

#include <QCoreApplication>
#include <QStringList>

namespace form {

namespace {

const QChar minus(0x2212);

QString degrees(const QString &text) {
    return text + QChar(0x00B0);
}

class Words {
    Q_DECLARE_TR_FUNCTIONS(ScreenReaderText)
};

} // namespace

QString readable(QString text) {
    // Longer than any number typed by hand; a pasted megabyte stays out of the way.
    constexpr qsizetype longest = 40;
    text = text.trimmed();
    if (text.size() > longest)
        text = text.left(longest - 1) + QChar(0x2026);
    if (text.startsWith(QLatin1Char('-')))
        text.replace(0, 1, minus);
    return text;
}

QString case_summary(const SavedCase &saved) {
    const bool phases = saved.group < 2;
    const bool polar = saved.group % 2 == 0;
    QStringList rows;
    for (std::size_t row = 0; row < 3; ++row) {
        const QString label =
            phases ? QString(QLatin1Char("ABC"[row])) : QStringLiteral("V") + QString::number(row);
        const QString first = readable(saved.texts[row]);
        const QString second = readable(saved.texts[row + 3]);
        if (polar) {
            //: A phasor of a saved case, as "A 7.25 at 0°": %1 its label, %2 its magnitude,
            //: %3 its angle.
            rows << Words::tr("%1 %2 at %3").arg(label, first, degrees(second));
        } else if (second.startsWith(minus) || second.startsWith(QLatin1Char('+'))) {
            rows << label + QLatin1Char(' ') + first + QLatin1Char(' ') + second.at(0) +
                        QStringLiteral(" j") + second.mid(1);
        } else {
            rows << label + QLatin1Char(' ') + first + QStringLiteral(" + j") + second;
        }
    }
    return rows.join(QStringLiteral(", "));
}

QString unbalance_summary(const calc::PhasorState &state) {
    const auto u = calc::unbalance(state);
    if (!u)
        return Words::tr("No unbalance ratio: the positive sequence is zero.");
    //: %1 and %2 are percentages.
    QString text = Words::tr("Unbalance |V2|/|V1| %1 %, |V0|/|V1| %2 %.")
                       .arg(toolkit::format_fixed(u->negative_percent, 1),
                            toolkit::format_fixed(u->zero_percent, 1));
    if (u->turns_acb)
        text += QLatin1Char(' ') + Words::tr("The set turns A-C-B: its phases rotate the other "
                                             "way, or two of them are swapped.");
    else if (u->equal_sequences)
        text += QLatin1Char(' ') + Words::tr("|V2| and |V1| are equal within the precision held: "
                                             "the phase order cannot be told from them.");
    return text;
}

QString phasor_in_words(double magnitude, double degrees_shown) {
    //: A phasor as "1 at −120°": %1 its magnitude, %2 its angle.
    return Words::tr("%1 at %2")
        .arg(readable(toolkit::format_significant(magnitude, 3)),
             degrees(readable(toolkit::format_fixed(degrees_shown, 1))));
}

} // namespace form
