#pragma once
// The date picker: a month calendar in Russian, Monday first, with earliest and latest
// dates. A click on a day (or Enter on the selected day) is reported as DayClicked.

#include <QCalendarWidget>

namespace zuv {

class MonthCalendar : public QCalendarWidget {
    Q_OBJECT
public:
    explicit MonthCalendar(QWidget* parent = nullptr);

    QDate Date() const { return selectedDate(); }
    void SetDate(const QDate& date);
    // The earliest limit is set before the latest one.
    void SetLimits(const QDate& earliest, const QDate& latest);
    QDate MinDate() const { return minimumDate(); }
    QDate MaxDate() const { return maximumDate(); }

signals:
    void DayClicked();
};

}  // namespace zuv
