#include "widgets/windowregistry.h"

#include <vector>

namespace {

std::vector<QPointer<QWidget>> &loadedWindows()
{
    static std::vector<QPointer<QWidget>> windows;
    return windows;
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

} // namespace WindowRegistry
