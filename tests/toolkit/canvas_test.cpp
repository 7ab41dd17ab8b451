// The retained display list: what is recorded, with which state, and what is dropped.
#include "toolkit/canvas.h"
#include "toolkit/figure.h"

#include <QImage>
#include <QPainter>
#include <QPicture>
#include <QRegularExpression>

#include <gtest/gtest.h>

namespace {

using toolkit::Canvas;
using toolkit::DrawOp;

TEST(Canvas, operations_carry_the_drawing_state_of_their_moment) {
    Canvas c;
    c.Box(0, 0, 100, 100); // toolkit defaults: solid 1-px pen, transparent fill
    c.DrawStyle = 2;
    c.DrawWidth = 2;
    c.FillStyle = 0;
    c.FillColor = toolkit::QBColor(15);
    c.Circle(50, 50, 10);
    c.Line(1, 2, 3, 4, toolkit::QBColor(12));

    ASSERT_EQ(c.last_call().size(), 3u);
    const DrawOp &box = c.last_call()[0];
    EXPECT_EQ(box.kind, DrawOp::Kind::Box);
    EXPECT_FALSE(box.filled);
    EXPECT_EQ(box.style, 0);
    EXPECT_EQ(box.width, 1);
    EXPECT_FALSE(box.color.has_value());
    const DrawOp &circle = c.last_call()[1];
    EXPECT_TRUE(circle.filled);
    EXPECT_EQ(circle.fill_color, 0x00FFFFFFu);
    EXPECT_EQ(circle.style, 2);
    EXPECT_EQ(c.last_call()[2].color, std::optional<toolkit::Colour>(0x000000FFu));
}

TEST(Canvas, begin_call_starts_a_new_record_but_keeps_the_picture) {
    Canvas c;
    c.Line(0, 0, 10, 10);
    c.begin_call();
    EXPECT_TRUE(c.last_call().empty());
    EXPECT_EQ(c.display_list().size(), 1u);
}

struct PruneCase {
    const char *name;
    DrawOp earlier;
    bool dropped;
};

DrawOp line(float x1, float y1, float x2, float y2, int width = 2) {
    DrawOp op;
    op.kind = DrawOp::Kind::Line;
    op.x1 = x1, op.y1 = y1, op.x2 = x2, op.y2 = y2, op.width = width;
    return op;
}

DrawOp circle(float x, float y, float r) {
    DrawOp op;
    op.kind = DrawOp::Kind::Circle;
    op.x = x, op.y = y, op.r = r;
    return op;
}

class CanvasFilledBox : public testing::TestWithParam<PruneCase> {};

// A solid filled box from (1000, 1000) to (5000, 5000) hides what lies wholly inside it.
TEST_P(CanvasFilledBox, drops_exactly_what_it_hides) {
    const PruneCase &p = GetParam();
    Canvas c;
    c.DrawWidth = p.earlier.width;
    if (p.earlier.kind == DrawOp::Kind::Line)
        c.Line(p.earlier.x1, p.earlier.y1, p.earlier.x2, p.earlier.y2, 0);
    else
        c.Circle(p.earlier.x, p.earlier.y, p.earlier.r);
    c.DrawWidth = 1;
    c.FillStyle = 0;
    c.Box(1000, 1000, 5000, 5000);
    EXPECT_EQ(c.display_list().size(), p.dropped ? 1u : 2u);
    EXPECT_EQ(c.display_list().back().kind, DrawOp::Kind::Box);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, CanvasFilledBox,
    testing::Values(PruneCase{"line_inside", line(2000, 2000, 3000, 3000), true},
                    PruneCase{"circle_inside", circle(3000, 3000, 1000), true},
                    PruneCase{"line_crossing_the_edge", line(2000, 2000, 6000, 3000), false},
                    PruneCase{"circle_crossing_the_edge", circle(3000, 3000, 2500), false},
                    PruneCase{"line_on_the_outline", line(1000, 2000, 1000, 3000), false},
                    PruneCase{"line_outside", line(6000, 6000, 7000, 7000), false}),
    [](const testing::TestParamInfo<PruneCase> &info) { return std::string(info.param.name); });

TEST(Canvas, a_filled_box_hides_an_earlier_box_with_its_outline) {
    Canvas c;
    c.Box(1000, 1000, 5000, 5000);
    c.FillStyle = 0;
    c.Box(1000, 1000, 5000, 5000);
    EXPECT_EQ(c.display_list().size(), 1u);
}

TEST(Canvas, a_transparent_box_hides_nothing) {
    Canvas c;
    c.Line(2000, 2000, 3000, 3000);
    c.Box(1000, 1000, 5000, 5000);
    EXPECT_EQ(c.display_list().size(), 2u);
}

TEST(Canvas, repeating_a_one_pixel_operation_keeps_one_copy) {
    // Erasing with a transparent box again and again must not grow the picture.
    Canvas c;
    for (int i = 0; i < 100; ++i)
        c.Box(120, 3360, 10800, 6295);
    EXPECT_EQ(c.display_list().size(), 1u);
}

TEST(Canvas, repeated_wide_lines_are_kept_because_their_smoothed_edges_add_up) {
    Canvas c;
    c.DrawWidth = 2;
    c.Line(0, 0, 100, 100);
    c.Line(0, 0, 100, 100);
    EXPECT_EQ(c.display_list().size(), 2u);
}

// --- Painting --------------------------------------------------------------------------

namespace painting {

// Ink-weighted middle row of one column of a painted image.
double ink_row(const QImage &image, int column) {
    double ink = 0, moment = 0;
    for (int y = 0; y < image.height(); ++y) {
        const double w = 255 - qGray(image.pixel(column, y));
        ink += w;
        moment += w * (y + 0.5);
    }
    return moment / ink;
}

// State: a line 2 px wide from (20, 20) px rising 0.4 px over 300 px. Action: paint it at
// ratio 2. Expected: its end lies 0.8 device pixels above its start, not on a whole pixel.
TEST(CanvasPaint, line_ends_keep_their_fraction_of_a_pixel) {
    Canvas c;
    c.DrawWidth = 2;
    c.Line(300, 300, 300 + 300 * 15, 300 - 6, toolkit::rgb_black);
    QImage image(QSize(700, 100), QImage::Format_RGB32);
    image.fill(Qt::white);
    image.setDevicePixelRatio(2);
    QPainter painter(&image);
    c.paint(painter, toolkit::light_palette());
    painter.end();
    EXPECT_NEAR(ink_row(image, 50) - ink_row(image, 630), 0.8 * 580 / 600, 0.15);
}

// State: three filled circles of one radius, with dotted rings inside: the second filled in
// another colour, the third dotted; pens of 1 and 3 pixels (zoom 1 and 3), ratios 1 and 2,
// over stripes. Action: paint them onto an image, where a repeated circle is copied, and
// replay a recording, where each is drawn. Expected: the same pixels.
TEST(CanvasPaint, copied_circles_give_the_pixels_of_drawn_ones) {
    Canvas c;
    c.FillStyle = 0;
    for (const float x : {1200.0F, 3600.0F, 6000.0F}) {
        c.DrawStyle = x == 6000 ? 2 : 0;
        c.FillColor = toolkit::QBColor(x == 3600 ? 14 : 15);
        c.Circle(x, 1200, 900);
        c.DrawStyle = 2;
        for (const float r : {720.0F, 540.0F, 360.0F, 180.0F})
            c.Circle(x, 1200, r);
    }
    for (const double zoom : {1.0, 3.0}) {
        for (const qreal ratio : {1.0, 2.0}) {
            QImage copied(QSize(480, 170) * zoom * ratio, QImage::Format_RGB32);
            for (int y = 0; y < copied.height(); ++y)
                for (int x = 0; x < copied.width(); ++x)
                    copied.setPixel(x, y, (x / 3 + y / 5) % 2 ? 0xff4080c0 : 0xffe0c020);
            copied.setDevicePixelRatio(ratio);
            QImage drawn = copied;
            QPicture recording;
            for (QPaintDevice *device :
                 {static_cast<QPaintDevice *>(&copied), static_cast<QPaintDevice *>(&recording)}) {
                QPainter painter(device);
                c.paint(painter, toolkit::light_palette(), toolkit::Scale{zoom, QPoint(3, 2)});
            }
            QPainter replay(&drawn);
            recording.play(&replay);
            replay.end();
            EXPECT_TRUE(copied == drawn) << "zoom " << zoom << ", ratio " << ratio;
        }
    }
}

} // namespace painting

} // namespace

namespace {

// A figure of a small canvas: 1500 x 750 twips, 100 x 50 pixels at the defined size.
struct SmallFigure {
    Canvas canvas;
    toolkit::Figure figure{canvas, 0, 0, 1500, 750, QPalette(), QStringLiteral("t")};
    SmallFigure() { canvas.Line(0, 0, 1500, 750); }
};

} // namespace

// A PNG at twice the density has twice the pixels and twice the dots per inch, so documents
// place it at its size on screen.
TEST(FigureFiles, png_resolution_follows_the_pixel_ratio) {
    const SmallFigure small;
    for (const qreal ratio : {1.0, 2.0}) {
        const QImage image = toolkit::figure_image(small.figure, ratio, 96);
        EXPECT_EQ(image.size(), small.figure.size() * ratio);
        EXPECT_EQ(image.dotsPerMeterX(), qRound(96 * ratio / 0.0254));
    }
}

// The PDF page is the figure's size on a 96 dpi screen, in points: three quarters of its
// pixels, to the whole point the writer rounds to.
TEST(FigureFiles, pdf_page_is_the_size_on_screen_in_points) {
    const SmallFigure small;
    const QByteArray pdf = toolkit::figure_file(small.figure, toolkit::FigureFormat::pdf, 1, 96);
    const QRegularExpression media(QStringLiteral("/MediaBox \\[0 0 ([0-9.]+) ([0-9.]+)\\]"));
    const QRegularExpressionMatch box = media.match(QString::fromLatin1(pdf));
    ASSERT_TRUE(box.hasMatch());
    EXPECT_NEAR(box.captured(1).toDouble(), small.figure.size().width() * 0.75, 0.5);
    EXPECT_NEAR(box.captured(2).toDouble(), small.figure.size().height() * 0.75, 0.5);
}
