#pragma once

#include "chartkit/chartcontrol.h"
#include "model/harvest.h"

#include <QString>
#include <QStringList>

// What every chart procedure of both chart windows shares: the look a window asks
// for, the numbers it passes, the standard set-up and the way every point reaches
// the chart.

enum class SeriesStyle {
    Line,  // a plain line through the points in row order, no markers
    Point, // unconnected filled squares with a black outline, no line
};

// What differs between the two windows' versions of one chart.
struct ChartLook
{
    QString title;           // the chart title
    QString shortTitle;      // the title's start, followed by the reason, when the chart
                             // cannot show everything it is meant to
    QString xTitle;          // x axis title
    QString yTitle;          // y axis title
    bool legend = false;     // a legend at the right
    QStringList legendTexts; // the series' names, in series order, shown in the legend
    QString fontName = QStringLiteral("Arial"); // chart title and axis titles
    double fontPoints = 10;
    bool explained = false; // the title says why the chart may draw nothing
};

// The numbers a window reads for its charts. The procedures never read a window.
struct ChartInputs
{
    double runLength = 0; // L: the run length this chart covers
    double n0 = 0;        // N(0) of the exponential model's theoretical curves
};

enum class XAxis {
    Values,    // any value, such as a population size
    TimeSteps, // whole time steps: the axis ticks at whole numbers
};

// Issues the set-up operations in their fixed order: counts, legend, title, every
// series in the style given, the y axis with black grid lines, then the x axis.
void standardSetUp(ChartControl &chart, int columns, int rows, SeriesStyle style,
                   const ChartLook &look, XAxis xAxis = XAxis::Values);

// The look with its title replaced by the short title and a reason.
ChartLook withReason(const ChartLook &look, const QString &reason);

// Why the logistic model's curves cannot be drawn from the last run (an exponential
// run, which has no K, or a K not above 0); empty when they can.
QString whyNoLogisticCurves(const HarvestState &state);

// Writes the point with index `index` to row index + 1 of the series whose x column
// is `series`: x column first, then y. The working values PointIndex, PointX and
// PointY of the shared record follow the point.
void writePoint(ChartControl &chart, HarvestState &state, int series, double index, double x,
                double y);

// Empties rows `from` to `to` of a series, so no point of an earlier chart stays.
void emptyRows(ChartControl &chart, int series, int from, int to);

// A row count as the chart takes it: the nearest whole number as a 16-bit integer.
int rowCountOf(double value);

// A run length or last step as a chart loop may use it: at most the last index of
// the series, at least -1 (nothing to draw), whatever a caller passed.
double withinSeries(double step);

// The last run's model and parameters as a file name's tag:
// "logistic_n0-100_k-500_r-0.2_h-10_t-65"; an exponential run has no K.
QString runFileNameTag(const HarvestState &state);

// "The curves are not drawn: not defined unless K > 0."
QString curvesNotDrawn(const QString &reason);

// "The harvested population dies out at time 4.", when the last run's harvested
// population died out; nothing otherwise.
QStringList extinctionNote(const HarvestState &state);

// What a population chart of a run says beyond its points: when the harvested
// population died out, and under the logistic model that the two populations are
// computed in two ways.
QStringList populationNotes(const HarvestState &state);

// The last step the logarithm and N(t) charts draw: one before the end of the run
// when the harvested population is 0 there (it started at 0), else the end.
double lastPlottedStep(const HarvestState &state);
