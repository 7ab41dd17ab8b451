// The program's start-up, for timing (scripts/bench): the same steps as app/main.cpp, up to
// the window's first paint; it quits as soon as that paint has been handled.
#include "form/form1.h"
#include "toolkit/application.h"

#include <QApplication>
#include <QEvent>
#include <QTimer>

namespace {

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

} // namespace

int main(int argc, char **argv) {
    toolkit::name_application();
    QApplication app(argc, argv);
    toolkit::setup_application(app);
    QGuiApplication::setDesktopFileName(QStringLiteral("io.github.trivane.Trivane"));
    Form1 window;
    QuitAfterFirstPaint quit_after_first_paint;
    window.installEventFilter(&quit_after_first_paint);
    window.show();
    return QApplication::exec();
}
