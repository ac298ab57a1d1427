// The strict reader takes any text: it never reads past the text, a number it
// accepts is finite, and the lenient reader reads the same text as the same
// number.
#include "model/numbertext.h"

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const std::string_view text(reinterpret_cast<const char *>(data), size);
    const std::optional<double> strict = textReadAsNumber(text);
    if (!strict)
        return 0;
    if (!std::isfinite(*strict))
        std::abort();
    if (numberOfText(text) != *strict)
        std::abort();
    return 0;
}
