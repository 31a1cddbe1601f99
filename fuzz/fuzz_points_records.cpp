// The reader of points files: any contents. Records it accepts, written back as delete-last
// writes them, read back as the same records.
#include "core/delete_last.h"

#include <cstddef>
#include <cstdint>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const std::string_view contents(reinterpret_cast<const char *>(data), size);
    const auto records = tarlen::parsePointsRecords(contents);
    if (!records)
        return 0;
    const auto again = tarlen::parsePointsRecords(tarlen::printPointsRecords(*records));
    if (!again || *again != *records)
        __builtin_trap();
    return 0;
}
