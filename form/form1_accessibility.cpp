#include "form/form1.h"

#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

namespace {

// "mag_a" -> "Phase A magnitude", "ang_2" -> "Sequence 2 angle".
QString spoken_field_name(const QString &name) {
    const QString quantity = name.section(QLatin1Char('_'), 0, 0);
    const QString row = name.section(QLatin1Char('_'), 1, 1);
    const bool phase = row.at(0).isLetter();
    QString what;
    if (quantity == QLatin1String("mag"))
        what = QStringLiteral("magnitude");
    else if (quantity == QLatin1String("ang"))
        what = QStringLiteral("angle in degrees");
    else if (quantity == QLatin1String("real"))
        what = QStringLiteral("real part");
    else
        what = QStringLiteral("imaginary part");
    return (phase ? QStringLiteral("Phase ") + row.toUpper() : QStringLiteral("Sequence ") + row) +
           QLatin1Char(' ') + what;
}

} // namespace

void Form1::describe_for_screen_readers() {
    // Screen readers read these; sighted users never see them.
    for (toolkit::TextBox *field : all_fields())
        field->widget()->setAccessibleName(spoken_field_name(field->widget()->objectName()));
    const char *groups[] = {"ABC polar", "ABC rectangular", "012 polar", "012 rectangular"};
    for (std::size_t i = 0; i < Convert.size(); ++i) {
        Convert[i]->setAccessibleName(QStringLiteral("Convert %1").arg(QLatin1String(groups[i])));
        Convert[i]->setAccessibleDescription(
            QStringLiteral("Converts the %1 entries into the three other forms and draws them")
                .arg(QLatin1String(groups[i])));
    }
    CLEAR->setAccessibleName(QStringLiteral("Clear screen"));
    CLEAR->setAccessibleDescription(
        QStringLiteral("Sets every entry to zero and converts the empty case"));
    for (int i = 1; i <= 10; ++i)
        Option1[static_cast<std::size_t>(i)].widget()->setAccessibleName(
            QStringLiteral("Memory slot %1").arg(i));
    setAccessibleName(windowTitle());
    setAccessibleDescription(QStringLiteral(
        "Below the entry groups four phasor diagrams: phases A (black), B (red) and C (blue), "
        "then the positive, negative and zero sequence components, all at one scale on which "
        "the longest of A, B and C reaches the outer circle"));
}
