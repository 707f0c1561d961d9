#include "MonthCalendar.h"

#include <QAbstractItemView>
#include <QKeyEvent>
#include <QLocale>

namespace zuv {

MonthCalendar::MonthCalendar(const QDate& earliest, const QDate& latest, const QDate& selected, QWidget* parent)
    : QWidget(parent), m_earliest(earliest), m_latest(latest), m_selected(selected) {}

QCalendarWidget* MonthCalendar::Calendar() const {
    if (m_calendar) return m_calendar;
    auto* self = const_cast<MonthCalendar*>(this);
    m_calendar = new QCalendarWidget(self);
    m_calendar->setLocale(QLocale(QLocale::Russian, QLocale::Russia));
    m_calendar->setFirstDayOfWeek(Qt::Monday);
    m_calendar->setVerticalHeaderFormat(QCalendarWidget::NoVerticalHeader);
    m_calendar->setGridVisible(true);
    m_calendar->setMinimumDate(m_earliest);
    m_calendar->setMaximumDate(m_latest);
    m_calendar->setSelectedDate(m_selected);
    m_calendar->setGeometry(rect());
    self->setFocusProxy(m_calendar);
    connect(m_calendar, &QCalendarWidget::clicked, self, [self](const QDate&) { emit self->DayClicked(); });
    // The day grid is the child that has the keyboard focus.
    if (auto* grid = m_calendar->findChild<QAbstractItemView*>()) grid->installEventFilter(self);
    // Built while the picker is on screen: a child made after its parent was shown stays hidden.
    if (isVisible()) m_calendar->show();
    return m_calendar;
}

void MonthCalendar::SetLimits(const QDate& earliest, const QDate& latest) {
    QCalendarWidget* calendar = Calendar();
    calendar->setMinimumDate(earliest);
    calendar->setMaximumDate(latest);
}

void MonthCalendar::showEvent(QShowEvent* event) {
    Calendar();
    QWidget::showEvent(event);
}

void MonthCalendar::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    if (m_calendar) m_calendar->setGeometry(rect());
}

bool MonthCalendar::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) emit DayClicked();
    }
    return QWidget::eventFilter(watched, event);
}

}  // namespace zuv
