#pragma once

#include <QObject>

class QAction;
class QMenu;
class QWidget;

namespace form {

class FormHistory;
class FormModel;

// The window's commands and its context menu. Each action's objectName is its name before
// any translation or prefix ("Undo" while it reads "Undo Recall"), which the replay driver
// matches. The results and diagram entries are enabled while the model shows results or a
// drawing, following its signals, and their shortcuts with them.
class FormActions : public QObject {
public:
    FormActions(QWidget &window, const FormModel &model, FormHistory &history);

    QAction *copy_results = nullptr;
    QAction *save_results = nullptr;
    QAction *copy_diagrams = nullptr;
    QAction *save_diagrams = nullptr;
    QAction *print_diagrams = nullptr;
    QAction *save_report = nullptr;
    QAction *print_report = nullptr;
    // The reading beside the form: its window (a check mark, Ctrl+R) and the line-to-line
    // entry.
    QAction *show_reading = nullptr;
    QAction *enter_line_to_line = nullptr;
    // The switch and command of the cases kept between runs (form::CaseKeeping), last in the
    // menu.
    QAction *keep_cases = nullptr;
    QAction *forget_cases = nullptr;

    // The menu the right mouse button opens outside the fields (unshown, parented to the
    // window).
    QMenu *context_menu() const;

protected:
    // The right mouse button outside the fields (whose own menus come first) opens the
    // context menu: on the plot area, the frames, the labels, the buttons and the background.
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void follow_model();

    QWidget &window_;
    const FormModel &model_;
    FormHistory &history_;
};

} // namespace form
