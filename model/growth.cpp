#include "model/growth.h"

#include "model/numbertext.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace {

// Below this r t the written order of the exponential model's harvested solution
// would lose more than about six of its fifteen digits; from r = 1e-6 up (t is at
// least 1) it is always used, so ordinary runs keep their pinned last digits.
constexpr double StableFormBelow = 1e-6;

// The loop bound is read once; steps past the end of the series are never taken.
double loopBound(double runLength)
{
    return std::min(runLength + 1.0, static_cast<double>(SeriesLength - 1));
}

bool finite(double a, double b, double c)
{
    return std::isfinite(a) && std::isfinite(b) && std::isfinite(c);
}

// One step of the common time loop. `v` is the new size without harvest, `w` the
// new harvested size, both before rounding. Returns false once the harvested
// population is extinct.
template <typename GrowthRateAtZero>
bool takeStep(HarvestState &s, std::size_t t, double v, double w, ModelOutcome &outcome,
              GrowthRateAtZero rateAtZero)
{
    s.NOriginal[t] = roundThroughText(v);
    s.dNOriginal[t - 1] = s.NOriginal[t] - s.NOriginal[t - 1];
    // A population of size 0 has no relative change of its own; its limit for a
    // vanishing population is the per-capita growth over one step.
    s.dNperNOriginal[t - 1]
        = s.NOriginal[t - 1] != 0.0 ? s.dNOriginal[t - 1] / s.NOriginal[t - 1] : rateAtZero();
    s.NHarvested[t] = roundThroughText(w);

    bool alive = s.NHarvested[t] > 0;
    if (alive) {
        s.dNHarvested[t - 1] = s.NHarvested[t] - s.NHarvested[t - 1];
        s.dNperNHarvested[t - 1] = s.dNHarvested[t - 1] / s.NHarvested[t - 1];
    } else {
        // The harvested population is extinct once its size is no longer positive:
        // the run ends at the last step with a positive size, and the whole of
        // that population is lost in the final step.
        s.NHarvested[t] = 0;
        s.SimuT = static_cast<double>(t - 1);
        s.dNHarvested[t - 1] = 0 - s.NHarvested[t - 1];
        s.dNperNHarvested[t - 1]
            = s.NHarvested[t - 1] != 0.0 ? s.dNHarvested[t - 1] / s.NHarvested[t - 1] : -1.0;
        outcome.extinct = true;
        outcome.lastStep = s.SimuT;
    }

    if (outcome.firstOutOfRange == 0
        && !(finite(s.NOriginal[t], s.dNOriginal[t - 1], s.dNperNOriginal[t - 1])
             && finite(s.NHarvested[t], s.dNHarvested[t - 1], s.dNperNHarvested[t - 1])))
        outcome.firstOutOfRange = static_cast<double>(t);
    return alive;
}

// What a run changes of the record: the run's model and parameters, the counters
// and the first entries of the six series, up to one step beyond the run. Kept,
// so that a run that leaves the range of a double can be taken back and the last
// good run stays in place, without copying the whole record for every run.
class RunUndo
{
public:
    RunUndo(HarvestState &state, std::size_t entries) : m_state(state), m_entries(entries)
    {
        for (std::size_t i = 0; i < SeriesCount; ++i) {
            const Series &series = state.*Members[i];
            m_saved[i].assign(series.begin(), series.begin() + static_cast<long>(entries));
        }
    }

    void takeBack()
    {
        for (std::size_t i = 0; i < SeriesCount; ++i)
            std::copy(m_saved[i].begin(), m_saved[i].end(), (m_state.*Members[i]).begin());
        m_state.RunModel = m_runModel;
        m_state.SimuT = m_simuT;
        m_state.RunLength = m_runLength;
        m_state.CurrentT = m_currentT;
        m_state.IntrinsicRate = m_rate;
        m_state.CarryingCapacity = m_capacity;
        m_state.HarvestRate = m_harvest;
    }

private:
    static constexpr std::size_t SeriesCount = 6;
    static constexpr std::array<Series HarvestState::*, SeriesCount> Members = {
        &HarvestState::NOriginal,   &HarvestState::NHarvested,     &HarvestState::dNOriginal,
        &HarvestState::dNHarvested, &HarvestState::dNperNOriginal, &HarvestState::dNperNHarvested};

    HarvestState &m_state;
    std::size_t m_entries;
    std::array<std::vector<double>, SeriesCount> m_saved;
    Growth m_runModel = m_state.RunModel;
    double m_simuT = m_state.SimuT;
    double m_runLength = m_state.RunLength;
    double m_currentT = m_state.CurrentT;
    double m_rate = m_state.IntrinsicRate;
    double m_capacity = m_state.CarryingCapacity;
    double m_harvest = m_state.HarvestRate;
};

} // namespace

ModelOutcome Logistic(HarvestState &s, double runLength)
{
    ModelOutcome outcome;
    outcome.lastStep = s.SimuT;
    const double N0 = s.NOriginal[0];
    const double K = s.CarryingCapacity;
    const double r = s.IntrinsicRate;
    const double H = s.HarvestRate;
    const double bound = loopBound(runLength);
    for (s.CurrentT = 1; s.CurrentT <= bound; s.CurrentT += 1) {
        const auto t = static_cast<std::size_t>(s.CurrentT);
        double v = 0.0; // a population of size 0 stays at 0
        if (N0 != 0.0) {
            // v = K / (1 + e^(-rt) * ((K - N0) / N0)). The steps keep this order on
            // purpose: every result is pinned to its last digit, and another order
            // rounds differently.
            const double e = std::exp(-r * s.CurrentT);
            double q = K - N0;
            q = q / N0;
            q = q * e;
            v = K / (1 + q);
        }
        // w = h + rh(1 - h/K) - H, one step of the difference equation, evaluated in
        // this order (rh, h/K, 1 - h/K, product, plus h, minus H) for the same reason.
        const double h = s.NHarvested[t - 1];
        const double rh = r * h;
        const double hk = h / K;
        const double room = 1 - hk;
        const double growth = rh * room;
        double w = h + growth;
        w = w - H;
        if (!takeStep(s, t, v, w, outcome, [r] { return std::expm1(r); }))
            break;
    }
    return outcome;
}

ModelOutcome Exponential(HarvestState &s, double r, double runLength)
{
    ModelOutcome outcome;
    outcome.lastStep = s.SimuT;
    const double N0 = s.NOriginal[0];
    const double H = s.HarvestRate;
    const double bound = loopBound(runLength);
    for (s.CurrentT = 1; s.CurrentT <= bound; s.CurrentT += 1) {
        const auto t = static_cast<std::size_t>(s.CurrentT);
        const double e = std::exp(r * s.CurrentT);
        const double v = N0 * e;
        double w = 0.0;
        if (r != 0.0 && r * s.CurrentT < StableFormBelow) {
            // For a tiny rt the written order below loses most of its digits where
            // H and (rN0 - H)e^(rt) cancel. The same exact solution written as
            // N0 e^(rt) - H (e^(rt) - 1)/r keeps them.
            w = v - H * (std::expm1(r * s.CurrentT) / r);
        } else if (r != 0.0) {
            // w = (1/r)(H + (rN0 - H)e^(rt)) = H/r + (N0 - H/r)e^(rt), in this order
            // (1/r, e^(rt), rN0, minus H, times e^(rt), plus H, times 1/r) so the
            // last digits come out as pinned.
            const double inverse = 1 / r;
            double a = r * N0;
            a = a - H;
            a = a * e;
            a = a + H;
            w = a * inverse;
        } else {
            // Without growth the harvest simply takes H per step: N0 - Ht.
            w = N0 - H * s.CurrentT;
        }
        if (!takeStep(s, t, v, w, outcome, [r] { return std::expm1(r); }))
            break;
    }
    return outcome;
}

void setParameterCaption(HarvestState &s)
{
    const std::string n0 = textOfNumber(s.NOriginal[0]);
    const std::string r = textOfNumber(s.IntrinsicRate);
    const std::string h = textOfNumber(s.HarvestRate);
    if (s.RunModel == Growth::Logistic)
        s.ParameterCaption = " [N(0)=" + n0 + ", K=" + textOfNumber(s.CarryingCapacity) + ", r=" + r
                             + ", H=" + h + ".]";
    else
        s.ParameterCaption = " [N(0)=" + n0 + ", r=" + r + ", H=" + h + ".]";
}

RunOutcome simulate(HarvestState &state, const RunParameters &p)
{
    RunOutcome outcome;
    const bool exponential = p.model == Growth::Exponential;
    // The series hold one step beyond the run, so a run length must be a whole
    // number that leaves room for it; whoever calls, nothing is indexed outside them.
    if (!(p.runLength >= 1 && p.runLength <= MaxRunLength
          && p.runLength == std::trunc(p.runLength)))
        outcome.refusal = RunRefusal::RunLength;
    else if (p.n0 < 0)
        outcome.refusal = RunRefusal::NegativeN0;
    else if (p.r < 0)
        outcome.refusal = RunRefusal::NegativeRate;
    else if (p.H < 0)
        outcome.refusal = RunRefusal::NegativeHarvest;
    else if (!exponential && !(p.K > 0))
        outcome.refusal = RunRefusal::NoCapacity;
    if (outcome.refusal != RunRefusal::None)
        return outcome;

    // A run that leaves the range of a double is taken back, so the results of
    // the last good run stay in place.
    RunUndo undo(state, static_cast<std::size_t>(loopBound(p.runLength)) + 1);
    state.RunModel = p.model;
    state.SimuT = p.runLength;
    state.RunLength = p.runLength;
    state.CarryingCapacity = p.K;
    state.IntrinsicRate = p.r;
    state.HarvestRate = p.H;
    state.NOriginal[0] = p.n0;
    state.NHarvested[0] = p.n0;
    const ModelOutcome model
        = exponential ? Exponential(state, p.r, p.runLength) : Logistic(state, p.runLength);
    if (model.firstOutOfRange != 0) {
        undo.takeBack();
        outcome.refusal = RunRefusal::OutOfRange;
        outcome.longestRunLength = std::max(0, static_cast<int>(model.firstOutOfRange) - 2);
        return outcome;
    }
    setParameterCaption(state);
    outcome.extinct = model.extinct;
    outcome.lastStep = state.SimuT;
    return outcome;
}
