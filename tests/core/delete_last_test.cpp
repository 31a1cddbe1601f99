#include "core/delete_last.h"

#include "core/points_file.h"
#include "tests/core/temp_folder.h"

#include <gtest/gtest.h>

#include <functional>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

#if __has_include(<sys/resource.h>)
#include <csignal>
#include <sys/resource.h>
#define TARLEN_HAS_FILE_SIZE_LIMIT 1
#endif

namespace tarlen {
namespace {

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
        const IoStatus status = deleteLastRecord(file, file);
        EXPECT_TRUE(status.ok()) << status.reason();
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
    ASSERT_TRUE(deleteLastRecord(file, file).ok());
    EXPECT_EQ(readBytes(file), expected);
}

TEST_F(DeleteLastRecordTest, DecimalCommaValuesStayWhole)
{
    const std::string file = path("graf_1.txt");
    writeBytes(file, "15,0  0,2\r\n16,5  1,846E-01\r\n");
    ASSERT_TRUE(deleteLastRecord(file, file).ok());
    EXPECT_EQ(readBytes(file), "15,0          0,2\r\n");
}

TEST_F(DeleteLastRecordTest, MixedLayoutsAreReadAlike)
{
    const std::string file = path("graf_1.txt");
    writeBytes(file, zoned("1.0", "2.0") + "3.0  4.0\r\n" + zoned("12345678901234", "5.0", 29) + "7.0  8.0\r\n");
    ASSERT_TRUE(deleteLastRecord(file, file).ok());
    EXPECT_EQ(readBytes(file), zoned("1.0", "2.0") + zoned("3.0", "4.0") + zoned("12345678901234", "5.0", 29));
}

TEST_F(DeleteLastRecordTest, LastRecordWithOneFieldFailsAndLeavesTheFile)
{
    const std::string file = path("graf_1.txt");
    const std::string original = "1.0  2.0\r\n3.0\r\n";
    writeBytes(file, original);
    const IoStatus status = deleteLastRecord(file, file);
    EXPECT_FALSE(status.ok());
    EXPECT_FALSE(status.reason().empty());
    EXPECT_EQ(readBytes(file), original);
}

TEST_F(DeleteLastRecordTest, MissingFileFailsAndWritesNothing)
{
    const IoStatus status = deleteLastRecord(path("graf_1.txt"), path("graf_1.txt"));
    EXPECT_FALSE(status.ok());
    EXPECT_FALSE(status.reason().empty());
    EXPECT_TRUE(namesIn(folder.path()).empty());
}

TEST_F(DeleteLastRecordTest, WritesToAnotherNameAndLeavesTheReadFile)
{
    const std::string previous = path("graf_2.txt");
    const std::string current = path("graf_0.txt");
    const std::string original = "1.0  2.0\r\n3.0  4.0\r\n";
    writeBytes(previous, original);
    writeBytes(current, "9.0  9.0\r\n8.0  8.0\r\n7.0  7.0\r\n");
    ASSERT_TRUE(deleteLastRecord(previous, current).ok());
    EXPECT_EQ(readBytes(current), zoned("1.0", "2.0"));
    EXPECT_EQ(readBytes(previous), original);
}

TEST_F(DeleteLastRecordTest, FailedWriteLeavesEverythingAsItWas)
{
    const std::string source = path("graf_1.txt");
    const std::string original = "1.0  2.0\r\n3.0  4.0\r\n";
    writeBytes(source, original);
    std::filesystem::create_directory(path("graf_0.txt"));
    writeBytes(path("graf_0.txt") + "/inside.txt", "kept");
    const std::string targets[] = {
        source + "/graf_0.txt", // through a regular file: the folder cannot exist
        path("graf_0.txt"),     // a folder where the file should be
    };
    for (const std::string &target : targets) {
        const IoStatus status = deleteLastRecord(source, target);
        EXPECT_FALSE(status.ok()) << target;
        EXPECT_FALSE(status.reason().empty());
    }
    EXPECT_EQ(readBytes(source), original);
    EXPECT_EQ(readBytes(path("graf_0.txt") + "/inside.txt"), "kept");
    EXPECT_EQ(namesIn(folder.path()), (std::vector<std::string>{"graf_0.txt", "graf_1.txt"}));
}

#ifdef TARLEN_HAS_FILE_SIZE_LIMIT
// Runs the call with writes past `limit` bytes of any file failing (as on a full disk).
IoStatus withFileSizeLimit(rlim_t limit, const std::function<IoStatus()> &call)
{
    rlimit saved{};
    getrlimit(RLIMIT_FSIZE, &saved);
    rlimit lowered = saved;
    lowered.rlim_cur = limit;
    const auto previousHandler = std::signal(SIGXFSZ, SIG_IGN);
    if (setrlimit(RLIMIT_FSIZE, &lowered) != 0) {
        std::signal(SIGXFSZ, previousHandler);
        return IoStatus::failure("no size limit");
    }
    IoStatus status = call();
    setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, previousHandler);
    return status;
}

TEST_F(DeleteLastRecordTest, WriteFailingPartWayLeavesTheFileWhole)
{
    const std::string file = path("graf_1.txt");
    std::string original;
    for (int i = 0; i < 200; ++i) {
        original += pointsRecordText(std::to_string(i) + ",0", "1,000E+00");
    }
    writeBytes(file, original);
    const IoStatus status = withFileSizeLimit(512, [&] { return deleteLastRecord(file, file); });
    EXPECT_FALSE(status.ok());
    EXPECT_FALSE(status.reason().empty());
    EXPECT_EQ(readBytes(file), original);
    EXPECT_EQ(namesIn(folder.path()), std::vector<std::string>{"graf_1.txt"});
}
#endif

} // namespace
} // namespace tarlen
