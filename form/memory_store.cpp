#include "form/memory_store.h"

#include "toolkit/number_text.h"
#include "toolkit/save_file.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLockFile>

#include <algorithm>
#include <cmath>
#include <utility>

namespace form {

namespace {

constexpr int format_version = 1;
constexpr std::size_t ring_size = 10;
// Beyond 2^53 a JSON number no longer holds every integer.
constexpr double largest_order = 9007199254740992.0;

const QString version_key = QStringLiteral("version");
const QString cases_key = QStringLiteral("cases");
const QString order_key = QStringLiteral("order");
const QString group_key = QStringLiteral("group");
const QString texts_key = QStringLiteral("texts");

bool kept_text(const QString &text) {
    if (text.size() > longest_kept_text)
        return false;
    const auto number = toolkit::parse_number(text);
    return number && std::isfinite(number->single);
}

// A case the window could have saved, or nothing.
std::optional<StoredCase> read_case(const QJsonValue &value) {
    const QJsonObject object = value.toObject();
    const QJsonValue order = object.value(order_key);
    const QJsonValue group = object.value(group_key);
    const QJsonArray texts = object.value(texts_key).toArray();
    if (!order.isDouble() || !group.isDouble() || texts.size() != 6)
        return std::nullopt;
    const double o = order.toDouble();
    const double g = group.toDouble();
    if (o != std::floor(o) || o < 0 || o > largest_order || (g != 0 && g != 1 && g != 2 && g != 3))
        return std::nullopt;
    StoredCase read;
    read.order = static_cast<std::int64_t>(o);
    read.saved.group = static_cast<int>(g);
    for (qsizetype i = 0; i < texts.size(); ++i) {
        if (!texts[i].isString() || !kept_text(texts[i].toString()))
            return std::nullopt;
        read.saved.texts[static_cast<std::size_t>(i)] = texts[i].toString();
    }
    return read;
}

// Oldest first, the newest ten.
void keep_newest(std::vector<StoredCase> &cases) {
    std::stable_sort(cases.begin(), cases.end(),
                     [](const StoredCase &a, const StoredCase &b) { return a.order < b.order; });
    if (cases.size() > ring_size)
        cases.erase(cases.begin(), cases.end() - ring_size);
}

// A name beside path that no file has yet: path.damaged-20260309-142501, then -2, -3, ...
QString aside_name(const QString &path, int attempt) {
    QString name = path + QStringLiteral(".damaged-") +
                   QDateTime::currentDateTimeUtc().toString(QStringLiteral("yyyyMMdd-HHmmss"));
    if (attempt > 1)
        name += QLatin1Char('-') + QString::number(attempt);
    return name;
}

} // namespace

StoredCases read_cases(const QByteArray &data) {
    StoredCases read;
    QJsonParseError error{};
    const QJsonDocument document = QJsonDocument::fromJson(data, &error);
    if (error.error != QJsonParseError::NoError) {
        read.problem = QStringLiteral("not JSON: %1 at byte %2")
                           .arg(error.errorString(), QString::number(error.offset));
        return read;
    }
    const QJsonObject root = document.object();
    const QJsonValue version = root.value(version_key);
    if (!document.isObject() || !root.value(cases_key).isArray()) {
        read.problem = QStringLiteral("no list of cases");
        return read;
    }
    if (version != QJsonValue(format_version)) {
        read.problem = QStringLiteral("an unknown version");
        return read;
    }
    const QJsonArray cases = root.value(cases_key).toArray();
    int bad = 0;
    for (const QJsonValue &value : cases) {
        if (auto kept = read_case(value))
            read.cases.push_back(std::move(*kept));
        else
            ++bad;
    }
    if (bad > 0) {
        read.problem = bad == 1 ? QStringLiteral("a case that is not valid")
                                : QStringLiteral("%1 cases that are not valid").arg(bad);
    }
    keep_newest(read.cases);
    return read;
}

QByteArray write_cases(const std::vector<StoredCase> &cases) {
    QJsonArray list;
    for (const StoredCase &c : cases) {
        QJsonArray texts;
        for (const QString &text : c.saved.texts)
            texts.append(text);
        list.append(QJsonObject{{order_key, static_cast<double>(c.order)},
                                {group_key, c.saved.group},
                                {texts_key, texts}});
    }
    return QJsonDocument(QJsonObject{{version_key, format_version}, {cases_key, list}}).toJson();
}

MemoryStore::MemoryStore(QString folder)
    : folder_(std::move(folder)) {}

QString MemoryStore::default_folder() {
    // The freedesktop place for history, which QStandardPaths names only from Qt 6.7 on.
    QString state = qEnvironmentVariable("XDG_STATE_HOME");
    if (!QDir::isAbsolutePath(state))
        state = QDir::homePath() + QStringLiteral("/.local/state");
    return state + QStringLiteral("/trivane");
}

QString MemoryStore::path() const {
    return folder_ + QStringLiteral("/cases.json");
}

StoredCases MemoryStore::read_file() const {
    QFile file(path());
    if (!file.exists())
        return {};
    // A file far larger than ten cases can be is never read into memory.
    if (file.size() > largest_file)
        return StoredCases{{}, QStringLiteral("larger than 1 MB"), {}};
    if (!file.open(QIODevice::ReadOnly))
        return StoredCases{{}, QStringLiteral("unreadable: %1").arg(file.errorString()), {}};
    return read_cases(file.readAll());
}

StoredCases MemoryStore::read_and_keep_damage_aside() {
    const QString file_path = path();
    StoredCases read = read_file();
    if (read.problem.isEmpty())
        return read;
    // rename() never replaces a file that exists.
    for (int attempt = 1; attempt <= 100 && read.kept_aside.isEmpty(); ++attempt) {
        const QString aside = aside_name(file_path, attempt);
        if (QFile::rename(file_path, aside))
            read.kept_aside = aside;
        else if (!QFileInfo::exists(aside))
            break;
    }
    return read;
}

template <typename Change> QString MemoryStore::update(Change change) {
    if (!QDir().mkpath(folder_))
        return QStringLiteral("Could not make the folder %1")
            .arg(QDir::toNativeSeparators(folder_));
    QLockFile lock(path() + QStringLiteral(".lock"));
    if (!lock.tryLock(5000)) {
        return QStringLiteral("Could not lock %1%2")
            .arg(QDir::toNativeSeparators(path()), lock.error() == QLockFile::LockFailedError
                                                       ? QStringLiteral(": another window holds it")
                                                       : QString());
    }
    StoredCases current = read_and_keep_damage_aside();
    if (!current.problem.isEmpty() && current.kept_aside.isEmpty())
        return QStringLiteral("Could not move the damaged %1 aside")
            .arg(QDir::toNativeSeparators(path()));
    change(current.cases);
    return toolkit::save_file(path(), write_cases(current.cases));
}

StoredCases MemoryStore::load() {
    if (!QFileInfo::exists(path()))
        return {};
    QLockFile lock(path() + QStringLiteral(".lock"));
    const bool locked = lock.tryLock(5000);
    // A folder that cannot be written (no lock): read what is there and leave it as it is.
    StoredCases read = locked ? read_and_keep_damage_aside() : read_file();
    // The good cases of a damaged file stay kept for the next start.
    if (!read.kept_aside.isEmpty() && !read.cases.empty())
        (void)toolkit::save_file(path(), write_cases(read.cases));
    return read;
}

QString MemoryStore::save(const SavedCase &saved) {
    return update([&](std::vector<StoredCase> &cases) {
        std::int64_t newest = 0;
        for (const StoredCase &c : cases)
            newest = std::max(newest, c.order);
        cases.push_back(StoredCase{newest + 1, saved});
        keep_newest(cases);
    });
}

QString MemoryStore::forget() {
    return update([](std::vector<StoredCase> &cases) { cases.clear(); });
}

} // namespace form
