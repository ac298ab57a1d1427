#include "app/windows.h"

#include "app/backform.h"
#include "app/form1.h"
#include "app/prophecy.h"
#include "app/titlform.h"

#include <QPointer>

namespace {

template <typename Window>
QPointer<Window> &slot()
{
    static QPointer<Window> window;
    return window;
}

template <typename Window>
Window &instance()
{
    QPointer<Window> &window = slot<Window>();
    if (!window) {
        // Assigned before the constructor's load step runs further windows, so a
        // window that refers to itself while loading finds itself.
        window = new Window;
        window->load();
    }
    return *window;
}

} // namespace

namespace Windows {

Form1 &form1() { return instance<Form1>(); }
Backform &backform() { return instance<Backform>(); }
titlform &title() { return instance<titlform>(); }
Prophecy &prophecy() { return instance<Prophecy>(); }

Form1 *loadedForm1() { return slot<Form1>().data(); }
titlform *loadedTitle() { return slot<titlform>().data(); }
Prophecy *loadedProphecy() { return slot<Prophecy>().data(); }
Backform *loadedBackform() { return slot<Backform>().data(); }

void unloadAll()
{
    delete slot<Form1>().data();
    delete slot<titlform>().data();
    delete slot<Prophecy>().data();
    delete slot<Backform>().data();
}

} // namespace Windows
