#include "toolkit/application.h"

#include <QApplication>
#include <QFont>
#include <QStyleFactory>

namespace toolkit {

namespace {

QFont sans(int pixel_size) {
    QFont font(QStringLiteral("Liberation Sans"));
    font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(pixel_size);
    return font;
}

} // namespace

void setup_application(QApplication &app) {
    if (QStyle *fusion = QStyleFactory::create(QStringLiteral("Fusion")))
        QApplication::setStyle(fusion);
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
