#pragma once

#include "model/harvest.h"

#include <string>

// The two growth models under a constant harvest H, and the run that feeds them.
//
// Both fill, for t = 1 to the run length + 1, the population without harvest
// ("original") and the population under the harvest ("harvested"), with the
// forward differences and relative changes of both. Every population value is
// rounded to 15 significant digits through its text, so the series hold exactly
// the numbers the student can read.

struct ModelOutcome
{
    bool extinct = false;       // the harvested population died out
    double lastStep = 0;        // the run length after the run (lowered on extinction)
    double firstOutOfRange = 0; // first step with a value that is not finite, 0 if none
};

// Logistic model dN/dt = rN(1 - N/K) - H. The population without harvest follows
// the exact solution, the harvested one the difference equation with steps of 1.
// Reads NOriginal[0], NHarvested[0], IntrinsicRate, CarryingCapacity, HarvestRate.
ModelOutcome Logistic(HarvestState &state, double runLength);

// Exponential model dN/dt = rN - H; both series follow the exact solution.
// Reads NOriginal[0], NHarvested[0] and HarvestRate; r is passed in.
ModelOutcome Exponential(HarvestState &state, double r, double runLength);

// The numbers RUN reads from the five parameter boxes.
struct RunParameters
{
    Growth model = Growth::Logistic;
    double n0 = 0;        // N(0), individuals
    double r = 0;         // intrinsic rate per time interval
    double K = 0;         // carrying capacity, individuals
    double H = 0;         // harvest per time interval, individuals
    double runLength = 0; // last time step T, a whole number from 1 to MaxRunLength
};

enum class RunRefusal {
    None,
    RunLength,       // the run length is not a whole number from 1 to MaxRunLength
    NegativeN0,      // N(0) below 0
    NegativeRate,    // r below 0
    NegativeHarvest, // H below 0
    NoCapacity,      // logistic model with K not above 0
    OutOfRange,      // a value of the run is too large for a double
};

struct RunOutcome
{
    RunRefusal refusal = RunRefusal::None;
    bool extinct = false;
    double lastStep = 0;      // SimuT after the run
    int longestRunLength = 0; // with OutOfRange: the longest run that stays in range
};

// Runs the chosen model on the shared state: sets SimuT, the parameters and the
// model of the run, fills the six series and writes ParameterCaption. A run the
// models cannot compute is refused and leaves the state exactly as it was.
RunOutcome simulate(HarvestState &state, const RunParameters &parameters);

// " [N(0)=100, K=500, r=0.2, H=10.]" for a logistic run, without K for an
// exponential one: the parameters of the last run under the model it used.
void setParameterCaption(HarvestState &state);
