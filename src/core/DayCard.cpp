// The four lines of the day's card: the Gregorian facts from QDate, the VRKS ones from the day
// table's line of the day.

#include "DayCard.h"

#include "core/DayTable.h"
#include "core/VrksDates.h"

#include <optional>

namespace zuv {

namespace {

QString weekdayName(int dayOfWeek) {
    static const char* const names[] = {"понедельник", "вторник", "среда", "четверг", "пятница", "суббота", "воскресенье"};
    return QString::fromUtf8(names[dayOfWeek - 1]);
}

QString vrksLine(const std::optional<DayTableEntry>& e) {
    if (!e) return QStringLiteral("ВРКС: вне таблицы дней");
    const QString place = e->dayYear > kVrksYearDays
                              ? QStringLiteral("год %1, дополнительный день %2").arg(e->yearOffset).arg(e->dayYear - kVrksYearDays)
                              : QStringLiteral("год %1, месяц %2, число %3")
                                    .arg(e->yearOffset)
                                    .arg((e->dayYear - 1) / kVrksMonthDays + 1)
                                    .arg((e->dayYear - 1) % kVrksMonthDays + 1);
    return QStringLiteral("ВРКС: юга %1, %2, день года %3, день юги %4").arg(e->yuga).arg(place).arg(e->dayYear).arg(e->day);
}

}  // namespace

QString dayCard(const QDate& date, const QStringList& dayTable) {
    return QStringList{
        date.toString(QStringLiteral("dd.MM.yyyy")) + QStringLiteral(", ") + weekdayName(date.dayOfWeek()),
        QStringLiteral("григорианский календарь: день года %1, неделя ISO %2").arg(date.dayOfYear()).arg(date.weekNumber()),
        vrksLine(lookupDay(dayTable, date)),
        QStringLiteral("юлианский день %1").arg(date.toJulianDay()),
    }.join(QLatin1Char('\n'));
}

}  // namespace zuv
