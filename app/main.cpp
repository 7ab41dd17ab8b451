#include "form/form1.h"
#include "toolkit/application.h"

#include <QApplication>
#include <QEvent>
#include <QTimer>

#include <cstdio>
#include <cstdlib>
#include <cstring>

#ifndef TRIVANE_VERSION
#define TRIVANE_VERSION "0"
#endif

namespace {

bool has_display(int argc, char **argv) {
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "-platform") == 0 || std::strcmp(argv[i], "--platform") == 0)
            return true; // Qt's own option names the platform
    }
    const char *platform = std::getenv("QT_QPA_PLATFORM");
    if (platform != nullptr && *platform != '\0')
        return true; // the user chose a platform; Qt reports its own failures
    const char *x11 = std::getenv("DISPLAY");
    const char *wayland = std::getenv("WAYLAND_DISPLAY");
    return (x11 != nullptr && *x11 != '\0') || (wayland != nullptr && *wayland != '\0');
}

// For timing the start-up (scripts/bench): with TRIVANE_EXIT_AFTER_FIRST_PAINT=1 the program
// quits as soon as the window's first paint has been handled.
class QuitAfterFirstPaint : public QObject {
public:
    bool eventFilter(QObject *watched, QEvent *event) override {
        if (event->type() == QEvent::Paint) {
            watched->removeEventFilter(this);
            // Runs once the paint event, flush included, has returned to the event loop.
            QTimer::singleShot(0, qApp, &QCoreApplication::quit);
        }
        return false;
    }
};

bool exit_after_first_paint() {
    const char *value = std::getenv("TRIVANE_EXIT_AFTER_FIRST_PAINT");
    return value != nullptr && std::strcmp(value, "1") == 0;
}

} // namespace

int main(int argc, char **argv) {
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--version") == 0) {
            std::printf("trivane %s\n", TRIVANE_VERSION);
            return 0;
        }
    }
    if (!has_display(argc, argv)) {
        std::fprintf(stderr, "trivane: no display found; start it from a desktop session, or "
                             "without one under a virtual X server: xvfb-run trivane\n");
        return 1;
    }
    QApplication app(argc, argv);
    toolkit::setup_application(app);
    // Lets a Wayland compositor match the window with its menu entry and icon.
    QGuiApplication::setDesktopFileName(QStringLiteral("io.github.trivane.Trivane"));
    Form1 window;
    QuitAfterFirstPaint quit_after_first_paint;
    if (exit_after_first_paint())
        window.installEventFilter(&quit_after_first_paint);
    window.show();
    return QApplication::exec();
}
