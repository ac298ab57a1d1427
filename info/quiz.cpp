#include "info/quiz.h"

#include "widgets/artwork.h"
#include "widgets/layout.h"
#include "widgets/windowregistry.h"

#include <QPushButton>

namespace {
// Above the middle of the window, to leave room for the button below.
constexpr int RaisedTwips = 400;
} // namespace

Quiz::Quiz() : ProgramWindow(FixedSingleBorder)
{
    //: the caption of the window with the quiz sheet
    prepareWindow(this, "Quiz", tr("Quiz"), 9855, 7545, QColor(128, 255, 128));
    Image1 = makeControl<QLabel>(this, "Image1", 0, 0, 6540, 2280);
    Image1->setPixmap(artwork(QStringLiteral("quizsheet"), Image1->size()));
    Image1->setAccessibleName(tr("Quiz: three questions on harvest theory"));
    Image1->setAccessibleDescription(quizQuestions());
    //: the button back to the main window
    Command1 = makeButton(this, "Command1", tr("Back to the mainform"), 3600, 6960, 3015, 495,
                          designFont(TimesNewRoman, 12, true));
    connect(Command1, &QPushButton::clicked, this, &Quiz::Command1_Click);
    // The window opens with the focus on its button: a screen reader reads the
    // questions there, as a sighted student reads them off the sheet.
    Command1->setAccessibleDescription(quizQuestions());
    onKey(Qt::Key_Escape, [this] { Command1->click(); });
}

void Quiz::load()
{
    // Centred across, and 400 twips above the middle.
    Image1->move((width() - Image1->width()) / 2,
                 (height() - Image1->height()) / 2 - twipsToPixels(RaisedTwips));
    centreOnScreen(this);
    Command1->setFocus();
}

void Quiz::Command1_Click() { WindowRegistry::goHome(*this); }
void Quiz::Form_Unload() { WindowRegistry::goHome(*this); }
