#pragma once

#include "charts/chartcycle.h"

// The large graph window's charts: long titles that carry the run's parameters,
// legends, and axis titles of their own. `parameterCaption` is the caption of the
// last run, " [N(0)=100, K=500, r=0.2, H=10.]".
ChartLook largeWindowLook(Chart chart, const QString &parameterCaption);

// The run length and N(0) each chart of the large window reads: the run's own,
// never the main window's box. N(t) and ln N(t) end at the last step with a
// harvested population, dN(t) one step later than in the main window.
ChartInputs largeWindowInputs(Chart chart, const HarvestState &run);
