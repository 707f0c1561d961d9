#include "MonthCalendar.h"

#include <QLocale>

namespace zuv {

MonthCalendar::MonthCalendar(QWidget* parent) : QCalendarWidget(parent) {
    setLocale(QLocale(QLocale::Russian, QLocale::Russia));
    setFirstDayOfWeek(Qt::Monday);
    setVerticalHeaderFormat(QCalendarWidget::NoVerticalHeader);
    setGridVisible(true);
    connect(this, &QCalendarWidget::clicked, this, [this](const QDate&) { emit DayClicked(); });
    connect(this, &QCalendarWidget::activated, this, [this](const QDate&) { emit DayClicked(); });
}

void MonthCalendar::SetDate(const QDate& date) { setSelectedDate(date); }

void MonthCalendar::SetLimits(const QDate& earliest, const QDate& latest) {
    setMinimumDate(earliest);
    setMaximumDate(latest);
}

}  // namespace zuv
