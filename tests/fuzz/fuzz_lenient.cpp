// The lenient reader takes any text: it never reads past the text, and what it
// reads is always a finite number.
#include "model/numbertext.h"

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const std::string_view text(reinterpret_cast<const char *>(data), size);
    if (!std::isfinite(numberOfText(text)))
        std::abort();
    return 0;
}
