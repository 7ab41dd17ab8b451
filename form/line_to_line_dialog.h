#pragma once

// moc reads no further than the class needs: it cannot parse <numbers>.
#ifndef Q_MOC_RUN
#include "calc/line_voltages.h"
#endif

#include <QDialog>
#include <QString>
#include <QStringView>

#include <array>
#include <optional>

class QCheckBox;
class QLabel;
class QLineEdit;

namespace form {

// Three line-to-line voltages Vab, Vbc, Vca: as magnitude and angle in degrees, or as
// magnitudes only (voltmeter readings).
struct LineEntry {
    std::array<double, 3> magnitudes{};
    std::optional<std::array<double, 3>> degrees; // nothing for magnitudes only
};

// The six texts of an entry (magnitudes, then angles) read with `separator`; angles are
// ignored for magnitudes only. Nothing, and `problem` says which text, when one is no number:
// in the desktop's language, or in English for standard error.
std::optional<LineEntry> line_entry(const std::array<QString, 6> &texts, bool magnitudes_only,
                                    QStringView separator, QString *problem = nullptr,
                                    bool in_english = false);

struct LineOutcome {
    QString problem; // why the entry is refused; empty when it is not
    calc::LineSequences sequences;
    // |V2|/|V1| from the phasors, or u2 from the magnitudes alone: one at a time.
    QString unbalance;
    // The 012 Polar texts: |V0| = 0, |V1|, |V2|, then their angles in degrees, each the
    // shortest that reads back to the double, with `separator`.
    std::array<QString, 6> texts;
};

// Sequence voltages of line-to-line ones. A polar triangle that does not close within 1 % of
// its largest side, and magnitudes that cannot form one, are refused.
LineOutcome line_to_line(const LineEntry &entry, QStringView separator);

// What the form says after it takes the texts: why V0 shows 0.
QString line_to_line_notice();

// "Enter Line-to-Line Voltages…": Vab, Vbc, Vca as magnitude and angle, or magnitudes only;
// the unbalance as it is entered, and OK only for an entry that gives sequence voltages.
class LineToLineDialog : public QDialog {
    Q_OBJECT

public:
    explicit LineToLineDialog(QWidget *parent = nullptr);

    // The 012 Polar texts of the accepted entry, with the desktop's decimal separator.
    const std::array<QString, 6> &texts() const { return texts_; }

    void accept() override;

private:
    // The outcome of the entry as it stands, shown under the fields.
    std::optional<LineOutcome> update();

    std::array<QLineEdit *, 6> fields_{};
    QCheckBox *magnitudes_only_;
    QLabel *status_;
    std::array<QString, 6> texts_;
};

} // namespace form
