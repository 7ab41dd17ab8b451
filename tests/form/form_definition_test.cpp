// The window as built: every control against its own row of the window definition, a few
// rows typed out here in twips as a check on the table itself, and the captions against the
// room they are given.

#include "form/form1_definition.h"
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

#include <cmath>
#include <string>

namespace {

using testing_support::shown_form;

// What a control should be, in the window definition's terms.
struct Control {
    std::string name;                // object name: the control's name, or name_index in an array
    const char *kind;                // Qt class
    std::string parent;              // containing frame, or "" for the window itself
    double left, top, width, height; // twips
    std::string text;                // caption or default text
    bool placed_by_program = false;  // a plot label: activate_labels moves it at start-up
};

const char *qt_class(form::ControlKind kind) {
    switch (kind) {
    case form::ControlKind::Frame:
        return "QGroupBox";
    case form::ControlKind::TextBox:
        return "QLineEdit";
    case form::ControlKind::Label:
        return "QLabel";
    case form::ControlKind::Button:
        return "QPushButton";
    case form::ControlKind::Option:
        return "QRadioButton";
    }
    return "";
}

Control from_definition(const form::ControlDef &d) {
    std::string name(d.name);
    if (d.index >= 0)
        name += '_' + std::to_string(d.index);
    const bool plot_label = d.name.starts_with("Letter_") || d.name.ends_with("_label");
    return {name,    qt_class(d.kind), std::string(d.container), d.left,    d.top,
            d.width, d.height,         std::string(d.caption),   plot_label};
}

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

int px(double twips) {
    return static_cast<int>(std::lround(twips / 15));
}

// The control of that name has the kind, frame, pixel rectangle (15 twips to the pixel)
// and text of c.
void expect_control(Form1 &form, const Control &c) {
    SCOPED_TRACE(c.name);
    const QWidget *w = form.findChild<QWidget *>(QString::fromStdString(c.name));
    ASSERT_NE(w, nullptr);
    EXPECT_STREQ(w->metaObject()->className(), c.kind);
    const QWidget *frame = w->parentWidget();
    // The plot captions stand on the sheet, in the form's twips.
    if (frame == plot_area(form))
        frame = &form;
    EXPECT_EQ(frame == &form ? std::string() : frame->objectName().toStdString(), c.parent);
    EXPECT_EQ(w->size(), QSize(px(c.width), px(c.height)));
    if (!c.placed_by_program) {
        EXPECT_EQ(w->pos(), QPoint(px(c.left), px(c.top)));
    }
    EXPECT_EQ(shown_text(w).toStdString(), c.text);
}

// State: a freshly shown window.
// Expected: every row of the definition became its control, and every named control
// but the transparent area over the diagrams comes from a row.
TEST(WindowDefinition, every_control_matches_its_definition_row) {
    const auto form = shown_form();
    int named = 0;
    for (const QWidget *w : form->findChildren<QWidget *>()) // unnamed: a style's own parts
        named += w->objectName().isEmpty() || w == plot_area(*form) ? 0 : 1;
    EXPECT_EQ(named, static_cast<int>(form::control_definitions().size()));
    for (const form::ControlDef &d : form::control_definitions())
        expect_control(*form, from_definition(d));

    const toolkit::LineShape *shapes[] = {form->Line1, form->Line2, form->Line3, form->Line4};
    ASSERT_EQ(form::line_definitions().size(), std::size(shapes));
    for (std::size_t i = 0; i < std::size(shapes); ++i) {
        const form::LineDef &d = form::line_definitions()[i];
        EXPECT_EQ(d.name, "Line" + std::to_string(i + 1));
        EXPECT_EQ(shapes[i]->X1, d.x1) << d.name;
        EXPECT_EQ(shapes[i]->Y1, d.y1) << d.name;
        EXPECT_EQ(shapes[i]->X2, d.x2) << d.name;
        EXPECT_EQ(shapes[i]->Y2, d.y2) << d.name;
    }
}

// State: a freshly shown window.
// Expected: a sample of controls, one of each sort, stands where the window definition
// puts it, so a wrong row in the table is caught too.
TEST(WindowDefinition, sample_controls_stand_where_the_definition_puts_them) {
    const auto form = shown_form();
    const Control sample[] = {
        {"Polar_012", "QGroupBox", "", 5520, 240, 2535, 2175, "012 Polar"},
        {"ang_b", "QLineEdit", "Polar_ABC", 1440, 1200, 975, 375, "-120.0"},
        {"Label17", "QLabel", "Rectangular_012", 600, 360, 615, 255, "Real"},
        {"Convert_2", "QPushButton", "Frame1", 5640, 240, 2055, 375, "CONVERT"},
        {"Option1_7", "QRadioButton", "", 11520, 5040, 615, 255, "7"},
        {"Label2", "QLabel", "", 11040, 1080, 1335, 1575,
         "Click Option Button to View a Case Autosaved in Wraparound Memory"},
        {"Zero_label", "QLabel", "", 9360, 3720, 1455, 255, "Zero Sequence", true},
    };
    for (const Control &c : sample)
        expect_control(*form, c);
    EXPECT_EQ(form->Line1->X1, 120);
    EXPECT_EQ(form->Line1->Y1, 3360);
    EXPECT_EQ(form->Line1->X2, 10800);
    EXPECT_EQ(form->Line1->Y2, 3360);
}

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
