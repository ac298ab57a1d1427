#include "widgets/environment.h"

#include "model/randomsource.h"
#include "widgets/documentsfolder.h"
#include "widgets/printing.h"

#include <QAccessible>
#include <QApplication>
#include <QFileDialog>
#include <QPrintDialog>
#include <QPrinter>
#include <QPrinterInfo>
#include <QWidget>

#include <array>
#include <cstdio>

namespace {

std::function<QDateTime()> &clockFunction()
{
    static std::function<QDateTime()> clock;
    return clock;
}

std::function<std::unique_ptr<QPrinter>()> &defaultPrinterFunction()
{
    static std::function<std::unique_ptr<QPrinter>()> printer;
    return printer;
}

std::function<std::unique_ptr<QPrinter>(QWidget *)> &choosePrinterFunction()
{
    static std::function<std::unique_ptr<QPrinter>(QWidget *)> printer;
    return printer;
}

std::function<void(const QString &)> &speechListener()
{
    static std::function<void(const QString &)> listener;
    return listener;
}

std::function<void(QWidget *)> &descriptionListener()
{
    static std::function<void(QWidget *)> listener;
    return listener;
}

RandomSource *&randomOverride()
{
    static RandomSource *source = nullptr;
    return source;
}

// The sources of a fixed seed, by kind of draw; none while the clock seeds.
std::array<std::unique_ptr<RandomSource>, 2> &fixedSources()
{
    static std::array<std::unique_ptr<RandomSource>, 2> sources;
    return sources;
}

std::function<QString(QWidget *, const QString &)> &openChooser()
{
    static std::function<QString(QWidget *, const QString &)> chooser;
    return chooser;
}

std::function<void()> &endFunction()
{
    static std::function<void()> end;
    return end;
}

} // namespace

namespace Environment {

QDateTime now() { return clockFunction() ? clockFunction()() : QDateTime::currentDateTime(); }

void setNow(std::function<QDateTime()> clock) { clockFunction() = std::move(clock); }

std::unique_ptr<QPrinter> defaultPrinter()
{
    if (defaultPrinterFunction())
        return defaultPrinterFunction()();
    const QPrinterInfo info = QPrinterInfo::defaultPrinter();
    if (info.isNull())
        return nullptr;
    return std::make_unique<QPrinter>(info, QPrinter::HighResolution);
}

std::unique_ptr<QPrinter> choosePrinter(QWidget *parent)
{
    if (choosePrinterFunction())
        return choosePrinterFunction()(parent);
    auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
    // Without a printer the dialog saves a PDF file; it proposes a real file name,
    // not a folder, so Enter saves straight away.
    printer->setOutputFileName(proposedPdfPath(now().date(), documentsFolder()));
    QPrintDialog dialog(printer.get(), parent);
    dialog.setWindowTitle(QCoreApplication::translate("Printing", "Print"));
    if (dialog.exec() != QDialog::Accepted)
        return nullptr;
    return printer;
}

void setPrinters(std::function<std::unique_ptr<QPrinter>()> defaultPrinter,
                 std::function<std::unique_ptr<QPrinter>(QWidget *)> choosePrinter)
{
    defaultPrinterFunction() = std::move(defaultPrinter);
    choosePrinterFunction() = std::move(choosePrinter);
}

void describe(QWidget *widget, const QString &description)
{
    if (widget->accessibleDescription() == description)
        return;
    // Qt tells assistive technology of the change itself.
    widget->setAccessibleDescription(description);
    if (descriptionListener())
        descriptionListener()(widget);
}

void setDescriptionListener(std::function<void(QWidget *)> listener)
{
    descriptionListener() = std::move(listener);
}

void said(const QString &text)
{
    if (speechListener())
        speechListener()(text);
}

void setSpeechListener(std::function<void(const QString &)> listener)
{
    speechListener() = std::move(listener);
}

RandomSource &random(RandomDraw draw)
{
    static TwisterSource own;
    if (randomOverride())
        return *randomOverride();
    const auto &fixed = fixedSources()[static_cast<std::size_t>(draw)];
    return fixed ? *fixed : own;
}

void setRandom(RandomSource *source) { randomOverride() = source; }

void fixRandomSeed(std::optional<std::uint32_t> seed)
{
    for (std::size_t kind = 0; kind < fixedSources().size(); ++kind)
        fixedSources()[kind]
            = seed ? std::make_unique<FixedSeedSource>(*seed, std::uint32_t(kind)) : nullptr;
}

QString chooseFileToOpen(QWidget *parent, const QString &caption, const QString &folder,
                         const QString &filter)
{
    if (openChooser())
        return openChooser()(parent, caption);
    return QFileDialog::getOpenFileName(parent, caption, folder, filter);
}

void setFileToOpenChooser(std::function<QString(QWidget *, const QString &)> chooser)
{
    openChooser() = std::move(chooser);
}

void tellCommandLine(const QString &line)
{
    const QByteArray text = QByteArrayLiteral("tarnwick: ") + line.toUtf8() + '\n';
    std::fwrite(text.constData(), 1, std::size_t(text.size()), stderr);
    std::fflush(stderr);
}

void endProgram()
{
    if (endFunction()) {
        endFunction()();
        return;
    }
    for (QWidget *window : QApplication::topLevelWidgets())
        window->hide();
    QApplication::quit();
}

void setEndProgram(std::function<void()> end) { endFunction() = std::move(end); }

} // namespace Environment
