#pragma once

// The controls of each window as a student meets them, found by the names they carry,
// the names of the layout ("Command2", "Label12", "Label1(0)"). The tests, the
// screenshots and the benchmarks drive the windows through these, with clicks and
// keys, never through a window's own members. A name no control carries, or one that
// two controls share, stops the program at once with the name in the message.

#include "app/prophecy.h"
#include "app/titlform.h"
#include "chartkit/qtchartcontrol.h"
#include "game/game.h"
#include "info/copyrigh.h"
#include "info/howto.h"
#include "info/introfrm.h"
#include "info/quiz.h"
#include "info/referenc.h"
#include "info/vater.h"
#include "largegraph/larggraf.h"
#include "mainwindow/form1.h"
#include "model/gameentry.h"
#include "widgets/controls.h"
#include "widgets/windowregistry.h"

#include <QGroupBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTimer>

#include <array>
#include <cstddef>

// The one control of `window` of this type and name.
template <typename Control>
Control *findControl(const QObject &window, const QString &name)
{
    const QList<Control *> found = window.findChildren<Control *>(name);
    if (found.size() != 1)
        qFatal("%s holds %d controls of type %s named \"%s\", not one",
               qPrintable(window.objectName()), int(found.size()),
               Control::staticMetaObject.className(), qPrintable(name));
    return found.first();
}

// The members of a control array, name(0) to name(Count - 1).
template <typename Control, std::size_t Count>
std::array<Control *, Count> findControlArray(const QObject &window, const char *name)
{
    std::array<Control *, Count> members{};
    for (std::size_t i = 0; i < Count; ++i)
        members[i] = findControl<Control>(window,
                                          QStringLiteral("%1(%2)").arg(QLatin1String(name)).arg(i));
    return members;
}

// A member named as the control it holds, so the two can never part.
#define WINDOW_CONTROL(Type, Name) Type *Name = findControl<Type>(window, QStringLiteral(#Name))

template <typename Window>
struct Controls;

template <>
struct Controls<Form1>
{
    explicit Controls(const Form1 &form) : window(form) {}
    const Form1 &window;
    WINDOW_CONTROL(ClickLabel, Label15); // the title "Tarnwick (Basic)"
    WINDOW_CONTROL(QLabel, Label7);      // the notice with the year
    WINDOW_CONTROL(QRadioButton, Option1);
    WINDOW_CONTROL(QRadioButton, Option2);
    WINDOW_CONTROL(QPushButton, Command9);  // "More ..."
    WINDOW_CONTROL(QPushButton, Command12); // "Game"
    WINDOW_CONTROL(QPushButton, Command13); // the quiz
    WINDOW_CONTROL(TextBox, rrate);
    WINDOW_CONTROL(TextBox, n0);
    WINDOW_CONTROL(TextBox, Kvalue);
    WINDOW_CONTROL(TextBox, Harvestrate);
    WINDOW_CONTROL(TextBox, simut);
    WINDOW_CONTROL(ResultLabel, Label12); // final size with harvest
    WINDOW_CONTROL(QLabel, Label4);       // the caption above Text4
    WINDOW_CONTROL(ResultBox, Text4);     // final size without harvest
    WINDOW_CONTROL(QGroupBox, Frame3);    // "Graph"
    WINDOW_CONTROL(QtChartControl, MSChart1);
    WINDOW_CONTROL(QLabel, Label16);        // the greeting
    WINDOW_CONTROL(QLabel, Label17);        // the instructions
    WINDOW_CONTROL(QPushButton, Command2);  // "RUN"
    WINDOW_CONTROL(QPushButton, Command11); // "Large graph"
    WINDOW_CONTROL(QPushButton, Command5);  // "N, dN vs. t"
    WINDOW_CONTROL(QPushButton, Command10); // " Print"
    WINDOW_CONTROL(QPushButton, Command1);  // "Quit"
    WINDOW_CONTROL(QGroupBox, Frame4);      // "Author"
    WINDOW_CONTROL(QLabel, Label9);         // the contact block
    WINDOW_CONTROL(QLabel, Label6);         // the date
    WINDOW_CONTROL(ClickLabel, Image1);     // the portrait
    WINDOW_CONTROL(QTimer, Timer1);         // the date's clock
};

template <>
struct Controls<larggraf>
{
    explicit Controls(const larggraf &large) : window(large) {}
    const larggraf &window;
    WINDOW_CONTROL(QGroupBox, Frame2);
    WINDOW_CONTROL(QtChartControl, MSChart1);
    WINDOW_CONTROL(QPushButton, Command1); // "N vs. t"
    WINDOW_CONTROL(QPushButton, Command3); // "dN vs. t"
    WINDOW_CONTROL(QPushButton, Command8); // "N, dN vs. t"
    WINDOW_CONTROL(QPushButton, Command2); // "dN vs. N"
    WINDOW_CONTROL(QPushButton, Command9); // "lnN vs. t"
    WINDOW_CONTROL(QPushButton, Command7); // "dN/N vs. N"
    WINDOW_CONTROL(QPushButton, Command6); // "Print"
    WINDOW_CONTROL(QPushButton, Command4); // "Main form"
    WINDOW_CONTROL(QPushButton, Command5); // "Quit"
};

template <>
struct Controls<Game>
{
    explicit Controls(const Game &game) : window(game) {}
    const Game &window;
    WINDOW_CONTROL(QRadioButton, Option1); // exponential
    WINDOW_CONTROL(QRadioButton, Option2); // logistic
    WINDOW_CONTROL(ClickLabel, Label1);    // "Simulation stopped at t ="
    WINDOW_CONTROL(ResultBox, FinalSimuT);
    WINDOW_CONTROL(ResultBox, FinalN);
    WINDOW_CONTROL(ResultBox, FinalCapital);
    WINDOW_CONTROL(ResultBox, Profit);
    WINDOW_CONTROL(ResultBox, GNP);
    WINDOW_CONTROL(QGroupBox, Frame4);     // the instruction panel
    WINDOW_CONTROL(QLabel, Label20);       // its text
    WINDOW_CONTROL(QPushButton, Command5); // its "OK"
    WINDOW_CONTROL(QLabel, Makegeld);
    WINDOW_CONTROL(QLabel, Loser);
    WINDOW_CONTROL(QLabel, Jail);
    WINDOW_CONTROL(QLabel, Broke);
    WINDOW_CONTROL(QLabel, Richman);
    WINDOW_CONTROL(QRadioButton, EgRich);
    WINDOW_CONTROL(QRadioButton, EgOk);
    WINDOW_CONTROL(QRadioButton, EgLoser);
    WINDOW_CONTROL(QRadioButton, Egbroke);
    WINDOW_CONTROL(QRadioButton, EgJail);
    WINDOW_CONTROL(QPushButton, Command1); // "Run"
    WINDOW_CONTROL(QPushButton, Command2); // "Random data"
    WINDOW_CONTROL(QPushButton, Command3); // "How to"
    WINDOW_CONTROL(QPushButton, Command4); // "Main form"
    // The ten boxes of the rearing program, in GameBox order, named as their rules say.
    std::array<TextBox *, GameBoxCount> boxes = [this] {
        std::array<TextBox *, GameBoxCount> found{};
        for (const GameBoxRule &rule : gameBoxRules())
            found[static_cast<std::size_t>(rule.box)]
                = findControl<TextBox>(window, QString::fromLatin1(rule.name));
        return found;
    }();

    TextBox *box(GameBox which) const { return boxes[static_cast<std::size_t>(which)]; }
    std::array<QLabel *, 5> verdicts() const { return {Makegeld, Loser, Jail, Broke, Richman}; }

    // The verdict picture on show, if any.
    QLabel *shownVerdict() const
    {
        for (QLabel *picture : verdicts())
            if (picture->isVisibleTo(&window))
                return picture;
        return nullptr;
    }
};

template <>
struct Controls<titlform>
{
    explicit Controls(const titlform &title) : window(title) {}
    const titlform &window;
    // Label1(0) is the Greek caption at the bottom; 1 to 7 grow towards the top.
    std::array<ClickLabel *, 8> Label1 = findControlArray<ClickLabel, 8>(window, "Label1");
    WINDOW_CONTROL(ClickLabel, Label2); // "Press any key or click mouse to start."
    WINDOW_CONTROL(QTimer, Timer1);     // the animation's tick
};

template <>
struct Controls<Prophecy>
{
    explicit Controls(const Prophecy &proverb) : window(proverb) {}
    const Prophecy &window;
    WINDOW_CONTROL(ClickLabel, Picture1);
};

template <>
struct Controls<Introfrm>
{
    explicit Controls(const Introfrm &introduction) : window(introduction) {}
    const Introfrm &window;
    WINDOW_CONTROL(QPlainTextEdit, Text1); // the introduction
    WINDOW_CONTROL(QPushButton, Command2); // "References"
    WINDOW_CONTROL(QPushButton, Command1); // "OK"
};

template <>
struct Controls<Howto>
{
    explicit Controls(const Howto &instructions) : window(instructions) {}
    const Howto &window;
    WINDOW_CONTROL(QLabel, Label1);        // the instructions
    WINDOW_CONTROL(QPushButton, Command1); // "OK"
};

template <>
struct Controls<Referenc>
{
    explicit Controls(const Referenc &references) : window(references) {}
    const Referenc &window;
    // Label1(0) is the heading; the entries are Label1(1) to Label1(6) and Label2.
    std::array<ClickLabel *, 7> Label1 = findControlArray<ClickLabel, 7>(window, "Label1");
    WINDOW_CONTROL(ClickLabel, Label2);
    WINDOW_CONTROL(QPushButton, Command1); // "OK"
};

template <>
struct Controls<copyrigh>
{
    explicit Controls(const copyrigh &citation) : window(citation) {}
    const copyrigh &window;
    WINDOW_CONTROL(QLabel, Label5);        // the copyright notice
    WINDOW_CONTROL(QLabel, Label7);        // the citation request
    WINDOW_CONTROL(QLabel, Label6);        // where to get a newer version
    WINDOW_CONTROL(QPushButton, Command1); // "OK"
};

template <>
struct Controls<Quiz>
{
    explicit Controls(const Quiz &quiz) : window(quiz) {}
    const Quiz &window;
    WINDOW_CONTROL(QLabel, Image1);        // the question sheet
    WINDOW_CONTROL(QPushButton, Command1); // "Back to the mainform"
};

template <>
struct Controls<Vater>
{
    explicit Controls(const Vater &dedication) : window(dedication) {}
    const Vater &window;
    WINDOW_CONTROL(QGroupBox, Frame1);
    WINDOW_CONTROL(QLabel, Picture2);      // the memorial picture
    WINDOW_CONTROL(QPushButton, Command1); // "God rest his soul"
};

#undef WINDOW_CONTROL

// The controls of a window as it stands now, loaded if it was not.
template <typename Window>
Controls<Window> controlsOf()
{
    return Controls<Window>(WindowRegistry::get<Window>());
}

// A click on a chart as the student makes it, delivered as the chart delivers it.
inline void clickChart(QtChartControl *chart)
{
    QTest::mouseClick(chart->viewport(), Qt::LeftButton);
    QCoreApplication::processEvents();
}
