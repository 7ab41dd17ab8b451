#include "form/form1.h"
#include "toolkit/application.h"

#include <QApplication>

#include <cstdio>
#include <cstdlib>
#include <cstring>

#ifndef TRIVANE_VERSION
#define TRIVANE_VERSION "0"
#endif

namespace {

bool has_display()
{
    const char *platform = std::getenv("QT_QPA_PLATFORM");
    if (platform != nullptr && *platform != '\0')
        return true; // the user chose a platform; Qt reports its own failures
    const char *x11 = std::getenv("DISPLAY");
    const char *wayland = std::getenv("WAYLAND_DISPLAY");
    return (x11 != nullptr && *x11 != '\0') || (wayland != nullptr && *wayland != '\0');
}

} // namespace

int main(int argc, char **argv)
{
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--version") == 0) {
            std::printf("trivane %s\n", TRIVANE_VERSION);
            return 0;
        }
    }
    if (!has_display()) {
        std::fprintf(stderr, "trivane: no display found; start it from a desktop session, or "
                             "without one under a virtual X server: xvfb-run trivane\n");
        return 1;
    }
    QApplication app(argc, argv);
    toolkit::setup_application(app);
    Form1 window;
    window.show();
    return QApplication::exec();
}
