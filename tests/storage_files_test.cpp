#include "storage/store_commands.h"
#include "storage/store_list.h"
#include "storage/store_list_io.h"
#include "storage_fakes.h"
#include "support/logic_rig.h"

#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>
#include <fstream>
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

namespace vavivor {
namespace {

// The storage files and the storage list as they lie on the disk, in a temporary program folder.
class StorageFilesTest : public ::testing::Test {
public:
    StorageFilesTest() { rig.state.screen.storeListPath = path("str-data.txt"); }

    std::string path(const std::string& name) const {
        return dir.filePath(QString::fromStdString(name)).toStdString();
    }
    std::string defaultStore() const { return path("def-store.zld"); }
    void startUp() { storageStartUp(rig.state, rig.services, choice); }
    void writeList(std::vector<std::string> others, int current) {
        others.insert(others.begin(), "\\def-store.zld");
        writeBytes(path("str-data.txt"), QByteArray::fromStdString(formatStoreList(
                                             static_cast<int>(others.size()), current, others)));
    }
    std::string listText() const { return fileBytes(path("str-data.txt")).toStdString(); }
    // The one message shown.
    std::string message() const {
        const std::vector<std::string> shown = rig.platform.dialogs.messages();
        EXPECT_EQ(shown.size(), 1U);
        return shown.empty() ? std::string() : shown.back();
    }

    QTemporaryDir dir;
    LogicRig rig;
    FakeStoreChoice choice;
};

// Should a list ever be read to its end again, it fails here within seconds and 1 GiB more
// memory rather than taking the machine's.
class ReadingBounds {
public:
    ReadingBounds() {
        getrlimit(RLIMIT_AS, &m_saved);
        long pages = 0;
        std::ifstream("/proc/self/statm") >> pages;
        rlimit capped = m_saved;
        capped.rlim_cur =
            static_cast<rlim_t>(pages) * static_cast<rlim_t>(getpagesize()) + (rlim_t{1} << 30U);
        setrlimit(RLIMIT_AS, &capped);
        alarm(10);
    }
    ReadingBounds(const ReadingBounds&) = delete;
    ReadingBounds& operator=(const ReadingBounds&) = delete;
    ~ReadingBounds() {
        alarm(0);
        setrlimit(RLIMIT_AS, &m_saved);
    }

private:
    rlimit m_saved{};
};

// ---- The storage list is a plain file of sane size

struct OddListCase {
    const char* name;
    std::function<void(const std::string& list)> make;
    std::string says;
};

class OddListTest : public StorageFilesTest, public ::testing::WithParamInterface<OddListCase> {};

TEST_P(OddListTest, IsKeptAsideUnreadAndReplaced) {
    const std::string list = path("str-data.txt");
    GetParam().make(list);
    {
        const ReadingBounds bounds;
        startUp();
    }
    EXPECT_NE(message().find("The storage list " + list + " is damaged: " + GetParam().says),
              std::string::npos)
        << message();
    EXPECT_TRUE(QFileInfo(QString::fromStdString(list + ".damaged")).isSymLink() ||
                QFileInfo::exists(QString::fromStdString(list + ".damaged")));
    EXPECT_EQ(listText(), formatStoreList(1, 1, {"\\def-store.zld"}));
    EXPECT_EQ(rig.state.store.currentStore, defaultStore());
}

INSTANTIATE_TEST_SUITE_P(
    Lists, OddListTest,
    ::testing::Values(OddListCase{"fifo",
                                  [](const std::string& list) {
                                      ASSERT_EQ(mkfifo(list.c_str(), 0600), 0);
                                  },
                                  "it is not a plain file"},
                      OddListCase{"link_to_dev_zero",
                                  [](const std::string& list) {
                                      ASSERT_EQ(symlink("/dev/zero", list.c_str()), 0);
                                  },
                                  "it is not a plain file"},
                      OddListCase{"longer_than_any_list",
                                  [](const std::string& list) {
                                      writeBytes(list, "1 1\r\n\"\\def-store.zld\"\r\n");
                                      ASSERT_EQ(truncate(list.c_str(), 1LL << 40U),
                                                0); // a sparse terabyte
                                  },
                                  "it is longer than"}),
    [](const auto& info) { return std::string(info.param.name); });

} // namespace
} // namespace vavivor
