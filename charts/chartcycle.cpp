#include "charts/chartcycle.h"

#include "charts/densitycharts.h"
#include "charts/economicscharts.h"
#include "charts/populationcharts.h"

#include <array>

namespace {

using ChartProcedure
    = void (*)(ChartControl &, HarvestState &, const ChartInputs &, const ChartLook &);

// Indexed by Chart.
constexpr std::array<ChartProcedure, ChartCount> Procedures = {
    ShowNvsT,
    ShowdNvsT,
    ShowdNvsN,
    ShowlnNvsT,
    ShowNanddNvsT,
    ShowdNperNvsN,
    ShowalldNvsN,
    ShowExponentdNandH,
    ShowCostandRevenue,
    ShowNetProfit,
    ShowExponentCostandRevenue,
    ShowExponentNetProfit,
};

struct CyclePosition
{
    Chart logistic;
    Chart exponential;
};

// The economics of positions 7 and 8 are drawn for the exponential model too, from
// its own sustainable yield rN, so the cycle never stands still.
constexpr std::array<CyclePosition, ChartCyclePositions> Cycle = {{
    {Chart::NvsT, Chart::NvsT},
    {Chart::dNvsT, Chart::dNvsT},
    {Chart::dNvsN, Chart::dNvsN},
    {Chart::lnNvsT, Chart::lnNvsT},
    {Chart::NanddNvsT, Chart::NanddNvsT},
    {Chart::dNperNvsN, Chart::dNperNvsN},
    {Chart::LogisticTheory, Chart::ExponentialTheory},
    {Chart::CostAndRevenue, Chart::ExponentialCostAndRevenue},
    {Chart::NetProfit, Chart::ExponentialNetProfit},
}};

} // namespace

QStringList seriesNamesOf(Chart chart)
{
    switch (chart) {
    case Chart::NanddNvsT: return {"N(t)", "dN(t)", "N(t) (harvested)", "dN(t) (harvested)"};
    case Chart::LogisticTheory:
        return {"original", "harvested", "harvest rate", "unstable", "stable"};
    case Chart::ExponentialTheory: return {"original", "harvested", "harvest rate"};
    case Chart::CostAndRevenue:
    case Chart::ExponentialCostAndRevenue:
        return {"cost", "R (p/e=50)", "R (p/e=20)", "R (p/e=10)", "R (p/e=5)"};
    case Chart::NetProfit:
    case Chart::ExponentialNetProfit: return {"p/e=50", "p/e=20", "p/e=10", "p/e=5"};
    default: return {"original", "harvested"};
    }
}

int nextCyclePosition(int position)
{
    return position >= 0 && position < ChartCyclePositions - 1 ? position + 1 : 0;
}

Chart chartAtCyclePosition(int position, Growth model)
{
    const CyclePosition &at
        = Cycle[position >= 0 && position < ChartCyclePositions ? std::size_t(position) : 0];
    return model == Growth::Exponential ? at.exponential : at.logistic;
}

int cyclePositionOf(Chart chart, Growth model)
{
    for (int position = 0; position < ChartCyclePositions; ++position)
        if (chartAtCyclePosition(position, model) == chart)
            return position;
    return 0;
}

void drawChart(Chart chart, ChartControl &control, HarvestState &state, const ChartInputs &inputs,
               const ChartLook &look)
{
    control.setFileNameTag(runFileNameTag(state));
    Procedures[static_cast<std::size_t>(chart)](control, state, inputs, look);
}
