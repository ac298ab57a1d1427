#pragma once

#include "charts/chartsetup.h"
#include "model/keptruns.h"

#include <functional>

// Every chart the program draws, the procedure behind each, and the cycle of nine
// positions that a click on a chart steps through. Both chart windows use this one
// table; each passes its own looks and moves the focus its own way.

enum class Chart {
    NvsT,                      // N(t) against time
    dNvsT,                     // dN(t) against time
    dNvsN,                     // dN against N
    lnNvsT,                    // ln N(t) against time
    NanddNvsT,                 // N and dN against time
    dNperNvsN,                 // dN/N against N
    LogisticTheory,            // growth, harvest line and equilibria of the logistic model
    ExponentialTheory,         // growth and harvest line of the exponential model
    CostAndRevenue,            // cost and revenue, logistic model
    NetProfit,                 // net profit, logistic model
    ExponentialCostAndRevenue, // cost and revenue, exponential model
    ExponentialNetProfit,      // net profit, exponential model
};

inline constexpr int ChartCount = 12;

// Positions 0 to 8 of a chart cycle.
inline constexpr int ChartCyclePositions = 9;

// The position after `position`: one further, and back to 0 after the last.
int nextCyclePosition(int position);

// The chart at a position of the cycle under a model; a position outside the
// cycle counts as 0.
Chart chartAtCyclePosition(int position, Growth model);

// The position of a chart in the cycle under a model; 0 for a chart outside it.
int cyclePositionOf(Chart chart, Growth model);

// The names of a chart's series, in series order: the legend texts of the large
// window, and the names the read-out and the exported data give them.
QStringList seriesNamesOf(Chart chart);

// Where the keyboard focus goes once a window has drawn a chart: on to the
// button that follows the chart (after a mouse click or a button), or it stays
// on the chart, so that Space and Enter there always mean "next chart".
enum class FocusAfterChart {
    HandOn,
    Stay,
};

// Runs kept for comparison, drawn behind the current run, and how a window gives a
// kept run's chart inputs (as it gives the current run's from its boxes).
struct KeptDrawing
{
    KeptRuns *runs = nullptr;
    std::function<ChartInputs(const HarvestState &)> inputs;
};

// The commands of a chart window on kept runs, each saying what came of it:
// "Run kept to compare (2 of 4)", "This run is kept already", "Kept runs forgotten".
QString keepForComparison(KeptRuns &kept, const HarvestState &run);
QString forgetKeptRuns(KeptRuns &kept);

// The menu texts, keys and hints of these commands, alike in both windows.
QString KeepCommandText();
QString KeepCommandHint();
QString ForgetCommandText();
QString HandoutCommandText();
QString HandoutCommandHint();
QString PrintChartCommandText();

// Draws a chart of the run `state`: the whole chart is replaced. Behind it, the
// same chart of every kept run, computed from its own model and parameters, each
// series named by the series and what tells the kept run from this one
// ("harvested, H = 20"), in a paler, dashed form of the series' colour; the
// description tells of the kept runs after this one.
void drawChart(Chart chart, ChartControl &control, HarvestState &state, const ChartInputs &inputs,
               const ChartLook &look, const KeptDrawing &kept = {});
