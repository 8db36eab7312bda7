// Helpers for the reader's window tests: cp932 from UTF-8 literals and back, the test
// documents, and mouse events at a point of a window, delivered to the widget under it.
#pragma once

#include <QApplication>
#include <QDir>
#include <QMouseEvent>
#include <QString>
#include <QWidget>
#include <string>

#include "platform/Cp932.h"

inline std::string Cp(const char* utf8) { return cp932::FromUtf8Lossy(utf8); }
inline QString Shown(const std::string& cp932Text) { return QString::fromStdString(cp932::ToUtf8Lossy(cp932Text)); }

inline std::string TestTxtData(const char* name) {
    return std::string(QUILLARY_TEST_DATA) + "/TxtData/" + name;
}

inline void SendMouse(QWidget* window, QEvent::Type type, QPoint point,
                      Qt::MouseButton button = Qt::NoButton) {
    QWidget* under = window->childAt(point);
    if (!under) under = window;
    const QPoint local = under->mapFrom(window, point);
    QMouseEvent event(type, QPointF(local), QPointF(under->mapToGlobal(local)), button,
                      type == QEvent::MouseMove ? Qt::NoButton : Qt::MouseButtons(button), Qt::NoModifier);
    QApplication::sendEvent(under, &event);
}

inline void Click(QWidget* widget, QPoint point) {
    SendMouse(widget, QEvent::MouseButtonPress, point, Qt::LeftButton);
    SendMouse(widget, QEvent::MouseButtonRelease, point, Qt::LeftButton);
}

// Keeps a picture of a window (in $QUILLARY_PICTURES, or <build>/pictures), so a
// reader can see what the user sees.
inline bool KeepPicture(QWidget* widget, const QString& name) {
    QString folder = qEnvironmentVariable("QUILLARY_PICTURES");
    if (folder.isEmpty()) folder = QStringLiteral(QUILLARY_BINARY_DIR "/pictures");
    QDir().mkpath(folder);
    return widget->grab().save(folder + QStringLiteral("/") + name + QStringLiteral(".png"));
}
