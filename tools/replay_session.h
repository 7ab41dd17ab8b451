#pragma once

#include <QString>

#include <functional>

class Form1;
class QWidget;
namespace toolkit {
class TextBox;
}

namespace tools {

// Runs the driver's commands, one line each, against a shown Form1. Answers go to out;
// a bad line stops the session with a message naming its number.
class ReplaySession {
public:
    using Writer = std::function<void(const QString &)>;

    ReplaySession(Form1 &form, Writer out)
        : form_(form)
        , out_(std::move(out)) {}

    // Runs one line; returns an empty text, or the problem with it (nothing was done).
    QString run_line(const QString &line);

private:
    // The entry field of that name (mag_a ... imag_2), or none.
    toolkit::TextBox *field_named(const QString &name) const;
    QString set(const QString &arguments);
    QString click(const QStringList &words);
    QString key(const QStringList &words);
    QString focus(const QStringList &words);
    QString clipboard(const QStringList &words);
    QString clipboard_set(const QString &text);
    QString grab(const QString &path);
    // The widget that tooltip and accessible name: a field, a frame, Option1 1-10 or plot.
    const QWidget *described_widget(const QStringList &words) const;
    QString export_diagrams(const QString &path);
    QString tooltip(const QStringList &words);
    QString accessible(const QStringList &words);
    QString export_results(const QString &path);
    QString resize(const QStringList &words);
    QString theme(const QStringList &words);
    QString menu(const QString &entry);
    QString report(const QString &path);

    Form1 &form_;
    Writer out_;
};

} // namespace tools
