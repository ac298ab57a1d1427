#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

// Number conversions used by every window. The decimal point is always ".",
// whatever locale the process runs in.

// Number of a text (lenient): leading blanks are skipped and the longest leading
// numeric part is read ("12abc" is 12, " -3.5e2x" is -350, "1E+16" is 1e16);
// text without a leading number gives 0. A number too large for a double gives
// the largest finite double of its sign; one too small gives 0.
double numberOfText(std::string_view text);

// Text read as a number (strict): the whole text, blanks around it allowed, must
// be a decimal number such as "12", "-0.5", ".5", "3." or "1.5E-3". Empty text,
// "1,5", "12abc", "nan", "inf", "0x10" and numbers too large for a double fail.
std::optional<double> textReadAsNumber(std::string_view text);

// Text of a number: at most 15 significant digits, no trailing zeros, no leading
// blank. Values from 1E-04 up to below 1E+15 are written in plain decimals, the
// others in exponent form ("1E+16", "1.5E-05"). Minus zero is written "0". A value
// that is not finite has no number text and is written as the placeholder "????".
std::string textOfNumber(double value);

// The value rounded through text: the number of the text of the value, that is
// the value rounded to 15 significant digits. Values that are not finite pass
// through unchanged.
double roundThroughText(double value);

// A number's text shortened for a box too narrow for it, keeping what a reader
// needs at a glance: the sign, the first `digits` significant digits (cut, not
// rounded, and followed by "…") and the order of magnitude, as an exponent
// ("-2.12547…E+92", also for a whole number of 93 digits). A decimal gives up
// decimals first ("443.57…", "0.00012…") and takes the exponent form only once
// part of its whole digits must go ("4.4…E+02"). Nothing when the text is not a
// number or already has no more than `digits` significant digits.
std::optional<std::string> shortenedNumberText(std::string_view text, int digits);

// Nearest whole number, halves to the even neighbour (2.5 gives 2, 3.5 gives 4,
// -2.5 gives -2). Values that are not finite pass through unchanged.
double roundHalfEven(double value);

// Whole number of a value as a 16-bit integer: rounded half to even, then held to
// -32768 ... 32767; a value that is not a number gives 0.
std::int16_t wholeNumber16(double value);

// The same for a 32-bit integer.
std::int32_t wholeNumber32(double value);
