#pragma once

// The cases kept between runs, as the window sees them: whether cases are kept, the cases
// read back at start-up, and the saves, forgetting and deleting that follow, which never
// wait on the disk. Every change to the file runs on one worker thread of its own, in the
// order it was asked for, none skipped; a problem comes back as problem(), and the same
// line goes to the log ("trivane.store"). The ten memory slots themselves are the window's.

#include "form/form_state.h"
#include "form/memory_store.h"

#include <QLoggingCategory>
#include <QMutex>
#include <QObject>
#include <QString>
#include <QThread>
#include <QWaitCondition>

#include <functional>
#include <memory>
#include <vector>

namespace form {

Q_DECLARE_LOGGING_CATEGORY(store_log)

class CaseMemory : public QObject {
    Q_OBJECT

public:
    // The user's file and settings.
    explicit CaseMemory(QObject *parent = nullptr);
    // cases.json in folder; the switch in the INI file settings_file.
    CaseMemory(QString folder, QString settings_file, QObject *parent = nullptr);
    // Waits for what is still queued: closing the window loses no case. What went wrong is
    // still logged, but no longer signalled: the window may be half gone.
    ~CaseMemory() override;
    CaseMemory(const CaseMemory &) = delete;
    CaseMemory &operator=(const CaseMemory &) = delete;

    QString path() const;

    // The "Keep Cases Between Runs" switch as the settings hold it now, for every window.
    bool keeping() const;
    // Off: nothing more is kept, and the file is deleted. On: the next save starts a new
    // file.
    void set_keeping(bool keep);

    // The kept cases, oldest first, or none while keeping is off. Read without taking the
    // file's lock; a damaged file is then set aside on the worker, which says so.
    std::vector<SavedCase> restore();

    // Adds the case to the file, unless it is too long to keep or keeping is off by the time
    // it is written.
    void keep(const SavedCase &saved);
    // Leaves the file without cases, whether keeping is on or not.
    void forget_all();

    // Returns once everything asked so far is done and its problems are told.
    void wait_for_pending();

    // How the file is written from the next operation on (tests and benchmarks slow it down
    // or make it fail).
    void set_writer(MemoryStore::Writer write);

signals:
    // A sentence for the window's notice.
    void problem(const QString &notice);
    // A save found the switch changed by another window.
    void keeping_changed(bool keep);

private:
    // Runs `operation` on the worker; `told` then gets its outcome on this thread.
    void queue(std::function<StoreOutcome(MemoryStore &)> operation,
               std::function<void(const StoreOutcome &)> told);
    // The outcome of a save, a forget or a deletion told as a notice and a log line.
    // failed is a notice marked with QT_TRANSLATE_NOOP("CaseMemory", ...), %1 the failure.
    void tell(const StoreOutcome &outcome, const char *failed);
    void tell_damage(const QString &problem, const QString &kept_aside);
    void tell_newer();
    void tell_once(bool &told, const QString &line, const QString &notice);
    void say(const QString &line, const QString &notice);
    // Waits for the worker alone; false if it took longer than timeout_ms.
    bool wait_for_worker(int timeout_ms);

    QString folder_;
    QString settings_file_;
    QThread thread_;
    QObject *worker_ = nullptr; // lives on thread_, holds the store
    std::shared_ptr<MemoryStore> store_;
    bool keeping_ = true;
    bool told_not_kept_ = false;
    bool told_newer_ = false;

    // Operations asked for on this thread, and done on the worker.
    int asked_ = 0;
    QMutex done_mutex_;
    QWaitCondition done_changed_;
    int done_ = 0;
};

} // namespace form
