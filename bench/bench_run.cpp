// How long the student waits: a run of the longest length, and a chart of it.
#include "charts/chartcycle.h"
#include "charts/mainwindowlooks.h"
#include "charts/qtchartcontrol.h"
#include "model/growth.h"

#include <QTest>

#include <memory>

class BenchRun : public QObject
{
    Q_OBJECT

private slots:
    void longestLogisticRun()
    {
        auto state = std::make_unique<HarvestState>();
        QBENCHMARK { simulate(*state, RunParameters{Growth::Logistic, 100, 0.2, 500, 10, 2000}); }
    }

    void chartOfTheLongestRun()
    {
        auto state = std::make_unique<HarvestState>();
        simulate(*state, RunParameters{Growth::Logistic, 100, 0.2, 500, 10, 2000});
        QtChartControl chart;
        chart.resize(473, 289);
        chart.show();
        QBENCHMARK
        {
            drawChart(Chart::NanddNvsT, chart, *state, ChartInputs{2000, 100},
                      mainWindowLook(Chart::NanddNvsT));
        }
    }

    void tenThousandPointsPerSeries()
    {
        QtChartControl chart;
        chart.resize(825, 537);
        chart.setColumnCount(8);
        chart.setRowCount(10000);
        for (int row = 1; row <= 10000; ++row)
            for (int column = 1; column <= 8; column += 2) {
                chart.setDataPoint(row, column, row);
                chart.setDataPoint(row, column + 1, row * column % 97);
            }
        chart.show();
        QBENCHMARK { chart.refresh(); }
    }
};

QTEST_MAIN(BenchRun)
#include "bench_run.moc"
