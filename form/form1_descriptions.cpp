#include "form/form1_descriptions.h"

#include "calc/unbalance.h"
#include "toolkit/number_text.h"

#include <QStringList>

#include <cmath>

namespace form {

namespace {

const QChar minus(0x2212);

// A number as a reader should see it: the typed text without its blanks, with a true
// minus sign.
QString readable(QString text) {
    text = text.trimmed();
    if (text.startsWith(QLatin1Char('-')))
        text.replace(0, 1, minus);
    return text;
}

QString degrees(const QString &text) {
    return text + QChar(0x00B0);
}

} // namespace

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
            rows << label + QLatin1Char(' ') + first + QStringLiteral(" at ") + degrees(second);
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
        return QStringLiteral("No unbalance ratio: the positive sequence is zero.");
    QString text = QStringLiteral("Unbalance |V2|/|V1| %1 %, |V0|/|V1| %2 %.")
                       .arg(toolkit::format_fixed(u->negative_percent, 1),
                            toolkit::format_fixed(u->zero_percent, 1));
    if (u->turns_acb)
        text += QStringLiteral(" The set turns A-C-B: its phases rotate the other way, or two "
                               "of them are swapped.");
    return text;
}

QString drawn_phasor(double re, double im) {
    const double length = std::hypot(re, im);
    const double angle = length == 0 ? 0.0 : std::atan2(im, re) * 180 / calc::pi;
    return readable(toolkit::format_significant(length, 3)) + QStringLiteral(" at ") +
           degrees(readable(toolkit::format_fixed(angle, 1)));
}

} // namespace form
