#pragma once
// Ends a start-up probe at a window's first paint: once the window has painted, the event loop
// is asked to quit, so the quit runs after the painted window has gone to the X server. Both
// probes (the viewer's and the bare window's) end by this one rule.

#include <QCoreApplication>
#include <QEvent>
#include <QObject>
#include <QWidget>

class QuitAfterFirstPaint : public QObject {
public:
    explicit QuitAfterFirstPaint(QWidget* window) : QObject(window) { window->installEventFilter(this); }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint) {
            watched->removeEventFilter(this);
            QMetaObject::invokeMethod(qApp, &QCoreApplication::quit, Qt::QueuedConnection);
        }
        return false;
    }
};
