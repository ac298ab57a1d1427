// Live exploration: Up and Down, Page Up and Page Down, or the mouse wheel over a
// parameter box step its value and run at once, as typing the value, Enter and RUN
// would, but the chart on screen stays the chart on screen and the focus stays in
// the box. Steps that come faster than the runs are merged into one run.
#include "mainwindow/form1.h"

#include "widgets/controls.h"
#include "widgets/spokenitems.h"

#include <QCoreApplication>
#include <QPushButton>
#include <QTimer>

void Form1::stepBox(ParameterBox which, int steps)
{
    TextBox *entry = box(which);
    if (!entry->isEnabled() || entry->isReadOnly())
        return;
    const bool queued = m_stepCall && m_stepCall->isActive();
    if (!queued)
        m_pendingStep.reset(); // a queued step cancelled by leaving the window is gone
    // A step of another box waits for nobody: it runs first.
    if (m_pendingStep && m_pendingStep->box != which)
        takeStep();
    const QString from = m_pendingStep ? m_pendingStep->text : entry->text();
    const std::optional<std::string> next = steppedEntry(which, from.toStdString(), steps);
    if (!next)
        return; // at a limit: nothing changes, nothing runs
    m_pendingStep = PendingStep{which, QString::fromStdString(*next)};
    if (!m_stepCall || !m_stepCall->isActive())
        m_stepCall = callLater(0, [this] { takeStep(); });
}

void Form1::takeStep()
{
    if (m_stepCall)
        m_stepCall->stop();
    if (!m_pendingStep)
        return;
    const PendingStep step = *m_pendingStep;
    m_pendingStep.reset();
    m_stepping = true;
    // A step runs for the run length the student chose, not for one that an
    // extinction of an earlier step wrote into the box.
    if (step.box != ParameterBox::RunLength)
        simut->setText(m_studentRunLength);
    // Type the value (the change handler runs), Enter (it checks the box and
    // enables RUN), RUN.
    TextBox *entry = box(step.box);
    entry->setText(step.text);
    if (const auto corrected = correctedEntry(step.box, entry->text().toStdString()))
        entry->setText(QString::fromStdString(*corrected));
    Command2->setEnabled(true);
    run(RunFrom::Step);
    m_stepping = false;
    // A screen reader hears the new value and what came of it.
    QString quantity = QCoreApplication::translate("ParameterEntry", boxRule(step.box).quantity);
    quantity[0] = quantity[0].toUpper();
    //: what a screen reader says after a step of a box: %1 names the box's quantity
    //: ("H", "The run length"), %2 is its new value, %3 the results of the run
    m_announcer->say(tr("%1 %2. %3").arg(quantity, entry->text(), resultsSaid()), entry);
}
