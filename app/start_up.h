#pragma once

// What happens before the window exists: the options answered without a display, and one
// plain line on standard error, instead of Qt's abort, when no window can be opened.

#include <optional>
#include <string>

namespace start_up {

// What the command line asks for: Trivane's own options and those of Qt's that the display
// guard needs to know.
struct CommandLine {
    // Set when the program ends before any window: 0 after --help or --version, 2 after an
    // unknown option, an argument or a missing value, which one line on standard error names.
    std::optional<int> exit_status;
    std::optional<std::string> platform; // -platform NAME
    std::optional<std::string> display;  // -display HOST:SCREEN
};

// Reads the options with QCommandLineParser, before any QApplication: -h/--help, --help-all
// (with every Qt option) and -v/--version print their answer on standard output; Qt's own
// options (one dash or two) are accepted and left for Qt. Call after
// toolkit::name_application(), which the version text reads.
CommandLine read_command_line(int argc, char **argv);

// Hold one while the QApplication is being constructed. If Qt cannot open a display, the
// process prints one line naming the display and what to do, and exits with status 1.
// Until release(), standard error is held back and Qt's messages with it; release() passes
// them on, so a successful start loses nothing.
class DisplayGuard {
public:
    explicit DisplayGuard(const CommandLine &options);
    ~DisplayGuard();
    DisplayGuard(const DisplayGuard &) = delete;
    DisplayGuard &operator=(const DisplayGuard &) = delete;

    // Call once the QApplication exists.
    void release();
};

} // namespace start_up
