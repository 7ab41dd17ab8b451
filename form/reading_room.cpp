#include "form/reading_room.h"

#include "form/form1.h"
#include "form/form_actions.h"
#include "form/form_history.h"
#include "form/form_model.h"
#include "form/reading_window.h"
#include "toolkit/number_text.h"

#include <QAction>
#include <QEvent>
#include <QPoint>
#include <QSettings>

#include <utility>

namespace form {

namespace {

// In the settings file the form keeps its own place in, which start-up names.
const QString open_key = QStringLiteral("reading/open");
const QString geometry_key = QStringLiteral("reading/geometry");

} // namespace

ReadingRoom::ReadingRoom(Form1 &form, FormModel &model, FormHistory &history, FormActions &actions)
    : QObject(&form)
    , form_(form)
    , model_(model)
    , history_(history)
    , show_(actions.show_reading)
    , window_(new ReadingWindow) {
    // Ctrl+R works in the reading window too.
    window_->addAction(show_);
    window_->installEventFilter(this);
    form.installEventFilter(this);
    show_->setChecked(QSettings().value(open_key, false).toBool());
    connect(show_, &QAction::toggled, this, [this](bool open) {
        QSettings().setValue(open_key, open);
        set_open(open);
    });
    connect(actions.enter_line_to_line, &QAction::triggered, this, [this] { ask_line_to_line(); });

    connect(window_, &ReadingWindow::quantity_chosen, this,
            [this](Quantity q) { choose_quantity(q); });
    connect(window_, &ReadingWindow::prefault_chosen, this, [this](int slot) {
        if (const QString problem = subtract(slot); !problem.isEmpty())
            form_.notify(problem);
    });
    connect(window_, &ReadingWindow::group_chosen, this, [this](const QString &text) {
        // The window shows why a group does not read; the choice is the text written.
        group_ = text.trimmed();
        refresh();
    });
    connect(window_, &ReadingWindow::put_into_form, this, [this] {
        if (const QString problem = put_delta(); !problem.isEmpty())
            form_.notify(problem);
    });
    connect(&model_, &FormModel::drawing_changed, this, [this] { refresh(); });
    connect(&model_, &FormModel::quantity_changed, this, [this] { refresh(); });
    refresh();
}

ReadingRoom::~ReadingRoom() {
    if (window_->isVisible())
        QSettings().setValue(geometry_key, window_->saveGeometry());
    delete window_;
}

CaseReading ReadingRoom::reading() const {
    ReadingInput in;
    const FormState &s = model_.state();
    in.has_results = s.has_results;
    in.phasors = model_.phasors();
    in.quantity = model_.quantity();
    in.prefault_slot = slot_;
    if (slot_ != 0 && form_.Option1[static_cast<std::size_t>(slot_)].Enabled()) {
        in.prefault = s.saved[static_cast<std::size_t>(slot_)];
        in.prefault_quantity = in.prefault->quantity;
    }
    in.group = group_;
    return read_case(in);
}

void ReadingRoom::choose_quantity(Quantity quantity) {
    if (quantity == model_.quantity())
        return;
    const FormHistory::Step step(history_, tr("Quantity"));
    model_.set_quantity(quantity);
}

QString ReadingRoom::subtract(int slot) {
    if (slot < 0 || slot > 10)
        return tr("Choose none, or slot 1–10.");
    if (slot != 0 && !form_.Option1[static_cast<std::size_t>(slot)].Enabled()) {
        refresh(); // the window shows the choice that stands
        return tr("Slot %1 holds no case: the pre-fault case stays as it was.").arg(slot);
    }
    slot_ = slot;
    refresh();
    return {};
}

QString ReadingRoom::transformer(const QString &group) {
    const QString text = group.trimmed();
    if (text.isEmpty() || means_no_group(text)) {
        group_.clear();
        refresh();
        return {};
    }
    const calc::GroupParse parse = calc::parse_vector_group(text.toStdString());
    if (!parse.group)
        return group_problem(parse, text) + QLatin1Char(' ') +
               tr("The vector group stays as it was.");
    group_ = text;
    refresh();
    return {};
}

QString ReadingRoom::put_delta() {
    const CaseReading now = reading();
    const auto texts = delta_texts(now, toolkit::decimal_separator());
    if (!texts)
        return now.prefault_slot == 0 ? tr("No superimposed set: choose the pre-fault case.")
                                      : delta_problem_text(now);
    {
        const FormHistory::Step step(history_, tr("Put into the Form"));
        for (int i = 0; i < 6; ++i)
            model_.set_text(i, (*texts)[static_cast<std::size_t>(i)]);
        slot_ = 0;
        form_.Convert_Click(0);
    }
    refresh();
    return {};
}

void ReadingRoom::enter_line_to_line(const std::array<QString, 6> &texts) {
    {
        const FormHistory::Step step(history_, tr("Enter Line-to-Line Voltages"));
        model_.set_quantity(Quantity::voltages);
        for (int i = 0; i < 6; ++i)
            model_.set_text(12 + i, texts[static_cast<std::size_t>(i)]);
        form_.Convert_Click(2);
    }
    form_.notify(line_to_line_notice());
}

void ReadingRoom::slot_taken(int slot) {
    if (slot == slot_) {
        slot_ = 0;
        refresh();
    }
}

void ReadingRoom::refresh() {
    window_->show_reading(reading());
    emit reading_changed();
}

void ReadingRoom::set_open(bool open) {
    if (!open) {
        if (window_->isVisible())
            QSettings().setValue(geometry_key, window_->saveGeometry());
        window_->hide();
        return;
    }
    // Shown beside the form, which keeps the keyboard focus; a form not yet shown shows it
    // with itself.
    if (form_.isVisible()) {
        place();
        window_->show_beside(form_);
    }
}

void ReadingRoom::place() {
    if (std::exchange(placed_, true))
        return;
    // Where it was last; the first time, at the form's right.
    if (!window_->restoreGeometry(QSettings().value(geometry_key).toByteArray()))
        window_->move(form_.frameGeometry().topRight() + QPoint(8, 0));
}

void ReadingRoom::ask_line_to_line() {
    LineToLineDialog dialog(&form_);
    if (dialog.exec() == QDialog::Accepted)
        enter_line_to_line(dialog.texts());
}

bool ReadingRoom::eventFilter(QObject *watched, QEvent *event) {
    if (watched == window_ && event->type() == QEvent::Close) {
        // Closed by its own button or keys: the check mark follows.
        show_->setChecked(false);
    } else if (watched == &form_ && event->type() == QEvent::Show && show_->isChecked() &&
               !window_->isVisible()) {
        place();
        window_->show_beside(form_);
    }
    return QObject::eventFilter(watched, event);
}

} // namespace form
