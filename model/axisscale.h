#pragma once

#include <functional>
#include <string>

// The arithmetic of a chart axis: which range it spans, how many ticks it carries
// and how their labels are written. No widgets and no fonts: whoever draws the
// labels measures them through LabelMetrics, so the choices can be tested alone.
namespace AxisScale {

// Past this magnitude the rounding arithmetic can overflow to infinity, so such
// ranges are shown as they are, without rounding to nice numbers.
inline constexpr double HugeMagnitude = 1e300;
// Values are kept within this bound, so that no difference between two of them,
// nor between a value and an axis end, can overflow.
inline constexpr double MaxCoordinate = 4e307;
// More ticks than this crowd even the large chart window.
inline constexpr int MostTicks = 11;
// Rounding that ends in more ticks than this has gone wrong and is not used.
inline constexpr int MostRoundedTicks = 25;
// Fixed-point labels stop here: larger numbers read better in three significant digits.
inline constexpr double LargestFixedLabel = 1e7;
// The tick spacing an axis aims for when several tick counts round to the same range.
inline constexpr double TargetPixelsPerTickAcross = 50;
inline constexpr double TargetPixelsPerTickUp = 40;

// A range of values; `min < max` once it has been widened.
struct Range
{
    double min = 0.0;
    double max = 1.0;

    bool operator==(const Range &) const = default;
};

// What an axis shows: `ticks` evenly spaced ticks from `min` to `max`, both ends
// included, each labelled with `decimals` decimals or with three significant digits.
struct Scale
{
    static constexpr int SignificantDigits = -1;

    double min = 0.0;
    double max = 1.0;
    int ticks = 2;
    int decimals = SignificantDigits;

    bool operator==(const Scale &) const = default;
};

// The values an axis must show and the room it has for them.
struct AxisRequest
{
    double lo = 0.0;           // smallest value drawn
    double hi = -1.0;          // largest value drawn; lo > hi means nothing is drawn
    bool markerRoom = false;   // markers are drawn, so the ends keep clear of the outermost points
    bool wholeNumbers = false; // ticks at whole numbers only, such as time steps
    double length = 0.0;       // pixels along the axis
    bool horizontal = true;    // labels side by side, not one above the other
};

// How much room the labels take, in pixels, measured with the font they are drawn in.
struct LabelMetrics
{
    std::function<double(const std::string &)> width; // across one label
    double height = 0.0;                              // of one line of labels
};

// The extent of the drawn values made into a range an axis can show: never empty,
// never of zero width, always finite, within MaxCoordinate. `lo > hi` or a NaN
// (no values) gives 0 to 1.
Range widenedRange(double lo, double hi);

// The extent reaching a little beyond the outermost points, so that a marker on
// the end of an axis is not cut in half by the plot's edge.
Range markerRoom(double lo, double hi);

// Heckbert's nice number near `x` > 0: 1, 2, 5 or 10 times a power of ten, the
// smallest not below `x` when `roundUp`, otherwise the nearest.
double niceNumber(double x, bool roundUp);

// Decimals needed to write every multiple of `step` exactly, or -1 when more than
// a handful would be needed.
int decimalsFor(double step);

// The range rounded outwards to a nice step, starting from `ticks` ticks; with
// `wholeNumbers` the step is a whole number of at least 1. Falls back to the plain
// range should the rounding not give a sound result.
Scale niceScale(const Range &range, int ticks, bool wholeNumbers = false);

// The value of tick `index` (from 0 at min), computed as the chart computes it.
double tickValue(const Scale &scale, int index);

// A value written as a label with `decimals` decimals, or with three significant
// digits for Scale::SignificantDigits; the C locale's notation, as printf writes it.
std::string labelText(double value, int decimals);

// Whether the tick labels have room between the ticks of an axis `length` pixels long.
bool labelsFit(const Scale &scale, const LabelMetrics &metrics, double length, bool horizontal);

// The scale for the drawn values, rounded to nice numbers with as many ticks as
// the axis' length holds without crowding the labels.
Scale axisScale(const AxisRequest &request, const LabelMetrics &metrics);

} // namespace AxisScale
