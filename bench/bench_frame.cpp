// What the user waits for, on the offscreen platform: one Convert click with the repaint
// that its plot schedules, and one key typed into a field below a drawn plot with its
// repaint. QT_SCALE_FACTOR=2 gives ratio 2. The sized ones take the window's size; the
// offscreen screen is 800 x 600 unless QT_QPA_PLATFORM=offscreen:configfile=FILE names
// larger ones.
#include "form/form1.h"

#include "toolkit/form_window.h"

#include <QApplication>
#include <QGroupBox>
#include <QImage>
#include <QStyle>
#include <QStyleFactory>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include <benchmark/benchmark.h>

#include <memory>

namespace {

// Shows the window and converts the start-up set once; returns the first CONVERT button.
QPushButton *show_and_convert(Form1 &form) {
    form.show();
    QApplication::processEvents();
    auto *convert = form.findChild<QPushButton *>(QStringLiteral("Convert_0"));
    convert->click();
    QApplication::processEvents();
    return convert;
}

void convert_and_repaint(benchmark::State &state) {
    Form1 form;
    QPushButton *convert = show_and_convert(form);
    for (auto _ : state) {
        convert->click();
        QApplication::processEvents();
    }
    state.counters["ratio"] = form.devicePixelRatioF();
}
BENCHMARK(convert_and_repaint);

// A digit typed and taken back again, so the text stays the same from one round to the next.
void type_and_repaint(benchmark::State &state) {
    Form1 form;
    show_and_convert(form);
    auto *field = form.findChild<QLineEdit *>(QStringLiteral("mag_a"));
    field->setFocus();
    for (auto _ : state) {
        QTest::keyClick(field, Qt::Key_7);
        QApplication::processEvents();
        QTest::keyClick(field, Qt::Key_Backspace);
        QApplication::processEvents();
    }
}
BENCHMARK(type_and_repaint);

// Shows the window at a size and converts the start-up set once; `drawn` false then sets
// the phase magnitudes to zero, so each Convert only erases the plot area: the floor under
// the drawing.
QPushButton *show_at_size(Form1 &form, const benchmark::State &state, bool drawn) {
    form.resize(static_cast<int>(state.range(0)), static_cast<int>(state.range(1)));
    QPushButton *convert = show_and_convert(form);
    if (!drawn) {
        for (const char *name : {"mag_a", "mag_b", "mag_c"})
            form.findChild<QLineEdit *>(QLatin1String(name))->setText(QStringLiteral("0"));
        convert->click();
        QApplication::processEvents();
    }
    return convert;
}

void click_at_size(benchmark::State &state, bool drawn) {
    Form1 form;
    QPushButton *convert = show_at_size(form, state, drawn);
    for (auto _ : state) {
        convert->click();
        QApplication::processEvents();
    }
    state.counters["ratio"] = form.devicePixelRatioF();
    state.counters["width"] = form.width();
}
BENCHMARK_CAPTURE(click_at_size, drawn, true)->Args({833, 461})->Args({3840, 2160});
BENCHMARK_CAPTURE(click_at_size, empty, false)->Args({833, 461})->Args({3840, 2160});

// A click whose drawing differs from the one shown: phase A's magnitude alternates between
// the start-up's 1 and 0.5, so the diagrams' phasors move and their rings stay.
void click_new_drawing(benchmark::State &state) {
    Form1 form;
    QPushButton *convert = show_at_size(form, state, true);
    auto *mag_a = form.findChild<QLineEdit *>(QStringLiteral("mag_a"));
    bool half = true;
    for (auto _ : state) {
        mag_a->setText(half ? QStringLiteral("0.5") : QStringLiteral("1"));
        convert->click();
        QApplication::processEvents();
        half = !half;
    }
    state.counters["ratio"] = form.devicePixelRatioF();
    state.counters["width"] = form.width();
}
BENCHMARK(click_new_drawing)->Args({3840, 2160});

// One step of an edge drag: a few pixels narrower or wider, with its repaint.
void resize_step(benchmark::State &state, bool drawn) {
    Form1 form;
    show_at_size(form, state, drawn);
    const int width = static_cast<int>(state.range(0));
    const int height = static_cast<int>(state.range(1));
    bool narrower = true;
    for (auto _ : state) {
        form.resize(narrower ? width - 4 : width, height);
        QApplication::processEvents();
        narrower = !narrower;
    }
    state.counters["ratio"] = form.devicePixelRatioF();
}
BENCHMARK_CAPTURE(resize_step, drawn, true)->Args({3840, 2160});
BENCHMARK_CAPTURE(resize_step, empty, false)->Args({3840, 2160});

// An edge drag as a hand makes it: each step 4 pixels narrower, through 100 sizes the window
// has not had just before, so no step finds the diagrams' picture at its size.
void drag_step(benchmark::State &state, bool drawn) {
    Form1 form;
    show_at_size(form, state, drawn);
    const int width = static_cast<int>(state.range(0));
    const int height = static_cast<int>(state.range(1));
    int step = 0;
    for (auto _ : state) {
        step = (step + 1) % 100;
        form.resize(width - 4 * step, height);
        QApplication::processEvents();
    }
    state.counters["ratio"] = form.devicePixelRatioF();
}
BENCHMARK_CAPTURE(drag_step, drawn, true)->Args({3840, 2160});
BENCHMARK_CAPTURE(drag_step, empty, false)->Args({3840, 2160});

// What painting a group box's frame in pieces buys: a box of 3600 x 900 pixels, as the
// frames stand at 3840 x 2160, rendered in the program's style and in the plain one.
void group_box_frame(benchmark::State &state, bool plain) {
    toolkit::FormWindow form(60000, 15000);
    QGroupBox box(QStringLiteral("012 Rectangular"), &form);
    const std::unique_ptr<QStyle> fusion(QStyleFactory::create(QStringLiteral("Fusion")));
    if (plain)
        box.setStyle(fusion.get());
    box.setGeometry(10, 10, 3600, 900);
    QImage image(box.size(), QImage::Format_RGB32);
    for (auto _ : state) {
        box.render(&image);
        benchmark::DoNotOptimize(image.constBits());
    }
}
BENCHMARK_CAPTURE(group_box_frame, in_pieces, false);
BENCHMARK_CAPTURE(group_box_frame, plain_style, true);

} // namespace
