#pragma once

// The chart control set up and filled as the program's chart procedures do it,
// for the tests of its drawing and of its input.

#include "chartkit/qtchartcontrol.h"

#include <QChart>
#include <QLineSeries>
#include <QList>
#include <QPointF>
#include <QTest>

#include <cmath>

// The main window's chart.
inline const QSize MainSize(473, 289);

// The (x, y) rows of one series; a NaN coordinate is written as a null cell.
using Rows = QList<QPointF>;

// Sets the chart up as the program's chart procedures do, all series in one style.
inline void setUp(QtChartControl &chart, int columns, int rows, bool points)
{
    chart.control().setColumnCount(columns);
    chart.control().setRowCount(rows);
    for (int series = 1; series < columns; series += 2) {
        chart.control().setSeriesLineShown(series, !points);
        chart.control().setSeriesMarkersShown(series, false);
        chart.control().setSeriesMarkerAutomatic(series, false);
        chart.control().setPointMarkerVisible(series, points);
        chart.control().setPointMarkerSize(series, 100);
        chart.control().setPointMarkerOutline(series, 5, Qt::black);
        chart.control().setPointMarkerFillRed(series, 255);
    }
    chart.control().setAxisGridLine(ChartAxis::Y, false, Qt::black);
}

inline void writeRows(QtChartControl &chart, int xColumn, const Rows &rows)
{
    for (int i = 0; i < rows.size(); ++i) {
        const QPointF p = rows.at(i);
        chart.control().setDataPoint(i + 1, xColumn, p.x(), std::isnan(p.x()));
        chart.control().setDataPoint(i + 1, xColumn + 1, p.y(), std::isnan(p.y()));
    }
}

inline QLineSeries *seriesAt(QtChartControl &chart, int index)
{
    return qobject_cast<QLineSeries *>(chart.chart()->series().value(index));
}

inline void showAndWait(QtChartControl &chart)
{
    chart.resize(MainSize);
    chart.show();
    QVERIFY(QTest::qWaitForWindowExposed(&chart));
}
