#include "toolkit/save_file.h"

#include <QCoreApplication>
#include <QDir>
#include <QSaveFile>

#include <cerrno>

namespace toolkit {

QString write_failure_cause(int error_number, const QString &qt_text) {
    switch (error_number) {
    case ENOSPC:
    case EDQUOT:
        return QString::fromUtf8(QT_TRANSLATE_NOOP("SaveFile", "the disk is full"));
    case EFBIG:
        return QString::fromUtf8(QT_TRANSLATE_NOOP("SaveFile", "the file would be too large"));
    case EACCES:
    case EPERM:
    case EROFS:
        return QString::fromUtf8(QT_TRANSLATE_NOOP("SaveFile", "the folder cannot be written"));
    default:
        break;
    }
    // After a short write Qt may have nothing better than "Unknown error".
    if (qt_text.isEmpty() || qt_text == QLatin1String("Unknown error"))
        return QString::fromUtf8(
            QT_TRANSLATE_NOOP("SaveFile", "the file could not be written whole"));
    return qt_text;
}

namespace {

QString save(const QString &path, const QByteArray &data, bool english) {
    QSaveFile file(path);
    int error_number = 0;
    // Each step in turn; the error number is taken at once, before anything else sets it.
    const auto step = [&error_number](auto &&run) {
        errno = 0;
        const bool done = run();
        error_number = errno;
        return done;
    };
    const bool saved = step([&] { return file.open(QIODevice::WriteOnly); }) &&
                       step([&] { return file.write(data) == data.size(); }) &&
                       step([&] { return file.flush(); }) && file.error() == QFileDevice::NoError &&
                       step([&] { return file.commit(); });
    if (saved)
        return {};
    const QString english_cause = write_failure_cause(error_number, file.errorString());
    file.cancelWriting();
    const QString where = QDir::toNativeSeparators(path);
    if (english)
        return QStringLiteral("Could not write %1: %2").arg(where, english_cause);
    // Qt's own text has no entry here and stays as Qt wrote it.
    const QString cause =
        QCoreApplication::translate("SaveFile", english_cause.toUtf8().constData());
    //: %1 is the file's path, %2 why it failed, as in "the disk is full".
    return QCoreApplication::translate("SaveFile", "Could not write %1: %2").arg(where, cause);
}

} // namespace

QString save_file(const QString &path, const QByteArray &data) {
    return save(path, data, false);
}

QString save_file_in_english(const QString &path, const QByteArray &data) {
    return save(path, data, true);
}

} // namespace toolkit
