#include "model/parameterentry.h"

#include "model/numbertext.h"
#include "model/translatable.h"

#include <cmath>
#include <limits>

namespace {

constexpr double Unbounded = std::numeric_limits<double>::max();

// N(0), r and H stop at 0, K at its first step above 0, the run length at 1 and at
// the longest run the box accepts.
// clang-format off
constexpr std::array<BoxRule, ParameterBoxCount> BoxRules = {{
    {ParameterBox::N0, "n0", QT_TRANSLATE_NOOP("ParameterEntry", "N(0)"), EntryRule::AtLeastZero, "100", "????", {10, 1, 0, Unbounded}},
    {ParameterBox::Rate, "rrate", QT_TRANSLATE_NOOP("ParameterEntry", "r"), EntryRule::AtLeastZero, "0.2", "????",
     {1, 100, 0, Unbounded}},
    {ParameterBox::Capacity, "Kvalue", QT_TRANSLATE_NOOP("ParameterEntry", "K"), EntryRule::AboveZero, "500", "????",
     {10, 1, 10, Unbounded}},
    {ParameterBox::HarvestRate, "Harvestrate", QT_TRANSLATE_NOOP("ParameterEntry", "H"), EntryRule::AtLeastZero, "10", "????",
     {1, 1, 0, Unbounded}},
    {ParameterBox::RunLength, "simut", QT_TRANSLATE_NOOP("ParameterEntry", "the run length"), EntryRule::WholeRunLength,
     RunLengthReplacement.data(), "???", {1, 1, 1, MaxRunLengthEntry}},
}};
// clang-format on

// A value within this share of a step from a multiple of it is on the grid: the
// text of 0.3 read back is 30.000000000000004 hundredths.
constexpr double OnGrid = 1e-9;

// The exponential model has no carrying capacity: its K box is emptied and locked.
constexpr ModelDefaults ExponentialDefaults = {Growth::Exponential,
                                               false,
                                               {{{ParameterBox::Capacity, ""},
                                                 {ParameterBox::Rate, "0.2"},
                                                 {ParameterBox::N0, "100"},
                                                 {ParameterBox::HarvestRate, "15"},
                                                 {ParameterBox::RunLength, "10"}}}};

constexpr ModelDefaults LogisticDefaults = {Growth::Logistic,
                                            true,
                                            {{{ParameterBox::Capacity, "500"},
                                              {ParameterBox::Rate, "0.2"},
                                              {ParameterBox::N0, "100"},
                                              {ParameterBox::RunLength, "65"},
                                              {ParameterBox::HarvestRate, "10"}}}};

} // namespace

const BoxRule &boxRule(ParameterBox box) { return BoxRules[static_cast<std::size_t>(box)]; }

const char *ModelDefaults::text(ParameterBox box) const
{
    for (const auto &[which, text] : texts)
        if (which == box)
            return text;
    return "";
}

const ModelDefaults &modelDefaults(Growth model)
{
    return model == Growth::Exponential ? ExponentialDefaults : LogisticDefaults;
}

std::optional<std::string> correctedEntry(ParameterBox box, std::string_view text)
{
    const BoxRule &rule = boxRule(box);
    const std::optional<double> value = textReadAsNumber(text);
    switch (rule.rule) {
    case EntryRule::AtLeastZero:
        if (value && *value >= 0)
            return std::nullopt;
        return std::string(rule.replacement);
    case EntryRule::AboveZero:
        if (value && *value > 0)
            return std::nullopt;
        return std::string(rule.replacement);
    case EntryRule::WholeRunLength: break;
    }
    if (!value || !(*value > 0))
        return std::string(rule.replacement);
    if (*value > MaxRunLengthEntry)
        return std::to_string(MaxRunLengthEntry); // a whole number, so it stands
    // The box's text as RUN will read it must be a whole number.
    const double read = numberOfText(text);
    if (read == std::trunc(read))
        return std::nullopt;
    return std::string(rule.replacement);
}

std::optional<std::string> steppedEntry(ParameterBox box, std::string_view text, int steps)
{
    const BoxStep &step = boxRule(box).step;
    const std::optional<std::string> corrected = correctedEntry(box, text);
    const std::string from = corrected ? *corrected : std::string(text);
    const double value = numberOfText(from);
    if (steps == 0 || !std::isfinite(value))
        return std::nullopt;

    // The value counted in steps, and the multiple of the step it ends on.
    const double count = value * step.scale / step.units;
    const double nearest = std::round(count);
    const bool onGrid = std::abs(count - nearest) <= OnGrid * std::max(1.0, std::abs(count));
    double multiple = 0;
    if (onGrid)
        multiple = nearest + steps;
    else if (steps > 0)
        multiple = std::ceil(count) + (steps - 1);
    else
        multiple = std::floor(count) + (steps + 1);

    // One division of a whole number gives the double nearest the decimal.
    const double next = (multiple * step.units) / step.scale;
    if (!std::isfinite(next) || next < step.lowest || next > step.highest)
        return std::nullopt;
    if (next == value && !corrected)
        return std::nullopt;
    return textOfNumber(next);
}

StepSizes stepSizes(ParameterBox box)
{
    const BoxRule &rule = boxRule(box);
    return {static_cast<double>(rule.step.units) / rule.step.scale,
            static_cast<double>(PageSteps * rule.step.units) / rule.step.scale};
}
