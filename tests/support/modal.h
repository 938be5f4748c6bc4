#pragma once

#include <QAbstractButton>
#include <QApplication>
#include <QTimer>
#include <QWidget>

#include <functional>

// Answers a modal window the way a player would: once a window of type T is
// the active modal one, `act` runs on it from the event loop. Gives up after
// `timeoutMs` so a test that expected a window fails instead of hanging.
template <class T>
void WhenModal(std::function<void(T*)> act, int timeoutMs = 10000)
{
    auto* timer = new QTimer;
    auto* elapsed = new int(0);
    timer->setInterval(10);
    QObject::connect(timer, &QTimer::timeout, [timer, elapsed, act, timeoutMs] {
        *elapsed += 10;
        T* window = dynamic_cast<T*>(QApplication::activeModalWidget());
        if (!window && *elapsed < timeoutMs)
            return;
        timer->stop();
        timer->deleteLater();
        delete elapsed;
        if (window)
            act(window);
    });
    timer->start();
}

// The push button of a window by its text ("OK", "Cancel", ...), or null.
inline QAbstractButton* FindButton(QWidget* window, const QString& text)
{
    for (QAbstractButton* b : window->findChildren<QAbstractButton*>()) {
        if (b->text().remove('&') == text)
            return b;
    }
    return nullptr;
}
