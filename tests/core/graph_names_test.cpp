#include "core/graph_names.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <ostream>
#include <string>
#include <tuple>

namespace tarlen {
namespace {

struct NamesRow {
    const char *tag;
    std::string path; // written with backslashes; the '/' variant swaps them
    std::int16_t lineNumber;
    std::string fileName;
    std::string baseName;
    std::string pointsFileName;
};

std::string withSeparator(std::string text, char separator)
{
    std::replace(text.begin(), text.end(), '\\', separator);
    return text;
}

const NamesRow kNamesRows[] = {
    {"TurkishNameInFolder", "C:\\Grafikler\\eğri.JPG", 0, "eğri.JPG", "eğri", "eğri_0.txt"},
    {"RootFolderTwoSeparators", "C:\\\\x.y.bmp", 0, "x.y.bmp", "x.y", "x.y_0.txt"},
    {"SeveralDots", "D:\\g\\a.b.c.gif", 0, "a.b.c.gif", "a.b.c", "a.b.c_0.txt"},
    {"NoFolderAtAll", "a.b.c.gif", 0, "a.b.c.gif", "a.b.c", "a.b.c_0.txt"},
    {"WholeNameIsTheExtension", "C:\\g\\.bmp", 0, ".bmp", "", "_0.txt"},
    {"LineThree", "C:\\g\\graf.bmp", 3, "graf.bmp", "graf", "graf_3.txt"},
    // Four characters are cut, not four bytes: the extension here is seven bytes long.
    {"MultibyteExtension", "C:\\g\\x.ğış", 0, "x.ğış", "x", "x_0.txt"},
    {"MultibyteFolderAndBase", "C:\\şç\\ğüşiö.gif", 2, "ğüşiö.gif", "ğüşiö", "ğüşiö_2.txt"},
    {"NameShorterThanFour", "C:\\g\\ab", 0, "ab", "", "_0.txt"},
    // The four-letter picture extensions are cut whole, in any letter case.
    {"TiffExtension", "C:\\g\\scan.tiff", 1, "scan.tiff", "scan", "scan_1.txt"},
    {"JpegExtensionUpperCase", "C:\\g\\Foto.JPEG", 0, "Foto.JPEG", "Foto", "Foto_0.txt"},
    {"ThreeLetterTif", "C:\\g\\scan.TIF", 0, "scan.TIF", "scan", "scan_0.txt"},
    {"WholeNameIsAFourLetterExtension", "C:\\g\\.tiff", 0, ".tiff", "", "_0.txt"},
    {"FourLetterExtensionNotAPicture", "C:\\g\\a.html", 0, "a.html", "a.", "a._0.txt"},
    // The last character is never examined, so a trailing separator stays in the name.
    {"TrailingSeparator", "C:\\g\\dirs\\", 0, "dirs\\", "d", "d_0.txt"},
    {"OnlyASeparator", "\\", 0, "\\", "", "_0.txt"},
    {"EmptyPath", "", 0, "", "", "_0.txt"},
};

// Printed as its tag: the row's strings would otherwise show as raw bytes in test listings.
void PrintTo(const NamesRow &row, std::ostream *out)
{
    *out << row.tag;
}

class DeriveGraphNamesTest
    : public ::testing::TestWithParam<std::tuple<NamesRow, char>> {};

TEST_P(DeriveGraphNamesTest, FileBaseAndPointsNames)
{
    const auto &[row, separator] = GetParam();
    const GraphNames names =
        deriveGraphNames(withSeparator(row.path, separator), separator, row.lineNumber);
    EXPECT_EQ(names.graphFileName, withSeparator(row.fileName, separator));
    EXPECT_EQ(names.graphBaseName, withSeparator(row.baseName, separator));
    EXPECT_EQ(names.pointsFileName, withSeparator(row.pointsFileName, separator));
}

INSTANTIATE_TEST_SUITE_P(
    BothSeparators, DeriveGraphNamesTest,
    ::testing::Combine(::testing::ValuesIn(kNamesRows), ::testing::Values('\\', '/')),
    [](const ::testing::TestParamInfo<DeriveGraphNamesTest::ParamType> &param) {
        return std::string(std::get<0>(param.param).tag) +
               (std::get<1>(param.param) == '\\' ? "_Backslash" : "_Slash");
    });

TEST(DeriveGraphNamesOtherSeparatorTest, OnlyTheGivenSeparatorSplits)
{
    const GraphNames slash = deriveGraphNames("/home/u/graf.bmp", '/', 0);
    EXPECT_EQ(slash.graphFileName, "graf.bmp");
    EXPECT_EQ(slash.graphBaseName, "graf");
    EXPECT_EQ(slash.pointsFileName, "graf_0.txt");

    // Searched for a backslash, a Linux path has none and is a file name as a whole.
    const GraphNames backslash = deriveGraphNames("/home/u/graf.bmp", '\\', 1);
    EXPECT_EQ(backslash.graphFileName, "/home/u/graf.bmp");
    EXPECT_EQ(backslash.graphBaseName, "/home/u/graf");
    EXPECT_EQ(backslash.pointsFileName, "/home/u/graf_1.txt");
}

} // namespace
} // namespace tarlen
