#include "app/titlform.h"

#include "app/startup.h"
#include "model/harvest.h"
#include "widgets/artwork.h"
#include "widgets/controls.h"
#include "widgets/design.h"
#include "widgets/layout.h"

#include <QApplication>
#include <QKeyEvent>
#include <QTimer>

namespace {

struct TitleLabel
{
    int left, top, width, height;
    double points;
};

// Index 0 is the Greek caption at the bottom; 1 to 7 grow towards the top.
constexpr TitleLabel TitleLabels[8] = {
    {120, 6000, 10335, 495, 18},    {120, 5520, 10335, 615, 24},    {120, 4800, 10335, 855, 30},
    {120, 4080, 10335, 975, 36},    {120, 3240, 10335, 1215, 39.6}, {120, 2160, 10335, 1455, 45},
    {240, 1200, 10215, 1695, 50.4}, {360, 0, 10095, 1695, 60},
};

} // namespace

QString symbolFontText(const QString &latin)
{
    // The Symbol font's Greek letter on each Latin key, a to z and A to Z.
    static const QString lower = QStringLiteral("αβχδεφγηιϕκλμνοπθρστυϖωξψζ");
    static const QString upper = QStringLiteral("ΑΒΧΔΕΦΓΗΙϑΚΛΜΝΟΠΘΡΣΤΥςΩΞΨΖ");
    QString greek;
    for (const QChar c : latin) {
        if (c >= QLatin1Char('a') && c <= QLatin1Char('z'))
            greek += lower.at(c.unicode() - 'a');
        else if (c >= QLatin1Char('A') && c <= QLatin1Char('Z'))
            greek += upper.at(c.unicode() - 'A');
        else
            greek += c;
    }
    return greek;
}

titlform::titlform() : LeaveOnInputWindow(Qt::FramelessWindowHint)
{
    //: the program's name, shown large on the title; keep it unless the program is known
    //: by another name in your language
    const QString caption = tr("Tarnwick (Basic)");
    prepareWindow(this, "titlform", caption, 10635, 7050, Colours::DarkNavy);
    setFocusPolicy(Qt::StrongFocus);

    for (int i = 0; i < 8; ++i) {
        const TitleLabel &t = TitleLabels[i];
        auto *label = new ClickLabel(this);
        label->setObjectName(QStringLiteral("Label1(%1)").arg(i));
        placeTwips(label, t.left, t.top, t.width, t.height);
        label->setFont(designFont(QStringLiteral("Times New Roman"), t.points));
        label->setText(i == 0 ? symbolFontText(caption) : caption);
        label->setAlignment(Qt::AlignCenter);
        setColours(label, Colours::Yellow, Colours::Navy);
        label->setVisible(false);
        Label1[static_cast<std::size_t>(i)] = label;
    }

    Label2 = new ClickLabel(this);
    Label2->setObjectName(QStringLiteral("Label2"));
    placeTwips(Label2, 1080, 4800, 1695, 1095);
    Label2->setFont(designFont(QStringLiteral("Times New Roman"), 13.8));
    Label2->setText(tr("Press any key or click mouse to start."));
    Label2->setAlignment(Qt::AlignCenter);
    Label2->setWordWrap(true);
    setColours(Label2, Colours::Yellow, Colours::Red);
    Label2->setCursor(startCursor());
    // The window opens with the focus on its instruction, so a screen reader reads
    // it; a key pressed there goes on to the window, which any key leaves.
    Label2->setFocusPolicy(Qt::StrongFocus);

    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));

    for (int i = 0; i < 8; ++i)
        connect(Label1[static_cast<std::size_t>(i)], &ClickLabel::clicked, this,
                [this, i] { Label1_Click(i); });
    // A click on Label2 waits for the double-click interval, so that a double
    // click can take its own way straight to the main window. Leaving the title
    // any other way in the meantime cancels the wait.
    connect(Label2, &ClickLabel::clicked, this,
            [this] { callLater(QApplication::doubleClickInterval(), [this] { Label2_Click(); }); });
    connect(Label2, &ClickLabel::doubleClicked, this, [this] {
        cancelPendingCalls();
        Label2_DblClick();
    });
    connect(Timer1, &QTimer::timeout, this, &titlform::Timer1_Timer);
}

void titlform::load()
{
    centreOnScreen(this);
    Timer1->setInterval(TitleTickMilliseconds);
    Timer1->start();
}

void titlform::Timer1_Timer()
{
    HarvestState &h = Harvest;
    h.TitleTick = static_cast<std::int16_t>(h.TitleTick + 1);
    if (h.TitleTick > TitleLastTick)
        h.TitleTick = 0;
    if (h.TitleTick <= TitleLargestLabel) {
        Label1[static_cast<std::size_t>(h.TitleShown)]->setVisible(false);
        Label1[static_cast<std::size_t>(h.TitleTick)]->setVisible(true);
        h.TitleShown = h.TitleTick;
    }
}

void titlform::Form_KeyPress() { StartUp::titleLeft(); }
void titlform::Form_Click() { StartUp::titleLeft(); }
void titlform::Label1_Click(int) { StartUp::titleLeft(); }
void titlform::Label2_Click() { StartUp::titleLeft(); }
void titlform::Label2_DblClick() { StartUp::titleDoubleClicked(); }

void titlform::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    // Under a bare X server a window takes the keyboard only when activated. The
    // instruction has the focus, so a screen reader reads it.
    activateWindow();
    Label2->setFocus();
}
