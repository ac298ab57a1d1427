#include "info/copyrigh.h"

#include "info/vater.h"
#include "widgets/artwork.h"
#include "widgets/environment.h"
#include "widgets/layout.h"
#include "widgets/windowregistry.h"

#include <QPushButton>

copyrigh::copyrigh() : ProgramWindow(FixedSingleBorder)
{
    //: the caption of the window with the copyright notice and the citation
    prepareWindow(this, "copyrigh", tr("Copyright"), 8580, 6972, Colours::Grey);

    // The notice stands in the free space above the citation.
    Label5 = makeLabel(this, "Label5", QString(), 360, 240, 7860, 2760,
                       designFont(TimesNewRoman, 13.8));
    Label5->setAlignment(Qt::AlignCenter);
    Label5->setWordWrap(true);

    Label7 = makeLabel(this, "Label7", QString(), 360, 3240, 4815, 2055,
                       designFont(TimesNewRoman, 10.8));
    Label7->setWordWrap(true);
    Label7->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    Label7->setFrameStyle(QFrame::Box | QFrame::Plain);
    Label7->setMargin(4);
    setColours(Label7, Colours::Yellow, Colours::Blue);

    Label6 = makeLabel(this, "Label6", QString(), 360, 5400, 4815, 1455,
                       designFont(TimesNewRoman, 9.6));
    Label6->setAlignment(Qt::AlignCenter);
    Label6->setWordWrap(true);
    Label6->setFrameStyle(QFrame::Box | QFrame::Plain);
    setColours(Label6, Colours::Black, QColor(0, 255, 255));

    Picture1 = makeControl<QLabel>(this, "Picture1", 6600, 3600, 1776, 2292);
    Picture1->setPixmap(artwork(QStringLiteral("portrait")));
    Picture1->setAlignment(Qt::AlignCenter);
    Picture1->setAccessibleName(tr("Portrait of the author"));
    setColours(Picture1, Colours::Black, Colours::Grey);

    //: the button that goes on quitting, to the dedication and the end
    Command1 = makeButton(this, "Command1", tr("OK"), 6840, 6000, 1215, 495,
                          designFont(TimesNewRoman, 12, true));
    Command1->setToolTip(tr("Click here to end this program"));

    connect(Command1, &QPushButton::clicked, this, &copyrigh::Command1_Click);
}

QString copyrigh::noticeText(int year)
{
    //: %1 is the year
    return tr("Tarnwick (Basic)\n"
              "A teaching program on harvest under exponential and logistic growth\n\n"
              "Copyright © %1 Tarnwick (Basic) developers\n"
              "Free to use and to copy for teaching and learning, as it is and "
              "without any warranty.")
        .arg(year);
}

QString copyrigh::citationText(int year)
{
    //: %1 is the year of the reference; the reference itself may stay in English
    return tr("If you use this program in your research, please cite the following  reference in "
              "your paper:\n\n"
              "Tarnwick (Basic) developers. %1. Tarnwick (Basic): a computer program for harvest "
              "under exponential and logistic growth. Tarnwick Teaching Project, Exampletown.")
        .arg(year);
}

QString copyrigh::downloadText()
{
    return tr("A new version can be obtained at tarnwick.example.org\n"
              "(Tarnwick Teaching Project) or\n"
              "library.example.org/tarnwick\n"
              "(Example University Library).");
}

void copyrigh::load()
{
    const int year = Environment::now().date().year();
    Label5->setText(noticeText(year));
    Label7->setText(citationText(year));
    Label6->setText(downloadText());
    readWith(Command1, {Label5, Label7, Label6});
    centreOnScreen(this);
    Command1->setFocus();
}

void copyrigh::Command1_Click() { WindowRegistry::switchTo<Vater>(*this); }

// Closing the citation window cancels the quitting.
void copyrigh::Form_Unload() { WindowRegistry::goHome(*this); }
