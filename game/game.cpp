// The game window: its layout, start-up, model options and the way back.
#include "game/game.h"

#include "widgets/artwork.h"
#include "widgets/controls.h"
#include "widgets/layout.h"
#include "widgets/spokenitems.h"
#include "widgets/windowregistry.h"

#include <QButtonGroup>
#include <QCoreApplication>
#include <QGroupBox>
#include <QPushButton>
#include <QRadioButton>

namespace {

const QColor Green{0, 128, 0};

ResultBox *resultBox(QWidget *parent, const char *name, int top, int height = 405)
{
    auto *box = makeControl<ResultBox>(parent, name, 3000, top, 1335, height);
    box->setFont(designFont(TimesNewRoman, 12));
    return box;
}

QLabel *rowLabel(QWidget *parent, const QString &text, int left, int top, int width)
{
    auto *label = makeLabel(parent, "", text, left, top, width, 375, designFont(TimesNewRoman, 12));
    label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    return label;
}

QRadioButton *option(QWidget *parent, const char *name, const QString &caption, int left, int top,
                     int width)
{
    auto *button = makeControl<QRadioButton>(parent, name, left, top, width, 375);
    button->setText(caption);
    button->setFont(designFont(TimesNewRoman, 12));
    button->setCursor(handCursor());
    return button;
}

} // namespace

Game::Game() : ProgramWindow(FixedSingleBorder)
{
    //: the caption of the harvest game's window
    prepareWindow(this, "Game", tr("Game"), 10455, 8100, Colours::White);
    buildLayout();
    setTabOrderAndNames();
    connectHandlers();
}

void Game::buildLayout()
{
    const QFont font = designFont(TimesNewRoman, 12);

    Label18 = makeLabel(this, "Label18", tr("Can you make profit from a mass rearing program?"),
                        120, 120, 10095, 615, designFont(TimesNewRoman, 21.6));
    Label18->setAlignment(Qt::AlignCenter);
    Label18->setFrameStyle(QFrame::Box | QFrame::Plain);
    setColours(Label18, Colours::Yellow, Colours::Red);

    //: the title of the frame where the student chooses the growth model
    Frame1 = makeFrame(this, "Frame1", tr("Option"), 120, 840, 4455, 1095);
    Frame1->setFont(font);
    // The captions are longer than the layout's widths allow at 12 points: the
    // options take the frame's width and a slightly smaller font.
    //: a growth model; the formula is the model's equation (N population, r growth rate,
    //: H harvest rate)
    Option1 = option(Frame1, "Option1", tr("Exponential growth:  dN/dt = r N - H"), 240, 240, 4095);
    //: a growth model; the formula is the model's equation (K carrying capacity)
    Option2 = option(Frame1, "Option2", tr("Logistic growth:  dN/dt = r N (1-N/K) - H"), 240, 600,
                     4095);
    for (QRadioButton *model : {Option1, Option2})
        model->setFont(designFont(TimesNewRoman, 11));
    Option1->setChecked(true);

    //: the title of the frame holding the business's figures; the leading space keeps it off
    //: the frame's corner
    Frame2 = makeFrame(this, "Frame2", tr(" Rearing program"), 120, 2040, 4455, 6015);
    Frame2->setFont(font);
    for (const GameBoxRule &rule : gameBoxRules()) {
        QLabel *label = rowLabel(Frame2, QCoreApplication::translate("GameEntry", rule.label), 120,
                                 rule.top, 2775);
        auto *box = makeControl<TextBox>(Frame2, rule.name, 3000, rule.top, 1335, 405);
        box->setFont(font);
        setColours(box, Colours::Yellow, rule.navy ? Colours::Navy : Green);
        // A locked box (K of the exponential game) reads as locked.
        QPalette palette = box->palette();
        palette.setColor(QPalette::Disabled, QPalette::Base, QColor(160, 160, 160));
        box->setPalette(palette);
        label->setBuddy(box);
        box->setAccessibleName(label->text());
        boxes[static_cast<std::size_t>(rule.box)] = box;
    }
    //: a result: the day (t) the simulated business stopped; its number follows
    Label1 = makeLabel<ClickLabel>(Frame2, "Label1", tr("Simulation stopped at t ="), 240, 4080,
                                   2655, 375, font);
    Label1->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    FinalSimuT = resultBox(Frame2, "FinalSimuT", 4080);
    rowLabel(Frame2, tr("Final population size N(t):"), 120, 4440, 2775);
    FinalN = resultBox(Frame2, "FinalN", 4440, 435);
    //: a result: the money the business has at its end, called Z
    rowLabel(Frame2, tr("Final capital (Z):"), 120, 4800, 2775);
    FinalCapital = resultBox(Frame2, "FinalCapital", 4800);
    rowLabel(Frame2, tr("Net profit:"), 600, 5160, 2295);
    Profit = resultBox(Frame2, "Profit", 5160);
    //: a result: what the student would have needed to live on over the same days
    rowLabel(Frame2, tr("Minimum living expense:"), 120, 5520, 2775);
    GNP = resultBox(Frame2, "GNP", 5520);

    //: how the game counts a day's cost: N(i) the stock on day i, E the expense per
    //: individual, L the loan, I the interest rate
    Label15 = makeLabel(this, "Label15", tr("Daily cost = N(i) * E + L * I"), 4920, 840, 4575, 375,
                        font);
    Label21 = makeLabel(this, "Label21", tr("(E: rearing expense per individual)"), 4920, 1200,
                        4575, 375, font);
    //: how the game counts a day's profit: H the harvest rate, P the price per harvested
    Label16 = makeLabel(this, "Label16", tr("Daily profit = H * P"), 4920, 1680, 4575, 375, font);
    //: how the game counts the net profit: A the initial capital, L the loan; "Daily cost" and
    //: "Daily profit" should read as in the two lines above
    Label17 = makeLabel(this, "Label17", tr("Net profit = A-Sum(Daily cost)+Sum(Daily profit)-L"),
                        4920, 2160, 5295, 375, font);

    // The verdict pictures share one place; they are placed when the window loads.
    const std::pair<QLabel **, const char *> pictures[] = {{&Makegeld, "Makegeld"},
                                                           {&Loser, "Loser"},
                                                           {&Jail, "Jail"},
                                                           {&Broke, "Broke"},
                                                           {&Richman, "Richman"}};
    // Each picture's words, as a screen reader says them.
    const std::pair<const char *, QString> art[]
        = {//: a verdict of the game: the business made some profit
           {"verdict_money", tr("You Make Some Money.")},
           //: a verdict of the game: the business lost money
           {"verdict_loser", tr("You are a Loser.")},
           //: a verdict of the game: the business ends deeper in debt than the student can pay
           {"verdict_jail", tr("You can't pay your debt, you have to stay in jail.")},
           //: a verdict of the game: the business lost all its capital
           {"verdict_broke", tr("You go broke.")},
           //: a verdict of the game: the business made a large profit
           {"verdict_rich", tr("You are rich.")}};
    for (std::size_t i = 0; i < std::size(pictures); ++i) {
        QLabel *picture = makeControl<QLabel>(this, pictures[i].second, 0, 0, 3840, 2892);
        picture->setPixmap(artwork(QString::fromLatin1(art[i].first), picture->size()));
        picture->setAccessibleName(art[i].second);
        picture->setVisible(false);
        *pictures[i].first = picture;
    }

    Frame4 = makeFrame(this, "Frame4", QString(), 4800, 2640, 5415, 3855, Colours::Navy);
    Label20 = makeLabel(Frame4, "Label20", QString(), 120, 240, 5175, 3015,
                        designFont(TimesNewRoman, 14.4));
    Label20->setAlignment(Qt::AlignCenter);
    Label20->setWordWrap(true);
    setColours(Label20, Colours::Yellow, Colours::Navy);
    //: the button that closes the instruction panel
    Command5 = makeButton(Frame4, "Command5", tr("OK"), 2160, 3360, 1095, 375, font);

    //: the title of the frame of example businesses; the spaces keep it off the frame's lines
    Frame3 = makeFrame(this, "Frame3", tr(" Examples "), 4680, 6600, 5655, 735);
    Frame3->setFont(font);
    // The examples are named for the verdict each leads to; their captions are short.
    //: an example business that makes its owner rich
    EgRich = option(Frame3, "EgRich", tr("Richmen"), 120, 240, 1335);
    //: an example business that makes some money (an option button, not a confirmation)
    EgOk = option(Frame3, "EgOk", tr("OK", "example"), 1440, 240, 855);
    //: an example business that loses money
    EgLoser = option(Frame3, "EgLoser", tr("Loser"), 2400, 240, 975);
    //: an example business that goes broke
    Egbroke = option(Frame3, "Egbroke", tr("Broke"), 3480, 240, 975);
    //: an example business whose owner ends in jail for debt
    EgJail = option(Frame3, "EgJail", tr("Jail"), 4560, 240, 855);

    //: runs the game's simulation with the figures in the boxes
    Command1 = makeButton(this, "Command1", tr("Run"), 4680, 7560, 855, 495, font);
    //: fills the boxes of the business with figures drawn at random
    Command2 = makeButton(this, "Command2", tr("Random data"), 5640, 7560, 1695, 495, font);
    //: shows the game's instructions again
    Command3 = makeButton(this, "Command3", tr("How to"), 7440, 7560, 1455, 495, font);
    //: closes the game and goes back to the program's main window
    Command4 = makeButton(this, "Command4", tr("Main form"), 9000, 7560, 1335, 495, font);
    Command4->setCursor(Qt::ArrowCursor);
}

void Game::setTabOrderAndNames()
{
    QList<QWidget *> order = {Option1, Option2};
    for (TextBox *b : boxes)
        order << b;
    order << QList<QWidget *>{FinalSimuT, FinalN,   FinalCapital, Profit,   GNP,
                              Command5,   EgRich,   EgOk,         EgLoser,  Egbroke,
                              EgJail,     Command1, Command2,     Command3, Command4};
    for (qsizetype i = 1; i < order.size(); ++i)
        setTabOrder(order.at(i - 1), order.at(i));
    // The result boxes are named as the labels beside them read.
    const std::pair<QWidget *, QString> results[] = {{FinalSimuT, tr("Simulation stopped at t =")},
                                                     {FinalN, tr("Final population size N(t):")},
                                                     {FinalCapital, tr("Final capital (Z):")},
                                                     {Profit, tr("Net profit:")},
                                                     {GNP, tr("Minimum living expense:")}};
    for (const auto &[widget, name] : results)
        widget->setAccessibleName(name);
    //: the name a screen reader gives the panel with the game's instructions and messages
    Frame4->setAccessibleName(tr("Instructions"));
    oneTabStopPerGroup({Option1, Option2});
    oneTabStopPerGroup({EgRich, EgOk, EgLoser, Egbroke, EgJail});
    m_announcer = new Announcer(this);
}

void Game::connectHandlers()
{
    connect(Option1, &QRadioButton::clicked, this, &Game::Option1_Click);
    connect(Option2, &QRadioButton::clicked, this, &Game::Option2_Click);
    for (const GameBoxRule &rule : gameBoxRules()) {
        TextBox *b = box(rule.box);
        const GameBox which = rule.box;
        connect(b, &QLineEdit::textChanged, this, &Game::boxChanged);
        connect(b, &TextBox::keyPress, this, [this, which](int key) { boxKeyPress(which, key); });
    }
    connect(Command1, &QPushButton::clicked, this, &Game::Command1_Click);
    connect(Command2, &QPushButton::clicked, this, &Game::Command2_Click);
    connect(Command3, &QPushButton::clicked, this, &Game::Command3_Click);
    connect(Command4, &QPushButton::clicked, this, &Game::Command4_Click);
    connect(Command5, &QPushButton::clicked, this, &Game::Command5_Click);
    connect(Label1, &ClickLabel::clicked, this, &Game::Label1_Click);
    connect(EgRich, &QRadioButton::clicked, this, &Game::EgRich_Click);
    connect(EgOk, &QRadioButton::clicked, this, &Game::EgOk_Click);
    connect(EgLoser, &QRadioButton::clicked, this, &Game::EgLoser_Click);
    connect(Egbroke, &QRadioButton::clicked, this, &Game::Egbroke_Click);
    connect(EgJail, &QRadioButton::clicked, this, &Game::EgJail_Click);
}

QString Game::instructionText()
{
    //: the game's instructions, one paragraph per line; RUN and RANDOM DATA are the buttons
    //: "Run" and "Random data", ENTER the key
    return tr("Click RUN to try your strategy. If you change any default value, press ENTER to "
              "confirm change. \nYou have to make more money than the minimum living expense in "
              "order to survive.\nIf you try RANDOM DATA, you have to fill all data of blue "
              "boxes, then press ENTER. \nGood luck!");
}

void Game::load()
{
    HarvestGame.GameModel = Growth::Exponential;
    box(GameBox::CarryingK)->setEnabled(false);
    for (const GameBoxRule &rule : gameBoxRules())
        box(rule.box)->setText(QString::fromLatin1(rule.exponentialStart));
    for (QLineEdit *result : {FinalCapital, FinalN, Profit, GNP})
        result->clear();
    // The pictures' centre: three quarters across, four sevenths down.
    for (QLabel *picture : verdicts())
        picture->move(width() * 3 / 4 - picture->width() / 2,
                      height() * 4 / 7 - picture->height() / 2);
    Makegeld->setVisible(false);
    Label20->setText(instructionText());
    showPanel();
    Command1->setEnabled(true);
    centreOnScreen(this);
    Command1->setFocus();
}

std::array<QLabel *, 5> Game::verdicts() const { return {Makegeld, Loser, Jail, Broke, Richman}; }

void Game::hideVerdicts()
{
    for (QLabel *picture : verdicts())
        picture->setVisible(false);
}

void Game::clearExamples()
{
    // Option buttons that exclude each other cannot all be off unless told so.
    for (QRadioButton *example : {EgRich, EgOk, EgLoser, Egbroke, EgJail}) {
        example->setAutoExclusive(false);
        example->setChecked(false);
        example->setAutoExclusive(true);
    }
}

void Game::chooseModel(Growth model)
{
    HarvestGame.GameModel = model;
    box(GameBox::CarryingK)->setEnabled(model == Growth::Logistic);
    for (const GameBoxRule &rule : gameBoxRules())
        box(rule.box)->setText(QString::fromLatin1(gameStartText(rule.box, model)));
    for (QLineEdit *result : {FinalCapital, FinalN, Profit, GNP})
        result->clear();
    hideVerdicts();
    clearExamples();
    Command1->setEnabled(true);
}

void Game::Option1_Click() { chooseModel(Growth::Exponential); }
void Game::Option2_Click() { chooseModel(Growth::Logistic); }

void Game::Command3_Click()
{
    Label20->setText(instructionText());
    showPanel();
}

// The panel lies above the verdict pictures, which share its place. While it
// shows, a screen reader reads its text with "Run", where the window opens.
void Game::showPanel()
{
    Frame4->setVisible(true);
    Frame4->raise();
    Command1->setAccessibleDescription(
        Label20->text().replace(QLatin1Char('\n'), QLatin1Char(' ')));
}

void Game::hidePanel()
{
    Frame4->setVisible(false);
    Command1->setAccessibleDescription(QString());
}

void Game::Command5_Click() { hidePanel(); }

void Game::Command4_Click()
{
    hideVerdicts();
    WindowRegistry::goHome(*this);
}

void Game::Label1_Click() { Command4_Click(); }

void Game::Form_Unload() { WindowRegistry::goHome(*this); }
