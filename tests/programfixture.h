#pragma once

// Starts the program's windows as main() does, with the end of the program, the
// clock and the printer in the test's hands, and resets everything afterwards.

#include "windowcontrols.h"

#include "app/backform.h"
#include "app/startup.h"
#include "model/harvest.h"
#include "model/keptruns.h"
#include "widgets/design.h"
#include "widgets/environment.h"
#include "widgets/windowregistry.h"

#include <QApplication>
#include <QChart>
#include <QGroupBox>
#include <QLineSeries>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTest>

#include <memory>

struct ProgramFixture
{
    bool ended = false;

    static void prepareApplication()
    {
        // The offscreen platform cannot stack windows; it says so on every raise().
        static const QtMessageHandler previous = qInstallMessageHandler(
            [](QtMsgType type, const QMessageLogContext &context, const QString &message) {
                if (!message.startsWith(QLatin1String("This plugin does not support")))
                    previous(type, context, message);
            });
        ::prepareApplication();
    }

    // Starts the program: the main window loads, hidden, behind the backdrop and the
    // title, with the lesson of the command line `arguments`.
    Form1 &start(const QStringList &arguments = {})
    {
        std::vector<std::string> texts;
        for (const QString &argument : arguments)
            texts.push_back(argument.toStdString());
        const std::vector<std::string_view> views(texts.begin(), texts.end());
        WindowRegistry::unloadAll();
        Harvest = HarvestState{};
        Kept.forget();
        ended = false;
        Environment::setEndProgram([this] { ended = true; });
        StartUp::begin(CommandLine::parseArguments(views));
        return WindowRegistry::get<Form1>();
    }

    // Leaves the title and the proverb window with a click on each, as the student does.
    Form1 &startAtMainWindow(const QStringList &arguments = {})
    {
        Form1 &form = start(arguments);
        QTest::mouseClick(&WindowRegistry::get<titlform>(), Qt::LeftButton);
        QTest::mouseClick(&WindowRegistry::get<Prophecy>(), Qt::LeftButton);
        return form;
    }

    void stop()
    {
        WindowRegistry::unloadAll();
        Environment::setEndProgram({});
        Environment::setNow({});
        Environment::setPrinters({}, {});
        Environment::setRandom(nullptr);
        Environment::fixRandomSeed(std::nullopt);
        Environment::setFileToOpenChooser({});
        Environment::setDescriptionListener({});
        Environment::setSpeechListener({});
    }
};

// Types a text into a box key by key, as the student does.
inline void type(QLineEdit *box, const QString &text)
{
    box->setFocus();
    box->selectAll();
    QTest::keyClick(box, Qt::Key_Backspace);
    QTest::keyClicks(box, text);
}

inline void pressEnter(QWidget *widget) { QTest::keyClick(widget, Qt::Key_Return); }

// A click on a control as the student makes it: on one in sight and enabled.
inline void click(QWidget *control)
{
    QVERIFY2(control->isVisible(),
             qPrintable(control->objectName() + QStringLiteral(" is hidden")));
    QVERIFY2(control->isEnabled(),
             qPrintable(control->objectName() + QStringLiteral(" is disabled")));
    QTest::mouseClick(control, Qt::LeftButton);
}

// Sets a box's text at once and confirms it with Enter.
inline void enter(QLineEdit *box, const QString &text)
{
    box->setText(text);
    pressEnter(box);
}

// Waits for the next tick of a window's timer; what the window does on a tick is
// done by then.
inline bool nextTick(QTimer *timer)
{
    QSignalSpy ticks(timer, &QTimer::timeout);
    return ticks.wait(4 * timer->interval() + 1000);
}

// What a chart shows.
inline QString chartTitle(const QtChartControl *chart) { return chart->chart()->title(); }

inline QList<QPointF> chartPoints(const QtChartControl *chart, int seriesIndex)
{
    return chart->plotted().value(seriesIndex);
}

// The base of the window tests: the application prepared once, and every test
// leaving no window behind for the next.
class ProgramTest : public QObject
{
    Q_OBJECT

protected:
    ProgramFixture program;

private slots:
    void initTestCase() { ProgramFixture::prepareApplication(); }
    void cleanup() { program.stop(); }
};
