#include "ui/announce.h"

#include "ui/gamedlg.h"

#include <QAccessible>
#include <QWidget>

namespace {

AccessibleListener g_listener = nullptr;

void RaiseNews(QAccessibleInterface* source)
{
    // Raised even when the text repeats ("Your turn" comes every turn).
    QAccessibleEvent event(source, QAccessible::DescriptionChanged);
    RaiseAccessibleEvent(&event);
}

} // namespace

void SetAccessibleListener(AccessibleListener listener)
{
    g_listener = listener;
}

bool SomeoneListens()
{
    return g_listener || QAccessible::isActive();
}

void RaiseAccessibleEvent(QAccessibleEvent* event)
{
    if (g_listener)
        g_listener(event);
    QAccessible::updateAccessibility(event);
}

void Announce(QWidget* where, const QString& text)
{
    if (!where || !SomeoneListens())
        return;
    QWidget* target = where;
    if (auto* game = qobject_cast<CGameDlg*>(where->window()))
        target = game->ClientArea();
    target->setAccessibleDescription(text);
    if (QAccessibleInterface* source = QAccessible::queryAccessibleInterface(target))
        RaiseNews(source);
}

void Announce(QAccessibleInterface* source, const QString& text)
{
    if (!source || !SomeoneListens())
        return;
    source->setText(QAccessible::Description, text);
    RaiseNews(source);
}
