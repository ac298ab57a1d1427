// A line of many points handed to the painter with the points the screen can tell
// apart, and markers one to a pixel.
#include "chartkit/linesimplify.h"

#include <QTest>

#include <cmath>

namespace {

// The largest distance, in pixels, from a point of `full` to the polyline `kept`.
double largestGap(const QList<QPointF> &full, const QList<QPointF> &kept, double sx, double sy)
{
    double worst = 0;
    for (const QPointF &p : full) {
        double best = 1e300;
        for (qsizetype i = 0; i + 1 < kept.size(); ++i) {
            const QPointF a(kept[i].x() * sx, kept[i].y() * sy);
            const QPointF b(kept[i + 1].x() * sx, kept[i + 1].y() * sy);
            const QPointF q(p.x() * sx, p.y() * sy);
            const QPointF ab = b - a;
            const double len = QPointF::dotProduct(ab, ab);
            const double t
                = len > 0 ? std::clamp(QPointF::dotProduct(q - a, ab) / len, 0.0, 1.0) : 0;
            const QPointF d = q - (a + t * ab);
            best = std::min(best, std::hypot(d.x(), d.y()));
        }
        worst = std::max(worst, best);
    }
    return worst;
}

} // namespace

class TestLineSimplify : public QObject
{
    Q_OBJECT

private slots:
    void smoothCurveKeepsItsLook_data()
    {
        QTest::addColumn<int>("points");
        QTest::addColumn<double>("pixelsPerUnit");
        QTest::addRow("2001 points over 390 pixels") << 2001 << 390.0 / 2000;
        QTest::addRow("10001 points over 800 pixels") << 10001 << 800.0 / 10000;
    }

    // A logistic curve: far fewer points, none of the curve further than the
    // tolerance from where it was, the ends kept, the order kept.
    void smoothCurveKeepsItsLook()
    {
        QFETCH(int, points);
        QFETCH(double, pixelsPerUnit);
        QList<QPointF> curve;
        for (int t = 0; t < points; ++t)
            curve << QPointF(t, 500 / (1 + 4 * std::exp(-0.2 * t * 2000.0 / points)));
        const double sy = 250.0 / 500;
        const QList<QPointF> kept = simplifiedLine(curve, pixelsPerUnit, sy, 0.25);
        QVERIFY(kept.size() < curve.size() / 5);
        QCOMPARE(kept.first(), curve.first());
        QCOMPARE(kept.last(), curve.last());
        for (qsizetype i = 1; i < kept.size(); ++i)
            QVERIFY(kept[i].x() > kept[i - 1].x());
        QVERIFY(largestGap(curve, kept, pixelsPerUnit, sy) <= 0.25 + 1e-9);
    }

    // A sharp corner and a spike survive.
    void cornersStay()
    {
        const QList<QPointF> line = {{0, 0}, {1, 0}, {2, 0}, {3, 10}, {4, 0}, {5, 0}};
        QCOMPARE(simplifiedLine(line, 1, 1, 0.25),
                 QList<QPointF>({{0, 0}, {2, 0}, {3, 10}, {4, 0}, {5, 0}}));
    }

    void markersOneToAPixel()
    {
        const QList<QPointF> cloud = {{0, 0}, {0.001, 0.001}, {5, 5}, {0, 0}, {5.4, 5}, {-3, 2}};
        QCOMPARE(distinctPixels(cloud, 1, 1), QList<QPointF>({{0, 0}, {5, 5}, {-3, 2}}));
        // A point out of any screen's reach is kept as it is.
        QCOMPARE(distinctPixels({{1e300, 0}, {1e300, 0}}, 1, 1).size(), 2);
    }
};

QTEST_GUILESS_MAIN(TestLineSimplify)
#include "tst_linesimplify.moc"
