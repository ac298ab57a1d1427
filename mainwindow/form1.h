#pragma once

#include "charts/chartcycle.h"
#include "model/lesson.h"
#include "model/parameterentry.h"
#include "widgets/layout.h"
#include "widgets/programwindow.h"

#include <QDateTime>
#include <QFont>
#include <QPointer>

#include <optional>

class ClickLabel;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class Announcer;
class QTimer;
class QtChartControl;
class ResultBox;
class ResultLabel;
class TextBox;
class TimedNotice;

// The main window: the model choice, the five parameter boxes with their
// confirm-by-Enter rule, RUN and its results, the chart with its click cycle of
// nine charts, printing and the date label. Every other window is opened from here
// and returns here; closing it ends the program.
class Form1 : public ProgramWindow
{
    Q_OBJECT
public:
    Form1();
    void load() override;

    // Starts the window with a lesson's model and parameters, as if the student had
    // chosen the model and typed each value and pressed Enter in its box. Says what
    // the Enter rules corrected or left out: "K: 0 became 500".
    QStringList applyLesson(const Lesson &lesson);
    // The model and the parameters in the boxes now, as a lesson.
    Lesson currentLesson() const;
    // The lesson in the file at `path`; a file that cannot be used is refused with
    // one line, on standard error and in the window, and nothing comes of it.
    std::optional<Lesson> lessonFromFile(const QString &path);
    // Says `text` in the date label and to a screen reader: now when the window is
    // on screen, else as soon as it comes (what came of a lesson at start-up).
    void tellWhenShown(const QString &text);

    // The texts the load step writes.
    static QString noticeText(int year);
    static QString contactBlock();
    static QString instructionText();

protected:
    // Closing the main window ends the program.
    void Form_Unload() override;
    void showEvent(QShowEvent *event) override;

private slots:
    // Parameter entry: a change invalidates the results, Enter checks the box.
    void n0_Change();
    void n0_KeyPress(int keyAscii);
    void rrate_Change();
    void rrate_KeyPress(int keyAscii);
    void Kvalue_Change();
    void Kvalue_KeyPress(int keyAscii);
    void Harvestrate_Change();
    void Harvestrate_KeyPress(int keyAscii);
    void simut_Change();
    void simut_KeyPress(int keyAscii);

    // Commands.
    void Option1_Click();
    void Option2_Click();
    void Command2_Click();
    void Command5_Click();
    void Command10_Click();
    void Timer1_Timer();
    void MSChart1_Click();

    // The windows opened from here.
    void Command9_Click();  // "More ...": the introduction
    void Image1_Click();    // the portrait: how to use the program
    void Label15_Click();   // the title: how to use the program
    void Command13_Click(); // the quiz
    void Command1_Click();  // "Quit": the citation window, then the dedication
    void Command11_Click(); // "Large graph"
    void Command12_Click(); // "Game"

private:
    // Controls, named as in the layout.
    ClickLabel *Label15 = nullptr; // clickable title "Tarnwick (Basic)"
    QLabel *Label7 = nullptr;      // notice line with the current year
    QGroupBox *Frame1 = nullptr;
    QRadioButton *Option1 = nullptr;
    QRadioButton *Option2 = nullptr;
    QLabel *Label10 = nullptr;
    QLabel *Label11 = nullptr;
    QPushButton *Command9 = nullptr;  // "More ..."
    QPushButton *Command12 = nullptr; // "Game"
    QPushButton *Command13 = nullptr; // quiz picture button
    QGroupBox *Frame2 = nullptr;
    QLabel *Label1 = nullptr;
    TextBox *rrate = nullptr;
    QLabel *Label2 = nullptr;
    TextBox *n0 = nullptr;
    QLabel *Label8 = nullptr;
    TextBox *Kvalue = nullptr;
    QLabel *Label5 = nullptr;
    TextBox *Harvestrate = nullptr;
    QLabel *Label3 = nullptr;
    TextBox *simut = nullptr;
    QLabel *Label13 = nullptr;
    ResultLabel *Label12 = nullptr; // final size with harvest
    QLabel *Label4 = nullptr;
    ResultBox *Text4 = nullptr; // final size without harvest
    QGroupBox *Frame3 = nullptr;
    QtChartControl *MSChart1 = nullptr;
    QLabel *Label16 = nullptr;        // greeting
    QLabel *Label17 = nullptr;        // instructions
    QPushButton *Command2 = nullptr;  // "RUN"
    QPushButton *Command11 = nullptr; // "Large graph"
    QPushButton *Command5 = nullptr;  // "N, dN vs. t"
    QPushButton *Command10 = nullptr; // " Print"
    QPushButton *Command1 = nullptr;  // "Quit"
    QGroupBox *Frame4 = nullptr;
    QLabel *Label9 = nullptr;     // contact block
    QLabel *Label6 = nullptr;     // date
    ClickLabel *Image1 = nullptr; // portrait
    QTimer *Timer1 = nullptr;

    // Opens the large graph window on its opening view of the last run.
    void ShowLargeGraph();

    // Draws a chart of the last run and disables RUN, as every chart of this
    // window does. A chart reached by a key on the chart keeps the focus there.
    void showChart(Chart chart, FocusAfterChart focus = FocusAfterChart::HandOn);

    // Shows a short message in the date label for a few seconds.
    void showNotice(const QString &text);

    void buildLayout();
    void setTabOrderAndNames();
    void connectHandlers();
    TextBox *box(ParameterBox which) const;
    void chooseModel(Growth model);
    void invalidateResults(ParameterBox changed);
    void confirmEntry(ParameterBox which, int keyAscii);
    void checkRunLength();
    ChartInputs chartInputs() const;
    void disableRun();
    // RUN, and a step of a box, which runs as RUN does but keeps the chart on
    // screen and the focus in the box.
    enum class RunFrom {
        Button,
        Step,
    };
    void run(RunFrom from);
    void refuseRun(const QString &reason, const QString &detail, ParameterBox fix, RunFrom from);
    QString resultsSaid() const;
    void compareRuns(const QString &said);
    void handOut();
    // "Save lesson…" and "Open lesson…": the model and the boxes to and from a
    // lesson file the student chooses.
    void saveLesson();
    void openLesson();
    QString m_toldWhenShown; // waits for the window to come on screen
    void stepBox(ParameterBox which, int steps);
    void takeStep();
    struct PendingStep
    {
        ParameterBox box;
        QString text;
    };
    // Steps that come faster than the runs are merged: the latest text waits here
    // for the one run queued (m_stepCall).
    std::optional<PendingStep> m_pendingStep;
    QPointer<QTimer> m_stepCall;
    bool m_stepping = false; // a step writes its box: the chart stays on screen
    // The run length the student chose: confirmed with Enter, stepped, run, or
    // written by a model option; a step of another box runs for it again. An
    // extinction lowers the box without changing it.
    QString m_studentRunLength = QString::fromLatin1(startText(ParameterBox::RunLength));
    bool m_runLengthFromExtinction = false; // the box holds what an extinction wrote
    int m_shownPosition = 0;                // the cycle position of the chart drawn last
    void showDate();
    const QFont m_dateFont = designFont(TimesNewRoman, 12, true);
    TimedNotice *m_notice = nullptr;  // what came of a print or an export, in the date label
    Announcer *m_announcer = nullptr; // what a step or a refusal tells a screen reader
    bool m_refusalShown = false;      // the result fields explain a refused run
};
