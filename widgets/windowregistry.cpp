#include "widgets/windowregistry.h"

#include <vector>

namespace {

std::vector<QPointer<QWidget>> &loadedWindows()
{
    static std::vector<QPointer<QWidget>> windows;
    return windows;
}

std::function<ProgramWindow &()> &homeWindow()
{
    static std::function<ProgramWindow &()> home;
    return home;
}

std::function<ProgramWindow &()> &wayOutWindow()
{
    static std::function<ProgramWindow &()> wayOut;
    return wayOut;
}

} // namespace

namespace WindowRegistry {

void detail::remember(QWidget *window)
{
    std::vector<QPointer<QWidget>> &windows = loadedWindows();
    std::erase_if(windows, [](const QPointer<QWidget> &w) { return w.isNull(); });
    windows.emplace_back(window);
}

void unloadAll()
{
    std::vector<QPointer<QWidget>> windows;
    windows.swap(loadedWindows());
    for (auto it = windows.rbegin(); it != windows.rend(); ++it)
        delete it->data();
}

void setHome(std::function<ProgramWindow &()> home) { homeWindow() = std::move(home); }

void setWayOut(std::function<ProgramWindow &()> wayOut) { wayOutWindow() = std::move(wayOut); }

void handOver(QWidget &from, ProgramWindow &to, Handover handover)
{
    if (handover == Handover::HideFirst)
        from.hide();
    to.showAndActivate();
    from.hide();
}

// Without a home or a way out set, the window stays where it is rather than
// leave the student with none.
void goHome(QWidget &from, Handover handover)
{
    if (homeWindow())
        handOver(from, homeWindow()(), handover);
}

void startQuitting(QWidget &from)
{
    if (wayOutWindow())
        handOver(from, wayOutWindow()(), Handover::HideFirst);
}

} // namespace WindowRegistry
