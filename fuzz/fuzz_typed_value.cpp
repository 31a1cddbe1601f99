// The reader of typed reference values: any text, with either decimal separator.
#include "core/calibration.h"

#include <cstddef>
#include <cstdint>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const std::string_view text(reinterpret_cast<const char *>(data), size);
    for (const char separator : {'.', ','}) {
        const double value = tarlen::leadingNumber(text, separator);
        // The same text read twice gives the same number (no hidden state between reads).
        const double again = tarlen::leadingNumber(text, separator);
        if (!(value == again || (value != value && again != again)))
            __builtin_trap();
    }
    return 0;
}
