#pragma once

#include "charts/chartcycle.h"
#include "widgets/programwindow.h"

#include <optional>

class Announcer;
class QGroupBox;
class QPushButton;
class QtChartControl;
class TimedNotice;

// The large graph window: the last run's charts enlarged, with legends and the run's
// parameters in the titles, the theoretical and economic graphs, and a chart
// cycle of its own (LargeGraphIndex), separate from the main window's.
class larggraf : public ProgramWindow
{
    Q_OBJECT
public:
    larggraf();
    void load() override;

    // The opening view, drawn before the window shows: N(t) of both populations up
    // to the end of the run, without a legend.
    void drawOpeningView();

protected:
    void Form_Unload() override;
    void showEvent(QShowEvent *event) override;

private slots:
    void Command1_Click();
    void Command3_Click();
    void Command8_Click();
    void Command2_Click();
    void Command9_Click();
    void Command7_Click();
    void Command6_Click();
    void Command4_Click();
    void Command5_Click();
    void MSChart1_Click();

private:
    QGroupBox *Frame2 = nullptr;
    QtChartControl *MSChart1 = nullptr;
    QPushButton *Command1 = nullptr; // "N vs. t"
    QPushButton *Command3 = nullptr; // "dN vs. t"
    QPushButton *Command8 = nullptr; // "N, dN vs. t"
    QPushButton *Command2 = nullptr; // "dN vs. N"
    QPushButton *Command9 = nullptr; // "lnN vs. t"
    QPushButton *Command7 = nullptr; // "dN/N vs. N"
    QPushButton *Command6 = nullptr; // "Print"
    QPushButton *Command4 = nullptr; // "Main form"
    QPushButton *Command5 = nullptr; // "Quit"

    // Draws a chart of the last run and moves the focus to the button that follows
    // it, if any, unless the chart was reached by a key on the chart.
    void showView(Chart chart, FocusAfterChart focus = FocusAfterChart::HandOn);

    QPushButton *focusAfter(Chart chart) const;
    void compareRuns(const QString &said);
    void handOut();

    TimedNotice *m_notice = nullptr;  // what came of a print, in the caption
    Announcer *m_announcer = nullptr; // what keeping runs tells a screen reader
    std::optional<Chart> m_shownView; // the view on screen; none: the opening view
};
