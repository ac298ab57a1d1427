// The text of any finite double: no leading blank, no trailing zeros after a
// decimal point, at most 15 significant digits, and read back strictly it is the
// double rounded to 15 significant digits; and the rounding through the text,
// which takes a shorter way, comes to the same number.
#include "model/numbertext.h"

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

namespace {

// The double rounded to 15 significant digits, the long way round.
double roundedTo15(double x)
{
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.14e", x);
    return std::strtod(buffer, nullptr);
}

int significantDigits(const std::string &mantissa)
{
    std::string digits;
    for (char c : mantissa)
        if (c >= '0' && c <= '9')
            digits += c;
    const auto first = digits.find_first_not_of('0');
    if (first == std::string::npos)
        return 1;
    const auto last = digits.find_last_not_of('0');
    // Zeros before the decimal point of a whole number still count as digits.
    const bool whole = mantissa.find('.') == std::string::npos;
    return static_cast<int>((whole ? digits.size() : last + 1) - first);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    if (size != sizeof(double))
        return 0;
    double x = 0;
    std::memcpy(&x, data, sizeof x);
    if (!std::isfinite(x))
        return 0;
    const std::string text = textOfNumber(x);
    if (text.empty() || text.front() == ' ')
        std::abort();
    const std::string mantissa = text.substr(0, text.find('E'));
    if (mantissa.find('.') != std::string::npos
        && (mantissa.back() == '0' || mantissa.back() == '.'))
        std::abort();
    if (significantDigits(mantissa) > 15)
        std::abort();
    // At the top of the range the rounding would pass the largest double; the
    // text then ends one digit lower.
    double expected = roundedTo15(x);
    if (std::isinf(expected))
        expected = std::copysign(1.79769313486231e308, x);
    const std::optional<double> back = textReadAsNumber(text);
    if (!back || *back != expected)
        std::abort();
    if (roundThroughText(x) != numberOfText(text))
        std::abort();
    return 0;
}
