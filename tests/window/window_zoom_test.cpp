// The window at any size: the whole form scales from its twips, centred in spare space,
// its text rendered anew at the larger size; Ctrl+- and Ctrl+0 step back.
#include "tests/support/shown_form.h"

#include <QScopeGuard>
#include <QScreen>

#include <algorithm>
#include <string>

namespace {

using testing_support::shown_form;

QRect rect_in_form(Form1 &form, const char *name) {
    const QWidget *w = form.findChild<QWidget *>(QLatin1String(name));
    return QRect(w->mapTo(&form, QPoint(0, 0)), w->size());
}

// How far apart two rectangles' edges are, in pixels.
int off_by(QRect a, QRect b) {
    return std::max({std::abs(a.left() - b.left()), std::abs(a.top() - b.top()),
                     std::abs(a.right() - b.right()), std::abs(a.bottom() - b.bottom())});
}

// A field's text: the rows its ink spans, and how many of its pixels are fully dark.
std::pair<int, int> text_ink(Form1 &form, const char *name) {
    const QImage image = form.grab().toImage();
    const QRect area = rect_in_form(form, name).adjusted(3, 3, -3, -3);
    int top = area.bottom(), bottom = area.top(), dark = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x) {
            const int level = qGray(image.pixel(x, y));
            if (level < 160)
                top = std::min(top, y), bottom = std::max(bottom, y);
            dark += level < 40;
        }
    return {bottom - top + 1, dark};
}

// State: the start-up case drawn at the defined size. Action: resize to twice the size.
// Expected: a grab of 1666 x 922; a field, a plot letter and the phase diagram at twice
// their pixels; the field's text rendered at twice the size, not blown up; twips unchanged.
TEST(WindowZoom, twice_the_size_shows_everything_twice_as_large) {
    auto form = shown_form();
    testing_support::click(form->Convert[0]);
    const QRect field = rect_in_form(*form, "real_b");
    const QRect letter = rect_in_form(*form, "Letter_A");
    const auto [small_height, small_dark] = text_ink(*form, "real_b");
    const auto ops = form->canvas().last_call();

    form->resize(1666, 922);
    QApplication::processEvents();
    EXPECT_EQ(form->zoom(), 2);
    EXPECT_EQ(form->grab().size(), QSize(1666, 922));
    EXPECT_LE(off_by(rect_in_form(*form, "real_b"), QRect(field.topLeft() * 2, field.size() * 2)),
              1);
    EXPECT_LE(
        off_by(rect_in_form(*form, "Letter_A"), QRect(letter.topLeft() * 2, letter.size() * 2)), 1);
    const auto [large_height, large_dark] = text_ink(*form, "real_b");
    EXPECT_NEAR(double(large_height) / small_height, 2.0, 0.3);
    EXPECT_GE(large_dark, 3 * small_dark) << "crisp strokes, not a smoothed enlargement";

    // Phase A (black) along the axis from the centre at (1507.5, 5005) twips, white inside,
    // the outer circle at 1035 twips: 7.5 twips a pixel.
    const QImage image = form->grab().toImage();
    const QPoint centre(201, 667);
    EXPECT_LT(qGray(image.pixel(centre + QPoint(60, 0))), 60);
    EXPECT_GT(qGray(image.pixel(centre + QPoint(0, -60))), 245);
    EXPECT_LT(qGray(image.pixel(centre + QPoint(0, -138))), 60);
    EXPECT_GT(qGray(image.pixel(centre + QPoint(0, -134))), 245);
    EXPECT_EQ(form->canvas().last_call(), ops);
}

struct SizeCase {
    const char *name;
    QSize asked, shown;
    double zoom;
    QPoint origin; // where the form's corner stands
};

class WindowSize : public ::testing::TestWithParam<SizeCase> {};

// State: fresh window. Action: resize. Expected: never below the defined size; the form
// scaled by the smaller ratio and centred, the spare space in the form's background.
TEST_P(WindowSize, form_keeps_its_proportions_centred) {
    const SizeCase &c = GetParam();
    auto form = shown_form();
    form->resize(c.asked);
    QApplication::processEvents();
    EXPECT_EQ(form->size(), c.shown);
    EXPECT_DOUBLE_EQ(form->zoom(), c.zoom);
    EXPECT_EQ(rect_in_form(*form, "Polar_ABC").topLeft(), c.origin + QPoint(16, 16) * c.zoom);
    // Controls in a frame stand relative to it, without the form's centring.
    EXPECT_EQ(rect_in_form(*form, "mag_a").topLeft() - rect_in_form(*form, "Polar_ABC").topLeft(),
              QPoint(24, 48) * c.zoom);
    const QImage image = form->grab().toImage();
    const QColor face = form->palette().color(QPalette::Button);
    EXPECT_EQ(image.pixelColor(1, 1), face);
    EXPECT_EQ(image.pixelColor(image.width() - 2, image.height() - 2), face);
}

INSTANTIATE_TEST_SUITE_P(
    Sizes, WindowSize,
    ::testing::Values(SizeCase{"smaller_is_refused", {400, 300}, {833, 461}, 1, {0, 0}},
                      SizeCase{"wider", {1666, 1200}, {1666, 1200}, 2, {0, 139}},
                      SizeCase{"taller", {2000, 922}, {2000, 922}, 2, {167, 0}}),
    [](const auto &info) { return std::string(info.param.name); });

// State: the window at twice its size. Action: Ctrl+-, then Ctrl+0. Expected: one zoom
// step down (175%), then the defined size.
TEST(WindowZoom, ctrl_minus_steps_down_and_ctrl_0_goes_back) {
    auto form = shown_form();
    form->resize(1666, 922);
    QTest::keyClick(form.get(), Qt::Key_Minus, Qt::ControlModifier);
    EXPECT_EQ(form->size(), QSize(1458, 807));
    QTest::keyClick(form.get(), Qt::Key_0, Qt::ControlModifier);
    EXPECT_EQ(form->size(), QSize(833, 461));
}

// Run by the window_tests_big_screen entry on a 3840 x 2160 screen, where the window can grow.
class BigScreen : public ::testing::Test {
protected:
    void SetUp() override {
        if (QGuiApplication::primaryScreen()->availableGeometry().width() < 3840)
            GTEST_SKIP() << "needs the 3840 x 2160 offscreen screen of big_screen.json";
    }
};

// State: fresh window. Action: Ctrl++, Ctrl+=, then Ctrl+-. Expected: 125%, 150%, 125%.
TEST_F(BigScreen, ctrl_plus_steps_up_and_ctrl_minus_back) {
    auto form = shown_form();
    QTest::keyClick(form.get(), Qt::Key_Plus, Qt::ControlModifier);
    EXPECT_EQ(form->size(), QSize(1041, 576));
    QTest::keyClick(form.get(), Qt::Key_Equal, Qt::ControlModifier);
    EXPECT_EQ(form->size(), QSize(1250, 692));
    EXPECT_NEAR(form->zoom(), 1.5, 0.01);
    QTest::keyClick(form.get(), Qt::Key_Minus, Qt::ControlModifier);
    EXPECT_EQ(form->size(), QSize(1041, 576));
}

// State: the desktop's font at twice the usual size, then far larger. Action: open the
// window. Expected: twice the defined size; then as large as the screen holds.
TEST_F(BigScreen, window_opens_at_the_zoom_of_the_desktop_font) {
    const auto restore = qScopeGuard([] { toolkit::set_desktop_font(QFont("Sans Serif", 9)); });
    toolkit::set_desktop_font(QFont("Sans Serif", 18));
    EXPECT_EQ(shown_form()->size(), QSize(1666, 922));
    toolkit::set_desktop_font(QFont("Sans Serif", 72));
    const QSize room = QGuiApplication::primaryScreen()->availableGeometry().size();
    const QSize size = shown_form()->size();
    EXPECT_TRUE(size.width() == room.width() || size.height() == room.height()) << size.width();
    EXPECT_TRUE(room.expandedTo(size) == room) << size.width() << " x " << size.height();
}

// State: the desktop's font at twice the usual size, given in points, then in pixels.
// Action: open the window, then Ctrl+0. Expected: twice the defined size either way; Ctrl+0
// goes to the defined size, not back to the desktop font's.
TEST_F(BigScreen, the_desktop_font_in_points_or_pixels_sets_the_zoom_and_ctrl_0_the_defined_size) {
    const auto restore = qScopeGuard([] { toolkit::set_desktop_font(QFont("Sans Serif", 9)); });
    QFont pixels("Sans Serif");
    pixels.setPixelSize(24);
    for (const QFont &font : {QFont("Sans Serif", 18), pixels}) {
        toolkit::set_desktop_font(font);
        auto form = shown_form();
        EXPECT_EQ(form->size(), QSize(1666, 922)) << font.toString().toStdString();
        QTest::keyClick(form.get(), Qt::Key_0, Qt::ControlModifier);
        EXPECT_EQ(form->size(), QSize(833, 461)) << font.toString().toStdString();
    }
}

} // namespace
