// A drawing repaints the sheet, and the sheet repaints from its cached picture while nothing
// it shows has changed; what the window shows must still equal a fresh rendering of the
// whole window.
#include "toolkit/form_window.h"
#include "toolkit/palette.h"
#include "toolkit/sheet.h"

#include <QApplication>
#include <QImage>
#include <QPixmap>
#include <QScreen>
#include <QTest>

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
#include <utility>

namespace {

QImage shown(QWidget &window) {
    QApplication::processEvents();
    return window.screen()
        ->grabWindow(window.winId())
        .toImage()
        .convertToFormat(QImage::Format_RGB32);
}

QImage rendered(QWidget &window) {
    return window.grab().toImage().convertToFormat(QImage::Format_RGB32);
}

// An erase and a diagram, as a plot draws them: a filled box, circles and two wide lines.
void draw(toolkit::Canvas &canvas, float tip_x, float tip_y) {
    canvas.FillStyle = 0;
    canvas.FillColor = toolkit::system_button_face;
    canvas.DrawWidth = 1;
    canvas.Box(150, 150, 5850, 4350);
    canvas.FillColor = toolkit::QBColor(15);
    canvas.Circle(3000, 2250, 1500);
    canvas.DrawStyle = 2;
    canvas.Circle(3000, 2250, 900);
    canvas.DrawStyle = 0;
    canvas.DrawWidth = 2;
    canvas.Line(3000, 2250, tip_x, tip_y, toolkit::QBColor(12));
    canvas.Line(3000, 2250, 6000 - tip_x, 4500 - tip_y, toolkit::QBColor(9));
}

TEST(FormWindowRepaint, window_after_drawings_matches_a_fresh_rendering) {
    // State: a shown window. Action: three drawings with the lines moved each time, events
    // handled in between. Expected: the screen shows no stale pixels anywhere.
    toolkit::FormWindow window(6000, 4500);
    window.make_sheet(60, 60, 5940, 4440);
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    const QImage blank = shown(window);

    const float tips[][2] = {{4400, 1000}, {1700, 3600}, {3100, 800}};
    for (const auto &tip : tips) {
        draw(window.canvas(), tip[0], tip[1]);
        const QImage on_screen = shown(window);
        ASSERT_EQ(on_screen.size(), rendered(window).size());
        EXPECT_NE(on_screen, blank);
        EXPECT_EQ(on_screen, rendered(window))
            << "stale pixels after the tip at " << tip[0] << ", " << tip[1];
    }
}

TEST(FormWindowRepaint, partial_repaints_across_the_drawing_match_a_fresh_rendering) {
    // State: a drawn window. Action: repaint small rectangles (as a control or a caret
    // would) across circle edges, a line and empty background. Expected: no pixel changes
    // from a fresh rendering.
    toolkit::FormWindow window(6000, 4500);
    window.make_sheet(60, 60, 5940, 4440);
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    draw(window.canvas(), 4400, 1000);
    (void)shown(window);

    const QRect areas[] = {{95, 140, 20, 20}, {190, 95, 30, 10}, {250, 60, 12, 12}, {2, 2, 8, 8}};
    for (const QRect &area : areas) {
        window.repaint(area);
        EXPECT_EQ(shown(window), rendered(window))
            << "after repainting " << area.x() << "," << area.y();
    }
}

// State: a window with a sheet, blank, drawn, or with only a box's outline drawn. Action:
// render the sheet alone over magenta, at ratios 1 and 2. Expected: no magenta: the sheet
// paints every pixel of its rectangle, the form beneath it paints none.
TEST(FormWindowRepaint, the_sheet_paints_its_whole_rectangle) {
    const std::pair<const char *, std::function<void(toolkit::Canvas &)>> drawings[] = {
        {"blank", [](toolkit::Canvas &) {}},
        {"drawn", [](toolkit::Canvas &c) { draw(c, 4400, 1000); }},
        {"outlined", [](toolkit::Canvas &c) { c.Box(150, 150, 5850, 4350); }}};
    for (const auto &[name, drawing] : drawings) {
        toolkit::FormWindow window(6000, 4500);
        toolkit::Sheet *sheet = window.make_sheet(60, 60, 5940, 4440);
        drawing(window.canvas());
        for (const qreal ratio : {1.0, 2.0}) {
            QImage image(sheet->size() * ratio, QImage::Format_RGB32);
            image.setDevicePixelRatio(ratio);
            image.fill(Qt::magenta);
            sheet->render(&image);
            int magenta = 0;
            for (int y = 0; y < image.height(); ++y) {
                for (int x = 0; x < image.width(); ++x)
                    magenta += image.pixel(x, y) == QColor(Qt::magenta).rgb() ? 1 : 0;
            }
            EXPECT_EQ(magenta, 0) << name << " at ratio " << ratio;
        }
    }
}

struct Change {
    const char *name;
    std::function<void(toolkit::FormWindow &)> apply;
};

class SheetPicture : public testing::TestWithParam<Change> {};

// State: a drawn window, rendered once. Action: a change, then a rendering at ratio 1 and
// at ratio 2. Expected: the pixels of a fresh window in the changed state, painted without
// a picture kept from before.
TEST_P(SheetPicture, follows_every_change_of_what_it_shows) {
    const auto at_ratio = [](QWidget &window, qreal ratio) {
        QImage image(window.size() * ratio, QImage::Format_RGB32);
        image.setDevicePixelRatio(ratio);
        window.render(&image);
        return image;
    };
    const auto drawn_window = [] {
        auto window = std::make_unique<toolkit::FormWindow>(6000, 4500);
        window->make_sheet(60, 60, 5940, 4440);
        draw(window->canvas(), 4400, 1000);
        return window;
    };
    const auto changed = drawn_window();
    (void)at_ratio(*changed, 1);
    (void)at_ratio(*changed, 2);
    GetParam().apply(*changed);
    const auto fresh = drawn_window();
    GetParam().apply(*fresh);
    for (const qreal ratio : {1.0, 2.0})
        EXPECT_EQ(at_ratio(*changed, ratio), at_ratio(*fresh, ratio)) << "at ratio " << ratio;
}

INSTANTIATE_TEST_SUITE_P(
    Changes, SheetPicture,
    testing::Values(
        Change{"dark_theme", [](toolkit::FormWindow &w) { w.setPalette(toolkit::dark_palette()); }},
        Change{"larger", [](toolkit::FormWindow &w) { w.resize(w.size() * 3 / 2); }},
        Change{"new_drawing", [](toolkit::FormWindow &w) { draw(w.canvas(), 1700, 3600); }}),
    [](const testing::TestParamInfo<Change> &info) { return std::string(info.param.name); });

} // namespace
