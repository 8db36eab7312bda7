// Counts the paint events a widget and its children receive, so a benchmark that
// claims to include the paint can show that it painted; and showing a window up to
// its finished first paint.
#pragma once

#include <QCoreApplication>
#include <QEvent>
#include <QWidget>
#include <QWindow>

class PaintCounter : public QObject {
public:
    explicit PaintCounter(QWidget* top) {
        top->installEventFilter(this);
        for (QWidget* child : top->findChildren<QWidget*>()) child->installEventFilter(this);
    }
    int Count() const { return m_count; }

    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Paint) ++m_count;
        return false;
    }

private:
    int m_count = 0;
};

// Shows the window and returns once it has been painted with everything on it.
inline void ShowAndPaint(QWidget& widget) {
    PaintCounter counter(&widget);
    widget.show();
    while (!widget.windowHandle()->isExposed()) QCoreApplication::processEvents();
    if (counter.Count() == 0) widget.repaint();
}
