// What one plot call records: the erase box, the grid circles and the phasor lines with
// their attributes, the drawing state left behind, and the calls that stop after the box.
#include "tests/plot/plot_view.h"

#include <string>

namespace {

using namespace plot_test;
using Kind = toolkit::DrawOp::Kind;

constexpr Texts startup_abc{"1.0", "1.0", "1.0", "0.0", "-120.0", "120.0"};

void expect_erase_box(const toolkit::DrawOp &box, bool filled) {
    EXPECT_EQ(box.kind, Kind::Box);
    EXPECT_EQ(box.x1, 120);
    EXPECT_EQ(box.y1, 3360);
    EXPECT_EQ(box.x2, 10800);
    EXPECT_EQ(box.y2, 6295);
    EXPECT_EQ(box.color, std::nullopt) << "outline in the foreground colour";
    EXPECT_EQ(box.width, 1);
    EXPECT_EQ(box.style, 0);
    EXPECT_EQ(box.filled, filled);
    EXPECT_EQ(box.fill_color, toolkit::system_button_face);
}

// State: fresh window. Action: convert the start-up set. Expected: the box, then per
// diagram a solid white outer circle and four dotted white ones inside it, then its
// phasors two pixels wide in black, red and blue.
TEST(PlotOps, one_drawing_in_order_with_its_attributes) {
    auto form = testing_support::shown_form();
    convert(*form, 0, startup_abc);
    const auto &ops = form->canvas().last_call();
    ASSERT_EQ(ops.size(), 1U + 4 * 5 + 3 + 3 + 3 + 1);
    expect_erase_box(ops[0], false);

    const std::array<float, 5> radii{1035, 828, 621, 414, 207};
    const std::array<std::vector<toolkit::Colour>, 4> colours{
        {{black, red, blue}, {black, red, blue}, {black, red, blue}, {black}}};
    std::size_t i = 1;
    for (std::size_t h = 0; h < 4; ++h) {
        for (std::size_t k = 0; k < radii.size(); ++k, ++i) {
            const toolkit::DrawOp &c = ops[i];
            const std::string where =
                "diagram " + std::to_string(h) + " circle " + std::to_string(k);
            EXPECT_EQ(c.kind, Kind::Circle) << where;
            EXPECT_EQ(c.x, centre_x[h]) << where;
            EXPECT_EQ(c.y, centre_y) << where;
            EXPECT_EQ(c.r, radii[k]) << where;
            EXPECT_EQ(c.style, k == 0 ? 0 : 2) << where;
            EXPECT_EQ(c.width, 1) << where;
            EXPECT_TRUE(c.filled) << where;
            EXPECT_EQ(c.fill_color, white) << where;
            EXPECT_EQ(c.color, std::nullopt) << where;
        }
        for (toolkit::Colour colour : colours[h]) {
            const toolkit::DrawOp &line = ops[i++];
            const std::string where = "diagram " + std::to_string(h);
            EXPECT_EQ(line.kind, Kind::Line) << where;
            EXPECT_EQ(line.color, colour) << where;
            EXPECT_EQ(line.width, 2) << where;
            EXPECT_EQ(line.style, 0) << where;
            EXPECT_EQ(line.x1, centre_x[h]) << where;
            EXPECT_EQ(line.y1, centre_y) << where;
        }
    }
}

// State: fresh window. Action: a completed drawing, then another one.
// Expected: the first erase box is not filled (nothing drawn yet), the second is filled
// with button face; the drawing state is left as the next call expects it.
TEST(PlotOps, erase_box_is_filled_from_the_first_completed_drawing_on) {
    auto form = testing_support::shown_form();
    const toolkit::Canvas &canvas = form->canvas();
    convert(*form, 0, startup_abc);
    expect_erase_box(canvas.last_call().front(), false);
    EXPECT_EQ(canvas.DrawWidth, 1);
    EXPECT_EQ(canvas.DrawStyle, 0);
    EXPECT_EQ(canvas.FillStyle, 0);
    EXPECT_EQ(canvas.FillColor, white);

    convert(*form, 0, {"2", "1", "1", "0", "0", "0"});
    expect_erase_box(canvas.last_call().front(), true);
    EXPECT_EQ(canvas.last_call().size(), 31U);
}

// A call that stops after the erase box.
struct BlankCase {
    const char *name;
    Texts texts;
};

class PlotBlank : public ::testing::TestWithParam<BlankCase> {};

// State: fresh window; then the same window after one completed drawing.
// Action: convert the case. Expected: the box alone (transparent, then button face),
// Label22 moved and shown, and no save.
TEST_P(PlotBlank, stops_after_the_erase_box) {
    auto form = testing_support::shown_form();
    const toolkit::Canvas &canvas = form->canvas();
    convert(*form, 0, GetParam().texts);
    ASSERT_EQ(canvas.last_call().size(), 1U);
    expect_erase_box(canvas.last_call().front(), false);
    EXPECT_EQ(form->model().state().jslot, 0);
    EXPECT_EQ(form->Label22.Top(), 6550);
    EXPECT_TRUE(form->Label22.Visible());
    EXPECT_EQ(canvas.FillStyle, 1) << "nothing drawn: the fill stays transparent";

    convert(*form, 0, startup_abc);
    ASSERT_EQ(form->model().state().jslot, 1);
    convert(*form, 0, GetParam().texts);
    ASSERT_EQ(canvas.last_call().size(), 1U);
    expect_erase_box(canvas.last_call().front(), true);
    EXPECT_EQ(form->model().state().jslot, 1);
    EXPECT_FALSE(form->model().state().recall_in_progress);
    EXPECT_EQ(canvas.DrawStyle, 0);
    EXPECT_EQ(canvas.DrawWidth, 1);
    EXPECT_EQ(canvas.FillColor, toolkit::system_button_face);
    EXPECT_EQ(form->Label22.Top(), 6550);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, PlotBlank,
    ::testing::Values(
        BlankCase{"all_zero", {"0", "0", "0", "0", "0", "0"}},
        BlankCase{"largest_exactly_threshold", {"1E-06", "5E-07", "0", "0", "0", "0"}},
        // Above 1e-6 as a double, but 1e-6 once held in single precision.
        BlankCase{"rounds_to_threshold_in_single", {"0", "1.00000001E-06", "0", "0", "0", "0"}},
        BlankCase{"negative_at_threshold", {"-1E-06", "-1E-06", "-1E-06", "0", "0", "0"}},
        BlankCase{"entry_error", {"1", "one", "1", "0", "0", "0"}}),
    [](const auto &info) { return std::string(info.param.name); });

// State: fresh window. Action: an all-negative set. Expected: drawn in full like any
// other case and saved into the first slot.
TEST(PlotOps, all_negative_set_is_drawn_and_saved) {
    auto form = testing_support::shown_form();
    convert(*form, 0, {"-1", "-1", "-1", "0", "-120", "120"});
    EXPECT_EQ(form->canvas().last_call().size(), 31U);
    EXPECT_EQ(form->model().state().jslot, 1);
    EXPECT_EQ(form->model().state().saved[1].texts[0], QStringLiteral("-1"));
}

// State: two cases saved. Action: recall the first. Expected: drawn in full, not saved
// again, and the recall over once the drawing is done.
TEST(PlotOps, recalled_case_is_drawn_but_not_saved) {
    auto form = testing_support::shown_form();
    convert(*form, 0, startup_abc);
    convert(*form, 0, {"2", "1", "1", "0", "0", "0"});
    ASSERT_EQ(form->model().state().jslot, 2);
    testing_support::click(form->Option1[1].widget());
    EXPECT_EQ(form->canvas().last_call().size(), 31U);
    EXPECT_EQ(form->model().state().jslot, 2);
    EXPECT_FALSE(form->model().state().recall_in_progress);
    EXPECT_NEAR(form->canvas().last_call()[7].y2, centre_y + radius * std::sqrt(0.75F), 0.01)
        << "phase B of the start-up set, at -120 degrees";
}

// State: fresh window. Action: 200 conversions of different cases.
// Expected: the retained list holds one drawing, not two hundred.
TEST(PlotOps, retained_list_stays_one_drawing_long) {
    auto form = testing_support::shown_form();
    const toolkit::Canvas &canvas = form->canvas();
    convert(*form, 0, startup_abc);
    convert(*form, 0, {"2", "1.0", "1.0", "0.0", "-120.0", "120.0"});
    const std::size_t one_drawing = canvas.display_list().size();
    EXPECT_LE(one_drawing, canvas.last_call().size() + 1)
        << "at most the first unfilled box besides";
    for (int i = 0; i < 200; ++i) {
        testing_support::type_into(*form, "mag_a", QString::number(1 + i % 7));
        testing_support::type_into(*form, "ang_b", QString::number(i));
        testing_support::click(form->Convert[0]);
    }
    EXPECT_EQ(canvas.display_list().size(), one_drawing);
}

} // namespace
