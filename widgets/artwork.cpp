#include "widgets/artwork.h"

#include <QCoreApplication>
#include <QFile>
#include <QFontMetricsF>
#include <QGuiApplication>
#include <QPainter>
#include <QRegularExpression>
#include <QSvgRenderer>

#include <algorithm>
#include <vector>

namespace {

QString inLanguage(const char *text) { return QCoreApplication::translate("Artwork", text); }

// Words a picture carries, drawn over it in the language spoken. The artwork holds
// them as text too, in English; that text is left out of the drawing.
struct Words
{
    const char *text; // marked for translation, lines broken with "\n"
    QRectF area;      // in the picture's own units; the lines start at its top
    double lineStep;  // from one line to the next, at the full size
    Qt::Alignment alignment;
    const char *family;
    int pixelSize;
    bool bold;
    bool italic;
    QColor colour;
    bool centredInArea = false; // the lines as a block in the middle of the area
};

const QColor Ink(0x2a, 0x2a, 0x24);

// clang-format off
const std::vector<std::pair<QString, std::vector<Words>>> &wordsOfPictures()
{
    static const std::vector<std::pair<QString, std::vector<Words>>> pictures{
        {QStringLiteral("proverb"), {
            {QT_TRANSLATE_NOOP("Artwork", "Only when the last tree\nhas been cut down,\nthe last river "
                                          "poisoned\nand the last fish caught,\nwill people find\n"
                                          "that money\ncannot be eaten."),
             {292, 112, 320, 246}, 34, Qt::AlignHCenter, "Liberation Serif", 26, false, true, Ink, true}}},
        {QStringLiteral("dedication"), {
            {QT_TRANSLATE_NOOP("Artwork", "In loving memory of our teacher"),
             {10, 488, 484, 31}, 30, Qt::AlignHCenter, "Liberation Serif", 26, false, true,
             QColor(0x3b, 0x28, 0x16)},
            {QT_TRANSLATE_NOOP("Artwork", "who taught us to harvest only what nature gives again"),
             {10, 522, 484, 36}, 18, Qt::AlignHCenter, "Liberation Serif", 16, false, true,
             QColor(0x5a, 0x41, 0x28)}}},
        {QStringLiteral("quizsheet"), {
            {QT_TRANSLATE_NOOP("Artwork", "Quiz"), {22, 17, 240, 19}, 19, Qt::AlignLeft,
             "Liberation Serif", 18, true, false, Qt::black},
            {QT_TRANSLATE_NOOP("Artwork", "Harvest theory"), {270, 20, 253, 15}, 15, Qt::AlignRight,
             "Liberation Serif", 13, false, true, Qt::black},
            {"1.", {22, 49, 20, 18}, 18, Qt::AlignLeft, "Liberation Serif", 15, true, false, Qt::black},
            {QT_TRANSLATE_NOOP("Artwork", "What are the consequences of rearing a population and "
                                          "taking a harvest from it while ignoring harvest theory?"),
             {42, 49, 490, 40}, 18, Qt::AlignLeft, "Liberation Serif", 15, false, false, Qt::black},
            {"2.", {22, 93, 20, 18}, 18, Qt::AlignLeft, "Liberation Serif", 15, true, false, Qt::black},
            {QT_TRANSLATE_NOOP("Artwork", "To keep a culture of useful bacteria, should you use the "
                                          "exponential model, the logistic model or another model? "
                                          "Explain why."),
             {42, 93, 490, 40}, 18, Qt::AlignLeft, "Liberation Serif", 15, false, false, Qt::black},
            {"3.", {22, 137, 20, 18}, 18, Qt::AlignLeft, "Liberation Serif", 15, true, false, Qt::black},
            {QT_TRANSLATE_NOOP("Artwork", "Which further factors, besides growth rate and carrying "
                                          "capacity, should a mass-rearing and harvest model take "
                                          "into account?"),
             {42, 137, 490, 40}, 18, Qt::AlignLeft, "Liberation Serif", 15, false, false, Qt::black}}},
        {QStringLiteral("verdict_rich"), {
            {QT_TRANSLATE_NOOP("Artwork", "You are rich."), {18, 184, 284, 46}, 28,
             Qt::AlignHCenter, "Liberation Sans", 24, true, false, QColor(0x6b, 0x3f, 0x05), true}}},
        {QStringLiteral("verdict_money"), {
            {QT_TRANSLATE_NOOP("Artwork", "You Make Some Money."), {18, 184, 284, 46}, 27,
             Qt::AlignHCenter, "Liberation Sans", 23, true, false, QColor(0x1f, 0x5a, 0x2a), true}}},
        {QStringLiteral("verdict_loser"), {
            {QT_TRANSLATE_NOOP("Artwork", "You are a Loser."), {18, 184, 284, 46}, 28,
             Qt::AlignHCenter, "Liberation Sans", 24, true, false, QColor(0x24, 0x3b, 0x63), true}}},
        {QStringLiteral("verdict_broke"), {
            {QT_TRANSLATE_NOOP("Artwork", "You go broke."), {18, 184, 284, 46}, 28,
             Qt::AlignHCenter, "Liberation Sans", 24, true, false, QColor(0x7a, 0x2d, 0x12), true}}},
        {QStringLiteral("verdict_jail"), {
            {QT_TRANSLATE_NOOP("Artwork", "You can't pay your debt,\nyou have to stay in jail."),
             {18, 184, 284, 46}, 22, Qt::AlignHCenter, "Liberation Sans", 19, true, false,
             QColor(0x2e, 0x27, 0x48), true}}},
    };
    return pictures;
}
// clang-format on

const std::vector<Words> *wordsOf(const QString &name)
{
    for (const auto &[picture, words] : wordsOfPictures())
        if (picture == name)
            return &words;
    return nullptr;
}

// The lines of `text` in `font`, each broken where the translator broke it and,
// where still wider than `width`, between words.
QStringList linesOf(const QString &text, const QFont &font, double width)
{
    const QFontMetricsF metrics(font);
    QStringList lines;
    for (const QString &given : text.split(QLatin1Char('\n'))) {
        QString line;
        for (const QString &word : given.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
            const QString longer = line.isEmpty() ? word : line + QLatin1Char(' ') + word;
            if (!line.isEmpty() && metrics.horizontalAdvance(longer) > width) {
                lines << line;
                line = word;
            } else {
                line = longer;
            }
        }
        lines << line;
    }
    return lines;
}

// Draws `words` in the largest size, down to two thirds of its own, at which its
// lines fit the area; below that, the smallest.
void draw(QPainter &painter, const Words &words)
{
    const QString text = inLanguage(words.text);
    QFont font(QString::fromLatin1(words.family));
    font.setBold(words.bold);
    font.setItalic(words.italic);
    QStringList lines;
    double step = words.lineStep;
    for (int size = words.pixelSize; size >= words.pixelSize * 2 / 3; --size) {
        font.setPixelSize(size);
        lines = linesOf(text, font, words.area.width());
        step = words.lineStep * size / words.pixelSize;
        const QFontMetricsF metrics(font);
        const bool wide = std::any_of(lines.cbegin(), lines.cend(), [&](const QString &line) {
            return metrics.horizontalAdvance(line) > words.area.width();
        });
        if (!wide && double(lines.size()) * step <= words.area.height() + 0.5)
            break;
    }
    painter.setFont(font);
    painter.setPen(words.colour);
    double top = words.area.top();
    if (words.centredInArea)
        top += (words.area.height() - double(lines.size()) * step) / 2;
    for (const QString &line : lines) {
        painter.drawText(QRectF(words.area.left(), top, words.area.width(), step),
                         int(words.alignment | Qt::AlignVCenter), line);
        top += step;
    }
}

} // namespace

QPixmap artwork(const QString &name, QSize size)
{
    QFile file(QStringLiteral(":/%1.svg").arg(name));
    QByteArray source = file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    const std::vector<Words> *words = wordsOf(name);
    if (words) {
        // The artwork's own English text makes way for the words in the language spoken.
        static const QRegularExpression Text(QStringLiteral("<text[^>]*>[^<]*</text>"));
        source = QString::fromUtf8(source).remove(Text).toUtf8();
    }
    QSvgRenderer renderer(source);
    const QSize own = renderer.defaultSize();
    if (size.isEmpty())
        size = own;
    // Drawn at the screen's own resolution, so a high-resolution screen shows it
    // crisp; its size in the layout stays the same.
    const qreal ratio = qApp ? qApp->devicePixelRatio() : 1.0;
    QPixmap pixmap(size * ratio);
    pixmap.setDevicePixelRatio(ratio);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    renderer.render(&painter, QRectF(QPointF(0, 0), QSizeF(size)));
    if (words && !own.isEmpty()) {
        painter.scale(double(size.width()) / own.width(), double(size.height()) / own.height());
        for (const Words &each : *words)
            draw(painter, each);
    }
    return pixmap;
}

QString quizQuestions()
{
    return QCoreApplication::translate(
        "Artwork",
        "1. What are the consequences of rearing a population and taking a harvest from it while "
        "ignoring harvest theory? "
        "2. To keep a culture of useful bacteria, should you use the exponential model, the "
        "logistic model or another model? Explain why. "
        "3. Which further factors, besides growth rate and carrying capacity, should a "
        "mass-rearing and harvest model take into account?");
}

QString dedicationCaption()
{
    return QCoreApplication::translate(
        "Artwork",
        "In loving memory of our teacher, who taught us to harvest only what nature gives again.");
}

QIcon programIcon()
{
    QIcon icon;
    for (int side : {16, 32, 48, 64})
        icon.addPixmap(artwork(QStringLiteral("icon"), QSize(side, side)));
    return icon;
}

QIcon quizIcon()
{
    QIcon icon;
    icon.addPixmap(artwork(QStringLiteral("quiz"), QSize(48, 48)));
    return icon;
}

QCursor handCursor()
{
    return QCursor(artwork(QStringLiteral("cursor_hand"), QSize(32, 32)), 7, 1); // fingertip
}

QCursor startCursor()
{
    return QCursor(artwork(QStringLiteral("cursor_start"), QSize(32, 32)), 1, 1);
}
