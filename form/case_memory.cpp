#include "form/case_memory.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QDir>
#include <QFileInfo>
#include <QMutexLocker>
#include <QSettings>

#include <string_view>
#include <utility>

namespace form {

Q_LOGGING_CATEGORY(store_log, "trivane.store")

namespace {

const QString keep_key = QStringLiteral("cases/keep");
// Closing says why it waits once the worker has taken this long.
constexpr int patient_ms = 3000;

// ~/.config/trivane/trivane.conf, which start-up names for the program and the replay driver.
std::unique_ptr<QSettings> open_settings(const QString &file) {
    if (file.isEmpty())
        return std::make_unique<QSettings>();
    return std::make_unique<QSettings>(file, QSettings::IniFormat);
}

bool keep_switch(const QString &settings_file) {
    return open_settings(settings_file)->value(keep_key, true).toBool();
}

//: A notice; %1 is why, in English as standard error has it.
constexpr const char *kept_for_this_run =
    QT_TRANSLATE_NOOP("CaseMemory", "Cases are kept for this run only: %1.");

// "Could not write ..." as the end of a sentence.
QString lowered(const QString &sentence) {
    return sentence.left(1).toLower() + sentence.mid(1);
}

} // namespace

CaseMemory::CaseMemory(QObject *parent)
    : CaseMemory(MemoryStore::default_folder(), QString(), parent) {}

CaseMemory::CaseMemory(QString folder, QString settings_file, QObject *parent)
    : QObject(parent)
    , folder_(std::move(folder))
    , settings_file_(std::move(settings_file))
    , worker_(new QObject)
    , store_(std::make_shared<MemoryStore>(folder_)) {
    thread_.setObjectName(QStringLiteral("trivane store"));
    worker_->moveToThread(&thread_);
    connect(&thread_, &QThread::finished, worker_, &QObject::deleteLater);
    thread_.start();
}

CaseMemory::~CaseMemory() {
    disconnect(this, nullptr, nullptr, nullptr);
    wait_for_pending();
    thread_.quit();
    thread_.wait();
}

QString CaseMemory::path() const {
    return store_->path();
}

bool CaseMemory::keeping() const {
    return keep_switch(settings_file_);
}

void CaseMemory::set_keeping(bool keep) {
    open_settings(settings_file_)->setValue(keep_key, keep);
    keeping_ = keep;
    // Off forgets what was kept; on starts afresh, whatever an older build left behind.
    queue([](MemoryStore &store) { return store.remove(); },
          [this](const StoreOutcome &outcome) {
              tell(outcome,
                   QT_TRANSLATE_NOOP("CaseMemory", "The kept cases could not be deleted: %1."));
          });
}

std::vector<SavedCase> CaseMemory::restore() {
    keeping_ = keeping();
    if (!keeping_)
        return {};
    const StoredCases read = MemoryStore(folder_).read();
    const QString file = QDir::toNativeSeparators(path());
    switch (read.trust) {
    case FileTrust::good:
        break;
    case FileTrust::newer:
        tell_newer();
        return {};
    case FileTrust::unreadable:
        tell_once(
            told_not_kept_,
            QStringLiteral("could not read the saved cases from %1 (%2)").arg(file, read.problem),
            QCoreApplication::translate("CaseMemory",
                                        "The saved cases could not be read; cases are kept for "
                                        "this run only."));
        return {};
    case FileTrust::damaged:
        // The repair takes the lock and reads again: another window may have been first.
        queue([](MemoryStore &store) { return store.set_damage_aside(); },
              [this, problem = read.problem](const StoreOutcome &outcome) {
                  if (outcome.damage.isEmpty() && !outcome.failure.isEmpty())
                      tell_damage(problem, {});
                  tell(outcome, kept_for_this_run);
              });
        break;
    }
    std::vector<SavedCase> cases;
    for (const StoredCase &stored : read.cases)
        cases.push_back(stored.saved);
    return cases;
}

void CaseMemory::keep(const SavedCase &saved) {
    if (too_long_to_keep(saved))
        return;
    // The switch as it stands when the case is written: another window may have turned it.
    auto kept = std::make_shared<bool>(true);
    queue(
        [saved, kept, settings = settings_file_](MemoryStore &store) {
            *kept = keep_switch(settings);
            return *kept ? store.save(saved) : StoreOutcome{};
        },
        [this, kept](const StoreOutcome &outcome) {
            if (*kept != keeping_) {
                keeping_ = *kept;
                emit keeping_changed(keeping_);
            }
            tell(outcome, kept_for_this_run);
        });
}

void CaseMemory::forget_all() {
    queue([](MemoryStore &store) { return store.forget(); },
          [this](const StoreOutcome &outcome) {
              tell(outcome,
                   QT_TRANSLATE_NOOP("CaseMemory", "The saved cases could not be forgotten: %1."));
          });
}

void CaseMemory::set_writer(MemoryStore::Writer write) {
    queue(
        [write = std::move(write)](MemoryStore &store) {
            store.set_writer(write);
            return StoreOutcome{};
        },
        {});
}

void CaseMemory::wait_for_pending() {
    if (!wait_for_worker(patient_ms)) {
        qCInfo(store_log, "waiting for the kept cases to be written to %s",
               qUtf8Printable(QDir::toNativeSeparators(path())));
        wait_for_worker(-1);
    }
    // The outcomes the worker has handed over, told now.
    QCoreApplication::sendPostedEvents(this, QEvent::MetaCall);
}

void CaseMemory::queue(std::function<StoreOutcome(MemoryStore &)> operation,
                       std::function<void(const StoreOutcome &)> told) {
    ++asked_;
    QMetaObject::invokeMethod(
        worker_,
        [this, store = store_, operation = std::move(operation), told = std::move(told)] {
            const StoreOutcome outcome = operation(*store);
            // Handed over before it counts as done, so a wait that ends finds it posted.
            if (told)
                QMetaObject::invokeMethod(
                    this, [told, outcome] { told(outcome); }, Qt::QueuedConnection);
            const QMutexLocker locker(&done_mutex_);
            ++done_;
            done_changed_.wakeAll();
        },
        Qt::QueuedConnection);
}

bool CaseMemory::wait_for_worker(int timeout_ms) {
    const QDeadlineTimer deadline(timeout_ms < 0 ? QDeadlineTimer::Forever
                                                 : QDeadlineTimer(timeout_ms));
    const QMutexLocker locker(&done_mutex_);
    while (done_ < asked_) {
        if (!done_changed_.wait(&done_mutex_, deadline))
            return done_ >= asked_;
    }
    return true;
}

void CaseMemory::tell(const StoreOutcome &outcome, const char *failed) {
    if (!outcome.damage.isEmpty())
        tell_damage(outcome.damage, outcome.kept_aside);
    if (outcome.newer)
        tell_newer();
    // A damaged file that could not be moved has been told as damage.
    const bool told_as_damage = !outcome.damage.isEmpty() && outcome.kept_aside.isEmpty();
    if (outcome.failure.isEmpty() || told_as_damage)
        return;
    // The failure itself is the line standard error gets too: in English.
    const QString notice =
        QCoreApplication::translate("CaseMemory", failed).arg(lowered(outcome.failure));
    if (std::string_view(failed) == kept_for_this_run)
        tell_once(told_not_kept_, outcome.failure, notice);
    else
        say(outcome.failure, notice);
}

void CaseMemory::tell_damage(const QString &problem, const QString &kept_aside) {
    const QString line = QStringLiteral("could not read all saved cases from %1 (%2)%3")
                             .arg(QDir::toNativeSeparators(path()), problem,
                                  kept_aside.isEmpty() ? QString()
                                                       : QStringLiteral("; the file is kept as ") +
                                                             QDir::toNativeSeparators(kept_aside));
    // A file that stays where it is would be found again at every save: told once.
    if (kept_aside.isEmpty()) {
        tell_once(
            told_not_kept_, line,
            QCoreApplication::translate("CaseMemory", "The saved cases could not all be read."));
        return;
    }
    //: %1 is a file name, as "cases.json.damaged-20260101-120000".
    say(line, QCoreApplication::translate(
                  "CaseMemory", "The saved cases could not all be read; the file is kept as %1.")
                  .arg(QFileInfo(kept_aside).fileName()));
}

void CaseMemory::tell_newer() {
    tell_once(told_newer_,
              QStringLiteral("%1 was written by a newer version of Trivane and is left as it is; "
                             "cases are kept for this run only")
                  .arg(QDir::toNativeSeparators(path())),
              QCoreApplication::translate("CaseMemory",
                                          "The kept cases were written by a newer version of "
                                          "Trivane; cases are kept for this run only."));
}

void CaseMemory::tell_once(bool &told, const QString &line, const QString &notice) {
    if (std::exchange(told, true))
        return;
    say(line, notice);
}

void CaseMemory::say(const QString &line, const QString &notice) {
    qCWarning(store_log).noquote() << line;
    emit problem(notice);
}

} // namespace form
