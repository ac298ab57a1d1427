#include "chartkit/linesimplify.h"

#include <cmath>
#include <cstdint>
#include <unordered_set>
#include <utility>
#include <vector>

namespace {

// Squared distance in pixels from `p` to the segment from `a` to `b`.
double distanceSquared(QPointF p, QPointF a, QPointF b)
{
    const QPointF ab = b - a;
    const QPointF ap = p - a;
    const double length = ab.x() * ab.x() + ab.y() * ab.y();
    double along = length > 0 ? (ap.x() * ab.x() + ap.y() * ab.y()) / length : 0;
    along = std::clamp(along, 0.0, 1.0);
    const QPointF d = ap - along * ab;
    return d.x() * d.x() + d.y() * d.y();
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
        double farthest = 0;
        qsizetype at = -1;
        for (qsizetype i = first + 1; i < last; ++i) {
            const double d = distanceSquared(screen[std::size_t(i)], screen[std::size_t(first)],
                                             screen[std::size_t(last)]);
            if (d > farthest) {
                farthest = d;
                at = i;
            }
        }
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
