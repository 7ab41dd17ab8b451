#include "tools/replay_session.h"

#include "form/form1.h"
#include "form/form1_report.h"
#include "form/form1_results.h"
#include "toolkit/save_file.h"
#include "form/diagram_outputs.h"
#include "form/form_actions.h"
#include "tools/replay_json.h"
#include "tools/replay_reading.h"
#include "toolkit/palette.h"

#include <QAccessible>
#include <QApplication>
#include <QGroupBox>
#include <QJsonDocument>
#include <QJsonObject>
#include <QClipboard>
#include <QKeySequence>
#include <QLocale>
#include <QLineEdit>
#include <QMenu>
#include <QPixmap>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include <memory>
#include <utility>

namespace tools {

namespace {

// Lets posted events (repaints, focus changes) settle, as a running event loop would.
void settle() {
    QApplication::processEvents();
}

bool parse_index(const QString &word, int low, int high, int &index) {
    bool ok = false;
    index = word.toInt(&ok);
    return ok && index >= low && index <= high && word == QString::number(index);
}

} // namespace

QString ReplaySession::run_line(const QString &line) {
    const QString command = line.section(QLatin1Char(' '), 0, 0);
    const QString rest = line.indexOf(QLatin1Char(' ')) < 0
                             ? QString()
                             : line.mid(line.indexOf(QLatin1Char(' ')) + 1);
    const QStringList words = rest.split(QLatin1Char(' '), Qt::SkipEmptyParts);
    if (command == QLatin1String("set"))
        return set(rest);
    if (command == QLatin1String("click"))
        return click(words);
    if (command == QLatin1String("key"))
        return key(words);
    if (command == QLatin1String("focus"))
        return focus(words);
    if (command == QLatin1String("clipboard"))
        return clipboard(words);
    if (command == QLatin1String("clipboard-set"))
        return clipboard_set(rest);
    if (command == QLatin1String("dump") || command == QLatin1String("ops")) {
        if (!words.isEmpty())
            return command + QStringLiteral(" takes no argument");
        // A dump tells what was kept, and the notice of a save that failed.
        if (command == QLatin1String("dump"))
            form_.case_memory().wait_for_pending();
        settle();
        out_(command == QLatin1String("dump") ? dump_json(form_) : ops_json(form_));
        return {};
    }
    if (command == QLatin1String("grab"))
        return grab(rest);
    if (command == QLatin1String("export"))
        return export_diagrams(rest);
    if (command == QLatin1String("tooltip"))
        return tooltip(words);
    if (command == QLatin1String("accessible"))
        return accessible(words);
    if (command == QLatin1String("export-results"))
        return export_results(rest);
    if (command == QLatin1String("resize"))
        return resize(words);
    if (command == QLatin1String("theme"))
        return theme(words);
    if (command == QLatin1String("menu"))
        return menu(rest);
    if (command == QLatin1String("report"))
        return report(rest);
    if (auto done = run_reading_command(form_, command, words, out_))
        return *done;
    if (command.isEmpty())
        return QStringLiteral("empty line");
    return QStringLiteral("unknown command '%1'").arg(command);
}

toolkit::TextBox *ReplaySession::field_named(const QString &name) const {
    for (toolkit::TextBox *field : form_.all_fields()) {
        if (field->widget()->objectName() == name)
            return field;
    }
    return nullptr;
}

QString ReplaySession::set(const QString &arguments) {
    const qsizetype space = arguments.indexOf(QLatin1Char(' '));
    const QString name = space < 0 ? arguments : arguments.left(space);
    const QString text = space < 0 ? QString() : arguments.mid(space + 1);
    // As typing does: one typing command of the form's history, which the model takes.
    if (toolkit::TextBox *field = field_named(name)) {
        field->setText(text);
        return {};
    }
    return name.isEmpty() ? QStringLiteral("set needs a field name")
                          : QStringLiteral("no field named '%1'").arg(name);
}

QString ReplaySession::click(const QStringList &words) {
    QWidget *target = nullptr;
    int index = 0;
    if (words.size() == 1 && words[0] == QLatin1String("CLEAR")) {
        target = form_.CLEAR;
    } else if (words.size() == 2 && words[0] == QLatin1String("Convert") &&
               parse_index(words[1], 0, 3, index)) {
        target = form_.Convert[static_cast<std::size_t>(index)];
    } else if (words.size() == 2 && words[0] == QLatin1String("Option1") &&
               parse_index(words[1], 1, 10, index)) {
        target = form_.Option1[static_cast<std::size_t>(index)].widget();
    } else {
        return QStringLiteral("click takes CLEAR, Convert 0-3 or Option1 1-10");
    }
    // A real press and release at the control's centre: a disabled control ignores it.
    QTest::mouseClick(target, Qt::LeftButton, Qt::NoModifier, target->rect().center());
    settle();
    return {};
}

QString ReplaySession::key(const QStringList &words) {
    static const QList<std::pair<QString, Qt::Key>> keys{
        {QStringLiteral("Tab"), Qt::Key_Tab},
        {QStringLiteral("Backtab"), Qt::Key_Backtab},
        {QStringLiteral("Space"), Qt::Key_Space},
        {QStringLiteral("Return"), Qt::Key_Return},
    };
    if (words.size() != 1)
        return QStringLiteral("key takes one key or key sequence: Tab, Return, Ctrl+V, ...");
    QWidget *focus = QApplication::focusWidget();
    QWidget *target = focus != nullptr ? focus : &form_;
    for (const auto &[name, code] : keys) {
        if (words[0] != name)
            continue;
        QTest::keyClick(target, code, code == Qt::Key_Backtab ? Qt::ShiftModifier : Qt::NoModifier);
        settle();
        return {};
    }
    // Any other key in Qt's text form, as real key events, so that shortcuts fire too.
    const QKeySequence sequence = QKeySequence::fromString(words[0], QKeySequence::PortableText);
    for (int i = 0; i < sequence.count(); ++i) {
        if (sequence[i].key() == Qt::Key_unknown)
            return QStringLiteral("unknown key '%1'").arg(words[0]);
    }
    if (sequence.isEmpty())
        return QStringLiteral("unknown key '%1'").arg(words[0]);
    QTest::keySequence(target, sequence);
    settle();
    return {};
}

// A real click into the field, which gives it the focus as a user's click does.
QString ReplaySession::focus(const QStringList &words) {
    if (words.size() != 1)
        return QStringLiteral("focus takes a field name");
    toolkit::TextBox *field = field_named(words[0]);
    if (field == nullptr)
        return QStringLiteral("no field named '%1'").arg(words[0]);
    QLineEdit *edit = field->widget();
    QTest::mouseClick(edit, Qt::LeftButton, Qt::NoModifier, edit->rect().center());
    settle();
    return {};
}

QString ReplaySession::clipboard(const QStringList &words) {
    if (!words.isEmpty())
        return QStringLiteral("clipboard takes no argument");
    settle();
    out_(clipboard_json());
    return {};
}

// \t, \n and \\ stand for a tab, a line break and a backslash; everything else is verbatim.
QString ReplaySession::clipboard_set(const QString &text) {
    QString unescaped;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar next = i + 1 < text.size() ? text[i + 1] : QChar();
        if (text[i] == u'\\' && (next == u't' || next == u'n' || next == u'\\')) {
            unescaped += next == u't' ? QChar(u'\t') : next == u'n' ? QChar(u'\n') : next;
            ++i;
        } else {
            unescaped += text[i];
        }
    }
    QApplication::clipboard()->setText(unescaped);
    settle();
    return {};
}

QString ReplaySession::grab(const QString &path) {
    if (path.isEmpty())
        return QStringLiteral("grab needs a file name");
    settle();
    if (!form_.grab().save(path, "PNG"))
        return QStringLiteral("cannot write '%1'").arg(path);
    return {};
}

// As Save Diagrams As does with the chosen name: a problem writing it is a notice.
QString ReplaySession::export_diagrams(const QString &path) {
    if (!toolkit::figure_format(path))
        return QStringLiteral("export takes a file name ending in .png, .svg or .pdf");
    settle();
    if (!form_.diagrams().has_drawing())
        return QStringLiteral("export: nothing is drawn");
    form_.diagrams().save(path);
    settle();
    return {};
}

// A field, a frame, a memory button or the plot area, by the names the window gives them.
const QWidget *ReplaySession::described_widget(const QStringList &words) const {
    const QWidget *target = nullptr;
    int index = 0;
    if (words.size() == 1 && words[0] == QLatin1String("plot")) {
        target = form_.findChild<QWidget *>(QStringLiteral("plot"));
    } else if (words.size() == 2 && words[0] == QLatin1String("Option1") &&
               parse_index(words[1], 1, 10, index)) {
        target = form_.Option1[static_cast<std::size_t>(index)].widget();
    } else if (words.size() == 1) {
        const auto *widget = form_.findChild<QWidget *>(words[0]);
        if (qobject_cast<const QLineEdit *>(widget) != nullptr ||
            qobject_cast<const QGroupBox *>(widget) != nullptr)
            target = widget;
    }
    return target;
}

QString ReplaySession::tooltip(const QStringList &words) {
    const QWidget *target = described_widget(words);
    if (target == nullptr)
        return QStringLiteral("tooltip takes a field, a frame, Option1 1-10 or plot");
    settle();
    out_(
        QString::fromUtf8(QJsonDocument(QJsonObject{{QStringLiteral("tooltip"), target->toolTip()}})
                              .toJson(QJsonDocument::Compact)));
    return {};
}

// What a screen reader gets: the name and description of the widget's accessible interface.
QString ReplaySession::accessible(const QStringList &words) {
    const QWidget *target = described_widget(words);
    if (target == nullptr)
        return QStringLiteral("accessible takes a field, a frame, Option1 1-10 or plot");
    settle();
    QAccessibleInterface *iface =
        QAccessible::queryAccessibleInterface(const_cast<QWidget *>(target));
    const auto text = [&](QAccessible::Text kind) {
        return iface == nullptr ? QString() : iface->text(kind);
    };
    out_(QString::fromUtf8(
        QJsonDocument(QJsonObject{{QStringLiteral("name"), text(QAccessible::Name)},
                                  {QStringLiteral("description"), text(QAccessible::Description)}})
            .toJson(QJsonDocument::Compact)));
    return {};
}

// The results table into a file, as Save Results As writes it; a failure shows in the
// next dump's notice.
QString ReplaySession::export_results(const QString &path) {
    if (path.isEmpty())
        return QStringLiteral("export-results needs a file name");
    form::save_results(form_, path);
    settle();
    return {};
}

// The report of the case as Save Report As writes it, with no note; a failure shows in the
// next dump's notice.
QString ReplaySession::report(const QString &path) {
    if (path.isEmpty())
        return QStringLiteral("report needs a file name");
    const QString problem = toolkit::save_file(
        path, form::report_pdf(form::report_of(form_, {}), form::paper_locale()));
    if (!problem.isEmpty())
        form_.notify(problem);
    settle();
    return {};
}

// A resize as a window manager makes one; the window keeps its minimum size.
QString ReplaySession::resize(const QStringList &words) {
    int width = 0;
    int height = 0;
    if (words.size() != 2 || !parse_index(words[0], 1, 100000, width) ||
        !parse_index(words[1], 1, 100000, height))
        return QStringLiteral("resize takes a width and a height in pixels");
    form_.resize(width, height);
    settle();
    return {};
}

// A change of the desktop's theme: the application palette, as the platform sets it.
QString ReplaySession::theme(const QStringList &words) {
    if (words.size() == 1 && words[0] == QLatin1String("dark"))
        QApplication::setPalette(toolkit::dark_palette());
    else if (words.size() == 1 && words[0] == QLatin1String("light"))
        QApplication::setPalette(toolkit::light_palette());
    else
        return QStringLiteral("theme takes dark or light");
    settle();
    return {};
}

// The window's context menu entry of that name, as a click on it: the name is the entry's
// before any translation or prefix ("Undo" while it reads "Undo Recall"), its objectName. A
// disabled entry ignores it, and a question it asks is answered Yes.
QString ReplaySession::menu(const QString &entry) {
    if (entry.isEmpty())
        return QStringLiteral("menu needs the name of an entry");
    const std::unique_ptr<QMenu> menu(form_.actions().context_menu());
    for (QAction *action : menu->actions()) {
        if (action->isSeparator() || action->objectName() != entry)
            continue;
        const auto asked = std::exchange(form_.ask, [](const QString &) { return true; });
        action->trigger();
        form_.ask = asked;
        settle();
        return {};
    }
    return QStringLiteral("no menu entry named '%1'").arg(entry);
}

} // namespace tools
