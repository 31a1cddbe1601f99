#include "core/delete_last.h"

#include "core/format_settings.h"
#include "core/points_file.h"
#include "tests/core/temp_folder.h"
#include "core/file_size_signal.h"
#include "tests/support/real_failures.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <functional>
#include <optional>
#include <ostream>
#include <string>
#include <sys/stat.h>
#include <vector>

namespace tarlen {
namespace {

using testing::FileSizeLimit;
using testing::namesIn;
using testing::readBytes;
using testing::TempFolder;
using testing::writeBytes;

// A record as the delete-last command writes it: y in the given 1-based column.
std::string zoned(const std::string &x, const std::string &y, std::size_t column = 15)
{
    return x + std::string(column - 1 - x.size(), ' ') + y + "\r\n";
}

struct ParseCase {
    std::string name;
    std::string contents;
    std::optional<std::vector<FieldPair>> expected;
};

// Failures name the case rather than dumping its bytes.
void PrintTo(const ParseCase &c, std::ostream *out) { *out << c.name; }

class ParsePointsRecordsTest : public ::testing::TestWithParam<ParseCase> {};

TEST_P(ParsePointsRecordsTest, PairsTheBlankSeparatedFields)
{
    EXPECT_EQ(parsePointsRecords(GetParam().contents), GetParam().expected);
}

using Records = std::vector<FieldPair>;

INSTANTIATE_TEST_SUITE_P(
    Contents, ParsePointsRecordsTest,
    ::testing::Values(
        ParseCase{"Empty", "", Records{}},
        ParseCase{"OnlyLineEnds", " \r\n\r\n", Records{}},
        ParseCase{"AppendedRecords", "1.0  2.0\r\n3.0  4.0\r\n", Records{{"1.0", "2.0"}, {"3.0", "4.0"}}},
        ParseCase{"CommaStaysInTheField", "15,0  0,2\r\n", Records{{"15,0", "0,2"}}},
        ParseCase{"BothLayouts", "1.0  2.0\r\n" + zoned("3.0", "4.0"), Records{{"1.0", "2.0"}, {"3.0", "4.0"}}},
        ParseCase{"TabsAndBareLineFeeds", "1.0\t2.0\n3.0 \t 4.0", Records{{"1.0", "2.0"}, {"3.0", "4.0"}}},
        ParseCase{"AbsentValueText", "NaN  1.230E-04\r\n", Records{{"NaN", "1.230E-04"}}},
        ParseCase{"LastRecordWithOneField", "1.0  2.0\r\n3.0\r\n", std::nullopt},
        ParseCase{"SingleField", "1.0", std::nullopt}),
    [](const ::testing::TestParamInfo<ParseCase> &row) { return row.param.name; });

TEST(PrintPointsRecordsTest, StartsYAtTheNextPrintZoneWithABlankBetween)
{
    struct Row {
        std::size_t xLength;
        std::size_t yColumn;
    };
    const Row rows[] = {{1, 15}, {13, 15}, {14, 29}, {27, 29}, {28, 43}, {41, 43}, {42, 57}};
    for (const Row &row : rows) {
        const std::string x(row.xLength, '9');
        EXPECT_EQ(printPointsRecords({{x, "1,5"}}), x + std::string(row.yColumn - 1 - row.xLength, ' ') + "1,5\r\n")
            << "x of " << row.xLength << " characters";
    }
    EXPECT_EQ(printPointsRecords({}), "");
    EXPECT_EQ(printPointsRecords({{"15,0", "0,2"}, {"-1.250E+03", "NaN"}}),
              "15,0          0,2\r\n-1.250E+03    NaN\r\n");
}

class DeleteLastRecordTest : public ::testing::Test {
protected:
    std::string path(const char *name) const { return folder.file(name); }

    TempFolder folder;
};

TEST_F(DeleteLastRecordTest, ThreeRecordsDownToNoneAndAPressOnTheEmptyFile)
{
    const std::string file = path("graf_1.txt");
    writeBytes(file, "1.0  2.0\r\n3.0  4.0\r\n5.0  6.0\r\n");
    const std::string expected[] = {
        zoned("1.0", "2.0") + zoned("3.0", "4.0"),
        zoned("1.0", "2.0"),
        "",
        "", // the empty file stays empty, and that is no failure
    };
    for (const std::string &contents : expected) {
        const DeleteLastOutcome outcome = deleteLastRecord(file);
        EXPECT_EQ(outcome.result, DeleteLastResult::Deleted) << outcome.status.reason();
        EXPECT_EQ(readBytes(file), contents);
    }
    EXPECT_EQ(namesIn(folder.path()), std::vector<std::string>{"graf_1.txt"});
}

TEST_F(DeleteLastRecordTest, ManyRecordsHaveNoLimit)
{
    const std::string file = path("graf_1.txt");
    std::string original;
    std::string expected;
    for (int i = 1; i <= 150; ++i) {
        const std::string x = std::to_string(i) + ".0";
        const std::string y = std::to_string(2 * i) + ".0000";
        original += pointsRecordText(x, y);
        if (i < 150) {
            expected += zoned(x, y);
        }
    }
    writeBytes(file, original);
    ASSERT_EQ(deleteLastRecord(file).result, DeleteLastResult::Deleted);
    EXPECT_EQ(readBytes(file), expected);
}

TEST_F(DeleteLastRecordTest, DecimalCommaValuesStayWhole)
{
    const std::string file = path("graf_1.txt");
    writeBytes(file, "15,0  0,2\r\n16,5  1,846E-01\r\n");
    ASSERT_EQ(deleteLastRecord(file).result, DeleteLastResult::Deleted);
    EXPECT_EQ(readBytes(file), "15,0          0,2\r\n");
}

TEST_F(DeleteLastRecordTest, MixedLayoutsAreReadAlike)
{
    const std::string file = path("graf_1.txt");
    writeBytes(file, zoned("1.0", "2.0") + "3.0  4.0\r\n" + zoned("12345678901234", "5.0", 29) + "7.0  8.0\r\n");
    ASSERT_EQ(deleteLastRecord(file).result, DeleteLastResult::Deleted);
    EXPECT_EQ(readBytes(file), zoned("1.0", "2.0") + zoned("3.0", "4.0") + zoned("12345678901234", "5.0", 29));
}

TEST_F(DeleteLastRecordTest, LastRecordWithOneFieldFailsAndLeavesTheFile)
{
    const std::string file = path("graf_1.txt");
    const std::string original = "1.0  2.0\r\n3.0\r\n";
    writeBytes(file, original);
    const DeleteLastOutcome outcome = deleteLastRecord(file);
    EXPECT_EQ(outcome.result, DeleteLastResult::Failed);
    EXPECT_NE(outcome.status.reason().find("son kaydın yalnızca bir alanı var"), std::string::npos);
    EXPECT_EQ(readBytes(file), original);
}

// Only a file that is not there means that no value was entered; every other failure is one.
TEST_F(DeleteLastRecordTest, NoRecordOnlyForAMissingFileOthersFailWithTheirReason)
{
    struct Row {
        const char *name;
        std::function<std::string()> makeFile; // returns the path to delete from
        DeleteLastResult result;
        int error;
        const char *reason;
    };
    const Row rows[] = {
        {"missing file", [&] { return path("graf_1.txt"); }, DeleteLastResult::NoRecord, ENOENT,
         "yok"},
        {"folder in its place",
         [&] {
             std::filesystem::create_directory(path("dir_1.txt"));
             return path("dir_1.txt");
         },
         DeleteLastResult::Failed, EISDIR, "bu bir klasör"},
        {"through a regular file",
         [&] {
             writeBytes(path("plain.txt"), "1.0  2.0\r\n");
             return path("plain.txt") + "/graf_1.txt";
         },
         DeleteLastResult::Failed, ENOTDIR, "klasör değil"},
        {"FIFO in its place",
         [&] {
             EXPECT_TRUE(testing::makeFifo(path("fifo_1.txt")));
             return path("fifo_1.txt");
         },
         DeleteLastResult::Failed, 0, "normal bir dosya değil"},
        {"link to a device",
         [&] {
             std::filesystem::create_symlink("/dev/zero", path("zero_1.txt"));
             return path("zero_1.txt");
         },
         DeleteLastResult::Failed, 0, "normal bir dosya değil"},
    };
    for (const Row &row : rows) {
        const std::string file = row.makeFile();
        const DeleteLastOutcome outcome = deleteLastRecord(file);
        EXPECT_EQ(outcome.result, row.result) << row.name;
        EXPECT_EQ(outcome.status.error(), row.error) << row.name;
        EXPECT_NE(outcome.status.reason().find(file), std::string::npos) << row.name;
        EXPECT_NE(outcome.status.reason().find(row.reason), std::string::npos)
            << row.name << ": " << outcome.status.reason();
    }
    EXPECT_EQ(readBytes(path("plain.txt")), "1.0  2.0\r\n");
    EXPECT_EQ(namesIn(folder.path()),
              (std::vector<std::string>{"dir_1.txt", "fifo_1.txt", "plain.txt", "zero_1.txt"}));
}

TEST_F(DeleteLastRecordTest, RemovedWorkingFolderIsAFailureNotAnEmptyLine)
{
    const std::filesystem::path before = std::filesystem::current_path();
    const std::filesystem::path working = folder.path() / "working";
    std::filesystem::create_directory(working);
    std::filesystem::current_path(working);
    writeBytes("graf_1.txt", "1.0  2.0\r\n");
    std::filesystem::remove_all(working);

    const DeleteLastOutcome outcome = deleteLastRecord("graf_1.txt");
    std::filesystem::current_path(before);

    EXPECT_EQ(outcome.result, DeleteLastResult::Failed);
    EXPECT_EQ(outcome.status.error(), ENOENT);
}

// The rewrite changes the file's contents and nothing else about it.
TEST_F(DeleteLastRecordTest, KeepsPermissionsLinksAndReadOnlyFiles)
{
    const std::string records = "1.0  2.0\r\n3.0  4.0\r\n";
    const std::string shorter = zoned("1.0", "2.0");
    auto modeOf = [](const std::string &file) {
        return std::filesystem::status(file).permissions() & std::filesystem::perms::mask;
    };
    using std::filesystem::perms;

    writeBytes(path("private_1.txt"), records);
    std::filesystem::permissions(path("private_1.txt"), perms::owner_read | perms::owner_write);
    EXPECT_EQ(deleteLastRecord(path("private_1.txt")).result, DeleteLastResult::Deleted);
    EXPECT_EQ(readBytes(path("private_1.txt")), shorter);
    EXPECT_EQ(modeOf(path("private_1.txt")), perms::owner_read | perms::owner_write);

    // Made read-only by its user: refused, also for the superuser, and left as it is.
    const perms readOnly = perms::owner_read | perms::group_read | perms::others_read;
    writeBytes(path("locked_1.txt"), records);
    std::filesystem::permissions(path("locked_1.txt"), readOnly);
    const DeleteLastOutcome locked = deleteLastRecord(path("locked_1.txt"));
    EXPECT_EQ(locked.result, DeleteLastResult::Failed);
    EXPECT_EQ(locked.status.error(), EACCES);
    EXPECT_EQ(readBytes(path("locked_1.txt")), records);
    EXPECT_EQ(modeOf(path("locked_1.txt")), readOnly);

    // A link: its target, in its own folder, is rewritten; the link stays a link to it.
    const std::filesystem::path elsewhere = folder.path() / "elsewhere";
    std::filesystem::create_directory(elsewhere);
    writeBytes((elsewhere / "target.txt").string(), records);
    std::filesystem::create_symlink("elsewhere/target.txt", path("linked_1.txt"));
    EXPECT_EQ(deleteLastRecord(path("linked_1.txt")).result, DeleteLastResult::Deleted);
    EXPECT_TRUE(std::filesystem::is_symlink(path("linked_1.txt")));
    EXPECT_EQ(readBytes((elsewhere / "target.txt").string()), shorter);
    EXPECT_EQ(namesIn(elsewhere), std::vector<std::string>{"target.txt"});
    ASSERT_TRUE(appendPointsRecord(path("linked_1.txt"), "5.0", "6.0").ok());
    EXPECT_EQ(readBytes((elsewhere / "target.txt").string()), shorter + "5.0  6.0\r\n");

    // Hard links: every name goes on naming the one rewritten file.
    writeBytes(path("hard_1.txt"), records);
    std::filesystem::create_hard_link(path("hard_1.txt"), path("hard_copy.txt"));
    EXPECT_EQ(deleteLastRecord(path("hard_1.txt")).result, DeleteLastResult::Deleted);
    EXPECT_EQ(readBytes(path("hard_1.txt")), shorter);
    EXPECT_EQ(readBytes(path("hard_copy.txt")), shorter);
    EXPECT_EQ(std::filesystem::hard_link_count(path("hard_1.txt")), 2u);

    EXPECT_EQ(namesIn(folder.path()),
              (std::vector<std::string>{"elsewhere", "hard_1.txt", "hard_copy.txt", "linked_1.txt",
                                        "locked_1.txt", "private_1.txt"}));
}

TEST_F(DeleteLastRecordTest, WriteFailingPartWayLeavesTheFileWhole)
{
    ignoreFileSizeSignal(); // as the program's start-up does
    // The rewritten records are longer than the appended ones, so the limit stops the rewrite
    // of a plain file and of one with a second hard link alike.
    std::string original;
    for (int i = 0; i < 200; ++i) {
        original += pointsRecordText(std::to_string(i) + ",0", "1,000E+00");
    }
    writeBytes(path("graf_1.txt"), original);
    writeBytes(path("graf_2.txt"), original);
    std::filesystem::create_hard_link(path("graf_2.txt"), path("graf_2_copy.txt"));
    for (const char *name : {"graf_1.txt", "graf_2.txt"}) {
        DeleteLastOutcome outcome{DeleteLastResult::Deleted, IoStatus::success()};
        {
            FileSizeLimit limit(original.size() + 16);
            ASSERT_TRUE(limit.active());
            outcome = deleteLastRecord(path(name));
        }
        EXPECT_EQ(outcome.result, DeleteLastResult::Failed) << name;
        EXPECT_EQ(outcome.status.error(), EFBIG) << name;
        EXPECT_NE(outcome.status.reason().find("dosya çok büyük"), std::string::npos) << name;
        EXPECT_EQ(readBytes(path(name)), original) << name;
    }
    EXPECT_EQ(readBytes(path("graf_2_copy.txt")), original);
    EXPECT_EQ(namesIn(folder.path()),
              (std::vector<std::string>{"graf_1.txt", "graf_2.txt", "graf_2_copy.txt"}));
}

// Every path out of the file code, failed or not, closes what it opened.
TEST_F(DeleteLastRecordTest, NoFileStaysOpen)
{
    ignoreFileSizeSignal(); // as the program's start-up does
    writeBytes(path("graf_1.txt"), "1.0  2.0\r\n3.0\r\n");
    writeBytes(path("graf_2.txt"), "1.0  2.0\r\n3.0  4.0\r\n");
    std::filesystem::create_directory(path("dir_1.txt"));
    ASSERT_TRUE(testing::makeFifo(path("fifo_1.txt")));
    const int before = testing::openDescriptorCount();
    for (int round = 0; round < 3; ++round) {
        for (const char *name : {"graf_1.txt", "graf_2.txt", "dir_1.txt", "fifo_1.txt", "none.txt"}) {
            deleteLastRecord(path(name));
            appendPointsRecord(path(name), "1.0", "2.0");
            loadFormatSetting(path(name), 0);
            saveFormatSetting(path(name), 2);
        }
        FileSizeLimit limit(1);
        appendPointsRecord(path("graf_2.txt"), "1.0", "2.0");
        saveFormatSetting(path("graf_2.txt"), 2);
    }
    EXPECT_EQ(testing::openDescriptorCount(), before);
}

} // namespace
} // namespace tarlen
