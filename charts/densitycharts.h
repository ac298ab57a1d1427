#pragma once

#include "charts/chartsetup.h"

// Growth against population size: the simulated changes of the last run as point
// clouds, and the theoretical growth curves of both models with the harvest line.

// dN(t) against N(t) without and with harvest, t = 0 to SimuT.
void ShowdNvsN(ChartControl &chart, HarvestState &state, const ChartInputs &inputs,
               const ChartLook &look);
// dN/N against N(t) without and with harvest, t = 0 to L - 1.
void ShowdNperNvsN(ChartControl &chart, HarvestState &state, const ChartInputs &inputs,
                   const ChartLook &look);

// The logistic growth rate rN(1 - N/K) without and with the harvest H, the harvest
// line and the two equilibria as vertical segments from 0 to H, for N = 0 to K.
// Where the equilibria do not exist the segments are left out and the title says
// why; where the curves themselves are not defined (K not above 0) nothing is drawn.
void ShowalldNvsN(ChartControl &chart, HarvestState &state, const ChartInputs &inputs,
                  const ChartLook &look);

// The exponential growth rate rN without and with the harvest H and the harvest
// line, for N = 0 to 2 N(0) (inputs.n0).
void ShowExponentdNandH(ChartControl &chart, HarvestState &state, const ChartInputs &inputs,
                        const ChartLook &look);
