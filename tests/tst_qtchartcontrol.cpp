#include "chartfixture.h"
#include "chartkit/chartframe.h"
#include "chartkit/qtchartcontrol.h"
#include "chartkit/seriesstyle.h"
#include "widgets/units.h"

#include <QChart>
#include <QLineSeries>
#include <QSet>
#include <QTest>
#include <QValueAxis>

#include <cmath>
#include <limits>

namespace {

constexpr double NaN = std::numeric_limits<double>::quiet_NaN();
constexpr double Inf = std::numeric_limits<double>::infinity();

QValueAxis *axisOf(QtChartControl &chart, Qt::Orientation orientation)
{
    return qobject_cast<QValueAxis *>(chart.chart()->axes(orientation).value(0));
}

// The tick labels as the chart draws them; 0 is the x axis, 1 the y axis.
QStringList tickLabels(const QtChartControl &chart, int axis)
{
    return chart.frame().marks(axis).labels;
}

int countPixels(const QImage &image, const QColor &colour)
{
    int count = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            count += image.pixelColor(x, y) == colour;
    return count;
}

} // namespace

class TestQtChartControl : public QObject
{
    Q_OBJECT

private slots:
    // A value a chart cannot draw is left out, never moved, and the title says so.
    void valuesTooLargeAreLeftOutAndNamed()
    {
        QtChartControl chart;
        setUp(chart, 2, 4, false);
        chart.control().setTitleText(QStringLiteral("N(t) vs. time"));
        writeRows(chart, 1, {{0, 1}, {1, 1e308}, {2, Inf}, {3, 2}});
        chart.control().refresh();
        QCOMPARE(seriesAt(chart, 0)->points(), Rows({{0, 1}, {3, 2}}));
        QCOMPARE(chart.chart()->title(),
                 QStringLiteral("N(t) vs. time (some values too large to draw)"));
        QCOMPARE(chart.accessibleName(), chart.chart()->title());
        QVERIFY(axisOf(chart, Qt::Vertical)->max() < 100);

        writeRows(chart, 1, {{0, 1}, {1, 1}, {2, 1}, {3, 2}});
        chart.control().refresh();
        QCOMPARE(chart.chart()->title(), QStringLiteral("N(t) vs. time"));
    }

    void seriesFollowGrid_data()
    {
        QTest::addColumn<int>("columns");
        QTest::addColumn<int>("rows");
        QTest::addColumn<QList<Rows>>("written");
        QTest::addColumn<QList<Rows>>("drawn");

        QTest::addRow("row order kept") << 2 << 3 << QList<Rows>{{{5, 1}, {1, 2}, {3, 3}}}
                                        << QList<Rows>{{{5, 1}, {1, 2}, {3, 3}}};
        QTest::addRow("two series") << 4 << 2 << QList<Rows>{{{0, 1}, {1, 2}}, {{0, -1}, {1, -2}}}
                                    << QList<Rows>{{{0, 1}, {1, 2}}, {{0, -1}, {1, -2}}};
        QTest::addRow("odd last column")
            << 3 << 1 << QList<Rows>{{{1, 1}}} << QList<Rows>{{{1, 1}}};
        QTest::addRow("null cells") << 2 << 4 << QList<Rows>{{{1, 1}, {NaN, 2}, {3, NaN}, {4, 4}}}
                                    << QList<Rows>{{{1, 1}, {4, 4}}};
        QTest::addRow("non-finite cells")
            << 4 << 3 << QList<Rows>{{{1, Inf}, {2, 2}, {-Inf, 3}}, {{1, 1}, {Inf, 5}, {3, 3}}}
            << QList<Rows>{{{2, 2}}, {{1, 1}, {3, 3}}};
        QTest::addRow("unwritten rows")
            << 2 << 5 << QList<Rows>{{{1, 1}, {2, 2}}} << QList<Rows>{{{1, 1}, {2, 2}}};
    }

    void seriesFollowGrid()
    {
        QFETCH(int, columns);
        QFETCH(int, rows);
        QFETCH(QList<Rows>, written);
        QFETCH(QList<Rows>, drawn);

        QtChartControl chart;
        setUp(chart, columns, rows, false);
        for (int i = 0; i < written.size(); ++i)
            writeRows(chart, 2 * i + 1, written.at(i));
        chart.control().refresh();
        QCOMPARE(chart.chart()->series().size(), drawn.size());
        for (int i = 0; i < drawn.size(); ++i)
            QCOMPARE(seriesAt(chart, i)->points(), drawn.at(i));
    }

    void cellsOutliveSmallerGrid()
    {
        QtChartControl chart;
        setUp(chart, 4, 10, false);
        for (int row = 1; row <= 10; ++row)
            for (int column = 1; column <= 4; ++column)
                chart.control().setDataPoint(row, column, row * 10 + column);
        chart.control().setColumnCount(2);
        chart.control().setRowCount(3);
        chart.control().setDataPoint(4, 1, -1.0); // outside the smaller grid: dropped
        chart.control().refresh();
        QCOMPARE(chart.chart()->series().size(), 1);
        QCOMPARE(seriesAt(chart, 0)->count(), 3);

        chart.control().setColumnCount(4);
        chart.control().setRowCount(10);
        chart.control().refresh();
        QCOMPARE(seriesAt(chart, 0)->at(3), QPointF(41, 42));
        QCOMPARE(seriesAt(chart, 1)->count(), 10);
        QCOMPARE(seriesAt(chart, 1)->at(9), QPointF(103, 104));
    }

    void countsClamped_data()
    {
        QTest::addColumn<int>("requested");
        QTest::addColumn<int>("rows");
        QTest::addColumn<int>("columns");
        QTest::addRow("negative") << -3 << 0 << 0;
        QTest::addRow("ordinary") << 12 << 12 << 12;
        QTest::addRow("huge") << 2'000'000'000 << 32767 << 64;
    }

    void countsClamped()
    {
        QFETCH(int, requested);
        QFETCH(int, rows);
        QFETCH(int, columns);

        QtChartControl chart;
        chart.control().setRowCount(requested);
        chart.control().setColumnCount(requested);
        QCOMPARE(chart.control().rowCount(), rows);
        QCOMPARE(chart.control().columnCount(), columns);
        chart.control().setDataPoint(rows, 1, 1.0);
        chart.control().setDataPoint(rows, 2, 2.0);
        chart.control().setDataPoint(0, 1, 9.0);
        chart.control().setDataPoint(rows + 1, 2, 9.0);
        chart.control().refresh();
        QCOMPARE(chart.chart()->series().size(), columns / 2);
        if (columns >= 2 && rows >= 1)
            QCOMPARE(seriesAt(chart, 0)->points(), Rows({{1, 2}}));
    }

    void nothingDrawnBeforeRefresh()
    {
        QtChartControl chart;
        setUp(chart, 2, 1, false);
        chart.control().setTitleText(QStringLiteral("Catch"));
        writeRows(chart, 1, {{1, 1}});
        QVERIFY(chart.chart()->series().isEmpty());
        QVERIFY(chart.chart()->title().isEmpty());
        chart.control().refresh();
        QCOMPARE(chart.chart()->series().size(), 1);
        QCOMPARE(chart.chart()->title(), QStringLiteral("Catch"));
    }

    void axisRangeSound_data()
    {
        QTest::addColumn<Rows>("rows");
        QTest::addRow("empty") << Rows{};
        QTest::addRow("all null") << Rows{{NaN, NaN}, {NaN, 1}};
        QTest::addRow("constant zero") << Rows{{0, 0}, {0, 0}};
        QTest::addRow("constant large") << Rows{{1e6, 2.5e9}, {1e6, 2.5e9}};
        QTest::addRow("constant negative") << Rows{{-7, -0.001}};
        QTest::addRow("nearly constant") << Rows{{1, 1}, {1 + 1e-13, 1 + 1e-13}};
        QTest::addRow("nearly constant large") << Rows{{1e9, 1e9}, {1e9 + 1e-4, 1e9 + 1e-4}};
        QTest::addRow("infinities beside data") << Rows{{Inf, Inf}, {1, 2}, {-Inf, -Inf}, {3, 5}};
        QTest::addRow("NaN beside data") << Rows{{NaN, 9e9}, {0, 1}, {2, 3}};
        QTest::addRow("largest doubles") << Rows{{-1.7e308, 1.7e308}, {1.7e308, -1.7e308}};
        QTest::addRow("one huge value") << Rows{{0, 0}, {1e308, 1e308}};
        QTest::addRow("denormals") << Rows{{1e-310, 1e-310}, {3e-310, 2e-310}};
    }

    // Finite, of positive width, covering the finite data, with distinct numeric labels.
    void axisRangeSound()
    {
        QFETCH(Rows, rows);
        QtChartControl chart;
        chart.resize(MainSize);
        setUp(chart, 2, int(rows.size()), false);
        writeRows(chart, 1, rows);
        chart.control().refresh();

        double low[2] = {Inf, Inf}, high[2] = {-Inf, -Inf};
        for (const QPointF &p : rows) {
            if (!std::isfinite(p.x()) || !std::isfinite(p.y()))
                continue;
            low[0] = std::min(low[0], p.x()), high[0] = std::max(high[0], p.x());
            low[1] = std::min(low[1], p.y()), high[1] = std::max(high[1], p.y());
        }
        for (int i = 0; i < 2; ++i) {
            const QValueAxis *axis = axisOf(chart, i == 0 ? Qt::Horizontal : Qt::Vertical);
            QVERIFY(std::isfinite(axis->max() - axis->min()));
            QVERIFY(axis->min() < axis->max());
            QVERIFY(chart.frame().tickCount(i) >= 2 && chart.frame().tickCount(i) <= 25);
            // The largest doubles may be cut off; everything else must show.
            if (std::abs(low[i]) < 1e300 && std::abs(high[i]) < 1e300)
                QVERIFY(axis->min() <= low[i] && axis->max() >= high[i]);
            const QStringList labels = tickLabels(chart, i);
            QCOMPARE(QSet<QString>(labels.begin(), labels.end()).size(), labels.size());
            for (const QString &label : labels)
                QVERIFY2(!label.contains(QLatin1String("inf"))
                             && !label.contains(QLatin1String("nan")),
                         qPrintable(label));
        }
    }

    void tickLabelsClean_data()
    {
        QTest::addColumn<double>("low");
        QTest::addColumn<double>("high");
        QTest::addColumn<QSize>("size");
        const QSize large(825, 537);
        QTest::addRow("0 to 640") << 0.0 << 640.0 << MainSize;
        QTest::addRow("-15 to 40") << -15.0 << 40.0 << MainSize;
        QTest::addRow("0 to 1250") << 0.0 << 1250.0 << MainSize;
        QTest::addRow("0.01 to 0.25") << 0.01 << 0.25 << MainSize;
        QTest::addRow("1e6 to 1e7") << 1e6 << 1e7 << MainSize;
        QTest::addRow("-0.3 to 0.3") << -0.3 << 0.3 << MainSize;
        QTest::addRow("0 to 1250 large") << 0.0 << 1250.0 << large;
        QTest::addRow("0.001 to 0.002 large") << 0.001 << 0.002 << large;
    }

    // Each label names its tick exactly, no two agree, none reads "-0", and
    // ordinary numbers carry no exponent.
    void tickLabelsClean()
    {
        QFETCH(double, low);
        QFETCH(double, high);
        QFETCH(QSize, size);
        QtChartControl chart;
        chart.resize(size);
        setUp(chart, 2, 2, false);
        writeRows(chart, 1, {{low, low}, {high, high}});
        chart.control().refresh();

        for (const Qt::Orientation orientation : {Qt::Horizontal, Qt::Vertical}) {
            const QValueAxis *axis = axisOf(chart, orientation);
            QVERIFY(axis->min() <= low && axis->max() >= high);
            QVERIFY(axis->max() - axis->min() <= 4 * (high - low));
            const QStringList labels = tickLabels(chart, orientation == Qt::Horizontal ? 0 : 1);
            QVERIFY(labels.size() >= 3);
            QCOMPARE(QSet<QString>(labels.begin(), labels.end()).size(), labels.size());
            const double step = (axis->max() - axis->min()) / double(labels.size() - 1);
            for (int i = 0; i < labels.size(); ++i) {
                const QString &label = labels.at(i);
                const double value = label.toDouble();
                QVERIFY2(std::abs(value - (axis->min() + i * step)) < step * 1e-6,
                         qPrintable(label));
                QVERIFY2(value != 0 || !label.startsWith(QLatin1Char('-')), qPrintable(label));
                QVERIFY2(high >= 1e6 || !label.contains(QLatin1Char('e')), qPrintable(label));
            }
        }
    }

    void seriesStyle_data()
    {
        QTest::addColumn<bool>("points");
        QTest::addRow("line") << false;
        QTest::addRow("points") << true;
    }

    // Each style after the other, as settings left by the last chart stay behind.
    void seriesStyle()
    {
        QFETCH(bool, points);
        QtChartControl chart;
        setUp(chart, 2, 2, !points);
        chart.control().refresh();
        setUp(chart, 2, 2, points);
        writeRows(chart, 1, {{0, 0}, {1, 1}});
        chart.control().refresh();

        const QLineSeries *series = seriesAt(chart, 0);
        QCOMPARE(series->pen().style() == Qt::NoPen, points);
        QCOMPARE(series->pen().color(), QColor(0, 64, 192));
        QCOMPARE(series->lightMarker().isNull(), !points);
        QVERIFY(!series->pointsVisible());
        if (points) {
            const QImage marker = series->lightMarker();
            QVERIFY(marker.width() >= 7 && marker.width() <= 9);
            QCOMPARE(series->markerSize(), qreal(marker.width()));
            QCOMPARE(marker.pixelColor(0, 0), QColor(Qt::black));
            QCOMPARE(marker.pixelColor(1, 1), QColor(255, 64, 192));
            QCOMPARE(marker.pixelColor(marker.width() / 2, marker.height() / 2),
                     QColor(255, 64, 192));
        } else {
            QCOMPARE(series->pen().widthF(), 2.0);
        }
    }

    // What reaches the screen: the squares of a point series but not its line,
    // the line of a line series but no squares.
    void stylesAsDrawn()
    {
        QtChartControl chart;
        setUp(chart, 4, 3, true);
        chart.control().setSeriesLineShown(3, true);
        chart.control().setPointMarkerVisible(3, false);
        writeRows(chart, 1, {{1, 4}, {2, 4}, {4, 1}});
        writeRows(chart, 3, {{0, 0}, {2.5, 2.5}, {5, 5}});
        chart.control().refresh();
        showAndWait(chart);
        const QImage image = chart.grab().toImage();

        const int markerInside = 6 * 6;
        QVERIFY(countPixels(image, QColor(255, 64, 192)) >= 3 * markerInside);
        QCOMPARE(countPixels(image, defaultSeriesColour(1)), 0);
        QVERIFY(countPixels(image, defaultSeriesColour(2)) > 100);
        QCOMPARE(countPixels(image, QColor(255, 150, 0)), 0);
    }

    void legend_data()
    {
        QTest::addColumn<bool>("shown");
        QTest::addColumn<bool>("points");
        QTest::addRow("hidden") << false << false;
        QTest::addRow("lines") << true << false;
        QTest::addRow("points") << true << true;
    }

    void legend()
    {
        QFETCH(bool, shown);
        QFETCH(bool, points);
        QtChartControl chart;
        setUp(chart, 4, 1, points);
        chart.control().setLegendVisible(shown);
        chart.control().setSeriesLegendText(1, QStringLiteral("Stock"));
        chart.control().setSeriesLegendText(3, QStringLiteral("Harvest"));
        chart.control().refresh();

        const QList<LegendEntry> &legend = chart.frame().legend();
        QCOMPARE(legend.size(), shown ? 2 : 0);
        if (!shown)
            return;
        QCOMPARE(legend.at(0).name, QStringLiteral("Stock"));
        QCOMPARE(legend.at(1).name, QStringLiteral("Harvest"));
        // The swatch shows what is drawn: the squares' fill for a point series.
        QCOMPARE(legend.at(1).fill, points ? QColor(255, 150, 0) : QColor(0, 150, 0));
        // It stands at the right of the plot area, which leaves it room.
        QVERIFY(chart.chart()->plotArea().right() + chart.frame().legendWidth() <= chart.width());
    }

    void textAndGrid()
    {
        QtChartControl chart;
        setUp(chart, 2, 0, false);
        chart.control().setTitleText(QStringLiteral("Yield against effort"));
        chart.control().setTitleFontName(QStringLiteral("Arial"));
        chart.control().setTitleFontSize(12);
        chart.control().setAxisTitleText(ChartAxis::X, QStringLiteral("Effort"));
        chart.control().setAxisTitleVisible(ChartAxis::X, true);
        chart.control().setAxisTitleFontSize(ChartAxis::X, 10);
        chart.control().setAxisTitleText(ChartAxis::Y, QStringLiteral("Yield"));
        chart.control().setAxisTitleVisible(ChartAxis::Y, false);
        chart.control().refresh();

        // No rows: the title says there is nothing to draw.
        const QString title = QStringLiteral("Yield against effort (nothing to draw)");
        QCOMPARE(chart.chart()->title(), title);
        QCOMPARE(chart.frame().titleFont().family(), QStringLiteral("Arial"));
        QCOMPARE(chart.frame().titleFont().pixelSize(), pointsToPixels(12));
        const AxisMarks &x = chart.frame().marks(0);
        const AxisMarks &y = chart.frame().marks(1);
        QCOMPARE(chart.frame().title(), title);
        QCOMPARE(x.title, QStringLiteral("Effort"));
        QVERIFY(y.title.isEmpty()); // not shown
        QCOMPARE(x.titleFont.pixelSize(), pointsToPixels(10));
        QVERIFY(x.labelFont.pixelSize() < x.titleFont.pixelSize());
        QVERIFY(chart.frame().linesShown(1));
        QCOMPARE(chart.frame().lineColour(1), QColor(Qt::black));
        QVERIFY(!chart.frame().linesShown(0));
    }

    // The ruling as a student sees it: at every y tick a black grid line, one pixel
    // high, across the plot; no x grid lines; the axis lines along the bottom and
    // the left with a tick mark below and beside every label. Unset, the y grid is
    // light grey.
    void ruling_data()
    {
        QTest::addColumn<bool>("gridSet");
        QTest::addColumn<qreal>("scale");
        QTest::addRow("black grid") << true << 1.0;
        QTest::addRow("black grid, twice the pixels") << true << 2.0;
        QTest::addRow("grey grid") << false << 1.0;
    }

    void ruling()
    {
        QFETCH(bool, gridSet);
        QFETCH(qreal, scale);
        QtChartControl chart;
        chart.control().setColumnCount(2);
        chart.control().setRowCount(3);
        if (gridSet)
            chart.control().setAxisGridLine(ChartAxis::Y, false, Qt::black);
        // Steeply up at the left, then along the top: the rest of the plot is clear.
        writeRows(chart, 1, {{0, 0}, {1, 10}, {10, 10}});
        showAndWait(chart);
        // Pictured at once, before the window has had a chance to lay the chart out.
        chart.control().refresh();
        const QImage image = chart.exporter().picture(scale).toImage();
        const QRectF area = chart.chart()->plotArea();
        const int xTicks = chart.frame().tickCount(0);
        const int yTicks = chart.frame().tickCount(1);
        QVERIFY(yTicks >= 3);
        const QColor grid = gridSet ? QColor(Qt::black) : QColor(220, 220, 220);
        const auto at = [&](qreal px, qreal py) {
            return image.pixelColor(int(std::floor(px * scale)), int(std::floor(py * scale)));
        };
        const qreal column = area.left() + area.width() * 0.6;
        const qreal yStep = area.height() / (yTicks - 1);
        for (int t = 1; t < yTicks - 1; ++t) {
            const qreal row = area.bottom() - t * yStep;
            QCOMPARE(at(column, row), grid);
            // One device pixel high: white just above and below.
            QCOMPARE(image.pixelColor(int(column * scale), int(std::floor(row * scale)) - 1),
                     QColor(Qt::white));
            QCOMPARE(image.pixelColor(int(column * scale), int(std::floor(row * scale)) + 1),
                     QColor(Qt::white));
        }
        // Between two y grid lines no x grid line crosses.
        const qreal between = area.bottom() - (yTicks - 1.5) * yStep;
        const qreal xStep = area.width() / (xTicks - 1);
        for (int t = 1; t < xTicks - 1; ++t)
            QCOMPARE(at(area.left() + t * xStep, between), QColor(Qt::white));
        // The axes: black along the bottom and the left, and their tick marks.
        QCOMPARE(at(column, area.bottom()), QColor(Qt::black));
        QCOMPARE(at(area.left(), between), QColor(Qt::black));
        for (int t = 0; t < xTicks; ++t)
            QCOMPARE(at(area.left() + t * xStep, area.bottom() + ChartFrame::TickLength - 1),
                     QColor(Qt::black));
        QCOMPARE(at(area.left() - ChartFrame::TickLength, area.bottom() - yStep),
                 QColor(Qt::black));
        QCOMPARE(at(area.left() - ChartFrame::TickLength - 1, area.bottom() - yStep),
                 QColor(Qt::white));
    }

    void chartVisibility()
    {
        QWidget window; // never shown: the control's own flag must answer
        auto *chart = new QtChartControl(&window);
        QVERIFY(chart->isChartVisible());
        chart->setChartVisible(false);
        QVERIFY(!chart->isChartVisible());
        chart->setChartVisible(true);
        QVERIFY(chart->isChartVisible());
    }

    // Whole numbers are kept per axis, over refreshes and set-ups, until set again.
    void wholeNumberAxis()
    {
        QtChartControl chart;
        showAndWait(chart);
        const Rows run{{0, 0.0}, {1, 1.5}, {2, 2.5}, {3, 3.0}};
        setUp(chart, 2, 4, false);
        writeRows(chart, 1, run);
        chart.control().setAxisWholeNumbers(ChartAxis::X, true);
        chart.control().refresh();
        const QStringList whole{"0", "1", "2", "3"};
        QCOMPARE(tickLabels(chart, 0), whole);
        QVERIFY(tickLabels(chart, 1).contains(QStringLiteral("0.5")));

        // Points keep clear of the ends by a whole step.
        setUp(chart, 2, 4, true);
        chart.control().refresh();
        QCOMPARE(tickLabels(chart, 0).first(), QStringLiteral("-1"));

        setUp(chart, 2, 4, false);
        chart.control().refresh();
        chart.resize(2 * MainSize); // the ticks are fitted again, still whole
        QCOMPARE(tickLabels(chart, 0), whole);

        chart.control().setAxisWholeNumbers(ChartAxis::X, false);
        chart.control().refresh();
        QVERIFY(tickLabels(chart, 0).contains(QStringLiteral("0.5")));
    }

    // Four long series, one of them points: every point reaches its series.
    void longSeriesDrawn()
    {
        constexpr int PointCount = 10'000;
        QtChartControl chart;
        setUp(chart, 8, PointCount, false);
        chart.control().setPointMarkerVisible(5, true);
        chart.control().setSeriesLineShown(5, false);
        for (int row = 1; row <= PointCount; ++row) {
            for (int column = 1; column <= 8; column += 2) {
                chart.control().setDataPoint(row, column, row);
                chart.control().setDataPoint(row, column + 1, std::sin(row / (100.0 + column)));
            }
        }
        showAndWait(chart);
        chart.control().refresh();

        QCOMPARE(chart.chart()->series().size(), 4);
        for (int i = 0; i < 4; ++i) {
            QCOMPARE(chart.plotted().at(i).size(), PointCount);
            // The painter gets the points the screen can tell apart, ends included:
            // of a line far fewer, of markers one to a pixel.
            QVERIFY(seriesAt(chart, i)->count() < (i == 2 ? PointCount : PointCount / 4));
            QCOMPARE(seriesAt(chart, i)->at(seriesAt(chart, i)->count() - 1).x(),
                     double(PointCount));
        }
        QVERIFY(!seriesAt(chart, 2)->lightMarker().isNull());
        const QValueAxis *x = axisOf(chart, Qt::Horizontal);
        QVERIFY(x->min() <= 1 && x->max() >= PointCount);
    }
};

QTEST_MAIN(TestQtChartControl)
#include "tst_qtchartcontrol.moc"
