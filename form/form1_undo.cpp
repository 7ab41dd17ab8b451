#include "form/form1.h"

#include "toolkit/entry_field.h"

#include <QAction>
#include <QLineEdit>
#include <QUndoStack>

// One step of the form's undo: the look of the 24 fields before and after a change.
class Form1::FormChange : public QUndoCommand {
public:
    FormChange(Form1 &form, const QString &name, FormLook before, FormLook after)
        : QUndoCommand(name)
        , form_(form)
        , before_(std::move(before))
        , after_(std::move(after)) {}

    void undo() override { form_.show_look(before_, after_); }
    void redo() override {
        // The change itself was made when the step was pushed.
        if (pushed_)
            form_.show_look(after_, before_);
        pushed_ = true;
    }

private:
    Form1 &form_;
    FormLook before_;
    FormLook after_;
    bool pushed_ = false;
};

Form1::OneChange::OneChange(Form1 &form, const QString &name)
    : form_(form) {
    if (form_.change_depth_++ == 0) {
        form_.change_name_ = name;
        form_.change_before_ = form_.look();
    }
}

Form1::OneChange::~OneChange() {
    if (--form_.change_depth_ != 0)
        return;
    FormLook after = form_.look();
    if (after.fields != form_.change_before_.fields)
        form_.undo_stack_->push(
            new FormChange(form_, form_.change_name_, form_.change_before_, std::move(after)));
}

Form1::FormLook Form1::look() const {
    FormLook look;
    for (std::size_t i = 0; i < fields_.size(); ++i) {
        const toolkit::TextBox &field = *fields_[i];
        look.fields[i] = {field.Text(), field.BackColor(), field.widget()->toolTip()};
    }
    look.errors_found = state_.errors_found;
    return look;
}

void Form1::show_look(const FormLook &to, const FormLook &from) {
    for (std::size_t i = 0; i < fields_.size(); ++i) {
        const FieldLook &field = to.fields[i];
        if (field == from.fields[i])
            continue;
        if (field.text != fields_[i]->Text())
            fields_[i]->setText(field.text);
        fields_[i]->setBackColor(field.back);
        explain_mark(*fields_[i], field.reason);
    }
    state_.errors_found = to.errors_found;
}

void Form1::set_up_undo() {
    undo_stack_ = new QUndoStack(this);
    undo_stack_->setUndoLimit(100);
    undo_action_ = new QAction(QStringLiteral("Undo"), this);
    undo_action_->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Z));
    undo_action_->setEnabled(false);
    connect(undo_action_, &QAction::triggered, undo_stack_, &QUndoStack::undo);
    connect(undo_stack_, &QUndoStack::canUndoChanged, undo_action_, &QAction::setEnabled);
    redo_action_ = new QAction(QStringLiteral("Redo"), this);
    redo_action_->setShortcuts(
        {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z), QKeySequence(Qt::CTRL | Qt::Key_Y)});
    redo_action_->setEnabled(false);
    connect(redo_action_, &QAction::triggered, undo_stack_, &QUndoStack::redo);
    connect(undo_stack_, &QUndoStack::canRedoChanged, redo_action_, &QAction::setEnabled);
    addAction(undo_action_);
    addAction(redo_action_);
    // In a field the keys undo its own typing first; then the form's changes.
    for (toolkit::TextBox *field : fields_) {
        static_cast<toolkit::EntryField *>(field->widget())->on_undo_beyond = [this](bool redo) {
            if (redo)
                undo_stack_->redo();
            else
                undo_stack_->undo();
        };
    }
}
