#pragma once

#include "chartkit/chartpoints.h"

#include <QPixmap>
#include <QString>
#include <QStringList>

#include <functional>

class QPainter;
class QPoint;
class QWidget;
class QtChartControl;

// The chart for handouts: its picture on the clipboard, as PNG (twice the screen's
// resolution) or SVG by the file's suffix, its description on the clipboard, and
// the points it draws as CSV, each offered in the chart's menu. Each says through
// the chart (QtChartControl::tell) what came of it.
class ChartExport
{
public:
    explicit ChartExport(QtChartControl &view) : m_view(view) {}

    // How a picture draws its lines: for its own pixels, or every point unthinned.
    enum class Lines {
        ForPicture,
        EveryPoint
    };

    // The chart as a picture at `scale` times the screen's pixels, without the
    // read-out and the focus frame.
    QPixmap picture(qreal scale, Lines lines = Lines::ForPicture);
    void copyPicture();
    void copyDescription();
    bool savePicture(const QString &path);
    bool saveData(const QString &path);

    // The menu of these commands, at a place on the screen.
    void showMenu(const QPoint &globalPos);

    // The name proposed for a saved file, without its suffix, in the documents folder.
    QString fileNameStem() const;

    // The chart as on the screen but without the read-out and the focus frame, its
    // series as paths through every point, scaled into `target` of the painter's
    // device, keeping its proportions: text stays text, lines stay lines.
    void paintVector(QPainter &painter, const QRectF &target);

    // Where the save commands ask for a file: the standard file dialog, unless a
    // test puts in its own. An empty name cancels.
    using FileChooser = std::function<QString(QWidget *parent, const QString &caption,
                                              const QString &suggested, const QString &filter)>;
    static void setFileChooser(FileChooser chooser);
    // Asks for a file to save, through the chooser.
    static QString chooseFile(QWidget *parent, const QString &caption, const QString &suggested,
                              const QString &filter);

private:
    void renderChart(QPainter &painter) const;
    // The chart with each series as one path through every point it plots.
    void renderVector(QPainter &painter);

    QtChartControl &m_view;
};

// The points as CSV: a header row of series names and axis titles, then one
// column pair per series, numbers as the text of a number with "." as the
// decimal point; a series with fewer points leaves its cells empty below.
QString pointsAsCsv(const QStringList &seriesNames, const QString &xTitle, const QString &yTitle,
                    const SeriesPoints &series);
