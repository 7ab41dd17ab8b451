#include "form/form1.h"

#include <QAction>
#include <QCloseEvent>
#include <QDir>
#include <QFileInfo>
#include <QMessageBox>
#include <QSettings>

#include <cstdio>
#include <memory>

namespace {

// ~/.config/trivane/trivane.conf, whatever the program's name: the driver shares it.
std::unique_ptr<QSettings> settings() {
    return std::make_unique<QSettings>(QStringLiteral("trivane"), QStringLiteral("trivane"));
}

const QString keep_key = QStringLiteral("cases/keep");
const QString geometry_key = QStringLiteral("window/geometry");

} // namespace

void Form1::set_up_keeping() {
    store_ = std::make_unique<form::MemoryStore>();
    ask = [this](const QString &question) {
        return QMessageBox::question(this, windowTitle(), question) == QMessageBox::Yes;
    };
    keep_action_ = new QAction(QStringLiteral("Keep Cases Between Runs"), this);
    keep_action_->setCheckable(true);
    keep_action_->setChecked(settings()->value(keep_key, true).toBool());
    connect(keep_action_, &QAction::toggled, this,
            [](bool keep) { settings()->setValue(keep_key, keep); });
    forget_action_ = new QAction(QStringLiteral("Forget All Cases"), this);
    connect(forget_action_, &QAction::triggered, this, [this] { forget_all_cases(); });
    restore_memory();
}

// The kept cases fill slots 1, 2, ... oldest first; the newest is bold and the next save
// goes after it, as if they had been saved in this run.
void Form1::restore_memory() {
    if (!keep_action_->isChecked())
        return;
    const form::StoredCases read = store_->load();
    if (!read.problem.isEmpty()) {
        const QString path = QDir::toNativeSeparators(store_->path());
        const QString aside = QDir::toNativeSeparators(read.kept_aside);
        tell_store_problem(
            QStringLiteral("could not read all saved cases from %1 (%2)%3")
                .arg(path, read.problem,
                     aside.isEmpty() ? QString()
                                     : QStringLiteral("; the file is kept as ") + aside),
            read.kept_aside.isEmpty()
                ? QStringLiteral("The saved cases could not all be read.")
                : QStringLiteral("The saved cases could not all be read; the file is kept as %1.")
                      .arg(QFileInfo(read.kept_aside).fileName()));
    }
    form::FormState &s = state_;
    for (const form::StoredCase &stored : read.cases) {
        ++s.jslot;
        s.saved[static_cast<std::size_t>(s.jslot)] = stored.saved;
        Option1[static_cast<std::size_t>(s.jslot)].setEnabled(true);
    }
    if (s.jslot != 0)
        Option1[static_cast<std::size_t>(s.jslot)].setFontBold(true);
    for (int slot = 1; slot <= s.jslot; ++slot)
        describe_slot(slot);
}

void Form1::keep_case(const form::SavedCase &saved) {
    if (!keep_action_->isChecked())
        return;
    // A 1 MB paste that converted stays in this run's memory only.
    for (const QString &text : saved.texts) {
        if (text.size() > form::longest_kept_text)
            return;
    }
    const QString problem = store_->save(saved);
    if (!problem.isEmpty() && !told_not_kept_) {
        told_not_kept_ = true;
        tell_store_problem(problem, QStringLiteral("Cases are kept for this run only: %1.")
                                        .arg(problem.left(1).toLower() + problem.mid(1)));
    }
}

void Form1::forget_all_cases() {
    if (!ask(QStringLiteral("Forget all saved cases, here and for the next runs?")))
        return;
    form::FormState &s = state_;
    s.saved = {};
    s.jslot = 0;
    s.jpunched = 0;
    for (int slot = 1; slot <= 10; ++slot) {
        toolkit::OptionButton &button = Option1[static_cast<std::size_t>(slot)];
        button.setValue(false);
        button.setFontBold(false);
        button.setEnabled(false);
        describe_slot(slot);
    }
    if (QFileInfo::exists(store_->path())) {
        const QString problem = store_->forget();
        if (!problem.isEmpty())
            tell_store_problem(problem, QStringLiteral("The saved cases could not be forgotten: "
                                                       "%1.")
                                            .arg(problem.left(1).toLower() + problem.mid(1)));
    }
}

void Form1::tell_store_problem(const QString &line, const QString &notice) {
    std::fprintf(stderr, "trivane: %s\n", line.toLocal8Bit().constData());
    notify(notice);
}

void Form1::closeEvent(QCloseEvent *event) {
    settings()->setValue(geometry_key, saveGeometry());
    toolkit::FormWindow::closeEvent(event);
}

void Form1::restore_geometry() {
    // restoreGeometry() brings a window whose screen is gone back onto one that exists.
    restoreGeometry(settings()->value(geometry_key).toByteArray());
}
