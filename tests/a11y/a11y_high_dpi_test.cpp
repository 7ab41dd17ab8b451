// The window at device-pixel ratio 2: run by its own CTest entry under QT_SCALE_FACTOR=2
// and skipped anywhere else.
#include "tests/support/shown_form.h"
#include "toolkit/twips.h"

#include <QImage>
#include <QPixmap>

namespace {

bool scaled_run() {
    return qgetenv("QT_SCALE_FACTOR") == "2";
}

// Aligned 2 x 2 blocks of device pixels inside `area` (logical px) that are not one colour.
// A picture drawn at ratio 1 and blown up has none; one drawn at ratio 2 has many.
int fine_blocks(const QImage &image, const QRect &area) {
    int count = 0;
    for (int y = 2 * area.top(); y + 1 < 2 * (area.bottom() + 1); y += 2)
        for (int x = 2 * area.left(); x + 1 < 2 * (area.right() + 1); x += 2) {
            const QRgb p = image.pixel(x, y);
            if (image.pixel(x + 1, y) != p || image.pixel(x, y + 1) != p ||
                image.pixel(x + 1, y + 1) != p)
                ++count;
        }
    return count;
}

// State: fresh window at ratio 2. Expected: the same logical geometry as at ratio 1, and a
// grab with twice the pixels each way.
TEST(HighDpi, geometry_stays_in_twips_and_grab_doubles) {
    if (!scaled_run())
        GTEST_SKIP() << "runs under QT_SCALE_FACTOR=2 (CTest entry a11y_tests_ratio2)";
    auto form = testing_support::shown_form();
    ASSERT_EQ(form->devicePixelRatio(), 2);
    EXPECT_EQ(form->size(), QSize(833, 461));
    QWidget *mag_a = testing_support::field(*form, "mag_a");
    // 15 twips to the logical pixel, as at ratio 1: mag_a sits at (360, 720) twips in its
    // frame, CLEAR at (10920, 120) twips in the window.
    EXPECT_EQ(mag_a->geometry(), QRect(24, 48, 65, 25));
    EXPECT_EQ(form->CLEAR->geometry(), QRect(728, 8, 97, 49));

    const QPixmap grab = form->grab();
    EXPECT_EQ(grab.devicePixelRatio(), 2);
    EXPECT_EQ(grab.size(), QSize(1666, 922));
}

// State: fresh window at ratio 2. Action: convert the start-up case. Expected: field text
// and diagrams are drawn at device resolution, not enlarged from a ratio-1 picture.
TEST(HighDpi, text_and_diagrams_are_drawn_at_device_resolution) {
    if (!scaled_run())
        GTEST_SKIP() << "runs under QT_SCALE_FACTOR=2 (CTest entry a11y_tests_ratio2)";
    auto form = testing_support::shown_form();
    testing_support::click(form->Convert[0]);
    const QImage image = form->grab().toImage();
    ASSERT_EQ(image.width(), 1666);

    QLineEdit *real_b = testing_support::field(*form, "real_b");
    const QRect text(real_b->mapTo(form.get(), QPoint(0, 0)), real_b->size());
    EXPECT_GT(fine_blocks(image, text.adjusted(3, 3, -3, -3)), 100) << "field text";

    // Inside the outer circle of the phase diagram, centred at (1507.5, 5005) twips.
    const QPointF centre = toolkit::twips_point(1507.5, 5005);
    const double r = toolkit::twips_to_pxf(form->model().state().radius) - 3;
    const QRect diagram = QRectF(centre - QPointF(r, r), QSizeF(2 * r, 2 * r)).toRect();
    EXPECT_GT(fine_blocks(image, diagram), 500) << "phase diagram";
}

} // namespace
