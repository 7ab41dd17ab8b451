// A notice stays for the time it is given, then goes by itself.
#include "toolkit/notice.h"

#include <QDeadlineTimer>
#include <QTest>
#include <QWidget>

#include <gtest/gtest.h>

namespace {

// State: a shown window. Action: a notice for the default five seconds, events handled for
// a tenth of a second; then one for 1 ms. Expected: the first still shown; the second gone.
TEST(Notice, stays_for_its_time_then_goes) {
    QWidget window;
    window.resize(400, 300);
    window.show();
    toolkit::Notice notice(&window);

    notice.show_text(QStringLiteral("The file could not be written."));
    QTest::qWait(100);
    EXPECT_TRUE(notice.isVisible()) << "gone before its time";

    notice.show_text(QStringLiteral("Saved."), 1);
    EXPECT_TRUE(notice.isVisible());
    for (QDeadlineTimer wait(5000); notice.isVisible() && !wait.hasExpired();)
        QTest::qWait(10);
    EXPECT_FALSE(notice.isVisible()) << "still shown well after its time";
}

} // namespace
