#include "core/format_settings.h"

#include "tests/core/temp_folder.h"
#include "core/file_size_signal.h"
#include "tests/support/real_failures.h"

#include <gtest/gtest.h>

#include <optional>
#include <ostream>
#include <string>

namespace tarlen {
namespace {

using testing::readBytes;
using testing::TempFolder;
using testing::writeBytes;

TEST(FormatSettingsTextTest, SignPositionDigitsBlankLineEnd)
{
    const std::pair<NumberFormatIndex, std::string> rows[] = {
        {1, " 1 \r\n"}, {2, " 2 \r\n"}, {3, " 3 \r\n"}, {0, " 0 \r\n"}, {12, " 12 \r\n"}, {-5, "-5 \r\n"},
    };
    for (const auto &[index, bytes] : rows) {
        EXPECT_EQ(formatSettingsText(index), bytes) << index;
    }
}

struct ReadCase {
    std::string name;
    std::optional<std::string> contents;
    NumberFormatIndex previous;
    NumberFormatIndex expected;
};

// Failures name the case rather than dumping its bytes.
void PrintTo(const ReadCase &c, std::ostream *out) { *out << c.name; }

class ReadFormatSettingTest : public ::testing::TestWithParam<ReadCase> {};

TEST_P(ReadFormatSettingTest, TakesTheFirstField)
{
    const ReadCase &c = GetParam();
    EXPECT_EQ(readFormatSetting(c.contents, c.previous), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Contents, ReadFormatSettingTest,
    ::testing::Values(
        ReadCase{"SavedFile", " 2 \r\n", 0, 2},
        ReadCase{"MissingFileGivesZero", std::nullopt, 2, 0},
        ReadCase{"EmptyFileGivesZero", "", 2, 0},
        ReadCase{"OnlyBlanksAndLineEndsGivesZero", " \t\r\n\r\n", 2, 0},
        ReadCase{"WordKeepsPrevious", "abc\r\n", 2, 2},
        ReadCase{"NumberFollowedByLettersKeepsPrevious", "3abc", 2, 2},
        ReadCase{"ExponentWithoutDigitsKeepsPrevious", "1e", 2, 2},
        ReadCase{"PointAloneKeepsPrevious", ".", 2, 2},
        ReadCase{"OutsidePatternsIsTaken", "7", 2, 7},
        ReadCase{"OnlyTheFirstFieldCounts", "1\r\n3\r\nxyz\r\n", 2, 1},
        ReadCase{"LeadingLineEndsSkipped", "\r\n\t 3 \r\n", 0, 3},
        ReadCase{"CommaEndsTheField", "2,9", 0, 2},
        ReadCase{"PastSixteenBitsKeepsPrevious", "40000", 2, 2},
        ReadCase{"BelowSixteenBitsKeepsPrevious", "-40000", 2, 2},
        ReadCase{"LargestSixteenBit", "32767", 2, 32767},
        ReadCase{"SmallestSixteenBit", "-32768", 2, -32768},
        ReadCase{"RoundsPastSixteenBitsKeepsPrevious", "32767.5", 2, 2},
        ReadCase{"HalfToEvenDown", "2.5", 0, 2},
        ReadCase{"HalfToEvenUp", "3.5", 0, 4},
        ReadCase{"NegativeHalfToEven", "-2.5", 0, -2},
        ReadCase{"HalfToEvenZero", "0.5", 3, 0},
        ReadCase{"NearestBelowHalf", "2.49", 0, 2},
        ReadCase{"PlusSign", "+2", 0, 2},
        ReadCase{"Exponent", "1e1", 0, 10},
        ReadCase{"HugeExponentKeepsPrevious", "1e999999999999", 2, 2}),
    [](const ::testing::TestParamInfo<ReadCase> &row) { return row.param.name; });

class FormatSettingFileTest : public ::testing::Test {
protected:
    TempFolder folder;
};

TEST_F(FormatSettingFileTest, SaveWritesExactlyTheFiveBytes)
{
    const std::string path = folder.file("xformats.txt");
    ASSERT_TRUE(saveFormatSetting(path, 3).ok());
    EXPECT_EQ(readBytes(path), " 3 \r\n");
    EXPECT_EQ(loadFormatSetting(path, 0), 3);
}

TEST_F(FormatSettingFileTest, SaveReplacesALongerFileWhole)
{
    const std::string path = folder.file("yformats.txt");
    writeBytes(path, " 2 \r\nsome older lines\r\n");
    ASSERT_TRUE(saveFormatSetting(path, 1).ok());
    EXPECT_EQ(readBytes(path), " 1 \r\n");
}

TEST_F(FormatSettingFileTest, LoadOfAMissingOrUnreadableFileGivesZero)
{
    EXPECT_EQ(loadFormatSetting(folder.file("xformats.txt"), 3), 0);
    std::filesystem::create_directory(folder.file("yformats.txt")); // a folder where the file should be
    EXPECT_EQ(loadFormatSetting(folder.file("yformats.txt"), 3), 0);
}

TEST_F(FormatSettingFileTest, SaveThatCannotCreateTheFileFails)
{
    writeBytes(folder.file("plain.txt"), "x");
    std::filesystem::create_directory(folder.file("xformats.txt"));
    const std::string paths[] = {folder.file("plain.txt") + "/xformats.txt", folder.file("xformats.txt")};
    for (const std::string &path : paths) {
        const IoStatus status = saveFormatSetting(path, 2);
        EXPECT_FALSE(status.ok()) << path;
        EXPECT_NE(status.reason().find(path), std::string::npos) << status.reason();
    }
    EXPECT_TRUE(std::filesystem::is_directory(folder.file("xformats.txt")));
    EXPECT_EQ(readBytes(folder.file("plain.txt")), "x");
}

TEST_F(FormatSettingFileTest, FailedSaveKeepsTheSettingSavedBefore)
{
    ignoreFileSizeSignal(); // as the program's start-up does
    const std::string path = folder.file("xformats.txt");
    ASSERT_TRUE(saveFormatSetting(path, 2).ok());
    {
        testing::FileSizeLimit limit(1);
        ASSERT_TRUE(limit.active());
        const IoStatus status = saveFormatSetting(path, 3);
        EXPECT_FALSE(status.ok());
        EXPECT_EQ(status.error(), EFBIG);
    }
    EXPECT_EQ(readBytes(path), " 2 \r\n");
    EXPECT_EQ(loadFormatSetting(path, 0), 2);
    EXPECT_EQ(testing::namesIn(folder.path()), std::vector<std::string>{"xformats.txt"});
}

// Only a regular file is read, and only its start: a FIFO does not hold start-up waiting for
// a writer, and a device or a huge file does not fill the memory.
TEST_F(FormatSettingFileTest, LoadReadsOnlyTheStartOfARegularFile)
{
    ASSERT_TRUE(testing::makeFifo(folder.file("fifo.txt")));
    std::filesystem::create_symlink("/dev/zero", folder.file("zero.txt"));
    std::filesystem::create_symlink("/dev/urandom", folder.file("random.txt"));
    for (const char *name : {"fifo.txt", "zero.txt", "random.txt"}) {
        EXPECT_EQ(loadFormatSetting(folder.file(name), 3), 0) << name;
    }

    // A large file: its first field counts, what lies past the start is never read.
    const std::string large = folder.file("yformats.txt");
    writeBytes(large, " 1 \r\n");
    std::filesystem::resize_file(large, 200'000'000);
    EXPECT_EQ(loadFormatSetting(large, 3), 1);

    std::filesystem::create_symlink("yformats.txt", folder.file("xformats.txt"));
    EXPECT_EQ(loadFormatSetting(folder.file("xformats.txt"), 3), 1);
}

} // namespace
} // namespace tarlen
