// Turning "Keep Cases Between Runs" off in the window: one question, and only Yes stops
// keeping and forgets the kept cases; the memory buttons of the run stay either way.
#include "memory_view.h"
#include "tests/support/shown_form.h"

#include <QFile>

namespace {

QAction *keep_entry(QMenu &menu) {
    for (QAction *action : menu.actions()) {
        if (action->text() == QLatin1String("Keep Cases Between Runs"))
            return action;
    }
    return nullptr;
}

TEST(MemoryKeep, turning_keeping_off_asks_once_and_only_yes_forgets_the_file) {
    for (const bool yes : {false, true}) {
        SCOPED_TRACE(yes ? "Yes" : "No");
        const std::unique_ptr<Form1> form = testing_support::shown_form();
        testing_support::click(form->Convert[0]);
        testing_support::click(form->Convert[1]);
        form->case_memory().wait_for_pending();
        ASSERT_TRUE(QFile::exists(form->case_memory().path()));
        int questions = 0;
        form->ask = [&](const QString &) { return ++questions, yes; };
        const std::unique_ptr<QMenu> menu(form->actions().context_menu());
        keep_entry(*menu)->trigger();
        form->case_memory().wait_for_pending();
        EXPECT_EQ(questions, 1);
        EXPECT_EQ(keep_entry(*menu)->isChecked(), !yes);
        EXPECT_EQ(form->case_memory().keeping(), !yes);
        EXPECT_EQ(QFile::exists(form->case_memory().path()), !yes);
        EXPECT_EQ(memory_test::buttons(*form), memory_test::expected_buttons(2, 2, 0));
    }
}

} // namespace
