// The window as built: every control against the window definition, written out here
// independently in twips, and the captions against the room they are given.

#include "tests/support/shown_form.h"

#include <QAbstractButton>
#include <QFontMetrics>
#include <QGroupBox>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>

#include <gtest/gtest.h>

#include <ostream>

namespace {

using testing_support::shown_form;

struct Control {
    const char *name;             // object name: the control's name, or name_index in an array
    const char *kind;             // Qt class
    const char *parent;           // containing frame, or "" for the window itself
    int left, top, width, height; // twips
    const char *text;             // caption or default text
};

void PrintTo(const Control &c, std::ostream *out) {
    *out << c.name;
}

constexpr const char *frame = "QGroupBox";
constexpr const char *box = "QLineEdit";
constexpr const char *label = "QLabel";
constexpr const char *button = "QPushButton";
constexpr const char *option = "QRadioButton";

// clang-format off
const Control window_definition[] = {
    {"Polar_ABC", frame, "", 240, 240, 2535, 2175, "ABC Polar"},
    {"Rectangular_ABC", frame, "", 2880, 240, 2535, 2175, "ABC Rectangular"},
    {"Polar_012", frame, "", 5520, 240, 2535, 2175, "012 Polar"},
    {"Rectangular_012", frame, "", 8160, 240, 2535, 2175, "012 Rectangular"},
    {"mag_a", box, "Polar_ABC", 360, 720, 975, 375, "1.0"},
    {"ang_a", box, "Polar_ABC", 1440, 720, 975, 375, "0.0"},
    {"mag_b", box, "Polar_ABC", 360, 1200, 975, 375, "1.0"},
    {"ang_b", box, "Polar_ABC", 1440, 1200, 975, 375, "-120.0"},
    {"mag_c", box, "Polar_ABC", 360, 1680, 975, 375, "1.0"},
    {"ang_c", box, "Polar_ABC", 1440, 1680, 975, 375, "120.0"},
    {"real_a", box, "Rectangular_ABC", 360, 720, 975, 375, "1.0"},
    {"imag_a", box, "Rectangular_ABC", 1440, 720, 975, 375, "1.0"},
    {"real_b", box, "Rectangular_ABC", 360, 1200, 975, 375, "1.0"},
    {"imag_b", box, "Rectangular_ABC", 1440, 1200, 975, 375, "1.0"},
    {"real_c", box, "Rectangular_ABC", 360, 1680, 975, 375, "1.0"},
    {"imag_c", box, "Rectangular_ABC", 1440, 1680, 975, 375, "1.0"},
    {"mag_0", box, "Polar_012", 360, 720, 975, 375, "1.0"},
    {"ang_0", box, "Polar_012", 1440, 720, 975, 375, "0.0"},
    {"mag_1", box, "Polar_012", 360, 1200, 975, 375, "1.0"},
    {"ang_1", box, "Polar_012", 1440, 1200, 975, 375, "0.0"},
    {"mag_2", box, "Polar_012", 360, 1680, 975, 375, "1.0"},
    {"ang_2", box, "Polar_012", 1440, 1680, 975, 375, "0.0"},
    {"real_0", box, "Rectangular_012", 360, 720, 975, 375, "1.0"},
    {"imag_0", box, "Rectangular_012", 1440, 720, 975, 375, "0.0"},
    {"real_1", box, "Rectangular_012", 360, 1200, 975, 375, "1.0"},
    {"imag_1", box, "Rectangular_012", 1440, 1200, 975, 375, "0.0"},
    {"real_2", box, "Rectangular_012", 360, 1680, 975, 375, "1.0"},
    {"imag_2", box, "Rectangular_012", 1440, 1680, 975, 375, "0.0"},
    {"Label1", label, "Polar_ABC", 360, 360, 1095, 255, "Magnitude"},
    {"Label6", label, "Polar_ABC", 1680, 360, 735, 255, "Angle"},
    {"Label3", label, "Polar_ABC", 120, 840, 375, 255, "A"},
    {"Label4", label, "Polar_ABC", 120, 1320, 375, 255, "B"},
    {"Label5", label, "Polar_ABC", 120, 1800, 375, 255, "C"},
    {"Label11", label, "Rectangular_ABC", 600, 360, 735, 255, "Real"},
    {"Label7", label, "Rectangular_ABC", 1440, 360, 975, 255, "Imaginary"},
    {"Label10", label, "Rectangular_ABC", 120, 840, 375, 255, "A"},
    {"Label9", label, "Rectangular_ABC", 120, 1320, 375, 255, "B"},
    {"Label8", label, "Rectangular_ABC", 120, 1800, 375, 255, "C"},
    {"Label16", label, "Polar_012", 360, 360, 975, 255, "Magnitude"},
    {"Label12", label, "Polar_012", 1680, 360, 735, 255, "Angle"},
    {"Label15", label, "Polar_012", 120, 840, 375, 255, "0"},
    {"Label14", label, "Polar_012", 120, 1320, 375, 255, "1"},
    {"Label13", label, "Polar_012", 120, 1800, 375, 255, "2"},
    {"Label17", label, "Rectangular_012", 600, 360, 615, 255, "Real"},
    {"Label21", label, "Rectangular_012", 1440, 360, 975, 255, "Imaginary"},
    {"Label18", label, "Rectangular_012", 120, 840, 375, 255, "0"},
    {"Label19", label, "Rectangular_012", 120, 1320, 375, 255, "1"},
    {"Label20", label, "Rectangular_012", 120, 1800, 375, 255, "2"},
    {"Frame1", frame, "", 240, 2520, 10455, 735, ""},
    {"Convert_0", button, "Frame1", 360, 240, 2055, 375, "CONVERT"},
    {"Convert_1", button, "Frame1", 3000, 240, 2055, 375, "CONVERT"},
    {"Convert_2", button, "Frame1", 5640, 240, 2055, 375, "CONVERT"},
    {"Convert_3", button, "Frame1", 8280, 240, 2055, 375, "CONVERT"},
    {"CLEAR", button, "", 10920, 120, 1455, 735, "Clear Screen"},
    {"Option1_1", option, "", 11520, 2880, 615, 255, "1"},
    {"Option1_2", option, "", 11520, 3240, 615, 255, "2"},
    {"Option1_3", option, "", 11520, 3600, 615, 255, "3"},
    {"Option1_4", option, "", 11520, 3960, 615, 255, "4"},
    {"Option1_5", option, "", 11520, 4320, 615, 255, "5"},
    {"Option1_6", option, "", 11520, 4680, 615, 255, "6"},
    {"Option1_7", option, "", 11520, 5040, 615, 255, "7"},
    {"Option1_8", option, "", 11520, 5400, 615, 255, "8"},
    {"Option1_9", option, "", 11520, 5760, 615, 255, "9"},
    {"Option1_10", option, "", 11520, 6120, 615, 255, "10"},
    {"Label2", label, "", 11040, 1080, 1335, 1575,
     "Click Option Button to View a Case Autosaved in Wraparound Memory"},
    {"Label22", label, "", 120, 6480, 10695, 375,
     "Note - the lengths of phasors in the plots are scaled so that the longest of A, B, C "
     "has 1pu radius"},
};
// clang-format on

QString shown_text(const QWidget *w) {
    if (const auto *edit = qobject_cast<const QLineEdit *>(w))
        return edit->text();
    if (const auto *l = qobject_cast<const QLabel *>(w))
        return l->text();
    if (const auto *b = qobject_cast<const QAbstractButton *>(w))
        return b->text();
    if (const auto *g = qobject_cast<const QGroupBox *>(w))
        return g->title();
    return {};
}

class WindowDefinition : public testing::TestWithParam<Control> {};

// State: a freshly shown window.
// Action: find the control by its object name.
// Expected: its kind, frame, pixel rectangle (twips / 15) and text are the definition's.
TEST_P(WindowDefinition, control_matches_its_definition) {
    const Control &c = GetParam();
    const auto form = shown_form();
    const QWidget *w = form->findChild<QWidget *>(QLatin1String(c.name));
    ASSERT_NE(w, nullptr);
    EXPECT_STREQ(w->metaObject()->className(), c.kind);
    const QWidget *container = w->parentWidget();
    if (*c.parent == '\0') {
        EXPECT_EQ(container, form.get());
    } else {
        EXPECT_EQ(container->objectName(), QLatin1String(c.parent));
    }
    EXPECT_EQ(w->geometry(), QRect(c.left / 15, c.top / 15, c.width / 15, c.height / 15));
    EXPECT_EQ(shown_text(w), QLatin1String(c.text));
}

INSTANTIATE_TEST_SUITE_P(Form1, WindowDefinition, testing::ValuesIn(window_definition),
                         [](const auto &info) { return std::string(info.param.name); });

// State: a freshly shown window.
// Expected: the client area opens at 12495 x 6915 twips and may grow but not shrink; the
// caption starts with the program's name.
TEST(WindowFrame, client_area_opens_at_833_by_461_and_only_grows) {
    const auto form = shown_form();
    EXPECT_EQ(form->size(), QSize(833, 461));
    EXPECT_EQ(form->minimumSize(), QSize(833, 461));
    EXPECT_EQ(form->maximumSize(), QSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX));
    EXPECT_TRUE(form->windowTitle().startsWith(QLatin1String("Trivane, ")));
}

// State: a freshly shown window.
// Expected: the ten memory buttons are the only disabled controls, and only the plot
// labels and the note are hidden.
TEST(WindowFrame, only_memory_buttons_start_disabled_and_only_plot_labels_hidden) {
    const auto form = shown_form();
    const QStringList hidden{"Letter_A",       "Letter_B",   "Letter_C", "Positive_label",
                             "Negative_label", "Zero_label", "Label22"};
    for (const QWidget *w : form->findChildren<QWidget *>()) {
        if (w->objectName().isEmpty())
            continue; // a style's or a group box's own parts
        EXPECT_EQ(w->isEnabled(), !w->objectName().startsWith(QLatin1String("Option1_")))
            << w->objectName().toStdString();
        EXPECT_EQ(w->isVisible(), !hidden.contains(w->objectName()))
            << w->objectName().toStdString();
    }
}

// State: a freshly shown window.
// Expected: the three plot letters are bold in the colours of their phasors; the sequence
// captions and the hint are centred, every other label left-aligned and not bold.
TEST(WindowFrame, plot_letters_are_bold_and_coloured_and_captions_aligned) {
    const auto form = shown_form();
    const std::pair<const char *, QColor> letters[] = {{"Letter_A", QColor(0, 0, 0)},
                                                       {"Letter_B", QColor(255, 0, 0)},
                                                       {"Letter_C", QColor(0, 0, 255)}};
    for (const auto &[name, colour] : letters) {
        const QLabel *l = form->findChild<QLabel *>(QLatin1String(name));
        EXPECT_TRUE(l->font().bold()) << name;
        EXPECT_EQ(l->palette().color(QPalette::WindowText), colour) << name;
    }
    const QStringList centred{"Positive_label", "Negative_label", "Zero_label", "Label2"};
    for (const QLabel *l : form->findChildren<QLabel *>()) {
        const bool want_centre = centred.contains(l->objectName());
        EXPECT_EQ((l->alignment() & Qt::AlignHCenter) != 0, want_centre)
            << l->objectName().toStdString();
        if (!l->objectName().startsWith(QLatin1String("Letter_"))) {
            EXPECT_FALSE(l->font().bold()) << l->objectName().toStdString();
        }
    }
}

struct Ink {
    int total = 0;   // pixels the caption paints
    int outside = 0; // of those, pixels beyond the label's contents
};

// The caption painted without clipping, at the label's place in a larger image, with the
// label's font, alignment and wrapping: what the label would cut off lies outside.
Ink caption_ink(const QLabel *l) {
    constexpr int margin = 20;
    const QRect room = l->contentsRect().translated(margin, margin);
    QImage image(l->size() + QSize(2 * margin, 2 * margin), QImage::Format_RGB32);
    image.fill(Qt::white);
    {
        QPainter painter(&image);
        painter.setFont(l->font());
        painter.setPen(Qt::black);
        painter.drawText(
            room, int(l->alignment()) | Qt::TextDontClip | (l->wordWrap() ? Qt::TextWordWrap : 0),
            l->text());
    }
    Ink ink;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (image.pixel(x, y) == qRgb(255, 255, 255))
                continue;
            ++ink.total;
            ink.outside += room.contains(x, y) ? 0 : 1;
        }
    }
    return ink;
}

// State: a freshly shown window.
// Expected: every caption fits inside its control: no label, button or frame title is cut.
TEST(WindowFrame, every_caption_fits_its_control) {
    const auto form = shown_form();
    for (const QLabel *l : form->findChildren<QLabel *>()) {
        const Ink ink = caption_ink(l);
        EXPECT_GT(ink.total, 0) << l->objectName().toStdString();
        EXPECT_EQ(ink.outside, 0) << l->objectName().toStdString();
    }
    for (const QAbstractButton *b : form->findChildren<QAbstractButton *>()) {
        EXPECT_LE(b->sizeHint().width(), b->width()) << b->objectName().toStdString();
        EXPECT_LE(QFontMetrics(b->font()).height(), b->height()) << b->objectName().toStdString();
    }
    for (const QGroupBox *g : form->findChildren<QGroupBox *>()) {
        EXPECT_LT(QFontMetrics(g->font()).horizontalAdvance(g->title()), g->width() - 16)
            << g->objectName().toStdString();
    }
}

// State: a freshly shown window.
// Expected: the hint beside the memory buttons wraps onto several lines inside its box.
TEST(WindowFrame, memory_hint_wraps_inside_its_box) {
    const auto form = shown_form();
    const QLabel *hint = form->findChild<QLabel *>(QStringLiteral("Label2"));
    ASSERT_TRUE(hint->wordWrap());
    const QFontMetrics fm(hint->font());
    EXPECT_GT(fm.horizontalAdvance(hint->text()), hint->width()); // one line would not do
    const QRect needed =
        fm.boundingRect(hint->contentsRect(), Qt::TextWordWrap | Qt::AlignHCenter, hint->text());
    EXPECT_GE(needed.height(), 3 * fm.height());
    EXPECT_EQ(caption_ink(hint).outside, 0);
}

} // namespace
