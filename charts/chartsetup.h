#pragma once

#include "charts/chartcontrol.h"
#include "model/harvest.h"

#include <QStringList>

#include <string_view>

// The standard chart set-up shared by every chart procedure of both chart windows,
// and the way every point reaches the chart.

enum class SeriesStyle {
    Line,  // a plain line through the points in row order, no markers
    Point, // unconnected filled squares with a black outline, no line
};

// What differs between the two windows' versions of one chart.
struct ChartLook
{
    QString title;           // the chart title when the chart is defined
    QString stem;            // the title's start when the chart must say why it is empty
    bool legend = false;     // legend at the right
    QStringList legendTexts; // one per series, when the legend is shown
};

struct ChartFrame
{
    int columns = 0;
    int rows = 0;
    QString title;
    SeriesStyle style = SeriesStyle::Line;
    QString yTitle;
    QString xTitle;
    bool legend = false;
    QStringList legendTexts;
};

// Issues the set-up operations in their fixed order: counts, chart kind, legend,
// title in Arial 10, independent scales, every series in its style, the y axis
// with automatic range and black grid lines, then the x axis.
void standardSetUp(ChartControl &chart, const ChartFrame &frame);

// Writes the point with index `index` to row index + 1 of the series whose x column
// is `series`: x column first, then y. The working values PointIndex, PointX and
// PointY of the shared record follow the point.
void writePoint(ChartControl &chart, HarvestState &state, int series, double index, double x,
                double y);

// Empties rows `from` to `to` of a series, so no point of an earlier chart stays.
void emptyRows(ChartControl &chart, int series, int from, int to);

// The run length in the run-length box's text, for the loop bounds of the main
// window's charts; the run length of the last run when the text is not a number.
// Never beyond the last index of the series.
double runLengthOf(std::string_view simutText, const HarvestState &state);

// N(0) for the exponential charts of the main window: the N(0) box's text when it
// is a number, otherwise the N(0) that the last run read from it.
double n0Of(std::string_view n0Text, const HarvestState &state);

// A row count as the chart takes it: the nearest whole number as a 16-bit integer.
int rowCountOf(double value);
