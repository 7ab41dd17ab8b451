// The window in a light and a dark theme: every text readable against what lies behind it,
// and the diagrams on their light sheet, measured in grabs of the window.
#include "tests/support/shown_form.h"
#include "toolkit/palette.h"

#include <QGroupBox>
#include <QLabel>
#include <QScopeGuard>
#include <QStyle>
#include <QStyleOptionButton>
#include <QStyleOptionGroupBox>

#include <algorithm>
#include <cmath>
#include <map>
#include <string>

namespace {

using testing_support::shown_form;

double luminance(QColor c) {
    const auto linear = [](double v) {
        return v <= 0.04045 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * linear(c.redF()) + 0.7152 * linear(c.greenF()) + 0.0722 * linear(c.blueF());
}

double contrast(QColor a, QColor b) {
    const double la = luminance(a), lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

// In an area of the grab (logical pixels of the form): the most common colour is what lies
// behind, the pixel of highest contrast to it is the ink; their contrast ratio.
double contrast_in(const QImage &image, double ratio, const QRect &area) {
    const QRect device = QRect(area.topLeft() * ratio, area.size() * ratio) & image.rect();
    std::map<QRgb, int> counts;
    for (int y = device.top(); y <= device.bottom(); ++y)
        for (int x = device.left(); x <= device.right(); ++x)
            ++counts[image.pixel(x, y)];
    if (counts.empty())
        return 0;
    const QColor behind = std::max_element(counts.begin(), counts.end(), [](auto &a, auto &b) {
                              return a.second < b.second;
                          })->first;
    double best = 1;
    for (const auto &[rgb, n] : counts)
        best = std::max(best, contrast(QColor(rgb), behind));
    return best;
}

// Where each text of the window is drawn, in pixels of the form, with its minimum ratio.
struct TextArea {
    std::string name;
    QRect area;
    double minimum;
};

QRect in_form(const Form1 &form, const QWidget *w, const QRect &r) {
    return r.translated(w->mapTo(&form, QPoint(0, 0)));
}

std::vector<TextArea> text_areas(const Form1 &form) {
    std::vector<TextArea> out;
    const auto name = [](const QWidget *w) { return w->objectName().toStdString(); };
    for (const QLineEdit *e : form.findChildren<QLineEdit *>())
        out.push_back({name(e), in_form(form, e, e->rect().adjusted(3, 3, -3, -3)), 4.5});
    for (const QLabel *l : form.findChildren<QLabel *>()) {
        if (l->isVisible())
            out.push_back(
                {name(l), in_form(form, l, l->rect()), name(l).starts_with("Letter_") ? 3.0 : 4.5});
    }
    for (const QGroupBox *g : form.findChildren<QGroupBox *>()) {
        if (g->title().isEmpty())
            continue;
        QStyleOptionGroupBox option;
        option.initFrom(g);
        option.text = g->title();
        option.lineWidth = 1;
        option.subControls = QStyle::SC_GroupBoxFrame | QStyle::SC_GroupBoxLabel;
        const QRect title =
            g->style()->subControlRect(QStyle::CC_GroupBox, &option, QStyle::SC_GroupBoxLabel, g);
        out.push_back({name(g), in_form(form, g, title), 4.5});
    }
    for (const QAbstractButton *b : form.findChildren<QAbstractButton *>()) {
        // Disabled controls are exempt from contrast rules, and grey in every theme.
        if (!b->isEnabled())
            continue;
        QRect caption = b->rect().adjusted(4, 4, -4, -4);
        if (qobject_cast<const QRadioButton *>(b) != nullptr) {
            QStyleOptionButton option;
            option.initFrom(b);
            option.text = b->text();
            caption = b->style()->subElementRect(QStyle::SE_RadioButtonContents, &option, b);
        }
        out.push_back({name(b), in_form(form, b, caption), 4.5});
    }
    return out;
}

struct ThemeCase {
    const char *name;
    bool dark;
    bool dark_at_start_up; // else switched while the window is shown
    bool bad_entry;        // else the start-up case converted
};

class WindowTheme : public ::testing::TestWithParam<ThemeCase> {};

// State: the window in the case's theme. Action: a conversion, or one with a bad entry.
// Expected: every text at least 4.5:1 against its background (the plot letters 3:1), and
// every ring of a drawn diagram at least 3:1 against its disc.
TEST_P(WindowTheme, texts_and_rings_stand_out_from_what_is_behind_them) {
    const ThemeCase &c = GetParam();
    const auto restore = qScopeGuard([] { QApplication::setPalette(toolkit::light_palette()); });
    if (c.dark && c.dark_at_start_up)
        QApplication::setPalette(toolkit::dark_palette());
    auto form = shown_form();
    if (c.dark)
        QApplication::setPalette(toolkit::dark_palette());
    if (c.bad_entry)
        testing_support::type_into(*form, "mag_c", QStringLiteral("x"));
    testing_support::click(form->Convert[0]);
    ASSERT_EQ(form->model().state().errors_found, c.bad_entry);

    const QPixmap grab = form->grab();
    const QImage image = grab.toImage().convertToFormat(QImage::Format_RGB32);
    const double ratio = grab.devicePixelRatio();
    EXPECT_EQ(qGray(image.pixel(2, 2)) < 128, c.dark) << "the form's background";
    const std::vector<TextArea> areas = text_areas(*form);
    EXPECT_EQ(areas.size(), c.bad_entry ? 24U + 20 + 8 + 4 + 5 : 24U + 20 + 8 + 4 + 6);
    for (const TextArea &t : areas) {
        const double measured = contrast_in(image, ratio, t.area);
        EXPECT_GE(measured, t.minimum) << t.name;
    }

    if (c.bad_entry)
        return;
    // The top of each ring, where no phasor of the start-up case passes.
    for (int h = 0; h < 4; ++h) {
        for (double ring : {1.0, 0.8, 0.6, 0.4, 0.2}) {
            const QPoint top = form->px_rect(1507.5 + 2640 * h, 5005 - ring * 1035, 0, 0).topLeft();
            const double measured =
                contrast_in(image, ratio, QRect(top - QPoint(6, 1), QSize(13, 6)));
            EXPECT_GE(measured, 3.0) << "diagram " << h << " ring " << ring;
        }
    }
}

INSTANTIATE_TEST_SUITE_P(
    Themes, WindowTheme,
    ::testing::Values(ThemeCase{"light_converted", false, false, false},
                      ThemeCase{"light_bad_entry", false, false, true},
                      ThemeCase{"dark_switched_converted", true, false, false},
                      ThemeCase{"dark_switched_bad_entry", true, false, true},
                      ThemeCase{"dark_at_start_up_converted", true, true, false},
                      ThemeCase{"dark_at_start_up_bad_entry", true, true, true}),
    [](const auto &info) { return std::string(info.param.name); });

// State: the start-up case drawn in the light theme. Action: switch to the dark theme, then
// back. Expected: in the dark theme the plot area below Line1 shows exactly the pixels of
// the light theme; back in the light theme the whole window is as it was.
TEST(WindowThemeSheet, plot_area_stays_light_and_the_light_theme_comes_back_unchanged) {
    const auto restore = qScopeGuard([] { QApplication::setPalette(toolkit::light_palette()); });
    auto form = shown_form();
    testing_support::click(form->Convert[0]);
    const QImage light = form->grab().toImage();
    // Below Line1's own row, which follows the theme like the rest of the box.
    const QRect sheet = form->sheet_rect().adjusted(0, 1, 0, 0);
    ASSERT_FALSE(sheet.isEmpty());

    QApplication::setPalette(toolkit::dark_palette());
    QApplication::processEvents();
    const QImage dark = form->grab().toImage();
    EXPECT_NE(dark.pixel(2, 2), light.pixel(2, 2)) << "the form follows the theme";
    EXPECT_EQ(dark.copy(sheet), light.copy(sheet));

    QApplication::setPalette(toolkit::light_palette());
    QApplication::processEvents();
    EXPECT_EQ(form->grab().toImage(), light);
}

// State: the dark theme at start-up. Action: a conversion, then a light theme of other
// colours. Expected: before the drawing the plot area is the window's own dark grey, not an
// empty light block; after the switch its captions are in the new theme's text colour.
TEST(WindowThemeSheet, sheet_lights_up_with_the_drawing_and_its_captions_follow_the_theme) {
    const auto restore = qScopeGuard([] { QApplication::setPalette(toolkit::light_palette()); });
    QApplication::setPalette(toolkit::dark_palette());
    auto form = shown_form();
    const QRect sheet = form->sheet_rect();
    const QImage before = form->grab().toImage();
    EXPECT_EQ(before.pixel(sheet.center()), before.pixel(2, 2)) << "an empty light block";
    testing_support::click(form->Convert[0]);

    QPalette other = toolkit::light_palette();
    const QColor ink(0, 0, 160);
    other.setColor(QPalette::WindowText, ink);
    QApplication::setPalette(other);
    QApplication::processEvents();
    const QImage after = form->grab().toImage();
    int inked = 0;
    const QRect caption = form->Positive_label.widget()->geometry().translated(sheet.topLeft());
    for (int y = caption.top(); y <= caption.bottom(); ++y)
        for (int x = caption.left(); x <= caption.right(); ++x)
            inked += QColor(after.pixel(x, y)) == ink ? 1 : 0;
    EXPECT_GT(inked, 20);
}

} // namespace
