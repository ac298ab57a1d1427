#pragma once

#include "charts/chartcycle.h"

#include <QPageSize>
#include <QString>

#include <functional>

class QIODevice;
class QtChartControl;
class QPainter;
class QPrinter;
class QRectF;
class QWidget;

// The teacher's handout of the last run: one PDF file with a first block of the
// program's name, the date, the model, the parameters and the results, then every
// chart of the large window's cycle for the run's model, drawn with its legend and
// parameter title as vector graphics, each with its description as a caption; runs
// kept for comparison drawn and described as on the screen. Two charts to a page,
// in portrait, numbered.

// The paper of the default printer; without one, Letter where the system measures
// in inches, else A4.
QPageSize handoutPaper();

// Writes the handout to `device`; false when it could not be written.
bool writeHandout(QIODevice &device, const QPageSize &paper);

// Asks where to save the handout (a file name carrying the model and the
// parameters) and saves it there at once or not at all. Says what came of it, or
// nothing when the student cancels.
QString saveHandout(QWidget *parent);

// Prints `chart` of the last run alone, as large as the page allows, with its
// title and legend as in the large window, through the printer choice the windows'
// Print uses.
QString printChart(Chart chart, QWidget *parent);

// Draws `chart` of the last run, as the large window draws it and with the runs
// kept, into `target` of the painter's device.
void paintLargeChart(QPainter &painter, const QRectF &target, Chart chart);

// The run's commands in the menu of a chart of either window: keep this run for
// comparison (K on the chart), forget the kept runs, save a handout, print the
// chart. `compared` hears what keeping or forgetting did, `handOut` saves the
// handout, and `shown` gives the chart on screen to print, saying what came of it
// through `told`.
void addRunCommands(QtChartControl &chart, QWidget *window,
                    const std::function<void(const QString &)> &compared,
                    const std::function<void()> &handOut, const std::function<Chart()> &shown,
                    const std::function<void(const QString &)> &told);
