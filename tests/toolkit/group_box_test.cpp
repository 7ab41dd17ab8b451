// A group box standing on a form paints its whole rectangle, the form's background under its
// frame, so the form paints nothing beneath it; the pixels must be those of the plain style
// over the form's background.
#include "toolkit/application.h"
#include "toolkit/form_window.h"
#include "toolkit/palette.h"

#include <QApplication>
#include <QGroupBox>
#include <QImage>
#include <QLineEdit>
#include <QPushButton>
#include <QStyle>
#include <QStyleFactory>

#include <gtest/gtest.h>

#include <memory>

namespace {

QImage rendered(QWidget &form, const QRect &area, qreal ratio) {
    QImage image(area.size() * ratio, QImage::Format_RGB32);
    image.setDevicePixelRatio(ratio);
    image.fill(Qt::magenta); // what nothing paints shows
    form.render(&image, QPoint(), QRegion(area), QWidget::DrawChildren);
    return image;
}

// State: twin group boxes on a form at zoom 1, one with the application's style, which paints
// its whole rectangle, one with the plain style, over the form's background. Action: render
// both, titled and untitled, small and large, at ratios 1 and 2, over magenta. Expected: the
// same pixels, none of them magenta.
TEST(GroupBox, a_group_box_on_a_form_shows_the_styles_own_pixels) {
    toolkit::setup_application(*qApp);
    toolkit::FormWindow form(36000, 15000);
    form.set_zoom(1);
    const std::unique_ptr<QStyle> plain(QStyleFactory::create(QStringLiteral("Fusion")));
    const struct {
        const char *title;
        QSize size;
    } cases[] = {{"ABC Polar", {169, 145}}, {"", {697, 49}}, {"012 Rectangular", {777, 667}}};
    for (const auto &c : cases) {
        QGroupBox opaque(QString::fromLatin1(c.title), &form);
        QGroupBox whole(QString::fromLatin1(c.title), &form);
        whole.setStyle(plain.get());
        for (QGroupBox *box : {&opaque, &whole})
            box->setFont(toolkit::form_font(true));
        opaque.setGeometry(QRect(QPoint(10, 10), c.size));
        whole.setGeometry(QRect(QPoint(20 + c.size.width(), 10), c.size));
        for (const qreal ratio : {1.0, 2.0}) {
            EXPECT_EQ(rendered(form, opaque.geometry(), ratio),
                      rendered(form, whole.geometry(), ratio))
                << '"' << c.title << "\" at ratio " << ratio;
        }
        EXPECT_TRUE(opaque.testAttribute(Qt::WA_OpaquePaintEvent));
    }
}

// State: a tall field and a tall button on a form, each beside a twin in the plain style, the
// size they have on a large window, where the application's style clips their panels to their
// rectangles. Action: render them at ratios 1 and 2 over magenta. Expected: the same pixels.
TEST(GroupBox, tall_fields_and_buttons_show_the_styles_own_pixels) {
    toolkit::setup_application(*qApp);
    toolkit::FormWindow form(36000, 15000);
    form.set_zoom(1);
    const std::unique_ptr<QStyle> plain(QStyleFactory::create(QStringLiteral("Fusion")));
    QLineEdit field(QStringLiteral("-1.67E-01"), &form);
    QLineEdit plain_field(field.text(), &form);
    QPushButton button(QStringLiteral("CONVERT"), &form);
    QPushButton plain_button(button.text(), &form);
    const QSize size(299, 116);
    const std::pair<QWidget *, QWidget *> twins[] = {{&field, &plain_field},
                                                     {&button, &plain_button}};
    for (int row = 0; row < 2; ++row) {
        const auto [ours, theirs] = twins[row];
        theirs->setStyle(plain.get());
        ours->setGeometry(QRect(QPoint(10, 10 + 130 * row), size));
        theirs->setGeometry(QRect(QPoint(20 + size.width(), 10 + 130 * row), size));
    }
    for (const auto &[ours, theirs] : twins) {
        for (const qreal ratio : {1.0, 2.0}) {
            EXPECT_EQ(rendered(form, ours->geometry(), ratio),
                      rendered(form, theirs->geometry(), ratio))
                << ours->metaObject()->className() << " at ratio " << ratio;
        }
    }
}

} // namespace
