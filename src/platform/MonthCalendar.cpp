#include "MonthCalendar.h"

#include <QAbstractItemView>
#include <QKeyEvent>
#include <QLocale>

namespace zuv {

MonthCalendar::MonthCalendar(QWidget* parent) : QCalendarWidget(parent) {
    setLocale(QLocale(QLocale::Russian, QLocale::Russia));
    setFirstDayOfWeek(Qt::Monday);
    setVerticalHeaderFormat(QCalendarWidget::NoVerticalHeader);
    setGridVisible(true);
    connect(this, &QCalendarWidget::clicked, this, [this](const QDate&) { emit DayClicked(); });
    // The day grid is the child that has the keyboard focus.
    if (auto* grid = findChild<QAbstractItemView*>()) grid->installEventFilter(this);
}

bool MonthCalendar::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) emit DayClicked();
    }
    return QCalendarWidget::eventFilter(watched, event);
}

void MonthCalendar::SetDate(const QDate& date) { setSelectedDate(date); }

void MonthCalendar::SetLimits(const QDate& earliest, const QDate& latest) {
    setMinimumDate(earliest);
    setMaximumDate(latest);
}

}  // namespace zuv
