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

#include "form/form_state.h"

#include <QByteArray>
#include <QString>

#include <cstdint>
#include <vector>

namespace form {

struct StoredCase {
    std::int64_t order = 0;
    SavedCase saved;
};

// What a file holds: its good cases, oldest first and at most ten, and whether anything in it
// could not be trusted: `problem` says why in a few words, `kept_aside` names the file it was
// moved to (empty when it could not be moved).
struct StoredCases {
    std::vector<StoredCase> cases;
    QString problem;
    QString kept_aside;
};

// Any bytes in: a damaged, truncated or foreign document, an unknown version, a case with a
// group outside 0-3 or a text the entry check refuses. Never reads more than it is given.
StoredCases read_cases(const QByteArray &data);
QByteArray write_cases(const std::vector<StoredCase> &cases);

// A case whose texts are this long is kept in the window only.
inline constexpr qsizetype longest_kept_text = 1000;
// A file larger than this is not read: ten cases of the longest kept texts stay well below.
inline constexpr qint64 largest_file = 1024 * 1024;

class MemoryStore {
public:
    // The file cases.json in folder; default_folder() is the user's.
    explicit MemoryStore(QString folder = default_folder());
    // $XDG_STATE_HOME/trivane, or ~/.local/state/trivane when it is unset.
    static QString default_folder();

    QString path() const;

    // The cases kept, oldest first. A file that cannot be trusted wholly is moved aside under
    // a new name (never over another file) and its good cases are written back; `problem`
    // then names both files.
    StoredCases load();

    // Adds the case after the newest in the file. Gives an empty text, or why it could not.
    QString save(const SavedCase &saved);
    // Empties the file. Gives an empty text, or why it could not.
    QString forget();

private:
    // Under the lock: the cases in the file, `change` applied to them, the result written
    // whole. A damaged file is moved aside first; a file that cannot be is left alone.
    template <typename Change> QString update(Change change);
    // The file as it is, or why it cannot be trusted.
    StoredCases read_file() const;
    // The same; a damaged file is then moved aside.
    StoredCases read_and_keep_damage_aside();
    QString folder_;
};

} // namespace form
