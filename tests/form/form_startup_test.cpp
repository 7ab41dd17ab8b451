// The window right after start-up: the form state, the placed but hidden plot labels,
// the keyboard focus order and the disabled memory buttons.

#include "form_fields.h"
#include "tests/support/shown_form.h"

#include <QApplication>
#include <QLabel>
#include <QTest>

#include <gtest/gtest.h>

#include <bit>
#include <cstdint>

namespace {

using testing_support::click;
using testing_support::shown_form;

// State: a freshly shown window.
// Expected: the angle constant and plot geometry come from the definition; the memory
// cursor and the flags are reset.
TEST(StartUp, fixes_constants_geometry_and_flags) {
    const auto form = shown_form();
    EXPECT_EQ(std::bit_cast<std::uint32_t>(form->model().phasors().pi180), 0x3C8EFA35u);
    EXPECT_EQ(form->model().state().xspacing, 2670.0F);
    EXPECT_EQ(form->model().state().radius, 1035.0F);
    EXPECT_EQ(form->model().state().littlespace, 100.0F);
    EXPECT_EQ(form->model().state().jslot, 0);
    EXPECT_FALSE(form->model().state().recall_in_progress);
    EXPECT_FALSE(form->model().state().errors_found);
    EXPECT_TRUE(form_test::marked(*form).empty());
}

struct PlacedLabel {
    const char *name;
    float left, top; // twips
};

// State: a freshly shown window.
// Expected: the six plot captions already stand at their places in the row under Line1,
// the note at its place in the definition, and all seven are hidden.
TEST(StartUp, plot_labels_are_placed_but_hidden) {
    const auto form = shown_form();
    const PlacedLabel placed[] = {
        {"Letter_A", 1237.5F, 3460},    {"Letter_B", 1440, 3460},       {"Letter_C", 1642.5F, 3460},
        {"Positive_label", 3240, 3460}, {"Negative_label", 5820, 3460}, {"Zero_label", 8700, 3460},
        {"Label22", 120, 6480},
    };
    const toolkit::Label *labels[] = {
        &form->Letter_A,       &form->Letter_B,   &form->Letter_C, &form->Positive_label,
        &form->Negative_label, &form->Zero_label, &form->Label22};
    for (std::size_t i = 0; i < std::size(placed); ++i) {
        const auto &[name, left, top] = placed[i];
        const toolkit::Label &l = *labels[i];
        ASSERT_EQ(l.widget()->objectName(), QLatin1String(name));
        EXPECT_EQ(l.Left(), left) << name;
        EXPECT_EQ(l.Top(), top) << name;
        const QPoint at = l.widget()->mapTo(form.get(), QPoint());
        EXPECT_LE(std::abs(at.x() - left / 15.0), 0.5) << name;
        EXPECT_LE(std::abs(at.y() - top / 15.0), 0.5) << name;
        EXPECT_FALSE(l.Visible()) << name;
        EXPECT_FALSE(l.widget()->isVisible()) << name;
    }
}

QString focused() {
    return QApplication::focusWidget() ? QApplication::focusWidget()->objectName() : QString();
}

// The focus order: the Tab columns of the definition, skipping labels, frames and the
// disabled memory buttons.
const QStringList tab_walk{"mag_b",  "mag_a",     "mag_c",     "ang_b",     "ang_a",    "ang_c",
                           "imag_c", "imag_a",    "imag_b",    "real_c",    "real_a",   "real_b",
                           "ang_2",  "ang_0",     "ang_1",     "mag_2",     "mag_0",    "mag_1",
                           "real_1", "real_0",    "real_2",    "imag_1",    "imag_0",   "imag_2",
                           "CLEAR",  "Convert_0", "Convert_1", "Convert_2", "Convert_3"};

// State: a freshly shown window.
// Action: press Tab once more than there are stops.
// Expected: focus starts in mag_b, walks the tab order and wraps round to mag_b.
TEST(FocusOrder, tab_walks_the_tab_indices_from_mag_b) {
    const auto form = shown_form();
    QStringList seen{focused()};
    for (qsizetype i = 0; i < tab_walk.size(); ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        seen << focused();
    }
    EXPECT_EQ(seen, tab_walk + QStringList{"mag_b"});
}

// State: a freshly shown window, focus in mag_b.
// Action: press Shift+Tab once more than there are stops.
// Expected: the same stops in reverse, from Convert_3 back to mag_b.
TEST(FocusOrder, backtab_walks_the_same_stops_backwards) {
    const auto form = shown_form();
    QStringList seen{focused()};
    for (qsizetype i = 0; i < tab_walk.size(); ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab, Qt::ShiftModifier);
        seen << focused();
    }
    QStringList expected{"mag_b"};
    for (auto it = tab_walk.crbegin(); it != tab_walk.crend(); ++it)
        expected << *it;
    EXPECT_EQ(seen, expected);
}

// State: a freshly shown window; nothing saved yet.
// Action: click each of the ten memory buttons.
// Expected: they are disabled, so nothing happens: no selection, no recall, no texts change.
TEST(MemoryButtons, disabled_buttons_ignore_clicks_at_start_up) {
    const auto form = shown_form();
    const auto before = form_test::texts(*form);
    for (int i = 1; i <= 10; ++i) {
        click(form->Option1[static_cast<std::size_t>(i)].widget());
        EXPECT_FALSE(form->Option1[static_cast<std::size_t>(i)].Value()) << i;
    }
    EXPECT_EQ(form_test::texts(*form), before);
    EXPECT_EQ(form->model().state().jslot, 0);
    EXPECT_EQ(form->model().state().jpunched, 0);
    EXPECT_FALSE(form->model().state().recall_in_progress);
    EXPECT_FALSE(form->Letter_A.Visible()); // no conversion ran
}

} // namespace
