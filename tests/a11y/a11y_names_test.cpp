// What a screen reader announces for each control, read through Qt's accessibility layer.
#include "tests/support/shown_form.h"

#include <QAccessible>
#include <QAccessibleInterface>

#include <map>
#include <set>
#include <string>
#include <vector>

namespace {

struct Spoken {
    QAccessible::Role role = QAccessible::NoRole;
    QString name;
    QString description;
};

Spoken spoken(QObject *object) {
    QAccessibleInterface *iface = QAccessible::queryAccessibleInterface(object);
    if (iface == nullptr)
        return {};
    return {iface->role(), iface->text(QAccessible::Name), iface->text(QAccessible::Description)};
}

// Every control a user operates: the 24 fields, the 4 CONVERT buttons, CLEAR and the 10
// memory buttons.
std::vector<QWidget *> operated_controls(Form1 &form) {
    std::vector<QWidget *> out;
    for (toolkit::TextBox *field : form.all_fields())
        out.push_back(field->widget());
    for (QPushButton *button : form.Convert)
        out.push_back(button);
    out.push_back(form.CLEAR);
    for (int i = 1; i <= 10; ++i)
        out.push_back(form.Option1[static_cast<std::size_t>(i)].widget());
    return out;
}

// State: fresh window. Expected: 39 controls, each with its own non-empty spoken name.
TEST(AccessibleNames, every_control_has_its_own_name) {
    auto form = testing_support::shown_form();
    const std::vector<QWidget *> controls = operated_controls(*form);
    ASSERT_EQ(controls.size(), 39U);
    std::set<QString> names;
    for (QWidget *control : controls) {
        const std::string id = control->objectName().toStdString();
        const Spoken s = spoken(control);
        EXPECT_FALSE(s.name.trimmed().isEmpty()) << id;
        EXPECT_TRUE(names.insert(s.name).second)
            << id << " repeats \"" << s.name.toStdString() << '"';
    }
}

// Each field reads as its row and quantity, spelled out from its object name: mag_a is
// "Phase A magnitude", imag_2 "Sequence 2 imaginary part".
TEST(AccessibleNames, field_names_read_as_row_and_quantity) {
    const std::map<QString, QString> quantity{
        {QStringLiteral("mag"), QStringLiteral("magnitude")},
        {QStringLiteral("ang"), QStringLiteral("angle in degrees")},
        {QStringLiteral("real"), QStringLiteral("real part")},
        {QStringLiteral("imag"), QStringLiteral("imaginary part")}};
    auto form = testing_support::shown_form();
    for (toolkit::TextBox *field : form->all_fields()) {
        const QString object = field->widget()->objectName();
        const QString row = object.section(u'_', 1).toUpper();
        const QString name =
            (row[0].isDigit() ? QStringLiteral("Sequence ") : QStringLiteral("Phase ")) + row +
            u' ' + quantity.at(object.section(u'_', 0, 0));
        const Spoken s = spoken(field->widget());
        EXPECT_EQ(s.role, QAccessible::EditableText) << object.toStdString();
        EXPECT_EQ(s.name.toStdString(), name.toStdString()) << object.toStdString();
    }
}

TEST(AccessibleNames, controls_say_what_they_are) {
    struct Row {
        const char *object;
        QAccessible::Role role;
        const char *name;
    };
    const Row rows[] = {
        {"Convert_0", QAccessible::Button, "Convert ABC polar"},
        {"Convert_1", QAccessible::Button, "Convert ABC rectangular"},
        {"Convert_2", QAccessible::Button, "Convert 012 polar"},
        {"Convert_3", QAccessible::Button, "Convert 012 rectangular"},
        {"CLEAR", QAccessible::Button, "Clear screen"},
        {"Option1_1", QAccessible::RadioButton, "Memory slot 1"},
        {"Option1_4", QAccessible::RadioButton, "Memory slot 4"},
        {"Option1_10", QAccessible::RadioButton, "Memory slot 10"},
    };
    auto form = testing_support::shown_form();
    for (const Row &row : rows) {
        QWidget *widget = form->findChild<QWidget *>(QLatin1String(row.object));
        ASSERT_NE(widget, nullptr) << row.object;
        const Spoken s = spoken(widget);
        EXPECT_EQ(s.role, row.role) << row.object;
        EXPECT_EQ(s.name.toStdString(), row.name) << row.object;
    }
}

// The buttons that change the picture say what they do; the window says what it shows.
TEST(AccessibleNames, commands_and_window_carry_descriptions) {
    auto form = testing_support::shown_form();
    for (QPushButton *button : form->Convert)
        EXPECT_TRUE(spoken(button).description.contains(QLatin1String("Converts")))
            << button->objectName().toStdString();
    EXPECT_FALSE(spoken(form->CLEAR).description.isEmpty());
    const Spoken window = spoken(form.get());
    EXPECT_EQ(window.role, QAccessible::Window);
    EXPECT_EQ(window.name, form->windowTitle());
    EXPECT_TRUE(window.description.contains(QLatin1String("phasor diagrams")))
        << window.description.toStdString();
}

} // namespace
