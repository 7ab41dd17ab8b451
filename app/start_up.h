#pragma once

// What happens before the window exists: the options answered without a display, and one
// plain line on standard error, instead of Qt's abort, when no window can be opened.

#include <optional>

namespace start_up {

// -h/--help or --version: prints the answer on standard output and returns the exit status.
std::optional<int> answer_without_window(int argc, char **argv);

// Hold one while the QApplication is being constructed. If Qt cannot open a display, the
// process prints one line naming the display and what to do, and exits with status 1.
// Until release(), standard error is held back and Qt's messages with it; release() passes
// them on, so a successful start loses nothing.
class DisplayGuard {
public:
    DisplayGuard(int argc, char **argv);
    ~DisplayGuard();
    DisplayGuard(const DisplayGuard &) = delete;
    DisplayGuard &operator=(const DisplayGuard &) = delete;

    // Call once the QApplication exists.
    void release();
};

} // namespace start_up
