#pragma once

#include "model/gameentry.h"
#include "model/harvestgame.h"
#include "widgets/programwindow.h"

#include <array>

class ClickLabel;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class Announcer;
class ResultBox;
class TextBox;

// The harvest game's window: the ten boxes of the rearing business, the model
// options, the five results, the verdict pictures, the instruction panel, the
// examples and "Random data".
class Game : public ProgramWindow
{
    Q_OBJECT
public:
    Game();
    void load() override;

    static QString instructionText();

protected:
    void Form_Unload() override;

private slots:
    void Option1_Click();
    void Option2_Click();
    void Command1_Click();
    void Command2_Click();
    void Command3_Click();
    void Command4_Click();
    void Command5_Click();
    void Label1_Click();
    void EgRich_Click();
    void EgOk_Click();
    void EgLoser_Click();
    void Egbroke_Click();
    void EgJail_Click();

private:
    QLabel *Label18 = nullptr; // the question
    QGroupBox *Frame1 = nullptr;
    QRadioButton *Option1 = nullptr;             // exponential
    QRadioButton *Option2 = nullptr;             // logistic
    QGroupBox *Frame2 = nullptr;                 // " Rearing program"
    std::array<TextBox *, GameBoxCount> boxes{}; // InitN ... SimutY, in GameBox order
    ClickLabel *Label1 = nullptr;                // "Simulation stopped at t ="
    ResultBox *FinalSimuT = nullptr;
    ResultBox *FinalN = nullptr;
    ResultBox *FinalCapital = nullptr;
    ResultBox *Profit = nullptr;
    ResultBox *GNP = nullptr;
    QLabel *Label15 = nullptr;
    QLabel *Label21 = nullptr;
    QLabel *Label16 = nullptr;
    QLabel *Label17 = nullptr;
    QGroupBox *Frame4 = nullptr;     // the instruction panel
    QLabel *Label20 = nullptr;       // its text
    QPushButton *Command5 = nullptr; // "OK"
    QLabel *Makegeld = nullptr;
    QLabel *Loser = nullptr;
    QLabel *Jail = nullptr;
    QLabel *Broke = nullptr;
    QLabel *Richman = nullptr;
    QGroupBox *Frame3 = nullptr; // " Examples "
    QRadioButton *EgRich = nullptr;
    QRadioButton *EgOk = nullptr;
    QRadioButton *EgLoser = nullptr;
    QRadioButton *Egbroke = nullptr;
    QRadioButton *EgJail = nullptr;
    QPushButton *Command1 = nullptr; // "Run"
    QPushButton *Command2 = nullptr; // "Random data"
    QPushButton *Command3 = nullptr; // "How to"
    QPushButton *Command4 = nullptr; // "Main form"

    TextBox *box(GameBox which) const { return boxes[static_cast<std::size_t>(which)]; }

    void buildLayout();
    void setTabOrderAndNames();
    void connectHandlers();
    void chooseModel(Growth model);
    void writeBoxes(const std::array<std::string, GameBoxCount> &texts);
    void boxChanged();
    void boxKeyPress(GameBox which, int keyAscii);
    void hideVerdicts();
    void clearResults();
    void clearExamples();
    void loadExample(GameExample example);
    void setLocked(bool locked);
    void explain(const QString &text, GameBox fix);
    void showPanel();
    void hidePanel();
    void showResults(const GameOutcome &outcome);
    std::array<QLabel *, 5> verdicts() const;
    // The results and the verdict as a screen reader tells them.
    QString resultsSaid(const QLabel *verdict) const;

    Announcer *m_announcer = nullptr; // what a run or a refusal tells a screen reader
};
