#pragma once

// Growth and economics of a harvested population held at a constant size N,
// shared by the charts of both chart windows.

// The theoretical curves are drawn over this many equal steps of N, at 51 points.
inline constexpr int CurveIntervals = 50;

// Equilibria of the logistic model under a constant harvest: the roots of
// rN(1 - N/K) = H. They exist for r and K not 0 and H at most rK/4.
struct Equilibria
{
    bool exist = false;
    bool tooLarge = false; // rK is beyond the range of a double: nothing can be said
    double s = 0;          // K times the square root of the discriminant
    double unstable = 0;   // the lower root, where a smaller population dies out
    double stable = 0;     // the upper root, where the population settles
};

Equilibria logisticEquilibria(double r, double K, double H);

// The largest harvest with an equilibrium, the maximum sustainable yield of the
// logistic model: rK/4, the yield at N = K/2, where the growth curve peaks.
double maximumSustainableYield(double r, double K);

// Sustainable yield at size N of the logistic model: rN(1 - N/K), evaluated as
// (rN) * (1 - N/K). Harvesting exactly this keeps the population at N.
double logisticYield(double r, double K, double N);

// With price p per harvested individual and expense e per kept individual, in
// units of e: cost N, revenue (p/e) * yield, net profit revenue - cost.
double logisticRevenue(double ratio, double r, double K, double N);
double logisticNetProfit(double ratio, double r, double K, double N);

// The same for an exponential population, whose sustainable yield at N is rN.
double exponentialRevenue(double ratio, double r, double N);
double exponentialNetProfit(double ratio, double r, double N);

// The four price/expense ratios of the economics charts, always in this order.
inline constexpr double PriceExpenseRatios[4] = {50, 20, 10, 5};
