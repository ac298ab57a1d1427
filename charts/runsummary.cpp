#include "charts/runsummary.h"

#include "chartkit/chartdescription.h"
#include "charts/chartsetup.h"
#include "model/harvesttheory.h"
#include "model/numbertext.h"

namespace {

QString text(double value) { return QString::fromStdString(textOfNumber(value)); }

QString parameters(const HarvestState &run)
{
    QStringList parts{QStringLiteral("N(0) = ") + text(run.NOriginal[0])};
    if (run.RunModel == Growth::Logistic)
        parts << QStringLiteral("K = ") + text(run.CarryingCapacity);
    parts << QStringLiteral("r = ") + text(run.IntrinsicRate)
          << QStringLiteral("H = ") + text(run.HarvestRate);
    return parts.join(QStringLiteral(", "))
           + QStringLiteral("; run for t = 1 to %1").arg(text(run.RunLength));
}

QString equilibria(const HarvestState &run)
{
    const double r = run.IntrinsicRate;
    const double H = run.HarvestRate;
    if (run.RunModel == Growth::Exponential)
        return r > 0 ? QStringLiteral("One equilibrium, unstable, at N = H/r = %1.")
                           .arg(shortNumber(H / r))
                     : QStringLiteral("No equilibrium: r = 0.");
    const Equilibria e = logisticEquilibria(r, run.CarryingCapacity, H);
    if (!e.exist)
        return QStringLiteral("No equilibrium: H > rK/4, the harvested population dies out.");
    return QStringLiteral("Equilibria under the harvest: unstable at N = %1, stable at N = %2.")
        .arg(shortNumber(e.unstable), shortNumber(e.stable));
}

} // namespace

QStringList runSummary(const HarvestState &run, const KeptRuns &kept)
{
    const bool logistic = run.RunModel == Growth::Logistic;
    QStringList lines;
    lines << (logistic ? QStringLiteral("Model: logistic growth, dN/dt = rN(1 - N/K) - H.")
                       : QStringLiteral("Model: exponential growth, dN/dt = rN - H."))
          << QStringLiteral("Parameters: ") + parameters(run) + QLatin1Char('.');
    const auto last = static_cast<std::size_t>(withinSeries(run.SimuT));
    lines << QStringLiteral("Final population size without harvest: N(%1) = %2.")
                 .arg(text(run.SimuT), text(run.NOriginal[last]))
          << QStringLiteral("Final population size with harvest: N(%1) = %2.")
                 .arg(text(run.SimuT), text(run.NHarvested[last]))
          << extinctionNote(run) << equilibria(run);
    if (logistic && run.IntrinsicRate > 0 && run.CarryingCapacity > 0)
        lines << QStringLiteral("Maximum sustainable yield: rK/4 = %1, at N = K/2 = %2.")
                     .arg(shortNumber(
                              maximumSustainableYield(run.IntrinsicRate, run.CarryingCapacity)),
                          shortNumber(run.CarryingCapacity / 2));
    for (std::size_t k = kept.size(); k-- > 0;) {
        const HarvestState &other = kept.at(k);
        lines << QStringLiteral("Kept for comparison, %1: %2 model, %3.")
                     .arg(QString::fromStdString(keptRunLabel(other, run)),
                          other.RunModel == Growth::Logistic ? QStringLiteral("logistic")
                                                             : QStringLiteral("exponential"),
                          parameters(other));
    }
    return lines;
}
