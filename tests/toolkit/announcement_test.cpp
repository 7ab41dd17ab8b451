// The announcement: what a screen reader is told at each one, and that the window shows
// nothing of it and keeps its focus.
#include "toolkit/accessible.h"
#include "toolkit/notice.h"

#include <QAccessible>
#include <QApplication>
#include <QImage>
#include <QLineEdit>
#include <QPainter>
#include <QTest>
#include <QWidget>

#include <gtest/gtest.h>

#include <vector>

namespace {

// Each time the announcement appears, with its name then: the accessibility bridge tells
// screen readers of the same moments (the test platform has no bridge to listen to).
class ShowRecorder : public QObject {
public:
    std::vector<QString> shown;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override {
        if (event->type() == QEvent::Show)
            shown.push_back(static_cast<QWidget *>(watched)->accessibleName());
        return false;
    }
};

// A window that paints a colour no palette role has, so anything drawn over it shows.
class Backdrop : public QWidget {
protected:
    void paintEvent(QPaintEvent *) override { QPainter(this).fillRect(rect(), QColor(31, 97, 7)); }
};

class Announcements : public ::testing::Test {
protected:
    void SetUp() override {
        toolkit::install_accessible_roles();
        window_.resize(200, 100);
        field_ = new QLineEdit(&window_);
        window_.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&window_));
        field_->setFocus();
        announcement_ = new toolkit::Announcement(&window_);
        announcement_->installEventFilter(&recorder_);
    }

    ShowRecorder recorder_;
    Backdrop window_;
    QLineEdit *field_ = nullptr;
    toolkit::Announcement *announcement_ = nullptr;
};

// State: an announcement shown or not. Action: the same text twice, then another. Expected:
// each one appears anew with its text, so a screen reader, which speaks a notification as
// it appears, speaks every one, the repeated one too.
TEST_F(Announcements, every_one_appears_anew_with_its_text_as_a_notification) {
    const QString refused = QStringLiteral("Not converted. Phase B magnitude: Not a number.");
    const QString done = QStringLiteral("Converted the ABC polar entries.");
    for (const QString &text : {refused, refused, done})
        announcement_->announce(text);

    EXPECT_EQ(recorder_.shown, (std::vector<QString>{refused, refused, done}));
    QAccessibleInterface *iface = QAccessible::queryAccessibleInterface(announcement_);
    ASSERT_NE(iface, nullptr);
    EXPECT_EQ(iface->role(), QAccessible::Notification);
    EXPECT_EQ(iface->text(QAccessible::Name), done);
    EXPECT_FALSE(iface->state().invisible);
}

// State: a window with a field that has the focus. Action: announcements. Expected: not a
// pixel of the window changes, and the field keeps the focus.
TEST_F(Announcements, leave_the_window_and_its_focus_as_they_are) {
    const QImage before = window_.grab().toImage();
    announcement_->announce(QStringLiteral("Converted the ABC polar entries."));
    announcement_->announce(QStringLiteral("Converted the ABC polar entries."));
    EXPECT_TRUE(announcement_->isVisible());
    EXPECT_EQ(window_.grab().toImage(), before);
    EXPECT_EQ(QApplication::focusWidget(), field_);
}

} // namespace
