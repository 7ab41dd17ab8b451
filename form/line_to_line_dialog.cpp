#include "form/line_to_line_dialog.h"

#include "calc/phase_set.h"
#include "toolkit/number_text.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

#include <algorithm>
#include <cmath>
#include <limits>

namespace form {

namespace {

const char *const side_names[] = {"Vab", "Vbc", "Vca"};

} // namespace

std::optional<LineEntry> line_entry(const std::array<QString, 6> &texts, bool magnitudes_only,
                                    QStringView separator, QString *problem, bool in_english) {
    LineEntry entry;
    std::array<double, 3> degrees{};
    for (std::size_t i = 0; i < 6; ++i) {
        if (i >= 3 && magnitudes_only)
            break;
        const auto number = toolkit::parse_number(texts[i], separator);
        if (!number || !std::isfinite(number->value)) {
            const char *why = i < 3 ? QT_TRANSLATE_NOOP("form::LineToLineDialog",
                                                        "The magnitude of %1 is not a number.")
                                    : QT_TRANSLATE_NOOP("form::LineToLineDialog",
                                                        "The angle of %1 is not a number.");
            if (problem)
                *problem = (in_english ? QString::fromLatin1(why) : LineToLineDialog::tr(why))
                               .arg(QLatin1String(side_names[i % 3]));
            return std::nullopt;
        }
        (i < 3 ? entry.magnitudes[i] : degrees[i - 3]) = number->value;
    }
    if (!magnitudes_only)
        entry.degrees = degrees;
    return entry;
}

LineOutcome line_to_line(const LineEntry &entry, QStringView separator) {
    LineOutcome out;
    const auto &m = entry.magnitudes;
    if (entry.degrees) {
        calc::Three line;
        for (std::size_t i = 0; i < 3; ++i)
            line[i] = calc::phasor(m[i], (*entry.degrees)[i] * calc::pi / 180);
        out.sequences = calc::sequences_of_line(line);
    } else {
        out.sequences = calc::sequences_of_line_magnitudes(m[0], m[1], m[2]);
    }
    switch (out.sequences.refusal) {
    case calc::LineRefusal::none:
        break;
    case calc::LineRefusal::not_closed:
        out.problem = LineToLineDialog::tr("The triangle does not close: Vab + Vbc + Vca leaves "
                                           "%1, more than 1 % of its longest side.")
                          .arg(toolkit::format_significant(out.sequences.residue, 5));
        return out;
    case calc::LineRefusal::impossible_triangle:
        out.problem = LineToLineDialog::tr("These magnitudes cannot form a triangle: no side may "
                                           "be longer than the other two together.");
        return out;
    }
    // What the double arithmetic leaves of a component that is not there is written as 0.
    const double rounding =
        64 * std::numeric_limits<double>::epsilon() *
        std::max({std::abs(out.sequences.line[0]), std::abs(out.sequences.line[1]),
                  std::abs(out.sequences.line[2])});
    const calc::Phasor v1 = calc::zero_within(out.sequences.positive, rounding);
    const calc::Phasor v2 = calc::zero_within(out.sequences.negative, rounding);
    if (entry.degrees) {
        out.unbalance =
            std::abs(v1) > 0
                ? LineToLineDialog::tr("|V2|/|V1| = %1 %")
                      .arg(toolkit::format_significant(100 * std::abs(v2) / std::abs(v1), 5))
                : LineToLineDialog::tr("|V2|/|V1|: no ratio, V1 is 0");
    } else {
        const auto u2 = calc::magnitude_unbalance_percent(m[0], m[1], m[2]);
        out.unbalance = u2 ? LineToLineDialog::tr("u2 = %1 %, from the magnitudes alone")
                                 .arg(toolkit::format_significant(*u2, 5))
                           : LineToLineDialog::tr("u2: none for three zeros");
    }
    const auto text = [&](double v) { return toolkit::format_shortest(v, separator); };
    out.texts = {QStringLiteral("0"), text(std::abs(v1)),         text(std::abs(v2)),
                 QStringLiteral("0"), text(calc::degrees_of(v1)), text(calc::degrees_of(v2))};
    return out;
}

QString line_to_line_notice() {
    return LineToLineDialog::tr("V0 is shown as 0 because line-to-line values cannot give it.");
}

LineToLineDialog::LineToLineDialog(QWidget *parent)
    : QDialog(parent)
    , magnitudes_only_(new QCheckBox(tr("magnitudes only")))
    , status_(new QLabel) {
    setObjectName(QStringLiteral("line_to_line_dialog"));
    setWindowTitle(tr("Enter Line-to-Line Voltages…"));
    auto *grid = new QGridLayout;
    grid->addWidget(new QLabel(tr("Magnitude")), 0, 1);
    grid->addWidget(new QLabel(tr("Angle (degrees)")), 0, 2);
    for (int side = 0; side < 3; ++side) {
        const QString name = QLatin1String(side_names[side]);
        auto *label = new QLabel(name);
        grid->addWidget(label, side + 1, 0);
        for (int column = 0; column < 2; ++column) {
            auto *field = new QLineEdit;
            const std::size_t i = static_cast<std::size_t>(3 * column + side);
            fields_[i] = field;
            field->setObjectName(name.toLower() + (column == 0 ? QStringLiteral("_magnitude")
                                                               : QStringLiteral("_angle")));
            field->setAccessibleName(column == 0 ? tr("Magnitude of %1").arg(name)
                                                 : tr("Angle of %1 in degrees").arg(name));
            grid->addWidget(field, side + 1, column + 1);
            connect(field, &QLineEdit::textChanged, this, [this] { update(); });
        }
        label->setBuddy(fields_[static_cast<std::size_t>(side)]);
    }
    magnitudes_only_->setObjectName(QStringLiteral("magnitudes_only"));
    connect(magnitudes_only_, &QCheckBox::toggled, this, [this](bool only) {
        for (std::size_t i = 3; i < 6; ++i)
            fields_[i]->setEnabled(!only);
        update();
    });
    status_->setObjectName(QStringLiteral("line_to_line_status"));
    status_->setWordWrap(true);
    status_->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    connect(buttons, &QDialogButtonBox::accepted, this, &LineToLineDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &LineToLineDialog::reject);

    auto *layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addWidget(magnitudes_only_);
    layout->addWidget(status_);
    layout->addWidget(buttons);
    // Side by side: Vab's magnitude and angle, then Vbc's, then Vca's.
    QWidget *previous = nullptr;
    for (std::size_t k = 0; k < 6; ++k) {
        QWidget *field = fields_[3 * (k % 2) + k / 2];
        if (previous)
            setTabOrder(previous, field);
        previous = field;
    }
    setTabOrder(previous, magnitudes_only_);
    setTabOrder(magnitudes_only_, buttons);
    update();
}

std::optional<LineOutcome> LineToLineDialog::update() {
    const bool only = magnitudes_only_->isChecked();
    std::array<QString, 6> texts;
    bool empty = false;
    for (std::size_t i = 0; i < 6; ++i) {
        texts[i] = fields_[i]->text();
        empty = empty || ((i < 3 || !only) && texts[i].trimmed().isEmpty());
    }
    if (empty) {
        status_->setText(only ? tr("Enter the magnitudes of Vab, Vbc and Vca.")
                              : tr("Enter Vab, Vbc and Vca as magnitude and angle."));
        return std::nullopt;
    }
    QString problem;
    const auto entry = line_entry(texts, only, toolkit::decimal_separator(), &problem);
    if (!entry) {
        status_->setText(problem);
        return std::nullopt;
    }
    LineOutcome outcome = line_to_line(*entry, toolkit::decimal_separator());
    status_->setText(outcome.problem.isEmpty() ? outcome.unbalance : outcome.problem);
    if (!outcome.problem.isEmpty())
        return std::nullopt;
    return outcome;
}

void LineToLineDialog::accept() {
    const auto outcome = update();
    if (!outcome) {
        // The status says why; the focus goes to the first field to change.
        fields_[0]->setFocus();
        return;
    }
    texts_ = outcome->texts;
    QDialog::accept();
}

} // namespace form
