#include "widgets/layout.h"

#include "widgets/artwork.h"

#include <QEvent>
#include <QFontMetricsF>
#include <QGroupBox>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>

void prepareWindow(QWidget *window, const char *name, const QString &caption,
                   const QColor &background)
{
    window->setObjectName(QString::fromLatin1(name));
    window->setWindowTitle(caption);
    window->setWindowIcon(programIcon());
    setColours(window, Colours::Black, background);
}

void prepareWindow(QWidget *window, const char *name, const QString &caption, int clientWidth,
                   int clientHeight, const QColor &background)
{
    prepareWindow(window, name, caption, background);
    setClientTwips(window, clientWidth, clientHeight);
}

QGroupBox *makeFrame(QWidget *parent, const char *name, const QString &caption, int left, int top,
                     int width, int height, const QColor &background)
{
    auto *box = makeControl<QGroupBox>(parent, name, left, top, width, height);
    box->setTitle(caption);
    box->setFont(designFont(TimesNewRoman, 9.6, true));
    setColours(box, Colours::Black, background);
    const QString colour = background.name();
    box->setStyleSheet(
        QStringLiteral(
            "QGroupBox { background: %1; border: 1px solid #8c8c8c; margin-top: %2px; }"
            "QGroupBox::title { subcontrol-origin: margin; subcontrol-position: top left;"
            " left: 8px; padding: 0 3px; background: %1; }")
            .arg(colour)
            .arg(caption.isEmpty() ? 0 : 8));
    return box;
}

QPushButton *makeButton(QWidget *parent, const char *name, const QString &caption, int left,
                        int top, int width, int height, const QFont &font)
{
    auto *button = makeControl<QPushButton>(parent, name, left, top, width, height);
    button->setText(caption);
    button->setFont(font);
    button->setCursor(handCursor());
    button->setAutoDefault(true);
    return button;
}

namespace {

// Drawn over the widget it frames, as its child, and only while that has the focus.
class FocusFrame : public QWidget
{
public:
    explicit FocusFrame(QWidget *framed) : QWidget(framed), m_framed(framed)
    {
        setAttribute(Qt::WA_TransparentForMouseEvents);
        setFocusPolicy(Qt::NoFocus);
        framed->installEventFilter(this);
        follow();
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (watched == m_framed
            && (event->type() == QEvent::Resize || event->type() == QEvent::FocusIn
                || event->type() == QEvent::FocusOut || event->type() == QEvent::Show))
            follow();
        return false;
    }

    void paintEvent(QPaintEvent *) override
    {
        QPainter painter(this);
        QPen pen(palette().color(QPalette::Highlight), Pixels);
        pen.setJoinStyle(Qt::MiterJoin);
        painter.setPen(pen);
        const qreal inset = Pixels / 2.0;
        painter.drawRect(QRectF(rect()).adjusted(inset, inset, -inset, -inset));
    }

private:
    static constexpr int Pixels = 2; // as wide as the chart's focus frame

    void follow()
    {
        setGeometry(m_framed->rect());
        setVisible(m_framed->hasFocus());
        raise();
    }

    QWidget *m_framed;
};

} // namespace

void showFocusFrame(QWidget *widget) { new FocusFrame(widget); }

void setTextFitted(QLabel *label, const QString &text, const QFont &font)
{
    const QRectF room = label->contentsRect();
    // The program's fonts are sized in pixels; 7 points is about 9 pixels on the
    // screens the layout was made for.
    const bool pixels = font.pixelSize() > 0;
    const double size = pixels ? font.pixelSize() : font.pointSizeF();
    const double smallest = pixels ? 9 : 7;
    const double stepDown = pixels ? 1 : 0.5;
    QFont fitted = font;
    bool fits = QFontMetricsF(font).horizontalAdvance(text) <= room.width();
    for (double next = size - stepDown; !fits && next >= smallest; next -= stepDown) {
        if (pixels)
            fitted.setPixelSize(int(next));
        else
            fitted.setPointSizeF(next);
        fits = QFontMetricsF(fitted)
                   .boundingRect(room, Qt::TextWordWrap | Qt::AlignCenter, text)
                   .height()
               <= room.height();
    }
    label->setFont(fitted);
    label->setWordWrap(fitted != font);
    label->setToolTip(fits ? QString() : text);
    if (fits)
        return label->setText(text);
    // Two lines of the smallest size, the second cut short.
    const QFontMetricsF metrics(fitted);
    label->setText(metrics.elidedText(text, Qt::ElideRight,
                                      2 * room.width() - metrics.averageCharWidth() * 4));
}

void oneTabStopPerGroup(const QList<QRadioButton *> &options)
{
    const auto update = [options] {
        QRadioButton *stop = options.value(0);
        for (QRadioButton *option : options)
            if (option->isChecked())
                stop = option;
        for (QRadioButton *option : options)
            option->setFocusPolicy(option == stop ? Qt::StrongFocus : Qt::ClickFocus);
    };
    for (QRadioButton *option : options)
        QObject::connect(option, &QRadioButton::toggled, option, update);
    update();
}

void readWith(QWidget *focused, const QList<const QLabel *> &labels)
{
    QStringList texts;
    for (const QLabel *label : labels)
        if (!label->text().isEmpty())
            texts << label->text().simplified();
    focused->setAccessibleDescription(texts.join(QLatin1Char(' ')));
}
