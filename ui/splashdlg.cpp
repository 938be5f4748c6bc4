#include "ui/splashdlg.h"

#include "game/resources.h"
#include "ui/dialogids.h"
#include "ui/pictures.h"
#include "ui/splashpicture.h"

#include <QGuiApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QScreen>

CSplashDlg::CSplashDlg(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint)
{
    QImage early = TakeSplashPicture();
    m_picture = early.isNull() ? LoadPicture(IDB_SPLASH) : QPixmap::fromImage(std::move(early));
    // The window is the picture, whatever font the desktop uses.
    setFixedSize(m_picture.deviceIndependentSize().toSize());
    m_timer.setSingleShot(true);
    // A coarse timer may fire up to a twentieth early; three seconds are three.
    m_timer.setTimerType(Qt::PreciseTimer);
    connect(&m_timer, &QTimer::timeout, this, &CSplashDlg::OnTimer);
}

void CSplashDlg::ShowEarly()
{
    m_bShownEarly = true;
    setModal(true);  // as it will be: the window built meanwhile takes no input
    show();
    // Bounded: a window manager that never maps the window must not stop
    // the game from starting.
    QEventLoop firstPaint;
    m_pFirstPaint = &firstPaint;
    QTimer::singleShot(EARLY_PAINT_MS, &firstPaint, &QEventLoop::quit);
    firstPaint.exec(QEventLoop::ExcludeUserInputEvents);
    m_pFirstPaint = nullptr;
}

int CSplashDlg::DoModal()
{
    // Shown early and already closed by a click or a key: nothing to wait for.
    if (m_bShownEarly && !isVisible())
        return result() == QDialog::Accepted ? IDOK : IDCANCEL;
    return exec() == QDialog::Accepted ? IDOK : IDCANCEL;
}

void CSplashDlg::OnInitDialog()
{
    m_bInitDone = true;
    setWindowTitle(QStringLiteral("Tidebolt"));
    if (QScreen* screen = QGuiApplication::primaryScreen()) {
        QRect rc = rect();
        rc.moveCenter(screen->availableGeometry().center());
        move(rc.topLeft());
    }
    m_timer.start(SHOW_MS);
}

void CSplashDlg::OnTimer()
{
    m_timer.stop();
    accept();
}

void CSplashDlg::showEvent(QShowEvent* event)
{
    if (!m_bInitDone)
        OnInitDialog();
    QDialog::showEvent(event);
}

void CSplashDlg::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.drawPixmap(0, 0, m_picture);
    if (m_pFirstPaint)
        m_pFirstPaint->quit();
}

void CSplashDlg::mousePressEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton || event->button() == Qt::RightButton) {
        m_timer.stop();
        accept();
    }
    QDialog::mousePressEvent(event);
}

void CSplashDlg::keyPressEvent(QKeyEvent* event)
{
    switch (event->key()) {
    case Qt::Key_F1:
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Escape:
        m_timer.stop();
        accept();
        return;
    default:
        QDialog::keyPressEvent(event);
    }
}
