#include "form/form1.h"

#include "calc/phasor.h"
#include "form/case_keeping.h"
#include "form/cell_paste.h"
#include "form/diagram_outputs.h"
#include "form/form1_definition.h"
#include "form/form1_report.h"
#include "form/form1_results.h"
#include "form/form_actions.h"
#include "form/reading_room.h"
#include "form/screen_reader_text.h"
#include "toolkit/accessible.h"
#include "toolkit/application.h"
#include "toolkit/entry_field.h"
#include "toolkit/notice.h"
#include "toolkit/number_text.h"
#include "toolkit/sheet.h"

#include <QAction>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
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

// Keeps the control where the program reaches it by name, and connects its click.
void bind(Form1 &form, const form::ControlDef &def, QWidget *widget) {
    const auto index = static_cast<std::size_t>(def.index);
    switch (def.kind) {
    case form::ControlKind::Frame:
        form.*member_named(frame_members, def.name) =
            toolkit::Frame(static_cast<QGroupBox *>(widget), def.left, def.width);
        break;
    case form::ControlKind::TextBox:
        form.*member_named(field_members, def.name) =
            toolkit::TextBox(static_cast<QLineEdit *>(widget));
        break;
    case form::ControlKind::Label:
        // Only the labels the program moves, shows or hides are reached by name.
        if (const auto member = member_named(label_members, def.name))
            form.*member = toolkit::Label(static_cast<QLabel *>(widget), def.left, def.top,
                                          def.width, def.height);
        break;
    case form::ControlKind::Button: {
        auto *button = static_cast<QPushButton *>(widget);
        if (def.name == "CLEAR") {
            form.CLEAR = button;
            QObject::connect(button, &QPushButton::clicked, &form, [&form] { form.CLEAR_Click(); });
        } else {
            form.Convert.at(index) = button;
            QObject::connect(button, &QPushButton::clicked, &form,
                             [&form, i = def.index] { form.Convert_Click(i); });
        }
        break;
    }
    case form::ControlKind::Option: {
        auto *button = static_cast<QRadioButton *>(widget);
        form.Option1.at(index) = toolkit::OptionButton(button);
        QObject::connect(button, &QRadioButton::clicked, &form,
                         [&form, i = def.index] { form.Option1_Click(i); });
        break;
    }
    }
}

} // namespace

Form1::Form1(QWidget *parent)
    : toolkit::FormWindow(form::client_width, form::client_height, parent) {
    setWindowTitle(
        QCoreApplication::translate("Form1", "Trivane, symmetrical components calculator"));
    ask = [this](const QString &question) {
        return QMessageBox::question(this, windowTitle(), question) == QMessageBox::Yes;
    };
    create_controls();
    Form_Load();

    // The diagrams are a figure in colours of their own: from Line1 down to the bottom of the
    // erase box, one label height below the diagrams' outer circles, the sheet and the six
    // captions on it stay light in every theme once drawn.
    toolkit::Sheet *plot_area =
        make_sheet(Line1->X1, Line1->Y1, Line1->X2,
                   Positive_label.Top() + 3 * Positive_label.Height() + 2 * state_.radius);
    for (toolkit::Label *label :
         {&Letter_A, &Letter_B, &Letter_C, &Positive_label, &Negative_label, &Zero_label})
        put_on_sheet(label->widget());
    plot_area->show();
    screen_reader_ = new form::ScreenReaderText(*this, model_, plot_area);
    diagrams_ = new form::DiagramOutputs(*this, model_);
    actions_ = new form::FormActions(*this, model_, history_);
    connect(actions_->copy_results, &QAction::triggered, this,
            [this] { form::copy_results(*this); });
    connect(actions_->save_results, &QAction::triggered, this,
            [this] { form::ask_and_save_results(*this); });
    connect(actions_->copy_diagrams, &QAction::triggered, diagrams_, &form::DiagramOutputs::copy);
    connect(actions_->save_diagrams, &QAction::triggered, diagrams_,
            &form::DiagramOutputs::ask_and_save);
    connect(actions_->print_diagrams, &QAction::triggered, diagrams_,
            &form::DiagramOutputs::ask_and_print);

    reading_ = new form::ReadingRoom(*this, model_, history_, *actions_);
    connect(reading_, &form::ReadingRoom::reading_changed, this,
            [this] { screen_reader_->set_verdict(form::verdict_text(reading_->reading())); });

    keeping_ = std::make_unique<form::CaseKeeping>(*this, model_, *screen_reader_, *actions_);
    connect(actions_->save_report, &QAction::triggered, this,
            [this] { form::ask_and_save_report(*this); });
    connect(actions_->print_report, &QAction::triggered, this,
            [this] { form::ask_and_print_report(*this); });
}

void Form1::create_controls() {
    std::map<std::string_view, QWidget *> containers;
    std::multimap<int, QWidget *> tab_order;

    for (const form::ControlDef &def : form::control_definitions()) {
        QWidget *parent = def.container.empty() ? this : containers.at(def.container);
        const QString caption = form::shown_caption(def);
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
            widget->setAccessibleName(form::spoken_name(def));
        if (widget->focusPolicy() != Qt::NoFocus)
            tab_order.emplace(def.tab, widget);
        bind(*this, def, widget);
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

    toolkit::install_accessible_roles();

    // The widgets show the model; every edit of a field, typed or set by a program, goes to
    // the history as typing, and from there into the model.
    for (int k = 0; k < static_cast<int>(fields_.size()); ++k) {
        // create_controls makes every text box an EntryField.
        auto *entry =
            static_cast<toolkit::EntryField *>(fields_[static_cast<std::size_t>(k)]->widget());
        model_.set_text(k, entry->text());
        connect(entry, &QLineEdit::textChanged, this,
                [this, k](const QString &text) { history_.typed(k, text); });
        history_.watch_keys(entry);
        entry->on_menu = [this, entry](QMenu &menu) { history_.take_menu_entries(menu, entry); };
        // Return or Enter in a field presses its group's CONVERT button.
        const auto group = static_cast<std::size_t>(k / 6);
        connect(entry, &QLineEdit::returnPressed, this, [this, group] { Convert[group]->click(); });
        // One value goes in at the cursor; a block of cells fills the field's group, as one
        // change of the form.
        entry->on_paste = [this, k](toolkit::EntryField &field, const QString &text) {
            const QList<QStringList> rows = toolkit::pasted_cells(text);
            if (rows.size() == 1 && rows[0].size() == 1) {
                field.insert_pasted(toolkit::cleaned_cell(rows[0][0]));
                return;
            }
            const form::CellPaste paste = form::cell_paste(rows, k);
            {
                //: An undo step, named in the menu as "Undo %1".
                const form::FormHistory::Step step(
                    history_, QCoreApplication::translate("FormHistory", "Paste"));
                for (const auto &[target, cell] : paste.texts)
                    model_.set_text(target, cell);
            }
            if (const QString dropped = form::dropped_cells(paste); !dropped.isEmpty())
                notify(dropped);
        };
    }
    connect(&model_, &form::FormModel::text_changed, this, [this](int k) {
        toolkit::TextBox &field = *fields_.at(static_cast<std::size_t>(k));
        if (field.Text() != model_.text(k))
            field.setText(model_.text(k));
    });
    connect(&model_, &form::FormModel::mark_changed, this, [this](int k) {
        fields_.at(static_cast<std::size_t>(k))->setBackColor(model_.mark(k).back);
    });
    connect(&model_, &form::FormModel::selection_changed, this, [this](int slot) {
        for (int i = 1; i <= 10; ++i)
            Option1[static_cast<std::size_t>(i)].setValue(i == slot);
    });
    // After a plot the canvas shows the drawing already; after an undo it shows it again.
    connect(&model_, &form::FormModel::drawing_changed, this, [this] {
        if (canvas().picture() != model_.drawing())
            canvas().show_picture(model_.drawing());
    });
    mag_b.widget()->setFocus();
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

void Form1::notify(const QString &text) {
    if (notice_ == nullptr)
        notice_ = new toolkit::Notice(this);
    notice_->show_text(text);
    latest_notice_ = text;
}

QString Form1::take_notice() {
    return std::exchange(latest_notice_, QString());
}

void Form1::closeEvent(QCloseEvent *event) {
    keeping_->close();
    toolkit::FormWindow::closeEvent(event);
}

std::array<toolkit::TextBox *, 6> group_fields(const Form1 &form, int index) {
    std::array<toolkit::TextBox *, 6> fields{};
    std::copy_n(form.all_fields().begin() + std::ptrdiff_t{6} * index, 6, fields.begin());
    return fields;
}

const QWidget *plot_area(const Form1 &form) {
    return form.findChild<QWidget *>(QStringLiteral("plot"));
}
