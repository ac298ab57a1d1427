// Live exploration: Up and Down, Page Up and Page Down, or the mouse wheel over a
// parameter box step its value and run at once, as typing the value, Enter and RUN
// would, but the chart on screen stays the chart on screen and the focus stays in
// the box. Steps that come faster than the runs are merged into one run.
#include "mainwindow/form1.h"

#include "widgets/controls.h"

#include <QPushButton>
#include <QTimer>

void Form1::stepBox(ParameterBox which, int steps)
{
    TextBox *entry = box(which);
    if (!entry->isEnabled() || entry->isReadOnly())
        return;
    const bool queued = stepCall_ && stepCall_->isActive();
    if (!queued)
        pendingStep_.reset(); // a queued step cancelled by leaving the window is gone
    // A step of another box waits for nobody: it runs first.
    if (pendingStep_ && pendingStep_->box != which)
        takeStep();
    const QString from = pendingStep_ ? pendingStep_->text : entry->text();
    const std::optional<std::string> next = steppedEntry(which, from.toStdString(), steps);
    if (!next)
        return; // at a limit: nothing changes, nothing runs
    pendingStep_ = PendingStep{which, QString::fromStdString(*next)};
    if (!stepCall_ || !stepCall_->isActive())
        stepCall_ = callLater(0, [this] { takeStep(); });
}

void Form1::takeStep()
{
    if (stepCall_)
        stepCall_->stop();
    if (!pendingStep_)
        return;
    const PendingStep step = *pendingStep_;
    pendingStep_.reset();
    stepping_ = true;
    // A step runs for the run length the student chose, not for one that an
    // extinction of an earlier step wrote into the box.
    if (step.box != ParameterBox::RunLength)
        simut->setText(studentRunLength_);
    // Type the value (the change handler runs), Enter (it checks the box and
    // enables RUN), RUN.
    TextBox *entry = box(step.box);
    entry->setText(step.text);
    if (const auto corrected = correctedEntry(step.box, entry->text().toStdString()))
        entry->setText(QString::fromStdString(*corrected));
    Command2->setEnabled(true);
    run(RunFrom::Step);
    stepping_ = false;
}
