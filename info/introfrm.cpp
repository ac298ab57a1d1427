#include "info/introfrm.h"

#include "info/referenc.h"
#include "widgets/layout.h"
#include "widgets/windowregistry.h"

#include <QPlainTextEdit>
#include <QPushButton>

Introfrm::Introfrm() : ProgramWindow(FixedSingleBorder)
{
    //: the caption of the window with the introduction to harvest theory, and the name of
    //: the box that shows it
    prepareWindow(this, "Introfrm", tr("Introduction"), 7650, 6315, Colours::Grey);

    Label1 = makeLabel(this, "Label1",
                       tr("Understanding harvest to maintain and sustain a reasonable quality of "
                          "human life."),
                       720, 120, 6135, 735, designFont(TimesNewRoman, 14.4, true));
    Label1->setAlignment(Qt::AlignCenter);
    Label1->setWordWrap(true);
    setColours(Label1, Colours::Yellow, Colours::Blue);

    Text1 = makeControl<QPlainTextEdit>(this, "Text1", 240, 960, 7215, 4575);
    Text1->setReadOnly(true);
    Text1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    Text1->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    Text1->setFont(designFont(TimesNewRoman, 12, true));
    Text1->setAccessibleName(tr("Introduction"));

    const QFont buttonFont = designFont(TimesNewRoman, 12, true);
    //: the button that opens the list of references
    Command2 = makeButton(this, "Command2", tr("References"), 1920, 5640, 1695, 495, buttonFont);
    //: the button that closes the introduction
    Command1 = makeButton(this, "Command1", tr("OK"), 4680, 5640, 1215, 495, buttonFont);
    setTabOrder(Text1, Command2);
    setTabOrder(Command2, Command1);
    showFocusFrame(Text1);
    onKey(Qt::Key_Escape, [this] { Command1->click(); });

    connect(Command1, &QPushButton::clicked, this, &Introfrm::Command1_Click);
    connect(Command2, &QPushButton::clicked, this, &Introfrm::Command2_Click);
}

QString Introfrm::introductionText()
{
    // One paragraph without line breaks; the text box wraps it.
    //: the introduction, one paragraph; the formulas may stay as they are
    return tr("Both the exponential growth and the Verhulst-Pearl logistic growth are the simplest "
              "forms of population growth model. The logistic growth assumes that the birth rate "
              "decreases as the density increases, while the death rate increases with the "
              "increase of density. It introduces the important concept of \"carrying capacity\" "
              "(K). Is the exponential growth more realistic? Or the logistic one? Most "
              "microorganisms will follow the exponential growth at the beginning. In the "
              "microbiological laboratory, the students carry out experiments to find out the "
              "exponential growth rate using  lnN(t)=lnN(0)+rt. If you plot the growth of a "
              "bacteria population, you will find that they don't follow the logistic model. Many "
              "decades ago, one of the first students of population growth already warned that a "
              "blind use of the logistic equation is meaningless. The harvest is an important "
              "topic in ecology. If a population follows the exponential growth and a constant "
              "number is harvested each time interval, then the growth can be described as "
              "dN/dt=rN-H, where r is the intrinsic growth rate and H is the harvest rate. With an "
              "initial population N(0), we can calculate the population growth under the influence "
              "of harvest. If r*N(0)-H>0, the population will grow exponentially. If r*N(0)-H=0, "
              "the population size will remain N(0). If r*N(0)-H<0, the population will decrease "
              "to zero under the influence of harvest. Therefore, the harvest rate H which "
              "satisfies r*N(0)-H>=0 is dependent on r and N(0). For specific r, the maximal "
              "sustainable harvest rate is proportinal to N(0). The larger N(0) gives larger "
              "harvest rate. For the logistic growth, the growth under harvest can be described as "
              "dN/dt=rN(1-N/K)-H. If r*N(0)*(1-N(0)/K)-H>0, the population will increase under the "
              "constant harvest rate H. If r*N(0)*(1-N(0)/K)-H=0, the population will remain "
              "constant. If r*N(0)*(1-N(0)/K)-H<0, it will decrease. The harvest rate H which "
              "satisfies r*N(0)*(1-N(0)/K)-H>=0 depends on r, N(0), and K. For given r and K, the "
              "maximal sustainable harvest rate is not linearly proportional to N(0). However, "
              "this is only the simple model. For more realistic model, you should learn the "
              "harvest theory based on the age-specific life table. You are welcome to try a "
              "companion program that teaches the harvest theory based on the life table. ");
}

void Introfrm::load()
{
    Text1->setPlainText(introductionText());
    Command1->setAccessibleDescription(Label1->text() + QLatin1Char(' ') + introductionText());
    centreOnScreen(this);
    Command1->setFocus();
}

void Introfrm::Command1_Click() { WindowRegistry::goHome(*this); }
void Introfrm::Command2_Click() { WindowRegistry::switchTo<Referenc>(*this); }
void Introfrm::Form_Unload() { WindowRegistry::goHome(*this); }
