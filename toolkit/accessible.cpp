#include "toolkit/accessible.h"

#include "toolkit/form_window.h"
#include "toolkit/notice.h"

#include <QAccessible>
#include <QAccessibleWidget>

namespace toolkit {

namespace {

QAccessibleInterface *accessible_role(const QString &, QObject *object) {
    if (auto *area = dynamic_cast<GraphicArea *>(object))
        return new QAccessibleWidget(area, QAccessible::Graphic);
    if (auto *notice = dynamic_cast<Notice *>(object))
        return new QAccessibleWidget(notice, QAccessible::AlertMessage);
    if (auto *announcement = dynamic_cast<Announcement *>(object))
        return new QAccessibleWidget(announcement, QAccessible::Notification);
    if (auto *form = dynamic_cast<FormWindow *>(object); form != nullptr && form->isWindow())
        return new QAccessibleWidget(form, QAccessible::Window);
    return nullptr;
}

} // namespace

GraphicArea::GraphicArea(QWidget *parent)
    : QWidget(parent) {
    setFocusPolicy(Qt::NoFocus);
}

void install_accessible_roles() {
    static const bool installed = [] {
        QAccessible::installFactory(accessible_role);
        return true;
    }();
    (void)installed;
}

void set_description(QWidget *widget, const QString &description) {
    if (widget->accessibleDescription() == description)
        return;
    // Qt announces the change to assistive technology itself.
    widget->setAccessibleDescription(description);
}

} // namespace toolkit
