#include "model/harvesttheory.h"

#include <cmath>

Equilibria logisticEquilibria(double r, double K, double H)
{
    Equilibria e;
    if (r == 0.0 || K == 0.0 || !std::isfinite(r) || !std::isfinite(K) || !std::isfinite(H))
        return e;
    if (!std::isfinite(r * K)) {
        e.tooLarge = true;
        return e;
    }
    // s = sqrt(r^2 K^2 + (-4)HKr), with r^2 K^2 as (r r)(K K) and the harvest term as
    // ((-4 H) K) r: the equilibria are pinned to their last digits in this order.
    const double square = (r * r) * (K * K);
    double discriminant = square + ((-4 * H) * K) * r;
    if (!std::isfinite(square) || !std::isfinite(discriminant)) {
        // rK fits a double but its square does not: the same root, taken as
        // |rK| sqrt(1 - 4H/(rK)), stays within range.
        const double rK = r * K;
        const double inside = 1 - 4 * H / rK;
        if (!(inside >= 0))
            return e;
        e.s = std::abs(rK) * std::sqrt(inside);
        e.unstable = (rK - e.s) * (0.5 / r);
        e.stable = (rK + e.s) * (0.5 / r);
        e.exist = std::isfinite(e.unstable) && std::isfinite(e.stable);
        return e;
    }
    // A harvest of exactly rK/4 typed by the student can miss the touching point
    // by a rounding error; the two roots then meet at K/2.
    if (discriminant < 0 && discriminant >= -1e-12 * square)
        discriminant = 0;
    if (!(discriminant >= 0) || !std::isfinite(discriminant))
        return e;
    e.s = std::sqrt(discriminant);
    e.unstable = (r * K - e.s) * (0.5 / r);
    e.stable = (r * K + e.s) * (0.5 / r);
    e.exist = std::isfinite(e.unstable) && std::isfinite(e.stable);
    return e;
}

double maximumSustainableYield(double r, double K) { return r * K / 4; }

double logisticYield(double r, double K, double N)
{
    // rN first, then N/K and 1 - N/K, then the product: the charts' values are
    // pinned to the last digit in this order.
    const double rN = r * N;
    const double fraction = N / K;
    const double room = 1 - fraction;
    return rN * room;
}

double logisticRevenue(double ratio, double r, double K, double N)
{
    return ratio * logisticYield(r, K, N);
}

double logisticNetProfit(double ratio, double r, double K, double N)
{
    return logisticRevenue(ratio, r, K, N) - N;
}

double exponentialRevenue(double ratio, double r, double N) { return ratio * (r * N); }

double exponentialNetProfit(double ratio, double r, double N)
{
    return exponentialRevenue(ratio, r, N) - N;
}
