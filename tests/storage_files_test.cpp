#include "storage_rig.h"

#include <QDir>
#include <QFileInfo>
#include <fstream>
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

namespace vavivor {
namespace {

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

class OddListTest : public StorageTest, public ::testing::WithParamInterface<OddListCase> {};

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
    struct stat aside {};
    EXPECT_EQ(lstat((list + ".damaged").c_str(), &aside), 0) << "kept aside as it was";
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
                      OddListCase{"longer_than_any_list",
                                  [](const std::string& list) {
                                      writeBytes(list, "1 1\r\n\"\\def-store.zld\"\r\n");
                                      ASSERT_EQ(truncate(list.c_str(), 1LL << 40U),
                                                0); // a sparse terabyte
                                  },
                                  "it is longer than"}),
    [](const auto& info) { return std::string(info.param.name); });

// ---- Change Storage file takes storage files only

struct NotAStoreCase {
    const char* name;
    QByteArray bytes;
    std::string says;
};

QByteArray recordBytes(const StorageRecord& record) {
    const RecordBytes bytes = encodeRecord(record);
    return {reinterpret_cast<const char*>(bytes.data()), static_cast<qsizetype>(bytes.size())};
}

class NotAStoreTest : public StorageTest, public ::testing::WithParamInterface<NotAStoreCase> {};

// Neither chosen nor, as the current entry, used at start-up; the file and the list stay.
TEST_P(NotAStoreTest, IsRefusedAndLeftAlone) {
    const std::string odd = path("odd.zlr");
    writeBytes(odd, GetParam().bytes);
    const std::string says = "The file " + odd + " is not a storage file: " + GetParam().says;
    startUp();
    const std::string list = listText();
    rig.platform.dialogs.files = {odd};
    changeStorageFile(rig.state, rig.services, choice);
    EXPECT_NE(message().find(says), std::string::npos) << message();
    EXPECT_EQ(rig.state.store.currentStore, defaultStore());
    EXPECT_EQ(rig.state.store.storeCount, 1);
    EXPECT_EQ(listText(), list);

    writeList({odd}, 2);
    const std::string listed = listText();
    rig.platform.dialogs.shown.clear();
    startUp();
    EXPECT_NE(message().find(says), std::string::npos) << message();
    EXPECT_EQ(rig.state.store.currentStore, defaultStore());
    EXPECT_EQ(listText(), listed);
    EXPECT_EQ(fileBytes(odd), GetParam().bytes);
}

INSTANTIATE_TEST_SUITE_P(
    Files, NotAStoreTest,
    ::testing::Values(
        NotAStoreCase{"pdf", "%PDF-1.4\n" + QByteArray(1911, 'x'), "record 1 does not look like"},
        NotAStoreCase{"one_byte_more", QByteArray(961, '\0'),
                      "its length of 961 bytes is not a whole number of 960-byte records"},
        NotAStoreCase{"flag_5",
                      recordBytes(makeRecord(true, "fine", startGenes(), true)) + recordBytes([] {
                          StorageRecord odd = makeRecord(false, "odd");
                          odd.deleted = 5;
                          return odd;
                      }()),
                      "record 2 does not look like a record (its deleted flag is 5, not 0 or -1)"}),
    [](const auto& info) { return std::string(info.param.name); });

// ---- Deleting a storage file checks, confirms and goes by the file, not by its name

// The default is refused under any listed name that reaches it; the current file, under any
// listed name, is deleted only after a warning and Yes, and then the default becomes current.
TEST_F(StorageTest, DeletingAStorageFileKeepsTheDefaultAndWarnsOfTheCurrentOne) {
    for (const char* name : {"def-store.zld", "a.zlr", "b.zlr"}) {
        writeRecords(path(name), {makeRecord(false, name)});
    }
    ASSERT_TRUE(QDir(dir.path()).mkdir("sub"));
    ASSERT_EQ(symlink(defaultStore().c_str(), path("link.zlr").c_str()), 0);
    const std::string viaSub = dir.path().toStdString() + "/sub/../";
    writeList({path("link.zlr"), viaSub + "def-store.zld", path("a.zlr"), path("b.zlr"),
               viaSub + "b.zlr"},
              5);
    startUp();
    ScriptedDialogs& dialogs = rig.platform.dialogs;
    const std::string kept = "This is the DEFAULT file and it has to remain.";
    const std::string current = "You are about to delete the CURRENT storage file!\nThe DEFAULT "
                                "will be selected if you continue.";
    // The current file: a warning first, and No keeps it.
    dialogs.files = {viaSub + "b.zlr"};
    deleteStorageFile(rig.state, rig.services, choice);
    EXPECT_TRUE(QFileInfo::exists(dir.filePath("b.zlr")));

    dialogs.files = {path("A.zlr"), path("link.zlr"), viaSub + "def-store.zld", path("a.zlr")};
    dialogs.yesNoAnswers = {true};
    deleteStorageFile(rig.state, rig.services, choice);
    EXPECT_EQ(messages(), (std::vector<std::string>{
                              current, path("A.zlr") + " isn't a storage file.", kept, kept}));
    EXPECT_EQ(dialogs.shown.back().text,
              "Are you sure you wish to delete the file " + path("a.zlr") + "?");
    EXPECT_FALSE(QFileInfo::exists(dir.filePath("a.zlr")));
    EXPECT_EQ(rig.state.store.currentEntry, 4) << "still b.zlr, one place up";
    EXPECT_EQ(fileBytes(defaultStore()).size(), 960);
    EXPECT_TRUE(QFileInfo(dir.filePath("link.zlr")).isSymLink());

    dialogs.files = {viaSub + "b.zlr"};
    dialogs.yesNoAnswers = {true};
    deleteStorageFile(rig.state, rig.services, choice);
    EXPECT_EQ(messages().back(), current);
    EXPECT_FALSE(QFileInfo::exists(dir.filePath("b.zlr")));
    EXPECT_EQ(rig.state.store.currentStore, defaultStore());
    EXPECT_EQ(listText(), formatStoreList(4, 1,
                                          {"\\def-store.zld", path("link.zlr"),
                                           viaSub + "def-store.zld", path("b.zlr")}));
}

} // namespace
} // namespace vavivor
