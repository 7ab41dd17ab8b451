#include "toolkit/application.h"

#include "toolkit/form_window.h"

#include <QApplication>
#include <QFont>
#include <QProxyStyle>
#include <QScreen>
#include <QStyleFactory>

#include <algorithm>
#include <cmath>
#include <optional>

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

// The desktop's font, kept when setup_application replaces it.
std::optional<QFont> &desktop_font() {
    static std::optional<QFont> font;
    return font;
}

// The zoom a desktop font asks for.
double desktop_zoom(const QFont &desktop_font, double dpi) {
    constexpr double usual_pixels = 12;
    const double pixels = desktop_font.pixelSize() > 0 ? desktop_font.pixelSize()
                                                       : desktop_font.pointSizeF() * dpi / 72;
    return std::max(1.0, pixels / usual_pixels);
}

// The largest zoom at which the form fits the screen's free area.
double fitting_zoom(const QScreen *screen, QSize defined_size) {
    if (screen == nullptr || defined_size.isEmpty())
        return 1;
    const QSize room = screen->availableGeometry().size();
    return std::min(double(room.width()) / defined_size.width(),
                    double(room.height()) / defined_size.height());
}

} // namespace

void setup_application(QApplication &app) {
    if (!desktop_font())
        desktop_font() = QApplication::font();
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

void set_desktop_font(const QFont &font) {
    desktop_font() = font;
}

double opening_zoom(const QScreen *screen, QSize defined_size) {
    if (!desktop_font() || screen == nullptr)
        return 1;
    const double wanted = desktop_zoom(*desktop_font(), screen->logicalDotsPerInchY());
    return std::max(1.0, std::min(wanted, fitting_zoom(screen, defined_size)));
}

} // namespace toolkit
