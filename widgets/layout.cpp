#include "widgets/layout.h"

#include "widgets/artwork.h"

#include <QGroupBox>
#include <QPushButton>

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
