// The game window's entries and its run: the change and Enter handlers of the ten
// boxes, "Run", "Random data" and the five examples.
#include "game/game.h"

#include "model/numbertext.h"
#include "widgets/controls.h"
#include "widgets/environment.h"
#include "widgets/spokenitems.h"

#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>

namespace {

QString text(double value) { return QString::fromStdString(textOfNumber(value)); }
QString whole(double value) { return QString::fromStdString(wholeNumberText(value)); }

} // namespace

void Game::clearResults()
{
    for (QLineEdit *result : {FinalSimuT, FinalCapital, FinalN, Profit, GNP})
        result->clear();
}

// Any change of an input makes the results on show stale.
void Game::boxChanged()
{
    hideVerdicts();
    Command1->setEnabled(false);
    clearResults();
}

void Game::boxKeyPress(GameBox which, int keyAscii)
{
    if (keyAscii != EnterKeyAscii)
        return;
    TextBox *entry = box(which);
    if (const auto corrected = correctedGameEntry(which, entry->text().toStdString()))
        entry->setText(QString::fromStdString(*corrected));
    const GameBoxRule &rule = gameBoxRule(which);
    for (int i = 0; i < rule.neededCount; ++i)
        if (box(rule.needed[std::size_t(i)])->text().isEmpty())
            return; // "Run" waits until these are filled
    Command1->setEnabled(true);
    Command1->setFocus();
}

void Game::writeBoxes(const std::array<std::string, GameBoxCount> &texts)
{
    for (const GameBoxRule &rule : gameBoxRules())
        box(rule.box)->setText(QString::fromStdString(texts[static_cast<std::size_t>(rule.box)]));
}

// Boxes drawn at random stay as drawn until the next run; the program may still
// write them.
void Game::setLocked(bool locked)
{
    for (GameBox which : RandomlyDrawn) {
        box(which)->setReadOnly(locked);
        //: the tooltip of a box "Random data" filled; it cannot be edited until "Run"
        box(which)->setToolTip(locked ? tr("Drawn at random: fixed until the next run")
                                      : QString());
    }
}

// A run that cannot be made, or that had to stop early, says why in the panel.
void Game::explain(const QString &why, GameBox fix)
{
    Label20->setText(why);
    showPanel();
    box(fix)->setFocus();
    box(fix)->selectAll();
    m_announcer->say(why, Label20);
}

void Game::Command1_Click()
{
    const Growth model = HarvestGame.GameModel;
    int count = 0;
    const auto needs = runNeeds(model, count);
    for (int i = 0; i < count; ++i)
        if (box(needs[std::size_t(i)])->text().isEmpty())
            return; // nothing happens until every box holds something
    hidePanel();

    const auto number
        = [this](GameBox which) { return numberOfText(box(which)->text().toStdString()); };
    GameInputs inputs;
    inputs.n0 = number(GameBox::InitN);
    inputs.r = number(GameBox::GRate);
    inputs.t = number(GameBox::SimutY);
    inputs.P = number(GameBox::Price);
    inputs.E = number(GameBox::CostPerInd);
    inputs.A = number(GameBox::InitialCapital);
    inputs.K = number(GameBox::CarryingK);
    inputs.H = number(GameBox::DailyH);
    inputs.L = number(GameBox::Lohn);
    inputs.I = number(GameBox::InterestRate);
    const GameOutcome outcome = playGame(HarvestGame, Harvest.CurrentT, inputs);

    switch (outcome.refusal) {
    case GameRefusal::None: break;
    case GameRefusal::RunLength:
        //: a refusal of "Run"; %1 is the longest run in days
        return explain(
            tr("Not run: how long in business (t) must be from 0 to %1 days.").arg(MaxGameDays),
            GameBox::SimutY);
    case GameRefusal::NoCapacity:
        //: a refusal of "Run"
        return explain(
            tr("Not run: the logistic model needs a carrying capacity (K) greater than 0."),
            GameBox::CarryingK);
    }
    showResults(outcome);
    const QLabel *verdict = nullptr;
    for (const QLabel *picture : verdicts())
        if (picture->isVisibleTo(this))
            verdict = picture;
    m_announcer->say(resultsSaid(verdict), verdict);
    if (outcome.stoppedOutOfRange)
        //: %1 is the last day the simulation could count
        explain(tr("The stock grew too large to count after day %1: the business stopped there.")
                    .arg(text(HarvestGame.GameStopT)),
                GameBox::SimutY);
}

QString Game::resultsSaid(const QLabel *verdict) const
{
    QStringList said;
    if (verdict)
        said << verdict->accessibleName();
    for (const QLineEdit *result : {FinalSimuT, FinalN, FinalCapital, Profit, GNP})
        //: a result as a screen reader tells it: %1 its name, such as "Net profit:", %2 its
        //: number
        said << tr("%1 %2.").arg(result->accessibleName(), result->text());
    return said.join(QLatin1Char(' '));
}

void Game::showResults(const GameOutcome &outcome)
{
    const GameState &g = HarvestGame;
    FinalSimuT->setText(text(g.GameStopT));
    Profit->setText(whole(g.GameNetProfit));
    FinalCapital->setText(whole(g.GameFinalCapital));
    FinalN->setText(whole(g.GameN[static_cast<std::size_t>(outcome.shownDay)]));

    QLabel *picture = nullptr;
    switch (outcome.verdict) {
    case Verdict::Jail: picture = Jail; break;
    case Verdict::Broke: picture = Broke; break;
    case Verdict::Loser: picture = Loser; break;
    case Verdict::SomeMoney: picture = Makegeld; break;
    case Verdict::Rich: picture = Richman; break;
    case Verdict::Unchanged: break;
    }
    if (picture) {
        hideVerdicts();
        picture->setVisible(true);
        picture->raise();
    }
    setLocked(false);
    // For comparison only: what the student would have needed to live on.
    GNP->setText(text(minimumLivingExpense(
        g.GameSimuT, Environment::random(Environment::RandomDraw::LivingExpense),
        Environment::now().time().second())));
}

void Game::Command2_Click()
{
    const auto texts = randomBusiness(HarvestGame.GameModel,
                                      Environment::random(Environment::RandomDraw::Business),
                                      Environment::now().time().second());
    for (GameBox which : RandomlyDrawn)
        box(which)->setText(QString::fromStdString(texts[static_cast<std::size_t>(which)]));
    setLocked(true);
    // The blue boxes are the student's to fill.
    for (GameBox which : {GameBox::DailyH, GameBox::Lohn, GameBox::SimutY})
        box(which)->clear();
    FinalN->clear();
    Profit->clear();
    clearExamples();
    hideVerdicts();
    box(GameBox::DailyH)->setFocus();
    // A screen reader hears what was drawn, as a sighted student sees it.
    QStringList drawn;
    for (GameBox which : RandomlyDrawn)
        if (!box(which)->text().isEmpty())
            //: a box "Random data" filled, as a screen reader tells it: %1 the box's name, such
            //: as "Growth rate (r):", %2 the number drawn
            drawn << tr("%1 %2").arg(box(which)->accessibleName(), box(which)->text());
    //: what a screen reader tells after "Random data": %1 lists the boxes drawn and their
    //: numbers, separated by commas
    m_announcer->say(tr("Drawn at random: %1. Now fill in the harvest rate, the loan and how long "
                        "in business, and press Enter.")
                         .arg(drawn.join(QStringLiteral(", "))),
                     box(GameBox::DailyH));
}

void Game::loadExample(GameExample example)
{
    writeBoxes(exampleTexts(example, HarvestGame.GameModel));
    clearResults();
    Command1->setEnabled(true);
    hideVerdicts();
    Command1->setFocus();
}

void Game::EgRich_Click() { loadExample(GameExample::Rich); }
void Game::EgOk_Click() { loadExample(GameExample::Ok); }
void Game::EgLoser_Click() { loadExample(GameExample::Loser); }
void Game::Egbroke_Click() { loadExample(GameExample::Broke); }
void Game::EgJail_Click() { loadExample(GameExample::Jail); }
