#include "core/points_file.h"

#include "tests/core/temp_folder.h"
#include "core/file_size_signal.h"
#include "tests/support/real_failures.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <functional>
#include <string>

namespace tarlen {
namespace {

using testing::readBytes;
using testing::TempFolder;
using testing::writeBytes;

TEST(MakePointsFileNameTest, BaseUnderscoreLineTxt)
{
    struct Row {
        std::string base;
        std::int16_t line;
        std::string expected;
    };
    const Row rows[] = {
        {"", 0, "_0.txt"},
        {"abc", 1, "abc_1.txt"},
        {"dosya adı", 2, "dosya adı_2.txt"},
        {"graf", 3, "graf_3.txt"},
        {"graf", 32767, "graf_32767.txt"},
        {"g", -1, "g_-1.txt"},
    };
    for (const Row &row : rows) {
        EXPECT_EQ(makePointsFileName(row.base, row.line), row.expected);
    }
}

TEST(PointsRecordTextTest, TwoBlanksBetweenAndCarriageReturnLineFeed)
{
    EXPECT_EQ(pointsRecordText("15,0", "1,846E-01"), "15,0  1,846E-01\r\n");
    EXPECT_EQ(pointsRecordText("NaN", "0.2"), "NaN  0.2\r\n");
}

class AppendPointsRecordTest : public ::testing::Test {
protected:
    TempFolder folder;
};

TEST_F(AppendPointsRecordTest, CreatesAMissingFile)
{
    const std::string path = folder.file("abc_1.txt");
    ASSERT_TRUE(appendPointsRecord(path, "15,0", "0,2").ok());
    EXPECT_EQ(readBytes(path), "15,0  0,2\r\n");
}

TEST_F(AppendPointsRecordTest, KeepsTheOldContentAndAddsAfterIt)
{
    const std::string path = folder.file("abc_1.txt");
    writeBytes(path, "1.0  2.0\r\n3.0           4.0\r\n");
    ASSERT_TRUE(appendPointsRecord(path, "5.0", "6.0").ok());
    ASSERT_TRUE(appendPointsRecord(path, "7.0", "NaN").ok());
    EXPECT_EQ(readBytes(path), "1.0  2.0\r\n3.0           4.0\r\n5.0  6.0\r\n7.0  NaN\r\n");
}

TEST_F(AppendPointsRecordTest, ReportsAFileThatCannotBeOpened)
{
    writeBytes(folder.file("plain.txt"), "x");
    std::filesystem::create_directory(folder.file("abc_1.txt"));
    const std::string paths[] = {folder.file("plain.txt") + "/abc_1.txt", folder.file("abc_1.txt")};
    for (const std::string &path : paths) {
        const IoStatus status = appendPointsRecord(path, "1.0", "2.0");
        EXPECT_FALSE(status.ok()) << path;
        EXPECT_FALSE(status.reason().empty());
    }
    EXPECT_EQ(readBytes(folder.file("plain.txt")), "x");
    EXPECT_TRUE(std::filesystem::is_directory(folder.file("abc_1.txt")));
}

// A write that fails part-way leaves no piece of the record behind, so the file still ends on a
// whole record and the next append starts a record of its own.
TEST_F(AppendPointsRecordTest, FailedAppendLeavesOnlyWholeRecords)
{
    ignoreFileSizeSignal(); // as the program's start-up does
    const std::string path = folder.file("abc_1.txt");
    const std::string fresh = folder.file("abc_2.txt");
    writeBytes(path, "1  234\r\n");
    {
        testing::FileSizeLimit limit(12);
        ASSERT_TRUE(limit.active());
        for (const std::string &file : {path, fresh}) {
            const IoStatus status = appendPointsRecord(file, "NaN", "0.0000");
            EXPECT_FALSE(status.ok()) << file;
            EXPECT_EQ(status.error(), EFBIG) << file;
            EXPECT_EQ(status.reason(), "\"" + file + "\" yazılamadı: dosya çok büyük (dosya boyutu sınırı aşıldı)");
        }
        EXPECT_EQ(readBytes(path), "1  234\r\n");
        // A file made only for the failed record is not left behind, empty.
        EXPECT_EQ(readBytes(fresh), std::nullopt);
    }
    ASSERT_TRUE(appendPointsRecord(path, "NaN", "0.0000").ok());
    EXPECT_EQ(readBytes(path), "1  234\r\nNaN  0.0000\r\n");
}

// Records go only into regular files: a link to one is followed; a FIFO is refused at once
// instead of waiting for a reader, and a device instead of swallowing the record.
TEST_F(AppendPointsRecordTest, OnlyRegularFilesTakeRecords)
{
    struct Row {
        const char *name;
        std::function<void(const std::string &)> make;
    };
    const Row refused[] = {
        {"fifo_1.txt", [](const std::string &p) { ASSERT_TRUE(testing::makeFifo(p)); }},
        {"null_1.txt", [](const std::string &p) { std::filesystem::create_symlink("/dev/null", p); }},
        {"dir_1.txt", [](const std::string &p) { std::filesystem::create_directory(p); }},
    };
    for (const Row &row : refused) {
        const std::string path = folder.file(row.name);
        row.make(path);
        const IoStatus status = appendPointsRecord(path, "1.0", "2.0");
        EXPECT_FALSE(status.ok()) << row.name;
        EXPECT_NE(status.reason().find(path), std::string::npos) << status.reason();
    }

    writeBytes(folder.file("target.txt"), "1.0  2.0\r\n");
    std::filesystem::create_symlink("target.txt", folder.file("abc_1.txt"));
    ASSERT_TRUE(appendPointsRecord(folder.file("abc_1.txt"), "3.0", "4.0").ok());
    EXPECT_EQ(readBytes(folder.file("target.txt")), "1.0  2.0\r\n3.0  4.0\r\n");
    EXPECT_TRUE(std::filesystem::is_symlink(folder.file("abc_1.txt")));
}

} // namespace
} // namespace tarlen
