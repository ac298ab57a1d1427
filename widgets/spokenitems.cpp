#include "widgets/spokenitems.h"

#include "widgets/environment.h"

#include <QApplication>
#include <QWindow>

namespace {

// A few items are kept, so the one a screen reader is still reading stays there.
constexpr qsizetype KeptItems = 3;

// One thing said: an object with a name, a description, a role and a place, and
// no children. The host's interface is its parent.
class SpokenItem : public QAccessibleInterface
{
public:
    SpokenItem(const SpokenItems &items, const QString &name, const QString &description,
               QAccessible::Role role, const QRect &rect)
        : m_items(items), m_name(name), m_description(description), m_role(role), m_rect(rect)
    {}

    bool isValid() const override { return m_items.host() != nullptr; }
    QObject *object() const override { return nullptr; }
    QWindow *window() const override { return m_items.host()->window()->windowHandle(); }
    QAccessibleInterface *childAt(int, int) const override { return nullptr; }
    QAccessibleInterface *parent() const override
    {
        return QAccessible::queryAccessibleInterface(m_items.host());
    }
    QAccessibleInterface *child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface *) const override { return -1; }

    QString text(QAccessible::Text t) const override
    {
        switch (t) {
        case QAccessible::Name: return m_name;
        case QAccessible::Description: return m_description;
        default: return {};
        }
    }
    void setText(QAccessible::Text, const QString &) override {}
    QRect rect() const override
    {
        const QWidget *host = m_items.host();
        return QRect(host->mapToGlobal(m_rect.topLeft()), m_rect.size());
    }
    QAccessible::Role role() const override { return m_role; }
    QAccessible::State state() const override
    {
        // Focusable only while it is what was said last: a screen reader walking
        // the window meets the items no longer in use as plain text.
        QAccessible::State state;
        state.focused = m_items.isFocused(this);
        state.focusable = state.focused;
        state.readOnly = true;
        return state;
    }

private:
    const SpokenItems &m_items;
    QString m_name;
    QString m_description;
    QAccessible::Role m_role;
    QRect m_rect; // in the host's coordinates
};

} // namespace

SpokenItems::~SpokenItems()
{
    for (const QAccessible::Id id : std::as_const(m_items))
        QAccessible::deleteAccessibleInterface(id);
}

void SpokenItems::say(const QString &name, const QString &description, QAccessible::Role role,
                      const QRect &rect)
{
    Environment::said(name);
    if (!QAccessible::isActive())
        return;
    auto *item = new SpokenItem(*this, name, description, role, rect);
    const QAccessible::Id id = QAccessible::registerAccessibleInterface(item);
    m_items.append(id);
    while (m_items.size() > KeptItems)
        QAccessible::deleteAccessibleInterface(m_items.takeFirst());
    m_focused = id;
    m_keyboardFocus = QApplication::focusWidget();
    QAccessibleEvent focus(item, QAccessible::Focus);
    QAccessible::updateAccessibility(&focus);
}

QAccessibleInterface *SpokenItems::item(int index) const
{
    return index >= 0 && index < m_items.size()
               ? QAccessible::accessibleInterface(m_items.at(index))
               : nullptr;
}

int SpokenItems::indexOf(const QAccessibleInterface *item) const
{
    return int(m_items.indexOf(QAccessible::uniqueId(const_cast<QAccessibleInterface *>(item))));
}

bool SpokenItems::isFocused(const QAccessibleInterface *item) const
{
    return m_focused != 0 && m_keyboardFocus == QApplication::focusWidget()
           && m_focused == QAccessible::uniqueId(const_cast<QAccessibleInterface *>(item));
}

HostAccessible::HostAccessible(QWidget *widget, QAccessible::Role role, SpokenItems &items,
                               WidgetChildren children)
    : QAccessibleWidget(widget, role), m_items(items), m_children(children)
{}

int HostAccessible::ownChildCount() const
{
    return m_children == WidgetChildren::Shown ? QAccessibleWidget::childCount() : 0;
}

int HostAccessible::childCount() const { return ownChildCount() + m_items.count(); }

QAccessibleInterface *HostAccessible::child(int index) const
{
    const int own = ownChildCount();
    return index < own ? QAccessibleWidget::child(index) : m_items.item(index - own);
}

int HostAccessible::indexOfChild(const QAccessibleInterface *child) const
{
    const int item = m_items.indexOf(child);
    if (item >= 0)
        return ownChildCount() + item;
    return m_children == WidgetChildren::Shown ? QAccessibleWidget::indexOfChild(child) : -1;
}

QAccessibleInterface *HostAccessible::focusChild() const
{
    for (int i = 0; i < m_items.count(); ++i)
        if (QAccessibleInterface *item = m_items.item(i); item && m_items.isFocused(item))
            return item;
    return m_children == WidgetChildren::Shown ? QAccessibleWidget::focusChild() : nullptr;
}

Announcer::Announcer(QWidget *window) : QWidget(window)
{
    setObjectName(QStringLiteral("Announcer"));
    setFocusPolicy(Qt::NoFocus);
    setAttribute(Qt::WA_TransparentForMouseEvents);
    resize(0, 0);
}

void Announcer::say(const QString &text, const QWidget *near)
{
    const QWidget *over = near ? near : window();
    const QRect rect(mapFromGlobal(over->mapToGlobal(QPoint(0, 0))), over->size());
    m_items.say(text, QString(), QAccessible::StaticText, rect);
}
