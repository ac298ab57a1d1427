#include "model/harvestgame.h"

#include "model/numbertext.h"
#include "model/randomsource.h"

#include <charconv>
#include <cmath>
#include <memory>

GameState HarvestGame;

double TwisterSource::next() { return std::generate_canonical<double, 53>(m_engine); }

FixedSeedSource::FixedSeedSource(std::uint32_t seed, std::uint32_t stream)
{
    std::seed_seq seeds{seed, stream};
    m_engine.seed(seeds);
}

namespace {

// One day of the business, after the growth of the stock of the day before is
// known. Returns false when the run ends on this day.
bool trade(GameState &g, std::size_t t)
{
    const double S = g.GameN[t - 1] + g.GameDN[t - 1];
    const double interest = g.GameInterestRate * g.GameLoan;
    if (S >= g.GameHarvestRate) {
        // The expense is charged on the stock before the day's harvest.
        g.GameN[t] = S;
        g.GameDailyProfit = g.GamePrice * g.GameHarvestRate;
        g.GameRearingCost = g.GameCostPerInd * g.GameN[t];
        g.GameN[t] = g.GameN[t] - g.GameHarvestRate;
        g.GameCapital = g.GameDailyProfit + ((g.GameCapital - g.GameRearingCost) - interest);
        return true;
    }
    // The stock cannot supply the day's harvest: all of it is sold, and this is
    // the last day, with its interest.
    g.GameN[t] = 0;
    g.GameDailyProfit = g.GamePrice * S;
    g.GameRearingCost = g.GameCostPerInd * S;
    g.GameCapital = g.GameDailyProfit + ((g.GameCapital - g.GameRearingCost) - interest);
    g.GameSimuT = static_cast<double>(t);
    return false;
}

bool finite(const GameState &g, std::size_t t)
{
    return std::isfinite(g.GameN[t]) && std::isfinite(g.GameDN[t - 1])
           && std::isfinite(g.GameCapital);
}

// The loop common to both models; `growth(n)` is the day's growth of a stock n.
template <typename Growth>
bool runDays(GameState &g, double &currentT, Growth growth)
{
    const double last = std::min(g.GameSimuT, static_cast<double>(MaxGameDays));
    bool inRange = true;
    for (currentT = 1; currentT <= last; currentT += 1) {
        const auto t = static_cast<std::size_t>(currentT);
        // Kept so the last day a double could count stands when this one cannot.
        const double n = g.GameN[t], dn = g.GameDN[t - 1], capital = g.GameCapital,
                     sales = g.GameDailyProfit, expense = g.GameRearingCost;
        g.GameDN[t - 1] = growth(g.GameN[t - 1]);
        const bool goesOn = trade(g, t);
        if (!finite(g, t)) {
            g.GameN[t] = n;
            g.GameDN[t - 1] = dn;
            g.GameCapital = capital;
            g.GameDailyProfit = sales;
            g.GameRearingCost = expense;
            g.GameSimuT = static_cast<double>(t - 1);
            inRange = false;
            break;
        }
        if (!goesOn)
            break;
    }
    g.GameStopT = g.GameSimuT;
    return inRange;
}

} // namespace

bool ExponentialGame(GameState &game, double &currentT)
{
    const double r = game.GameRate;
    return runDays(game, currentT, [r](double n) { return r * n; });
}

bool LogisticGame(GameState &game, double &currentT)
{
    const double r = game.GameRate;
    const double K = game.GameCarryingCapacity;
    // (rN)(1 - N/K), in this order.
    return runDays(game, currentT, [r, K](double n) { return (r * n) * (1 - n / K); });
}

Verdict verdictOf(double Z, double A, double L)
{
    if (Z < 0 && L > 0)
        return Verdict::Jail;
    if (Z < 0 && L == 0)
        return Verdict::Broke;
    if (0 <= Z && Z < A)
        return Verdict::Loser;
    if (A <= Z && Z < 2 * A)
        return Verdict::SomeMoney;
    if (Z >= 2 * A)
        return Verdict::Rich;
    return Verdict::Unchanged;
}

GameOutcome playGame(GameState &game, double &currentT, const GameInputs &in)
{
    GameOutcome outcome;
    // The day arrays end at day 10000, and the final stock is looked up by day.
    if (!(in.t >= 0 && in.t <= MaxGameDays))
        outcome.refusal = GameRefusal::RunLength;
    else if (game.GameModel == Growth::Logistic && !(in.K > 0))
        outcome.refusal = GameRefusal::NoCapacity;
    if (outcome.refusal != GameRefusal::None)
        return outcome;

    // The copy is large; it keeps the stack small.
    auto g = std::make_unique<GameState>(game);
    g->GameN[0] = in.n0;
    g->GameRate = in.r;
    g->GameSimuT = in.t;
    g->GamePrice = in.P;
    g->GameCostPerInd = in.E;
    g->GameCapital = in.A;
    g->GameInitialCapital = in.A;
    g->GameCarryingCapacity = in.K;
    g->GameHarvestRate = in.H;
    g->GameLoan = in.L;
    g->GameInterestRate = in.I;

    const bool inRange = g->GameModel == Growth::Exponential ? ExponentialGame(*g, currentT)
                                                             : LogisticGame(*g, currentT);
    outcome.stoppedOutOfRange = !inRange;
    g->GameFinalCapital = g->GameCapital;
    g->GameNetProfit = g->GameFinalCapital - g->GameInitialCapital;
    // The last day that was run; a fractional run length such as 30.5 runs 30 days.
    outcome.shownDay = std::floor(g->GameSimuT);
    outcome.verdict = verdictOf(g->GameFinalCapital, g->GameInitialCapital, g->GameLoan);
    game = *g;
    return outcome;
}

std::string wholeNumberText(double value)
{
    if (!std::isfinite(value))
        return "????";
    if (value >= 1e12)
        return textOfNumber(value);
    const double whole = roundHalfEven(value) + 0.0; // + 0.0: no "-0"
    char buffer[400];
    const auto result
        = std::to_chars(buffer, buffer + sizeof buffer, whole, std::chars_format::fixed, 0);
    return std::string(buffer, result.ptr);
}

double minimumLivingExpense(double days, RandomSource &random, int seconds)
{
    random.reseed(seconds);
    const double k = roundHalfEven(random.next() * 500);
    return days * (5 * k);
}
