// The windows the main window opens. Each hides the main window first and shows
// the other; the quiz and the citation window are shown first, then the main
// window hides.
#include "mainwindow/form1.h"

#include "game/game.h"
#include "info/copyrigh.h"
#include "info/howto.h"
#include "info/introfrm.h"
#include "info/quiz.h"
#include "largegraph/larggraf.h"
#include "widgets/windowregistry.h"

void Form1::Command9_Click() { WindowRegistry::switchTo<Introfrm>(*this); }
void Form1::Command12_Click() { WindowRegistry::switchTo<Game>(*this); }
void Form1::Image1_Click() { WindowRegistry::switchTo<Howto>(*this); }
void Form1::Label15_Click() { WindowRegistry::switchTo<Howto>(*this); }

void Form1::Command13_Click() { WindowRegistry::showInFrontOf<Quiz>(*this); }

void Form1::Command1_Click() { WindowRegistry::showInFrontOf<copyrigh>(*this); }

void Form1::Command11_Click() { ShowLargeGraph(); }

// The chart is complete before the window shows.
void Form1::ShowLargeGraph()
{
    larggraf &large = WindowRegistry::get<larggraf>();
    large.drawOpeningView();
    hide();
    large.showAndActivate();
}
