// The main window's chart: the chart of each cycle position, the click that steps
// through them, and where the keyboard focus goes after a chart.
#include "mainwindow/form1.h"

#include "chartkit/qtchartcontrol.h"
#include "mainwindow/mainwindowlooks.h"
#include "model/harvest.h"
#include "model/numbertext.h"
#include "widgets/controls.h"
#include "widgets/spokenitems.h"

#include <QPushButton>

// The charts read the run length and N(0) from the boxes; a text that is not a
// number stands for the value the last run read.
ChartInputs Form1::chartInputs() const
{
    ChartInputs inputs;
    inputs.runLength = textReadAsNumber(simut->text().toStdString()).value_or(Harvest.SimuT);
    inputs.n0 = textReadAsNumber(n0->text().toStdString()).value_or(Harvest.NOriginal[0]);
    return inputs;
}

// A kept run's charts read its own run length and N(0), as this run's read the
// boxes, which hold this run's.
void Form1::showChart(Chart chart, FocusAfterChart focus)
{
    const KeptDrawing kept{&Kept, [](const HarvestState &run) {
                               return ChartInputs{run.SimuT, run.NOriginal[0]};
                           }};
    drawChart(chart, MSChart1->control(), Harvest, chartInputs(), mainWindowLook(chart), kept);
    // The exponential model's theory hands over to the population and change
    // chart of the same run; a key on the chart keeps stepping through the charts.
    if (chart == Chart::ExponentialTheory && focus == FocusAfterChart::HandOn)
        Command5->setFocus();
    disableRun();
}

// Qt would pass the focus of a disabled RUN on to the next button, " Print"; the
// chart takes it instead, so that Enter goes on stepping through the charts and
// never prints.
void Form1::disableRun()
{
    if (Command2->hasFocus())
        MSChart1->setFocus();
    Command2->setEnabled(false);
}

// Keeping or forgetting runs draws the chart on screen again, with the focus
// where it is, and says what came of it.
void Form1::compareRuns(const QString &said)
{
    showChart(chartAtCyclePosition(m_shownPosition, Harvest.GrowthModel), FocusAfterChart::Stay);
    showNotice(said);
    m_announcer->say(said, MSChart1);
}

void Form1::Command5_Click()
{
    m_shownPosition = cyclePositionOf(Chart::NanddNvsT, Harvest.GrowthModel);
    showChart(Chart::NanddNvsT);
}

void Form1::MSChart1_Click()
{
    Harvest.GraphIndex = nextCyclePosition(Harvest.GraphIndex);
    m_shownPosition = Harvest.GraphIndex;
    showChart(chartAtCyclePosition(Harvest.GraphIndex, Harvest.GrowthModel),
              MSChart1->clickFromKeyboard() ? FocusAfterChart::Stay : FocusAfterChart::HandOn);
}
