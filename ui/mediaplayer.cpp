#include "ui/mediaplayer.h"

#include "ui/datapath.h"

#include <QMediaPlayer>
#include <QUrl>
#include <QVBoxLayout>
#include <QVideoWidget>

namespace {
constexpr const char* ABOUT_VIDEO = "Data/Tidebolt.avi";
}

CMediaPlayer2::CMediaPlayer2(QWidget* parent)
    : QWidget(parent)
{
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    m_strSource = DataFilePath(ABOUT_VIDEO);
    if (m_strSource.isEmpty())
        return;
    m_pVideo = new QVideoWidget(this);
    layout->addWidget(m_pVideo);
    m_pPlayer = new QMediaPlayer(this);
    m_pPlayer->setVideoOutput(m_pVideo);
    // A short clip in a small box reads best as a loop that starts by itself;
    // the clip has no sound track, so no audio output is wired up.
    m_pPlayer->setLoops(QMediaPlayer::Infinite);
    m_pPlayer->setSource(QUrl::fromLocalFile(m_strSource));
    m_pPlayer->play();
}

CMediaPlayer2::~CMediaPlayer2()
{
    if (m_pPlayer)
        m_pPlayer->stop();
}
