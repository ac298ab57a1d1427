#include "model/numbertext.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <limits>

namespace {

bool isBlank(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r'; }
bool isDigit(char c) { return c >= '0' && c <= '9'; }

// Length of the longest decimal number at the start of `s` (sign, digits with an
// optional point, optional exponent with at least one digit); 0 when there is none.
std::size_t numberPrefixLength(std::string_view s)
{
    std::size_t i = 0;
    if (i < s.size() && (s[i] == '+' || s[i] == '-'))
        ++i;
    std::size_t digits = 0;
    while (i < s.size() && isDigit(s[i])) {
        ++i;
        ++digits;
    }
    if (i < s.size() && s[i] == '.') {
        ++i;
        while (i < s.size() && isDigit(s[i])) {
            ++i;
            ++digits;
        }
    }
    if (digits == 0)
        return 0;
    if (i < s.size() && (s[i] == 'e' || s[i] == 'E')) {
        std::size_t j = i + 1;
        if (j < s.size() && (s[j] == '+' || s[j] == '-'))
            ++j;
        if (j < s.size() && isDigit(s[j])) {
            while (j < s.size() && isDigit(s[j]))
                ++j;
            i = j;
        }
    }
    return i;
}

// Decimal exponent of the first significant digit of a well-formed number with at
// least one non-zero digit ("123" gives 2, "0.05" gives -2, "1e400" gives 400).
long long leadingExponent(std::string_view number)
{
    long long position = 0; // exponent of the digit being read
    long long first = std::numeric_limits<long long>::min();
    std::size_t i = (number[0] == '+' || number[0] == '-') ? 1 : 0;
    std::size_t intDigits = 0;
    for (std::size_t k = i; k < number.size() && isDigit(number[k]); ++k)
        ++intDigits;
    position = static_cast<long long>(intDigits) - 1;
    for (; i < number.size() && number[i] != 'e' && number[i] != 'E'; ++i) {
        if (number[i] == '.')
            continue;
        if (number[i] != '0' && first == std::numeric_limits<long long>::min())
            first = position;
        --position;
    }
    long long exponent = 0;
    if (i < number.size()) {
        ++i;
        bool negative = false;
        if (number[i] == '+' || number[i] == '-')
            negative = number[i++] == '-';
        for (; i < number.size(); ++i)
            exponent = std::min(exponent * 10 + (number[i] - '0'), 1000000000LL);
        if (negative)
            exponent = -exponent;
    }
    if (first == std::numeric_limits<long long>::min())
        return 0; // all digits zero
    return first + exponent;
}

// Converts a well-formed decimal number. `inRange` is false when it does not fit
// a double; the value is then the largest finite double of its sign (too large)
// or zero (too small).
double convert(std::string_view number, bool &inRange)
{
    const bool negative = number[0] == '-';
    const std::string_view unsignedPart
        = (number[0] == '+' || number[0] == '-') ? number.substr(1) : number;
    double value = 0.0;
    const auto result
        = std::from_chars(unsignedPart.data(), unsignedPart.data() + unsignedPart.size(), value);
    inRange = result.ec == std::errc();
    if (!inRange) {
        value = leadingExponent(number) > 0 ? std::numeric_limits<double>::max() : 0.0;
    }
    return negative ? -value : value;
}

} // namespace

double numberOfText(std::string_view text)
{
    std::size_t start = 0;
    while (start < text.size() && isBlank(text[start]))
        ++start;
    const std::string_view rest = text.substr(start);
    const std::size_t length = numberPrefixLength(rest);
    if (length == 0)
        return 0.0;
    bool inRange = true;
    return convert(rest.substr(0, length), inRange);
}

std::optional<double> textReadAsNumber(std::string_view text)
{
    std::size_t start = 0;
    std::size_t end = text.size();
    while (start < end && isBlank(text[start]))
        ++start;
    while (end > start && isBlank(text[end - 1]))
        --end;
    const std::string_view trimmed = text.substr(start, end - start);
    if (trimmed.empty() || numberPrefixLength(trimmed) != trimmed.size())
        return std::nullopt;
    bool inRange = true;
    const double value = convert(trimmed, inRange);
    if (!inRange && value != 0.0)
        return std::nullopt; // too large for a double
    return value;
}

std::string textOfNumber(double value)
{
    if (!std::isfinite(value))
        return "????";
    if (value == 0.0)
        return "0";

    // Scientific form with 15 significant digits: "-d.dddddddddddddde+XX".
    char buffer[64];
    const auto result
        = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::scientific, 14);
    const std::string_view scientific(buffer, static_cast<std::size_t>(result.ptr - buffer));
    const bool negative = scientific[0] == '-';
    const std::size_t e = scientific.find('e');
    std::string digits;
    for (std::size_t i = negative ? 1 : 0; i < e; ++i)
        if (scientific[i] != '.')
            digits.push_back(scientific[i]);
    int exponent = 0;
    std::from_chars(scientific.data() + e + (scientific[e + 1] == '+' ? 2 : 1),
                    scientific.data() + scientific.size(), exponent);
    // At the very top of the range, rounding to 15 digits goes past the largest
    // double, and the text could not be read back: the last digit goes down
    // instead (1.79769313486231E+308 for the largest double).
    double check = 0;
    if (std::from_chars(scientific.data() + (negative ? 1 : 0),
                        scientific.data() + scientific.size(), check)
            .ec
        == std::errc::result_out_of_range)
        digits.back() = static_cast<char>(digits.back() - 1);
    while (digits.size() > 1 && digits.back() == '0')
        digits.pop_back();

    std::string text = negative ? "-" : "";
    if (exponent >= 15 || exponent <= -5) {
        text += digits[0];
        if (digits.size() > 1) {
            text += '.';
            text.append(digits, 1);
        }
        text += exponent < 0 ? "E-" : "E+";
        const int magnitude = exponent < 0 ? -exponent : exponent;
        if (magnitude < 10)
            text += '0';
        text += std::to_string(magnitude);
    } else if (exponent >= 0) {
        const auto integerDigits = static_cast<std::size_t>(exponent) + 1;
        if (digits.size() <= integerDigits) {
            text += digits;
            text.append(integerDigits - digits.size(), '0');
        } else {
            text.append(digits, 0, integerDigits);
            text += '.';
            text.append(digits, integerDigits);
        }
    } else {
        text += "0.";
        text.append(static_cast<std::size_t>(-exponent - 1), '0');
        text += digits;
    }
    return text;
}

namespace {

// 5^k for k = 0 to 27: the largest fits 63 bits, so 5^k times a 53-bit mantissa
// fits 128 bits exactly.
constexpr int MostExactPowerOfFive = 27;
constexpr std::array<std::uint64_t, MostExactPowerOfFive + 1> PowersOfFive = [] {
    std::array<std::uint64_t, MostExactPowerOfFive + 1> powers{};
    std::uint64_t power = 1;
    for (auto &p : powers) {
        p = power;
        power *= 5;
    }
    return powers;
}();

// 10^k for k = 0 to 22, each exactly a double.
constexpr int MostExactPowerOfTen = 22;
constexpr std::array<double, MostExactPowerOfTen + 1> PowersOfTen = [] {
    std::array<double, MostExactPowerOfTen + 1> powers{};
    double power = 1;
    for (auto &p : powers) {
        p = power;
        power *= 10;
    }
    return powers;
}();

constexpr std::uint64_t FifteenDigits = 1'000'000'000'000'000; // 10^15

// 128 bits, as GCC and Clang provide them.
__extension__ typedef unsigned __int128 Wide;

// |value| rounded to 15 significant digits, half to even as the text of a number
// rounds, and read back, with integer arithmetic only: |value| = m 2^e exactly,
// so |value| 10^k = m 5^k 2^(e+k), whose rounding to a whole number d is exact,
// and d / 10^k is one correctly rounded division. Nothing where the powers would
// not be exact: the text then decides.
std::optional<double> roundedMagnitude(double magnitude)
{
    int binaryExponent = 0;
    const double fraction = std::frexp(magnitude, &binaryExponent);
    const auto mantissa = static_cast<std::uint64_t>(std::ldexp(fraction, 53));
    const int e = binaryExponent - 53;
    int leading = static_cast<int>(std::floor(std::log10(magnitude)));
    for (int attempt = 0; attempt < 3; ++attempt) {
        const int k = 14 - leading;
        if (k < 0 || k > MostExactPowerOfTen)
            return std::nullopt;
        const Wide scaled = static_cast<Wide>(mantissa) * PowersOfFive[static_cast<std::size_t>(k)];
        const int shift = -(e + k);
        if (shift <= 0 || shift >= 120)
            return std::nullopt;
        Wide whole = scaled >> shift;
        // The logarithm can miss the leading digit by one near a power of ten: the
        // value itself, before rounding, has 15 digits before the point, no more
        // and no fewer. (Rounded, 99999999999999.86 read with a leading digit too
        // high would come to 10^14 instead of 99999999999999.9.)
        if (whole >= FifteenDigits) {
            ++leading;
            continue;
        }
        if (whole < FifteenDigits / 10) {
            --leading;
            continue;
        }
        const Wide rest = scaled - (whole << shift);
        const Wide half = static_cast<Wide>(1) << (shift - 1);
        if (rest > half || (rest == half && (whole & 1) != 0))
            ++whole; // up to 10^15 at most, which is exact
        return static_cast<double>(static_cast<std::uint64_t>(whole))
               / PowersOfTen[static_cast<std::size_t>(k)];
    }
    return std::nullopt;
}

} // namespace

double roundThroughText(double value)
{
    if (!std::isfinite(value))
        return value;
    if (value == 0.0)
        return 0.0; // "0", whatever the sign
    if (const std::optional<double> rounded = roundedMagnitude(std::abs(value)))
        return value < 0 ? -*rounded : *rounded;
    // Elsewhere the scientific form holds the same 15 significant digits as the text
    // of a number and reads back to the same double; only at the ends of the range,
    // where the text differs or does not read back, does the text itself decide.
    char buffer[32];
    const auto written
        = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::scientific, 14);
    double read = 0.0;
    if (written.ec == std::errc() && std::from_chars(buffer, written.ptr, read).ec == std::errc()
        && read != 0.0)
        return read;
    return numberOfText(textOfNumber(value));
}

double roundHalfEven(double value)
{
    if (!std::isfinite(value))
        return value;
    const double below = std::floor(value);
    const double fraction = value - below;
    if (fraction > 0.5)
        return below + 1.0;
    if (fraction < 0.5)
        return below;
    return std::fmod(below, 2.0) == 0.0 ? below : below + 1.0;
}

namespace {
template <typename Int>
Int heldWholeNumber(double value)
{
    if (std::isnan(value))
        return 0;
    const double whole = roundHalfEven(value);
    if (whole <= static_cast<double>(std::numeric_limits<Int>::min()))
        return std::numeric_limits<Int>::min();
    if (whole >= static_cast<double>(std::numeric_limits<Int>::max()))
        return std::numeric_limits<Int>::max();
    return static_cast<Int>(whole);
}
} // namespace

std::int16_t wholeNumber16(double value) { return heldWholeNumber<std::int16_t>(value); }
std::int32_t wholeNumber32(double value) { return heldWholeNumber<std::int32_t>(value); }

namespace {

// "E+02", "E-05", "E+308": the exponent as the text of a number writes it.
std::string exponentText(long long exponent)
{
    const long long magnitude = exponent < 0 ? -exponent : exponent;
    return std::string(exponent < 0 ? "E-" : "E+") + (magnitude < 10 ? "0" : "")
           + std::to_string(magnitude);
}

// "d.ddd…E+xx" from the significant digits of a number and the exponent of the first.
std::string exponentForm(const std::string &sign, const std::string &significant,
                         std::size_t digits, long long exponent)
{
    std::string text = sign;
    text.push_back(significant[0]);
    if (digits > 1) {
        text.push_back('.');
        text.append(significant, 1, digits - 1);
    }
    text.append("\u2026");
    text.append(exponentText(exponent));
    return text;
}

} // namespace

std::optional<std::string> shortenedNumberText(std::string_view text, int digits)
{
    if (digits < 1 || !textReadAsNumber(text))
        return std::nullopt;
    const std::string trimmed(text.substr(
        text.find_first_not_of(' '), text.find_last_not_of(' ') - text.find_first_not_of(' ') + 1));
    const std::size_t signLength = trimmed[0] == '-' || trimmed[0] == '+' ? 1 : 0;
    const std::string sign = trimmed[0] == '-' ? "-" : "";
    const std::size_t e = trimmed.find_first_of("eE");
    const std::string mantissa
        = trimmed.substr(signLength, e == std::string::npos ? std::string::npos : e - signLength);
    long long exponent = 0;
    if (e != std::string::npos) {
        std::size_t at = e + 1;
        const bool negative = trimmed[at] == '-';
        if (trimmed[at] == '-' || trimmed[at] == '+')
            ++at;
        for (; at < trimmed.size(); ++at)
            exponent = std::min(exponent * 10 + (trimmed[at] - '0'), 1000000000LL);
        if (negative)
            exponent = -exponent;
    }
    const std::size_t point = mantissa.find('.');
    std::string whole = mantissa.substr(0, point);
    const std::string fraction = point == std::string::npos ? "" : mantissa.substr(point + 1);
    whole.erase(0, std::min(whole.find_first_not_of('0'), whole.size()));
    // The significant digits and the exponent of the first of them.
    std::string significant = whole + fraction;
    const std::size_t leadingZeros
        = std::min(significant.find_first_not_of('0'), significant.size());
    significant.erase(0, leadingZeros);
    while (!significant.empty() && significant.back() == '0' && e == std::string::npos
           && leadingZeros + significant.size() > whole.size())
        significant.pop_back();
    const auto kept = static_cast<std::size_t>(digits);
    if (significant.size() <= kept)
        return std::nullopt;
    const long long first = exponent + static_cast<long long>(whole.size()) - 1
                            - static_cast<long long>(leadingZeros);

    if (e != std::string::npos || kept <= whole.size())
        return exponentForm(sign, significant, kept, first);
    // The whole part, the zeros after the point and as many digits as are kept.
    const std::size_t zeros = whole.empty() ? leadingZeros : 0;
    return sign + (whole.empty() ? "0" : whole) + "."
           + fraction.substr(0, zeros + kept - whole.size()) + "\u2026";
}
