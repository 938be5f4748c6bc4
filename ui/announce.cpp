#include "ui/announce.h"

#include <QAccessible>
#include <QApplication>
#include <QPointer>
#include <QWidget>

namespace {

AccessibleListener g_listener = nullptr;

// One piece of news, without a widget of its own: its name is the news, its
// description what the news is about (the board shot at), if anything. It
// hangs from the application rather than from a window, so that a reader
// speaks the news alone and not the window around it first.
class CNewsAccess : public QAccessibleInterface {
public:
    bool isValid() const override { return true; }
    QObject* object() const override { return nullptr; }
    QWindow* window() const override { return m_window ? m_window->windowHandle() : nullptr; }
    QAccessibleInterface* focusChild() const override { return nullptr; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    QAccessibleInterface* parent() const override { return QAccessible::queryAccessibleInterface(qApp); }
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QString text(QAccessible::Text t) const override
    {
        return t == QAccessible::Name ? m_strText : t == QAccessible::Description ? m_strAbout : QString();
    }
    void setText(QAccessible::Text t, const QString& text) override
    {
        if (t == QAccessible::Name)
            m_strText = text;
        else if (t == QAccessible::Description)
            m_strAbout = text;
    }
    QRect rect() const override { return QRect(); }
    QAccessible::Role role() const override { return QAccessible::Notification; }
    QAccessible::State state() const override { return {}; }

    QPointer<QWidget> m_window;

private:
    QString m_strText;
    QString m_strAbout;
};

// A reader fetches the text of a piece of news when it comes to it, which
// may be after the next shot: each piece has an object of its own, taken in
// turn from a ring longer than any burst of news a turn makes.
constexpr int NEWS_RING = 32;
QAccessible::Id g_newsIds[NEWS_RING] = {};
int g_nextNews = 0;

void Say(QWidget* where, const QString& text, const QString& about)
{
    QAccessible::Id& id = g_newsIds[g_nextNews];
    g_nextNews = (g_nextNews + 1) % NEWS_RING;
    auto* news = static_cast<CNewsAccess*>(QAccessible::accessibleInterface(id));
    if (!news) {
        news = new CNewsAccess;
        id = QAccessible::registerAccessibleInterface(news);
    }
    news->m_window = where->window();
    news->setText(QAccessible::Name, text);
    news->setText(QAccessible::Description, about);
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

void Announce(QAccessibleInterface* board, const QString& text)
{
    if (!board || !SomeoneListens())
        return;
    QAccessibleInterface* view = board->parent();
    auto* host = view ? qobject_cast<QWidget*>(view->object()) : nullptr;
    if (!host)
        return;
    board->setText(QAccessible::Description, text);
    Say(host, text, board->text(QAccessible::Name));
}
