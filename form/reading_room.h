#pragma once

// moc reads no further than the signals need: it cannot parse <numbers>.
#ifndef Q_MOC_RUN
#include "form/case_reading.h"
#include "form/line_to_line_dialog.h"
#endif
#include "form/quantity.h"

#include <QObject>
#include <QString>

#include <array>

class Form1;
class QAction;

namespace form {

class FormActions;
class FormHistory;
class FormModel;
class ReadingWindow;

// The reading beside the form: the choices it is made with (the quantity, kept with the
// case in the model; the pre-fault slot and the vector group, kept here), the reading window
// that follows every conversion, recall and undo, and the commands that write into the form
// (Put into the Form, the line-to-line entry), each one step of the form's history. Its window
// opens with "Show Reading" (Ctrl+R); whether it is open, and its place, outlive a run.
class ReadingRoom : public QObject {
    Q_OBJECT

public:
    ReadingRoom(Form1 &form, FormModel &model, FormHistory &history, FormActions &actions);
    ~ReadingRoom() override;

    // The reading of the case shown, with the choices made.
    CaseReading reading() const;
    ReadingWindow &window() { return *window_; }

    // What the current case's phasors are: one step of the history.
    void choose_quantity(Quantity quantity);
    // Slot 1-10 as the pre-fault case, or 0 for none. Gives why an empty slot is refused (the
    // choice then stays as it was), or an empty text.
    QString subtract(int slot);
    // The vector group of the transformer view, or "none". Gives why a group that does not
    // parse is refused (the choice then stays as it was), or an empty text.
    QString transformer(const QString &group);
    // Writes the superimposed phases into ABC Polar and converts them as a typed case, one
    // step; the pre-fault case is none afterwards. Gives why there is nothing to put.
    QString put_delta();
    // Writes 012 Polar texts from line-to-line voltages (V0 = 0) and converts them as a typed
    // case of voltages, one step, then says why V0 is 0.
    void enter_line_to_line(const std::array<QString, 6> &texts);

    // The memory's ring put a new case into `slot`: a pre-fault choice of it goes back to none.
    void slot_taken(int slot);

signals:
    // The reading may read differently: a conversion, a recall, an undo or a choice.
    void reading_changed();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void refresh();
    void set_open(bool open);
    // Puts the window where it was, once.
    void place();
    void ask_line_to_line();

    Form1 &form_;
    FormModel &model_;
    FormHistory &history_;
    QAction *show_;
    ReadingWindow *window_;
    int slot_ = 0;
    QString group_;
    bool placed_ = false;
};

} // namespace form
