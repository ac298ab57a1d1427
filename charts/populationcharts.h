#pragma once

#include "charts/chartsetup.h"

// The charts of the last run against time. Each replaces the whole chart; L is
// the run length the window passes (inputs.runLength), bounded by the series.

// N(t) without and with harvest, t = 0 to L.
void ShowNvsT(ChartControl &chart, HarvestState &state, const ChartInputs &inputs,
              const ChartLook &look);
// dN(t) without and with harvest, t = 0 to L - 1.
void ShowdNvsT(ChartControl &chart, HarvestState &state, const ChartInputs &inputs,
               const ChartLook &look);
// ln N(t) without and with harvest, t = 0 to LastPoint (and not past L); sizes that
// are not positive have no logarithm and are left out.
void ShowlnNvsT(ChartControl &chart, HarvestState &state, const ChartInputs &inputs,
                const ChartLook &look);
// N(t) and dN(t) of both populations, t = 0 to L - 1.
void ShowNanddNvsT(ChartControl &chart, HarvestState &state, const ChartInputs &inputs,
                   const ChartLook &look);
