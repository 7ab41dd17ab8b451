#pragma once

#include <QByteArray>
#include <QString>

namespace toolkit {

// Writes data to path as one whole: through a temporary file that replaces the old one only
// once everything is written, so a failure leaves the previous file byte for byte and no
// partial one. A write that fails or only partly fits, and a flush that fails, each count:
// QSaveFile::commit() alone renames even when its own last flush failed. Gives an empty
// text, or a sentence for the user that names the file and the reason in plain words, in the
// desktop's language.
QString save_file(const QString &path, const QByteArray &data);
// The same, with the sentence in English: for what standard error says as well.
QString save_file_in_english(const QString &path, const QByteArray &data);

// Why a write failed, in plain words: from the C library's error number where it names a
// cause the user can act on, else Qt's own text. Our own causes are in English, for
// standard error; QCoreApplication::translate("SaveFile", cause) gives the window's words.
QString write_failure_cause(int error_number, const QString &qt_text);

} // namespace toolkit
