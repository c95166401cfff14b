#include "storage/record_io.h"
#include "storage/store_file.h"
#include "storage_fakes.h"

#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QThread>
#include <gtest/gtest.h>
#include <set>

namespace vavivor {
namespace {

// Two copies of the program saving into one storage file at the same moment, each with the
// bookkeeping of its own scan: every record of both ends up in the file.
TEST(StorageProcessesTest, TwoCopiesSavingIntoOneFileNeverOverwriteEachOther) {
    QTemporaryDir dir;
    const QString store = dir.filePath("shared.zlr");
    // A deleted record to fight over first, then appending.
    writeRecords(store.toStdString(), {makeRecord(false, "old", startGenes()),
                                       makeRecord(false, "gone", startGenes(), true)});
    constexpr int kEach = 40;
    std::array<QProcess, 2> copies;
    const std::array<QString, 2> names{"A", "B"};
    for (std::size_t i = 0; i < copies.size(); ++i) {
        copies[i].setProcessChannelMode(QProcess::ForwardedErrorChannel);
        copies[i].start(QStringLiteral(STORE_SAVE_HELPER),
                        {store, names[i], QString::number(kEach), dir.filePath("ready-" + names[i]),
                         dir.filePath("go")});
        ASSERT_TRUE(copies[i].waitForStarted(10000));
    }
    for (int waited = 0;
         !(QFile::exists(dir.filePath("ready-A")) && QFile::exists(dir.filePath("ready-B")));
         ++waited) {
        ASSERT_LT(waited, 20000) << "the copies did not get ready";
        QThread::msleep(1);
    }
    QFile go(dir.filePath("go"));
    ASSERT_TRUE(go.open(QIODevice::WriteOnly));
    go.close();
    for (auto& copy : copies) {
        ASSERT_TRUE(copy.waitForFinished(60000));
        EXPECT_EQ(copy.exitStatus(), QProcess::NormalExit);
        EXPECT_EQ(copy.exitCode(), 0);
    }

    std::string error;
    const auto contents = readStore(store.toStdString(), &error, IfMissing::Fail);
    ASSERT_TRUE(contents) << error;
    EXPECT_TRUE(contents->tail.empty());
    std::multiset<std::string> saved;
    for (const auto& record : contents->records) {
        if (!record.isDeleted()) {
            std::string text = descriptionText(record);
            saved.insert(text.substr(0, text.find(' ')));
        }
    }
    std::multiset<std::string> expected{"old"};
    for (const auto& name : names) {
        for (int i = 0; i < kEach; ++i) {
            expected.insert(name.toStdString() + "-" + std::to_string(i));
        }
    }
    EXPECT_EQ(saved, expected);
    EXPECT_EQ(contents->records.size(), 2 * kEach + 1U) << "the deleted record was reused";
}

} // namespace
} // namespace vavivor
