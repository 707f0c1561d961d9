#pragma once
// What the window needs of the window system: the pointer, the widget under a point, the
// interactive move, and today's date (replaceable in tests).

#include <QDate>
#include <QPoint>
#include <functional>

class QWidget;

namespace zuv {

QPoint PointerScreenPos();
QWidget* WidgetAtScreenPos(const QPoint& screenPos);

// Starts the platform's interactive move of the window under the pointer: the window follows
// the pointer until the button is released. Returns false where the platform cannot.
bool StartInteractiveMove(QWidget* window);

// Today's date from the system clock; tests may replace the clock.
QDate Today();
void setTodayProvider(std::function<QDate()> provider);  // empty: the system clock

}  // namespace zuv
