// The file of kept cases on a temporary folder: what reads back, what is damage, the newest
// ten, the lock, and the files that are never changed.
#include "form/memory_store.h"

#include <QDir>
#include <QFile>
#include <QLockFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <chrono>
#include <future>
#include <thread>

namespace {

using form::FileTrust;

form::SavedCase numbered(int n) {
    return {0,
            {QString::number(n), QStringLiteral("1"), QStringLiteral("1"), QStringLiteral("0"),
             QStringLiteral("-120"), QStringLiteral("120")}};
}

QByteArray with_case(const QByteArray &version, const QByteArray &group, const QByteArray &text) {
    return R"({"version": )" + version + R"(, "cases": [{"order": 3, "group": )" + group +
           R"(, "texts": [")" + text + R"(", "1", "1", "0", "-120", "120"]}]})";
}

TEST(StoreRead, trusts_only_its_own_version_and_cases_the_window_could_have_saved) {
    const QByteArray thousand = "1." + QByteArray(998, '0');
    const struct {
        const char *what;
        QByteArray json;
        FileTrust trust;
        std::size_t cases;
    } rows[] = {
        {"version 1", with_case("1", "0", "2.5"), FileTrust::good, 1},
        {"012 rectangular", with_case("1", "3", "2.5"), FileTrust::good, 1},
        {"group 4", with_case("1", "4", "2.5"), FileTrust::damaged, 0},
        {"decimal comma", with_case("1", "1", "2,5"), FileTrust::good, 1},
        {"a text of 1,000 characters", with_case("1", "0", thousand), FileTrust::good, 1},
        {"a text of 1,001", with_case("1", "0", thousand + "0"), FileTrust::damaged, 0},
        {"no version", R"({"cases": []})", FileTrust::damaged, 0},
        {"version \"1\"", with_case(R"("1")", "0", "2.5"), FileTrust::damaged, 0},
        {"version 0", with_case("0", "0", "2.5"), FileTrust::damaged, 0},
        {"version 1.5", with_case("1.5", "0", "2.5"), FileTrust::damaged, 0},
        {"version 2", with_case("2", "0", "2.5"), FileTrust::newer, 0},
        {"version 2 in another shape", R"({"version": 2, "slots": {}})", FileTrust::newer, 0},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.what);
        const form::StoredCases read = form::read_cases(row.json);
        EXPECT_EQ(read.trust, row.trust) << read.problem.toStdString();
        EXPECT_EQ(read.cases.size(), row.cases);
    }
}

TEST(StoreSave, keeps_the_newest_ten_in_the_order_saved) {
    const QTemporaryDir dir;
    form::MemoryStore store(dir.path());
    for (int n = 1; n <= 12; ++n)
        ASSERT_EQ(store.save(numbered(n)).failure, QString());
    const form::StoredCases read = store.read();
    ASSERT_EQ(read.cases.size(), 10U);
    for (std::size_t i = 0; i < 10; ++i) {
        EXPECT_EQ(read.cases[i].order, static_cast<std::int64_t>(i) + 3);
        EXPECT_EQ(read.cases[i].saved.texts[0], QString::number(i + 3));
    }
}

// State: another window holds the lock. Action: a save, while the other lets go after a
// moment. Expected: the save waited for it and kept the case.
TEST(StoreSave, waits_while_another_window_holds_the_lock) {
    const QTemporaryDir dir;
    form::MemoryStore store(dir.path());
    std::promise<void> locked;
    std::thread other([&] {
        QLockFile lock(store.path() + QStringLiteral(".lock"));
        ASSERT_TRUE(lock.tryLock(0));
        locked.set_value();
        std::this_thread::sleep_for(std::chrono::milliseconds(300));
    });
    locked.get_future().wait();
    const form::StoreOutcome outcome = store.save(numbered(7));
    other.join();
    EXPECT_EQ(outcome.failure, QString());
    ASSERT_EQ(store.read().cases.size(), 1U);
}

// State: a file that is there but cannot be opened (a folder: root reads any file).
// Action: every change. Expected: it is not moved, rewritten or deleted.
TEST(StoreChange, leaves_a_file_that_cannot_be_opened_as_it_is) {
    const QTemporaryDir dir;
    form::MemoryStore store(dir.path());
    ASSERT_TRUE(QDir().mkdir(store.path()));
    for (const form::StoreOutcome &outcome :
         {store.save(numbered(1)), store.forget(), store.remove(), store.set_damage_aside()}) {
        EXPECT_NE(outcome.failure, QString());
        EXPECT_EQ(outcome.damage, QString());
    }
    EXPECT_TRUE(QFileInfo(store.path()).isDir());
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot),
              QStringList{QStringLiteral("cases.json")});
}

} // namespace
