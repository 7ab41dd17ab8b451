#include "form/form_history.h"

#include <QAction>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QUndoStack>

#include <utility>

namespace form {

namespace {

// A change of the whole case: the case shown before and after it. The change itself was made
// when the command is pushed, so its first redo does nothing.
class CaseCommand : public QUndoCommand {
public:
    CaseCommand(FormModel &model, const QString &name, ShownCase before, ShownCase after)
        : QUndoCommand(name)
        , model_(model)
        , before_(std::move(before))
        , after_(std::move(after)) {}

    void undo() override { model_.restore(before_); }
    void redo() override {
        if (!std::exchange(first_, false))
            model_.restore(after_);
    }

private:
    FormModel &model_;
    ShownCase before_;
    ShownCase after_;
    bool first_ = true;
};

// Typing in one field: its text before the first key and after the last.
class TypingCommand : public QUndoCommand {
public:
    TypingCommand(FormModel &model, int field, QString before, QString after)
        //: An undo step, named in the menu as "Undo %1".
        : QUndoCommand(QCoreApplication::translate("FormHistory", "Typing"))
        , model_(model)
        , field_(field)
        , before_(std::move(before))
        , after_(std::move(after)) {}

    int id() const override { return 1; }
    bool mergeWith(const QUndoCommand *other) override {
        const auto *typing = static_cast<const TypingCommand *>(other);
        if (typing->field_ != field_)
            return false;
        after_ = typing->after_;
        // Typed and erased again: nothing is left to undo.
        setObsolete(after_ == before_);
        return true;
    }
    // The field already shows the text: the model's text follows it, and the field is left
    // alone (its cursor stays where the key put it).
    void undo() override { model_.set_text(field_, before_); }
    void redo() override { model_.set_text(field_, after_); }

private:
    FormModel &model_;
    int field_;
    QString before_;
    QString after_;
};

enum class UndoKey { none, undo, redo };

// The keys themselves, whatever the platform's key bindings say: on X11 redo is only
// Ctrl+Shift+Z there.
UndoKey undo_key(const QKeyEvent &event) {
    const Qt::KeyboardModifiers modifiers =
        event.modifiers() &
        (Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier);
    if (event.key() == Qt::Key_Z && modifiers == Qt::ControlModifier)
        return UndoKey::undo;
    if ((event.key() == Qt::Key_Z && modifiers == (Qt::ControlModifier | Qt::ShiftModifier)) ||
        (event.key() == Qt::Key_Y && modifiers == Qt::ControlModifier))
        return UndoKey::redo;
    return UndoKey::none;
}

} // namespace

FormHistory::FormHistory(FormModel &model, QObject *parent)
    : QObject(parent)
    , model_(model)
    , stack_(new QUndoStack(this)) {
    stack_->setUndoLimit(100);
    undo_action_ = stack_->createUndoAction(this);
    undo_action_->setObjectName(QStringLiteral("Undo"));
    undo_action_->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Z));
    redo_action_ = stack_->createRedoAction(this);
    redo_action_->setObjectName(QStringLiteral("Redo"));
    redo_action_->setShortcuts(
        {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z), QKeySequence(Qt::CTRL | Qt::Key_Y)});
}

void FormHistory::typed(int field, const QString &text) {
    if (text == model_.text(field))
        return;
    if (depth_ > 0) {
        model_.set_text(field, text);
        return;
    }
    stack_->push(new TypingCommand(model_, field, model_.text(field), text));
}

FormHistory::Step::Step(FormHistory &history, const QString &name)
    : history_(history) {
    if (history_.depth_++ == 0) {
        history_.name_ = name;
        history_.before_ = history_.model_.shown();
    }
}

FormHistory::Step::~Step() {
    if (--history_.depth_ != 0)
        return;
    ShownCase after = history_.model_.shown();
    if (after != history_.before_)
        history_.stack_->push(new CaseCommand(history_.model_, history_.name_,
                                              std::move(history_.before_), std::move(after)));
    history_.before_ = {};
}

void FormHistory::watch_keys(QLineEdit *field) {
    field->installEventFilter(this);
}

bool FormHistory::eventFilter(QObject *watched, QEvent *event) {
    if (event->type() != QEvent::ShortcutOverride && event->type() != QEvent::KeyPress)
        return QObject::eventFilter(watched, event);
    const UndoKey key = undo_key(*static_cast<QKeyEvent *>(event));
    if (key == UndoKey::none)
        return false;
    // The override keeps the window's own shortcuts from taking the key too; the press
    // that follows it goes to the stack, never to the field's own history.
    event->accept();
    if (event->type() == QEvent::KeyPress) {
        if (key == UndoKey::undo)
            stack_->undo();
        else
            stack_->redo();
    }
    return true;
}

void FormHistory::take_menu_entries(QMenu &menu, QLineEdit *field) {
    for (QAction *action : menu.actions()) {
        // The standard entries are wired to QLineEdit's slots, by name in Qt 6.4 and by
        // pointer later: the entry is the one whose wire can be cut, in any language.
        const bool undo = QObject::disconnect(action, SIGNAL(triggered()), field, SLOT(undo())) ||
                          QObject::disconnect(action, &QAction::triggered, field, &QLineEdit::undo);
        const bool redo =
            !undo && (QObject::disconnect(action, SIGNAL(triggered()), field, SLOT(redo())) ||
                      QObject::disconnect(action, &QAction::triggered, field, &QLineEdit::redo));
        if (!undo && !redo)
            continue;
        action->setObjectName(undo ? QStringLiteral("Undo") : QStringLiteral("Redo"));
        action->setEnabled(undo ? stack_->canUndo() : stack_->canRedo());
        connect(action, &QAction::triggered, stack_, undo ? &QUndoStack::undo : &QUndoStack::redo);
    }
}

} // namespace form
