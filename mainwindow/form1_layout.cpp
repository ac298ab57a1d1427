// The main window's controls, placed in twips as laid out.
#include "mainwindow/form1.h"

#include "chartkit/qtchartcontrol.h"
#include "model/numbertext.h"
#include "widgets/artwork.h"
#include "widgets/controls.h"
#include "widgets/design.h"
#include "widgets/layout.h"
#include "widgets/spokenitems.h"
#include "widgets/timednotice.h"

#include <QCoreApplication>
#include <QGroupBox>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>

namespace {

const QString &Times = TimesNewRoman;

QPushButton *button(QWidget *parent, const char *name, const QString &caption, const QString &tip,
                    int left, int top, int width, int height)
{
    auto *b
        = makeButton(parent, name, caption, left, top, width, height, designFont(Times, 9.6, true));
    if (!tip.isEmpty())
        b->setToolTip(tip);
    return b;
}

// What the keys do in a box: "Up and Down change H by 1, Page Up and Page Down by 10".
QString stepHintText(ParameterBox which)
{
    const auto [one, page] = stepSizes(which);
    //: the tooltip of a parameter box; %1 is what the box holds ("H", "the run
    //: length"), %2 one step, %3 ten steps
    return QCoreApplication::translate("Form1",
                                       "Up and Down change %1 by %2, Page Up and Page Down by %3")
        .arg(QCoreApplication::translate("ParameterEntry", boxRule(which).quantity),
             QString::fromStdString(textOfNumber(one)), QString::fromStdString(textOfNumber(page)));
}

// A parameter box with its start text, named after its rule.
TextBox *parameterBox(QWidget *parent, ParameterBox which, int top, const QColor &colour)
{
    auto *box = makeControl<TextBox>(parent, boxRule(which).name, 2640, top, 1215, 420);
    box->setText(QString::fromLatin1(startText(which)));
    box->setFont(designFont(Times, 12, true));
    setColours(box, colour, Colours::White);
    // The arrow keys and the mouse wheel step its value; the tooltip says how.
    box->setSteppable(PageSteps);
    const QString hint = stepHintText(which);
    box->setToolTip(hint);
    box->setAccessibleDescription(hint);
    // A locked box (K under the exponential model) reads as locked.
    QPalette palette = box->palette();
    palette.setColor(QPalette::Disabled, QPalette::Base, QColor(224, 224, 224));
    box->setPalette(palette);
    return box;
}

} // namespace

void Form1::buildLayout()
{
    const QFont captionFont = designFont(Times, 9.6, true);
    const QFont plainFont = designFont(Times, 9.6);

    Label15 = makeLabel<ClickLabel>(this, "Label15",
                                    //: the program's name, the title of the main window
                                    tr("Tarnwick (Basic)"), 120, 120, 3975, 615,
                                    designFont(Times, 20.4, true));
    Label15->setAlignment(Qt::AlignCenter);
    setColours(Label15, Colours::Yellow, Colours::Red);
    Label7 = makeLabel(this, "Label7", QString(), 120, 840, 3975, 375, plainFont);
    Label7->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    setColours(Label7, Colours::Black, Colours::White);

    // Model choice.
    //: the caption of the frame where the student chooses the model
    Frame1 = makeFrame(this, "Frame1", tr("Basis"), 120, 1080, 3975, 1935);
    Option1 = makeControl<QRadioButton>(Frame1, "Option1", 120, 240, 3735, 375);
    //: a model option; the formula may stay as it is
    Option1->setText(tr("Exponential growth: dN/dt=rN-H"));
    Option2 = makeControl<QRadioButton>(Frame1, "Option2", 120, 600, 3735, 375);
    //: a model option; the formula may stay as it is
    Option2->setText(tr("Logistic growth: dN/dt=rN(1-N/K)-H"));
    Option2->setChecked(true);
    for (QRadioButton *option : {Option1, Option2})
        option->setFont(captionFont);
    oneTabStopPerGroup({Option1, Option2});
    //: the symbols of the model options: r and K stay as they are
    Label10 = makeLabel(Frame1, "Label10", tr("r: growth rate, K: carrying capacity"), 360, 960,
                        3375, 255, plainFont);
    //: the symbol of the model options: H stays as it is
    Label11 = makeLabel(Frame1, "Label11", tr("H: harvest rate per time interval"), 360, 1200, 3375,
                        255, plainFont);
    //: the button that opens the introduction to the theory
    Command9 = button(Frame1, "Command9", tr("More ..."), tr("Introduction"), 360, 1440, 975, 375);
    Command9->setFont(designFont(QStringLiteral("MS Sans Serif"), 9.6));
    //: the button that opens the harvest game
    Command12 = button(Frame1, "Command12", tr("Game"), tr("Play game"), 1680, 1440, 975, 375);
    Command12->setFont(designFont(QStringLiteral("MS Serif"), 9.6));
    Command13 = makeControl<QPushButton>(Frame1, "Command13", 3240, 1200, 615, 615);
    //: the tooltip of the picture button that opens the quiz
    Command13->setToolTip(tr("Quiz"));
    Command13->setIcon(quizIcon());
    Command13->setIconSize(QSize(40, 40));
    Command13->setAutoDefault(true);

    // Parameters and results.
    Frame2 = makeFrame(this, "Frame2", tr("Parameters and data"), 120, 3120, 3975, 4215);
    //: the label of the box of the growth rate r
    Label1
        = makeLabel(Frame2, "Label1", tr("Intrinsic rate (r):"), 120, 360, 2460, 375, captionFont);
    rrate = parameterBox(Frame2, ParameterBox::Rate, 240, Colours::Blue);
    Label2 = makeLabel(Frame2, "Label2", tr("Initial population size N(0):"), 120, 720, 2460, 375,
                       captionFont);
    n0 = parameterBox(Frame2, ParameterBox::N0, 720, Colours::Blue);
    Label8 = makeLabel(Frame2, "Label8", tr("Carrying capacity (K):"), 120, 1200, 2460, 375,
                       captionFont);
    Kvalue = parameterBox(Frame2, ParameterBox::Capacity, 1200, Colours::Blue);
    //: the label of the box of the harvest rate H
    Label5 = makeLabel(Frame2, "Label5", tr("Harvest rate/time interval:"), 120, 1680, 2460, 375,
                       captionFont);
    Harvestrate = parameterBox(Frame2, ParameterBox::HarvestRate, 1680, Colours::Red);
    //: the label of the box of the run length: the last time step t the model runs to
    Label3 = makeLabel(Frame2, "Label3", tr("Run for t = 1 to t ="), 120, 2160, 2460, 375,
                       captionFont);
    simut = parameterBox(Frame2, ParameterBox::RunLength, 2160, Colours::Blue);
    Label13 = makeLabel(Frame2, "Label13", tr("Final population size (harvested):"), 120, 2640,
                        3735, 375, captionFont);
    Label12 = makeLabel<ResultLabel>(Frame2, "Label12", QStringLiteral("????"), 120, 3000, 3735,
                                     375, designFont(Times, 12, true));
    Label12->setAlignment(Qt::AlignCenter);
    setColours(Label12, Colours::Red, Colours::White);
    //: the caption of the result field before a run: the final population size
    //: without harvest
    Label4
        = makeLabel(Frame2, "Label4", tr("Population size :"), 120, 3360, 3735, 375, captionFont);
    Text4 = makeControl<ResultBox>(Frame2, "Text4", 120, 3720, 3735, 405);
    Text4->setText(QStringLiteral("????"));
    Text4->setAlignment(Qt::AlignCenter);
    Text4->setFont(designFont(Times, 12, true));
    setColours(Text4, Colours::Blue, Colours::White);
    for (QLabel *l : {Label1, Label2, Label8, Label5, Label3})
        l->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    // Chart and commands.
    //: the caption of the frame round the chart
    Frame3 = makeFrame(this, "Frame3", tr("Graph"), 4200, 120, 5895, 4215);
    MSChart1 = makeControl<QtChartControl>(Frame3, "MSChart1", 120, 240, 5676, 3468);
    MSChart1->setChartVisible(false);
    //: the greeting over the chart before the first run, in French in the English
    //: program: keep it or greet in your language
    Label16 = makeLabel(Frame3, "Label16", tr("Bonjour!"), 120, 240, 5655, 735,
                        designFont(Times, 24, true));
    Label16->setAlignment(Qt::AlignCenter);
    setColours(Label16, Colours::Yellow, Colours::Red);
    Label17
        = makeLabel(Frame3, "Label17", QString(), 120, 1080, 5655, 2535, designFont(Times, 13.8));
    Label17->setAlignment(Qt::AlignCenter);
    Label17->setWordWrap(true);
    setColours(Label17, Colours::Yellow, Colours::Blue);
    //: the button that runs the model (the instructions call it RUN too)
    Command2 = button(Frame3, "Command2", tr("RUN"), tr("Run simulation"), 120, 3720, 1095, 375);
    //: the button that opens the large graph window
    Command11 = button(Frame3, "Command11", tr("Large graph"),
                       tr("Show more detail in large graph"), 1320, 3720, 1455, 375);
    Command11->setEnabled(false);
    //: the button that shows the chart of N and dN against time t
    Command5 = button(Frame3, "Command5", tr("N, dN vs. t"), QString(), 2880, 3720, 1215, 375);
    Command5->setEnabled(false);
    //: the button that prints the window (the space before it belongs to the caption)
    Command10
        = button(Frame3, "Command10", tr(" Print"), tr("Print this form"), 4200, 3720, 735, 375);
    //: the button that ends the program
    Command1
        = button(Frame3, "Command1", tr("Quit"), tr("Quit this program"), 5040, 3720, 735, 375);

    // Author.
    //: the caption of the frame round the author's portrait and address
    Frame4 = makeFrame(this, "Frame4", tr("Author"), 4200, 4440, 5895, 2895);
    Label9 = makeLabel(Frame4, "Label9", QString(), 120, 240, 3732, 2172, designFont(Times, 12));
    Label9->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    setColours(Label9, Colours::Black, Colours::White);
    Label6 = makeLabel(Frame4, "Label6", QString(), 120, 2400, 3852, 372, m_dateFont);
    Label6->setAlignment(Qt::AlignCenter);
    setColours(Label6, Colours::Black, Colours::Yellow);
    Image1 = new ClickLabel(Frame4);
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setPixmap(artwork(QStringLiteral("portrait")));
    Image1->resize(Image1->pixmap().deviceIndependentSize().toSize());
    //: the tooltip of the portrait, which opens the instructions: how to use the program
    Image1->setToolTip(tr("How to"));
    Image1->setCursor(handCursor());

    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setInterval(500);
    m_notice = new TimedNotice(
        this, [this](const QString &text) { setTextFitted(Label6, text, m_dateFont); },
        [this] { showDate(); });
}

// The keyboard walks the window as it is read: the model frame, the parameter
// boxes, the chart and its buttons. Every control has a name a screen reader can
// say: a box its label's text, a picture what it means.
void Form1::setTabOrderAndNames()
{
    // The harvested result, a label, is a tab stop of its own, so the keyboard and a
    // screen reader reach the run's result.
    Label12->setFocusPolicy(Qt::TabFocus);
    showFocusFrame(Label12);
    const QList<QWidget *> order
        = {Option1,  Option2,  Command9,    Command12, Command13, rrate,
           n0,       Kvalue,   Harvestrate, simut,     Label12,   Text4,
           MSChart1, Command2, Command11,   Command5,  Command10, Command1};
    for (qsizetype i = 1; i < order.size(); ++i)
        setTabOrder(order.at(i - 1), order.at(i));

    const std::pair<QLabel *, QWidget *> labelled[]
        = {{Label1, rrate}, {Label2, n0}, {Label8, Kvalue}, {Label5, Harvestrate}, {Label3, simut}};
    for (const auto &[label, box] : labelled) {
        label->setBuddy(box);
        box->setAccessibleName(label->text());
    }
    Text4->setAccessibleName(tr("Final population size (without harvest)"));
    Label12->setCaption(Label13->text());
    m_announcer = new Announcer(this);
    Command13->setAccessibleName(Command13->toolTip());
    Image1->setAccessibleName(Image1->toolTip());
    Image1->setAccessibleDescription(tr("Portrait of the author"));
}
