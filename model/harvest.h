#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

// The one record that every window shares: the model choice, the parameters and
// results of the last run, the chart cycle positions, the working values of the
// chart procedures and the title animation counters. Every member starts at 0 or
// as the empty text, which is how the program reads a value never written.

inline constexpr int SeriesLength = 10002; // indexes 0 to 10001

// A run computes one step beyond its length, so the longest run that fits the
// series ends at step 10000.
inline constexpr int MaxRunLength = SeriesLength - 2;

using Series = std::array<double, SeriesLength>;

// The two growth models under a constant harvest H.
enum class Growth {
    Logistic,    // dN/dt = rN(1 - N/K) - H
    Exponential, // dN/dt = rN - H
};

// The model's name where it is shown as text: "Logistic" or "Exponential".
constexpr std::string_view growthModelName(Growth model)
{
    return model == Growth::Exponential ? "Exponential" : "Logistic";
}

struct HarvestState
{
    // The model chosen with the option buttons; the next run and the charts that
    // depend on the model follow it.
    Growth GrowthModel = Growth::Logistic;

    // Model and parameters of the last run.
    Growth RunModel = Growth::Logistic;
    double SimuT = 0;             // run length: the last time step of the run
    double RunLength = 0;         // the run length asked for, before an extinction lowers SimuT
    double CurrentT = 0;          // time-step counter of the running loop
    double IntrinsicRate = 0;     // r, per time interval
    double CarryingCapacity = 0;  // K, individuals (0 after an exponential run)
    double HarvestRate = 0;       // H, individuals harvested per time interval
    std::string ParameterCaption; // " [N(0)=100, K=500, r=0.2, H=10.]"

    // Results; entry t belongs to time step t. Entries beyond a run keep the
    // values of earlier, longer runs.
    Series NOriginal{};       // N(t) without harvest
    Series NHarvested{};      // N(t) under the constant harvest H
    Series dNOriginal{};      // NOriginal(t+1) - NOriginal(t)
    Series dNHarvested{};     // NHarvested(t+1) - NHarvested(t)
    Series dNperNOriginal{};  // dNOriginal(t) / NOriginal(t)
    Series dNperNHarvested{}; // dNHarvested(t) / NHarvested(t)

    // Positions 0 to 8 of the chart cycles of the main and the large window.
    int GraphIndex = 0;
    int LargeGraphIndex = 0;

    // Working values of the chart procedures: after a chart they hold its last point.
    double PointIndex = 0;
    double PointX = 0;
    double PointY = 0;
    double LastPoint = 0;
    double XStep = 0;
    double NUnstable = 0; // lower equilibrium of the logistic model under harvest
    double NStable = 0;   // upper equilibrium

    // Title animation: the step of the 13-tick cycle and the label shown last.
    std::int16_t TitleTick = 0;
    std::int16_t TitleShown = 0;

    bool operator==(const HarvestState &) const = default;
};

// The process-wide instance.
extern HarvestState Harvest;
