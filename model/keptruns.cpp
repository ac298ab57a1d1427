#include "model/keptruns.h"

#include "model/numbertext.h"

#include <algorithm>

KeptRuns Kept;

RunIdentity identityOf(const HarvestState &run)
{
    return {run.RunModel,         run.NOriginal[0], run.IntrinsicRate,
            run.CarryingCapacity, run.HarvestRate,  run.RunLength};
}

bool KeptRuns::keep(const HarvestState &run)
{
    const RunIdentity identity = identityOf(run);
    if (std::any_of(m_runs.begin(), m_runs.end(),
                    [&identity](const auto &kept) { return identityOf(*kept) == identity; }))
        return false;
    if (m_runs.size() == MostKeptRuns)
        m_runs.erase(m_runs.begin());
    m_runs.push_back(std::make_unique<HarvestState>(run));
    ++m_generation;
    return true;
}

std::string keptRunLabel(const HarvestState &kept, const HarvestState &current)
{
    const RunIdentity a = identityOf(kept);
    const RunIdentity b = identityOf(current);
    const std::string model = a.model == Growth::Exponential ? "exponential" : "logistic";
    std::vector<std::string> differences;
    if (a.model != b.model)
        differences.push_back(model);
    const auto differs = [&differences](const char *name, double mine, double theirs) {
        if (mine != theirs)
            differences.push_back(std::string(name) + " = " + textOfNumber(mine));
    };
    differs("N(0)", a.n0, b.n0);
    if (a.model == Growth::Logistic)
        differs("K", a.K, b.K);
    differs("r", a.r, b.r);
    differs("H", a.H, b.H);
    differs("T", a.runLength, b.runLength);
    if (differences.empty())
        return "kept";
    if (differences.size() > 2) {
        std::string caption = kept.ParameterCaption;
        if (!caption.empty() && caption.front() == ' ')
            caption.erase(0, 1);
        return a.model != b.model ? model + " " + caption : caption;
    }
    std::string label = differences.front();
    for (std::size_t i = 1; i < differences.size(); ++i)
        label += ", " + differences[i];
    return label;
}
