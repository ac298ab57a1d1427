// The program's start, as main() does it, up to the first painted frame of the
// title window; then it ends. The benchmark times this process from outside.
#include "app/startup.h"
#include "app/titlform.h"
#include "mainwindow/form1.h"
#include "widgets/design.h"
#include "widgets/windowregistry.h"

#include <QApplication>

namespace {

class FirstFrame : public QObject
{
protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        auto *widget = qobject_cast<QWidget *>(watched);
        if (event->type() == QEvent::Paint && widget && WindowRegistry::loaded<titlform>()
            && widget->window() == WindowRegistry::loaded<titlform>())
            // exit(), not quit(): quit() first asks the windows to close, and the
            // title window answers a close by moving on to the proverb.
            QMetaObject::invokeMethod(
                qApp, [] { QCoreApplication::exit(0); }, Qt::QueuedConnection);
        return false;
    }
};

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Tarnwick (Basic)"));
    prepareApplication();
    FirstFrame watch;
    app.installEventFilter(&watch);
    StartUp::begin();
    const int status = QApplication::exec();
    WindowRegistry::unloadAll();
    return status;
}
