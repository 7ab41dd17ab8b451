#pragma once

#include <QByteArray>
#include <QString>

namespace toolkit {

// Writes data to path as one whole: through a temporary file that replaces the old one only
// once everything is written, so a failure leaves the previous file as it was and no partial
// one. Gives an empty text, or a sentence for the user that names the file and the reason.
QString save_file(const QString &path, const QByteArray &data);

} // namespace toolkit
