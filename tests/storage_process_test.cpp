#include "storage/store_file.h"
#include "storage_fakes.h"
#include "support/child_output.h"

#include <QTemporaryDir>
#include <array>
#include <chrono>
#include <map>
#include <random>
#include <thread>

namespace vavivor {
namespace {

// A copy of the program saving `count` records into `file`, as store_saver does.
struct Saver : ChildOutput {
    Saver(const std::string& file, int count, const std::string& name)
        : ChildOutput({VAVIVOR_STORE_SAVER, file, std::to_string(count), name}) {}

    // Waits for the end and adds every record reported as saved (whole lines only) to `saved`,
    // number to description; a number reported twice is a failure. Returns how many were
    // reported.
    int finish(std::map<int, std::string>& saved) const {
        const std::string text = read();
        int reported = 0;
        for (std::size_t at = 0, end = 0; (end = text.find('\n', at)) != std::string::npos;
             at = end + 1) {
            const std::string line = text.substr(at, end - at);
            const std::size_t blank = line.find(' ');
            const int n = std::stoi(line.substr(0, blank));
            EXPECT_TRUE(saved.emplace(n, line.substr(blank + 1)).second)
                << "record " << n << " was reported twice";
            ++reported;
        }
        return reported;
    }
};

// Every record reported as saved stands in the file with its description, live and whole.
void expectSaved(const std::string& file, const std::map<int, std::string>& saved) {
    for (const auto& [n, description] : saved) {
        std::string error;
        const auto record = readStoreRecord(file, n, &error, IfMissing::Fail);
        ASSERT_TRUE(record) << error;
        std::string padded = description;
        padded.resize(20, ' ');
        EXPECT_EQ(descriptionText(*record), padded) << "record " << n;
        EXPECT_FALSE(record->isDeleted()) << "record " << n;
        EXPECT_TRUE(figureGenes(*record, 0)) << "record " << n;
    }
    EXPECT_EQ(fileBytes(file).size() % 960, 0) << "the file is a whole number of records";
}

// Two copies saving at once, each keeping the bookkeeping of its own scan. The file's name is
// as long as a name can be, so that no lock file fits beside it: the file itself is locked.
TEST(TwoCopiesTest, SavingAtOnceGivesEveryRecordItsOwnNumber) {
    QTemporaryDir dir;
    const std::string file = dir.filePath(QString(251, 'x') + ".zlr").toStdString();
    writeRecords(file, {makeRecord(false, "old"), makeRecord(false, "gone", startGenes(), true)});
    const Saver a(file, 200, "a");
    const Saver b(file, 200, "b");
    std::map<int, std::string> saved;
    EXPECT_EQ(a.finish(saved), 200);
    EXPECT_EQ(b.finish(saved), 200);
    expectSaved(file, saved);
    EXPECT_EQ(fileBytes(file).size(), 401 * 960) << "the deleted record was reused";
    saved.emplace(1, "old");
    expectSaved(file, saved);
}

// Copies killed at random moments while they save: what a copy reported as saved is there.
TEST(TwoCopiesTest, CopiesKilledWhileSavingLoseNothingTheyReported) {
    QTemporaryDir dir;
    const std::string file = dir.filePath("s.zlr").toStdString();
    const unsigned seed = std::random_device()();
    SCOPED_TRACE("seed " + std::to_string(seed));
    std::mt19937 random(seed);
    std::map<int, std::string> saved;
    std::array<int, 2> reported{};
    for (int round = 0; reported[0] < 200 || reported[1] < 200; ++round) {
        ASSERT_LT(round, 10);
        const std::string name = std::to_string(round);
        const Saver a(file, 200 - reported[0], name + "a");
        const Saver b(file, 200 - reported[1], name + "b");
        if (round < 6) {
            std::this_thread::sleep_for(std::chrono::milliseconds(random() % 40));
            a.kill();
            std::this_thread::sleep_for(std::chrono::milliseconds(random() % 10));
            b.kill();
        }
        reported[0] += a.finish(saved);
        reported[1] += b.finish(saved);
    }
    expectSaved(file, saved);
}

} // namespace
} // namespace vavivor
