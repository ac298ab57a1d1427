#include "charts/runsummary.h"

#include "chartkit/chartdescription.h"
#include "charts/chartsetup.h"
#include "model/harvesttheory.h"
#include "model/numbertext.h"

#include <QCoreApplication>

namespace {

QString text(double value) { return QString::fromStdString(textOfNumber(value)); }

QString said(const char *text) { return QCoreApplication::translate("RunSummary", text); }

QString parameters(const HarvestState &run)
{
    QStringList parts{QStringLiteral("N(0) = ") + text(run.NOriginal[0])};
    if (run.RunModel == Growth::Logistic)
        parts << QStringLiteral("K = ") + text(run.CarryingCapacity);
    parts << QStringLiteral("r = ") + text(run.IntrinsicRate)
          << QStringLiteral("H = ") + text(run.HarvestRate);
    return said(QT_TRANSLATE_NOOP("RunSummary", "%1; run for t = 1 to %2"))
        .arg(parts.join(QStringLiteral(", ")), text(run.RunLength));
}

QString equilibria(const HarvestState &run)
{
    const double r = run.IntrinsicRate;
    const double H = run.HarvestRate;
    if (run.RunModel == Growth::Exponential)
        return r > 0 ? said(QT_TRANSLATE_NOOP("RunSummary",
                                              "One equilibrium, unstable, at N = H/r = %1."))
                           .arg(shortNumber(H / r))
                     : said(QT_TRANSLATE_NOOP("RunSummary", "No equilibrium: r = 0."));
    const Equilibria e = logisticEquilibria(r, run.CarryingCapacity, H);
    if (!e.exist)
        return said(QT_TRANSLATE_NOOP(
            "RunSummary", "No equilibrium: H > rK/4, the harvested population dies out."));
    return said(QT_TRANSLATE_NOOP(
                    "RunSummary",
                    "Equilibria under the harvest: unstable at N = %1, stable at N = %2."))
        .arg(shortNumber(e.unstable), shortNumber(e.stable));
}

} // namespace

QStringList runSummary(const HarvestState &run, const KeptRuns &kept)
{
    const bool logistic = run.RunModel == Growth::Logistic;
    QStringList lines;
    lines << (logistic ? said(QT_TRANSLATE_NOOP("RunSummary",
                                                "Model: logistic growth, dN/dt = rN(1 - N/K) - H."))
                       : said(QT_TRANSLATE_NOOP("RunSummary",
                                                "Model: exponential growth, dN/dt = rN - H.")))
          << said(QT_TRANSLATE_NOOP("RunSummary", "Parameters: %1.")).arg(parameters(run));
    const auto last = static_cast<std::size_t>(withinSeries(run.SimuT));
    lines << said(QT_TRANSLATE_NOOP("RunSummary",
                                    "Final population size without harvest: N(%1) = %2."))
                 .arg(text(run.SimuT), text(run.NOriginal[last]))
          << said(
                 QT_TRANSLATE_NOOP("RunSummary", "Final population size with harvest: N(%1) = %2."))
                 .arg(text(run.SimuT), text(run.NHarvested[last]))
          << extinctionNote(run) << equilibria(run);
    if (logistic && run.IntrinsicRate > 0 && run.CarryingCapacity > 0)
        lines << said(QT_TRANSLATE_NOOP("RunSummary",
                                        "Maximum sustainable yield: rK/4 = %1, at N = K/2 = %2."))
                     .arg(shortNumber(
                              maximumSustainableYield(run.IntrinsicRate, run.CarryingCapacity)),
                          shortNumber(run.CarryingCapacity / 2));
    for (std::size_t k = kept.size(); k-- > 0;) {
        const HarvestState &other = kept.at(k);
        lines << (other.RunModel == Growth::Logistic
                      ? said(QT_TRANSLATE_NOOP("RunSummary",
                                               "Kept for comparison, %1: logistic model, %2."))
                      : said(QT_TRANSLATE_NOOP("RunSummary",
                                               "Kept for comparison, %1: exponential model, %2.")))
                     .arg(QString::fromStdString(keptRunLabel(other, run)), parameters(other));
    }
    return lines;
}
