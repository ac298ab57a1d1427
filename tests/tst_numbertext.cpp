// The number conversions underpin every number the student sees.
#include "model/numbertext.h"

#include <QTest>

#include <cfloat>
#include <clocale>
#include <cmath>
#include <cstring>
#include <limits>
#include <random>

class TestNumberText : public QObject
{
    Q_OBJECT

private slots:
    void lenient_data();
    void lenient();
    void strict_data();
    void strict();
    void textOfNumber_data();
    void textOfNumber();
    void roundTripKeepsFifteenDigits_data();
    void roundTripKeepsFifteenDigits();
    void roundingIsThatOfTheText();
    void wholeNumbers_data();
    void wholeNumbers();
    void shortenedNumbers_data();
    void shortenedNumbers();
    void conversionsIgnoreTheLocale();
};

void TestNumberText::lenient_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<double>("expected");
    QTest::addRow("plain") << "65" << 65.0;
    QTest::addRow("trailing letters") << "12abc" << 12.0;
    QTest::addRow("blanks, sign, exponent, tail") << " -3.5e2x" << -350.0;
    QTest::addRow("exponent with plus") << "1E+16" << 1e16;
    QTest::addRow("exponent without digits stops") << "7e" << 7.0;
    QTest::addRow("exponent sign without digits stops") << "7E+" << 7.0;
    QTest::addRow("leading point") << ".5" << 0.5;
    QTest::addRow("trailing point") << "5." << 5.0;
    QTest::addRow("plus sign") << "+4" << 4.0;
    QTest::addRow("second point ends it") << "1.2.3" << 1.2;
    QTest::addRow("comma ends it") << "1,5" << 1.0;
    QTest::addRow("tab and newline skipped") << "\t\n 8" << 8.0;
    QTest::addRow("empty") << "" << 0.0;
    QTest::addRow("letters only") << "abc" << 0.0;
    QTest::addRow("sign only") << "-" << 0.0;
    QTest::addRow("point only") << "." << 0.0;
    QTest::addRow("nan is no number") << "nan" << 0.0;
    QTest::addRow("inf is no number") << "inf" << 0.0;
    QTest::addRow("hex stops at x") << "0x10" << 0.0;
    QTest::addRow("placeholder") << "????" << 0.0;
    QTest::addRow("overflow gives the largest double") << "1e400" << DBL_MAX;
    QTest::addRow("negative overflow") << "-2e999999999999" << -DBL_MAX;
    QTest::addRow("many digits overflow") << QString(400, QLatin1Char('9')) << DBL_MAX;
    QTest::addRow("underflow gives zero") << "1e-400" << 0.0;
    QTest::addRow("largest double written back") << "1.79769313486232E+308" << DBL_MAX;
    QTest::addRow("text of the largest double") << "1.79769313486231E+308" << 1.79769313486231e308;
}

void TestNumberText::lenient()
{
    QFETCH(QString, text);
    QFETCH(double, expected);
    const double value = numberOfText(text.toStdString());
    QVERIFY2(value == expected, qPrintable(QString::number(value, 'g', 17)));
}

void TestNumberText::strict_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("ok");
    QTest::addColumn<double>("expected");
    QTest::addRow("whole") << "65" << true << 65.0;
    QTest::addRow("blanks around") << "  0.2 " << true << 0.2;
    QTest::addRow("negative") << "-5" << true << -5.0;
    QTest::addRow("plus") << "+3" << true << 3.0;
    QTest::addRow("exponent") << "1.5E-3" << true << 0.0015;
    QTest::addRow("leading point") << ".5" << true << 0.5;
    QTest::addRow("trailing point") << "3." << true << 3.0;
    QTest::addRow("zero") << "0" << true << 0.0;
    QTest::addRow("underflow reads as zero") << "1e-400" << true << 0.0;
    QTest::addRow("empty") << "" << false << 0.0;
    QTest::addRow("blanks only") << "   " << false << 0.0;
    QTest::addRow("letters") << "abc" << false << 0.0;
    QTest::addRow("decimal comma") << "1,5" << false << 0.0;
    QTest::addRow("trailing letters") << "12abc" << false << 0.0;
    QTest::addRow("inner blank") << "1 2" << false << 0.0;
    QTest::addRow("nan") << "nan" << false << 0.0;
    QTest::addRow("inf") << "inf" << false << 0.0;
    QTest::addRow("hex") << "0x10" << false << 0.0;
    QTest::addRow("overflow") << "1e400" << false << 0.0;
    QTest::addRow("exponent without digits") << "1e" << false << 0.0;
    QTest::addRow("two points") << "1.2.3" << false << 0.0;
}

void TestNumberText::strict()
{
    QFETCH(QString, text);
    QFETCH(bool, ok);
    QFETCH(double, expected);
    const auto value = textReadAsNumber(text.toStdString());
    QCOMPARE(value.has_value(), ok);
    if (ok)
        QVERIFY(*value == expected);
}

void TestNumberText::textOfNumber_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("expected");
    QTest::addRow("whole") << 500.0 << "500";
    QTest::addRow("fraction") << 0.2 << "0.2";
    QTest::addRow("negative") << -350.0 << "-350";
    QTest::addRow("zero") << 0.0 << "0";
    QTest::addRow("minus zero") << -0.0 << "0";
    QTest::addRow("fifteen digits kept") << 123456789012345.0 << "123456789012345";
    QTest::addRow("sixteenth digit rounded") << 0.1 + 0.2 << "0.3";
    QTest::addRow("rounding carries") << 0.9999999999999999 << "1";
    QTest::addRow("carry reaches the exponent form") << 999999999999999.9 << "1E+15";
    QTest::addRow("rounded to fifteen") << 2.0 / 3.0 << "0.666666666666667";
    QTest::addRow("small plain") << 0.0001 << "0.0001";
    QTest::addRow("small exponent") << 0.00001 << "1E-05";
    QTest::addRow("small with digits") << -0.000015 << "-1.5E-05";
    QTest::addRow("large plain") << 999999999999999.0 << "999999999999999";
    QTest::addRow("large exponent") << 1e15 << "1E+15";
    QTest::addRow("larger exponent") << 1e16 << "1E+16";
    QTest::addRow("three digit exponent") << 1.5e300 << "1.5E+300";
    // Rounded up it would not fit a double, and could not be read back.
    QTest::addRow("largest double") << DBL_MAX << "1.79769313486231E+308";
    QTest::addRow("largest double, negative") << -DBL_MAX << "-1.79769313486231E+308";
    QTest::addRow("smallest subnormal")
        << std::numeric_limits<double>::denorm_min() << "4.94065645841247E-324";
    QTest::addRow("nan has no text") << std::nan("") << "????";
    QTest::addRow("infinity has no text") << std::numeric_limits<double>::infinity() << "????";
}

void TestNumberText::textOfNumber()
{
    QFETCH(double, value);
    QFETCH(QString, expected);
    QCOMPARE(QString::fromStdString(::textOfNumber(value)), expected);
}

void TestNumberText::roundTripKeepsFifteenDigits_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<double>("expected");
    QTest::addRow("sixteen digits") << 116.66666666666667 << 116.666666666667;
    QTest::addRow("already short") << 106.0 << 106.0;
    QTest::addRow("exponential") << 122.14027581601698 << 122.140275816017;
    QTest::addRow("tiny") << 1.2345678901234567e-7 << 1.23456789012346e-7;
    QTest::addRow("largest double to 15 digits") << DBL_MAX << 1.79769313486231e308;
    QTest::addRow("negative") << -0.30000000000000004 << -0.3;
    QTest::addRow("negative zero reads as 0") << -0.0 << 0.0;
    QTest::addRow("a tie goes to the even digit") << 123456789012344.5 << 123456789012344.0;
    QTest::addRow("a tie, up to the even digit") << 123456789012345.5 << 123456789012346.0;
    QTest::addRow("rounding up to the next power of ten") << 999999999999999.5 << 1e15;
    // Its logarithm rounds to 14: the leading digit is one place lower.
    QTest::addRow("just below a power of ten") << 99999999999999.859 << 99999999999999.9;
}

void TestNumberText::roundTripKeepsFifteenDigits()
{
    QFETCH(double, value);
    QFETCH(double, expected);
    QVERIFY(roundThroughText(value) == expected);
    // A rounded value rounds to itself.
    QVERIFY(roundThroughText(expected) == expected);
}

// The rounding takes shorter ways than writing and reading the text; over the
// whole range of doubles, and most of all over the sizes a run meets, it must come
// to the same number as the text does.
void TestNumberText::roundingIsThatOfTheText()
{
    std::mt19937_64 random(20261209);
    std::uniform_real_distribution<double> decade(-9, 17);
    std::uniform_real_distribution<double> digits(1, 10);
    for (int i = 0; i < 400000; ++i) {
        double value = 0;
        if (i % 2 == 0) {
            const std::uint64_t bits = random();
            std::memcpy(&value, &bits, sizeof value);
        } else {
            value = digits(random) * std::pow(10.0, std::floor(decade(random)));
        }
        if (!std::isfinite(value))
            continue;
        const double text = numberOfText(::textOfNumber(value));
        QVERIFY2(roundThroughText(value) == text, qPrintable(QString::number(value, 'g', 17)));
    }
}

void TestNumberText::wholeNumbers_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<int>("whole16");
    QTest::addColumn<int>("whole32");
    QTest::addRow("2.5 to even") << 2.5 << 2 << 2;
    QTest::addRow("3.5 to even") << 3.5 << 4 << 4;
    QTest::addRow("-2.5 to even") << -2.5 << -2 << -2;
    QTest::addRow("-3.5 to even") << -3.5 << -4 << -4;
    QTest::addRow("0.5 to zero") << 0.5 << 0 << 0;
    QTest::addRow("below half") << 65.49 << 65 << 65;
    QTest::addRow("above half") << 65.51 << 66 << 66;
    QTest::addRow("16-bit top") << 32767.0 << 32767 << 32767;
    QTest::addRow("16-bit held above") << 40000.0 << 32767 << 40000;
    QTest::addRow("16-bit held below") << -40000.0 << -32768 << -40000;
    QTest::addRow("32-bit held") << 1e12 << 32767 << 2147483647;
    QTest::addRow("infinity held")
        << std::numeric_limits<double>::infinity() << 32767 << 2147483647;
    QTest::addRow("nan gives 0") << std::nan("") << 0 << 0;
}

void TestNumberText::wholeNumbers()
{
    QFETCH(double, value);
    QFETCH(int, whole16);
    QFETCH(int, whole32);
    QCOMPARE(int(wholeNumber16(value)), whole16);
    QCOMPARE(int(wholeNumber32(value)), whole32);
}

void TestNumberText::shortenedNumbers_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("digits");
    QTest::addColumn<QString>("expected"); // empty: nothing to shorten
    const QString debt = QStringLiteral("-2125479023") + QString(83, QLatin1Char('7'));
    QTest::addRow("exponent kept") << "4.3015646894541E+91" << 6 << "4.30156\u2026E+91";
    QTest::addRow("exponent, one digit") << "-2.5E-05" << 1 << "-2\u2026E-05";
    QTest::addRow("whole number of 93 digits") << debt << 6 << "-2.12547\u2026E+92";
    QTest::addRow("decimals go first") << "443.570191641478" << 5 << "443.57\u2026";
    QTest::addRow("zeros after the point stay") << "0.000123456" << 2 << "0.00012\u2026";
    QTest::addRow("part of the whole digits") << "443.570191641478" << 2 << "4.4\u2026E+02";
    QTest::addRow("short enough already") << "443.5" << 4 << "";
    QTest::addRow("not a number") << "Not run: r is negative" << 3 << "";
}

void TestNumberText::shortenedNumbers()
{
    QFETCH(QString, text);
    QFETCH(int, digits);
    QFETCH(QString, expected);
    const auto shortened = shortenedNumberText(text.toStdString(), digits);
    QCOMPARE(shortened ? QString::fromStdString(*shortened) : QString(), expected);
}

void TestNumberText::conversionsIgnoreTheLocale()
{
    // Qt takes the C locale from the environment; a German one writes "3,5".
    const char *german = std::setlocale(LC_ALL, "de_DE.UTF-8");
    if (!german)
        german = std::setlocale(LC_ALL, "de_DE");
    if (!german)
        QSKIP("no German locale on this machine");
    QCOMPARE(QString::fromStdString(::textOfNumber(3.5)), QStringLiteral("3.5"));
    QVERIFY(numberOfText("3.5") == 3.5);
    QVERIFY(textReadAsNumber("3,5") == std::nullopt);
    std::setlocale(LC_ALL, "C");
}

QTEST_GUILESS_MAIN(TestNumberText)
#include "tst_numbertext.moc"
