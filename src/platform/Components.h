#pragma once
// Small helpers both windows build their components with: every component carries the name
// the window's design gives it as its objectName, by which tests and tools find it.

#include "core/CalendarSystems.h"

#include <QAction>
#include <QLatin1String>
#include <QMenu>
#include <QString>
#include <initializer_list>
#include <utility>

namespace zuv {

template <typename T>
T* named(T* object, const QString& name) {
    object->setObjectName(name);
    return object;
}
template <typename T>
T* named(T* object, const char* name) {
    return named(object, QString(QLatin1String(name)));
}

// A new item at the end of `menu`.
inline QAction* makeAction(QMenu* menu, const QString& name, const QString& caption) {
    return named(menu->addAction(caption), name);
}
// The numbered item N<number> at the end of `menu`.
inline QAction* makeAction(QMenu* menu, int number, const QString& caption) {
    return makeAction(menu, QStringLiteral("N%1").arg(number), caption);
}

// The systems menu of both windows: N4 … N28, one item per calendar system in the grid's order.
inline void makeSystemItems(QMenu* menu, QAction** items) {
    for (int n = 4; n < 4 + kCalendarSystemCount; ++n)
        items[n] = makeAction(menu, n, QString::fromUtf8(kCalendarSystemNames[n - 4]));
}

// Each numbered item N<k> of `items` (the window's N array) runs its handler when triggered.
template <typename Window>
void connectItems(Window* window, QAction* const* items, std::initializer_list<std::pair<int, void (Window::*)()>> handlers) {
    for (const auto& [number, handler] : handlers) QObject::connect(items[number], &QAction::triggered, window, handler);
}

}  // namespace zuv
