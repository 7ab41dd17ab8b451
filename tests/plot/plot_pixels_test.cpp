// What the user sees of the diagrams: pixels of a grab probed in small neighbourhoods
// where a phasor, a ring or the erased background must be.
#include "tests/plot/plot_view.h"

#include <QScreen>

#include <string>

namespace {

using namespace plot_test;

constexpr Texts startup_abc{"1.0", "1.0", "1.0", "0.0", "-120.0", "120.0"};

struct Probe {
    int h;
    double length; // in radii from the diagram's centre
    double angle;  // degrees, imaginary axis up
    Ink ink;
};

struct PixelCase {
    const char *name;
    int group;
    Texts texts;
    std::vector<Probe> probes;
};

// The three phasors of a balanced set in diagram h: inside near the centre and near the
// outer circle, and nothing of them beyond it.
std::vector<Probe> balanced(int h) {
    std::vector<Probe> probes;
    const std::array<std::pair<double, Ink>, 3> phasors{
        {{0, Ink::Black}, {-120, Ink::Red}, {120, Ink::Blue}}};
    for (const auto &[angle, ink] : phasors) {
        probes.push_back({h, 0.3, angle, ink});
        probes.push_back({h, 0.93, angle, ink});
        probes.push_back({h, 1.12, angle, Ink::Face});
    }
    return probes;
}

std::vector<Probe> operator+(std::vector<Probe> a, const std::vector<Probe> &b) {
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

class PlotPixels : public ::testing::TestWithParam<PixelCase> {};

// State: fresh window. Action: convert the case. Expected: each probe finds its ink.
TEST_P(PlotPixels, phasors_show_in_their_colours_and_directions) {
    auto form = testing_support::shown_form();
    convert(*form, GetParam().group, GetParam().texts);
    const Picture picture = grab(*form);
    for (const Probe &p : GetParam().probes)
        EXPECT_TRUE(ink_at(picture, p.h, p.length, p.angle, p.ink))
            << "diagram " << p.h << " at " << p.length << " radii, " << p.angle << " degrees, ink "
            << static_cast<int>(p.ink);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, PlotPixels,
    ::testing::Values(PixelCase{"startup_balanced_set", 0, startup_abc,
                                balanced(0) + balanced(1) +
                                    std::vector<Probe>{{2, 0.5, 0, Ink::White},
                                                       {2, 0.5, -120, Ink::White},
                                                       {2, 0.5, 120, Ink::White},
                                                       {3, 0.5, 0, Ink::White},
                                                       {0, 1.0, 90, Ink::Black},
                                                       {3, 1.0, -90, Ink::Black}}},
                      PixelCase{"three_equal_phases_at_zero",
                                0,
                                {"1", "1", "1", "0", "0", "0"},
                                // Phase C is drawn last, over A and B.
                                {{0, 0.5, 0, Ink::Blue},
                                 {3, 0.5, 0, Ink::Black},
                                 {3, 0.93, 0, Ink::Black},
                                 {3, 1.12, 0, Ink::Face},
                                 {1, 0.5, 0, Ink::White},
                                 {2, 0.5, 0, Ink::White}}},
                      // Scale 3: every sequence phasor ends a third of the way out.
                      PixelCase{"sequence_polar_defaults",
                                2,
                                {"1.0", "1.0", "1.0", "0.0", "0.0", "0.0"},
                                {{0, 0.93, 0, Ink::Black},
                                 {1, 0.3, 0, Ink::Black},
                                 {1, 0.3, -120, Ink::Red},
                                 {1, 0.3, 120, Ink::Blue},
                                 {1, 0.5, 0, Ink::White},
                                 {1, 0.5, -120, Ink::White},
                                 {1, 0.5, 120, Ink::White},
                                 {2, 0.3, 120, Ink::Red},
                                 {2, 0.3, -120, Ink::Blue},
                                 {2, 0.5, 120, Ink::White},
                                 {3, 0.3, 0, Ink::Black},
                                 {3, 0.5, 0, Ink::White}}},
                      PixelCase{"negative_phase_a",
                                0,
                                {"-10", "2", "-3", "0", "0", "0"},
                                {{0, 0.93, 180, Ink::Black},
                                 {0, 0.5, 180, Ink::Black},
                                 {0, 0.5, 0, Ink::White},
                                 {0, 1.12, 180, Ink::Face}}}),
    [](const auto &info) { return std::string(info.param.name); });

// Dark pixels within two pixels of a ring, per pixel of its circumference, and the share
// of them that are grey (smoothed) rather than black.
struct Ring {
    double dark = 0;
    double grey = 0;
};

Ring ring_of(const Picture &picture, int h, double r_twips) {
    const double cx = centre_x[static_cast<std::size_t>(h)] * px_per_twip;
    const double cy = centre_y * px_per_twip;
    const double r = r_twips * px_per_twip;
    int dark = 0, grey = 0;
    for (int y = static_cast<int>(cy - r - 3); y <= static_cast<int>(cy + r + 3); ++y) {
        for (int x = static_cast<int>(cx - r - 3); x <= static_cast<int>(cx + r + 3); ++x) {
            if (std::abs(std::hypot(x + 0.5 - cx, y + 0.5 - cy) - r) > 2)
                continue;
            const int level = qGray(picture.image.pixel(x, y));
            dark += level < 100;
            grey += level >= 60 && level < 200;
        }
    }
    const double circumference = 2 * std::numbers::pi * r;
    return {dark / circumference, grey / circumference};
}

// State: fresh window. Action: the start-up conversion (diagram 2's phasors have no
// length). Expected: a crisp solid outer ring and four visibly dotted rings inside.
TEST(PlotPixelsRings, outer_ring_solid_inner_rings_dotted) {
    auto form = testing_support::shown_form();
    convert(*form, 0, startup_abc);
    const Picture picture = grab(*form);
    const Ring outer = ring_of(picture, 2, 1035);
    EXPECT_GT(outer.dark, 0.85);
    EXPECT_LT(outer.grey, 0.1) << "a one-pixel outline is not smoothed";
    for (double r : {828.0, 621.0, 414.0, 207.0}) {
        const Ring ring = ring_of(picture, 2, r);
        EXPECT_GT(ring.dark, 0.2) << "ring " << r << " not visible";
        EXPECT_LT(ring.dark, 0.65) << "ring " << r << " not dotted";
    }
}

// State: fresh window. Action: phasors along both axes. Expected: each one's ink runs
// within a pixel of its line, about two pixels wide, in its own colour.
TEST(PlotPixelsLines, phasors_along_the_axes_lie_on_their_lines_in_their_colours) {
    auto form = testing_support::shown_form();
    convert(*form, 0, {"1", "1", "1", "0", "90", "180"});
    const Picture picture = grab(*form);
    const std::array<std::pair<double, QColor>, 3> phasors{
        {{0, Qt::black}, {90, Qt::red}, {180, Qt::blue}}};
    for (const auto &[angle, ink] : phasors)
        expect_on_its_line(picture, 0, 0.5, angle, ink);
}

// State: a balanced set drawn. Action: convert a set with every phasor at 45 degrees.
// Expected: nothing is left of the old red, blue and black phasors.
TEST(PlotPixelsErase, smaller_case_leaves_no_trace_of_the_larger) {
    auto form = testing_support::shown_form();
    convert(*form, 0, {"4", "4", "4", "0", "-120", "120"});
    convert(*form, 0, {"2", "1", "1", "45", "45", "45"});
    const Picture picture = grab(*form);
    for (int h : {0, 1}) {
        for (double f : {0.3, 0.5, 0.7, 0.9}) {
            EXPECT_TRUE(ink_at(picture, h, f, -120, Ink::White)) << "diagram " << h << " at " << f;
            EXPECT_TRUE(ink_at(picture, h, f, 120, Ink::White)) << "diagram " << h << " at " << f;
        }
    }
    EXPECT_TRUE(ink_at(picture, 1, 0.5, 0, Ink::White));
    EXPECT_TRUE(ink_at(picture, 0, 0.93, 45, Ink::Black));
    EXPECT_TRUE(ink_at(picture, 0, 0.3, 45, Ink::Blue));
}

// State: a balanced set drawn. Action: an entry error. Expected: the plot area is button
// face where circles and phasors were, framed by the box's outline.
TEST(PlotPixelsErase, entry_error_leaves_the_framed_area_empty) {
    auto form = testing_support::shown_form();
    convert(*form, 0, startup_abc);
    convert(*form, 0, {"1", "1", "x", "0", "-120", "120"});
    const Picture picture = grab(*form);
    for (int h = 0; h < 4; ++h) {
        EXPECT_TRUE(ink_at(picture, h, 0, 0, Ink::Face)) << "diagram " << h;
        EXPECT_TRUE(ink_at(picture, h, 1.0, 90, Ink::Face)) << "diagram " << h;
        EXPECT_TRUE(ink_at(picture, h, 0.5, -120, Ink::Face)) << "diagram " << h;
    }
    EXPECT_TRUE(picture.ink_near(5000, 6295 - 10, Ink::Black)) << "bottom edge of the box";
}

// State: a drawing on screen. Action: hide and show the window, then force a repaint.
// Expected: the same picture from the retained list, and no second save.
TEST(PlotPixelsRetained, repaint_shows_the_same_picture_without_saving_again) {
    auto form = testing_support::shown_form();
    convert(*form, 0, startup_abc);
    // The plot area only: showing the window again may move the keyboard focus.
    const QRect plot_area(8, 224, 713, 197);
    const QImage before = grab(*form).image.copy(plot_area);
    const auto jslot = form->model().state().jslot;
    const auto ops = form->canvas().last_call();

    form->hide();
    QApplication::processEvents();
    form->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(form.get()));
    EXPECT_TRUE(grab(*form).image.copy(plot_area) == before);
    form->update();
    form->repaint();
    EXPECT_TRUE(grab(*form).image.copy(plot_area) == before);
    EXPECT_EQ(form->model().state().jslot, jslot);
    EXPECT_EQ(form->canvas().last_call(), ops) << "no plot call ran again";
}

// State: a shown window. Action: conversions that move the phasors, keep them, erase them
// and draw them again. Expected: after each, the screen (only the changed parts repainted)
// equals a fresh rendering of the whole window.
TEST(PlotPixelsRetained, the_screen_after_each_conversion_equals_a_fresh_rendering) {
    auto form = testing_support::shown_form();
    const auto screen = [&] {
        QApplication::processEvents();
        return form->screen()
            ->grabWindow(form->winId())
            .toImage()
            .convertToFormat(QImage::Format_RGB32);
    };
    const Texts cases[] = {startup_abc,
                           {"2", "1", "1", "45", "45", "45"},
                           {"2", "1", "1", "45", "45", "45"},
                           {"1", "3", "1", "10", "-100", "150"},
                           {"0", "0", "0", "0", "0", "0"},
                           startup_abc};
    for (const Texts &texts : cases) {
        convert(*form, 0, texts);
        EXPECT_EQ(screen(), grab(*form).image) << "after " << texts[0] << " " << texts[3];
    }
}

} // namespace
