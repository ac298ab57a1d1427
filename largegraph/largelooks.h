#pragma once

#include "charts/chartcycle.h"

// The large graph window's charts: long titles that carry the run's parameters,
// legends, and axis titles of their own. `parameterCaption` is the caption of the
// last run, " [N(0)=100, K=500, r=0.2, H=10.]".
ChartLook largeWindowLook(Chart chart, const QString &parameterCaption);
