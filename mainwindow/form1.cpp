#include "mainwindow/form1.h"

#include "chartkit/qtchartcontrol.h"
#include "largegraph/handout.h"
#include "model/harvest.h"
#include "model/numbertext.h"
#include "widgets/artwork.h"
#include "widgets/controls.h"
#include "widgets/design.h"
#include "widgets/environment.h"
#include "widgets/layout.h"

#include <QPushButton>
#include <QRadioButton>
#include <QTimer>

namespace {
// Where the portrait sits: its frame's size in twips.
constexpr int Frame4Width = 5895;
constexpr int Frame4Height = 2895;
} // namespace

Form1::Form1() : ProgramWindow(FixedSingleBorder)
{
    //: the main window's caption
    prepareWindow(this, "Form1", tr("Basic Tarnwick Theory"), 10200, 7416, Colours::White);
    buildLayout();
    setTabOrderAndNames();
    connectHandlers();
}

QString Form1::noticeText(int year)
{
    //: the notice under the title; %1 is the current year
    return tr("Copyright © %1 Tarnwick Teaching Project").arg(year);
}

QString Form1::contactBlock()
{
    //: the author's name and postal address, one line each; the name, the e-mail
    //: address, the street and the postcode stay as they are
    return tr("Prof. Rowan Tarnwick\n"
              "rowan.tarnwick@example.org\n"
              "Institute of Population Ecology\n"
              "Example University\n"
              "1 Harvest Lane\n"
              "Tarnwick TW1 2AB\n"
              "Exampleland");
}

QString Form1::instructionText()
{
    //: the instructions over the chart before the first run; RUN is the caption of
    //: the button that runs the model
    return tr("Press Enter or click RUN to begin the simulation.  \n"
              "Click on the graph to change graph.\n"
              "If you change the default values, press Enter to confirm the change.  \n"
              "Comments and suggestions are welcome (e-mail to tarnwick@example.org).");
}

void Form1::load()
{
    Label7->setText(noticeText(Environment::now().date().year()));
    // The main window waits hidden behind the title and the proverb (the start-up
    // shows them once it has loaded).
    setVisible(false);
    Label16->setVisible(true);
    Label17->setVisible(true);
    Label9->setText(contactBlock());
    Label17->setText(instructionText());
    Harvest.SimuT = numberOfText(simut->text().toStdString());
    Harvest.GrowthModel = Growth::Logistic;

    // The portrait stands 100 twips inside the frame's right edge, centred in height.
    const int width = Image1->width() * TwipsPerPixel;
    const int height = Image1->height() * TwipsPerPixel;
    placeTwips(Image1, Frame4Width - width - 100, (Frame4Height - height) / 2, width, height);

    Timer1_Timer();
    Timer1->start();
    centreOnScreen(this);

    // Enter, Enter runs the model, as the instructions say: the window opens with
    // the focus on RUN.
    Command2->setFocus();
}

void Form1::Form_Unload() { Environment::endProgram(); }

void Form1::connectHandlers()
{
    connect(n0, &QLineEdit::textChanged, this, &Form1::n0_Change);
    connect(n0, &TextBox::keyPress, this, &Form1::n0_KeyPress);
    connect(rrate, &QLineEdit::textChanged, this, &Form1::rrate_Change);
    connect(rrate, &TextBox::keyPress, this, &Form1::rrate_KeyPress);
    connect(Kvalue, &QLineEdit::textChanged, this, &Form1::Kvalue_Change);
    connect(Kvalue, &TextBox::keyPress, this, &Form1::Kvalue_KeyPress);
    connect(Harvestrate, &QLineEdit::textChanged, this, &Form1::Harvestrate_Change);
    connect(Harvestrate, &TextBox::keyPress, this, &Form1::Harvestrate_KeyPress);
    connect(simut, &QLineEdit::textChanged, this, &Form1::simut_Change);
    connect(simut, &TextBox::keyPress, this, &Form1::simut_KeyPress);
    for (const ParameterBox which : {ParameterBox::N0, ParameterBox::Rate, ParameterBox::Capacity,
                                     ParameterBox::HarvestRate, ParameterBox::RunLength})
        connect(box(which), &TextBox::stepRequested, this,
                [this, which](int steps) { stepBox(which, steps); });

    connect(Option1, &QRadioButton::clicked, this, &Form1::Option1_Click);
    connect(Option2, &QRadioButton::clicked, this, &Form1::Option2_Click);
    connect(Command2, &QPushButton::clicked, this, &Form1::Command2_Click);
    connect(Command5, &QPushButton::clicked, this, &Form1::Command5_Click);
    connect(Command10, &QPushButton::clicked, this, &Form1::Command10_Click);
    connect(Timer1, &QTimer::timeout, this, &Form1::Timer1_Timer);
    connect(MSChart1, &QtChartControl::clicked, this, &Form1::MSChart1_Click);
    // What came of an export stands in the date label, as printing's does.
    connect(MSChart1, &QtChartControl::notice, this, &Form1::showNotice);
    addRunCommands(
        *MSChart1, this, [this](const QString &said) { compareRuns(said); }, [this] { handOut(); },
        [this] { return chartAtCyclePosition(m_shownPosition, Harvest.GrowthModel); },
        [this](const QString &said) { showNotice(said); });
    onKey(Qt::CTRL | Qt::Key_H, [this] { handOut(); });
    MSChart1->addCommand({//: a command of the chart's menu: saves the model and the
                          //: parameters to a lesson file
                          tr("Save lesson…"),
                          Qt::Key_unknown,
                          tr("Ctrl+S saves the model and the parameters as a lesson."),
                          [this] { saveLesson(); },
                          {}});
    MSChart1->addCommand({//: a command of the chart's menu: opens a lesson file
                          tr("Open lesson…"),
                          Qt::Key_unknown,
                          tr("Ctrl+O opens a lesson."),
                          [this] { openLesson(); },
                          {}});
    onKey(Qt::CTRL | Qt::Key_S, [this] { saveLesson(); });
    onKey(Qt::CTRL | Qt::Key_O, [this] { openLesson(); });

    connect(Command9, &QPushButton::clicked, this, &Form1::Command9_Click);
    connect(Image1, &ClickLabel::clicked, this, &Form1::Image1_Click);
    connect(Label15, &ClickLabel::clicked, this, &Form1::Label15_Click);
    connect(Command13, &QPushButton::clicked, this, &Form1::Command13_Click);
    connect(Command1, &QPushButton::clicked, this, &Form1::Command1_Click);
    connect(Command11, &QPushButton::clicked, this, &Form1::Command11_Click);
    connect(Command12, &QPushButton::clicked, this, &Form1::Command12_Click);
    // F1 opens the instructions, as a click on the title or the portrait does.
    onKey(Qt::Key_F1, [this] { Label15_Click(); });
}

// A handout of the last run, once there is one.
void Form1::handOut()
{
    if (!Command11->isEnabled())
        return showNotice(tr("No run yet: nothing to hand out"));
    if (const QString said = saveHandout(this); !said.isEmpty())
        showNotice(said);
}
