#include "model/axisscale.h"

#include <QSet>
#include <QStringList>
#include <QTest>

#include <cmath>
#include <limits>

using namespace AxisScale;

namespace {

constexpr double NaN = std::numeric_limits<double>::quiet_NaN();
constexpr double Inf = std::numeric_limits<double>::infinity();
constexpr int Sig = Scale::SignificantDigits;
// The main window's chart: its x axis across, its y axis up.
constexpr double Across = 388;
constexpr double Up = 200;

// A font of 7 pixels per character and 16 per line, near the chart's own.
const LabelMetrics FakeFont{[](const std::string &label) { return 7.0 * double(label.size()); },
                            16};

Scale scaleFor(double lo, double hi, double length, bool horizontal, bool whole = false,
               bool markers = false)
{
    AxisRequest request;
    request.lo = lo;
    request.hi = hi;
    request.length = length;
    request.horizontal = horizontal;
    request.wholeNumbers = whole;
    request.markerRoom = markers;
    return axisScale(request, FakeFont);
}

QStringList labelsOf(const Scale &scale)
{
    QStringList labels;
    for (int i = 0; i < scale.ticks; ++i)
        labels << QString::fromStdString(labelText(tickValue(scale, i), scale.decimals));
    return labels;
}

} // namespace

class TestAxisScale : public QObject
{
    Q_OBJECT

private slots:
    void scaleOfRange_data()
    {
        QTest::addColumn<double>("lo");
        QTest::addColumn<double>("hi");
        QTest::addColumn<double>("length");
        QTest::addColumn<bool>("horizontal");
        QTest::addColumn<bool>("whole");
        QTest::addColumn<bool>("markers");
        QTest::addColumn<QStringList>("labels");

        const auto row = [](const char *name, double lo, double hi, double length, bool whole,
                            bool markers, const QStringList &labels) {
            QTest::addRow("%s", name)
                << lo << hi << length << (length != Up) << whole << markers << labels;
        };
        row("0 to 640 across", 0, 640, Across, false, false,
            {"0", "100", "200", "300", "400", "500", "600", "700"});
        // Eight ticks would put the labels less than two lines apart.
        row("0 to 640 up", 0, 640, Up, false, false, {"0", "200", "400", "600", "800"});
        row("-15 to 40 across", -15, 40, Across, false, false,
            {"-20", "-10", "0", "10", "20", "30", "40"});
        row("0 to 1250 across", 0, 1250, Across, false, false,
            {"0", "200", "400", "600", "800", "1000", "1200", "1400"});
        row("0.01 to 0.25 across", 0.01, 0.25, Across, false, false,
            {"0.00", "0.05", "0.10", "0.15", "0.20", "0.25"});
        // The tighter 1e6 to 1e7 in ten ticks has no room for labels this long.
        row("1e6 to 1e7 across", 1e6, 1e7, Across, false, false,
            {"0", "2e+06", "4e+06", "6e+06", "8e+06", "1e+07"});
        // Eleven ticks would fit too, but six are nearer one per 50 pixels.
        row("0 to 10 across", 0, 10, Across, false, false, {"0", "2", "4", "6", "8", "10"});
        row("constant 5 across", 5, 5, Across, false, false, {"4.0", "4.5", "5.0", "5.5", "6.0"});
        row("constant 5 across whole", 5, 5, Across, true, false, {"4", "5", "6"});

        row("0 to 1 across", 0, 1, Across, false, false,
            {"0.0", "0.2", "0.4", "0.6", "0.8", "1.0"});
        row("0 to 1 across whole", 0, 1, Across, true, false, {"0", "1"});
        row("0 to 3 across", 0, 3, Across, false, false,
            {"0.0", "0.5", "1.0", "1.5", "2.0", "2.5", "3.0"});
        row("0 to 3 across whole", 0, 3, Across, true, false, {"0", "1", "2", "3"});
        row("0 to 3 up", 0, 3, Up, false, false, {"0.0", "0.5", "1.0", "1.5", "2.0", "2.5", "3.0"});
        row("0 to 3 up whole", 0, 3, Up, true, false, {"0", "1", "2", "3"});
        row("0 to 65 across", 0, 65, Across, false, false,
            {"0", "10", "20", "30", "40", "50", "60", "70"});
        row("0 to 65 across whole", 0, 65, Across, true, false,
            {"0", "10", "20", "30", "40", "50", "60", "70"});
        row("0 to 2000 across", 0, 2000, Across, false, false,
            {"0", "500", "1000", "1500", "2000"});
        row("0 to 2000 across whole", 0, 2000, Across, true, false,
            {"0", "500", "1000", "1500", "2000"});
        row("0.2 to 0.7 across whole", 0.2, 0.7, Across, true, false, {"0", "1"});
        // Too short for even two ticks: shorter labels, but whole numbers stay whole.
        row("0 to 2000 across 40", 0, 2000, 40, false, false, {"0", "2e+03"});
        row("0 to 2000 across 40 whole", 0, 2000, 40, true, false, {"0", "2000"});
        // Room for the markers at 0 and 3 takes a whole step at each end.
        row("0 to 3 across whole markers", 0, 3, Across, true, true,
            {"-1", "0", "1", "2", "3", "4"});
    }

    void scaleOfRange()
    {
        QFETCH(double, lo);
        QFETCH(double, hi);
        QFETCH(double, length);
        QFETCH(bool, horizontal);
        QFETCH(bool, whole);
        QFETCH(bool, markers);
        QFETCH(QStringList, labels);

        const Scale scale = scaleFor(lo, hi, length, horizontal, whole, markers);
        QCOMPARE(labelsOf(scale), labels);
        QCOMPARE(scale.min, labels.first().toDouble());
        QCOMPARE(scale.max, labels.last().toDouble());
        if (whole) {
            const double step = (scale.max - scale.min) / (scale.ticks - 1);
            QVERIFY(step >= 1 && step == std::floor(step));
            QVERIFY(scale.min == std::floor(scale.min));
            QCOMPARE(scale.decimals, 0);
        }
    }

    void scaleSound_data()
    {
        QTest::addColumn<double>("lo");
        QTest::addColumn<double>("hi");
        QTest::addColumn<bool>("whole");
        QTest::addRow("nothing drawn") << 0.0 << -1.0 << false;
        QTest::addRow("NaN") << NaN << NaN << false;
        QTest::addRow("-inf to inf") << -Inf << Inf << false;
        QTest::addRow("constant 0") << 0.0 << 0.0 << false;
        QTest::addRow("constant 0 whole") << 0.0 << 0.0 << true;
        QTest::addRow("constant -0.001") << -0.001 << -0.001 << false;
        QTest::addRow("constant 2.5e9") << 2.5e9 << 2.5e9 << false;
        QTest::addRow("1 to 1+1e-13") << 1.0 << 1 + 1e-13 << false;
        QTest::addRow("1e9 to 1e9+1e-4") << 1e9 << 1e9 + 1e-4 << false;
        QTest::addRow("-0.3 to 0.3") << -0.3 << 0.3 << false;
        QTest::addRow("-7 to -0.5") << -7.0 << -0.5 << false;
        QTest::addRow("-0 to 5") << -0.0 << 5.0 << false;
        QTest::addRow("0 to 1e308") << 0.0 << 1e308 << false;
        QTest::addRow("-1.7e308 to 1.7e308") << -1.7e308 << 1.7e308 << false;
        QTest::addRow("-1.7e308 to 1.7e308 whole") << -1.7e308 << 1.7e308 << true;
        QTest::addRow("1e-310 to 3e-310") << 1e-310 << 3e-310 << false;
        QTest::addRow("1e-300 to 3e-300") << 1e-300 << 3e-300 << false;
    }

    // Finite, of positive width, covering what it can of the values, with
    // distinct labels that read neither "-0", "inf" nor "nan".
    void scaleSound()
    {
        QFETCH(double, lo);
        QFETCH(double, hi);
        QFETCH(bool, whole);
        for (const bool horizontal : {true, false}) {
            const Scale scale = scaleFor(lo, hi, horizontal ? Across : Up, horizontal, whole);
            QVERIFY(std::isfinite(scale.max - scale.min));
            QVERIFY(scale.min < scale.max);
            QVERIFY(scale.ticks >= 2 && scale.ticks <= MostRoundedTicks);
            QVERIFY(!std::signbit(scale.min) || scale.min < 0);
            QVERIFY(!std::signbit(scale.max) || scale.max < 0);
            if (lo <= hi)
                QVERIFY(scale.min <= std::max(lo, -MaxCoordinate)
                        && scale.max >= std::min(hi, MaxCoordinate));
            if (lo == hi) // a constant shows inside the axis, not on its edge
                QVERIFY(scale.min < lo && lo < scale.max);
            const QStringList labels = labelsOf(scale);
            QCOMPARE(QSet<QString>(labels.begin(), labels.end()).size(), labels.size());
            for (const QString &label : labels) {
                QVERIFY2(!label.contains("inf") && !label.contains("nan"), qPrintable(label));
                QVERIFY2(label.toDouble() != 0 || !label.startsWith('-'), qPrintable(label));
            }
        }
    }

    void niceNumbers_data()
    {
        QTest::addColumn<double>("x");
        QTest::addColumn<bool>("roundUp");
        QTest::addColumn<double>("nice");
        QTest::addRow("1 up") << 1.0 << true << 1.0;
        QTest::addRow("1.01 up") << 1.01 << true << 2.0;
        QTest::addRow("2.01 up") << 2.01 << true << 5.0;
        QTest::addRow("5 up") << 5.0 << true << 5.0;
        QTest::addRow("5.01 up") << 5.01 << true << 10.0;
        QTest::addRow("640 up") << 640.0 << true << 1000.0;
        QTest::addRow("0.024 up") << 0.024 << true << 0.05;
        QTest::addRow("1.49 nearest") << 1.49 << false << 1.0;
        QTest::addRow("1.5 nearest") << 1.5 << false << 2.0;
        QTest::addRow("2.99 nearest") << 2.99 << false << 2.0;
        QTest::addRow("3 nearest") << 3.0 << false << 5.0;
        QTest::addRow("6.99 nearest") << 6.99 << false << 5.0;
        QTest::addRow("7 nearest") << 7.0 << false << 10.0;
        QTest::addRow("0.0714 nearest") << 0.0714 << false << 0.1;
    }

    void niceNumbers()
    {
        QFETCH(double, x);
        QFETCH(bool, roundUp);
        QFETCH(double, nice);
        QCOMPARE(niceNumber(x, roundUp), nice);
    }

    void labelsFitLength_data()
    {
        QTest::addColumn<double>("lo");
        QTest::addColumn<double>("hi");
        QTest::addRow("0 to 640") << 0.0 << 640.0;
        QTest::addRow("-15 to 40") << -15.0 << 40.0;
        QTest::addRow("0.001 to 0.002") << 0.001 << 0.002;
        QTest::addRow("0 to 3e7") << 0.0 << 3e7;
        QTest::addRow("-2e-8 to 6e-8") << -2e-8 << 6e-8;
    }

    // Whatever the axis' length, no two labels come closer than they may, as
    // long as the axis holds the coarsest ticks at all.
    void labelsFitLength()
    {
        QFETCH(double, lo);
        QFETCH(double, hi);
        for (const double length : {180.0, 260.0, 388.0, 600.0, 825.0}) {
            for (const bool horizontal : {true, false}) {
                const Scale scale = scaleFor(lo, hi, length, horizontal);
                const double spacing = length / (scale.ticks - 1);
                double room = 2 * FakeFont.height;
                if (horizontal) {
                    double widest = 0;
                    for (const QString &label : labelsOf(scale))
                        widest = std::max(widest, FakeFont.width(label.toStdString()));
                    room = 1.5 * widest + 8;
                }
                QVERIFY2(spacing >= room, qPrintable(QString::number(length)));
            }
        }
    }

    void labelsFitScale_data()
    {
        QTest::addColumn<double>("length");
        QTest::addColumn<bool>("fits");
        // Labels 0, 5e+06, 1e+07, 1.5e+07, 2e+07: the middle one is the widest.
        QTest::addRow("300 across") << 300.0 << false;
        QTest::addRow("326 across") << 326.0 << true;
    }

    void labelsFitScale()
    {
        QFETCH(double, length);
        QFETCH(bool, fits);
        QCOMPARE(labelsFit(Scale{0, 2e7, 5, Sig}, FakeFont, length, true), fits);
    }

    // Ticks are computed from the axis' ends, as the chart computes them; the one
    // at zero must come out as exactly zero, never a hair below ("-0.00").
    void zeroTickReadsZero_data()
    {
        QTest::addColumn<double>("lo");
        QTest::addColumn<double>("hi");
        QTest::addColumn<int>("ticks");
        QTest::addColumn<QString>("zeroLabel");
        QTest::addRow("-0.02 to 0.18, dN/N of the default run") << -0.015 << 0.175 << 11 << "0.00";
        QTest::addRow("-0.3 to 0.2 in tenths") << -0.3 << 0.2 << 6 << "0.0";
        QTest::addRow("tiny, significant digits") << -1.8e-6 << 2e-7 << 11 << "0";
        // Computed plainly, this tick would read "-2.62e+05".
        QTest::addRow("huge, significant digits") << -1.5e21 << 2e21 << 11 << "0";
    }

    void zeroTickReadsZero()
    {
        QFETCH(double, lo);
        QFETCH(double, hi);
        QFETCH(int, ticks);
        QFETCH(QString, zeroLabel);
        const Scale scale = niceScale(Range{lo, hi}, ticks);
        QVERIFY(scale.min < 0 && scale.max > 0);
        int zeros = 0;
        for (int i = 0; i < scale.ticks; ++i) {
            const QString label
                = QString::fromStdString(labelText(tickValue(scale, i), scale.decimals));
            const bool negativeZero
                = label.startsWith(QLatin1Char('-'))
                  && label.mid(1).count(QLatin1Char('0')) + label.mid(1).count(QLatin1Char('.'))
                         == label.size() - 1;
            QVERIFY2(!negativeZero, qPrintable(label));
            zeros += label == zeroLabel;
        }
        QCOMPARE(zeros, 1);
    }

    void labelTextAsPrintf_data()
    {
        QTest::addColumn<double>("value");
        QTest::addColumn<int>("decimals");
        QTest::addColumn<QString>("text");
        QTest::addRow("1250 in 0 decimals") << 1250.0 << 0 << "1250";
        QTest::addRow("0.25 in 2 decimals") << 0.25 << 2 << "0.25";
        QTest::addRow("0.30000000000000004 in 1 decimal") << 0.30000000000000004 << 1 << "0.3";
        QTest::addRow("-20 in 0 decimals") << -20.0 << 0 << "-20";
        QTest::addRow("1e7 significant") << 1e7 << Sig << "1e+07";
        QTest::addRow("1.5e7 significant") << 1.5e7 << Sig << "1.5e+07";
        QTest::addRow("123456 significant") << 123456.0 << Sig << "1.23e+05";
        QTest::addRow("0.00001 significant") << 0.00001 << Sig << "1e-05";
        QTest::addRow("250 significant") << 250.0 << Sig << "250";
    }

    // The chart writes its labels with printf's "%.Nf" and "%.3g"; what is
    // measured must be what is drawn.
    void labelTextAsPrintf()
    {
        QFETCH(double, value);
        QFETCH(int, decimals);
        QFETCH(QString, text);
        QCOMPARE(QString::fromStdString(labelText(value, decimals)), text);
    }
};

QTEST_GUILESS_MAIN(TestAxisScale)
#include "tst_axisscale.moc"
