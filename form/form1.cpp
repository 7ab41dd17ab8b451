#include "form/form1.h"

#include "calc/phasor.h"
#include "form/form1_definition.h"
#include "toolkit/application.h"
#include "toolkit/entry_field.h"
#include "toolkit/number_text.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include <algorithm>
#include <map>
#include <string_view>
#include <utility>

namespace {

// Which member each named control of the definition becomes. The fields are listed in
// checking order: each group's magnitudes or real parts, then its angles or imaginary parts.
template <typename Handle, std::size_t N>
using Members = std::array<std::pair<std::string_view, Handle Form1::*>, N>;

constexpr Members<toolkit::TextBox, 24> field_members{{
    {"mag_a", &Form1::mag_a},   {"mag_b", &Form1::mag_b},   {"mag_c", &Form1::mag_c},
    {"ang_a", &Form1::ang_a},   {"ang_b", &Form1::ang_b},   {"ang_c", &Form1::ang_c},
    {"real_a", &Form1::real_a}, {"real_b", &Form1::real_b}, {"real_c", &Form1::real_c},
    {"imag_a", &Form1::imag_a}, {"imag_b", &Form1::imag_b}, {"imag_c", &Form1::imag_c},
    {"mag_0", &Form1::mag_0},   {"mag_1", &Form1::mag_1},   {"mag_2", &Form1::mag_2},
    {"ang_0", &Form1::ang_0},   {"ang_1", &Form1::ang_1},   {"ang_2", &Form1::ang_2},
    {"real_0", &Form1::real_0}, {"real_1", &Form1::real_1}, {"real_2", &Form1::real_2},
    {"imag_0", &Form1::imag_0}, {"imag_1", &Form1::imag_1}, {"imag_2", &Form1::imag_2},
}};

constexpr Members<toolkit::Label, 8> label_members{{
    {"Letter_A", &Form1::Letter_A},
    {"Letter_B", &Form1::Letter_B},
    {"Letter_C", &Form1::Letter_C},
    {"Positive_label", &Form1::Positive_label},
    {"Negative_label", &Form1::Negative_label},
    {"Zero_label", &Form1::Zero_label},
    {"Label22", &Form1::Label22},
    {"Label2", &Form1::Label2},
}};

constexpr Members<toolkit::Frame, 5> frame_members{{
    {"Polar_ABC", &Form1::Polar_ABC},
    {"Rectangular_ABC", &Form1::Rectangular_ABC},
    {"Polar_012", &Form1::Polar_012},
    {"Rectangular_012", &Form1::Rectangular_012},
    {"Frame1", &Form1::Frame1},
}};

constexpr Members<toolkit::LineShape *, 4> line_members{{
    {"Line1", &Form1::Line1},
    {"Line2", &Form1::Line2},
    {"Line3", &Form1::Line3},
    {"Line4", &Form1::Line4},
}};

template <typename Handle, std::size_t N>
Handle Form1::*member_named(const Members<Handle, N> &members, std::string_view name) {
    for (const auto &[member_name, member] : members) {
        if (member_name == name)
            return member;
    }
    return nullptr;
}

QString text_of(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

QString object_name(const form::ControlDef &def) {
    const QString name = text_of(def.name);
    return def.index < 0 ? name : name + QLatin1Char('_') + QString::number(def.index);
}

} // namespace

Form1::Form1(QWidget *parent)
    : toolkit::FormWindow(form::client_width, form::client_height, parent) {
    setWindowTitle(QStringLiteral("Trivane, symmetrical components calculator"));
    create_controls();
    Form_Load();
    create_plot_area();
    set_up_undo();
    set_up_keeping();
}

void Form1::create_controls() {
    std::map<std::string_view, QWidget *> containers;
    std::multimap<int, QWidget *> tab_order;

    for (const form::ControlDef &def : form::control_definitions()) {
        QWidget *parent = def.container.empty() ? this : containers.at(def.container);
        const QString caption = text_of(def.caption);
        QWidget *widget = nullptr;
        switch (def.kind) {
        case form::ControlKind::Frame:
            widget = new QGroupBox(caption, parent);
            containers.emplace(def.name, widget);
            break;
        case form::ControlKind::TextBox: {
            // The default texts are numbers the check must accept, so they are written
            // with the user's decimal separator ("1,0" under German settings).
            QString text = caption;
            text.replace(QLatin1Char('.'), toolkit::decimal_separator());
            widget = new toolkit::EntryField(text, parent);
            break;
        }
        case form::ControlKind::Label: {
            auto *label = new QLabel(caption, parent);
            label->setAlignment(((def.flags & form::centred) ? Qt::AlignHCenter : Qt::AlignLeft) |
                                Qt::AlignTop);
            label->setWordWrap((def.flags & form::wraps) != 0);
            // A colour of the program's own is kept; a system colour is left to the
            // palette, so the label follows the theme.
            if (!toolkit::is_system_colour(def.fore_color)) {
                QPalette pal = label->palette();
                pal.setColor(QPalette::WindowText, toolkit::to_qcolor(def.fore_color, pal));
                label->setPalette(pal);
            }
            widget = label;
            break;
        }
        case form::ControlKind::Button: {
            auto *button = new QPushButton(caption, parent);
            button->setAutoDefault(true); // Return presses the focused button
            widget = button;
            break;
        }
        case form::ControlKind::Option:
            widget = new QRadioButton(caption, parent);
            break;
        }
        widget->setObjectName(object_name(def));
        widget->setFont((def.flags & form::default_font)
                            ? toolkit::default_font()
                            : toolkit::form_font((def.flags & form::bold) != 0));
        toolkit::place(widget, def.left, def.top, def.width, def.height);
        widget->setEnabled((def.flags & form::disabled) == 0);
        if (!def.spoken.empty())
            widget->setAccessibleName(text_of(def.spoken));
        if (widget->focusPolicy() != Qt::NoFocus)
            tab_order.emplace(def.tab, widget);
        bind(def, widget);
    }

    // Focus walks the tab indices; the first stop is the lowest index that takes focus.
    QWidget *previous = nullptr;
    for (const auto &[tab, widget] : tab_order) {
        if (previous != nullptr)
            QWidget::setTabOrder(previous, widget);
        previous = widget;
    }

    for (const form::LineDef &def : form::line_definitions())
        this->*member_named(line_members, def.name) = &add_line({def.x1, def.y1, def.x2, def.y2});

    for (std::size_t i = 0; i < fields_.size(); ++i)
        fields_[i] = &(this->*field_members[i].second);

    describe_for_screen_readers();
    set_up_keys_and_clipboard();
    mag_b.widget()->setFocus();
}

// Keeps the control where the program reaches it by name, and connects its click.
void Form1::bind(const form::ControlDef &def, QWidget *widget) {
    const auto index = static_cast<std::size_t>(def.index);
    switch (def.kind) {
    case form::ControlKind::Frame:
        this->*member_named(frame_members, def.name) =
            toolkit::Frame(static_cast<QGroupBox *>(widget), def.left, def.width);
        break;
    case form::ControlKind::TextBox:
        this->*member_named(field_members, def.name) =
            toolkit::TextBox(static_cast<QLineEdit *>(widget));
        break;
    case form::ControlKind::Label:
        // Only the labels the program moves, shows or hides are reached by name.
        if (const auto member = member_named(label_members, def.name))
            this->*member = toolkit::Label(static_cast<QLabel *>(widget), def.left, def.top,
                                           def.width, def.height);
        break;
    case form::ControlKind::Button: {
        auto *button = static_cast<QPushButton *>(widget);
        if (def.name == "CLEAR") {
            CLEAR = button;
            connect(button, &QPushButton::clicked, this, [this] { CLEAR_Click(); });
        } else {
            Convert.at(index) = button;
            connect(button, &QPushButton::clicked, this,
                    [this, i = def.index] { Convert_Click(i); });
        }
        break;
    }
    case form::ControlKind::Option: {
        auto *button = static_cast<QRadioButton *>(widget);
        Option1.at(index) = toolkit::OptionButton(button);
        connect(button, &QRadioButton::clicked, this, [this, i = def.index] { Option1_Click(i); });
        break;
    }
    }
}

void Form1::Form_Load() {
    calc::set_angle_constants(phasors_);
    form::FormState &s = state_;
    // Singles throughout: the line's ends are singles and the constants are integers.
    s.xspacing = (Line1->X2 - Line1->X1) / 4.0F;
    s.radius = s.xspacing / 2.0F - 300.0F;
    s.littlespace = 100.0F;
    s.recall_in_progress = false;
    s.jslot = 0;
    activate_labels();
    for (toolkit::Label *label :
         {&Letter_A, &Letter_B, &Letter_C, &Positive_label, &Negative_label, &Zero_label, &Label22})
        label->setVisible(false);
}

// The bottom edge of the box that erases the plot area, one label height below the
// diagrams' outer circles.
float Form1::plot_bottom() const {
    return Positive_label.Top() + 3 * Positive_label.Height() + 2 * state_.radius;
}

std::array<toolkit::TextBox *, 6> Form1::group_fields(int index) const {
    std::array<toolkit::TextBox *, 6> fields{};
    std::copy_n(fields_.begin() + std::ptrdiff_t{6} * index, 6, fields.begin());
    return fields;
}
