// The information windows and the way out: introduction, instructions, references,
// citation, quiz and dedication.
#include "programfixture.h"

#include "info/copyrigh.h"
#include "info/howto.h"
#include "info/introfrm.h"
#include "info/quiz.h"
#include "info/referenc.h"
#include "info/vater.h"

#include <QAccessible>
#include <QPlainTextEdit>

namespace {

// Records the order in which top-level windows are shown and hidden.
class ShowHideLog : public QObject
{
public:
    QStringList events;
    ShowHideLog() { qApp->installEventFilter(this); }
    ~ShowHideLog() override { qApp->removeEventFilter(this); }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        auto *widget = qobject_cast<QWidget *>(watched);
        if (widget && widget->isWindow() && !event->spontaneous()
            && (event->type() == QEvent::Show || event->type() == QEvent::Hide))
            events << widget->objectName()
                          + (event->type() == QEvent::Show ? QStringLiteral(" shown")
                                                           : QStringLiteral(" hidden"));
        return false;
    }
};

} // namespace

class TestInfoWindows : public ProgramTest
{
    Q_OBJECT

private slots:
    void openingFromTheMainWindow_data();
    void openingFromTheMainWindow();
    void okReturnsAndKeepsTheWindow_data();
    void okReturnsAndKeepsTheWindow();
    void closeBoxUnloadsAndLoadRunsAgain();
    void introductionLeadsToTheReferences();
    void referenceClicks_data();
    void referenceClicks();
    void quittingEndsOnlyThroughTheDedication();
    void citationFollowsTheClock();
    void introductionText();
    void instructionText();
    void citationTexts();
    void referencesInOrderOfYear();
    void picturesPlacedAtLoad();
    void enterOnTheFocusedButton();
};

void TestInfoWindows::openingFromTheMainWindow_data()
{
    QTest::addColumn<QString>("control");
    QTest::addColumn<QStringList>("order");
    // What a screen reader reads with the control the window opens on: the window's
    // texts that no key reaches.
    QTest::addColumn<QString>("read");
    QTest::addRow("More ...") << "Command9" << QStringList{"Form1 hidden", "Introfrm shown"}
                              << "Verhulst-Pearl logistic growth";
    QTest::addRow("portrait") << "Image1" << QStringList{"Form1 hidden", "Howto shown"}
                              << "Click on the graph to change graph.";
    QTest::addRow("title") << "Label15" << QStringList{"Form1 hidden", "Howto shown"}
                           << "Click Large graph to see large graph with legends.";
    // The quiz and the citation window come first; then the main window goes.
    QTest::addRow("quiz") << "Command13" << QStringList{"Quiz shown", "Form1 hidden"}
                          << "1. What are the consequences";
    QTest::addRow("Quit") << "Command1" << QStringList{"copyrigh shown", "Form1 hidden"}
                          << "please cite the following";
}

void TestInfoWindows::openingFromTheMainWindow()
{
    QFETCH(QString, control);
    QFETCH(QStringList, order);
    QFETCH(QString, read);
    Form1 &form = program.startAtMainWindow();
    ShowHideLog log;
    click(findControl<QWidget>(form, control));
    QCOMPARE(log.events, order);
    const QString shown = order.filter(QStringLiteral(" shown")).first().section(' ', 0, 0);
    const QWidget *opened = nullptr;
    for (const QWidget *window : QApplication::topLevelWidgets())
        if (window->objectName() == shown)
            opened = window;
    QVERIFY(opened);
    const QString description = opened->focusWidget()->accessibleDescription();
    QVERIFY2(description.contains(read), qPrintable(description));
    QVERIFY(!form.isVisible());
    QVERIFY(!program.ended);
}

void TestInfoWindows::okReturnsAndKeepsTheWindow_data()
{
    QTest::addColumn<QString>("opener"); // a control clicked, or F1 pressed
    QTest::addColumn<QString>("window");
    QTest::addColumn<bool>("escape"); // leaves with Escape instead of its button
    QTest::addRow("introduction") << "Command9"
                                  << "Introfrm" << false;
    QTest::addRow("instructions") << "Label15"
                                  << "Howto" << false;
    QTest::addRow("quiz") << "Command13"
                          << "Quiz" << false;
    QTest::addRow("introduction, Escape") << "Command9"
                                          << "Introfrm" << true;
    QTest::addRow("instructions by F1, Escape") << "F1"
                                                << "Howto" << true;
    QTest::addRow("quiz, Escape") << "Command13"
                                  << "Quiz" << true;
}

void TestInfoWindows::okReturnsAndKeepsTheWindow()
{
    QFETCH(QString, opener);
    QFETCH(QString, window);
    QFETCH(bool, escape);
    Form1 &form = program.startAtMainWindow();
    if (opener == QLatin1String("F1"))
        QTest::keyClick(form.focusWidget(), Qt::Key_F1);
    else
        click(findControl<QWidget>(form, opener));
    QWidget *info = nullptr;
    for (QWidget *w : QApplication::topLevelWidgets())
        if (w->objectName() == window)
            info = w;
    QVERIFY(info && info->isVisible());
    ShowHideLog log;
    if (escape)
        QTest::keyClick(info->focusWidget(), Qt::Key_Escape);
    else
        click(findControl<QPushButton>(*info, QStringLiteral("Command1")));
    QCOMPARE(log.events, QStringList({window + " hidden", "Form1 shown"}));
    QVERIFY(form.isVisible());
    QTest::qWait(0);
    QVERIFY(QApplication::topLevelWidgets().contains(info)); // only hidden
}

void TestInfoWindows::closeBoxUnloadsAndLoadRunsAgain()
{
    Form1 &form = program.startAtMainWindow();
    const Controls<Form1> ui(form);
    click(ui.Command9);
    Introfrm *intro = WindowRegistry::loaded<Introfrm>();
    Controls<Introfrm>(*intro).Text1->setPlainText(QStringLiteral("scribbled"));
    QVERIFY(intro->close());
    QVERIFY(form.isVisible());
    QTRY_VERIFY(!WindowRegistry::loaded<Introfrm>());
    click(ui.Command9); // a fresh window, loaded again
    QCOMPARE(Controls<Introfrm>(*WindowRegistry::loaded<Introfrm>()).Text1->toPlainText(),
             Introfrm::introductionText());

    // The other windows return the same way.
    click(controlsOf<Introfrm>().Command1);
    click(ui.Command13);
    QVERIFY(WindowRegistry::get<Quiz>().close());
    QVERIFY(form.isVisible());
    click(ui.Label15);
    QVERIFY(WindowRegistry::get<Howto>().close());
    QVERIFY(form.isVisible());
}

void TestInfoWindows::introductionLeadsToTheReferences()
{
    Form1 &form = program.startAtMainWindow();
    const Controls<Form1> ui(form);
    click(ui.Command9);
    ShowHideLog log;
    click(controlsOf<Introfrm>().Command2);
    QCOMPARE(log.events, QStringList({"Introfrm hidden", "Referenc shown"}));
    QVERIFY(!form.isVisible());
}

void TestInfoWindows::referenceClicks_data()
{
    QTest::addColumn<QString>("target");
    QTest::addColumn<QStringList>("order"); // empty: nothing happens
    QTest::addRow("heading") << "Label1(0)" << QStringList{"Referenc hidden", "Form1 shown"};
    QTest::addRow("1942 entry") << "Label1(2)" << QStringList{"Referenc hidden", "Form1 shown"};
    QTest::addRow("1979 entry") << "Label1(6)" << QStringList{"Referenc hidden", "Form1 shown"};
    QTest::addRow("1990 entry") << "Label2" << QStringList{};
    QTest::addRow("empty area") << "" << QStringList{"Form1 shown", "Referenc hidden"};
    QTest::addRow("OK") << "Command1" << QStringList{"Referenc hidden", "Form1 shown"};
    QTest::addRow("Escape") << "Escape" << QStringList{"Referenc hidden", "Form1 shown"};
}

void TestInfoWindows::referenceClicks()
{
    QFETCH(QString, target);
    QFETCH(QStringList, order);
    const Controls<Form1> ui(program.startAtMainWindow());
    click(ui.Command9);
    click(controlsOf<Introfrm>().Command2);
    Referenc &references = WindowRegistry::get<Referenc>();
    ShowHideLog log;
    if (target.isEmpty())
        QTest::mouseClick(&references, Qt::LeftButton, {}, QPoint(references.width() - 10, 10));
    else if (target == QLatin1String("Escape"))
        QTest::keyClick(references.focusWidget(), Qt::Key_Escape);
    else
        click(findControl<QWidget>(references, target));
    QCOMPARE(log.events, order);
    QCOMPARE(references.isVisible(), order.isEmpty());
}

void TestInfoWindows::quittingEndsOnlyThroughTheDedication()
{
    Form1 &form = program.startAtMainWindow();
    const Controls<Form1> ui(form);
    click(ui.Command1);
    copyrigh &citation = WindowRegistry::get<copyrigh>();
    QCOMPARE(controlsOf<copyrigh>().Command1->toolTip(),
             QStringLiteral("Click here to end this program"));

    // The close box cancels the quitting.
    QVERIFY(citation.close());
    QVERIFY(form.isVisible());
    QVERIFY(!program.ended);

    click(ui.Command1);
    ShowHideLog log;
    click(controlsOf<copyrigh>().Command1);
    QCOMPARE(log.events, QStringList({"copyrigh hidden", "Vater shown"}));
    Vater &dedication = WindowRegistry::get<Vater>();
    QCOMPARE(dedication.windowTitle(), QStringLiteral("Dedication"));
    QVERIFY(!program.ended);
    click(controlsOf<Vater>().Command1);
    QVERIFY(program.ended);

    // Closing the dedication ends the program too: there is nothing to return to.
    click(Controls<Form1>(program.startAtMainWindow()).Command1);
    QVERIFY(!program.ended);
    click(controlsOf<copyrigh>().Command1);
    QVERIFY(WindowRegistry::get<Vater>().close());
    QVERIFY(program.ended);
}

void TestInfoWindows::citationFollowsTheClock()
{
    int year = 2031;
    Environment::setNow([&year] { return QDateTime(QDate(year, 6, 1), QTime(9, 0)); });
    const Controls<Form1> ui(program.startAtMainWindow());
    click(ui.Command1);
    const Controls<copyrigh> citation = controlsOf<copyrigh>();
    QVERIFY(citation.Label5->text().contains(QStringLiteral("\u00A9 2031 ")));
    QVERIFY(citation.Label7->text().contains(QLatin1String("developers. 2031. ")));
    // Every text of the window fits its label.
    for (QLabel *label : {citation.Label5, citation.Label7, citation.Label6})
        QVERIFY2(label->heightForWidth(label->width()) <= label->height(),
                 qPrintable(label->objectName()));

    // Back and again: the window was only hidden, its texts stand.
    WindowRegistry::get<copyrigh>().close();
    year = 2032;
    click(ui.Command1);
    QVERIFY(controlsOf<copyrigh>().Label7->text().contains(QLatin1String("2032")));
}

void TestInfoWindows::introductionText()
{
    const QString text = Introfrm::introductionText();
    QVERIFY(text.startsWith(QLatin1String(
        "Both the exponential growth and the Verhulst-Pearl logistic growth are the simplest "
        "forms of population growth model. The logistic growth assumes")));
    // Where the pieces meet.
    for (const char *join :
         {"decreases as the density increases, while the death rate",
          "It introduces the important concept of \"carrying capacity\" (K). Is the exponential",
          "growth rate using  lnN(t)=lnN(0)+rt. If you plot",
          "don't follow the logistic model. Many decades ago",
          "meaningless. The harvest is an important topic",
          "is proportinal to N(0). The larger N(0) gives larger harvest rate. For the logistic",
          "not linearly proportional to N(0). However, this is only the simple model.",
          "based on the age-specific life table. You are welcome to try"})
        QVERIFY2(text.contains(QLatin1String(join)), join);
    QVERIFY(text.endsWith(QLatin1String("life table. ")));
    QVERIFY(!text.contains(QLatin1Char('\n')));

    const Controls<Form1> ui(program.startAtMainWindow());
    click(ui.Command9);
    QPlainTextEdit *box = controlsOf<Introfrm>().Text1;
    QCOMPARE(box->toPlainText(), text);
    QVERIFY(box->isReadOnly());
}

void TestInfoWindows::instructionText()
{
    const Controls<Form1> ui(program.startAtMainWindow());
    click(ui.Image1);
    const QStringList lines = controlsOf<Howto>().Label1->text().split(QLatin1Char('\n'));
    QCOMPARE(lines.size(), 8);
    QCOMPARE(lines[0], QStringLiteral("Click on the graph to change graph."));
    QCOMPARE(lines[1], QStringLiteral("Click on a parameter box to change the default value, then "
                                      "press Enter to confirm the change."));
    QCOMPARE(lines[4], QStringLiteral("Click Print to print the screen. (If your printer is not "
                                      "connected to LPT1, you may encounter difficulty.)"));
    QCOMPARE(lines[5], QString());
    QCOMPARE(lines[6], QStringLiteral("Comments and suggestions are welcome."));
    QVERIFY(lines[7].contains(QLatin1String("@example.org")));
}

void TestInfoWindows::citationTexts()
{
    const QString citation = copyrigh::citationText(2031);
    QVERIFY(citation.startsWith(QLatin1String(
        "If you use this program in your research, please cite the following  reference in "
        "your paper:\n\nTarnwick (Basic) developers. 2031. ")));
    QVERIFY(citation.contains(QLatin1String("computer program for harvest")));
    QVERIFY(citation.contains(QLatin1String("exponential and logistic growth")));
    const QStringList download = copyrigh::downloadText().split(QLatin1Char('\n'));
    QCOMPARE(download.size(), 4);
    QVERIFY(download[0].startsWith(QLatin1String("A new version can be obtained at ")));
    QVERIFY(download[1].startsWith(QLatin1Char('('))
            && download[1].endsWith(QLatin1String(") or")));
    QVERIFY(download[3].startsWith(QLatin1Char('(')) && download[3].endsWith(QLatin1String(").")));
    for (const QString &line : {download[0], download[2]})
        QVERIFY(line.contains(QLatin1String("example.org")));
}

void TestInfoWindows::referencesInOrderOfYear()
{
    const Controls<Form1> ui(program.startAtMainWindow());
    click(ui.Command9);
    click(controlsOf<Introfrm>().Command2);
    Referenc &references = WindowRegistry::get<Referenc>();
    const Controls<Referenc> entries(references);
    QCOMPARE(entries.Label1[0]->text(), QStringLiteral("References"));
    const QStringList order
        = {"Label1(2)", "Label1(1)", "Label1(3)", "Label1(4)", "Label1(5)", "Label1(6)", "Label2"};
    const QStringList starts
        = {"Lewis, E. G. (1942).",    "Leslie, P. H. (1945).", "Gordon, H. S. (1954).",
           "Schaefer, M. B. (1954).", "Hardin, G. (1968).",    "May, R. M., Beddington",
           "Clark, C. W. (1990)."};
    int lastBottom = entries.Label1[0]->geometry().bottom();
    for (int i = 0; i < order.size(); ++i) {
        auto *label = findControl<QLabel>(references, order[i]);
        QVERIFY(label->text().startsWith(starts[i]));
        // Each entry wraps within its label, below the one before.
        QVERIFY2(label->heightForWidth(label->width()) <= label->height(), qPrintable(order[i]));
        QVERIFY(label->y() > lastBottom);
        lastBottom = label->geometry().bottom();
    }
    QVERIFY(lastBottom < entries.Command1->y());
    QCOMPARE(entries.Label1[2]->text(), QStringLiteral("Lewis, E. G. (1942). On the generation "
                                                       "and growth of a population. Sankhy\u0101 "
                                                       "6: 93\u201396."));
    QCOMPARE(entries.Label2->text(),
             QStringLiteral("Clark, C. W. (1990). Mathematical Bioeconomics: The Optimal "
                            "Management of Renewable Resources, 2nd edition. Wiley, New York."));
}

void TestInfoWindows::picturesPlacedAtLoad()
{
    const Controls<Form1> ui(program.startAtMainWindow());
    click(ui.Command13);
    Quiz &quiz = WindowRegistry::get<Quiz>();
    const Controls<Quiz> sheet(quiz);
    QCOMPARE(sheet.Image1->size(), QSize(545, 190));
    QVERIFY(std::abs(sheet.Image1->geometry().center().x() - quiz.rect().center().x()) <= 1);
    const int raised = quiz.rect().center().y() - sheet.Image1->geometry().center().y();
    QVERIFY2(std::abs(raised * TwipsPerPixel - 400) <= TwipsPerPixel,
             qPrintable(QString::number(raised)));
    QVERIFY(!sheet.Image1->accessibleDescription().isEmpty());

    click(sheet.Command1);
    click(ui.Command1);
    click(controlsOf<copyrigh>().Command1);
    const Controls<Vater> dedication(WindowRegistry::get<Vater>());
    QCOMPARE(dedication.Picture2->size(), QSize(504, 559));
    const QPoint offCentre
        = dedication.Picture2->geometry().center() - dedication.Frame1->rect().center();
    QVERIFY(offCentre.manhattanLength() <= 1);
    QVERIFY(!dedication.Picture2->accessibleName().isEmpty());
}

// Each window opens with the focus on its button, so Enter answers it.
void TestInfoWindows::enterOnTheFocusedButton()
{
    Form1 &form = program.startAtMainWindow();
    const Controls<Form1> ui(form);
    click(ui.Command9);
    QCOMPARE(WindowRegistry::get<Introfrm>().focusWidget(), controlsOf<Introfrm>().Command1);
    // The introduction's text shows when it has the focus.
    QPlainTextEdit *text = controlsOf<Introfrm>().Text1;
    QVERIFY(QTest::qWaitForWindowActive(text->window()));
    QTest::keyClick(text->window()->focusWidget(), Qt::Key_Tab); // round to the text
    QCOMPARE(text->window()->focusWidget(), text);
    const QImage focused = text->grab().toImage();
    controlsOf<Introfrm>().Command1->setFocus();
    QVERIFY(focused != text->grab().toImage());
    pressEnter(controlsOf<Introfrm>().Command1);
    QVERIFY(form.isVisible() && !WindowRegistry::get<Introfrm>().isVisible());

    click(ui.Command1);
    QCOMPARE(WindowRegistry::get<copyrigh>().focusWidget(), controlsOf<copyrigh>().Command1);
    pressEnter(controlsOf<copyrigh>().Command1);
    QCOMPARE(WindowRegistry::get<Vater>().focusWidget(), controlsOf<Vater>().Command1);
    pressEnter(controlsOf<Vater>().Command1);
    QVERIFY(program.ended);
}

QTEST_MAIN(TestInfoWindows)
#include "tst_infowindows.moc"
