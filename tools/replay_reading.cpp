#include "tools/replay_reading.h"

#include "form/form1.h"
#include "form/line_to_line_dialog.h"
#include "form/reading_room.h"
#include "toolkit/number_text.h"

#include <QApplication>
#include <QJsonDocument>

namespace tools {

namespace {

// A refusal of the form's own: the next dump's notice.
QString refused(Form1 &form, const QString &problem) {
    if (!problem.isEmpty())
        form.notify(problem);
    QApplication::processEvents();
    return {};
}

} // namespace

std::optional<QString> run_reading_command(Form1 &form, const QString &command,
                                           const QStringList &words,
                                           const std::function<void(const QString &)> &out) {
    form::ReadingRoom *room = form.findChild<form::ReadingRoom *>();
    if (command == QLatin1String("quantity")) {
        const auto quantity =
            words.size() == 1 && words[0] != QLatin1String("")
                ? form::quantity_of_key(words[0] == QLatin1String("unsaid") ? QString() : words[0])
                : std::nullopt;
        if (!quantity)
            return QStringLiteral("quantity takes voltages, currents or unsaid");
        room->choose_quantity(*quantity);
        return refused(form, {});
    }
    if (command == QLatin1String("subtract")) {
        bool ok = false;
        const int slot = words.size() == 1 ? words[0].toInt(&ok) : 0;
        if (words.size() == 1 && words[0] == QLatin1String("none"))
            return refused(form, room->subtract(0));
        if (!ok || slot < 1 || slot > 10 || words[0] != QString::number(slot))
            return QStringLiteral("subtract takes a slot 1-10 or none");
        return refused(form, room->subtract(slot));
    }
    if (command == QLatin1String("transformer")) {
        if (words.size() != 1)
            return QStringLiteral("transformer takes a vector group or none");
        return refused(form, room->transformer(words[0]));
    }
    if (command == QLatin1String("reading")) {
        if (!words.isEmpty())
            return QStringLiteral("reading takes no argument");
        QApplication::processEvents();
        out(QString::fromUtf8(
            QJsonDocument(form::reading_json(room->reading())).toJson(QJsonDocument::Compact)));
        return QString();
    }
    if (command == QLatin1String("line-to-line")) {
        if (words.size() != 6 && words.size() != 3)
            return QStringLiteral("line-to-line takes M1 A1 M2 A2 M3 A3 or M1 M2 M3");
        // Written side by side; the entry holds the magnitudes first.
        std::array<QString, 6> texts;
        const bool magnitudes_only = words.size() == 3;
        for (std::size_t i = 0; i < 3; ++i) {
            const auto side = static_cast<qsizetype>(i);
            texts[i] = magnitudes_only ? words[side] : words[2 * side];
            texts[i + 3] = magnitudes_only ? QString() : words[2 * side + 1];
        }
        QString problem;
        const auto entry = form::line_entry(texts, magnitudes_only, u".", &problem, true);
        if (!entry)
            return QStringLiteral("line-to-line: %1").arg(problem);
        const form::LineOutcome outcome = form::line_to_line(*entry, toolkit::decimal_separator());
        if (!outcome.problem.isEmpty())
            return refused(form, outcome.problem);
        room->enter_line_to_line(outcome.texts);
        return refused(form, {});
    }
    if (command == QLatin1String("put-delta")) {
        if (!words.isEmpty())
            return QStringLiteral("put-delta takes no argument");
        return refused(form, room->put_delta());
    }
    return std::nullopt;
}

} // namespace tools
