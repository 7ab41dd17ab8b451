#pragma once

// The case memory kept between runs: one small JSON file in the user's state folder,
// cases.json, written whole after every save and read at start-up.
//
//   {"version": 1, "cases": [{"order": 17, "group": 0,
//                             "texts": ["1.0", "1.0", "1.0", "0.0", "-120.0", "120.0"]}, ...]}
//
// "order" counts the saves of every window that used the file: each save takes the file's
// lock, reads what the others wrote, adds its case after the newest and keeps the last ten,
// so two windows at once lose nothing.
//
// Three kinds of file are never changed: one written by a newer version of the program (a
// `version` that is a higher integer), one that is there but cannot be opened (it may be
// good), and, besides being moved aside under a new name, one that is damaged.

#include "form/form_state.h"

#include <QByteArray>
#include <QString>

#include <cstdint>
#include <functional>
#include <vector>

namespace form {

struct StoredCase {
    std::int64_t order = 0;
    SavedCase saved;
};

// How far a file can be trusted.
enum class FileTrust {
    good,       // read wholly, or there is no file
    damaged,    // not all of it could be read: it is moved aside
    newer,      // written by a newer version: left as it is
    unreadable, // there, but it cannot be opened: left as it is
};

// What a file holds: its good cases, oldest first and at most ten, and, when it is not
// wholly good, why in a few words.
struct StoredCases {
    std::vector<StoredCase> cases;
    FileTrust trust = FileTrust::good;
    QString problem;
};

// What became of one change to the file.
struct StoreOutcome {
    // The file found was damaged: why, and the name it is kept under now (empty when it
    // could not be moved).
    QString damage;
    QString kept_aside;
    // The file is a newer version's: nothing was changed.
    bool newer = false;
    // Why the change was not made, as a sentence; empty when it was.
    QString failure;
};

// Any bytes in: a damaged, truncated or foreign document, an unknown version, a case with a
// group outside 0-3 or a text that is no number. A text may use either decimal separator,
// so cases kept under one language's number settings read under another's. Never reads
// more than it is given.
StoredCases read_cases(const QByteArray &data);
QByteArray write_cases(const std::vector<StoredCase> &cases);

// A case with a text longer than this stays in the window only.
inline constexpr qsizetype longest_kept_text = 1000;
bool too_long_to_keep(const SavedCase &saved);
// A file larger than this is not read: ten cases of the longest kept texts stay well below.
inline constexpr qint64 largest_file = 1024 * 1024;

class MemoryStore {
public:
    // How the file is written: toolkit::save_file_in_english (its failure goes to standard
    // error too), or a stand-in for tests and benchmarks.
    using Writer = std::function<QString(const QString &path, const QByteArray &data)>;

    // The file cases.json in folder; default_folder() is the user's.
    explicit MemoryStore(QString folder = default_folder(), Writer write = {});
    // $XDG_STATE_HOME/trivane, or ~/.local/state/trivane when it is unset.
    static QString default_folder();

    QString path() const;
    void set_writer(Writer write);

    // The file as it is, without its lock and without changing anything.
    StoredCases read() const;

    // The changes, each under the file's lock (waiting for another window to let go of it).
    // A damaged file is first moved aside under a new name (never over another file).
    // Moves a damaged file aside and writes its good cases back.
    StoreOutcome set_damage_aside();
    // Adds the case after the newest in the file.
    StoreOutcome save(const SavedCase &saved);
    // Leaves the file without cases.
    StoreOutcome forget();
    // Deletes the file.
    StoreOutcome remove();

private:
    // Under the lock: the cases in the file, `change` applied to them, the result written
    // whole. `change` gives false to write nothing.
    template <typename Change> StoreOutcome update(Change change);
    QString folder_;
    Writer write_;
};

} // namespace form
