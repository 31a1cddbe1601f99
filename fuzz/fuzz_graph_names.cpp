// The names derived from a picture's path: any bytes, either separator, any line number.
#include "core/graph_names.h"
#include "core/points_file.h"

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    if (size < 3)
        return 0;
    std::int16_t line = 0;
    std::memcpy(&line, data, sizeof line);
    const char separator = (data[2] & 1) != 0 ? '\\' : '/';
    const std::string_view path(reinterpret_cast<const char *>(data) + 3, size - 3);

    const tarlen::GraphNames names = tarlen::deriveGraphNames(path, separator, line);
    // The file name is the path's end, the base name a start of it, and the points file name
    // follows the one rule.
    if (names.graphFileName.size() > path.size() ||
        path.substr(path.size() - names.graphFileName.size()) != names.graphFileName)
        __builtin_trap();
    if (std::string_view(names.graphFileName).substr(0, names.graphBaseName.size()) !=
        names.graphBaseName)
        __builtin_trap();
    if (names.pointsFileName != tarlen::makePointsFileName(names.graphBaseName, line))
        __builtin_trap();
    return 0;
}
