#include "app/start_up.h"
#include "form/form1.h"
#include "toolkit/application.h"

#include "icon_art.h"

#include <QApplication>
#include <QIcon>

int main(int argc, char **argv) {
    toolkit::name_application();
    const start_up::CommandLine options = start_up::read_command_line(argc, argv);
    if (options.exit_status)
        return *options.exit_status;
    start_up::DisplayGuard display_guard(options);
    QApplication app(argc, argv);
    display_guard.release();
    toolkit::setup_application(app);

    const QString app_id = QStringLiteral("io.github.trivane.Trivane");
    // Lets a Wayland compositor match the window with its menu entry and icon.
    QGuiApplication::setDesktopFileName(app_id);
    // Title bars and task switchers show the installed icon, or the same drawing made here
    // when the program runs from its build tree (Qt puts -qwindowicon FILE above both).
    // The drawing is made only when no icon is installed.
    QApplication::setWindowIcon(QIcon::hasThemeIcon(app_id) ? QIcon::fromTheme(app_id)
                                                            : icon_art::icon());

    Form1 window;
    form::restore_geometry(window);
    window.show();
    return QApplication::exec();
}
