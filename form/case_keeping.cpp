#include "form/case_keeping.h"

#include "form/form1.h"
#include "form/form_actions.h"
#include "form/screen_reader_text.h"

#include <QAction>
#include <QCoreApplication>
#include <QSettings>
#include <QSignalBlocker>

namespace form {

namespace {

// In ~/.config/trivane/trivane.conf: start-up names the organisation and the application.
const QString geometry_key = QStringLiteral("window/geometry");

} // namespace

CaseKeeping::CaseKeeping(Form1 &form, FormModel &model, ScreenReaderText &screen_reader,
                         const FormActions &actions)
    : form_(form)
    , model_(model)
    , screen_reader_(screen_reader)
    , keep_action_(*actions.keep_cases) {
    QObject::connect(&memory_, &CaseMemory::problem, &form,
                     [&form](const QString &notice) { form.notify(notice); });
    keep_action_.setChecked(memory_.keeping());
    // Another window turned the switch: the check mark follows, and nothing is asked.
    QObject::connect(&memory_, &CaseMemory::keeping_changed, &keep_action_, [this](bool keep) {
        const QSignalBlocker quiet(&keep_action_);
        keep_action_.setChecked(keep);
    });
    QObject::connect(&keep_action_, &QAction::toggled, &form, [this](bool keep) {
        // Turning it off forgets what was kept; the memory buttons of this run stay.
        if (!keep &&
            !form_.ask(QCoreApplication::translate(
                "CaseKeeping", "Stop keeping cases between runs and forget the kept ones?"))) {
            const QSignalBlocker quiet(&keep_action_);
            keep_action_.setChecked(true);
            return;
        }
        memory_.set_keeping(keep);
    });
    QObject::connect(actions.forget_cases, &QAction::triggered, &form, [this] { forget_all(); });
    restore();
}

void CaseKeeping::restore() {
    FormState &s = model_.state();
    for (const SavedCase &saved : memory_.restore()) {
        ++s.jslot;
        s.saved[static_cast<std::size_t>(s.jslot)] = saved;
        form_.Option1[static_cast<std::size_t>(s.jslot)].setEnabled(true);
    }
    if (s.jslot != 0)
        form_.Option1[static_cast<std::size_t>(s.jslot)].setFontBold(true);
    for (int slot = 1; slot <= s.jslot; ++slot)
        screen_reader_.describe_slot(slot);
}

void CaseKeeping::forget_all() {
    if (!form_.ask(QCoreApplication::translate(
            "CaseKeeping", "Forget all saved cases, here and for the next runs?")))
        return;
    FormState &s = model_.state();
    s.saved = {};
    s.jslot = 0;
    s.jpunched = 0;
    model_.set_selected(0);
    for (int slot = 1; slot <= 10; ++slot) {
        toolkit::OptionButton &button = form_.Option1[static_cast<std::size_t>(slot)];
        button.setFontBold(false);
        button.setEnabled(false);
        screen_reader_.describe_slot(slot);
    }
    memory_.forget_all();
}

void CaseKeeping::close() {
    QSettings().setValue(geometry_key, form_.saveGeometry());
    memory_.wait_for_pending();
}

void restore_geometry(QWidget &window) {
    // restoreGeometry() brings a window whose screen is gone back onto one that exists.
    window.restoreGeometry(QSettings().value(geometry_key).toByteArray());
}

} // namespace form
