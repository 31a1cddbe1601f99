#include "core/graph_names.h"

#include "core/points_file.h"

#include <vector>

namespace tarlen {

namespace {

// Byte offsets at which the characters of a UTF-8 text start; a byte that is not a
// continuation byte starts a character, so stray bytes count as one character each.
std::vector<std::size_t> characterStarts(std::string_view text)
{
    std::vector<std::size_t> starts;
    for (std::size_t i = 0; i < text.size(); ++i)
        if ((static_cast<unsigned char>(text[i]) & 0xC0U) != 0x80U)
            starts.push_back(i);
    return starts;
}

// Whether the name ends in a dot and one of the four-letter picture extensions, in any case.
bool hasFourLetterExtension(std::string_view name)
{
    if (name.size() < 5)
        return false;
    std::string tail(name.substr(name.size() - 5));
    for (char &c : tail)
        if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c - 'A' + 'a');
    return tail == ".jpeg" || tail == ".tiff";
}

} // namespace

GraphNames deriveGraphNames(std::string_view graphPath, char separator, std::int16_t lineNumber)
{
    const std::vector<std::size_t> starts = characterStarts(graphPath);

    // The last character is never examined: it belongs to the file name.
    std::size_t fileStart = 0;
    for (std::size_t i = starts.size() >= 2 ? starts.size() - 1 : 0; i-- > 0;) {
        if (graphPath[starts[i]] == separator) {
            fileStart = i + 1;
            break;
        }
    }

    GraphNames names;
    names.graphFileName = std::string(
        graphPath.substr(fileStart < starts.size() ? starts[fileStart] : graphPath.size()));
    const std::size_t fileLength = starts.size() - fileStart;
    const std::size_t cut = hasFourLetterExtension(names.graphFileName) ? 5 : 4;
    if (fileLength > cut)
        names.graphBaseName =
            names.graphFileName.substr(0, starts[fileStart + fileLength - cut] - starts[fileStart]);
    names.pointsFileName = makePointsFileName(names.graphBaseName, lineNumber);
    return names;
}

} // namespace tarlen
