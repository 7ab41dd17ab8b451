#include "form/form1.h"

#include <QAction>
#include <QCloseEvent>
#include <QMessageBox>
#include <QSettings>
#include <QSignalBlocker>

#include <memory>

namespace {

// ~/.config/trivane/trivane.conf, whatever the program's name: the driver shares it.
std::unique_ptr<QSettings> settings() {
    return std::make_unique<QSettings>(QStringLiteral("trivane"), QStringLiteral("trivane"));
}

const QString geometry_key = QStringLiteral("window/geometry");

} // namespace

void Form1::set_up_keeping() {
    memory_ = std::make_unique<form::CaseMemory>();
    ask = [this](const QString &question) {
        return QMessageBox::question(this, windowTitle(), question) == QMessageBox::Yes;
    };
    connect(memory_.get(), &form::CaseMemory::problem, this,
            [this](const QString &notice) { notify(notice); });
    keep_action_ = new QAction(QStringLiteral("Keep Cases Between Runs"), this);
    keep_action_->setCheckable(true);
    keep_action_->setChecked(memory_->keeping());
    // Another window turned the switch: the check mark follows, and nothing is asked.
    connect(memory_.get(), &form::CaseMemory::keeping_changed, keep_action_, [this](bool keep) {
        const QSignalBlocker quiet(keep_action_);
        keep_action_->setChecked(keep);
    });
    connect(keep_action_, &QAction::toggled, this, [this](bool keep) {
        // Turning it off forgets what was kept; the memory buttons of this run stay.
        if (!keep && !ask(QStringLiteral("Stop keeping cases between runs and forget the kept "
                                         "ones?"))) {
            const QSignalBlocker quiet(keep_action_);
            keep_action_->setChecked(true);
            return;
        }
        memory_->set_keeping(keep);
    });
    forget_action_ = new QAction(QStringLiteral("Forget All Cases"), this);
    connect(forget_action_, &QAction::triggered, this, [this] { forget_all_cases(); });
    restore_memory();
}

// The kept cases fill slots 1, 2, ... oldest first; the newest is bold and the next save
// goes after it, as if they had been saved in this run.
void Form1::restore_memory() {
    form::FormState &s = state_;
    for (const form::SavedCase &saved : memory_->restore()) {
        ++s.jslot;
        s.saved[static_cast<std::size_t>(s.jslot)] = saved;
        Option1[static_cast<std::size_t>(s.jslot)].setEnabled(true);
    }
    if (s.jslot != 0)
        Option1[static_cast<std::size_t>(s.jslot)].setFontBold(true);
    for (int slot = 1; slot <= s.jslot; ++slot)
        describe_slot(slot);
}

void Form1::forget_all_cases() {
    if (!ask(QStringLiteral("Forget all saved cases, here and for the next runs?")))
        return;
    form::FormState &s = state_;
    s.saved = {};
    s.jslot = 0;
    s.jpunched = 0;
    model_.set_selected(0);
    for (int slot = 1; slot <= 10; ++slot) {
        toolkit::OptionButton &button = Option1[static_cast<std::size_t>(slot)];
        button.setFontBold(false);
        button.setEnabled(false);
        describe_slot(slot);
    }
    memory_->forget_all();
}

void Form1::closeEvent(QCloseEvent *event) {
    settings()->setValue(geometry_key, saveGeometry());
    // No case is lost by closing while the disk is slow.
    memory_->wait_for_pending();
    toolkit::FormWindow::closeEvent(event);
}

void Form1::restore_geometry() {
    // restoreGeometry() brings a window whose screen is gone back onto one that exists.
    restoreGeometry(settings()->value(geometry_key).toByteArray());
}
