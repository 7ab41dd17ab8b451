#include "form/screen_reader_text.h"

#include "calc/unbalance.h"
#include "form/results_export.h"

#include "calc/phasor.h"
#include "form/form1.h"
#include "form/form1_descriptions.h"
#include "toolkit/accessible.h"
#include "toolkit/notice.h"
#include "toolkit/number_text.h"

#include <QCoreApplication>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

namespace form {

namespace {

// What screen readers hear, under one context for translators.
class Words {
    Q_DECLARE_TR_FUNCTIONS(ScreenReaderText)
};

//: A group's name inside a sentence, as in "Converted the ABC polar entries."
const char *const groups[] = {
    QT_TRANSLATE_NOOP("ScreenReaderText", "ABC polar"),
    QT_TRANSLATE_NOOP("ScreenReaderText", "ABC rectangular"),
    QT_TRANSLATE_NOOP("ScreenReaderText", "012 polar"),
    QT_TRANSLATE_NOOP("ScreenReaderText", "012 rectangular"),
};

QString group_name(std::size_t index) {
    return Words::tr(groups[index]);
}

} // namespace

QString picture_description(const FormModel &model) {
    // Every plot starts with its erase box: no operation at all is no plot yet.
    if (model.drawing().last_call.empty())
        return Words::tr("Nothing is drawn yet: enter a case and press CONVERT.");
    const calc::PhasorState &s = model.phasors();
    const float scale = diagram_scale(s);
    QString picture;
    if (model.state().errors_found) {
        picture = Words::tr("Nothing is drawn: the entries could not be converted.");
    } else if (scale <= 1e-6F) {
        picture = Words::tr("Nothing is drawn: no phase is longer than 1E-06.");
    } else {
        // Each phasor as Copy Results writes it: to the set's resolution, and a residue
        // below it as the zero phasor at its angle.
        const auto phasor = [&](double mag, auto ang) {
            const double degrees = calc::to_degrees(ang, s.pi180);
            const WrittenPhasor written =
                written_phasor(mag, degrees, s.pi180, calc::sequence_resolution(s));
            return phasor_in_words(written.magnitude.number.value_or(mag),
                                   written.angle.number.value_or(degrees));
        };
        //: %1 is the scale's magnitude; %2 to %7 are phasors as "1 at −120°".
        picture = Words::tr("Four phasor diagrams at one scale: the outer circle stands for %1. "
                            "Phases: A %2, B %3, C %4. Positive sequence %5, with B and C a third "
                            "of a turn behind and ahead. Negative sequence %6, with B and C a "
                            "third of a turn ahead and behind. Zero sequence %7.")
                      .arg(toolkit::format_significant(scale, 3), phasor(s.va_mag, s.va_ang),
                           phasor(s.vb_mag, s.vb_ang), phasor(s.vc_mag, s.vc_ang),
                           phasor(s.v1_mag, s.v1_ang), phasor(s.v2_mag, s.v2_ang),
                           phasor(s.v0_mag, s.v0_ang));
    }
    const QString unbalance = unbalance_tip(model);
    if (!unbalance.isEmpty())
        picture += QLatin1Char(' ') + unbalance;
    return picture;
}

QString unbalance_tip(const FormModel &model) {
    return model.state().has_results ? unbalance_summary(model.phasors()) : QString();
}

QString conversion_outcome(const FormModel &model, int Index, const std::array<QString, 6> &names) {
    if (Index < 0 || Index > 3)
        return {};
    if (!model.state().errors_found)
        //: Said after a conversion; %1 is a group's name, as "ABC polar".
        return Words::tr("Converted the %1 entries.")
            .arg(group_name(static_cast<std::size_t>(Index)));
    for (int i = 0; i < 6; ++i) {
        const QString &reason = model.mark(6 * Index + i).reason;
        if (!reason.isEmpty())
            //: Said after a refused conversion; %1 is a field's name, %2 why it is refused.
            return Words::tr("Not converted. %1: %2.")
                .arg(names[static_cast<std::size_t>(i)], reason);
    }
    return {};
}

ScreenReaderText::ScreenReaderText(Form1 &form, const FormModel &model, QWidget *plot_area)
    : QObject(&form)
    , form_(form)
    , model_(model)
    , plot_area_(plot_area) {
    // Screen readers read these; sighted users never see them. The controls' spoken names
    // come from the window definition.
    toolkit::install_accessible_roles();
    for (std::size_t i = 0; i < form.Convert.size(); ++i) {
        form.Convert[i]->setAccessibleDescription(
            Words::tr("Converts the %1 entries into the three other forms and draws them")
                .arg(group_name(i)));
    }
    form.CLEAR->setAccessibleDescription(
        Words::tr("Sets every entry to zero and converts the empty case"));
    for (int slot = 1; slot <= 10; ++slot)
        describe_slot(slot);
    form.setAccessibleName(form.windowTitle());
    form.setAccessibleDescription(Words::tr(
        "Below the entry groups four phasor diagrams: phases A (black), B (red) and C (blue), "
        "then the positive, negative and zero sequence components, all at one scale on which "
        "the longest of A, B and C reaches the outer circle"));
    plot_area_->setObjectName(QStringLiteral("plot"));
    plot_area_->setAccessibleName(Words::tr("Phasor diagrams"));
    toolkit::set_description(plot_area_, picture_description(model_));

    connect(&model_, &FormModel::mark_changed, this, [this](int field) { describe_mark(field); });
    connect(&model_, &FormModel::drawing_changed, this, [this] { describe_drawing(); });
}

void ScreenReaderText::announce(const QString &text) {
    if (announcement_ == nullptr)
        announcement_ = new toolkit::Announcement(&form_);
    announcement_->announce(text);
}

// The window shows the outcome in its fields; a screen reader, whose focus stays in the
// field or on the button, hears it as an alert.
void ScreenReaderText::announce_outcome(int Index) {
    std::array<QString, 6> names;
    for (std::size_t i = 0; i < names.size(); ++i)
        names[i] =
            form_.all_fields()[6 * static_cast<std::size_t>(Index) + i]->widget()->accessibleName();
    const QString outcome = conversion_outcome(model_, Index, names);
    if (!outcome.isEmpty())
        announce(outcome);
}

void ScreenReaderText::describe_mark(int field) {
    QWidget *widget = form_.all_fields()[static_cast<std::size_t>(field)]->widget();
    const QString &reason = model_.mark(field).reason;
    toolkit::set_description(widget, reason);
    widget->setToolTip(reason);
}

void ScreenReaderText::describe_drawing() {
    const QString unbalance = unbalance_tip(model_);
    QString description = picture_description(model_);
    if (!verdict_.isEmpty() && model_.state().has_results)
        description += QLatin1Char(' ') + Words::tr("Fault reading: %1.").arg(verdict_);
    toolkit::set_description(plot_area_, description);
    plot_area_->setToolTip(unbalance);
    form_.Polar_012.widget()->setToolTip(unbalance);
    form_.Rectangular_012.widget()->setToolTip(unbalance);
}

void ScreenReaderText::set_verdict(const QString &verdict) {
    if (verdict == verdict_)
        return;
    verdict_ = verdict;
    describe_drawing();
}

void ScreenReaderText::describe_slot(int slot) {
    const auto k = static_cast<std::size_t>(slot);
    QWidget *button = form_.Option1[k].widget();
    if (!form_.Option1[k].Enabled()) {
        toolkit::set_description(button, Words::tr("Empty: no case saved yet"));
        button->setToolTip(QString());
        return;
    }
    const QString summary = case_summary(model_.state().saved[k]);
    toolkit::set_description(
        button, slot == model_.state().jslot
                    //: After a memory button's case, as "A 1 at 0°, …; the newest case".
                    ? Words::tr("%1; the newest case").arg(summary)
                    : summary);
    button->setToolTip(summary);
}

} // namespace form
