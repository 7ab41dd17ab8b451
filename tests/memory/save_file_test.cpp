// A write that does not fit leaves the old file byte for byte, and says why in plain words.
#include "file_size_limit.h"
#include "toolkit/save_file.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

QByteArray contents(const QString &path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(unreadable)");
}

struct TooLarge {
    const char *what;
    rlim_t limit;
    qsizetype size;
};

// Nothing fits; the start fits (a short write, with no error from Qt); a write larger than
// Qt's buffer, which goes to the file at once.
TEST(SaveFile, a_write_past_the_file_size_limit_leaves_the_old_file) {
    const TooLarge rows[] = {
        {"nothing fits", 0, 800},
        {"the first 100 bytes fit", 100, 800},
        {"past the buffer", 20000, 100000},
    };
    for (const TooLarge &row : rows) {
        SCOPED_TRACE(row.what);
        const QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("cases.json"));
        const QByteArray old = "the kept cases, as they were\n";
        ASSERT_EQ(toolkit::save_file(path, old), QString());
        QString problem;
        {
            const memory_test::FileSizeLimit limit(row.limit);
            problem = toolkit::save_file(path, QByteArray(row.size, 'x'));
        }
        EXPECT_TRUE(problem.endsWith(QLatin1String(": the file would be too large")))
            << problem.toStdString();
        EXPECT_TRUE(problem.contains(QDir::toNativeSeparators(path)));
        EXPECT_EQ(contents(path), old);
        EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden),
                  QStringList{QStringLiteral("cases.json")});
    }
}

} // namespace
