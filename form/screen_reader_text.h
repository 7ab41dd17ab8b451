#pragma once

// What tooltips and screen readers tell of the case shown, built from the model: the words
// as pure functions, and a room that keeps the widgets' descriptions up to date.

#include "form/form_model.h"

#include <QObject>
#include <QString>

#include <array>

class Form1;
class QWidget;
namespace toolkit {
class Announcement;
}

namespace form {

// The diagrams in words: their scale and phasors, or why nothing is drawn, and the
// unbalance while there are results.
QString picture_description(const FormModel &model);
// The unbalance of the results shown, or nothing before results.
QString unbalance_tip(const FormModel &model);
// The outcome of a conversion of group Index: the group converted, or the field that stopped
// it (by the name a screen reader says, `names` in reading order) and why.
QString conversion_outcome(const FormModel &model, int Index, const std::array<QString, 6> &names);

// Keeps what screen readers and tooltips tell in step with the model: each field's reason
// for its mark, the diagrams' description and the unbalance; speaks the outcome of a
// conversion and describes the memory buttons.
class ScreenReaderText : public QObject {
public:
    ScreenReaderText(Form1 &form, const FormModel &model, QWidget *plot_area);

    // A message that screen readers speak at once and the window does not show.
    void announce(const QString &text);
    void announce_outcome(int Index);
    void describe_slot(int slot);
    // The fault reading's sentence, said after the diagrams' description; empty for none.
    void set_verdict(const QString &verdict);

private:
    void describe_mark(int field);
    void describe_drawing();

    Form1 &form_;
    const FormModel &model_;
    QWidget *plot_area_;
    toolkit::Announcement *announcement_ = nullptr;
    QString verdict_;
};

} // namespace form
