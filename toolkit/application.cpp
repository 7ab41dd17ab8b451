#include "toolkit/application.h"

#include "toolkit/form_window.h"

#include <QApplication>
#include <QFont>
#include <QProxyStyle>
#include <QStyleFactory>

#include <cmath>

namespace toolkit {

namespace {

QFont sans(int pixel_size) {
    QFont font(QStringLiteral("Liberation Sans"));
    font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(pixel_size);
    return font;
}

// The widget style, with the parts it sizes in pixels of its own (the round and square
// indicators of option buttons and check boxes, and the gap to their captions) scaled
// with the zoom of the form a control stands on, as the captions' fonts are.
class ZoomedStyle : public QProxyStyle {
public:
    using QProxyStyle::QProxyStyle;

    int pixelMetric(PixelMetric metric, const QStyleOption *option,
                    const QWidget *widget) const override {
        const int size = QProxyStyle::pixelMetric(metric, option, widget);
        switch (metric) {
        case PM_ExclusiveIndicatorWidth:
        case PM_ExclusiveIndicatorHeight:
        case PM_IndicatorWidth:
        case PM_IndicatorHeight:
        case PM_RadioButtonLabelSpacing:
        case PM_CheckBoxLabelSpacing: {
            const FormWindow *form = form_of(widget);
            return static_cast<int>(std::lround(size * (form != nullptr ? form->zoom() : 1.0)));
        }
        default:
            return size;
        }
    }
};

} // namespace

void setup_application(QApplication &app) {
    if (QStyle *fusion = QStyleFactory::create(QStringLiteral("Fusion")))
        QApplication::setStyle(new ZoomedStyle(fusion));
    app.setFont(default_font());
}

// 9.75 points at 96 dpi: 13 pixels.
QFont form_font(bool bold) {
    QFont font = sans(13);
    font.setBold(bold);
    return font;
}

QFont default_font() {
    return sans(11);
}

} // namespace toolkit
