#pragma once

#include <QAbstractButton>
#include <QApplication>
#include <QTest>
#include <QTimer>
#include <QWidget>

#include <functional>
#include <memory>

// One wait for a modal window, kept by the test for as long as the window
// may come. A window that never came fails the running test when the wait
// is dropped: a test whose dialog never opened has not tested it.
class [[nodiscard]] CModalWait {
public:
    struct CState {
        QTimer timer;
        int elapsedMs = 0;
        bool answered = false;
        QByteArray what;
    };

    explicit CModalWait(std::shared_ptr<CState> state) : m_state(std::move(state)) {}
    CModalWait(CModalWait&&) = default;

    ~CModalWait()
    {
        if (!m_state)
            return;
        // A window may still be on its way (the wait was dropped early).
        const std::shared_ptr<CState> state = m_state;
        (void)QTest::qWaitFor([state] { return state->answered || !state->timer.isActive(); }, 60000);
        state->timer.stop();
        if (state->answered)
            return;
        const QByteArray message = "no " + state->what + " window came";
        if (QTest::currentTestFunction() && !QTest::currentTestFailed())
            QTest::qFail(message.constData(), __FILE__, __LINE__);
        else if (!QTest::currentTestFunction())
            qWarning("%s", message.constData());
    }

private:
    std::shared_ptr<CState> m_state;
};

// Answers a modal window the way a player would: once a window of type T is
// the active modal one, `act` runs on it from the event loop. Keep the
// result until the window must have come; the wait gives up after
// `timeoutMs`, so a test that expected a window fails instead of hanging.
template <class T>
CModalWait WhenModal(std::function<void(T*)> act, int timeoutMs = 10000)
{
    auto state = std::make_shared<CModalWait::CState>();
    state->what = T::staticMetaObject.className();
    state->timer.setInterval(10);
    QObject::connect(&state->timer, &QTimer::timeout, &state->timer, [raw = state.get(), act, timeoutMs] {
        raw->elapsedMs += 10;
        T* window = dynamic_cast<T*>(QApplication::activeModalWidget());
        if (!window && raw->elapsedMs < timeoutMs)
            return;
        raw->timer.stop();
        if (!window)
            return;
        raw->answered = true;
        act(window);
    });
    state->timer.start();
    return CModalWait(state);
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
