#pragma once

#include <QHash>
#include <QList>
#include <QPointer>
#include <QWidget>

#include <functional>

class QTimer;

// A window with a title bar and a close box, which the student cannot resize.
inline constexpr Qt::WindowFlags FixedSingleBorder = Qt::CustomizeWindowHint | Qt::WindowTitleHint
                                                     | Qt::WindowCloseButtonHint
                                                     | Qt::MSWindowsFixedSizeDialogHint;

// What every window of the program shares. A window is loaded once by the window
// registry (load() is its load step), then only hidden and shown; its close box
// unloads it: Form_Unload() runs, the window goes, and the next use loads a fresh
// one. Leaving a window, by hiding it or unloading it, cancels every call it still
// has pending and ends every notice of it (TimedNotice), so nothing of it happens
// behind the student's back later on.
class ProgramWindow : public QWidget
{
    Q_OBJECT
public:
    explicit ProgramWindow(Qt::WindowFlags flags);

    virtual void load() {}

    // Shows the window in front, ready for the keyboard.
    void showAndActivate();

    // Whether a call made with callLater() is still waiting.
    bool hasPendingCalls() const;

    // A key that no control of the window takes makes `call`: Escape leaves a
    // window as its own button does, F1 opens the instructions, Ctrl+H saves a
    // handout.
    void onKey(QKeyCombination key, std::function<void()> call);

    // Closed with its close box: the window goes as soon as the event loop lets it,
    // and the next use loads a fresh one even before that.
    bool isUnloaded() const { return m_unloaded; }

protected:
    // What the close box does before the window goes.
    virtual void Form_Unload() {}

    // Makes `call` after `milliseconds`, unless the window is left before. The timer
    // returned is gone once the call is made or cancelled.
    QPointer<QTimer> callLater(int milliseconds, std::function<void()> call);
    void cancelPendingCalls();

    void closeEvent(QCloseEvent *event) override;
    void hideEvent(QHideEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    QList<QPointer<QTimer>> m_pending;
    QHash<int, std::function<void()>> m_keys; // by key combination
    bool m_unloaded = false;
};
