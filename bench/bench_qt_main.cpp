// Shared main for the benchmarks that need a QApplication and the program's look.
#include "toolkit/application.h"

#include <QApplication>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <cstdlib>

int main(int argc, char **argv) {
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    // The window keeps its cases and settings: here in a home of the run's own.
    const QTemporaryDir home;
    for (const char *name :
         {"HOME", "XDG_CONFIG_HOME", "XDG_DATA_HOME", "XDG_STATE_HOME", "XDG_CACHE_HOME"})
        setenv(name, home.filePath(QString::fromLatin1(name)).toLocal8Bit().constData(), 1);
    toolkit::name_application();
    QApplication app(argc, argv);
    toolkit::setup_application(app);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
