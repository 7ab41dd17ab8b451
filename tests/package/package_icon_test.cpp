// The application icon as the desktop shows it: bitmaps at each shipped size, the SVG, and
// the window icon the program draws for itself.
#include "icon_art.h"

#include <QIcon>
#include <QImage>
#include <QPainter>
#include <QPixmap>
#include <QSvgRenderer>

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

namespace {

constexpr int sizes[] = {16, 24, 32, 48, 64, 128, 256};
const char *const phase_names[] = {"A", "B", "C"};

// The pixel under a canvas point at a bitmap size.
QColor pixel_at(const QImage &image, QPointF canvas_point) {
    const double k = image.width() / icon_art::canvas_size;
    return image.pixelColor(static_cast<int>(std::floor(canvas_point.x() * k)),
                            static_cast<int>(std::floor(canvas_point.y() * k)));
}

bool near(const QColor &a, const QColor &b, int tolerance) {
    return std::abs(a.red() - b.red()) <= tolerance &&
           std::abs(a.green() - b.green()) <= tolerance &&
           std::abs(a.blue() - b.blue()) <= tolerance && a.alpha() == 255;
}

// Whether the colour, unblended, covers a pixel at or next to a canvas point.
bool ink_near(const QImage &image, QPointF canvas_point, const QColor &colour) {
    const double k = image.width() / icon_art::canvas_size;
    const int x = static_cast<int>(std::floor(canvas_point.x() * k));
    const int y = static_cast<int>(std::floor(canvas_point.y() * k));
    for (int dy = -1; dy <= 1; ++dy)
        for (int dx = -1; dx <= 1; ++dx)
            if (near(image.pixelColor(x + dx, y + dy), colour, 24))
                return true;
    return false;
}

TEST(PackageIcon, phasors_point_where_their_angles_say) {
    const QPointF centre(128, 128);
    // Anticlockwise angles on a y-down canvas: B (-120) lies below the centre, C above.
    EXPECT_GT(icon_art::phasor_tip(0).x(), 200);
    EXPECT_NEAR(icon_art::phasor_tip(0).y(), 128, 1e-9);
    EXPECT_GT(icon_art::phasor_tip(1).y(), centre.y() + 50);
    EXPECT_LT(icon_art::phasor_tip(2).y(), centre.y() - 50);
    EXPECT_LT(icon_art::phasor_tip(1).x(), centre.x());
    EXPECT_NEAR(icon_art::phasor_tip(1).x(), icon_art::phasor_tip(2).x(), 1e-9);
}

// Each phasor keeps its full colour at every size, the 16 px one included, on its shaft
// and on its head.
TEST(PackageIcon, each_size_shows_three_coloured_phasors) {
    const QPointF centre(128, 128);
    for (int size : sizes) {
        const QImage image = icon_art::render(size);
        ASSERT_EQ(image.size(), QSize(size, size));
        for (int phase = 0; phase < 3; ++phase) {
            const QPointF to_tip = icon_art::phasor_tip(phase) - centre;
            for (double along : {0.4, 0.7}) {
                const QPointF p = centre + along * to_tip;
                EXPECT_TRUE(ink_near(image, p, icon_art::phasor_colour(phase)))
                    << size << " px, phase " << phase_names[phase] << " at " << along << ": "
                    << pixel_at(image, p).name().toStdString();
            }
        }
    }
}

// Round, not square: the corners stay transparent and the disc between the phasors is light.
TEST(PackageIcon, disc_is_light_and_corners_transparent) {
    for (int size : sizes) {
        const QImage image = icon_art::render(size);
        EXPECT_EQ(image.pixelColor(0, 0).alpha(), 0) << size;
        EXPECT_EQ(image.pixelColor(size - 1, size - 1).alpha(), 0) << size;
        // 60 degrees, halfway between A and C, well inside the rim.
        const QColor between = pixel_at(image, QPointF(128 + 35, 128 - 61));
        EXPECT_GT(between.lightness(), 230) << size << " px: " << between.name().toStdString();
        EXPECT_EQ(between.alpha(), 255) << size;
    }
}

// The scalable icon is the same drawing as the bitmaps: rendered at 64 px it matches the
// shipped 64 px bitmap but for antialiasing.
TEST(PackageIcon, svg_renders_like_the_bitmap) {
    const QString dir = QStringLiteral(TRIVANE_ICON_DIR);
    const QString name = QStringLiteral(TRIVANE_APP_ID);
    QSvgRenderer svg(dir + QLatin1Char('/') + name + QStringLiteral(".svg"));
    ASSERT_TRUE(svg.isValid());
    EXPECT_EQ(svg.viewBoxF(), QRectF(0, 0, icon_art::canvas_size, icon_art::canvas_size));
    const QImage bitmap = QImage(dir + QStringLiteral("/64/") + name + QStringLiteral(".png"))
                              .convertToFormat(QImage::Format_ARGB32);
    ASSERT_EQ(bitmap.size(), QSize(64, 64));
    QImage drawn(bitmap.size(), QImage::Format_ARGB32);
    drawn.fill(Qt::transparent);
    QPainter painter(&drawn);
    svg.render(&painter);
    painter.end();
    int worst = 0;
    for (int y = 0; y < drawn.height(); ++y) {
        for (int x = 0; x < drawn.width(); ++x) {
            const QColor a = drawn.pixelColor(x, y);
            const QColor b = bitmap.pixelColor(x, y);
            worst = std::max({worst, std::abs(a.red() - b.red()), std::abs(a.green() - b.green()),
                              std::abs(a.blue() - b.blue()), std::abs(a.alpha() - b.alpha())});
        }
    }
    EXPECT_LE(worst, 16);
}

// The window icon the program draws for itself holds each size as its own drawing, so the
// small ones keep their bold strokes instead of being scaled down.
TEST(PackageIcon, window_icon_has_each_size_drawn) {
    const QIcon icon = icon_art::icon();
    ASSERT_FALSE(icon.availableSizes().isEmpty());
    for (const QSize &size : icon.availableSizes()) {
        EXPECT_EQ(icon.pixmap(size).toImage().convertToFormat(QImage::Format_ARGB32_Premultiplied),
                  icon_art::render(size.width()))
            << size.width() << " px";
    }
    EXPECT_TRUE(icon.availableSizes().contains(QSize(16, 16)));
    EXPECT_TRUE(icon.availableSizes().contains(QSize(48, 48)));
}

} // namespace
