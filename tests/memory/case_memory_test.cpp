// The kept cases as the window uses them, on a temporary folder: the keep switch, the order
// of the worker's operations, and what a failed or damaged file tells.
#include "file_size_limit.h"
#include "form/case_memory.h"
#include "toolkit/save_file.h"

#include <QDir>
#include <QFile>
#include <QSettings>
#include <QSignalSpy>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <chrono>
#include <memory>
#include <thread>

namespace {

form::SavedCase numbered(int n) {
    return {0,
            {QString::number(n), QStringLiteral("1"), QStringLiteral("1"), QStringLiteral("0"),
             QStringLiteral("-120"), QStringLiteral("120")}};
}

QByteArray contents(const QString &path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

class CaseMemoryTest : public testing::Test {
protected:
    const QTemporaryDir dir;
    QString folder() const { return dir.filePath(QStringLiteral("state")); }
    // A window's memory, on the test's folder and the test home's settings.
    std::unique_ptr<form::CaseMemory> window() const {
        return std::make_unique<form::CaseMemory>(folder(), QString());
    }
    // The first texts of the cases in the file, oldest first.
    QStringList file_cases() const {
        QStringList out;
        for (const form::StoredCase &stored : form::MemoryStore(folder()).read().cases)
            out << stored.saved.texts[0];
        return out;
    }
    void write_file(const QByteArray &bytes) const {
        QFile file(form::MemoryStore(folder()).path());
        ASSERT_TRUE(QDir().mkpath(folder()) && file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }
    static void switch_in_settings(bool keep) {
        QSettings(QStringLiteral("trivane"), QStringLiteral("trivane"))
            .setValue(QStringLiteral("cases/keep"), keep);
    }
    // Every write through it takes 50 ms.
    static QString slow_write(const QString &path, const QByteArray &data) {
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
        return toolkit::save_file(path, data);
    }
};

// While keeping is off, start-up restores nothing and Forget All Cases still empties the
// file; once on, start-up reads it without making a lock file.
TEST_F(CaseMemoryTest, the_keep_switch_steers_start_up_but_not_forgetting) {
    form::MemoryStore(folder()).save(numbered(1));
    form::MemoryStore(folder()).save(numbered(2));
    switch_in_settings(true);
    const std::vector<form::SavedCase> cases = window()->restore();
    EXPECT_FALSE(QFile::exists(form::MemoryStore(folder()).path() + QStringLiteral(".lock")));
    ASSERT_EQ(cases.size(), 2U);
    EXPECT_EQ(cases[1].texts[0], QStringLiteral("2"));
    switch_in_settings(false);
    const auto memory = window();
    EXPECT_TRUE(memory->restore().empty());
    memory->forget_all();
    memory->wait_for_pending();
    EXPECT_EQ(file_cases(), QStringList());
}

// State: every write takes 50 ms. Action: three saves, Forget All Cases, a save; then a save
// and keeping turned off. Expected: each in the order asked, none skipped, none undone by
// one asked before it.
TEST_F(CaseMemoryTest, operations_run_in_the_order_asked_with_none_skipped) {
    const auto memory = window();
    int writes = 0;
    memory->set_writer([&writes](const QString &path, const QByteArray &data) {
        ++writes;
        return slow_write(path, data);
    });
    for (int n = 1; n <= 3; ++n)
        memory->keep(numbered(n));
    memory->forget_all();
    memory->keep(numbered(4));
    memory->wait_for_pending();
    EXPECT_EQ(writes, 5);
    EXPECT_EQ(file_cases(), QStringList{QStringLiteral("4")});
    memory->keep(numbered(5));
    memory->set_keeping(false);
    memory->wait_for_pending();
    EXPECT_FALSE(QFile::exists(memory->path()));
}

TEST_F(CaseMemoryTest, closing_waits_for_the_saves_still_queued) {
    {
        const auto memory = window();
        memory->set_writer(slow_write);
        for (int n = 1; n <= 3; ++n)
            memory->keep(numbered(n));
    }
    EXPECT_EQ(file_cases(),
              (QStringList{QStringLiteral("1"), QStringLiteral("2"), QStringLiteral("3")}));
}

// State: two windows keeping cases. Action: the second turns keeping off; an older build
// leaves a file; the second turns it on again. Expected: the file gone, the first window's
// saves stopped and its check mark off; then a new file from the next save.
TEST_F(CaseMemoryTest, keeping_off_deletes_the_file_and_stops_every_window) {
    const auto first = window();
    const auto second = window();
    QSignalSpy switched(first.get(), &form::CaseMemory::keeping_changed);
    first->keep(numbered(1));
    first->wait_for_pending();
    second->set_keeping(false);
    second->wait_for_pending();
    EXPECT_FALSE(QFile::exists(first->path()));
    EXPECT_FALSE(second->keeping());
    first->keep(numbered(2));
    first->wait_for_pending();
    EXPECT_FALSE(QFile::exists(first->path()));
    ASSERT_EQ(switched.count(), 1);
    EXPECT_FALSE(switched[0][0].toBool());

    form::MemoryStore(folder()).save(numbered(3));
    second->set_keeping(true);
    second->wait_for_pending();
    first->keep(numbered(4));
    first->wait_for_pending();
    EXPECT_EQ(file_cases(), QStringList{QStringLiteral("4")});
}

// State: a file of kept cases. Action: two saves that do not fit under the file-size limit.
// Expected: the old file byte for byte, and one notice that names the cause.
TEST_F(CaseMemoryTest, a_save_that_does_not_fit_leaves_the_file_and_says_why_once) {
    const auto memory = window();
    QSignalSpy told(memory.get(), &form::CaseMemory::problem);
    memory->keep(numbered(1));
    memory->wait_for_pending();
    const QByteArray kept = contents(memory->path());
    ASSERT_FALSE(kept.isEmpty());
    {
        const memory_test::FileSizeLimit limit(static_cast<rlim_t>(kept.size()));
        memory->keep(numbered(2));
        memory->keep(numbered(3));
        memory->wait_for_pending();
    }
    EXPECT_EQ(contents(memory->path()), kept);
    ASSERT_EQ(told.count(), 1);
    EXPECT_TRUE(
        told[0][0].toString().startsWith(QLatin1String("Cases are kept for this run only")));
    EXPECT_TRUE(told[0][0].toString().endsWith(QLatin1String("the file would be too large.")));
}

// State: a damaged file found at start-up; in another folder, found by a save.
// Expected: the same notice for both, the file kept aside as it was.
TEST_F(CaseMemoryTest, damage_found_by_a_save_is_told_as_at_start_up) {
    const QByteArray damaged = R"({"version": 1, "cases": [)";
    for (const bool at_start_up : {true, false}) {
        SCOPED_TRACE(at_start_up ? "at start-up" : "by a save");
        QDir(folder()).removeRecursively();
        if (at_start_up)
            write_file(damaged);
        const auto memory = window();
        QSignalSpy told(memory.get(), &form::CaseMemory::problem);
        EXPECT_TRUE(memory->restore().empty());
        if (!at_start_up) {
            write_file(damaged);
            memory->keep(numbered(1));
        }
        memory->wait_for_pending();
        ASSERT_EQ(told.count(), 1);
        const QStringList aside =
            QDir(folder()).entryList({QStringLiteral("cases.json.damaged-*")});
        ASSERT_EQ(aside.size(), 1);
        EXPECT_EQ(told[0][0].toString(),
                  QStringLiteral("The saved cases could not all be read; the file is kept as %1.")
                      .arg(aside[0]));
        EXPECT_EQ(contents(QDir(folder()).filePath(aside[0])), damaged);
    }
}

// State: a file from a newer version. Action: start-up, two saves, Forget All Cases,
// keeping off. Expected: no case restored, one notice, the file as it was.
TEST_F(CaseMemoryTest, a_newer_file_is_told_once_and_left_alone) {
    const QByteArray newer = R"({"version": 2, "cases": []})";
    write_file(newer);
    const auto memory = window();
    QSignalSpy told(memory.get(), &form::CaseMemory::problem);
    EXPECT_TRUE(memory->restore().empty());
    memory->keep(numbered(1));
    memory->keep(numbered(2));
    memory->forget_all();
    memory->set_keeping(false);
    memory->wait_for_pending();
    ASSERT_EQ(told.count(), 1);
    EXPECT_TRUE(told[0][0].toString().contains(QLatin1String("newer version")));
    EXPECT_EQ(contents(memory->path()), newer);
}

} // namespace
