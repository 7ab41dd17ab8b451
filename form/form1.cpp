#include "form/form1.h"

#include "calc/phasor.h"
#include "form/form1_definition.h"
#include "toolkit/application.h"
#include "toolkit/number_text.h"
#include "toolkit/twips.h"

#include <QGroupBox>
#include <QHash>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include <algorithm>
#include <map>
#include <utility>
#include <vector>

namespace {

using TextBoxMember = toolkit::TextBox Form1::*;

// The fields in checking order; each group's six are its magnitudes or real parts,
// then its angles or imaginary parts.
constexpr std::array<std::pair<TextBoxMember, const char *>, 24> field_members{{
    {&Form1::mag_a, "mag_a"},   {&Form1::mag_b, "mag_b"},   {&Form1::mag_c, "mag_c"},
    {&Form1::ang_a, "ang_a"},   {&Form1::ang_b, "ang_b"},   {&Form1::ang_c, "ang_c"},
    {&Form1::real_a, "real_a"}, {&Form1::real_b, "real_b"}, {&Form1::real_c, "real_c"},
    {&Form1::imag_a, "imag_a"}, {&Form1::imag_b, "imag_b"}, {&Form1::imag_c, "imag_c"},
    {&Form1::mag_0, "mag_0"},   {&Form1::mag_1, "mag_1"},   {&Form1::mag_2, "mag_2"},
    {&Form1::ang_0, "ang_0"},   {&Form1::ang_1, "ang_1"},   {&Form1::ang_2, "ang_2"},
    {&Form1::real_0, "real_0"}, {&Form1::real_1, "real_1"}, {&Form1::real_2, "real_2"},
    {&Form1::imag_0, "imag_0"}, {&Form1::imag_1, "imag_1"}, {&Form1::imag_2, "imag_2"},
}};

constexpr std::array<std::pair<toolkit::Label Form1::*, const char *>, 8> label_members{{
    {&Form1::Letter_A, "Letter_A"},
    {&Form1::Letter_B, "Letter_B"},
    {&Form1::Letter_C, "Letter_C"},
    {&Form1::Positive_label, "Positive_label"},
    {&Form1::Negative_label, "Negative_label"},
    {&Form1::Zero_label, "Zero_label"},
    {&Form1::Label22, "Label22"},
    {&Form1::Label2, "Label2"},
}};

constexpr std::array<std::pair<toolkit::Frame Form1::*, const char *>, 5> frame_members{{
    {&Form1::Polar_ABC, "Polar_ABC"},
    {&Form1::Rectangular_ABC, "Rectangular_ABC"},
    {&Form1::Polar_012, "Polar_012"},
    {&Form1::Rectangular_012, "Rectangular_012"},
    {&Form1::Frame1, "Frame1"},
}};

QString object_name(const form::ControlDef &def) {
    const QString name =
        QString::fromUtf8(def.name.data(), static_cast<qsizetype>(def.name.size()));
    return def.index < 0 ? name : name + QLatin1Char('_') + QString::number(def.index);
}

QString caption_of(const form::ControlDef &def) {
    return QString::fromUtf8(def.caption.data(), static_cast<qsizetype>(def.caption.size()));
}

} // namespace

Form1::Form1(QWidget *parent)
    : toolkit::FormWindow(form::client_width, form::client_height, parent) {
    setWindowTitle(QStringLiteral("Trivane, symmetrical components calculator"));
    create_controls();
    Form_Load();
}

void Form1::create_controls() {
    QHash<QString, QWidget *> containers;
    QHash<QString, const form::ControlDef *> defs;
    std::multimap<int, QWidget *> tab_order;

    for (const form::ControlDef &def : form::control_definitions()) {
        const QString name = object_name(def);
        QWidget *parent =
            def.container.empty()
                ? this
                : containers.value(QString::fromUtf8(def.container.data(),
                                                     static_cast<qsizetype>(def.container.size())));
        QWidget *widget = nullptr;
        switch (def.kind) {
        case form::ControlKind::Frame:
            widget = new QGroupBox(caption_of(def), parent);
            containers.insert(name, widget);
            break;
        case form::ControlKind::TextBox: {
            // The default texts are numbers the check must accept, so they are written
            // with the user's decimal separator ("1,0" under German settings).
            QString text = caption_of(def);
            text.replace(QLatin1Char('.'), toolkit::decimal_separator());
            widget = new QLineEdit(text, parent);
            break;
        }
        case form::ControlKind::Label: {
            auto *label = new QLabel(caption_of(def), parent);
            label->setAlignment(((def.flags & form::centred) ? Qt::AlignHCenter : Qt::AlignLeft) |
                                Qt::AlignTop);
            label->setWordWrap((def.flags & form::wraps) != 0);
            QPalette pal = label->palette();
            pal.setColor(QPalette::WindowText, toolkit::to_qcolor(def.fore_color, pal));
            label->setPalette(pal);
            widget = label;
            break;
        }
        case form::ControlKind::Button: {
            auto *button = new QPushButton(caption_of(def), parent);
            button->setAutoDefault(true); // Return presses the focused button
            widget = button;
            break;
        }
        case form::ControlKind::Option:
            widget = new QRadioButton(caption_of(def), parent);
            break;
        }
        widget->setObjectName(name);
        widget->setGeometry(toolkit::twips_rect(def.left, def.top, def.width, def.height));
        widget->setFont((def.flags & form::default_font)
                            ? toolkit::default_font()
                            : toolkit::form_font((def.flags & form::bold) != 0));
        widget->setEnabled((def.flags & form::disabled) == 0);
        if (widget->focusPolicy() != Qt::NoFocus)
            tab_order.emplace(def.tab, widget);
        defs.insert(name, &def);
    }

    // Focus walks the tab indices; the first stop is the lowest index that takes focus.
    QWidget *previous = nullptr;
    for (const auto &[tab, widget] : tab_order) {
        if (previous != nullptr)
            QWidget::setTabOrder(previous, widget);
        previous = widget;
    }

    for (const auto &[member, name] : field_members)
        this->*member = toolkit::TextBox(findChild<QLineEdit *>(QLatin1String(name)));
    for (const auto &[member, name] : label_members) {
        const form::ControlDef &def = *defs.value(QLatin1String(name));
        this->*member = toolkit::Label(findChild<QLabel *>(QLatin1String(name)), def.left, def.top,
                                       def.width, def.height);
    }
    for (const auto &[member, name] : frame_members) {
        const form::ControlDef &def = *defs.value(QLatin1String(name));
        this->*member =
            toolkit::Frame(findChild<QGroupBox *>(QLatin1String(name)), def.left, def.width);
    }
    for (int i = 0; i < 4; ++i) {
        Convert[static_cast<std::size_t>(i)] =
            findChild<QPushButton *>(QStringLiteral("Convert_%1").arg(i));
        connect(Convert[static_cast<std::size_t>(i)], &QPushButton::clicked, this,
                [this, i] { Convert_Click(i); });
    }
    CLEAR = findChild<QPushButton *>(QStringLiteral("CLEAR"));
    connect(CLEAR, &QPushButton::clicked, this, [this] { CLEAR_Click(); });
    for (int i = 1; i <= 10; ++i) {
        auto *button = findChild<QRadioButton *>(QStringLiteral("Option1_%1").arg(i));
        Option1[static_cast<std::size_t>(i)] = toolkit::OptionButton(button);
        connect(button, &QRadioButton::clicked, this, [this, i] { Option1_Click(i); });
    }

    toolkit::LineShape **line_members[] = {&Line1, &Line2, &Line3, &Line4};
    std::size_t n = 0;
    for (const form::LineDef &def : form::line_definitions())
        *line_members[n++] = &add_line({def.x1, def.y1, def.x2, def.y2});

    describe_for_screen_readers();
    mag_b.widget()->setFocus();
}

void Form1::Form_Load() {
    calc::set_angle_constants(phasors);
    // Singles throughout: the line's ends are singles and the constants are integers.
    xspacing = (Line1->X2 - Line1->X1) / 4.0F;
    radius = xspacing / 2.0F - 300.0F;
    littlespace = 100.0F;
    recall_in_progress = false;
    jslot = 0;
    activate_labels();
    for (toolkit::Label *label :
         {&Letter_A, &Letter_B, &Letter_C, &Positive_label, &Negative_label, &Zero_label, &Label22})
        label->setVisible(false);
}

std::array<toolkit::TextBox *, 24> Form1::all_fields() {
    std::array<toolkit::TextBox *, 24> fields{};
    std::transform(field_members.begin(), field_members.end(), fields.begin(),
                   [this](const auto &entry) { return &(this->*entry.first); });
    return fields;
}

std::array<toolkit::TextBox *, 6> Form1::group_fields(int index) {
    std::array<toolkit::TextBox *, 6> fields{};
    const auto all = all_fields();
    std::copy_n(all.begin() + std::ptrdiff_t{6} * index, 6, fields.begin());
    return fields;
}
