// The reader of the number-format settings files: any contents, any previous index.
#include "core/format_settings.h"

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    if (size < 2)
        return 0;
    std::int16_t previous = 0;
    std::memcpy(&previous, data, sizeof previous);
    const std::string contents(reinterpret_cast<const char *>(data) + 2, size - 2);

    const tarlen::NumberFormatIndex read = tarlen::readFormatSetting(contents, previous);
    (void)read;

    // Whatever index is saved is read back unchanged.
    const std::string saved = tarlen::formatSettingsText(previous);
    if (tarlen::readFormatSetting(saved, static_cast<tarlen::NumberFormatIndex>(previous + 1)) !=
        previous)
        __builtin_trap();
    return 0;
}
