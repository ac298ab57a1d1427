#pragma once

#include "model/harvest.h"
#include "model/keptruns.h"

#include <QStringList>

// A run in sentences, for the first block of a handout: the model, the parameters,
// the final sizes, when the harvested population died out, the equilibria and the
// maximum sustainable yield, and the runs kept beside it.
QStringList runSummary(const HarvestState &run, const KeptRuns &kept);
