#pragma once

#include <QString>
#include <QStringList>

#include <functional>
#include <optional>

class Form1;

namespace tools {

// The commands of the reading beside the form: quantity, subtract, transformer, reading,
// line-to-line and put-delta. Gives nothing for another command; otherwise what is wrong with
// the command as written, or an empty text. A refusal of the form's own (an empty slot, a
// group that does not parse, a triangle that does not close) shows in the next dump's notice.
std::optional<QString> run_reading_command(Form1 &form, const QString &command,
                                           const QStringList &words,
                                           const std::function<void(const QString &)> &out);

} // namespace tools
