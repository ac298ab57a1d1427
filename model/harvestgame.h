#pragma once

#include "model/harvest.h"

#include <array>
#include <string>

class RandomSource;

// The harvest game: a mass-rearing business run day by day. A stock of N(0)
// grows by the exponential or the logistic model; every day H individuals are
// sold at a price P, every individual held costs a rearing expense E, and a loan L
// costs interest I per day. The business starts with capital A. The game keeps its
// own state; it shares only the day counter CurrentT with the simulation.

// Days 0 to 10000.
inline constexpr int GameDayCount = 10001;
inline constexpr int MaxGameDays = GameDayCount - 1;

using GameDays = std::array<double, GameDayCount>;

struct GameState
{
    Growth GameModel = Growth::Exponential;
    GameDays GameN{};     // stock by day; day 0 is N(0)
    GameDays GameDN{};    // element t-1: the growth computed on day t from the stock of day t-1
    double GameSimuT = 0; // run length in days; the stop day once the stock runs out
    double GameStopT = 0; // the day the run stopped
    double GameRate = 0;  // r, per day
    double GameCarryingCapacity = 0; // K, individuals (logistic model only)
    double GameHarvestRate = 0;      // H, individuals sold per day
    double GamePrice = 0;            // P, per individual sold
    double GameCostPerInd = 0;       // E, per individual held per day
    double GameLoan = 0;             // L
    double GameInterestRate = 0;     // I, per day, as a fraction of the loan
    double GameInitialCapital = 0;   // A
    double GameCapital = 0;          // the running capital
    double GameFinalCapital = 0;     // Z
    double GameNetProfit = 0;        // Z - A
    double GameDailyProfit = 0;      // sales of the day
    double GameRearingCost = 0;      // rearing expense of the day, without interest
};

// The process-wide game, kept from one run to the next.
extern GameState HarvestGame;

// The daily loops. Each runs days 1 to the run length (read once at the start)
// and stops early on the day the stock cannot supply the harvest, or on the last
// day whose numbers a double can hold. They return false in the second case.
bool ExponentialGame(GameState &game, double &currentT);
bool LogisticGame(GameState &game, double &currentT);

// The numbers the Run button reads from the ten boxes.
struct GameInputs
{
    double n0 = 0, K = 0, r = 0, E = 0, A = 0, H = 0, P = 0, L = 0, I = 0, t = 0;
};

enum class Verdict {
    Unchanged, // a negative capital with a negative loan: no picture changes
    Jail,      // Z < 0 and L > 0
    Broke,     // Z < 0 and L = 0
    Loser,     // 0 <= Z < A
    SomeMoney, // A <= Z < 2A
    Rich,      // Z >= 2A
};

// The first condition of the list that holds, in this order.
Verdict verdictOf(double finalCapital, double initialCapital, double loan);

enum class GameRefusal {
    None,
    RunLength,  // the run length is below 0 or above MaxGameDays
    NoCapacity, // logistic model with K not above 0
};

struct GameOutcome
{
    GameRefusal refusal = GameRefusal::None;
    bool stoppedOutOfRange = false; // the numbers grew too large for a double
    double shownDay = 0;            // the day whose stock is shown as the final N
    Verdict verdict = Verdict::Unchanged;
};

// A run: reads the inputs into the game, runs the loop of the game's model and
// works out the final capital, the net profit and the verdict. A refused run
// changes nothing.
GameOutcome playGame(GameState &game, double &currentT, const GameInputs &inputs);

// A whole number as the game shows it: 10^12 and above as the text of the number,
// anything else rounded to the nearest whole number (halves to even) and written
// out in full, without a decimal point.
std::string wholeNumberText(double value);

// The minimum living expense over the days the business ran: a random multiple of
// 5 from 0 to 2500 per day, drawn after re-seeding the source with `seconds`.
double minimumLivingExpense(double days, RandomSource &random, int seconds);
