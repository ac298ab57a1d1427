#pragma once

#include "chartkit/chartframe.h"
#include "chartkit/charttable.h"

#include <QColor>
#include <QImage>
#include <QString>

class QLineSeries;

// How a series looks on the chart: its colour, its line, its markers and its
// swatch in the legend.

// The colour a series is drawn in; `seriesNumber` counts from 1 (the series on
// columns 1 and 2).
QColor defaultSeriesColour(int seriesNumber);

// The colour of the series at `index` (from 0): its own, or for a faded copy a tint
// of the colour of the series it copies, paler the older it is.
QColor seriesColour(const SeriesSettings &settings, int index);

// A visible outline is at least one pixel, however thin it was asked to be.
int outlinePixels(const SeriesSettings &settings);
// The series' colour with the red the set-up gave the marker fill.
QColor markerFill(const SeriesSettings &settings, const QColor &seriesColour);
// The filled square stamped at every point of a point series.
QImage markerImage(const SeriesSettings &settings, const QColor &seriesColour);

// The dot that stands for a line of a single point, which a line cannot show.
QImage singlePointImage(const QColor &seriesColour);

// Gives `series` its name, pen and markers; a line of one point shows a dot there.
void styleSeries(QLineSeries *series, const SeriesSettings &settings, const QString &name,
                 const QColor &colour, bool singlePoint = false);

// The series' line in the legend: a series of points alone shows its marker there,
// any other its line's colour.
LegendEntry legendEntry(const SeriesSettings &settings, const QString &name, const QColor &colour);
