#include "app/prophecy.h"

#include "app/startup.h"
#include "widgets/artwork.h"
#include "widgets/controls.h"
#include "widgets/design.h"
#include "widgets/layout.h"

#include <QKeyEvent>

Prophecy::Prophecy() : LeaveOnInputWindow(Qt::Tool | Qt::FramelessWindowHint)
{
    //: the caption of the window with the proverb picture
    prepareWindow(this, "Prophecy", tr("Prophecy"), 9750, 7245, Colours::White);
    setFocusPolicy(Qt::StrongFocus);

    Picture1 = new ClickLabel(this);
    Picture1->setObjectName(QStringLiteral("Picture1"));
    Picture1->resize(twipsSize(7680, 5760));
    Picture1->setPixmap(artwork(QStringLiteral("proverb"), Picture1->size()));
    Picture1->setCursor(Qt::PointingHandCursor);
    Picture1->setFocusPolicy(Qt::StrongFocus);
    //: the proverb the picture shows, read out for those who cannot see it
    Picture1->setAccessibleName(
        tr("Only when the last tree has been cut down, the last river poisoned and the last fish "
           "caught, will people find that money cannot be eaten."));
    Picture1->setAccessibleDescription(
        tr("A dancer in a feathered costume beside the proverb, in a green border"));
    Picture1->installEventFilter(this);

    connect(Picture1, &ClickLabel::clicked, this, &Prophecy::Picture1_Click);
}

void Prophecy::load()
{
    // The picture sits in the middle of the window.
    Picture1->move(width() / 2 - Picture1->width() / 2, height() / 2 - Picture1->height() / 2);
    centreOnScreen(this);
}

void Prophecy::showCentred()
{
    centreOnScreen(this);
    show();
    raise();
}

void Prophecy::Form_Click() { StartUp::proverbLeft(); }
void Prophecy::Form_KeyPress() { StartUp::proverbLeft(); }
void Prophecy::Picture1_Click() { StartUp::proverbLeft(); }
void Prophecy::Picture1_KeyPress() { StartUp::proverbLeft(); }

bool Prophecy::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == Picture1 && event->type() == QEvent::KeyPress) {
        if (!isModifierOnly(static_cast<QKeyEvent *>(event)))
            Picture1_KeyPress();
        return true;
    }
    return LeaveOnInputWindow::eventFilter(watched, event);
}

void Prophecy::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    activateWindow();
    Picture1->setFocus();
}
