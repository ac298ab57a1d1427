#pragma once

#include "model/harvest.h"

#include <array>
#include <optional>
#include <string>
#include <string_view>

class RandomSource;

// The ten input boxes of the game window: their start texts under each model, the
// text Enter puts back when an entry is not a number above 0, and the boxes that
// must hold something before Enter unlocks "Run". The layout, the option buttons,
// the Enter checks, "Random data" and the examples all read these tables.

enum class GameBox {
    InitN,          // N(0)
    CarryingK,      // K
    GRate,          // r
    CostPerInd,     // E
    InitialCapital, // A
    DailyH,         // H
    Price,          // P
    Lohn,           // L
    InterestRate,   // I
    SimutY,         // t
};

inline constexpr int GameBoxCount = 10;

struct GameBoxRule
{
    GameBox box;
    const char *name;              // the box's object name
    const char *label;             // the text of the label beside it
    int top;                       // twips within " Rearing program"
    bool navy;                     // a navy box; green otherwise
    const char *exponentialStart;  // its text when the exponential game starts
    const char *logisticStart;     // and when the logistic one starts
    const char *reset;             // what Enter writes in place of an entry that is not above 0
    std::array<GameBox, 4> needed; // boxes that must not be empty, in the order tested
    int neededCount;
};

// In the order the boxes are written.
const std::array<GameBoxRule, GameBoxCount> &gameBoxRules();
const GameBoxRule &gameBoxRule(GameBox box);

// The start text of a box under a model.
const char *gameStartText(GameBox box, Growth model);

// What Enter makes of an entry: nothing when it is a number above 0, otherwise
// the box's reset text.
std::optional<std::string> correctedGameEntry(GameBox box, std::string_view text);

// The boxes the Run button needs filled under a model, in the order tested.
std::array<GameBox, GameBoxCount> runNeeds(Growth model, int &count);

// The five examples, named for the verdict each leads to.
enum class GameExample {
    Rich,
    Ok,
    Loser,
    Broke,
    Jail
};

// The ten texts of an example under a model, in box order.
std::array<std::string, GameBoxCount> exampleTexts(GameExample example, Growth model);

// "Random data": the texts drawn for N(0), K, r, E, A, P and I, in box order,
// after re-seeding the source with `seconds`. A draw that reads as 0 is drawn
// again. Under the exponential model K is not drawn and stays empty; the other
// boxes (H, L, t) are emptied for the student to fill.
std::array<std::string, GameBoxCount> randomBusiness(Growth model, RandomSource &random,
                                                     int seconds);

// The boxes "Random data" locks.
inline constexpr std::array<GameBox, 7> RandomlyDrawn
    = {GameBox::InitN,          GameBox::CarryingK, GameBox::GRate,       GameBox::CostPerInd,
       GameBox::InitialCapital, GameBox::Price,     GameBox::InterestRate};
