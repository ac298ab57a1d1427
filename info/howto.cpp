#include "info/howto.h"

#include "widgets/layout.h"
#include "widgets/windowregistry.h"

#include <QPushButton>

Howto::Howto() : ProgramWindow(FixedSingleBorder)
{
    //: the caption of the window with the instructions: how to use the program
    prepareWindow(this, "Howto", tr("Howto"), 6570, 4890, Colours::Grey);
    Label1
        = makeLabel(this, "Label1", QString(), 240, 480, 6015, 3615, designFont(TimesNewRoman, 12));
    Label1->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    Label1->setWordWrap(true);
    setColours(Label1, Colours::Black, Colours::Grey);
    //: the button that closes the instructions
    Command1 = makeButton(this, "Command1", tr("OK"), 2640, 4320, 1335, 495,
                          designFont(TimesNewRoman, 12, true));
    connect(Command1, &QPushButton::clicked, this, &Howto::Command1_Click);
    onKey(Qt::Key_Escape, [this] { Command1->click(); });
}

QString Howto::instructionLines()
{
    //: one instruction a line; Large graph, Game and Print are the main window's buttons,
    //: to be named as they are translated there
    return tr("Click on the graph to change graph.\n"
              "Click on a parameter box to change the default value, then press Enter to confirm "
              "the change.\n"
              "Click Large graph to see large graph with legends.\n"
              "Click Game to play harvest game. (It tests your knowledge on harvesting theory.)\n"
              "Click Print to print the screen. (If your printer is not connected to LPT1, you "
              "may encounter difficulty.)\n"
              "\n"
              "Comments and suggestions are welcome.\n"
              "Please send them by e-mail to tarnwick@example.org.");
}

void Howto::load()
{
    Label1->setText(instructionLines());
    readWith(Command1, {Label1});
    centreOnScreen(this);
    Command1->setFocus();
}

void Howto::Command1_Click() { WindowRegistry::goHome(*this); }
void Howto::Form_Unload() { WindowRegistry::goHome(*this); }
