#include "charts/chartcycle.h"

#include "chartkit/chartdescription.h"
#include "chartkit/chartrecorder.h"
#include "charts/densitycharts.h"
#include "charts/economicscharts.h"
#include "charts/populationcharts.h"

#include <QCoreApplication>

#include <algorithm>
#include <array>
#include <limits>
#include <vector>

namespace {

using ChartProcedure
    = void (*)(ChartControl &, HarvestState &, const ChartInputs &, const ChartLook &);

// Indexed by Chart.
constexpr std::array<ChartProcedure, ChartCount> Procedures = {
    ShowNvsT,
    ShowdNvsT,
    ShowdNvsN,
    ShowlnNvsT,
    ShowNanddNvsT,
    ShowdNperNvsN,
    ShowalldNvsN,
    ShowExponentdNandH,
    ShowCostandRevenue,
    ShowNetProfit,
    ShowExponentCostandRevenue,
    ShowExponentNetProfit,
};

struct CyclePosition
{
    Chart logistic;
    Chart exponential;
};

// The economics of positions 7 and 8 are drawn for the exponential model too, from
// its own sustainable yield rN, so the cycle never stands still.
constexpr std::array<CyclePosition, ChartCyclePositions> Cycle = {{
    {Chart::NvsT, Chart::NvsT},
    {Chart::dNvsT, Chart::dNvsT},
    {Chart::dNvsN, Chart::dNvsN},
    {Chart::lnNvsT, Chart::lnNvsT},
    {Chart::NanddNvsT, Chart::NanddNvsT},
    {Chart::dNperNvsN, Chart::dNperNvsN},
    {Chart::LogisticTheory, Chart::ExponentialTheory},
    {Chart::CostAndRevenue, Chart::ExponentialCostAndRevenue},
    {Chart::NetProfit, Chart::ExponentialNetProfit},
}};

} // namespace

QStringList seriesNamesOf(Chart chart)
{
    const auto name = [](const char *text) { return QCoreApplication::translate("Charts", text); };
    const QString original = name(QT_TRANSLATE_NOOP("Charts", "original"));
    const QString harvested = name(QT_TRANSLATE_NOOP("Charts", "harvested"));
    const QString harvestRate = name(QT_TRANSLATE_NOOP("Charts", "harvest rate"));
    switch (chart) {
    case Chart::NanddNvsT:
        return {QStringLiteral("N(t)"), QStringLiteral("dN(t)"),
                name(QT_TRANSLATE_NOOP("Charts", "N(t) (harvested)")),
                name(QT_TRANSLATE_NOOP("Charts", "dN(t) (harvested)"))};
    case Chart::LogisticTheory:
        return {original, harvested, harvestRate, name(QT_TRANSLATE_NOOP("Charts", "unstable")),
                name(QT_TRANSLATE_NOOP("Charts", "stable"))};
    case Chart::ExponentialTheory: return {original, harvested, harvestRate};
    case Chart::CostAndRevenue:
    case Chart::ExponentialCostAndRevenue:
        return {name(QT_TRANSLATE_NOOP("Charts", "cost")), QStringLiteral("R (p/e=50)"),
                QStringLiteral("R (p/e=20)"), QStringLiteral("R (p/e=10)"),
                QStringLiteral("R (p/e=5)")};
    case Chart::NetProfit:
    case Chart::ExponentialNetProfit:
        return {QStringLiteral("p/e=50"), QStringLiteral("p/e=20"), QStringLiteral("p/e=10"),
                QStringLiteral("p/e=5")};
    default: return {original, harvested};
    }
}

int nextCyclePosition(int position)
{
    return position >= 0 && position < ChartCyclePositions - 1 ? position + 1 : 0;
}

Chart chartAtCyclePosition(int position, Growth model)
{
    const CyclePosition &at
        = Cycle[position >= 0 && position < ChartCyclePositions ? std::size_t(position) : 0];
    return model == Growth::Exponential ? at.exponential : at.logistic;
}

int cyclePositionOf(Chart chart, Growth model)
{
    for (int position = 0; position < ChartCyclePositions; ++position)
        if (chartAtCyclePosition(position, model) == chart)
            return position;
    return 0;
}

namespace {

void drawOne(Chart chart, ChartControl &control, HarvestState &state, const ChartInputs &inputs,
             const ChartLook &look)
{
    Procedures[static_cast<std::size_t>(chart)](control, state, inputs, look);
}

// The chart of a kept run at the place of `chart` in the cycle of the kept run's
// model: the theory and the economics differ between the models.
Chart underModel(Chart chart, Growth model)
{
    for (int position = 0; position < ChartCyclePositions; ++position)
        for (const Growth from : {Growth::Logistic, Growth::Exponential})
            if (chartAtCyclePosition(position, from) == chart)
                return chartAtCyclePosition(position, model);
    return chart;
}

// The series of a kept run's chart worth drawing beside this run's: a curve that
// depends only on what the two runs share would lie under this run's own. The
// economics depend on r and K (the exponential one's range on N(0)), the growth
// curve of the theory on the same; everything else on the run as a whole.
QList<int> seriesWorthDrawing(Chart chart, int columns, const HarvestState &kept,
                              const HarvestState &current)
{
    const bool sameGrowth = kept.RunModel == current.RunModel
                            && kept.IntrinsicRate == current.IntrinsicRate
                            && (kept.RunModel == Growth::Exponential
                                    ? kept.NOriginal[0] == current.NOriginal[0]
                                    : kept.CarryingCapacity == current.CarryingCapacity);
    QList<int> series;
    for (int s = 1; s < columns; s += 2) {
        switch (chart) {
        case Chart::CostAndRevenue:
        case Chart::NetProfit:
        case Chart::ExponentialCostAndRevenue:
        case Chart::ExponentialNetProfit:
            if (sameGrowth)
                continue;
            break;
        case Chart::LogisticTheory:
        case Chart::ExponentialTheory:
            if (sameGrowth && s == 1)
                continue; // the growth curve without harvest
            break;
        default: break;
        }
        series << s;
    }
    return series;
}

// A kept run's chart, recorded once: kept runs do not change, and a chart is
// drawn again at every click and every step of the current run.
const ChartRecorder &recordedChart(Chart chart, const KeptRuns &runs, std::size_t index,
                                   const ChartInputs &inputs, const ChartLook &look)
{
    struct Recorded
    {
        std::uint64_t generation;
        const HarvestState *run;
        Chart chart;
        double runLength;
        double n0;
        ChartRecorder recorder;
    };
    static std::vector<std::unique_ptr<Recorded>> recorded;
    HarvestState &run = runs.at(index);
    std::erase_if(recorded, [&runs](const auto &r) { return r->generation != runs.generation(); });
    for (const auto &r : recorded)
        if (r->run == &run && r->chart == chart && r->runLength == inputs.runLength
            && r->n0 == inputs.n0)
            return r->recorder;
    auto fresh = std::make_unique<Recorded>(
        Recorded{runs.generation(), &run, chart, inputs.runLength, inputs.n0, {}});
    drawOne(chart, fresh->recorder, run, inputs, look);
    recorded.push_back(std::move(fresh));
    return recorded.back()->recorder;
}

// "The harvested population dies out at time 14." said of a kept run:
// "Kept, H = 20: the harvested population dies out at time 14."
QString keptNote(const QString &label, QString note)
{
    if (!note.isEmpty() && lowerCaseInsideSentences())
        note[0] = note[0].toLower();
    return QCoreApplication::translate("Charts", "Kept, %1: %2",
                                       "a note on a kept run: what tells it from this run "
                                       "(\"H = 20\"), then the note")
        .arg(label, note);
}

} // namespace

void drawChart(Chart chart, ChartControl &control, HarvestState &state, const ChartInputs &inputs,
               const ChartLook &look, const KeptDrawing &kept)
{
    control.setFileNameTag(runFileNameTag(state));
    if (!kept.runs || kept.runs->empty())
        return drawOne(chart, control, state, inputs, look);

    // The current run as its procedure draws it, held back from the screen.
    DeferredRefresh current(control);
    drawOne(chart, current, state, inputs, look);
    const int ownColumns = control.columnCount();
    const int ownRows = control.rowCount();

    // Each kept run's chart, recorded.
    const std::size_t count = kept.runs->size();
    std::vector<const ChartRecorder *> recorded(count);
    std::vector<QString> labels(count);
    std::vector<QList<int>> drawn(count);
    int columns = ownColumns;
    int rows = ownRows;
    for (std::size_t k = 0; k < count; ++k) {
        HarvestState &run = kept.runs->at(k);
        const Chart same = underModel(chart, run.RunModel);
        ChartLook keptLook = look;
        keptLook.legendTexts = seriesNamesOf(same);
        recorded[k] = &recordedChart(same, *kept.runs, k, kept.inputs(run), keptLook);
        labels[k] = QString::fromStdString(keptRunLabel(run, state));
        drawn[k] = seriesWorthDrawing(same, recorded[k]->columnCount(), run, state);
        columns += 2 * int(drawn[k].size());
        rows = std::max(rows, recorded[k]->rowCount());
    }
    if (columns > ChartMostColumns)
        return control.refresh(); // no room left: the current run alone

    control.setColumnCount(columns);
    control.setRowCount(rows);
    // Rows below the current run's might hold an earlier chart's values.
    constexpr double Empty = std::numeric_limits<double>::quiet_NaN();
    for (int column = 1; column <= ownColumns; ++column)
        for (int row = ownRows + 1; row <= rows; ++row)
            control.setDataPoint(row, column, Empty, true);

    QStringList notes = current.chartNotes();
    QList<PointNote> pointNotes = current.pointNotes();
    int offset = ownColumns;
    for (std::size_t k = count; k-- > 0;) { // the newest kept run first
        const ChartRecorder &run = *recorded[k];
        run.copyInto(control, drawn[k], offset + 1, rows);
        const QStringList names = seriesNamesOf(underModel(chart, kept.runs->at(k).RunModel));
        const int age = int(count - k);
        int at = offset + 1;
        for (const int series : drawn[k]) {
            const QString name = names.value(series / 2);
            control.setSeriesLegendText(
                at,
                QCoreApplication::translate("Charts", "%1, %2",
                                            "a kept run's curve: the series, then what "
                                            "tells the run from this one (\"harvested, H = 20\")")
                    .arg(name, labels[k]));
            control.setSeriesFaded(at, series, age);
            at += 2;
        }
        // What the current run's notes say already is not said again.
        for (const QString &note : run.chartNotes())
            if (!current.chartNotes().contains(note))
                notes << keptNote(labels[k], note);
        for (PointNote note : run.pointNotes())
            if (const qsizetype place = drawn[k].indexOf(note.series); place >= 0) {
                note.series = offset + 1 + 2 * int(place);
                pointNotes << note;
            }
        offset += 2 * int(drawn[k].size());
    }
    control.setChartNotes(notes);
    control.setPointNotes(pointNotes);
    control.refresh();
}

QString keepForComparison(KeptRuns &kept, const HarvestState &run)
{
    if (!kept.keep(run))
        return QCoreApplication::translate("Charts", "This run is kept already");
    return QCoreApplication::translate("Charts", "Run kept to compare (%1 of %2)")
        .arg(kept.size())
        .arg(MostKeptRuns);
}

QString forgetKeptRuns(KeptRuns &kept)
{
    kept.forget();
    return QCoreApplication::translate("Charts", "Kept runs forgotten");
}

QString KeepCommandText()
{
    return QCoreApplication::translate("Charts", "Keep this run for comparison");
}
QString KeepCommandHint()
{
    return QCoreApplication::translate("Charts", "K keeps this run for comparison.");
}
QString ForgetCommandText() { return QCoreApplication::translate("Charts", "Forget kept runs"); }
QString HandoutCommandText() { return QCoreApplication::translate("Charts", "Save handout…"); }
QString HandoutCommandHint()
{
    return QCoreApplication::translate("Charts", "Ctrl+H saves a handout of the run.");
}
QString PrintChartCommandText() { return QCoreApplication::translate("Charts", "Print chart…"); }
