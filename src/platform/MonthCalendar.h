#pragma once
// The date picker: a month calendar in Russian, Monday first, with earliest and latest
// dates. A click on a day, or Enter on the selected day, is reported once as DayClicked;
// Qt's own "activated" is not used, since some styles raise it on the same single click.

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

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
};

}  // namespace zuv
