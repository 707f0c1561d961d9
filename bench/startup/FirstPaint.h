#pragma once
// Ends a start-up probe at a window's first paint. The window is painted and its pixels are
// flushed to the X server in one call; a call queued from the paint runs after both and ends
// the process on the spot. What a program leaves until after its first paint (the rest of the
// event queue) and its tear-down are not start-up, so neither is timed. Both probes (the
// viewer's and the bare window's) end by this one rule, and time their steps by one clock.

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEvent>
#include <QObject>
#include <QWidget>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <functional>

// With --phases as the first argument, phase("step") says on standard error how long after
// the start of main the step ended; without it, it says nothing.
class PhaseClock {
public:
    PhaseClock(int argc, char** argv) : m_on(argc > 1 && std::strcmp(argv[1], "--phases") == 0) { m_clock.start(); }
    void operator()(const char* step) const {
        if (m_on) std::fprintf(stderr, "%7.2f ms  %s\n", m_clock.nsecsElapsed() / 1e6, step);
    }

private:
    bool m_on;
    QElapsedTimer m_clock;
};

class EndAtFirstPaint : public QObject {
public:
    // atEnd runs just before the process ends (the viewer's probe says when, for instance).
    explicit EndAtFirstPaint(QWidget* window, std::function<void()> atEnd = {})
        : QObject(window), m_atEnd(std::move(atEnd)) {
        window->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint) {
            watched->removeEventFilter(this);
            QMetaObject::invokeMethod(
                qApp,
                [atEnd = m_atEnd] {
                    if (atEnd) atEnd();
                    std::fflush(nullptr);
                    std::_Exit(0);
                },
                Qt::QueuedConnection);
        }
        return false;
    }

private:
    std::function<void()> m_atEnd;
};
