#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace tarlen {

// The names a confirmed graph gives the run.
struct GraphNames {
    std::string graphFileName;  // the picture's name with its extension, without the folder
    std::string graphBaseName;  // graphFileName without its extension
    std::string pointsFileName; // the current PointsFile: graphBaseName, "_", lineNumber, ".txt"
};

// Derives the names from graphPath (UTF-8). The file name is what follows the last separator,
// searched from the second-to-last character towards the start (the whole path when there is
// none); the base name cuts four characters, whatever they are (five for a ".jpeg" or ".tiff"
// name), and is empty when the file name is not longer. Lengths count characters (code points), not bytes.
GraphNames deriveGraphNames(std::string_view graphPath, char separator, std::int16_t lineNumber);

} // namespace tarlen
