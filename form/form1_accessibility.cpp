#include "form/form1.h"

#include "form/form1_descriptions.h"
#include "form/results_export.h"

#include "calc/phasor.h"
#include "calc/unbalance.h"
#include "toolkit/accessible.h"
#include "toolkit/form_window.h"
#include "toolkit/notice.h"
#include "toolkit/sheet.h"
#include "toolkit/number_text.h"

#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include <utility>

namespace {

const char *const groups[] = {"ABC polar", "ABC rectangular", "012 polar", "012 rectangular"};

} // namespace

void Form1::describe_for_screen_readers() {
    // Screen readers read these; sighted users never see them. The controls' spoken names
    // come from the window definition.
    toolkit::install_accessible_roles();
    for (std::size_t i = 0; i < Convert.size(); ++i) {
        Convert[i]->setAccessibleDescription(
            QStringLiteral("Converts the %1 entries into the three other forms and draws them")
                .arg(QLatin1String(groups[i])));
    }
    CLEAR->setAccessibleDescription(
        QStringLiteral("Sets every entry to zero and converts the empty case"));
    for (int slot = 1; slot <= 10; ++slot)
        describe_slot(slot);
    setAccessibleName(windowTitle());
    setAccessibleDescription(QStringLiteral(
        "Below the entry groups four phasor diagrams: phases A (black), B (red) and C (blue), "
        "then the positive, negative and zero sequence components, all at one scale on which "
        "the longest of A, B and C reaches the outer circle"));
}

// The diagrams are a figure in colours of their own: from Line1 down to the bottom of the
// erase box, the sheet and the six captions on it stay light in every theme once drawn.
void Form1::create_plot_area() {
    plot_area_ = make_sheet(Line1->X1, Line1->Y1, Line1->X2, plot_bottom());
    plot_area_->setObjectName(QStringLiteral("plot"));
    plot_area_->setAccessibleName(QStringLiteral("Phasor diagrams"));
    for (toolkit::Label *label :
         {&Letter_A, &Letter_B, &Letter_C, &Positive_label, &Negative_label, &Zero_label})
        put_on_sheet(label->widget());
    plot_area_->show();
    toolkit::set_description(
        plot_area_, QStringLiteral("Nothing is drawn yet: enter a case and press CONVERT."));
}

const QWidget *Form1::plot_area() const {
    return plot_area_;
}

void Form1::notify(const QString &text) {
    if (notice_ == nullptr)
        notice_ = new toolkit::Notice(this);
    notice_->show_text(text);
    latest_notice_ = text;
}

void Form1::announce(const QString &text) {
    if (announcement_ == nullptr)
        announcement_ = new toolkit::Announcement(this);
    announcement_->announce(text);
}

QString Form1::take_notice() {
    return std::exchange(latest_notice_, QString());
}

// The window shows the outcome in its fields; a screen reader, whose focus stays in the
// field or on the button, hears it as an alert.
void Form1::announce_outcome(int Index) {
    if (!state_.errors_found) {
        announce(QStringLiteral("Converted the %1 entries.")
                     .arg(QLatin1String(groups[static_cast<std::size_t>(Index)])));
        return;
    }
    for (toolkit::TextBox *field : group_fields(Index)) {
        const QString reason = field->widget()->toolTip();
        if (!reason.isEmpty()) {
            announce(QStringLiteral("Not converted. %1: %2.")
                         .arg(field->widget()->accessibleName(), reason));
            return;
        }
    }
}

void Form1::explain_mark(toolkit::TextBox &field, const QString &reason) {
    toolkit::set_description(field.widget(), reason);
    field.widget()->setToolTip(reason);
}

void Form1::describe_drawing(float scale) {
    const calc::PhasorState &s = phasors_;
    QString picture;
    if (state_.errors_found) {
        picture = QStringLiteral("Nothing is drawn: the entries could not be converted.");
    } else if (scale <= 1e-6F) {
        picture = QStringLiteral("Nothing is drawn: no phase is longer than 1E-06.");
    } else {
        // Each phasor as Copy Results writes it: to the set's resolution, and a residue
        // below it as the zero phasor at its angle.
        const auto phasor = [&](double mag, auto ang) {
            const double degrees = calc::to_degrees(ang, s.pi180);
            const form::WrittenPhasor written =
                form::written_phasor(mag, degrees, s.pi180, calc::sequence_resolution(s));
            return form::phasor_in_words(written.magnitude.number.value_or(mag),
                                         written.angle.number.value_or(degrees));
        };
        picture =
            QStringLiteral("Four phasor diagrams at one scale: the outer circle stands for %1. "
                           "Phases: A %2, B %3, C %4. Positive sequence %5, with B and C a third "
                           "of a turn behind and ahead. Negative sequence %6, with B and C a "
                           "third of a turn ahead and behind. Zero sequence %7.")
                .arg(toolkit::format_significant(scale, 3), phasor(s.va_mag, s.va_ang),
                     phasor(s.vb_mag, s.vb_ang), phasor(s.vc_mag, s.vc_ang),
                     phasor(s.v1_mag, s.v1_ang), phasor(s.v2_mag, s.v2_ang),
                     phasor(s.v0_mag, s.v0_ang));
    }
    const QString unbalance = state_.has_results ? form::unbalance_summary(s) : QString();
    if (!unbalance.isEmpty())
        picture += QLatin1Char(' ') + unbalance;
    toolkit::set_description(plot_area_, picture);
    plot_area_->setToolTip(unbalance);
    Polar_012.widget()->setToolTip(unbalance);
    Rectangular_012.widget()->setToolTip(unbalance);
}

void Form1::describe_slot(int slot) {
    const auto k = static_cast<std::size_t>(slot);
    QWidget *button = Option1[k].widget();
    if (!Option1[k].Enabled()) {
        toolkit::set_description(button, QStringLiteral("Empty: no case saved yet"));
        button->setToolTip(QString());
        return;
    }
    const QString summary = form::case_summary(state_.saved[k]);
    toolkit::set_description(
        button, slot == state_.jslot ? summary + QStringLiteral("; the newest case") : summary);
    button->setToolTip(summary);
}
