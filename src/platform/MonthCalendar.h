#pragma once
// The date picker: a month calendar in Russian, Monday first, with earliest and latest
// dates. A click on a day, or Enter on the selected day, is reported once as DayClicked;
// Qt's own "activated" is not used, since some styles raise it on the same single click.
// Qt's month calendar (its style's arrows, a spin box, a menu of months, a table) takes longer
// to build than the rest of the main window together, so the picker is an empty widget at
// first: the calendar is built inside it on first use, or when Prepare() asks for it.

#include <QCalendarWidget>

namespace zuv {

class MonthCalendar : public QWidget {
    Q_OBJECT
public:
    // The limits and the selected day it starts with, taken by the calendar when it is built.
    MonthCalendar(const QDate& earliest, const QDate& latest, const QDate& selected, QWidget* parent = nullptr);

    QDate Date() const { return Calendar()->selectedDate(); }
    void SetDate(const QDate& date) { Calendar()->setSelectedDate(date); }
    // The earliest limit is set before the latest one.
    void SetLimits(const QDate& earliest, const QDate& latest);
    QDate MinDate() const { return Calendar()->minimumDate(); }
    QDate MaxDate() const { return Calendar()->maximumDate(); }

    // Builds the calendar now unless it is built; the picker then shows without the wait.
    void Prepare() { Calendar(); }
    QCalendarWidget* Calendar() const;

    QSize sizeHint() const override { return Calendar()->sizeHint(); }
    QSize minimumSizeHint() const override { return Calendar()->minimumSizeHint(); }

signals:
    void DayClicked();

protected:
    void showEvent(QShowEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QDate m_earliest, m_latest, m_selected;       // until the calendar is built
    mutable QCalendarWidget* m_calendar = nullptr;  // built on first use
};

}  // namespace zuv
