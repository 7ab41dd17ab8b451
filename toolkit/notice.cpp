#include "toolkit/notice.h"

#include <QEvent>
#include <QTimer>

#include <algorithm>

namespace toolkit {

Notice::Notice(QWidget *window)
    : QLabel(window)
    , timer_(new QTimer(this)) {
    setObjectName(QStringLiteral("notice"));
    setWordWrap(true);
    setAlignment(Qt::AlignCenter);
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::NoFocus);
    // Tooltip colours: a message over the window that reads in any theme.
    setAutoFillBackground(true);
    setBackgroundRole(QPalette::ToolTipBase);
    setForegroundRole(QPalette::ToolTipText);
    setFrameShape(QFrame::Box);
    setMargin(6);
    timer_->setSingleShot(true);
    connect(timer_, &QTimer::timeout, this, &QWidget::hide);
    window->installEventFilter(this);
    hide();
}

void Notice::show_text(const QString &text, int milliseconds) {
    setText(text);
    setAccessibleName(text);
    place();
    // A notice shown again is a new alert: hidden first, so screen readers hear it appear.
    hide();
    show();
    raise();
    timer_->start(milliseconds);
}

bool Notice::eventFilter(QObject *watched, QEvent *event) {
    if (watched == parentWidget() && event->type() == QEvent::Resize && isVisible())
        place();
    return QLabel::eventFilter(watched, event);
}

// Centred near the bottom of the window, at most two thirds of its width.
void Notice::place() {
    const QWidget *window = parentWidget();
    const int width = std::max(1, window->width() * 2 / 3);
    const int height = heightForWidth(width);
    setGeometry((window->width() - width) / 2, window->height() - height - height / 2, width,
                height);
}

Announcement::Announcement(QWidget *window)
    : QWidget(window)
    , timer_(new QTimer(this)) {
    setObjectName(QStringLiteral("announcement"));
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::NoFocus);
    // A pixel in the corner that paints nothing: an alert needs an object on the screen.
    setGeometry(0, 0, 1, 1);
    timer_->setSingleShot(true);
    connect(timer_, &QTimer::timeout, this, &QWidget::hide);
    hide();
}

void Announcement::announce(const QString &text) {
    // Screen readers speak a notification as it appears, and a text that changes while it
    // shows only as a changed name, which they pass over: each one, the same text again too,
    // is hidden, renamed and shown anew.
    hide();
    setAccessibleName(text);
    show();
    timer_->start(5000);
}

} // namespace toolkit
