#pragma once

#include "charts/chartcontrol.h"
#include "model/harvest.h"

#include <string_view>

// The main window's charts of the last run against time. Each replaces the whole
// chart; L is the run length in the run-length box's text, read when drawing.

// N(t) without and with harvest, t = 0 to L.
void ShowNvsT(ChartControl &chart, HarvestState &state, std::string_view simutText);
// dN(t) without and with harvest, t = 0 to L - 1.
void ShowdNvsT(ChartControl &chart, HarvestState &state, std::string_view simutText);
// ln N(t) without and with harvest, t = 0 to LastPoint; sizes that are not positive
// have no logarithm and are left out.
void ShowlnNvsT(ChartControl &chart, HarvestState &state, std::string_view simutText);
// N(t) and dN(t) of both populations, t = 0 to L - 1.
void ShowNanddNvsT(ChartControl &chart, HarvestState &state, std::string_view simutText);
