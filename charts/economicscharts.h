#pragma once

#include "charts/chartcontrol.h"
#include "charts/chartsetup.h"
#include "model/harvest.h"

#include <string_view>

// The economics of a harvest taken from a population held at a constant size N:
// cost N and revenue (p/e) times the sustainable yield at N, in units of the
// expense e, for the price/expense ratios 50, 20, 10 and 5.

// Logistic model: the cost line and the four revenue curves for N = 0 to K.
void drawCostAndRevenue(ChartControl &chart, HarvestState &state, const ChartLook &look);
// Logistic model: the four net profit curves for `runLength` points from N = 0 in
// steps of K/50, so N runs past K for run lengths above 51.
void drawNetProfit(ChartControl &chart, HarvestState &state, double runLength,
                   const ChartLook &look);

// Exponential model, whose sustainable yield at N is rN: the same curves for
// N = 0 to 2 N(0) in 51 points.
void drawExponentCostAndRevenue(ChartControl &chart, HarvestState &state, double n0,
                                const ChartLook &look);
void drawExponentNetProfit(ChartControl &chart, HarvestState &state, double n0,
                           const ChartLook &look);

// The main window's versions. The run length and N(0) come from the boxes' texts.
void ShowCostandRevenue(ChartControl &chart, HarvestState &state);
void ShowNetProfit(ChartControl &chart, HarvestState &state, std::string_view simutText);
void ShowExponentCostandRevenue(ChartControl &chart, HarvestState &state, std::string_view n0Text);
void ShowExponentNetProfit(ChartControl &chart, HarvestState &state, std::string_view n0Text);
