#include "ui/announce.h"
#include "ui/paintedpart.h"

#include <QAccessible>
#include <QApplication>
#include <QWidget>

namespace {

AccessibleListener g_listener = nullptr;

// One piece of news, without a widget of its own: its name is the news, its
// description what the news is about (the board shot at), if anything; both
// stay as they were said. It hangs from the application rather than from a
// window, so that a reader speaks the news alone and not the window around
// it first.
class CNewsAccess : public CPaintedPart {
public:
    CNewsAccess(QWidget* window, const QString& text, const QString& about)
        : CPaintedPart(window), m_strText(text), m_strAbout(about)
    {
    }

    QAccessibleInterface* parent() const override { return QAccessible::queryAccessibleInterface(qApp); }
    QString text(QAccessible::Text t) const override
    {
        return t == QAccessible::Name ? m_strText : t == QAccessible::Description ? m_strAbout : QString();
    }
    QRect rect() const override { return QRect(); }
    QAccessible::Role role() const override { return QAccessible::Notification; }

private:
    const QString m_strText;
    const QString m_strAbout;
};

// A reader fetches the text of a piece of news when it comes to it, which
// may be after the next shot, and a caching reader keeps what it fetched for
// as long as the object lives: each piece has an object of its own, never
// renamed, kept until a ring longer than any burst of news a turn makes
// comes round to it.
constexpr int NEWS_RING = 32;
QAccessible::Id g_newsIds[NEWS_RING] = {};
int g_nextNews = 0;

void Say(QWidget* where, const QString& text, const QString& about)
{
    QAccessible::Id& id = g_newsIds[g_nextNews];
    g_nextNews = (g_nextNews + 1) % NEWS_RING;
    if (id && QAccessible::accessibleInterface(id))
        QAccessible::deleteAccessibleInterface(id);
    auto* news = new CNewsAccess(where->window(), text, about);
    id = QAccessible::registerAccessibleInterface(news);
    QAccessibleEvent event(news, QAccessible::ObjectShow);
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
    Say(where, text, QString());
}

void Announce(QAccessibleInterface* board, const QString& text, const QString& whose)
{
    if (!board || !SomeoneListens())
        return;
    QAccessibleInterface* view = board->parent();
    auto* host = view ? qobject_cast<QWidget*>(view->object()) : nullptr;
    if (!host)
        return;
    board->setText(QAccessible::Description, text);
    Say(host, text, whose);
}
