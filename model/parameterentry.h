#pragma once

#include "model/harvest.h"

#include <array>
#include <optional>
#include <string>
#include <string_view>

// The five parameter boxes of the main window: what each holds under each model,
// what the result fields show while an entry is unconfirmed, and how Enter checks
// an entry. The window's layout, its model options and its Enter checks all read
// these tables, so a default is written in one place only.

enum class ParameterBox {
    N0,          // initial population size N(0)
    Rate,        // intrinsic rate r
    Capacity,    // carrying capacity K
    HarvestRate, // harvest per time interval H
    RunLength,   // run for t = 1 to t = T
};

inline constexpr int ParameterBoxCount = 5;

// The longest run the run-length box accepts, and the text an unusable run length
// becomes when Enter is pressed.
inline constexpr int MaxRunLengthEntry = 2000;
inline constexpr std::string_view RunLengthReplacement = "50";

// What Enter accepts in a box.
enum class EntryRule {
    AtLeastZero,    // any number of 0 or more
    AboveZero,      // any number greater than 0
    WholeRunLength, // a whole number from 1 to MaxRunLengthEntry
};

// One step of a box's value with the arrow keys or the mouse wheel: `units` /
// `scale`, written so that the multiples stay exact decimals (0.01 is 1 / 100).
// A step may not take the value below `lowest` or above `highest`.
struct BoxStep
{
    int units;
    int scale;
    double lowest;
    double highest;
};

struct BoxRule
{
    ParameterBox box;
    const char *name;        // the box's object name
    const char *quantity;    // what the box holds, as a sentence names it ("H")
    EntryRule rule;          // what Enter accepts
    const char *replacement; // what Enter puts in place of anything else
    const char *placeholder; // what the result field shows once the box has changed
    BoxStep step;
};

// Page Up and Page Down take this many steps at once.
inline constexpr int PageSteps = 10;

const BoxRule &boxRule(ParameterBox box);

// The texts the boxes take when a model is chosen, in the order they are written:
// each text that changes runs its box's change handler, so the order decides which
// placeholder the result field shows last.
struct ModelDefaults
{
    Growth model;
    bool capacityEnabled; // the K box takes entries under this model
    std::array<std::pair<ParameterBox, const char *>, ParameterBoxCount> texts;

    const char *text(ParameterBox box) const;
};

const ModelDefaults &modelDefaults(Growth model);

// The texts the boxes show when the program starts: those of the logistic model.
inline const char *startText(ParameterBox box) { return modelDefaults(Growth::Logistic).text(box); }

// Checks an entry confirmed with Enter: nothing when the text stands, otherwise the
// text that replaces it. A run length above the longest becomes the longest; any
// other unusable run length, fractions included, becomes RunLengthReplacement.
std::optional<std::string> correctedEntry(ParameterBox box, std::string_view text);

// The text `steps` steps (negative: down) from an entry, as the box takes it after
// the arrow keys or the mouse wheel: the entry as Enter would leave it, moved to
// the next multiple of the step in that direction when it is off the grid, then
// on by whole steps, written as the text of a number (0.3, never
// 0.30000000000000004). Nothing when the step would cross the box's limit or can
// no longer change the value.
std::optional<std::string> steppedEntry(ParameterBox box, std::string_view text, int steps);

// What Up and Down (one step) and Page Up and Page Down (ten steps) change a box
// by, for its tooltip: H by 1 and 10.
struct StepSizes
{
    double one;
    double page;
};
StepSizes stepSizes(ParameterBox box);
