#include "widgets/accessibility.h"

#include "widgets/spokenitems.h"

#include <QAccessible>

namespace {

QAccessibleInterface *programWidgets(const QString &className, QObject *object)
{
    if (className == QLatin1String("Announcer"))
        if (auto *announcer = qobject_cast<Announcer *>(object))
            return new HostAccessible(announcer, QAccessible::Client, announcer->items(),
                                      HostAccessible::WidgetChildren::Hidden);
    return nullptr;
}

} // namespace

void installAccessibility()
{
    static bool installed = false;
    if (installed)
        return;
    installed = true;
    QAccessible::installFactory(programWidgets);
}
