// Parameter entry: any change of a box's text invalidates the shown results and
// locks RUN; Enter checks the box, puts a fixed text in place of an invalid value,
// unlocks RUN and gives it the focus, so that a second Enter runs.
#include "mainwindow/form1.h"

#include "chartkit/qtchartcontrol.h"
#include "widgets/controls.h"

#include <QPushButton>

TextBox *Form1::box(ParameterBox which) const
{
    switch (which) {
    case ParameterBox::N0: return n0;
    case ParameterBox::Rate: return rrate;
    case ParameterBox::Capacity: return Kvalue;
    case ParameterBox::HarvestRate: return Harvestrate;
    case ParameterBox::RunLength: return simut;
    }
    return n0;
}

void Form1::invalidateResults(ParameterBox changed)
{
    Text4->setText(QString::fromLatin1(boxRule(changed).placeholder));
    Label12->setResult(QStringLiteral("????"));
    // A step writes its box and runs at once: the chart stays to be drawn again.
    if (!m_stepping)
        MSChart1->setChartVisible(false);
    Command2->setEnabled(false);
    Command5->setEnabled(false);
    // The advice of a refused run goes with it; a run's own caption stays.
    if (m_refusalShown) {
        //: the caption of the result field before a run: the final population size
        //: without harvest
        Label4->setText(tr("Population size :"));
        m_refusalShown = false;
    }
}

void Form1::n0_Change() { invalidateResults(ParameterBox::N0); }
void Form1::rrate_Change() { invalidateResults(ParameterBox::Rate); }
void Form1::Kvalue_Change() { invalidateResults(ParameterBox::Capacity); }
void Form1::Harvestrate_Change() { invalidateResults(ParameterBox::HarvestRate); }
void Form1::simut_Change()
{
    m_runLengthFromExtinction = false;
    invalidateResults(ParameterBox::RunLength);
}

void Form1::confirmEntry(ParameterBox which, int keyAscii)
{
    if (keyAscii != EnterKeyAscii)
        return;
    TextBox *entry = box(which);
    // A replacement is a change, so the box's change handler runs.
    if (const auto corrected = correctedEntry(which, entry->text().toStdString()))
        entry->setText(QString::fromStdString(*corrected));
    if (which == ParameterBox::RunLength)
        m_studentRunLength = simut->text();
    Command2->setEnabled(true);
    Command2->setFocus();
}

void Form1::n0_KeyPress(int keyAscii) { confirmEntry(ParameterBox::N0, keyAscii); }
void Form1::rrate_KeyPress(int keyAscii) { confirmEntry(ParameterBox::Rate, keyAscii); }
void Form1::Kvalue_KeyPress(int keyAscii) { confirmEntry(ParameterBox::Capacity, keyAscii); }
void Form1::Harvestrate_KeyPress(int keyAscii)
{
    confirmEntry(ParameterBox::HarvestRate, keyAscii);
}
void Form1::simut_KeyPress(int keyAscii) { confirmEntry(ParameterBox::RunLength, keyAscii); }

void Form1::checkRunLength()
{
    if (const auto corrected = correctedEntry(ParameterBox::RunLength, simut->text().toStdString()))
        simut->setText(QString::fromStdString(*corrected));
}
