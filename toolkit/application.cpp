#include "toolkit/application.h"

#include <QApplication>
#include <QFont>
#include <QStyleFactory>

#include <cstdlib>
#include <string>

#include <sys/stat.h>
#include <unistd.h>

namespace toolkit {

namespace {

QFont sans(int pixel_size) {
    QFont font(QStringLiteral("Liberation Sans"));
    font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(pixel_size);
    return font;
}

} // namespace

void ensure_runtime_dir() {
    if (std::getenv("XDG_RUNTIME_DIR") != nullptr)
        return;
    const std::string dir = "/tmp/trivane-runtime-" + std::to_string(getuid());
    mkdir(dir.c_str(), 0700);
    setenv("XDG_RUNTIME_DIR", dir.c_str(), 0);
}

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
