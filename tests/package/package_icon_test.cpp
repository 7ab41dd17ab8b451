// The application icon as the desktop shows it: bitmaps at each shipped size and the SVG.
#include "icon_art.h"

#include <QImage>
#include <QXmlStreamReader>

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

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

// The scalable icon is well-formed and draws the same three phasors: each arrowhead's
// first point is its tip.
TEST(PackageIcon, svg_holds_the_same_phasors) {
    QXmlStreamReader xml(icon_art::svg());
    std::vector<std::pair<QString, QPointF>> heads;
    QString view_box;
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement)
            continue;
        const auto attrs = xml.attributes();
        if (xml.name() == QLatin1String("svg"))
            view_box = attrs.value(QLatin1String("viewBox")).toString();
        if (xml.name() == QLatin1String("polygon")) {
            const QStringList tip = attrs.value(QLatin1String("points"))
                                        .toString()
                                        .section(QLatin1Char(' '), 0, 0)
                                        .split(QLatin1Char(','));
            ASSERT_EQ(tip.size(), 2);
            heads.emplace_back(attrs.value(QLatin1String("fill")).toString(),
                               QPointF(tip[0].toDouble(), tip[1].toDouble()));
        }
    }
    ASSERT_FALSE(xml.hasError()) << xml.errorString().toStdString();
    EXPECT_EQ(view_box.toStdString(), "0 0 256 256");
    ASSERT_EQ(heads.size(), 3U);
    for (int phase = 0; phase < 3; ++phase) {
        const auto &[fill, tip] = heads[static_cast<std::size_t>(phase)];
        EXPECT_EQ(fill, icon_art::phasor_colour(phase).name()) << phase_names[phase];
        EXPECT_NEAR(tip.x(), icon_art::phasor_tip(phase).x(), 1e-3) << phase_names[phase];
        EXPECT_NEAR(tip.y(), icon_art::phasor_tip(phase).y(), 1e-3) << phase_names[phase];
    }
}

} // namespace
