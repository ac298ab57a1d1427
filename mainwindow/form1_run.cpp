// RUN: the five boxes become the shared record, the chosen model fills the six
// series, and the window shows the final sizes and the N(t) chart.
#include "mainwindow/form1.h"

#include "chartkit/qtchartcontrol.h"
#include "model/growth.h"
#include "model/harvest.h"
#include "model/numbertext.h"
#include "widgets/controls.h"
#include "widgets/spokenitems.h"

#include <QPushButton>

#include <algorithm>

namespace {

double numberIn(const QLineEdit *box) { return numberOfText(box->text().toStdString()); }

QString text(double value) { return QString::fromStdString(textOfNumber(value)); }

} // namespace

void Form1::Command2_Click() { run(RunFrom::Button); }

void Form1::run(RunFrom from)
{
    // RUN reads the boxes as they stand. A run length that the box's own check
    // would not accept is corrected first, so a run never reaches past the series.
    // The run length RUN reads is the student's own, unless an extinction wrote it.
    const bool lengthFromExtinction = m_runLengthFromExtinction;
    checkRunLength();
    const QString runLength = simut->text();

    RunParameters parameters;
    parameters.model = Harvest.GrowthModel;
    parameters.K = numberIn(Kvalue);
    parameters.r = numberIn(rrate);
    parameters.H = numberIn(Harvestrate);
    parameters.n0 = numberIn(n0);
    parameters.runLength = numberIn(simut);
    const RunOutcome outcome = simulate(Harvest, parameters);

    switch (outcome.refusal) {
    case RunRefusal::None: break;
    case RunRefusal::RunLength:
        //: why RUN did not run; t is the run length, %1 the longest run
        return refuseRun(tr("Not run: t is not a whole number from 1 to %1").arg(MaxRunLengthEntry),
                         //: what to change so that RUN runs; %1 is the longest run
                         tr("Enter a run length from 1 to %1").arg(MaxRunLengthEntry),
                         ParameterBox::RunLength, from);
    case RunRefusal::NegativeN0:
        //: why RUN did not run: the initial population size N(0) is below 0
        return refuseRun(tr("Not run: N(0) is negative"), tr("Enter N(0) of 0 or more"),
                         ParameterBox::N0, from);
    case RunRefusal::NegativeRate:
        //: why RUN did not run: the growth rate r is below 0
        return refuseRun(tr("Not run: r is negative"), tr("Enter r of 0 or more"),
                         ParameterBox::Rate, from);
    case RunRefusal::NegativeHarvest:
        //: why RUN did not run: the harvest rate H is below 0
        return refuseRun(tr("Not run: H is negative"), tr("Enter H of 0 or more"),
                         ParameterBox::HarvestRate, from);
    case RunRefusal::NoCapacity:
        //: why RUN did not run: the carrying capacity K is 0 or below
        return refuseRun(tr("Not run: K is not above 0"), tr("Enter K greater than 0"),
                         ParameterBox::Capacity, from);
    case RunRefusal::OutOfRange:
        if (outcome.longestRunLength >= 1)
            //: why RUN did not run: the population N(t) grows past what can be computed
            return refuseRun(tr("Not run: N(t) grows too large"),
                             //: what to change so that RUN runs; %1 is the longest run
                             //: that can be computed
                             tr("Run for t = 1 to %1 at most").arg(outcome.longestRunLength),
                             ParameterBox::RunLength, from);
        return refuseRun(tr("Not run: N(t) grows too large"),
                         //: what to change so that RUN runs: the initial population size
                         //: N(0) or the growth rate r
                         tr("Use a smaller N(0) or r"), ParameterBox::Rate, from);
    }

    Label16->setVisible(false);
    Label17->setVisible(false);
    // Once the harvested population dies out, the run ends at its last living step,
    // whichever step that is: a population that does not survive the first step
    // leaves a run of length 0, and the results show both populations at N(0).
    if (!lengthFromExtinction)
        m_studentRunLength = runLength;
    if (outcome.extinct) {
        simut->setText(text(outcome.lastStep));
        m_runLengthFromExtinction = true;
    }

    const auto i = static_cast<std::size_t>(
        std::clamp<std::int32_t>(wholeNumber32(numberIn(simut)), 0, SeriesLength - 1));
    Text4->setText(text(Harvest.NOriginal[i]));
    Label12->setResult(text(Harvest.NHarvested[i]));

    // RUN shows N(t); a step shows again the chart on screen, so the student sees
    // what the step changes there.
    if (from == RunFrom::Button)
        m_shownPosition = 0;
    showChart(chartAtCyclePosition(m_shownPosition, Harvest.GrowthModel));
    MSChart1->setChartVisible(true);
    // After RUN the focus goes to the chart, so Enter steps on through the charts;
    // after a step it stays in the box, so the student can go on stepping.
    if (from == RunFrom::Button)
        MSChart1->setFocus();
    Command5->setEnabled(true);
    Command11->setEnabled(true);
    //: the caption of the final population size without harvest; %1 is the last
    //: time step t: "Without harvest, N(65)="
    Label4->setText(tr("Without harvest, N(%1)=").arg(simut->text()));
    m_refusalShown = false;
}

// The results as a screen reader tells them: the final sizes, or why there are none.
QString Form1::resultsSaid() const
{
    if (m_refusalShown)
        //: what a screen reader says of a refused run: %1 why it was refused, %2 the
        //: caption "What to change:", %3 what to change
        return tr("%1. %2 %3").arg(Label12->text(), Label4->text(), Text4->text());
    //: what a screen reader says of a run's results: %1 the caption of the harvested
    //: population's final size, %2 that size, %3 the caption of the size without
    //: harvest ("Without harvest, N(65)="), %4 that size
    return tr("%1 %2. %3 %4").arg(Label13->text(), Label12->text(), Label4->text(), Text4->text());
}

// A run the models cannot compute changes nothing of the last run; the result
// fields say why, the focus goes to the box to change (a step leaves it in the box
// stepped), and RUN waits for an entry confirmed with Enter.
void Form1::refuseRun(const QString &reason, const QString &detail, ParameterBox fix, RunFrom from)
{
    Label12->setResult(reason);
    //: the caption of the field that says what to change after a refused run
    Label4->setText(tr("What to change:"));
    Text4->setText(detail);
    m_refusalShown = true;
    MSChart1->setChartVisible(false);
    if (from == RunFrom::Button) {
        TextBox *entry = box(fix);
        if (!entry->isEnabled())
            entry = rrate;
        entry->setFocus();
        entry->selectAll();
        // Said once the focus is in the box, so the reason is what is heard last.
        m_announcer->say(resultsSaid(), Label12);
    }
    disableRun();
    Command5->setEnabled(false);
}
