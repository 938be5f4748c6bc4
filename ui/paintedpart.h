#pragma once

#include <QAccessible>
#include <QPointer>
#include <QWidget>

// What screen readers see of something painted rather than a widget of its
// own: a leaf object of the widget that paints it, valid while that lives.
class CPaintedPart : public QAccessibleInterface {
public:
    explicit CPaintedPart(QWidget* view) : m_view(view) {}

    bool isValid() const override { return !m_view.isNull(); }
    QObject* object() const override { return nullptr; }
    QWindow* window() const override { return m_view ? m_view->window()->windowHandle() : nullptr; }
    QAccessibleInterface* focusChild() const override { return nullptr; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    void setText(QAccessible::Text, const QString&) override {}
    QAccessible::State state() const override { return {}; }

protected:
    QPointer<QWidget> m_view;
};
