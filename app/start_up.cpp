#include "app/start_up.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QString>
#include <QStringList>
#include <QtGlobal>

#include <cstdio>
#include <cstdlib>
#include <iterator>
#include <string>

#include <fcntl.h>
#include <sys/mman.h>
#include <unistd.h>

namespace start_up {

namespace {

constexpr const char *what_to_do =
    "start Trivane from a desktop session, or without one under a virtual X server: "
    "xvfb-run trivane";

constexpr std::size_t npos = std::string::npos;

std::string env(const char *name) {
    const char *value = std::getenv(name);
    return value == nullptr ? std::string() : std::string(value);
}

// The options QGuiApplication, QApplication and the X11 platform take, which Qt reads and
// strips only while the QApplication is constructed; a value's name is empty for a flag.
// The first five are listed by --help, all of them by --help-all.
struct QtOption {
    const char *name;
    const char *value;
    const char *description;
};
constexpr std::size_t qt_options_in_help = 5;
constexpr QtOption qt_options[] = {
    {"platform", "name[:options]", "Uses this Qt platform plugin: xcb, wayland, offscreen..."},
    {"display", "host:screen", "Opens this X display instead of $DISPLAY."},
    {"qwindowgeometry", "geometry", "Places the window, as in 900x500+0+0."},
    {"qwindowicon", "file", "Gives the window this icon instead of Trivane's."},
    {"style", "name", "Uses this widget style instead of Trivane's own."},
    {"platformpluginpath", "path", "Looks for Qt platform plugins in this folder."},
    {"platformtheme", "name", "Uses this Qt platform theme."},
    {"plugin", "name", "Loads this extra Qt plugin."},
    {"geometry", "geometry", "The same as -qwindowgeometry."},
    {"qwindowtitle", "title", "Gives the window this title."},
    {"title", "title", "The same as -qwindowtitle."},
    {"icon", "file", "The same as -qwindowicon."},
    {"name", "name", "Gives the window this X11 resource name."},
    {"session", "session", "Restores this session."},
    {"stylesheet", "file", "Applies this Qt style sheet."},
    {"visual", "TrueColor", "Uses this X11 visual."},
    {"qmljsdebugger", "port", "Starts Qt's QML debugger."},
    {"reverse", "", "Lays the window out right to left."},
    {"widgetcount", "", "Prints at exit how many widgets were made."},
    {"sync", "", "Runs X11 in synchronous mode."},
    {"nograb", "", "Never grabs the mouse or keyboard."},
    {"dograb", "", "Grabs the mouse and keyboard even in a debugger."},
    {"testability", "", "Loads Qt's testability plugin."},
};

constexpr const char *description =
    "Trivane converts three-phase phasors to and from their symmetrical components.\n"
    "Without a desktop session, run it under a virtual X server: xvfb-run trivane";

// The parser, with Qt's options listed by --help (the common ones) or by --help-all.
struct Parser {
    QCommandLineParser parser;
    QCommandLineOption help, help_all, version;

    explicit Parser(bool all_qt_options)
        : help(parser.addHelpOption())
        , help_all(QStringLiteral("help-all"))
        , version(parser.addVersionOption()) {
        // Qt's options are words after one dash: -platform, not -p -l -a ...
        parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
        parser.setApplicationDescription(QString::fromLatin1(description));
        for (std::size_t i = 0; i < std::size(qt_options); ++i) {
            const QtOption &qt = qt_options[i];
            QCommandLineOption option(QString::fromLatin1(qt.name),
                                      QString::fromLatin1(qt.description),
                                      QString::fromLatin1(qt.value));
            if (!all_qt_options && i >= qt_options_in_help)
                option.setFlags(QCommandLineOption::HiddenFromHelp);
            parser.addOption(option);
        }
    }

    // Qt names the program only once a QCoreApplication exists.
    QString help_text() const {
        return parser.helpText().replace(QStringLiteral("<executable_name>"),
                                         QStringLiteral("trivane"));
    }
};

// The argument as typed that an unknown option name came from.
QString as_typed(const QStringList &arguments, const QString &name) {
    for (const QString &argument : arguments.sliced(1)) {
        QString bare = argument;
        while (bare.startsWith(QLatin1Char('-')))
            bare.remove(0, 1);
        if (bare.section(QLatin1Char('='), 0, 0) == name)
            return argument;
    }
    return name;
}

int refuse(const QString &what) {
    std::fprintf(stderr, "trivane: %s; trivane --help lists the options\n", qPrintable(what));
    return 2;
}

// What the guard knows while the QApplication is being constructed; the message handler
// is a plain function, so this lives at file scope.
struct Guarded {
    bool active = false;
    QtMessageHandler previous = nullptr;
    int saved_stderr = -1; // the real standard error
    int held = -1;         // what was written to standard error meanwhile
    std::string platform;  // -platform or QT_QPA_PLATFORM, empty for Qt's own choice
    std::string x11, wayland;
};
Guarded guarded;

std::string held_text() {
    std::string text;
    if (guarded.held < 0 || lseek(guarded.held, 0, SEEK_SET) != 0)
        return text;
    char buffer[4096];
    ssize_t n = 0;
    while ((n = read(guarded.held, buffer, sizeof buffer)) > 0)
        text.append(buffer, static_cast<std::size_t>(n));
    return text;
}

void restore_stderr() {
    if (guarded.saved_stderr < 0)
        return;
    std::fflush(stderr);
    dup2(guarded.saved_stderr, STDERR_FILENO);
    close(guarded.saved_stderr);
    guarded.saved_stderr = -1;
}

// The one line for a platform other than X11 or Wayland, from Qt's own message.
std::string plugin_failure_line(const std::string &qt_message) {
    std::string line = "trivane: cannot start Qt's platform plugin \"" + guarded.platform + '"';
    const std::string available = "Available platform plugins are: ";
    const std::size_t at = qt_message.find(available);
    if (at != npos) {
        std::string names = qt_message.substr(at + available.size());
        line += " (available: " + names.substr(0, names.find_first_of(".\n")) + ")";
    }
    return line;
}

// The one line for a display that could not be opened, from what Qt and the X library
// wrote meanwhile.
std::string failure_line(const std::string &qt_message, const std::string &held) {
    // QT_QPA_PLATFORM may list several, as in "wayland;xcb".
    const bool tries_x11 = guarded.platform.empty() || guarded.platform.find("xcb") != npos;
    const bool tries_wayland = guarded.platform.empty() || guarded.platform.find("wayland") != npos;
    if (!tries_x11 && !tries_wayland)
        return plugin_failure_line(qt_message);
    const std::string x11 = tries_x11 ? guarded.x11 : std::string();
    const std::string wayland = tries_wayland ? guarded.wayland : std::string();
    if (x11.empty() && wayland.empty()) {
        const char *unset = tries_x11 && tries_wayland ? "DISPLAY and WAYLAND_DISPLAY are"
                            : tries_x11                ? "DISPLAY is"
                                                       : "WAYLAND_DISPLAY is";
        return std::string("trivane: no display to open (") + unset + " not set); " + what_to_do;
    }
    const bool refused = held.find("uthorization") != npos ||
                         held.find("MIT-MAGIC-COOKIE") != npos ||
                         held.find("No protocol specified") != npos;
    if (!x11.empty() && refused)
        return "trivane: the X display " + x11 + " refused the connection (not authorised); " +
               "start Trivane as that desktop's user, or under a virtual X server: " +
               "xvfb-run trivane";
    std::string names;
    if (!wayland.empty())
        names = "the Wayland display " + wayland;
    if (!wayland.empty() && held.find("plugin \"wayland\" in") != npos &&
        held.find("Could not find") != npos)
        names += " (Qt's Wayland plugin is not installed: qt6-wayland)";
    if (!x11.empty())
        names += (names.empty() ? "the X display " : " nor the X display ") + x11;
    return "trivane: cannot open " + names + "; " + what_to_do;
}

[[noreturn]] void fail(const std::string &qt_message) {
    const std::string line = failure_line(qt_message, held_text()) + '\n';
    restore_stderr();
    std::fputs(line.c_str(), stderr);
    std::fflush(stderr);
    // Qt is half-constructed: leave without running its destructors.
    std::_Exit(1);
}

// Puts standard error and Qt's message handler back, and passes on what was held.
void release_guard() {
    if (!guarded.active)
        return;
    guarded.active = false;
    qInstallMessageHandler(guarded.previous);
    const std::string held = held_text();
    restore_stderr();
    if (guarded.held >= 0)
        close(guarded.held);
    guarded.held = -1;
    std::fputs(held.c_str(), stderr);
}

void on_message(QtMsgType type, const QMessageLogContext &context, const QString &message) {
    const QtMessageHandler previous = guarded.previous;
    if (type == QtFatalMsg) {
        const std::string text = message.toStdString();
        // Qt's "no Qt platform plugin could be initialized", after each plugin it tried
        // has said why; any other fatal message goes out as Qt wrote it.
        if (text.find("platform plugin") != npos)
            fail(text);
        release_guard();
    }
    previous(type, context, message);
}

} // namespace

CommandLine read_command_line(int argc, char **argv) {
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments.append(QString::fromLocal8Bit(argv[i]));

    Parser read(false);
    QCommandLineParser &parser = read.parser;
    CommandLine options;
    if (!parser.parse(arguments)) {
        const QStringList unknown = parser.unknownOptionNames();
        options.exit_status = refuse(
            unknown.isEmpty()
                ? parser.errorText().section(QLatin1Char('.'), 0, 0).toLower()
                : QStringLiteral("unknown option %1").arg(as_typed(arguments, unknown.first())));
        return options;
    }
    if (parser.isSet(read.help) || parser.isSet(read.help_all)) {
        const QString text =
            parser.isSet(read.help_all) ? Parser(true).help_text() : read.help_text();
        std::fputs(qPrintable(text), stdout);
        options.exit_status = 0;
    } else if (parser.isSet(read.version)) {
        std::printf("%s %s\n", qPrintable(QCoreApplication::applicationName()),
                    qPrintable(QCoreApplication::applicationVersion()));
        options.exit_status = 0;
    } else if (!parser.positionalArguments().isEmpty()) {
        options.exit_status = refuse(
            QStringLiteral("unexpected argument %1").arg(parser.positionalArguments().first()));
    }
    const auto value = [&](const char *name) -> std::optional<std::string> {
        const QString option = QString::fromLatin1(name);
        if (!parser.isSet(option))
            return std::nullopt;
        return parser.value(option).toLocal8Bit().toStdString();
    };
    options.platform = value("platform");
    options.display = value("display");
    return options;
}

DisplayGuard::DisplayGuard(const CommandLine &options) {
    guarded = Guarded{};
    guarded.platform = options.platform.value_or(env("QT_QPA_PLATFORM"));
    guarded.x11 = options.display.value_or(env("DISPLAY"));
    guarded.wayland = env("WAYLAND_DISPLAY");
    // The X library writes some failures straight to standard error: hold it in memory.
    std::fflush(stderr);
    guarded.held = memfd_create("trivane-start-up", MFD_CLOEXEC);
    guarded.saved_stderr = guarded.held < 0 ? -1 : fcntl(STDERR_FILENO, F_DUPFD_CLOEXEC, 0);
    if (guarded.saved_stderr < 0 || dup2(guarded.held, STDERR_FILENO) < 0) {
        restore_stderr();
        if (guarded.held >= 0)
            close(guarded.held);
        guarded.held = -1;
    }
    guarded.active = true;
    guarded.previous = qInstallMessageHandler(on_message);
}

DisplayGuard::~DisplayGuard() {
    release_guard();
}

void DisplayGuard::release() {
    release_guard();
}

} // namespace start_up
