#include "model/gameentry.h"

#include "model/numbertext.h"
#include "model/randomsource.h"
#include "model/translatable.h"

namespace {

using B = GameBox;

constexpr std::array<GameBoxRule, GameBoxCount> Rules = {{
    {B::InitN,
     "InitN",
     QT_TRANSLATE_NOOP("GameEntry", "Initial population size N(0):"),
     240,
     false,
     "1000",
     "1000",
     "1000",
     {},
     0},
    {B::CarryingK,
     "CarryingK",
     QT_TRANSLATE_NOOP("GameEntry", "Carrying capacity (K):"),
     600,
     false,
     "",
     "10000",
     "10000",
     {},
     0},
    {B::GRate,
     "GRate",
     QT_TRANSLATE_NOOP("GameEntry", "Growth rate (r):"),
     960,
     false,
     "0.2",
     "0.2",
     "0.2",
     {},
     0},
    {B::CostPerInd,
     "CostPerInd",
     QT_TRANSLATE_NOOP("GameEntry", "Expense per individual (E):"),
     1320,
     false,
     "1",
     "1",
     "1",
     {},
     0},
    {B::InitialCapital,
     "InitialCapital",
     QT_TRANSLATE_NOOP("GameEntry", "Initial capital (A):"),
     1680,
     false,
     "100000",
     "100000",
     "100000",
     {},
     0},
    {B::DailyH,
     "DailyH",
     QT_TRANSLATE_NOOP("GameEntry", "Harvest rate per day (H):"),
     2160,
     true,
     "200",
     "200",
     "100",
     {B::InitialCapital, B::Price, B::Lohn, B::SimutY},
     4},
    {B::Price,
     "Price",
     QT_TRANSLATE_NOOP("GameEntry", "Price per harvested (P):"),
     2520,
     true,
     "5",
     "25",
     "10",
     {B::InitialCapital, B::Lohn, B::SimutY, B::DailyH},
     4},
    {B::Lohn,
     "Lohn",
     QT_TRANSLATE_NOOP("GameEntry", "Loan (L):"),
     2880,
     true,
     "2000",
     "2000",
     "10000",
     {B::InitialCapital, B::SimutY, B::DailyH},
     3},
    {B::InterestRate,
     "InterestRate",
     QT_TRANSLATE_NOOP("GameEntry", "Interest rate (I):"),
     3240,
     true,
     "0.001",
     "0.001",
     "1000",
     {},
     0},
    {B::SimutY,
     "SimutY",
     QT_TRANSLATE_NOOP("GameEntry", "How long in business (t):"),
     3600,
     true,
     "30",
     "30",
     "30",
     {B::InitialCapital, B::Lohn, B::DailyH},
     3},
}};

struct Example
{
    // N(0), K, r, E, A, H, P, L, I, t
    std::array<double, GameBoxCount> exponential;
    std::array<double, GameBoxCount> logistic;
};

// K of the exponential sets is not used: the box is emptied.
constexpr Example Examples[] = {
    {{1000, 0, 0.2, 1, 100000, 200, 50, 2000, 0.001, 30},
     {5000, 10000, 0.2, 1, 100000, 500, 25, 2000, 0.001, 30}},
    {{1000, 0, 0.2, 1, 100000, 200, 15, 2000, 0.001, 30},
     {1000, 10000, 0.2, 1, 100000, 150, 25, 2000, 0.001, 30}},
    {{1000, 0, 0.2, 1, 100000, 200, 5, 2000, 0.001, 30},
     {1000, 10000, 0.2, 1, 100000, 100, 15, 2000, 0.001, 30}},
    {{1000, 0, 0.2, 1, 100000, 100, 15, 0, 0.001, 30},
     {2500, 10000, 0.2, 1, 100000, 100, 25, 0, 0, 30}},
    {{1000, 0, 0.2, 1, 100000, 100, 15, 2000, 0.001, 30},
     {2500, 10000, 0.2, 1, 100000, 100, 25, 100000, 0.001, 30}},
};

} // namespace

const std::array<GameBoxRule, GameBoxCount> &gameBoxRules() { return Rules; }

const GameBoxRule &gameBoxRule(GameBox box) { return Rules[static_cast<std::size_t>(box)]; }

const char *gameStartText(GameBox box, Growth model)
{
    const GameBoxRule &rule = gameBoxRule(box);
    return model == Growth::Exponential ? rule.exponentialStart : rule.logisticStart;
}

std::optional<std::string> correctedGameEntry(GameBox box, std::string_view text)
{
    const std::optional<double> value = textReadAsNumber(text);
    if (value && *value > 0)
        return std::nullopt;
    return std::string(gameBoxRule(box).reset);
}

std::array<GameBox, GameBoxCount> runNeeds(Growth model, int &count)
{
    std::array<GameBox, GameBoxCount> needs{};
    count = 0;
    // K is tested right after N(0), and only for the logistic game.
    for (GameBox box : {B::InitN, B::CarryingK, B::GRate, B::CostPerInd, B::InitialCapital,
                        B::DailyH, B::Price, B::Lohn, B::InterestRate, B::SimutY})
        if (box != B::CarryingK || model == Growth::Logistic)
            needs[std::size_t(count++)] = box;
    return needs;
}

std::array<std::string, GameBoxCount> exampleTexts(GameExample example, Growth model)
{
    const Example &e = Examples[static_cast<std::size_t>(example)];
    const auto &values = model == Growth::Exponential ? e.exponential : e.logistic;
    std::array<std::string, GameBoxCount> texts;
    for (std::size_t i = 0; i < texts.size(); ++i)
        texts[i] = textOfNumber(values[i]);
    if (model == Growth::Exponential)
        texts[static_cast<std::size_t>(B::CarryingK)].clear();
    return texts;
}

namespace {

// Draws until the text of the value reads as a number other than 0.
template <typename Value>
std::string drawn(RandomSource &random, Value value)
{
    for (;;) {
        const std::string text = value(random.next());
        if (textReadAsNumber(text).value_or(0) != 0)
            return text;
    }
}

std::string whole(double value) { return textOfNumber(roundHalfEven(value)); }

} // namespace

std::array<std::string, GameBoxCount> randomBusiness(Growth model, RandomSource &random,
                                                     int seconds)
{
    random.reseed(seconds);
    std::array<std::string, GameBoxCount> texts;
    auto at = [&texts](GameBox box) -> std::string & { return texts[std::size_t(box)]; };
    // k is the whole number of 10u, j of 100u; the boxes are drawn in this order.
    const auto k = [](double u) { return roundHalfEven(u * 10); };
    at(B::InitN) = drawn(random, [&](double u) { return whole(100 * k(u)); });
    if (model == Growth::Logistic)
        at(B::CarryingK) = drawn(random, [&](double u) { return whole(10000 * k(u)); });
    at(B::GRate)
        = drawn(random, [](double u) { return textOfNumber(roundHalfEven(u * 100) / 100); });
    at(B::CostPerInd) = drawn(random, [&](double u) { return whole(k(u)); });
    at(B::InitialCapital) = drawn(random, [&](double u) { return whole(100000 * k(u)); });
    at(B::Price) = drawn(random, [&](double u) { return whole(10 * k(u)); });
    at(B::InterestRate) = drawn(random, [&](double u) { return textOfNumber(k(u) / 1000); });
    return texts;
}
