#pragma once

#include <QCursor>
#include <QObject>
#include <QPointer>
#include <QString>

#include <cstdint>
#include <vector>

class QTimer;
class QWidget;

// The wait cursor: the frames of an animated cursor file stepped by a timer
// at the file's own pace, or the system's wait cursor when there is no usable
// file.
class CAnimatedCursor : public QObject {
    Q_OBJECT
public:
    explicit CAnimatedCursor(QObject* parent = nullptr);

    // False for a missing or malformed file; the cursor is then Qt::WaitCursor.
    bool LoadFromFile(const QString& path);

    // Puts the cursor on w (remembering what w showed) and starts the animation.
    void Show(QWidget* w);
    // Stops the animation and gives w back the cursor it had before Show.
    void Hide(QWidget* w);

    bool IsAnimated() const;
    // Frames read from the file; 0 while the system wait cursor stands in.
    int FrameCount() const;
    // The cursor of the step now shown.
    QCursor CurrentCursor() const;
    int CurrentStep() const { return m_nStep; }

private:
    void Reset();
    void Advance();
    void StartStepTimer();

    std::vector<QCursor> m_frames;
    std::vector<int> m_sequence;
    std::vector<int> m_stepMs;
    int m_nStep = 0;
    QTimer* m_pTimer = nullptr;
    QPointer<QWidget> m_pWidget;
    bool m_bHadCursor = false;
    QCursor m_savedCursor;
};
