#pragma once

#include "chartkit/chartpoints.h"
#include "chartkit/charttable.h"
#include "widgets/controls.h"
#include "widgets/printing.h"

#include <QChartView>
#include <QPixmap>
#include <QString>
#include <QStringList>

#include <array>
#include <functional>

class QPainter;
class QValueAxis;
class ChartCallout;
class ChartFrame;
class TimedNotice;

// The chart control drawn with Qt Charts. Set-up calls and grid writes are only
// remembered (ChartTable); refresh() rebuilds the visible chart from them in one
// go, so a chart procedure that writes thousands of cells pays for one redraw.
//
// The chart takes no mouse interaction of its own: a left click anywhere on it
// raises clicked(), delivered through the event loop so that the receiver may
// rebuild the chart straight away. It takes the keyboard focus, shows it with a
// frame, and Space or Enter on it count as a click; a screen reader names it by
// its title and reads its description. The point under the mouse is read out
// beside it, and so is the point the arrow keys move to.
class QtChartControl : public QChartView, public ChartTable, public PrintAware
{
    Q_OBJECT

public:
    explicit QtChartControl(QWidget *parent = nullptr);
    ~QtChartControl() override;

    void setChartVisible(bool visible) override;
    // The widget's own flag, so the answer holds before the window is first shown.
    bool isChartVisible() const override { return !isHidden(); }

    void refresh() override;

    // The chart title as shown: the title given, with a note when some values
    // were too large to draw.
    QString shownTitle() const;

    // The points the last refresh plotted, series by series, every one of them:
    // the read-out and the exported data use these, while a long line reaches the
    // painter with only the points the screen can tell apart.
    const SeriesPoints &plotted() const { return m_plotted.series; }
    // The chart's title, legend, ruling and tick labels, as drawn.
    const ChartFrame &frame() const { return *m_frame; }
    // The read-out of the point under the mouse or of the point the keys moved
    // to, shown in the chart beside the point.
    const ChartCallout &readOutMark() const { return *m_callout; }

    // What the chart shows, in words: its axes, each series, and what the chart
    // knows of its own (equilibria, crossings, when a population dies out).
    const QString &description() const { return m_description; }

    // On paper the chart leaves out the read-out and the focus frame, and draws
    // its lines for the paper's dots.
    void aboutToPrint(double dotsPerPixel) override;
    void printed() override;

    // The chart for a handout: a picture at `scale` times the screen's pixels, the
    // picture or the description on the clipboard, the picture as PNG (twice the
    // screen's resolution) or SVG by the file's suffix, and the points the chart
    // draws as CSV. Each says through notice() what came of it. A picture draws
    // its lines for its own pixels; `EveryPoint` draws every point unthinned.
    enum class Lines {
        ForPicture,
        EveryPoint
    };
    QPixmap picture(qreal scale, Lines lines = Lines::ForPicture);
    void copyPicture();
    void copyDescription();
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
    // The view (qtchartcontrol.cpp).
    // A font of the chart: sizes are kept between 4 and 72 points, whatever was asked.
    static QFont chartFont(const QString &family, double points);
    void applyChartSettings();
    // The title shown, in the chart's title and on the screen.
    void showTitle(const QString &text);
    void showChanges();
    void queueClick(bool fromKeyboard);
    // The axes (chartaxes.cpp).
    void applyAxisSettings(ChartAxis axis);
    void fitAxes();
    // The series' points as a painter needs them on a device with `scale` device
    // pixels to the chart's pixel; all of them for `Lines::EveryPoint`.
    void paintPoints(double scale, Lines lines = Lines::ForPicture);
    // The description from what the last refresh plotted, told to a screen reader.
    void describe();
    // The description and what the keys do, as a screen reader reads it.
    QString spokenDescription() const;
    void announce(const QString &text);
    // The read-out (chartreadout.cpp).
    void hover(const QPoint &at);
    void hideReadOut();
    // Moves the keyboard's read-out mark for `key`; false for a key it does not take.
    bool moveReadOut(int key);
    void showReadOut(int series, qsizetype index);
    // The export (chartexport.cpp).
    void tell(const QString &text);
    QString fileNameStem() const;
    void renderChart(QPainter &painter) const;
    // The chart with each series as one path through every point it plots.
    void renderVector(QPainter &painter);

    std::array<QValueAxis *, 2> m_axis{}; // x, then y; owned by the chart
    ChartFrame *m_frame = nullptr;        // owned by the chart
    ChartCallout *m_callout = nullptr;    // owned by the chart
    TimedNotice *m_notice = nullptr;      // in the title, where nothing listens to notice()

    // What the last refresh plotted, and the series' names, for the read-out,
    // the export and the fitting of the axes when the control is resized.
    PlottedPoints m_plotted;
    QStringList m_names;
    // The estimated length of each axis in pixels, from the last fitting of the axes.
    std::array<double, 2> m_plotLengths = {0.0, 0.0};
    QString m_description;
    // The point the keys read out: its series and its place in it; -1 for none.
    int m_markSeries = -1;
    qsizetype m_markIndex = -1;
    bool m_printing = false;

    ClickDetector m_click;
    bool m_clickFromKeyboard = false;
};
