// trivane-replay: drives the real window from a script on standard input.
#include "form/form1.h"
#include "toolkit/application.h"
#include "tools/replay_session.h"

#include <QApplication>
#include <QTest>

#include <cstdio>
#include <cstdlib>
#include <iostream>
#include <string>

int main(int argc, char **argv) {
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    // The program's names: it keeps and reads the same settings as trivane.
    toolkit::name_application();
    QApplication app(argc, argv);
    toolkit::setup_application(app);
    Form1 form;
    form.show();
    form.activateWindow();
    if (!QTest::qWaitForWindowExposed(&form)) {
        std::fprintf(stderr, "trivane-replay: the window was never shown\n");
        return 1;
    }
    (void)QTest::qWaitForWindowActive(&form, 1000);

    tools::ReplaySession session(form, [](const QString &answer) {
        std::cout << answer.toStdString() << '\n' << std::flush;
    });
    std::string line;
    for (long number = 1; std::getline(std::cin, line); ++number) {
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        const QString problem = session.run_line(QString::fromStdString(line));
        if (!problem.isEmpty()) {
            std::cerr << "trivane-replay: line " << number << ": " << problem.toStdString() << '\n';
            return 2;
        }
    }
    // As a user closes it: whatever closing keeps is kept.
    form.close();
    return 0;
}
