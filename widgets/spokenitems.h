#pragma once

#include <QAccessible>
#include <QAccessibleWidget>
#include <QList>
#include <QPointer>
#include <QRect>
#include <QString>
#include <QWidget>

// What a screen reader is told as it happens. Qt 6.4's bridge sends a change of a
// name or a description with the object instead of the new text, which Orca cannot
// speak; what Orca does speak is an object that takes the focus, by its name, its
// role and its description. So each thing to be said becomes a small accessible
// object of its own, a child of the widget it concerns (`host`, whose accessible
// interface lists these items after its own children), and takes the accessible
// focus; the keyboard focus stays where it is. A new object each time: a screen
// reader speaks a focus that moves, and never reads a name it cached before.
class SpokenItems
{
public:
    explicit SpokenItems(QWidget *host) : m_host(host) {}
    ~SpokenItems();
    SpokenItems(const SpokenItems &) = delete;
    SpokenItems &operator=(const SpokenItems &) = delete;

    // Says `name` (and `description`), as an object of `role` standing at `rect`
    // (in the host's coordinates), unless no assistive technology listens.
    void say(const QString &name, const QString &description, QAccessible::Role role,
             const QRect &rect);

    // The items, for the host's accessible interface.
    int count() const { return int(m_items.size()); }
    QAccessibleInterface *item(int index) const;
    int indexOf(const QAccessibleInterface *item) const;

    // The item said last, until the keyboard focus moves on.
    bool isFocused(const QAccessibleInterface *item) const;

    QWidget *host() const { return m_host; }

private:
    QWidget *m_host;
    QList<QAccessible::Id> m_items; // the last few, oldest first
    QAccessible::Id m_focused = 0;
    QPointer<QWidget> m_keyboardFocus; // where the keyboard focus was when it was said
};

// The host of what a window says that belongs to no one control (the results of a
// run, a verdict): an empty, unfocusable widget in the window, seen only by
// assistive technology.
class Announcer : public QWidget
{
    Q_OBJECT
public:
    explicit Announcer(QWidget *window);

    // Says `text` as a plain line of text standing over `near` (a widget of the
    // window, for a screen magnifier), or over the window.
    void say(const QString &text, const QWidget *near = nullptr);

    SpokenItems &items() { return m_items; }

private:
    SpokenItems m_items{this};
};

// The accessible interface of a widget that hosts spoken items: the widget's own
// children (unless it keeps them out of sight of assistive technology), then the
// items.
class HostAccessible : public QAccessibleWidget
{
public:
    enum class WidgetChildren {
        Shown,
        Hidden,
    };
    HostAccessible(QWidget *widget, QAccessible::Role role, SpokenItems &items,
                   WidgetChildren children = WidgetChildren::Shown);

    int childCount() const override;
    QAccessibleInterface *child(int index) const override;
    int indexOfChild(const QAccessibleInterface *child) const override;
    QAccessibleInterface *focusChild() const override;

private:
    int ownChildCount() const;

    SpokenItems &m_items;
    WidgetChildren m_children;
};
