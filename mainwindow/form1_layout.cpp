// The main window's controls, placed in twips as laid out.
#include "mainwindow/form1.h"

#include "chartkit/qtchartcontrol.h"
#include "widgets/artwork.h"
#include "widgets/controls.h"
#include "widgets/design.h"
#include "widgets/layout.h"
#include "widgets/spokenitems.h"
#include "widgets/timednotice.h"

#include <QGroupBox>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>

namespace {

const QString &Times = TimesNewRoman;

QPushButton *button(QWidget *parent, const char *name, const char *caption, const char *tip,
                    int left, int top, int width, int height)
{
    auto *b = makeButton(parent, name, QString::fromLatin1(caption), left, top, width, height,
                         designFont(Times, 9.6, true));
    if (tip)
        b->setToolTip(QString::fromLatin1(tip));
    return b;
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
    const QString hint = QString::fromStdString(stepHint(which));
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

    Label15 = makeLabel<ClickLabel>(this, "Label15", QStringLiteral("Tarnwick (Basic)"), 120, 120,
                                    3975, 615, designFont(Times, 20.4, true));
    Label15->setAlignment(Qt::AlignCenter);
    setColours(Label15, Colours::Yellow, Colours::Red);
    Label7 = makeLabel(this, "Label7", QString(), 120, 840, 3975, 375, plainFont);
    Label7->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    setColours(Label7, Colours::Black, Colours::White);

    // Model choice.
    Frame1 = makeFrame(this, "Frame1", QStringLiteral("Basis"), 120, 1080, 3975, 1935);
    Option1 = makeControl<QRadioButton>(Frame1, "Option1", 120, 240, 3735, 375);
    Option1->setText(QStringLiteral("Exponential growth: dN/dt=rN-H"));
    Option2 = makeControl<QRadioButton>(Frame1, "Option2", 120, 600, 3735, 375);
    Option2->setText(QStringLiteral("Logistic growth: dN/dt=rN(1-N/K)-H"));
    Option2->setChecked(true);
    for (QRadioButton *option : {Option1, Option2})
        option->setFont(captionFont);
    oneTabStopPerGroup({Option1, Option2});
    Label10 = makeLabel(Frame1, "Label10", QStringLiteral("r: growth rate, K: carrying capacity"),
                        360, 960, 3375, 255, plainFont);
    Label11 = makeLabel(Frame1, "Label11", QStringLiteral("H: harvest rate per time interval"), 360,
                        1200, 3375, 255, plainFont);
    Command9 = button(Frame1, "Command9", "More ...", "Introduction", 360, 1440, 975, 375);
    Command9->setFont(designFont(QStringLiteral("MS Sans Serif"), 9.6));
    Command12 = button(Frame1, "Command12", "Game", "Play game", 1680, 1440, 975, 375);
    Command12->setFont(designFont(QStringLiteral("MS Serif"), 9.6));
    Command13 = makeControl<QPushButton>(Frame1, "Command13", 3240, 1200, 615, 615);
    Command13->setToolTip(QStringLiteral("Quiz"));
    Command13->setIcon(quizIcon());
    Command13->setIconSize(QSize(40, 40));
    Command13->setAutoDefault(true);

    // Parameters and results.
    Frame2
        = makeFrame(this, "Frame2", QStringLiteral("Parameters and data"), 120, 3120, 3975, 4215);
    Label1 = makeLabel(Frame2, "Label1", QStringLiteral("Intrinsic rate (r):"), 120, 360, 2460, 375,
                       captionFont);
    rrate = parameterBox(Frame2, ParameterBox::Rate, 240, Colours::Blue);
    Label2 = makeLabel(Frame2, "Label2", QStringLiteral("Initial population size N(0):"), 120, 720,
                       2460, 375, captionFont);
    n0 = parameterBox(Frame2, ParameterBox::N0, 720, Colours::Blue);
    Label8 = makeLabel(Frame2, "Label8", QStringLiteral("Carrying capacity (K):"), 120, 1200, 2460,
                       375, captionFont);
    Kvalue = parameterBox(Frame2, ParameterBox::Capacity, 1200, Colours::Blue);
    Label5 = makeLabel(Frame2, "Label5", QStringLiteral("Harvest rate/time interval:"), 120, 1680,
                       2460, 375, captionFont);
    Harvestrate = parameterBox(Frame2, ParameterBox::HarvestRate, 1680, Colours::Red);
    Label3 = makeLabel(Frame2, "Label3", QStringLiteral("Run for t = 1 to t ="), 120, 2160, 2460,
                       375, captionFont);
    simut = parameterBox(Frame2, ParameterBox::RunLength, 2160, Colours::Blue);
    Label13 = makeLabel(Frame2, "Label13", QStringLiteral("Final population size (harvested):"),
                        120, 2640, 3735, 375, captionFont);
    Label12 = makeLabel<ResultLabel>(Frame2, "Label12", QStringLiteral("????"), 120, 3000, 3735,
                                     375, designFont(Times, 12, true));
    Label12->setAlignment(Qt::AlignCenter);
    setColours(Label12, Colours::Red, Colours::White);
    Label4 = makeLabel(Frame2, "Label4", QStringLiteral("Population size :"), 120, 3360, 3735, 375,
                       captionFont);
    Text4 = makeControl<ResultBox>(Frame2, "Text4", 120, 3720, 3735, 405);
    Text4->setText(QStringLiteral("????"));
    Text4->setAlignment(Qt::AlignCenter);
    Text4->setFont(designFont(Times, 12, true));
    setColours(Text4, Colours::Blue, Colours::White);
    for (QLabel *l : {Label1, Label2, Label8, Label5, Label3})
        l->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    // Chart and commands.
    Frame3 = makeFrame(this, "Frame3", QStringLiteral("Graph"), 4200, 120, 5895, 4215);
    MSChart1 = makeControl<QtChartControl>(Frame3, "MSChart1", 120, 240, 5676, 3468);
    MSChart1->setChartVisible(false);
    Label16 = makeLabel(Frame3, "Label16", QStringLiteral("Bonjour!"), 120, 240, 5655, 735,
                        designFont(Times, 24, true));
    Label16->setAlignment(Qt::AlignCenter);
    setColours(Label16, Colours::Yellow, Colours::Red);
    Label17
        = makeLabel(Frame3, "Label17", QString(), 120, 1080, 5655, 2535, designFont(Times, 13.8));
    Label17->setAlignment(Qt::AlignCenter);
    Label17->setWordWrap(true);
    setColours(Label17, Colours::Yellow, Colours::Blue);
    Command2 = button(Frame3, "Command2", "RUN", "Run simulation", 120, 3720, 1095, 375);
    Command11 = button(Frame3, "Command11", "Large graph", "Show more detail in large graph", 1320,
                       3720, 1455, 375);
    Command11->setEnabled(false);
    Command5 = button(Frame3, "Command5", "N, dN vs. t", nullptr, 2880, 3720, 1215, 375);
    Command5->setEnabled(false);
    Command10 = button(Frame3, "Command10", " Print", "Print this form", 4200, 3720, 735, 375);
    Command1 = button(Frame3, "Command1", "Quit", "Quit this program", 5040, 3720, 735, 375);

    // Author.
    Frame4 = makeFrame(this, "Frame4", QStringLiteral("Author"), 4200, 4440, 5895, 2895);
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
    Image1->setToolTip(QStringLiteral("How to"));
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
    Text4->setAccessibleName(QStringLiteral("Final population size (without harvest)"));
    Label12->setCaption(Label13->text());
    m_announcer = new Announcer(this);
    Command13->setAccessibleName(Command13->toolTip());
    Image1->setAccessibleName(Image1->toolTip());
    Image1->setAccessibleDescription(QStringLiteral("Portrait of the author"));
}
