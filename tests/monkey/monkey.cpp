// A seeded random walk over the real windows: clicks, double clicks, chart clicks,
// random typing, Enter and other keys, and the close boxes, from the title window
// through every window the program has. After every event it checks what must
// always hold. A failure prints the seed and the events that lead to it.
//
//   tarnwick_monkey [--seed N] [--events N]
#include "tests/windowcontrols.h"

#include "app/backform.h"
#include "app/prophecy.h"
#include "app/startup.h"
#include "app/titlform.h"
#include "chartkit/qtchartcontrol.h"
#include "game/game.h"
#include "info/vater.h"
#include "mainwindow/form1.h"
#include "model/numbertext.h"
#include "widgets/controls.h"
#include "widgets/design.h"
#include "widgets/environment.h"
#include "widgets/programwindow.h"
#include "widgets/windowregistry.h"

#include <QAbstractButton>
#include <QApplication>
#include <QChart>
#include <QFile>
#include <QLineSeries>
#include <QPlainTextEdit>
#include <QPrinter>
#include <QPushButton>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

#include <cmath>
#include <cstdio>
#include <random>

namespace {

class Monkey
{
public:
    Monkey(unsigned seed, long events) : m_seed(seed), m_events(events), m_random(seed) {}
    int run();

private:
    void start();
    void act();
    QString check();
    QList<ProgramWindow *> shownWindows() const;
    QWidget *pick(const QList<QWidget *> &widgets);
    int below(int n) { return std::uniform_int_distribution<int>(0, n - 1)(m_random); }
    QString randomText();
    QPoint somewhere(const QWidget *widget);
    void note(const QString &event) { m_log << event; }
    int fail(long event, const QString &why);

    unsigned m_seed;
    long m_events;
    std::mt19937 m_random;
    QStringList m_log;
    QDateTime m_clock = QDateTime(QDate(2031, 3, 4), QTime(9, 0));
    bool m_endAllowed = false; // this event is one of the ways out of the program
    bool m_ended = false;
    int m_restarts = 0;
    QTemporaryDir m_printouts;
};

QString describe(const QWidget *widget)
{
    return widget->window()->objectName() + QLatin1Char('.') + widget->objectName()
           + QLatin1Char('(') + QLatin1String(widget->metaObject()->className()) + QLatin1Char(')');
}

void Monkey::start()
{
    WindowRegistry::unloadAll();
    Harvest = HarvestState{};
    HarvestGame = GameState{};
    m_ended = false;
    StartUp::begin();
    QCoreApplication::processEvents();
}

QList<ProgramWindow *> Monkey::shownWindows() const
{
    QList<ProgramWindow *> windows;
    for (QWidget *widget : QApplication::topLevelWidgets())
        if (auto *window = qobject_cast<ProgramWindow *>(widget);
            window && window->isVisible() && !qobject_cast<Backform *>(window)
            && !window->isUnloaded())
            windows << window;
    return windows;
}

QWidget *Monkey::pick(const QList<QWidget *> &widgets)
{
    return widgets.isEmpty() ? nullptr : widgets.at(below(int(widgets.size())));
}

QPoint Monkey::somewhere(const QWidget *widget)
{
    return QPoint(below(std::max(1, widget->width())), below(std::max(1, widget->height())));
}

// Digits, signs, letters, points, exponents, blanks, now and then a very long text.
QString Monkey::randomText()
{
    static const QString pieces[]
        = {"0", "1", "2",     "5",    "9",   "65",  "-",   "+",   ".", "E",      "e",     " ",
           "a", "x", "1e308", "2000", "0.2", "500", "inf", "nan", ",", "1e-320", "10001", "-1"};
    QString text;
    const int count = below(20) == 0 ? 200 + below(400) : 1 + below(4);
    for (int i = 0; i < count; ++i)
        text += pieces[below(int(std::size(pieces)))];
    return text;
}

void Monkey::act()
{
    const QList<ProgramWindow *> windows = shownWindows();
    if (windows.isEmpty()) {
        note(QStringLiteral("no window: start again"));
        start();
        return;
    }
    ProgramWindow *window = windows.at(below(int(windows.size())));
    QList<QWidget *> controls;
    QList<QWidget *> boxes;
    for (QWidget *w : window->findChildren<QWidget *>()) {
        if (!w->isVisibleTo(window) || !w->isEnabled())
            continue;
        if (qobject_cast<QAbstractButton *>(w) || qobject_cast<ClickLabel *>(w)
            || qobject_cast<QtChartControl *>(w) || qobject_cast<QLineEdit *>(w)
            || qobject_cast<QPlainTextEdit *>(w))
            controls << w;
        if (auto *box = qobject_cast<QLineEdit *>(w); box && !box->isReadOnly())
            boxes << w;
    }

    const int kind = below(100);
    auto *vater = qobject_cast<Vater *>(window);
    // The dedication's button is the one way the program may end.
    QWidget *const farewell = vater ? Controls<Vater>(*vater).Command1 : nullptr;
    if (kind < 40 && !controls.isEmpty()) {
        QWidget *target = pick(controls);
        m_endAllowed = vater && target == farewell;
        if (auto *chart = qobject_cast<QtChartControl *>(target)) {
            note(QStringLiteral("click chart %1").arg(describe(target)));
            QTest::mouseClick(chart->viewport(), Qt::LeftButton, {}, somewhere(chart->viewport()));
        } else {
            const QPoint at = somewhere(target);
            note(QStringLiteral("click %1 at %2,%3").arg(describe(target)).arg(at.x()).arg(at.y()));
            QTest::mouseClick(target, Qt::LeftButton, {}, at);
        }
    } else if (kind < 45 && !controls.isEmpty()) {
        QWidget *target = pick(controls);
        m_endAllowed = vater && target == farewell;
        note(QStringLiteral("double click %1").arg(describe(target)));
        QTest::mouseDClick(target, Qt::LeftButton, {}, somewhere(target));
    } else if (kind < 65 && !boxes.isEmpty()) {
        auto *box = static_cast<QLineEdit *>(pick(boxes));
        const QString text = randomText();
        note(QStringLiteral("type \"%1\" into %2").arg(text.left(60), describe(box)));
        box->setFocus();
        if (below(2) == 0)
            box->selectAll();
        QTest::keyClicks(box, text);
        if (below(2) == 0) {
            note(QStringLiteral("Enter in %1").arg(describe(box)));
            QTest::keyClick(box, Qt::Key_Return);
        }
    } else if (kind < 90) {
        static const Qt::Key keys[]
            = {Qt::Key_Return, Qt::Key_Enter, Qt::Key_Space, Qt::Key_Tab,  Qt::Key_Backtab,
               Qt::Key_Escape, Qt::Key_A,     Qt::Key_5,     Qt::Key_Shift};
        const Qt::Key key = keys[below(int(std::size(keys)))];
        QWidget *target = window->focusWidget() ? window->focusWidget() : window;
        m_endAllowed = vater && (target == farewell || target == vater);
        note(QStringLiteral("key %1 on %2").arg(int(key)).arg(describe(target)));
        QTest::keyClick(target, key, key == Qt::Key_Enter ? Qt::KeypadModifier : Qt::NoModifier);
    } else if (kind < 95) {
        note(QStringLiteral("click the empty part of %1").arg(window->objectName()));
        QTest::mouseClick(window, Qt::LeftButton, {}, QPoint(2, 2));
    } else if (kind < 99) {
        // The close boxes of the main window and the dedication end the program:
        // those two are left alone.
        if (qobject_cast<Form1 *>(window) || vater) {
            note(QStringLiteral("nothing"));
        } else {
            note(QStringLiteral("close box of %1").arg(window->objectName()));
            window->close();
        }
    } else {
        note(QStringLiteral("wait"));
        m_clock = m_clock.addMSecs(600);
        QTest::qWait(450); // pending calls and timers get their turn
    }
    m_clock = m_clock.addSecs(1);
    QCoreApplication::processEvents();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCoreApplication::processEvents();
}

// What must hold after every event; the empty text when it does.
QString Monkey::check()
{
    if (QApplication::activeModalWidget())
        return QStringLiteral("a modal window is open: %1")
            .arg(QApplication::activeModalWidget()->objectName());
    static const QRegularExpression nonsense(QStringLiteral("\\b(nan|inf|infinity)\\b"),
                                             QRegularExpression::CaseInsensitiveOption);
    for (QWidget *top : QApplication::topLevelWidgets()) {
        auto *window = qobject_cast<ProgramWindow *>(top);
        if (!window || window->isUnloaded())
            continue;
        for (QLabel *label : window->findChildren<QLabel *>())
            if (label->text().contains(nonsense))
                return QStringLiteral("%1 shows \"%2\"").arg(describe(label), label->text());
        for (QLineEdit *box : window->findChildren<QLineEdit *>())
            if (box->isReadOnly() && box->text().contains(nonsense))
                return QStringLiteral("%1 shows \"%2\"").arg(describe(box), box->text());
        for (QtChartControl *chart : window->findChildren<QtChartControl *>()) {
            if (chart->chart()->title().contains(nonsense))
                return QStringLiteral("chart title \"%1\"").arg(chart->chart()->title());
            for (QAbstractSeries *series : chart->chart()->series())
                for (const QPointF &p : static_cast<QXYSeries *>(series)->points())
                    if (!std::isfinite(p.x()) || !std::isfinite(p.y()))
                        return QStringLiteral("%1 holds a point that is not finite")
                            .arg(describe(chart));
        }
    }

    if (Form1 *form = WindowRegistry::loaded<Form1>()) {
        // The result fields: placeholders, a number, or why a run was refused.
        const Controls<Form1> ui(*form);
        for (QString text : {ui.Label12->text(), ui.Text4->text()}) {
            if (text == QLatin1String("????") || text == QLatin1String("???"))
                continue;
            if (textReadAsNumber(text.toStdString()))
                continue;
            if (text.startsWith(QLatin1String("Not run: "))
                || text.startsWith(QLatin1String("Enter "))
                || text.startsWith(QLatin1String("Run for t = 1 to "))
                || text == QLatin1String("Use a smaller N(0) or r"))
                continue;
            return QStringLiteral("a result field of the main window shows \"%1\"").arg(text);
        }
    }
    if (Game *game = WindowRegistry::loaded<Game>()) {
        const Controls<Game> ui(*game);
        int verdicts = 0;
        for (QLabel *picture : ui.verdicts())
            verdicts += !picture->isHidden();
        if (verdicts > 1)
            return QStringLiteral("%1 verdict pictures at once").arg(verdicts);
        // Whole numbers below 10^12 are written out in full.
        for (QLineEdit *box : {ui.FinalN, ui.FinalCapital, ui.Profit})
            if (box->text().contains(QLatin1Char('E'))
                && std::abs(numberOfText(box->text().toStdString())) < 1e12)
                return QStringLiteral("%1 shows \"%2\"").arg(describe(box), box->text());
    }
    int startUp = 0;
    for (QWidget *w : {static_cast<QWidget *>(WindowRegistry::loaded<titlform>()),
                       static_cast<QWidget *>(WindowRegistry::loaded<Prophecy>()),
                       static_cast<QWidget *>(WindowRegistry::loaded<Form1>())})
        startUp += w && w->isVisible();
    if (startUp > 1)
        return QStringLiteral("the title, proverb and main windows show together");
    return QString();
}

int Monkey::fail(long event, const QString &why)
{
    const QString path = QStringLiteral("monkey-failure-%1.txt").arg(m_seed);
    QFile file(path);
    if (file.open(QIODevice::WriteOnly | QIODevice::Text))
        file.write((m_log.join(QLatin1Char('\n')) + QLatin1Char('\n')).toUtf8());
    std::fprintf(stderr, "monkey: seed %u, event %ld: %s\n", m_seed, event, qPrintable(why));
    for (qsizetype i = std::max<qsizetype>(0, m_log.size() - 30); i < m_log.size(); ++i)
        std::fprintf(stderr, "  %lld: %s\n", static_cast<long long>(i + 1), qPrintable(m_log[i]));
    std::fprintf(stderr, "all %lld events are in %s; run again with --seed %u --events %ld\n",
                 static_cast<long long>(m_log.size()), qPrintable(path), m_seed, event);
    return 1;
}

int Monkey::run()
{
    Environment::setNow([this] { return m_clock; });
    Environment::setEndProgram([this] { m_ended = true; });
    const QString printout = m_printouts.filePath(QStringLiteral("window.pdf"));
    Environment::setPrinters(
        [printout] {
            auto printer = std::make_unique<QPrinter>(QPrinter::ScreenResolution);
            printer->setOutputFormat(QPrinter::PdfFormat);
            printer->setOutputFileName(printout);
            return printer;
        },
        [](QWidget *) { return std::unique_ptr<QPrinter>(); });

    start();
    for (long event = 1; event <= m_events; ++event) {
        m_endAllowed = false;
        act();
        if (m_ended) {
            if (!m_endAllowed)
                return fail(event, QStringLiteral("the program ended outside the ways out"));
            note(QStringLiteral("the program ended: start again"));
            ++m_restarts;
            start();
            continue;
        }
        if (const QString why = check(); !why.isEmpty())
            return fail(event, why);
    }
    std::printf("monkey: seed %u, %ld events, %d ends through the way out, all clean\n", m_seed,
                m_events, m_restarts);
    WindowRegistry::unloadAll();
    return 0;
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    prepareApplication();
    unsigned seed = 1;
    long events = 1000;
    const QStringList args = QCoreApplication::arguments();
    for (qsizetype i = 1; i + 1 < args.size(); ++i) {
        if (args[i] == QLatin1String("--seed"))
            seed = args[i + 1].toUInt();
        else if (args[i] == QLatin1String("--events"))
            events = args[i + 1].toLong();
    }
    // The offscreen platform cannot stack windows; it says so on every raise().
    qInstallMessageHandler([](QtMsgType type, const QMessageLogContext &, const QString &message) {
        if (type != QtDebugMsg
            && !message.startsWith(QLatin1String("This plugin does not support")))
            std::fprintf(stderr, "%s\n", qPrintable(message));
    });
    return Monkey(seed, events).run();
}
