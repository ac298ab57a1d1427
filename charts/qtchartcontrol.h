#pragma once

#include "widgets/printing.h"
#include "charts/chartcontrol.h"
#include "charts/chartreadout.h"
#include "widgets/controls.h"

#include <QChartView>
#include <QColor>
#include <QImage>
#include <QList>
#include <QPointF>
#include <QString>

#include <array>
#include <functional>
#include <vector>

class QPainter;
class QValueAxis;
class QLineSeries;
class ChartCallout;
class ChartGrid;
class TimedNotice;

// The chart control drawn with Qt Charts. Set-up calls and grid writes are only
// remembered; refresh() rebuilds the visible chart from them in one go, so a
// chart procedure that writes thousands of cells pays for one redraw.
//
// The chart takes no mouse interaction of its own: a left click anywhere on it
// raises clicked(), delivered through the event loop so that the receiver may
// rebuild the chart straight away. It takes the keyboard focus, shows it with a
// frame, and Space or Enter on it count as a click; a screen reader names it by
// its title.
class QtChartControl : public QChartView, public ChartControl, public PrintAware
{
    Q_OBJECT

public:
    // Bounds on the grid; larger counts are clamped to them.
    static constexpr int MaxRows = 32767;
    static constexpr int MaxColumns = 64;
    static constexpr int MaxSeries = MaxColumns / 2;

    explicit QtChartControl(QWidget *parent = nullptr);
    ~QtChartControl() override;

    // There is one kind of chart, the two-dimensional XY chart.
    void setSeriesKind2dXY() override {}
    void setChartKind2dXY() override {}

    void setColumnCount(int columns) override;
    void setRowCount(int rows) override;
    int columnCount() const override { return m_columns; }
    int rowCount() const override { return m_rows; }
    void setDataPoint(int row, int column, double value, bool isNull = false) override;

    void setLegendVisible(bool shown) override { m_legendVisible = shown; }
    // The legend has a single place, at the right.
    void setLegendPosition(LegendPosition) override {}
    void setTitleFontSize(double points) override { m_titleFontPoints = points; }
    void setTitleFontName(const QString &family) override { m_titleFontName = family; }
    void setTitleText(const QString &text) override { m_titleText = text; }
    // One x and one y axis serve every series, so there is nothing to choose.
    void setIndependentAxisScales(bool) override {}

    void setSeriesMarkersShown(int series, bool shown) override;
    void setSeriesMarkerAutomatic(int series, bool automatic) override;
    void setSeriesLineShown(int series, bool shown) override;
    void setSeriesLegendText(int series, const QString &text) override;
    void setPointMarkerVisible(int series, bool visible) override;
    // The filled square is the only marker there is.
    void setPointMarkerStyle(int, MarkerStyle) override {}
    void setPointMarkerSize(int series, int size) override;
    void setPointMarkerOutline(int series, LinePattern pattern, int width,
                               const QColor &colour) override;
    void setPointMarkerFillRed(int series, int red) override;

    // Both axes are always linear, and their ranges always follow the data.
    void setAxisScaleLinear(ChartAxis) override {}
    void setAxisAutoRange(ChartAxis, bool) override {}
    void setAxisGridLine(ChartAxis axis, LinePattern pattern, bool automaticColour,
                         const QColor &colour) override;
    void setAxisTitleFontSize(ChartAxis axis, double points) override
    {
        axisSettings(axis).titleFontPoints = points;
    }
    void setAxisTitleFontName(ChartAxis axis, const QString &family) override
    {
        axisSettings(axis).titleFontName = family;
    }
    void setAxisTitleVisible(ChartAxis axis, bool visible) override
    {
        axisSettings(axis).titleVisible = visible;
    }
    void setAxisTitleText(ChartAxis axis, const QString &text) override
    {
        axisSettings(axis).titleText = text;
    }
    void setAxisWholeNumbers(ChartAxis axis, bool wholeNumbers) override
    {
        axisSettings(axis).wholeNumbers = wholeNumbers;
    }

    void setChartVisible(bool visible) override;
    // The widget's own flag, so the answer holds before the window is first shown.
    bool isChartVisible() const override { return !isHidden(); }

    void refresh() override;

    // The chart title as shown: the title given, with a note when some values
    // were too large to draw.
    QString shownTitle() const;

    // The colour a series is drawn in when nothing else is said; `seriesNumber`
    // counts from 1 (the series on columns 1 and 2).
    static QColor defaultSeriesColour(int seriesNumber);

    // The points the last refresh plotted, series by series, every one of them:
    // the read-out and the exported data use these, while a long line reaches the
    // painter with only the points the screen can tell apart.
    const SeriesPoints &plotted() const { return m_drawn; }
    // The grid lines drawn across the plot area.
    const ChartGrid &grid() const { return *m_grid; }
    // The read-out of the point under the mouse, shown in the chart beside the point.
    const ChartCallout &readOutMark() const { return *m_callout; }

    // A picture of the window on paper leaves out the read-out.
    void aboutToPrint() override;

    // The chart for a handout: a picture at `scale` times the screen's pixels, the
    // picture on the clipboard, the picture as PNG (twice the screen's resolution)
    // or SVG by the file's suffix, and the points the chart draws as CSV. Each says
    // through notice() what came of it.
    QPixmap picture(qreal scale) const;
    void copyPicture();
    bool savePicture(const QString &path);
    bool saveData(const QString &path);

    // The menu of these commands, at a place on the screen.
    void showExportMenu(const QPoint &globalPos);

    // Where the save commands ask for a file: the standard file dialog, unless a
    // test puts in its own. An empty name cancels.
    using FileChooser = std::function<QString(QWidget *parent, const QString &caption,
                                              const QString &suggested, const QString &filter)>;
    static void setFileChooser(FileChooser chooser);

    // Whether the click being delivered came from Space or Enter on the chart
    // rather than from the mouse: a window that hands the focus on after a click
    // keeps it on the chart for a key, so the next key steps on.
    bool clickFromKeyboard() const { return m_clickFromKeyboard; }

signals:
    void clicked();
    // What came of an export. When nothing listens, the chart shows it in its
    // title for a few seconds.
    void notice(const QString &text);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;

private:
    // Markers are drawn when the point marker is visible, or when automatic
    // markers are both chosen and shown.
    struct SeriesSettings
    {
        bool markersShown = false;
        bool markerAutomatic = true;
        bool lineShown = true;
        bool pointMarkerVisible = false;
        int markerSizeTwips = 0;    // 0: never set, draw the usual size
        int outlineWidthTwips = 12; // one pixel
        QColor outlineColour = Qt::black;
        int fillRed = -1; // -1: keep the red of the series' own colour
        QString legendText;
        bool legendTextSet = false;

        bool markersDrawn() const
        {
            return pointMarkerVisible || (markerAutomatic && markersShown);
        }
    };

    struct AxisSettings
    {
        QString titleText;
        bool titleVisible = false;
        QString titleFontName = QStringLiteral("Arial");
        double titleFontPoints = 10.0;
        bool gridSet = false;
        bool gridAutomaticColour = true;
        QColor gridColour = Qt::black;
        bool wholeNumbers = false;
        QValueAxis *axis = nullptr;
    };

    SeriesSettings *seriesSettings(int series);
    AxisSettings &axisSettings(ChartAxis axis) { return m_axes[axis == ChartAxis::X ? 0 : 1]; }
    double cell(int row, int column) const;

    void applyChartSettings();
    void applyAxisSettings(const AxisSettings &settings, bool isX);
    QList<QPointF> seriesPoints(int seriesIndex);
    QString legendText(int seriesIndex) const;
    void styleSeries(QLineSeries *series, int seriesIndex);
    QList<QPointF> onScreen(const QList<QPointF> &points, const SeriesSettings &settings) const;
    void updateAxisRanges();
    void queueClick(bool fromKeyboard);
    static QColor markerFill(const SeriesSettings &settings, const QColor &seriesColour);
    static int outlinePixels(const SeriesSettings &settings);
    static QImage markerImage(const SeriesSettings &settings, const QColor &seriesColour);

    // The grid as written, one column per vector, each as long as its last
    // written row; never shrunk, so a smaller grid keeps its values for later.
    // An empty cell is held as NaN, which is never drawn either.
    std::vector<std::vector<double>> m_cells;
    int m_rows = 0;
    int m_columns = 0;

    std::array<SeriesSettings, MaxSeries> m_series;
    std::array<AxisSettings, 2> m_axes;
    ChartGrid *m_grid = nullptr;       // owned by the chart
    ChartCallout *m_callout = nullptr; // owned by the chart
    TimedNotice *m_notice = nullptr;   // in the title, where nothing listens to notice()

    QString m_titleText;
    QString m_titleFontName = QStringLiteral("Arial");
    double m_titleFontPoints = 10.0;
    bool m_legendVisible = false;

    // Smallest and largest x, then y, of the points drawn by the last refresh;
    // kept so the ticks can be fitted again when the control is resized.
    std::array<double, 4> m_extent = {0.0, -1.0, 0.0, -1.0};

    ClickDetector m_click;
    bool m_clickFromKeyboard = false;
    bool m_markersDrawn = false;  // some series of the last refresh shows markers
    bool m_pointsLeftOut = false; // the last refresh left out values too large to draw

    // The estimated length of each axis in pixels, from the last fitting of the axes.
    std::array<double, 2> m_plotLengths = {0.0, 0.0};

    // The points and series names of the last refresh, for the read-out and export.
    SeriesPoints m_drawn;
    QStringList m_names;

    void hover(const QPoint &at);
    void hideReadOut();
    void tell(const QString &text);
    void showChanges();
    QString fileNameStem() const;
    void renderChart(QPainter &painter) const;
};
