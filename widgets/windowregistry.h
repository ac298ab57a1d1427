#pragma once

#include <QPointer>
#include <QWidget>

// Every window is one process-wide instance, created (loaded) on first use and
// then only hidden and shown. A window closed with its close box is unloaded: the
// instance goes, and the next use builds it afresh. A window class needs nothing
// but to derive from ProgramWindow, with a default constructor and a load() step.
namespace WindowRegistry {

namespace detail {
template <typename Window>
QPointer<Window> &slot()
{
    static QPointer<Window> window;
    return window;
}
// Keeps the window in the list that unloadAll() empties.
void remember(QWidget *window);
} // namespace detail

// The window, loaded first if it is not loaded.
template <typename Window>
Window &get()
{
    QPointer<Window> &window = detail::slot<Window>();
    if (!window || window->isUnloaded()) {
        // Known before its load step runs, so a window that refers to itself
        // while loading finds itself.
        window = new Window;
        detail::remember(window);
        window->load();
    }
    return *window;
}

// The window if it is loaded now, without loading it.
template <typename Window>
Window *loaded()
{
    Window *window = detail::slot<Window>().data();
    return window && !window->isUnloaded() ? window : nullptr;
}

// Leaves the window `from` for the window To: `from` is hidden, then To is shown
// (loaded first if it is not loaded).
template <typename To>
To &switchTo(QWidget &from)
{
    from.hide();
    To &to = get<To>();
    to.showAndActivate();
    return to;
}

// Brings the window To in front of `from`, then hides `from`: To is shown first
// (loaded first if it is not loaded), so no other window shows in between.
template <typename To>
To &showInFrontOf(QWidget &from)
{
    To &to = get<To>();
    to.showAndActivate();
    from.hide();
    return to;
}

// Unloads every window, the most recently loaded first.
void unloadAll();

} // namespace WindowRegistry
