#include "chartkit/linesimplify.h"

#include <cmath>
#include <cstdint>
#include <unordered_set>
#include <utility>
#include <vector>

namespace {

// The point of `points[first + 1 .. last - 1]` farthest from the segment from
// points[first] to points[last], and its squared distance in pixels. The squared
// length of the segment multiplies every distance in the loop, which then needs
// no division: the cross product gives the distance to the segment's line where
// a point lies beside the segment, the distance to an end where it lies beyond.
std::pair<qsizetype, double> farthestFrom(const std::vector<QPointF> &points, qsizetype first,
                                          qsizetype last)
{
    const QPointF a = points[std::size_t(first)];
    const QPointF b = points[std::size_t(last)];
    const double abx = b.x() - a.x();
    const double aby = b.y() - a.y();
    const double length = abx * abx + aby * aby;
    double farthest = 0;
    qsizetype at = -1;
    for (qsizetype i = first + 1; i < last; ++i) {
        const QPointF p = points[std::size_t(i)];
        const double apx = p.x() - a.x();
        const double apy = p.y() - a.y();
        const double along = apx * abx + apy * aby;
        double scaled = 0; // squared distance times `length`
        if (length <= 0 || along <= 0) {
            scaled = apx * apx + apy * apy;
            if (length > 0)
                scaled *= length;
        } else if (along >= length) {
            const double bpx = p.x() - b.x();
            const double bpy = p.y() - b.y();
            scaled = (bpx * bpx + bpy * bpy) * length;
        } else {
            const double cross = apx * aby - apy * abx;
            scaled = cross * cross;
        }
        if (scaled > farthest) {
            farthest = scaled;
            at = i;
        }
    }
    return {at, length > 0 ? farthest / length : farthest};
}

} // namespace

QList<QPointF> simplifiedLine(const QList<QPointF> &points, double xPixels, double yPixels,
                              double tolerance)
{
    const qsizetype n = points.size();
    if (n < 3 || !(xPixels > 0) || !(yPixels > 0) || !std::isfinite(xPixels)
        || !std::isfinite(yPixels))
        return points;
    std::vector<QPointF> screen(static_cast<std::size_t>(n));
    for (qsizetype i = 0; i < n; ++i)
        screen[static_cast<std::size_t>(i)]
            = QPointF(points.at(i).x() * xPixels, points.at(i).y() * yPixels);

    std::vector<bool> kept(static_cast<std::size_t>(n), false);
    kept.front() = kept.back() = true;
    const double limit = tolerance * tolerance;
    // Spans still to look at, from a kept point to the next kept point.
    std::vector<std::pair<qsizetype, qsizetype>> spans{{0, n - 1}};
    while (!spans.empty()) {
        const auto [first, last] = spans.back();
        spans.pop_back();
        const auto [at, farthest] = farthestFrom(screen, first, last);
        if (at >= 0 && farthest > limit) {
            kept[static_cast<std::size_t>(at)] = true;
            spans.emplace_back(first, at);
            spans.emplace_back(at, last);
        }
    }
    QList<QPointF> simplified;
    for (qsizetype i = 0; i < n; ++i)
        if (kept[static_cast<std::size_t>(i)])
            simplified.append(points.at(i));
    return simplified;
}

QList<QPointF> distinctPixels(const QList<QPointF> &points, double xPixels, double yPixels)
{
    if (!(xPixels > 0) || !(yPixels > 0) || !std::isfinite(xPixels) || !std::isfinite(yPixels))
        return points;
    std::unordered_set<std::uint64_t> taken;
    QList<QPointF> distinct;
    for (const QPointF &p : points) {
        const double column = std::round(p.x() * xPixels);
        const double row = std::round(p.y() * yPixels);
        // Far out of any screen's reach, a point is kept as it is.
        if (!(std::abs(column) < 1e9 && std::abs(row) < 1e9)) {
            distinct.append(p);
            continue;
        }
        const auto key = (std::uint64_t(std::uint32_t(std::int32_t(column))) << 32)
                         | std::uint32_t(std::int32_t(row));
        if (taken.insert(key).second)
            distinct.append(p);
    }
    // The last point stays, as it does of a line, so the series ends where it ends.
    if (!points.isEmpty() && distinct.last() != points.last())
        distinct.append(points.last());
    return distinct;
}
