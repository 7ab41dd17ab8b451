// Shared main for tests that need a QApplication.
#include "test_home.h"
#include "toolkit/application.h"

#include <QApplication>
#include <QSettings>
#include <QString>

#include <gtest/gtest.h>

#include <cstdlib>

int main(int argc, char **argv) {
    // Discovery runs without the CTest environment, so pick a safe platform here.
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    // The program's own English texts, unless the test's entry sets a language: the
    // per-case entries of gtest_discover_tests run in the caller's environment.
    setenv("LANGUAGE", "en", 0);
    ::testing::InitGoogleTest(&argc, argv);
    // The names the program runs under, so that the default QSettings is its file.
    toolkit::name_application();
    // QSettings reads XDG_CONFIG_HOME once: each new home is told to it as well.
    testing::UnitTest::GetInstance()->listeners().Append(
        new test_home::FreshHome([](const std::string &home) {
            const QString config = QString::fromStdString(home) + QStringLiteral("/CONFIG_HOME");
            QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, config);
            QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, config);
        }));
    QApplication app(argc, argv);
    return RUN_ALL_TESTS();
}
