// What Enter makes of an entry in each parameter box, and the texts each model
// brings; the window reads both from here.
#include "model/parameterentry.h"

#include <QTest>

Q_DECLARE_METATYPE(ParameterBox)

class TestParameterEntry : public QObject
{
    Q_OBJECT

private slots:
    void enterChecksTheEntry_data();
    void enterChecksTheEntry();
    void modelsBringTheirTexts();
    void stepsKeepToTheGrid_data();
    void stepsKeepToTheGrid();
    void hintsNameTheSteps();
};

void TestParameterEntry::enterChecksTheEntry_data()
{
    QTest::addColumn<ParameterBox>("box");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("after"); // the text the box holds after Enter
    const auto N0 = ParameterBox::N0, r = ParameterBox::Rate, K = ParameterBox::Capacity,
               H = ParameterBox::HarvestRate, T = ParameterBox::RunLength;
    QTest::addRow("N(0) 0 accepted") << N0 << "0"
                                     << "0";
    QTest::addRow("N(0) negative") << N0 << "-1"
                                   << "100";
    QTest::addRow("N(0) empty") << N0 << ""
                                << "100";
    QTest::addRow("N(0) with letters") << N0 << "12abc"
                                       << "100";
    QTest::addRow("N(0) exponent") << N0 << "1E3"
                                   << "1E3";
    QTest::addRow("r 0 accepted") << r << "0"
                                  << "0";
    QTest::addRow("r decimal comma") << r << "0,3"
                                     << "0.2";
    QTest::addRow("r blanks around") << r << " 0.3 "
                                     << " 0.3 ";
    QTest::addRow("r too large for a double") << r << "1e999"
                                              << "0.2";
    QTest::addRow("K 0 replaced") << K << "0"
                                  << "500";
    QTest::addRow("K positive") << K << "400"
                                << "400";
    QTest::addRow("K text") << K << "abc"
                            << "500";
    QTest::addRow("H 0 accepted") << H << "0"
                                  << "0";
    QTest::addRow("H negative") << H << "-10"
                                << "10";
    QTest::addRow("T 65 stays") << T << "65"
                                << "65";
    QTest::addRow("T 1 stays") << T << "1"
                               << "1";
    QTest::addRow("T 2000 stays") << T << "2000"
                                  << "2000";
    QTest::addRow("T 2001 held") << T << "2001"
                                 << "2000";
    QTest::addRow("T 2500.5 held") << T << "2500.5"
                                   << "2000";
    QTest::addRow("T 1e300 held") << T << "1e300"
                                  << "2000";
    QTest::addRow("T 0") << T << "0"
                         << "50";
    QTest::addRow("T -5") << T << "-5"
                          << "50";
    QTest::addRow("T abc") << T << "abc"
                           << "50";
    QTest::addRow("T 12.5") << T << "12.5"
                            << "50";
    QTest::addRow("T empty") << T << ""
                             << "50";
    QTest::addRow("T 65.0 is whole") << T << "65.0"
                                     << "65.0";
}

void TestParameterEntry::enterChecksTheEntry()
{
    QFETCH(ParameterBox, box);
    QFETCH(QString, typed);
    QFETCH(QString, after);
    const auto corrected = correctedEntry(box, typed.toStdString());
    QCOMPARE(corrected ? QString::fromStdString(*corrected) : typed, after);
    // A text that stands is reported as standing, so the box is not rewritten.
    QCOMPARE(corrected.has_value(), after != typed);
}

void TestParameterEntry::modelsBringTheirTexts()
{
    const ModelDefaults &exponential = modelDefaults(Growth::Exponential);
    const ModelDefaults &logistic = modelDefaults(Growth::Logistic);
    QVERIFY(!exponential.capacityEnabled && logistic.capacityEnabled);
    QCOMPARE(exponential.text(ParameterBox::Capacity), "");
    QCOMPARE(exponential.text(ParameterBox::HarvestRate), "15");
    QCOMPARE(exponential.text(ParameterBox::RunLength), "10");
    QCOMPARE(logistic.text(ParameterBox::Capacity), "500");
    QCOMPARE(logistic.text(ParameterBox::HarvestRate), "10");
    QCOMPARE(logistic.text(ParameterBox::RunLength), "65");
    QCOMPARE(startText(ParameterBox::Rate), "0.2");
    QCOMPARE(startText(ParameterBox::N0), "100");
    // The logistic model writes the run length before H, the exponential one after.
    QVERIFY(logistic.texts[3].first == ParameterBox::RunLength);
    QVERIFY(exponential.texts[4].first == ParameterBox::RunLength);
    // Every start text stands when it is confirmed with Enter.
    for (const auto &[box, text] : logistic.texts)
        QVERIFY(!correctedEntry(box, text));
}

void TestParameterEntry::stepsKeepToTheGrid_data()
{
    QTest::addColumn<ParameterBox>("box");
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("steps");
    QTest::addColumn<QString>("after"); // empty: the box stays as it is
    const auto N0 = ParameterBox::N0, r = ParameterBox::Rate, K = ParameterBox::Capacity,
               H = ParameterBox::HarvestRate, T = ParameterBox::RunLength;
    QTest::addRow("r up") << r << "0.2" << 1 << "0.21";
    QTest::addRow("r 0.29 up, written short") << r << "0.29" << 1 << "0.3";
    QTest::addRow("r 0.07 up, a hair off the grid in binary") << r << "0.07" << 1 << "0.08";
    QTest::addRow("r off the grid, up") << r << "0.205" << 1 << "0.21";
    QTest::addRow("r off the grid, down") << r << "0.205" << -1 << "0.2";
    QTest::addRow("r page up") << r << "0.2" << 10 << "0.3";
    QTest::addRow("r down to its limit") << r << "0.005" << -1 << "0";
    QTest::addRow("r at its limit") << r << "0" << -1 << "";
    QTest::addRow("N(0) up") << N0 << "100" << 1 << "110";
    QTest::addRow("N(0) off the grid, page down") << N0 << "105" << -10 << "10";
    QTest::addRow("N(0) too large to change") << N0 << "1e300" << 1 << "";
    QTest::addRow("K at its first step") << K << "10" << -1 << "";
    QTest::addRow("K below its first step, up") << K << "5" << 1 << "10";
    QTest::addRow("K page down") << K << "500" << -10 << "400";
    QTest::addRow("H page down to 0") << H << "10" << -10 << "0";
    QTest::addRow("H page down past 0") << H << "5" << -10 << "";
    QTest::addRow("H not a number: Enter's 10, then up") << H << "abc" << 1 << "11";
    QTest::addRow("run length up") << T << "65" << 10 << "75";
    QTest::addRow("run length at its longest") << T << "2000" << 1 << "";
    QTest::addRow("run length page up past the longest") << T << "1995" << 10 << "";
    QTest::addRow("run length at its shortest") << T << "1" << -1 << "";
    QTest::addRow("run length 0: Enter's 50, then up") << T << "0" << 1 << "51";
}

void TestParameterEntry::stepsKeepToTheGrid()
{
    QFETCH(ParameterBox, box);
    QFETCH(QString, text);
    QFETCH(int, steps);
    QFETCH(QString, after);
    const std::optional<std::string> stepped = steppedEntry(box, text.toStdString(), steps);
    QCOMPARE(stepped ? QString::fromStdString(*stepped) : QString(), after);
}

void TestParameterEntry::hintsNameTheSteps()
{
    QCOMPARE(stepSizes(ParameterBox::HarvestRate).one, 1.0);
    QCOMPARE(stepSizes(ParameterBox::HarvestRate).page, 10.0);
    QCOMPARE(stepSizes(ParameterBox::Rate).one, 0.01);
    QCOMPARE(stepSizes(ParameterBox::Rate).page, 0.1);
}

QTEST_GUILESS_MAIN(TestParameterEntry)
#include "tst_parameterentry.moc"
