#pragma once

#include "chartkit/chartaxes.h"
#include "chartkit/chartexport.h"
#include "chartkit/chartpoints.h"
#include "chartkit/chartreadout.h"
#include "chartkit/charttable.h"
#include "widgets/controls.h"
#include "widgets/printing.h"
#include "widgets/spokenitems.h"

#include <QChartView>
#include <QList>
#include <QString>
#include <QStringList>

class ChartFrame;
class TimedNotice;

// The chart control drawn with Qt Charts: a chart view that draws the chart its
// cell table (control()) describes. Set-up calls and grid writes are only
// remembered in the table; refresh() rebuilds the visible chart from it in one
// go, so a chart procedure that writes thousands of cells pays for one redraw.
//
// The chart takes no mouse interaction of its own: a left click anywhere on it
// raises clicked(), delivered through the event loop so that the receiver may
// rebuild the chart straight away. It takes the keyboard focus, shows it with a
// frame, and Space or Enter on it count as a click; a screen reader names it by
// its title and reads its description. The point under the mouse, and the point
// the arrow keys move to, are read out beside it (readOut()); its menu offers the
// chart for handouts (exporter()).
class QtChartControl : public QChartView, public PrintAware, private ChartDisplay
{
    Q_OBJECT

public:
    explicit QtChartControl(QWidget *parent = nullptr);
    ~QtChartControl() override;

    // What the chart procedures draw into.
    ChartControl &control() { return m_table; }
    const ChartTable &table() const { return m_table; }

    void setChartVisible(bool visible);
    // The widget's own flag, so the answer holds before the window is first shown.
    bool isChartVisible() const { return !isHidden(); }

    // The chart title as shown: the title given, with a note when some values
    // were too large to draw or nothing is drawn.
    QString shownTitle() const;

    // The points the last refresh plotted, series by series, every one of them:
    // the read-out and the exported data use these, while a long line reaches the
    // painter with only the points the screen can tell apart.
    const SeriesPoints &plotted() const { return m_plotted.series; }
    // The series by their place in the table, in the order they are drawn.
    const QList<int> &drawOrder() const { return m_plotted.drawOrder; }
    // The note of a point read out, by series and place among its points, if any.
    QString pointNote(int series, qsizetype index) const
    {
        return m_plotted.notes.value({series, index});
    }
    // The series' names as the last refresh gave them.
    const QStringList &seriesNames() const { return m_names; }
    // The chart's title, legend, ruling and tick labels, as drawn.
    const ChartFrame &frame() const { return *m_frame; }

    // What the chart shows, in words: its axes, each series, and what the chart
    // knows of its own (the notes the procedures set).
    const QString &description() const { return m_description; }
    // The description and what the keys do, as a screen reader reads it.
    QString spokenDescription() const;

    // What the chart says to a screen reader as it happens: the next chart, a point
    // read out. Its accessible interface lists them as its children.
    SpokenItems &spoken() { return m_spoken; }

    ChartReadOut &readOut() { return m_readOut; }
    const ChartReadOut &readOut() const { return m_readOut; }
    ChartExport &exporter() { return m_export; }

    // The series' points as a painter needs them on a device with `scale` device
    // pixels to the chart's pixel; all of them when `everyPoint`.
    void paintPoints(double scale, bool everyPoint = false);

    // On paper the chart leaves out the read-out and the focus frame, and draws
    // its lines for the paper's dots.
    void aboutToPrint(double dotsPerPixel) override;
    void printed() override;

    // Says what came of an export: through notice(), or where nothing listens, in
    // the chart's title for a few seconds.
    void tell(const QString &text);

    // A command of the window's own in the chart's menu, above the export, and on
    // a key while the chart has the focus; `hint` says so in the tooltip and to a
    // screen reader ("K keeps this run for comparison"). It is offered while
    // `enabled` says so.
    struct Command
    {
        QString text;
        Qt::Key key = Qt::Key_unknown;
        QString hint;
        std::function<void()> run;
        std::function<bool()> enabled;
    };
    void addCommand(Command command);
    const QList<Command> &commands() const { return m_commands; }
    // What the keys do on this chart: the read-out, the steps, the menu, the commands.
    QString keysHint() const;

    // Whether the click being delivered came from Space or Enter on the chart
    // rather than from the mouse: a window that hands the focus on after a click
    // keeps it on the chart for a key, so the next key steps on.
    bool clickFromKeyboard() const { return m_clickFromKeyboard; }

signals:
    void clicked();
    // What came of an export.
    void notice(const QString &text);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;

private:
    // The table's display.
    void drawTable() override;
    void setTableShown(bool shown) override { setChartVisible(shown); }
    bool isTableShown() const override { return isChartVisible(); }

    void applyChartSettings();
    // The title shown, in the chart's title and on the screen.
    void showTitle(const QString &text);
    void showChanges();
    void queueClick(bool fromKeyboard);
    // The description from what the last refresh plotted, told to a screen reader.
    void describe();

    ChartTable m_table{*this};
    SpokenItems m_spoken{this};
    ChartAxes m_axes;
    ChartFrame *m_frame; // owned by the chart
    ChartReadOut m_readOut;
    ChartExport m_export{*this};
    TimedNotice *m_notice; // in the title, where nothing listens to notice()

    // What the last refresh plotted, and the series' names.
    PlottedPoints m_plotted;
    QStringList m_names;
    QString m_description;
    bool m_printing = false;

    ClickDetector m_click;
    bool m_clickFromKeyboard = false;
    QList<Command> m_commands;
};
