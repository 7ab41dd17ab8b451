#pragma once

#include <QLabel>
#include <QString>

class QTimer;

namespace toolkit {

// A short message over the bottom of a window that goes away by itself after a few seconds:
// never a dialog, never in the way of a click. Screen readers meet it as an alert, which they
// speak as it appears.
class Notice : public QLabel {
public:
    explicit Notice(QWidget *window);

    // Shows text for `milliseconds`, replacing a notice still shown.
    void show_text(const QString &text, int milliseconds = 5000);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void place();

    QTimer *timer_;
};

// A message for screen readers alone, spoken at once as a notification: the window shows
// nothing of it, and it takes neither clicks nor the focus.
class Announcement : public QWidget {
public:
    explicit Announcement(QWidget *window);

    void announce(const QString &text);

private:
    QTimer *timer_;
};

} // namespace toolkit
