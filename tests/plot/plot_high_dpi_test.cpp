// The diagrams at device-pixel ratio 2: run by its own CTest entry under QT_SCALE_FACTOR=2
// and skipped anywhere else.
#include "tests/plot/plot_view.h"

namespace {

using namespace plot_test;

// State: fresh window at ratio 2. Action: the start-up conversion. Expected: a grab of
// twice the size, with the phasors and rings at twice the coordinates.
TEST(PlotHighDpi, grab_has_twice_the_pixels_in_the_same_places) {
    auto form = testing_support::shown_form();
    if (form->devicePixelRatio() != 2)
        GTEST_SKIP() << "needs device-pixel ratio 2, have " << form->devicePixelRatio();
    convert(*form, 0, {"1.0", "1.0", "1.0", "0.0", "-120.0", "120.0"});
    const Picture picture = grab(*form);
    ASSERT_EQ(picture.ratio, 2);
    EXPECT_EQ(picture.image.width(), 1666);
    EXPECT_EQ(picture.image.height(), 922);

    EXPECT_TRUE(ink_at(picture, 0, 0.5, 0, Ink::Black));
    EXPECT_TRUE(ink_at(picture, 0, 0.93, 0, Ink::Black));
    EXPECT_TRUE(ink_at(picture, 0, 0.6, -120, Ink::Red));
    EXPECT_TRUE(ink_at(picture, 0, 0.6, 120, Ink::Blue));
    EXPECT_TRUE(ink_at(picture, 1, 0.93, -120, Ink::Red));
    EXPECT_TRUE(ink_at(picture, 0, 1.0, 90, Ink::Black)) << "outer circle";
    EXPECT_TRUE(ink_at(picture, 0, 1.12, 0, Ink::Face));
    EXPECT_TRUE(ink_at(picture, 2, 0.5, 0, Ink::White));
    expect_on_its_line(picture, 0, 0.5, 0, Qt::black);
}

} // namespace
