#include "form/form_actions.h"

#include "form/form_history.h"
#include "form/form_model.h"

#include <QAction>
#include <QContextMenuEvent>
#include <QCoreApplication>
#include <QMenu>
#include <QWidget>

namespace form {

namespace {

// name is marked with QT_TRANSLATE_NOOP("FormActions", ...): the entry shows it in the
// desktop's language, and its object name, which the replay driver's menu command matches,
// is the English.
QAction *named_action(QWidget &window, const char *name, const QKeySequence &keys = {}) {
    auto *action = new QAction(QCoreApplication::translate("FormActions", name), &window);
    action->setObjectName(QString::fromUtf8(name));
    if (!keys.isEmpty()) {
        action->setShortcut(keys);
        // A window shortcut: it works wherever the focus is, in a field too, whose own keys
        // (Ctrl+C among them) it leaves alone.
        window.addAction(action);
    }
    return action;
}

} // namespace

FormActions::FormActions(QWidget &window, const FormModel &model, FormHistory &history)
    : QObject(&window)
    , window_(window)
    , model_(model)
    , history_(history) {
    window.addAction(history_.undo_action());
    window.addAction(history_.redo_action());
    copy_results = named_action(window, QT_TRANSLATE_NOOP("FormActions", "Copy Results"),
                                QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_C));
    save_results = named_action(window, QT_TRANSLATE_NOOP("FormActions", "Save Results As\u2026"));
    copy_diagrams = named_action(window, QT_TRANSLATE_NOOP("FormActions", "Copy Diagrams"),
                                 QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_D));
    save_diagrams =
        named_action(window, QT_TRANSLATE_NOOP("FormActions", "Save Diagrams As\u2026"));
    print_diagrams = named_action(window, QT_TRANSLATE_NOOP("FormActions", "Print Diagrams\u2026"),
                                  QKeySequence(Qt::CTRL | Qt::Key_P));
    save_report = named_action(window, QT_TRANSLATE_NOOP("FormActions", "Save Report As\u2026"));
    print_report = named_action(window, QT_TRANSLATE_NOOP("FormActions", "Print Report\u2026"));
    show_reading = named_action(window, QT_TRANSLATE_NOOP("FormActions", "Show Reading"),
                                QKeySequence(Qt::CTRL | Qt::Key_R));
    show_reading->setCheckable(true);
    enter_line_to_line =
        named_action(window, QT_TRANSLATE_NOOP("FormActions", "Enter Line-to-Line Voltages\u2026"));
    keep_cases = named_action(window, QT_TRANSLATE_NOOP("FormActions", "Keep Cases Between Runs"));
    keep_cases->setCheckable(true);
    forget_cases = named_action(window, QT_TRANSLATE_NOOP("FormActions", "Forget All Cases"));
    follow_model();
    connect(&model_, &FormModel::drawing_changed, this, [this] { follow_model(); });
    window.installEventFilter(this);
}

bool FormActions::eventFilter(QObject *watched, QEvent *event) {
    if (watched != &window_ || event->type() != QEvent::ContextMenu)
        return false;
    QMenu *menu = context_menu();
    menu->setAttribute(Qt::WA_DeleteOnClose);
    menu->popup(static_cast<QContextMenuEvent *>(event)->globalPos());
    event->accept();
    return true;
}

void FormActions::follow_model() {
    const bool results = model_.state().has_results;
    const bool drawing = model_.has_drawing();
    copy_results->setEnabled(results);
    save_results->setEnabled(results);
    save_report->setEnabled(results);
    print_report->setEnabled(results);
    for (QAction *action : {copy_diagrams, save_diagrams, print_diagrams})
        action->setEnabled(drawing);
}

QMenu *FormActions::context_menu() const {
    auto *menu = new QMenu(&window_);
    menu->addAction(history_.undo_action());
    menu->addAction(history_.redo_action());
    menu->addSeparator();
    for (QAction *action :
         {copy_results, save_results, copy_diagrams, save_diagrams, print_diagrams})
        menu->addAction(action);
    menu->addSeparator();
    menu->addAction(save_report);
    menu->addAction(print_report);
    menu->addSeparator();
    menu->addAction(show_reading);
    menu->addAction(enter_line_to_line);
    menu->addSeparator();
    menu->addAction(keep_cases);
    menu->addAction(forget_cases);
    return menu;
}

} // namespace form
