#pragma once

#include "form/form_model.h"

#include <QObject>
#include <QString>

class QAction;
class QLineEdit;
class QMenu;
class QUndoStack;

namespace form {

// The form's one history: a QUndoStack of the changes to the model. Typing in a field is a
// command that merges with the next typing in the same field; Clear, a conversion, a recall
// and a pasted block each are one command over the whole case shown (ShownCase). Undo and
// redo put back what a command recorded and run none of the form's procedures. A change that
// changed nothing adds no step.
class FormHistory : public QObject {
public:
    explicit FormHistory(FormModel &model, QObject *parent = nullptr);

    QUndoStack &stack() { return *stack_; }
    // "Undo Recall", "Redo Typing": with Ctrl+Z, and with Ctrl+Shift+Z and Ctrl+Y.
    QAction *undo_action() const { return undo_action_; }
    QAction *redo_action() const { return redo_action_; }

    // A field's text as the user left it: one typing command, merged with the typing before
    // it in the same field. The model takes it; the field already shows it.
    void typed(int field, const QString &text);

    // Everything done to the model while a Step is alive is one command, named by the
    // outermost Step (a conversion inside a Clear or a recall is part of it).
    class Step {
    public:
        Step(FormHistory &history, const QString &name);
        ~Step();
        Step(const Step &) = delete;
        Step &operator=(const Step &) = delete;

    private:
        FormHistory &history_;
    };

    // The undo keys in a field go to this history, not to the field's own, and so do the
    // Undo and Redo of its context menu (take_menu_entries with that menu).
    void watch_keys(QLineEdit *field);
    void take_menu_entries(QMenu &menu, QLineEdit *field);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    FormModel &model_;
    QUndoStack *stack_;
    QAction *undo_action_;
    QAction *redo_action_;
    int depth_ = 0;
    QString name_;
    ShownCase before_;
};

} // namespace form
