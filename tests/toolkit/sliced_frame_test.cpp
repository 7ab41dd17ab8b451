// A group box standing on a form has its frame painted in pieces; the pixels must be those
// of the style painting it whole.
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
// both, titled and untitled, small and large, at ratios 1 and 2, in a light and a dark
// palette. Expected: the same pixels.
TEST(SlicedFrame, a_group_box_on_a_form_shows_the_styles_own_pixels) {
    toolkit::setup_application(*qApp);
    toolkit::FormWindow form(36000, 15000);
    form.set_zoom(1);
    const std::unique_ptr<QStyle> plain(QStyleFactory::create(QStringLiteral("Fusion")));
    const struct {
        const char *title;
        QSize size;
    } cases[] = {{"ABC Polar", {169, 145}}, {"", {697, 49}}, {"012 Rectangular", {777, 667}}};
    for (const auto &c : cases) {
        QGroupBox sliced(QString::fromLatin1(c.title), &form);
        QGroupBox whole(QString::fromLatin1(c.title), &form);
        whole.setStyle(plain.get());
        for (QGroupBox *box : {&sliced, &whole})
            box->setFont(toolkit::form_font(true));
        sliced.setGeometry(QRect(QPoint(10, 10), c.size));
        whole.setGeometry(QRect(QPoint(20 + c.size.width(), 10), c.size));
        for (const qreal ratio : {1.0, 2.0}) {

            EXPECT_EQ(rendered(form, sliced.geometry(), ratio),
                      rendered(form, whole.geometry(), ratio))
                << '"' << c.title << "\" at ratio " << ratio;
        }
    }
}

// State: a tall field and button in the application's style, painted in bands, and their
// twins in the plain style. Action: render them at ratios 1 and 2. Expected: the same pixels.
TEST(SlicedFrame, tall_fields_and_buttons_painted_in_bands_show_the_styles_own_pixels) {
    toolkit::setup_application(*qApp);
    QWidget parent;
    const std::unique_ptr<QStyle> plain(QStyleFactory::create(QStringLiteral("Fusion")));
    QLineEdit field(QStringLiteral("1.00E+00"), &parent), plain_field(field.text(), &parent);
    QPushButton button(QStringLiteral("CONVERT"), &parent), plain_button(button.text(), &parent);
    for (QWidget *twin :
         {static_cast<QWidget *>(&plain_field), static_cast<QWidget *>(&plain_button)})
        twin->setStyle(plain.get());
    for (QWidget *w :
         std::initializer_list<QWidget *>{&field, &plain_field, &button, &plain_button})
        w->resize(260, 150);
    for (const qreal ratio : {1.0, 2.0}) {
        EXPECT_EQ(rendered(field, field.rect(), ratio), rendered(plain_field, field.rect(), ratio));
        EXPECT_EQ(rendered(button, button.rect(), ratio),
                  rendered(plain_button, button.rect(), ratio));
    }
}

} // namespace
