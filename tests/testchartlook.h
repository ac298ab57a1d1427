#pragma once

// The look the chart-procedure tests draw with, their own and no window's: each
// chart's title, the short title an explained title begins with, and the axis
// titles. The procedures carry these into the chart as they are; the tests read
// them back to tell the charts apart.

#include "charts/chartcycle.h"

inline ChartLook testChartLook(Chart chart)
{
    struct Look
    {
        Chart chart;
        const char *title;
        const char *shortTitle;
        const char *yTitle;
        const char *xTitle;
    };
    static constexpr Look Looks[] = {
        {Chart::NvsT, "N(t) vs. time", "N(t) vs. time", "N(t)", "Time"},
        {Chart::dNvsT, "dN(t) vs. time", "dN(t) vs. time", "dN", "Time"},
        {Chart::dNvsN, "dN vs. N", "dN vs. N", "dN", "N"},
        {Chart::lnNvsT, "lnN(t) vs. time", "lnN(t) vs. time", "lnN", "Time"},
        {Chart::NanddNvsT, "N and dN(t) vs. time", "N and dN(t) vs. time", "N and dN", "Time"},
        {Chart::dNperNvsN, "dN/N vs. N", "dN/N vs. N", "dN/N", "N"},
        {Chart::LogisticTheory, "Theoretical dN vs. N (logistic model)", "Theoretical dN vs. N",
         "dN", "N"},
        {Chart::ExponentialTheory, "Theoretical dN vs. N (exponential model)",
         "Theoretical dN vs. N", "dN", "N"},
        {Chart::CostAndRevenue, "Cost and Revenue vs. N", "Cost and Revenue vs. N", "C and R", "N"},
        {Chart::NetProfit, "Net profit vs. N (p/e = 50, 20, 10, 5)", "Net profit vs. N", "Profit",
         "N"},
        {Chart::ExponentialCostAndRevenue, "Cost and Revenue vs. N (exponential model)",
         "Cost and Revenue vs. N", "C and R", "N"},
        {Chart::ExponentialNetProfit, "Net profit vs. N (exponential model)", "Net profit vs. N",
         "Profit", "N"},
    };
    ChartLook look;
    for (const Look &l : Looks)
        if (l.chart == chart) {
            look.title = QString::fromLatin1(l.title);
            look.shortTitle = QString::fromLatin1(l.shortTitle);
            look.yTitle = QString::fromLatin1(l.yTitle);
            look.xTitle = QString::fromLatin1(l.xTitle);
        }
    return look;
}

// Draws a chart with the tests' look, from the run length and N(0) a window would
// read from its boxes.
inline void drawTestChart(Chart chart, ChartControl &control, HarvestState &state,
                          double runLength = 0, double n0 = 0)
{
    drawChart(chart, control, state, ChartInputs{runLength, n0}, testChartLook(chart));
}
