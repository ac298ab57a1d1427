// The program in every language it speaks: every label's and button's text fits
// its room in every window, with the window's own fonts, and a chart description
// keeps the program's numbers.
#include "programfixture.h"

#include "app/prophecy.h"
#include "game/game.h"
#include "info/copyrigh.h"
#include "info/howto.h"
#include "info/introfrm.h"
#include "info/quiz.h"
#include "info/referenc.h"
#include "info/vater.h"
#include "largegraph/larggraf.h"
#include "widgets/translation.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QFontMetricsF>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>

namespace {

// The text of a label or button that does not fit its room, with why; nothing
// when it fits.
QString doesNotFit(const QWidget *control, const QString &text, bool wraps)
{
    if (text.isEmpty() || Qt::mightBeRichText(text))
        return {};
    const QFontMetricsF metrics(control->font());
    QRectF room = control->contentsRect();
    const QStyle *style = control->style();
    if (qobject_cast<const QRadioButton *>(control)) {
        // The indicator of an option and the space after it take their share.
        room.setLeft(room.left() + style->pixelMetric(QStyle::PM_ExclusiveIndicatorWidth)
                     + style->pixelMetric(QStyle::PM_RadioButtonLabelSpacing));
    } else if (qobject_cast<const QCheckBox *>(control)) {
        room.setLeft(room.left() + style->pixelMetric(QStyle::PM_IndicatorWidth)
                     + style->pixelMetric(QStyle::PM_CheckBoxLabelSpacing));
    } else if (qobject_cast<const QPushButton *>(control)) {
        const int margin = style->pixelMetric(QStyle::PM_ButtonMargin)
                           + style->pixelMetric(QStyle::PM_DefaultFrameWidth);
        room.adjust(margin, 0, -margin, 0);
    } else if (const auto *label = qobject_cast<const QLabel *>(control)) {
        room.adjust(label->margin() + label->indent() * 0, label->margin(), -label->margin(),
                    -label->margin());
    }
    const QRectF needed = wraps ? metrics.boundingRect(QRectF(0, 0, room.width(), 1e6),
                                                       Qt::TextWordWrap | Qt::AlignLeft, text)
                                : metrics.boundingRect(QRectF(0, 0, 1e6, 1e6), Qt::AlignLeft, text);
    // A pixel or two of a line's leading may go.
    if (needed.width() <= room.width() + 0.5 && needed.height() <= room.height() + 2)
        return {};
    return QStringLiteral("%1 \"%2\": needs %3×%4, has %5×%6")
        .arg(control->objectName(), text)
        .arg(needed.width(), 0, 'f', 0)
        .arg(needed.height(), 0, 'f', 0)
        .arg(room.width(), 0, 'f', 0)
        .arg(room.height(), 0, 'f', 0);
}

QStringList whatDoesNotFit(const QWidget &window)
{
    QStringList faults;
    for (const QLabel *label : window.findChildren<QLabel *>())
        if (label->pixmap().isNull())
            if (const QString why = doesNotFit(label, label->text(), label->wordWrap());
                !why.isEmpty())
                faults << window.objectName() + QLatin1Char('.') + why;
    for (const QAbstractButton *button : window.findChildren<QAbstractButton *>())
        if (const QString why = doesNotFit(button, button->text(), false); !why.isEmpty())
            faults << window.objectName() + QLatin1Char('.') + why;
    return faults;
}

} // namespace

class TestLanguages : public ProgramTest
{
    Q_OBJECT

private slots:
    void languageChosen_data();
    void languageChosen();
    void everyTextFits_data();
    void everyTextFits();
    void germanDescriptionKeepsTheNumbers();
};

void TestLanguages::languageChosen_data()
{
    QTest::addColumn<QString>("language"); // LANGUAGE
    QTest::addColumn<QString>("lcAll");
    QTest::addColumn<QString>("lang");
    QTest::addColumn<QString>("option"); // --lang
    QTest::addColumn<QString>("spoken");
    // clang-format off
    QTest::addRow("nothing set") << "" << "" << "" << "" << "en";
    QTest::addRow("LANG") << "" << "" << "fr_FR.UTF-8" << "" << "fr";
    QTest::addRow("LANGUAGE first") << "es:de" << "" << "fr_FR.UTF-8" << "" << "es";
    QTest::addRow("LANGUAGE alone") << "de" << "" << "" << "" << "de";
    QTest::addRow("a missing language skipped") << "it:pt" << "" << "" << "" << "pt_BR";
    QTest::addRow("LC_ALL over LANG") << "" << "de_AT.UTF-8" << "es_ES" << "" << "de";
    QTest::addRow("LANGUAGE over C") << "de" << "C.UTF-8" << "" << "" << "de";
    QTest::addRow("C") << "" << "C.UTF-8" << "de_DE" << "" << "en";
    QTest::addRow("--lang over all") << "de" << "" << "fr_FR" << "pt-br" << "pt_BR";
    QTest::addRow("--lang en") << "de" << "" << "" << "en" << "en";
    QTest::addRow("nothing known") << "ja" << "" << "ko_KR" << "" << "en";
    // clang-format on
}

void TestLanguages::languageChosen()
{
    QFETCH(QString, language);
    QFETCH(QString, lcAll);
    QFETCH(QString, lang);
    QFETCH(QString, option);
    QFETCH(QString, spoken);
    const QByteArray saved[]
        = {qgetenv("LANGUAGE"), qgetenv("LC_ALL"), qgetenv("LC_MESSAGES"), qgetenv("LANG")};
    const auto set = [](const char *name, const QByteArray &value) {
        if (value.isEmpty())
            qunsetenv(name);
        else
            qputenv(name, value);
    };
    set("LANGUAGE", language.toUtf8());
    set("LC_ALL", lcAll.toUtf8());
    set("LC_MESSAGES", {});
    set("LANG", lang.toUtf8());
    const QString chosen = Translation::languageFor(option);
    set("LANGUAGE", saved[0]);
    set("LC_ALL", saved[1]);
    set("LC_MESSAGES", saved[2]);
    set("LANG", saved[3]);
    QCOMPARE(chosen, spoken);
}

void TestLanguages::everyTextFits_data()
{
    QTest::addColumn<QString>("language");
    for (const QString &language : Translation::languages())
        QTest::addRow("%s", qPrintable(language)) << language;
}

void TestLanguages::everyTextFits()
{
    QFETCH(QString, language);
    Translation::install(language);
    Form1 &form = program.startAtMainWindow();
    click(Controls<Form1>(form).Command2); // the results and the chart's texts
    QStringList faults = whatDoesNotFit(form);
    const QList<QWidget *> windows{
        &WindowRegistry::get<titlform>(), &WindowRegistry::get<Prophecy>(),
        &WindowRegistry::get<larggraf>(), &WindowRegistry::get<Game>(),
        &WindowRegistry::get<Introfrm>(), &WindowRegistry::get<Howto>(),
        &WindowRegistry::get<Referenc>(), &WindowRegistry::get<copyrigh>(),
        &WindowRegistry::get<Quiz>(),     &WindowRegistry::get<Vater>()};
    for (QWidget *window : windows)
        faults << whatDoesNotFit(*window);
    Translation::install(QStringLiteral("en"));
    QVERIFY2(faults.isEmpty(), qPrintable(faults.join(QLatin1Char('\n'))));
}

void TestLanguages::germanDescriptionKeepsTheNumbers()
{
    Translation::install(QStringLiteral("de"));
    const Controls<Form1> ui(program.startAtMainWindow());
    click(ui.Command2);
    const QString description = ui.MSChart1->description();
    Translation::install(QStringLiteral("en"));
    // N(0) = 100, r = 0.2, K = 500, H = 10: the harvested population reaches
    // 443.570191641478 at time 65, read with four digits and a decimal point.
    QVERIFY2(description.contains(QLatin1String("443.6")), qPrintable(description));
    QVERIFY2(!description.contains(QLatin1String("443,6")), qPrintable(description));
    QVERIFY2(!description.contains(QLatin1String("runs from")), qPrintable(description));
}

QTEST_MAIN(TestLanguages)
#include "tst_languages.moc"
