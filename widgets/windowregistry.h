#pragma once

#include "widgets/programwindow.h"

#include <QPointer>
#include <QWidget>

#include <functional>

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

// Whether the window that is left hides before the next one shows, or only
// after it, so that no other window shows in between.
enum class Handover {
    HideFirst,
    ShowFirst,
};

// Leaves `from` for `to` in the order given.
void handOver(QWidget &from, ProgramWindow &to, Handover handover);

// Leaves the window `from` for the window To (loaded first if it is not loaded):
// `from` is hidden, then To is shown.
template <typename To>
To &switchTo(QWidget &from)
{
    To &to = get<To>();
    handOver(from, to, Handover::HideFirst);
    return to;
}

// Brings the window To in front of `from`, then hides `from`.
template <typename To>
To &showInFrontOf(QWidget &from)
{
    To &to = get<To>();
    handOver(from, to, Handover::ShowFirst);
    return to;
}

// Unloads every window, the most recently loaded first.
void unloadAll();

// Two windows every window may lead to without knowing them: home, the main
// window, and the way out, the window that starts quitting. The program says
// which they are before its first window loads.
void setHome(std::function<ProgramWindow &()> home);
void setWayOut(std::function<ProgramWindow &()> wayOut);

// Leaves `from` for the main window.
void goHome(QWidget &from, Handover handover = Handover::HideFirst);
// Leaves `from` for the window that starts quitting: `from` hides first.
void startQuitting(QWidget &from);

} // namespace WindowRegistry
