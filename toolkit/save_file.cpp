#include "toolkit/save_file.h"

#include <QDir>
#include <QSaveFile>

namespace toolkit {

QString save_file(const QString &path, const QByteArray &data) {
    QSaveFile file(path);
    if (file.open(QIODevice::WriteOnly) && file.write(data) == data.size() && file.commit())
        return {};
    file.cancelWriting();
    return QStringLiteral("Could not write %1: %2")
        .arg(QDir::toNativeSeparators(path), file.errorString());
}

} // namespace toolkit
