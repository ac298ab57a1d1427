#include "model/harvest.h"

HarvestState Harvest;
