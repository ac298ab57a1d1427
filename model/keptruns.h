#pragma once

#include "model/harvest.h"

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

// Runs the student keeps to compare the next ones with: each a copy of the record
// of a run, as it stood when it was kept, drawn behind the current run on every
// chart. They live while the program runs and are never saved.

inline constexpr std::size_t MostKeptRuns = 4;

// What makes a run the run it is: its model and its parameters.
struct RunIdentity
{
    Growth model = Growth::Logistic;
    double n0 = 0;        // N(0)
    double r = 0;         // intrinsic rate
    double K = 0;         // carrying capacity (0 under the exponential model)
    double H = 0;         // harvest per time interval
    double runLength = 0; // the run length asked for

    bool operator==(const RunIdentity &) const = default;
};

RunIdentity identityOf(const HarvestState &run);

class KeptRuns
{
public:
    // Keeps a copy of `run`. The same run twice is kept once; a fifth run drops the
    // oldest. False when the run was kept already.
    bool keep(const HarvestState &run);
    void forget()
    {
        m_runs.clear();
        ++m_generation;
    }

    // Oldest first.
    std::size_t size() const { return m_runs.size(); }
    bool empty() const { return m_runs.empty(); }
    HarvestState &at(std::size_t index) const { return *m_runs.at(index); }
    // Counts the changes: what was drawn of the kept runs at one count holds as
    // long as the count stays.
    std::uint64_t generation() const { return m_generation; }

private:
    std::vector<std::unique_ptr<HarvestState>> m_runs;
    std::uint64_t m_generation = 0;
};

// The process-wide instance.
extern KeptRuns Kept;

// What tells a kept run from the current one, as a curve's name adds it: "H = 20",
// "r = 0.5, H = 20" (the model first where it differs), and where more than two
// things differ the kept run's whole caption, "exponential [N(0)=50, r=0.3, H=15.]".
// "kept" when nothing differs.
std::string keptRunLabel(const HarvestState &kept, const HarvestState &current);
