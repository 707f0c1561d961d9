#pragma once
// Today's date from the system clock; tests may replace the clock.

#include <QDate>
#include <functional>

namespace zuv {

QDate Today();
void setTodayProvider(std::function<QDate()> provider);  // empty: the system clock

}  // namespace zuv
