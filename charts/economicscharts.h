#pragma once

#include "charts/chartsetup.h"

// The economics of a harvest taken from a population held at a constant size N:
// cost N and revenue (p/e) times the sustainable yield at N, in units of the
// expense e, for the price/expense ratios 50, 20, 10 and 5.

// Logistic model: the cost line and the four revenue curves for N = 0 to K.
void ShowCostandRevenue(ChartControl &chart, HarvestState &state, const ChartInputs &inputs,
                        const ChartLook &look);
// Logistic model: the four net profit curves for L points from N = 0 in steps of
// K/50, so N runs past K for run lengths above 51.
void ShowNetProfit(ChartControl &chart, HarvestState &state, const ChartInputs &inputs,
                   const ChartLook &look);

// Exponential model, whose sustainable yield at N is rN: the same curves for
// N = 0 to 2 N(0) in 51 points.
void ShowExponentCostandRevenue(ChartControl &chart, HarvestState &state, const ChartInputs &inputs,
                                const ChartLook &look);
void ShowExponentNetProfit(ChartControl &chart, HarvestState &state, const ChartInputs &inputs,
                           const ChartLook &look);
