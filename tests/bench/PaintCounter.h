// Counts the paint events a widget and its children receive, so a benchmark that
// claims to include the paint can show that it painted.
#pragma once

#include <QEvent>
#include <QWidget>

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
