#pragma once

// moc reads no further than the signals need: it cannot parse <numbers>.
#ifndef Q_MOC_RUN
#include "form/case_reading.h"
#endif
#include "form/quantity.h"

#include <QWidget>

class QComboBox;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;

namespace form {

// "Trivane Reading": a tool window that stays with the form and never takes the focus from
// it when shown. It shows a CaseReading as selectable, readable text and offers the choices
// the reading is made of; it changes nothing itself but says what the user chose. A window of
// its own, not one of the form's children: show_beside makes it transient for the form.
class ReadingWindow : public QWidget {
    Q_OBJECT

public:
    ReadingWindow();

    // Shows the window transient for `form`, without activating it.
    void show_beside(QWidget &form);

    // Shows the reading and the choices it was made with.
    void show_reading(const CaseReading &reading);
    // The text shown, one line a reading line.
    QString text() const;

signals:
    void quantity_chosen(form::Quantity quantity);
    // 0 for none.
    void prefault_chosen(int slot);
    // The group as written, when the user leaves the field or presses Return.
    void group_chosen(const QString &text);
    void put_into_form();

private:
    QComboBox *quantity_;
    QComboBox *prefault_;
    QLineEdit *group_;
    QPushButton *put_;
    QPlainTextEdit *text_;
};

} // namespace form
