#pragma once

#include "charts/chartcycle.h"

// The main window's small chart: short titles, no legend, axis titles in Arial 10.
ChartLook mainWindowLook(Chart chart);
