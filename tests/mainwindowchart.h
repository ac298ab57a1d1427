#pragma once

// Draws a chart as the main window does: its own look, the run length and N(0)
// the window would read from its boxes.

#include "charts/chartcycle.h"
#include "mainwindow/mainwindowlooks.h"

inline void drawMainChart(Chart chart, ChartControl &control, HarvestState &state,
                          double runLength = 0, double n0 = 0)
{
    drawChart(chart, control, state, ChartInputs{runLength, n0}, mainWindowLook(chart));
}
