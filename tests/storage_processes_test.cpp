#include "storage/record_io.h"
#include "storage/store_file.h"
#include "storage_fakes.h"

#include <QProcess>
#include <QTemporaryDir>
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
                        {store, names[i], QString::number(kEach)});
        ASSERT_TRUE(copies[i].waitForReadyRead(20000)) << "copy " << i << " did not scan";
    }
    for (auto& copy : copies) {
        copy.write("go\n");
    }
    std::multiset<std::string> expected{"old"};
    for (std::size_t i = 0; i < copies.size(); ++i) {
        ASSERT_TRUE(copies[i].waitForFinished(60000));
        EXPECT_EQ(copies[i].exitStatus(), QProcess::NormalExit);
        EXPECT_EQ(copies[i].exitCode(), 0);
        for (int k = 0; k < kEach; ++k) {
            expected.insert(names[i].toStdString() + "-" + std::to_string(k));
        }
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
    EXPECT_EQ(saved, expected);
    EXPECT_EQ(contents->records.size(), 2 * kEach + 1U) << "the deleted record was reused";
}

} // namespace
} // namespace vavivor
