// What a screen reader and a tooltip tell beyond the captions: why a field is marked, what
// the diagrams show, what each memory slot holds and how unbalanced the set is.
#include "tests/support/shown_form.h"

#include <QAccessible>
#include <QAccessibleInterface>
#include <QGroupBox>

#include <vector>

namespace {

using testing_support::click;
using testing_support::type_into;

QString description(const QObject *object) {
    QAccessibleInterface *iface =
        QAccessible::queryAccessibleInterface(const_cast<QObject *>(object));
    return iface == nullptr ? QString() : iface->text(QAccessible::Description);
}

struct Mark {
    const char *what;
    int group;
    std::vector<std::pair<const char *, const char *>> typed;
    std::vector<const char *> marked;
    const char *reason;
};

// State: fresh window; the entries below typed. Action: the group's CONVERT, then the
// 012 rectangular start-up entries converted. Expected: each marked field says why, the others say
// nothing, and the next check clears the reasons.
TEST(AccessibleDescriptions, a_marked_field_says_why_until_the_next_check) {
    const Mark rows[] = {
        {"letters", 0, {{"mag_b", "12a"}}, {"mag_b"}, "Not a number"},
        {"beyond single", 1, {{"imag_c", "4E+38"}}, {"imag_c"}, "Beyond the largest number"},
        {"results too large",
         2,
         {{"mag_0", "3E+38"}, {"mag_1", "3E+38"}, {"mag_2", "3E+38"}},
         {"mag_0", "mag_1", "mag_2", "ang_0", "ang_1", "ang_2"},
         "too large to show"},
    };
    for (const Mark &row : rows) {
        SCOPED_TRACE(row.what);
        auto form = testing_support::shown_form();
        for (const auto &[field, text] : row.typed)
            type_into(*form, field, QString::fromLatin1(text));
        click(form->Convert[static_cast<std::size_t>(row.group)]);
        for (const toolkit::TextBox *field : form->all_fields()) {
            const QString name = field->widget()->objectName();
            const bool marked =
                std::find(row.marked.begin(), row.marked.end(), name) != row.marked.end();
            EXPECT_EQ(description(field->widget()).contains(QLatin1String(row.reason)), marked)
                << name.toStdString();
            EXPECT_EQ(field->widget()->toolTip().isEmpty(), !marked) << name.toStdString();
        }
        click(form->Convert[3]);
        for (const toolkit::TextBox *field : form->all_fields())
            EXPECT_TRUE(description(field->widget()).isEmpty());
    }
}

// State: fresh window. Action: nothing, the textbook set A 10∠0°, B 8∠−110°, C 12∠125°,
// then a refused entry. Expected: the diagrams are a graphic that says what it shows, with
// the unbalance also in the tooltips of the 012 frames and the diagrams.
TEST(AccessibleDescriptions, the_diagrams_tell_what_is_drawn) {
    auto form = testing_support::shown_form();
    QAccessibleInterface *plot =
        QAccessible::queryAccessibleInterface(const_cast<QWidget *>(plot_area(*form)));
    ASSERT_NE(plot, nullptr);
    EXPECT_EQ(plot->role(), QAccessible::Graphic);
    EXPECT_TRUE(plot->text(QAccessible::Description).startsWith(QLatin1String("Nothing")));

    for (const auto &[field, text] : {std::pair{"mag_a", "10"},
                                      {"mag_b", "8"},
                                      {"mag_c", "12"},
                                      {"ang_b", "-110"},
                                      {"ang_c", "125"}})
        type_into(*form, field, QString::fromLatin1(text));
    click(form->Convert[0]);
    const QString picture = plot->text(QAccessible::Description);
    EXPECT_TRUE(picture.contains(QStringLiteral("outer circle stands for 12.")))
        << picture.toStdString();
    EXPECT_TRUE(picture.contains(QStringLiteral("B 8 at \u2212110.0\u00b0")))
        << picture.toStdString();
    const QString unbalance = QStringLiteral("|V2|/|V1| 15.9 %, |V0|/|V1| 7.8 %");
    EXPECT_TRUE(picture.contains(unbalance)) << picture.toStdString();
    EXPECT_TRUE(plot_area(*form)->toolTip().contains(unbalance));
    EXPECT_TRUE(form->Polar_012.widget()->toolTip().contains(unbalance));
    EXPECT_TRUE(form->Rectangular_012.widget()->toolTip().contains(unbalance));
    EXPECT_FALSE(picture.contains(QLatin1String("A-C-B")));

    type_into(*form, "mag_a", QStringLiteral("ten"));
    click(form->Convert[0]);
    EXPECT_TRUE(plot->text(QAccessible::Description).startsWith(QLatin1String("Nothing")));
    EXPECT_TRUE(form->Polar_012.widget()->toolTip().isEmpty());
}

// State: fresh window. Action: convert a set whose B and C are swapped. Expected: the
// unbalance says the set turns A-C-B.
TEST(AccessibleDescriptions, a_reversed_set_is_named) {
    auto form = testing_support::shown_form();
    type_into(*form, "ang_b", QStringLiteral("120"));
    type_into(*form, "ang_c", QStringLiteral("-120"));
    click(form->Convert[0]);
    EXPECT_TRUE(form->Polar_012.widget()->toolTip().contains(QLatin1String("turns A-C-B")));
}

// State: fresh window. Action: a case typed in ABC polar, then one in 012 polar.
// Expected: each slot names its case as typed, the newest says so, an empty one says it
// is empty.
TEST(AccessibleDescriptions, memory_slots_name_their_cases) {
    auto form = testing_support::shown_form();
    const auto slot = [&](int k) { return form->Option1[static_cast<std::size_t>(k)].widget(); };
    EXPECT_TRUE(description(slot(1)).startsWith(QLatin1String("Empty")));

    type_into(*form, "mag_a", QStringLiteral("7.25"));
    click(form->Convert[0]);
    for (const auto &[field, text] : {std::pair{"mag_0", "0.01234"},
                                      {"ang_0", "77.7"},
                                      {"mag_1", "1"},
                                      {"ang_1", "-3.3"},
                                      {"mag_2", "0.05678"},
                                      {"ang_2", "151.1"}})
        type_into(*form, field, QString::fromLatin1(text));
    click(form->Convert[2]);

    const QString first =
        QStringLiteral("A 7.25 at 0.0\u00b0, B 1.0 at \u2212120.0\u00b0, C 1.0 at 120.0\u00b0");
    EXPECT_EQ(description(slot(1)).toStdString(), first.toStdString());
    EXPECT_EQ(slot(1)->toolTip().toStdString(), first.toStdString());
    EXPECT_EQ(description(slot(2)).toStdString(),
              QStringLiteral("V0 0.01234 at 77.7\u00b0, V1 1 at "
                             "\u22123.3\u00b0, V2 0.05678 at 151.1\u00b0; "
                             "the newest case")
                  .toStdString());
    EXPECT_TRUE(description(slot(3)).startsWith(QLatin1String("Empty")));
}

} // namespace

// State: fresh window, "xyz" in mag_b, the focus there. Action: Return, then Return with a
// number. Expected: a notification for screen readers only says why and then that the group
// was converted; the focus stays in mag_b.
TEST(AccessibleDescriptions, return_in_a_field_is_answered_by_an_alert) {
    auto form = testing_support::shown_form();
    type_into(*form, "mag_b", QStringLiteral("xyz"));
    const auto alert_after_return = [&] {
        QTest::keyClick(testing_support::field(*form, "mag_b"), Qt::Key_Return);
        const auto *alert = form->findChild<QWidget *>(QStringLiteral("announcement"));
        QAccessibleInterface *iface =
            QAccessible::queryAccessibleInterface(const_cast<QWidget *>(alert));
        EXPECT_TRUE(alert != nullptr && alert->isVisible() && iface != nullptr &&
                    iface->role() == QAccessible::Notification);
        EXPECT_EQ(QApplication::focusWidget(), testing_support::field(*form, "mag_b"));
        return iface == nullptr ? QString() : iface->text(QAccessible::Name);
    };
    EXPECT_EQ(alert_after_return(), "Not converted. Phase B magnitude: Not a number.");
    type_into(*form, "mag_b", QStringLiteral("2"));
    EXPECT_EQ(alert_after_return(), "Converted the ABC polar entries.");
}
