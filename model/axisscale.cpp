#include "model/axisscale.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <optional>

namespace AxisScale {

namespace {

// Below this fraction of its magnitude a range is a constant that only rounding
// told apart; below the absolute bound, too narrow to divide into ticks at all.
constexpr double ConstantFraction = 1e-9;
constexpr double NarrowestSpan = 1e-200;
// A constant is shown in a band of at least this fraction of its value each side.
constexpr double ConstantBand = 0.1;
// Markers keep this fraction of the extent clear of either end.
constexpr double MarkerRoomFraction = 0.02;
// Labels side by side need a clear gap to read as separate numbers; grid lines
// closer than two lines of text make the plot look ruled.
constexpr double LabelGapFactor = 1.5;
constexpr double LabelGapPixels = 8;
constexpr double LinesBetweenGridLines = 2;
// Labels never need more decimals than a double holds.
constexpr int MostDecimals = 17;

bool sound(const Scale &scale)
{
    return std::isfinite(scale.min) && std::isfinite(scale.max) && scale.min < scale.max
           && scale.ticks >= 2 && scale.ticks <= MostRoundedTicks;
}

// Plain fixed-point labels ("0", "250", "0.25") where they stay short; very
// large, very small or irregular steps fall back to three significant digits.
int labelDecimals(const Scale &scale)
{
    const double step = (scale.max - scale.min) / (scale.ticks - 1);
    const double magnitude = std::max(std::abs(scale.min), std::abs(scale.max));
    const int decimals = decimalsFor(step);
    if (decimals >= 0 && magnitude < LargestFixedLabel && step > 0)
        return decimals;
    return Scale::SignificantDigits;
}

// A tick meant to be zero is computed as exactly zero, as the chart computes its
// ticks from the ends: a hair below zero reads "-0.00" and a hair either side
// "3.47e-18" in significant digits. The ends are moved by a few units in their
// last place until it is, which no label and no pixel can tell.
constexpr int MostEndNudges = 12;

// `value` moved by `units` units in the last place, up for positive `units`.
double nudged(double value, int units)
{
    for (int i = 0; i < std::abs(units); ++i)
        value = std::nextafter(value, units > 0 ? HUGE_VAL : -HUGE_VAL);
    return value;
}

void exactZeroTick(Scale &scale)
{
    if (!(scale.min < 0 && scale.max > 0))
        return;
    const double step = (scale.max - scale.min) / (scale.ticks - 1);
    const double k = std::round(-scale.min / step);
    const int zero = static_cast<int>(k);
    if (zero <= 0 || zero >= scale.ticks - 1 || std::abs(scale.min + k * step) > step * 1e-9
        || tickValue(scale, zero) == 0)
        return;
    // The smallest moves first: all pairs of moves of the two ends that add up
    // to `total` units.
    for (int total = 1; total <= MostEndNudges; ++total) {
        for (int low = -total; low <= total; ++low) {
            const int rest = total - std::abs(low);
            for (const int high : {rest, -rest}) {
                const Scale moved{nudged(scale.min, low), nudged(scale.max, high), scale.ticks,
                                  scale.decimals};
                if (tickValue(moved, zero) == 0) {
                    scale = moved;
                    return;
                }
            }
        }
    }
}

} // namespace

Range widenedRange(double lo, double hi)
{
    if (!(lo <= hi))
        return {0.0, 1.0};
    lo = std::clamp(lo, -MaxCoordinate, MaxCoordinate);
    hi = std::clamp(hi, -MaxCoordinate, MaxCoordinate);
    const double magnitude = std::max(std::abs(lo), std::abs(hi));
    const double span = hi - lo;
    if (span <= magnitude * ConstantFraction || span < NarrowestSpan) {
        // A constant: centre it in a band wide enough to read. The halves avoid
        // overflow next to the largest doubles.
        const double centre = lo / 2 + hi / 2;
        const double half = std::max(1.0, std::abs(centre) * ConstantBand);
        return {centre - half, centre + half};
    }
    return {lo, hi};
}

Range markerRoom(double lo, double hi)
{
    if (!(lo < hi))
        return {lo, hi};
    const double room = MarkerRoomFraction * (hi - lo);
    return {lo - room, hi + room};
}

double niceNumber(double x, bool roundUp)
{
    const double power = std::pow(10.0, std::floor(std::log10(x)));
    const double fraction = x / power; // from 1 up to 10
    double nice = 10;
    if (roundUp)
        nice = fraction <= 1 ? 1 : fraction <= 2 ? 2 : fraction <= 5 ? 5 : 10;
    else
        nice = fraction < 1.5 ? 1 : fraction < 3 ? 2 : fraction < 7 ? 5 : 10;
    return nice * power;
}

int decimalsFor(double step)
{
    double scaled = step;
    for (int decimals = 0; decimals <= 6; ++decimals) {
        if (std::abs(scaled - std::round(scaled)) <= 1e-6 * std::abs(scaled))
            return decimals;
        scaled *= 10;
    }
    return -1;
}

Scale niceScale(const Range &range, int ticks, bool wholeNumbers)
{
    const int start = std::max(ticks, 2);
    // Loose labelling: the range rounded up to a nice number, divided into a nice
    // step, and the ends moved out to the step's multiples, so both ends carry a tick.
    const double span = niceNumber(range.max - range.min, true);
    double step = niceNumber(span / (start - 1), false);
    if (wholeNumbers)
        step = std::max(step, 1.0);
    const double first = std::floor(range.min / step);
    const double last = std::ceil(range.max / step);
    // Adding zero turns a negative zero into a positive one, so no label reads "-0".
    Scale scale{first * step + 0.0, last * step + 0.0, 0, Scale::SignificantDigits};
    const double count = last - first + 1;
    if (count >= 2 && count <= MostRoundedTicks)
        scale.ticks = int(count);
    if (!sound(scale))
        scale = {range.min, range.max, start, Scale::SignificantDigits};
    scale.decimals = labelDecimals(scale);
    exactZeroTick(scale);
    return scale;
}

double tickValue(const Scale &scale, int index)
{
    return scale.min + (index * (scale.max - scale.min) / (scale.ticks - 1));
}

std::string labelText(double value, int decimals)
{
    // Room for the longest fixed-point double: 309 digits, sign, point and decimals.
    std::array<char, 400> buffer{};
    const auto [end, error]
        = decimals >= 0 ? std::to_chars(buffer.data(), buffer.data() + buffer.size(), value,
                                        std::chars_format::fixed, std::min(decimals, MostDecimals))
                        : std::to_chars(buffer.data(), buffer.data() + buffer.size(), value,
                                        std::chars_format::general, 3);
    if (error != std::errc())
        return {};
    return std::string(buffer.data(), end);
}

bool labelsFit(const Scale &scale, const LabelMetrics &metrics, double length, bool horizontal)
{
    double extent = metrics.height;
    if (horizontal) {
        // Every label is measured: in three significant digits a middle label
        // ("1.5e+07") can be wider than both ends ("0", "2e+07").
        extent = 0;
        for (int i = 0; i < scale.ticks; ++i)
            extent
                = std::max(extent, metrics.width(labelText(tickValue(scale, i), scale.decimals)));
    }
    const double room
        = horizontal ? LabelGapFactor * extent + LabelGapPixels : LinesBetweenGridLines * extent;
    return length / (scale.ticks - 1) >= room;
}

Scale axisScale(const AxisRequest &request, const LabelMetrics &metrics)
{
    const Range drawn
        = request.markerRoom ? markerRoom(request.lo, request.hi) : Range{request.lo, request.hi};
    const Range range = widenedRange(drawn.min, drawn.max);
    if (std::max(std::abs(range.min), std::abs(range.max)) >= HugeMagnitude)
        return {range.min, range.max, 3, Scale::SignificantDigits};

    // Rounding outwards depends on the tick count it starts from in no simple
    // way, so every start is tried: the tightest range whose labels have room
    // wins, and between equally tight ones the tick count nearest the axis' length.
    const double spacing = request.horizontal ? TargetPixelsPerTickAcross : TargetPixelsPerTickUp;
    const int target = std::clamp(int(request.length / spacing) + 1, 3, MostTicks);
    std::optional<Scale> best;
    for (int ticks = 2; ticks <= MostTicks; ++ticks) {
        const Scale scale = niceScale(range, ticks, request.wholeNumbers);
        if (!labelsFit(scale, metrics, request.length, request.horizontal))
            continue;
        if (!best) {
            best = scale;
            continue;
        }
        const double span = scale.max - scale.min;
        const double bestSpan = best->max - best->min;
        const bool sameSpan = std::abs(span - bestSpan) <= 1e-9 * bestSpan;
        if ((!sameSpan && span < bestSpan)
            || (sameSpan && std::abs(scale.ticks - target) < std::abs(best->ticks - target)))
            best = scale;
    }
    if (best)
        return *best;
    // Even the coarsest ticks are crowded: shorten the labels instead, except
    // that whole numbers stay whole, and short.
    Scale coarse = niceScale(range, 2, request.wholeNumbers);
    if (!request.wholeNumbers || coarse.decimals != 0)
        coarse.decimals = Scale::SignificantDigits;
    return coarse;
}

} // namespace AxisScale
