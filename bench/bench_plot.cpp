// The cost of the phasor diagrams: one whole conversion with its plot, and painting the
// window from the retained list at device-pixel ratios 1 and 2.
#include "form/form1.h"

#include <QApplication>
#include <QImage>
#include <QPainter>
#include <QPushButton>

#include <benchmark/benchmark.h>

namespace {

// A window that has converted the start-up set once, so every later plot is a full one.
// Its first CONVERT button is pressed as a user presses it, through the button's signal.
struct DrawnForm {
    Form1 form;
    QPushButton *convert = nullptr;
    DrawnForm() {
        form.show();
        QApplication::processEvents();
        convert = form.findChild<QPushButton *>(QStringLiteral("Convert_0"));
        convert->click();
        QApplication::processEvents();
    }
};

void convert_with_plot(benchmark::State &state) {
    DrawnForm drawn;
    if (drawn.form.canvas().last_call().empty()) {
        state.SkipWithError("the first conversion drew nothing");
        return;
    }
    for (auto _ : state) {
        drawn.convert->click();
        benchmark::DoNotOptimize(drawn.form.canvas().last_call().size());
    }
    state.counters["ops"] = static_cast<double>(drawn.form.canvas().last_call().size());
    // The repaints that the recorded operations scheduled are not part of a conversion.
    QApplication::processEvents();
}
BENCHMARK(convert_with_plot);

// The canvas alone, as paintEvent replays it, into an image of the window's size.
void paint_canvas(benchmark::State &state) {
    const auto ratio = static_cast<int>(state.range(0));
    DrawnForm drawn;
    QImage image(drawn.form.size() * ratio, QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(ratio);
    for (auto _ : state) {
        QPainter painter(&image);
        drawn.form.canvas().paint(painter, drawn.form.palette());
        painter.end();
        benchmark::DoNotOptimize(image.constBits());
    }
}
BENCHMARK(paint_canvas)->Arg(1)->Arg(2);

// What copying the diagrams' circles buys: the drawing of a window of 3840 x 2160 painted as
// its sheet paints it, each circle copied from a picture of it, and half a pixel off, where
// a copy would not give the pixels of drawing and every circle is drawn.
void paint_canvas_4k(benchmark::State &state, bool half_pixel_off) {
    DrawnForm drawn;
    drawn.form.resize(3840, 2160);
    QApplication::processEvents();
    QImage image(drawn.form.size(), QImage::Format_RGB32);
    for (auto _ : state) {
        QPainter painter(&image);
        if (half_pixel_off)
            painter.translate(0.5, 0);
        drawn.form.canvas().paint(painter, drawn.form.palette(), drawn.form.scale());
        painter.end();
        benchmark::DoNotOptimize(image.constBits());
    }
}
BENCHMARK_CAPTURE(paint_canvas_4k, circles_copied, false);
BENCHMARK_CAPTURE(paint_canvas_4k, circles_drawn, true);

// The whole window with its controls, as a repaint after uncovering it would draw it.
void render_window(benchmark::State &state) {
    const auto ratio = static_cast<int>(state.range(0));
    DrawnForm drawn;
    QImage image(drawn.form.size() * ratio, QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(ratio);
    for (auto _ : state) {
        drawn.form.render(&image);
        benchmark::DoNotOptimize(image.constBits());
    }
}
BENCHMARK(render_window)->Arg(1)->Arg(2);

} // namespace
