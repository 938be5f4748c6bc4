#include "ui/animatedcursor.h"

#include "ui/anifile.h"
#include "ui/datapath.h"

#include <QFile>
#include <QImage>
#include <QPixmap>
#include <QTimer>
#include <QWidget>

namespace {

// A cursor file is a few kilobytes; anything far larger is not one.
constexpr qint64 MAX_CURSOR_FILE = 4 * 1024 * 1024;

// A step of 0 jiffies would spin the timer; one that lasts longer than a
// minute would look like a frozen cursor. Both are clamped.
int StepMilliseconds(std::uint32_t jiffies)
{
    const std::uint32_t clamped = jiffies < 1 ? 1 : (jiffies > 3600 ? 3600 : jiffies);
    return static_cast<int>((clamped * 1000 + 30) / 60);
}

} // namespace

CAnimatedCursor::CAnimatedCursor(QObject* parent)
    : QObject(parent), m_pTimer(new QTimer(this))
{
    m_pTimer->setSingleShot(true);
    connect(m_pTimer, &QTimer::timeout, this, [this] { Advance(); });
}

void CAnimatedCursor::Reset()
{
    m_pTimer->stop();
    m_frames.clear();
    m_sequence.clear();
    m_stepMs.clear();
    m_nStep = 0;
}

bool CAnimatedCursor::LoadFromFile(const QString& path)
{
    Reset();
    if (path.isEmpty())
        return false;  // no cursor file anywhere: the system's wait cursor
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly) || file.size() > MAX_CURSOR_FILE)
        return false;
    const QByteArray bytes = file.readAll();
    CAniFile ani;
    if (!ReadAniFile(reinterpret_cast<const unsigned char*>(bytes.constData()),
                     static_cast<std::size_t>(bytes.size()), ani, nullptr))
        return false;

    std::vector<QCursor> frames;
    for (const CAniFrame& frame : ani.frames) {
        const QImage image = QImage::fromData(frame.image.data(), static_cast<int>(frame.image.size()), "ICO");
        if (image.isNull())
            return false;
        frames.emplace_back(QPixmap::fromImage(image), frame.hotX, frame.hotY);
    }
    m_frames = std::move(frames);
    m_sequence = ani.sequence;
    for (std::uint32_t jiffies : ani.ratesJiffies)
        m_stepMs.push_back(StepMilliseconds(jiffies));
    qCInfo(lcDataFiles).noquote() << "wait cursor of" << m_frames.size() << "frames loaded from" << path;
    return true;
}

bool CAnimatedCursor::IsAnimated() const
{
    return m_sequence.size() > 1;
}

int CAnimatedCursor::FrameCount() const
{
    return static_cast<int>(m_frames.size());
}

QCursor CAnimatedCursor::CurrentCursor() const
{
    if (m_frames.empty() || m_sequence.empty())
        return QCursor(Qt::WaitCursor);
    return m_frames[static_cast<std::size_t>(m_sequence[static_cast<std::size_t>(m_nStep)])];
}

void CAnimatedCursor::Show(QWidget* w)
{
    if (!w)
        return;
    if (m_pWidget != w) {
        if (m_pWidget)
            Hide(m_pWidget);
        m_pWidget = w;
        m_bHadCursor = w->testAttribute(Qt::WA_SetCursor);
        m_savedCursor = w->cursor();
        m_nStep = 0;
    }
    w->setCursor(CurrentCursor());
    if (IsAnimated() && !m_pTimer->isActive())
        StartStepTimer();
}

void CAnimatedCursor::Hide(QWidget* w)
{
    if (!w || m_pWidget != w)
        return;
    m_pTimer->stop();
    if (m_bHadCursor)
        w->setCursor(m_savedCursor);
    else
        w->unsetCursor();
    m_pWidget = nullptr;
}

void CAnimatedCursor::StartStepTimer()
{
    m_pTimer->start(m_stepMs[static_cast<std::size_t>(m_nStep)]);
}

void CAnimatedCursor::Advance()
{
    if (!m_pWidget || !IsAnimated())
        return;
    m_nStep = (m_nStep + 1) % static_cast<int>(m_sequence.size());
    m_pWidget->setCursor(CurrentCursor());
    StartStepTimer();
}
