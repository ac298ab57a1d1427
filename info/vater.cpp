#include "info/vater.h"

#include "widgets/artwork.h"
#include "widgets/environment.h"
#include "widgets/layout.h"

#include <QGroupBox>
#include <QPushButton>

Vater::Vater() : ProgramWindow(Qt::Tool | FixedSingleBorder)
{
    //: the caption of the last window, with the dedication
    prepareWindow(this, "Vater", tr("Dedication"), 6960, 7956, Colours::White);
    Frame1 = makeFrame(this, "Frame1", QString(), 360, 240, 6492, 6972);
    Picture2 = makeControl<QLabel>(Frame1, "Picture2", 0, 0, 6048, 6708);
    Picture2->setPixmap(artwork(QStringLiteral("dedication"), Picture2->size()));
    Picture2->setAccessibleName(tr("Memorial portrait of a teacher"));
    Picture2->setAccessibleDescription(dedicationCaption());
    //: the button of the dedication, a blessing for the late teacher; it ends the program
    Command1 = makeButton(this, "Command1", tr("God rest his soul"), 1320, 7320, 4575, 495,
                          designFont(TimesNewRoman, 14.4, true));
    // The window opens with the focus on its button: the dedication is read there.
    //: read out on the button: %1 is the picture's name, %2 the dedication under it
    Command1->setAccessibleDescription(
        tr("%1. %2").arg(Picture2->accessibleName(), dedicationCaption()));
    connect(Command1, &QPushButton::clicked, this, &Vater::Command1_Click);
}

void Vater::load()
{
    // The picture sits in the middle of its frame.
    Picture2->move((Frame1->width() - Picture2->width()) / 2,
                   (Frame1->height() - Picture2->height()) / 2);
    centreOnScreen(this);
    Command1->setFocus();
}

void Vater::Command1_Click() { Environment::endProgram(); }
void Vater::Form_Unload() { Environment::endProgram(); }
