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
#include <cerrno>
#include <cmath>
#include <utility>

namespace form {

namespace {

constexpr int format_version = 1;
constexpr std::size_t ring_size = 10;
// Beyond 2^53 a JSON number no longer holds every integer.
constexpr double largest_order = 9007199254740992.0;
// A save waits this long for another window to finish with the file.
constexpr int lock_wait_ms = 10000;

const QString version_key = QStringLiteral("version");
const QString cases_key = QStringLiteral("cases");
const QString order_key = QStringLiteral("order");
const QString group_key = QStringLiteral("group");
const QString texts_key = QStringLiteral("texts");
// Absent for a case whose quantity is not said; readers that know no quantity ignore it.
const QString quantity_key_name = QStringLiteral("quantity");

// A number under either decimal separator: the window that kept it may have had other
// number settings.
bool kept_text(const QString &text) {
    for (const QStringView separator : {QStringView(u"."), QStringView(u",")}) {
        const auto number = toolkit::parse_number(text, separator);
        if (number && std::isfinite(number->single))
            return true;
    }
    return false;
}

// A whole number within what a JSON number holds exactly.
bool whole(double value) {
    return value == std::floor(value) && std::abs(value) <= largest_order;
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
    if (!whole(o) || o < 0 || (g != 0 && g != 1 && g != 2 && g != 3))
        return std::nullopt;
    StoredCase read;
    read.order = static_cast<std::int64_t>(o);
    read.saved.group = static_cast<int>(g);
    for (qsizetype i = 0; i < texts.size(); ++i) {
        if (!texts[i].isString() || !kept_text(texts[i].toString()))
            return std::nullopt;
        read.saved.texts[static_cast<std::size_t>(i)] = texts[i].toString();
    }
    if (too_long_to_keep(read.saved))
        return std::nullopt;
    // A quantity this program does not know leaves the case's quantity not said.
    read.saved.quantity =
        quantity_of_key(object.value(quantity_key_name).toString()).value_or(Quantity::unsaid);
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
    const auto damaged = [&read](QString problem) {
        read.trust = FileTrust::damaged;
        read.problem = std::move(problem);
        return read;
    };
    QJsonParseError error{};
    const QJsonDocument document = QJsonDocument::fromJson(data, &error);
    if (error.error != QJsonParseError::NoError) {
        return damaged(QStringLiteral("not JSON: %1 at byte %2")
                           .arg(error.errorString(), QString::number(error.offset)));
    }
    const QJsonObject root = document.object();
    const QJsonValue version = root.value(version_key);
    // A later version may keep its cases in another shape: only its number is read.
    if (document.isObject() && version.isDouble() && whole(version.toDouble()) &&
        version.toDouble() > format_version) {
        read.trust = FileTrust::newer;
        read.problem = QStringLiteral("written by a newer version");
        return read;
    }
    if (!document.isObject() || !root.value(cases_key).isArray())
        return damaged(QStringLiteral("no list of cases"));
    if (!version.isDouble() || version.toDouble() != format_version)
        return damaged(QStringLiteral("an unknown version"));
    const QJsonArray cases = root.value(cases_key).toArray();
    int bad = 0;
    for (const QJsonValue &value : cases) {
        if (auto kept = read_case(value))
            read.cases.push_back(std::move(*kept));
        else
            ++bad;
    }
    keep_newest(read.cases);
    if (bad > 0) {
        return damaged(bad == 1 ? QStringLiteral("a case that is not valid")
                                : QStringLiteral("%1 cases that are not valid").arg(bad));
    }
    return read;
}

QByteArray write_cases(const std::vector<StoredCase> &cases) {
    QJsonArray list;
    for (const StoredCase &c : cases) {
        QJsonArray texts;
        for (const QString &text : c.saved.texts)
            texts.append(text);
        QJsonObject saved{{order_key, static_cast<double>(c.order)},
                          {group_key, c.saved.group},
                          {texts_key, texts}};
        if (c.saved.quantity != Quantity::unsaid)
            saved.insert(quantity_key_name, quantity_key(c.saved.quantity));
        list.append(saved);
    }
    return QJsonDocument(QJsonObject{{version_key, format_version}, {cases_key, list}}).toJson();
}

bool too_long_to_keep(const SavedCase &saved) {
    return std::any_of(saved.texts.begin(), saved.texts.end(),
                       [](const QString &text) { return text.size() > longest_kept_text; });
}

MemoryStore::MemoryStore(QString folder, Writer write)
    : folder_(std::move(folder))
    , write_(write ? std::move(write) : Writer(toolkit::save_file_in_english)) {}

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

void MemoryStore::set_writer(Writer write) {
    write_ = write ? std::move(write) : Writer(toolkit::save_file_in_english);
}

StoredCases MemoryStore::read() const {
    QFile file(path());
    if (!file.exists())
        return {};
    // A file far larger than ten cases can be is never read into memory.
    if (file.size() > largest_file)
        return StoredCases{{}, FileTrust::damaged, QStringLiteral("larger than 1 MB")};
    if (!file.open(QIODevice::ReadOnly)) {
        return StoredCases{
            {}, FileTrust::unreadable, QStringLiteral("unreadable: %1").arg(file.errorString())};
    }
    return read_cases(file.readAll());
}

template <typename Change> StoreOutcome MemoryStore::update(Change change) {
    StoreOutcome outcome;
    const QString file = QDir::toNativeSeparators(path());
    if (!QDir().mkpath(folder_)) {
        outcome.failure =
            QStringLiteral("Could not make the folder %1").arg(QDir::toNativeSeparators(folder_));
        return outcome;
    }
    QLockFile lock(path() + QStringLiteral(".lock"));
    errno = 0;
    if (!lock.tryLock(lock_wait_ms)) {
        // A lock file that cannot be made: a full disk, or a folder that cannot be written.
        const QString cause = lock.error() == QLockFile::LockFailedError
                                  ? QStringLiteral("another window holds it")
                                  : toolkit::write_failure_cause(errno, QString());
        outcome.failure = QStringLiteral("Could not lock %1: %2").arg(file, cause);
        return outcome;
    }
    StoredCases current = read();
    switch (current.trust) {
    case FileTrust::good:
        break;
    case FileTrust::newer:
        outcome.newer = true;
        return outcome;
    case FileTrust::unreadable:
        outcome.failure = QStringLiteral("Could not read %1 (%2)").arg(file, current.problem);
        return outcome;
    case FileTrust::damaged:
        outcome.damage = current.problem;
        // rename() never replaces a file that exists.
        for (int attempt = 1; attempt <= 100 && outcome.kept_aside.isEmpty(); ++attempt) {
            const QString aside = aside_name(path(), attempt);
            if (QFile::rename(path(), aside))
                outcome.kept_aside = aside;
            else if (!QFileInfo::exists(aside))
                break;
        }
        if (outcome.kept_aside.isEmpty()) {
            outcome.failure = QStringLiteral("Could not move the damaged %1 aside").arg(file);
            return outcome;
        }
        break;
    }
    if (change(current.cases, current.trust == FileTrust::damaged))
        outcome.failure = write_(path(), write_cases(current.cases));
    return outcome;
}

StoreOutcome MemoryStore::set_damage_aside() {
    // The good cases of a damaged file stay kept for the next start.
    return update([](const std::vector<StoredCase> &cases, bool damaged) {
        return damaged && !cases.empty();
    });
}

StoreOutcome MemoryStore::save(const SavedCase &saved) {
    return update([&](std::vector<StoredCase> &cases, bool) {
        std::int64_t newest = 0;
        for (const StoredCase &c : cases)
            newest = std::max(newest, c.order);
        cases.push_back(StoredCase{newest + 1, saved});
        keep_newest(cases);
        return true;
    });
}

StoreOutcome MemoryStore::forget() {
    if (!QFileInfo::exists(path()))
        return {};
    return update([](std::vector<StoredCase> &cases, bool) {
        cases.clear();
        return true;
    });
}

StoreOutcome MemoryStore::remove() {
    if (!QFileInfo::exists(path()))
        return {};
    return update([this](const std::vector<StoredCase> &, bool) {
        QFile::remove(path());
        return false;
    });
}

} // namespace form
