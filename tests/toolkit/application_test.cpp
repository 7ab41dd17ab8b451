#include "toolkit/application.h"

#include <QCoreApplication>
#include <QSettings>

#include <gtest/gtest.h>

namespace {

// The program and the replay driver keep their switch and window place in one file, the one
// users have always had: ~/.config/trivane/trivane.conf through the default QSettings.
TEST(ApplicationNames, default_settings_are_the_file_users_keep) {
    toolkit::name_application();
    EXPECT_EQ(QCoreApplication::organizationName(), "trivane");
    EXPECT_EQ(QCoreApplication::applicationName(), "trivane");
    EXPECT_EQ(QCoreApplication::applicationVersion(), TRIVANE_VERSION);
    const QString file = QSettings().fileName();
    EXPECT_TRUE(file.endsWith(QStringLiteral("/trivane/trivane.conf"))) << file.toStdString();
    EXPECT_EQ(file, QSettings(QStringLiteral("trivane"), QStringLiteral("trivane")).fileName());
}

} // namespace
