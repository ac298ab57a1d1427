#include "model/parameterentry.h"

#include "model/numbertext.h"

#include <cmath>

namespace {

constexpr std::array<BoxRule, ParameterBoxCount> BoxRules = {{
    {ParameterBox::N0, "n0", EntryRule::AtLeastZero, "100", "????"},
    {ParameterBox::Rate, "rrate", EntryRule::AtLeastZero, "0.2", "????"},
    {ParameterBox::Capacity, "Kvalue", EntryRule::AboveZero, "500", "????"},
    {ParameterBox::HarvestRate, "Harvestrate", EntryRule::AtLeastZero, "10", "????"},
    {ParameterBox::RunLength, "simut", EntryRule::WholeRunLength, RunLengthReplacement.data(),
     "???"},
}};

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
