// What the VRKS sheets share: reading the day table line by line and the four numbered tables
// of the 364-day year.

#include "sheets/VrksSheets.h"

#include "core/DayTable.h"
#include "kit/Formatting.h"
#include "sheets/SheetParts.h"

namespace zuvgen {

namespace {

int fieldNumber(const QStringList& fields, int index, const QString& line) {
    bool ok = false;
    const int value = fields.value(index).toInt(&ok);
    if (!ok) fail(QStringLiteral("day table line \"%1\": field %2 is not a number").arg(line).arg(index + 1));
    return value;
}

}  // namespace

DayLine dayLineOf(const QStringList& lines, int yuga, int day) {
    const int position = (yuga - zuv::kFirstYuga) * zuv::kLinesPerYuga + day - 1;
    if (position < 0 || position >= lines.size())
        fail(QStringLiteral("the day table has no line for day %1 of yuga %2").arg(day).arg(yuga));
    const QString& line = lines.at(position);
    const QStringList fields = line.split(QLatin1Char(','));
    DayLine result;
    result.dated = fields.value(1) != QLatin1String("null");
    if (fields.size() != (result.dated ? 9 : 8)) fail(QStringLiteral("day table line \"%1\" is malformed").arg(line));
    result.weekday = fieldNumber(fields, 3, line);
    result.dayYear = fieldNumber(fields, 5, line);
    result.yearOffset = fieldNumber(fields, 6, line);
    result.day = fieldNumber(fields, 7, line);
    if (result.dated) {
        result.date = QDate::fromString(fields.at(1), QStringLiteral("dd.MM.yyyy"));
        if (!result.date.isValid() || fieldNumber(fields, 8, line) != yuga)
            fail(QStringLiteral("day table line \"%1\" is not of yuga %2").arg(line).arg(yuga));
    }
    if (result.day != day) fail(QStringLiteral("day table line \"%1\" is not day %2").arg(line).arg(day));
    return result;
}

QDate yugaDate(const QStringList& lines, int yuga, int day) {
    const DayLine line = dayLineOf(lines, yuga, day);
    if (!line.dated) fail(QStringLiteral("day %1 of yuga %2 is a filler").arg(day).arg(yuga));
    return line.date;
}

QString yugaSpanText(const QStringList& lines, int yuga) {
    return QStringLiteral("%1 – %2").arg(dotted(yugaDate(lines, yuga, 1)), dotted(yugaDate(lines, yuga, yugaDays(lines, yuga))));
}

int yugaDays(const QStringList& lines, int yuga) {
    int days = zuv::kLinesPerYuga;
    while (days > 0 && !dayLineOf(lines, yuga, days).dated) --days;
    return days;
}

namespace {

struct Numbering {
    int countDays;          // the count restarts after so many days: 364, 28, 91, 182
    int groupDays;          // days per header group: 28 a month, 91 a season, 182 a half-year
    QString (*groupName)(int group);
    QString caption;
};

QString blockName(int group) {
    return QStringLiteral("дни %1 – %2").arg(28 * (group - 1) + 1).arg(28 * group);
}
QString monthName(int group) { return romanNumeral(group) + QStringLiteral(" месяц"); }
QString seasonName(int group) {
    return romanNumeral(group) + QStringLiteral(" сезон · дни %1 – %2 года").arg(91 * (group - 1) + 1).arg(91 * group);
}
QString halfName(int group) {
    return romanNumeral(group) + QStringLiteral(" полугодие · дни %1 – %2 года").arg(182 * (group - 1) + 1).arg(182 * group);
}

}  // namespace

void drawYearTables(SheetCanvas& sheet) {
    using namespace sheetpalette;
    // Table 1 counts the year straight through and groups its header by four weeks; the
    // other three restart the count at every month, season and half-year.
    const Numbering numberings[4] = {
        {364, 28, blockName, QStringLiteral("Таблица 1. Дни года по порядку: 1 – 364, 52 недели по 7 дней")},
        {28, 28, monthName, QStringLiteral("Таблица 2. Дни месяца: 13 месяцев по 28 дней")},
        {91, 91, seasonName, QStringLiteral("Таблица 3. Дни сезона: 4 сезона по 91 дню")},
        {182, 182, halfName, QStringLiteral("Таблица 4. Дни полугодия: 2 полугодия по 182 дня")},
    };

    const CellStyle headerStyle = headerCellStyle();
    const CellStyle weekStyle = weekNumberStyle();

    for (int t = 1; t <= 4; ++t) {
        const Numbering& numbering = numberings[t - 1];
        const int top = 2 + 11 * (t - 1);
        const QString prefix = QStringLiteral("t%1:").arg(t);
        const int groupWeeks = numbering.groupDays / 7;

        sheet.cell(1, top, 1, QString(), QString(), headerStyle);
        for (int group = 1; group <= 364 / numbering.groupDays; ++group)
            sheet.cell(2 + groupWeeks * (group - 1), top, groupWeeks, QString(), numbering.groupName(group), headerStyle);

        for (int weekday = 1; weekday <= 7; ++weekday) {
            sheet.cell(1, top + weekday, 1, prefix + QStringLiteral("weekday=%1").arg(weekday),
                       weekdayShort(weekday), weekdayNameStyle(weekday));
        }

        for (int n = 1; n <= 364; ++n) {
            const int column = (n - 1) / 7 + 2, weekday = (n - 1) % 7 + 1;
            const int group = (n - 1) / numbering.groupDays;
            CellStyle style;
            style.pixelSize = 20;
            style.paper = group % 2 == 1 ? tint : paper;
            style.ink = weekdayInk(weekday);
            sheet.cell(column, top + weekday, 1, prefix + QStringLiteral("dayyear=%1").arg(n),
                       QString::number((n - 1) % numbering.countDays + 1), style);
        }

        sheet.cell(1, top + 8, 1, QString(), QStringLiteral("нед."), weekStyle);
        for (int week = 1; week <= 52; ++week) {
            const QString key = (t == 1 ? QString() : prefix) + QStringLiteral("week=%1").arg(week);
            sheet.cell(week + 1, top + 8, 1, key, QString::number(week), weekStyle);
        }

        sheet.frame(1, top, 54, top + 9);
        sheet.separator(2, top, top + 9);
        for (int group = 2; group <= 364 / numbering.groupDays; ++group)
            sheet.separator(2 + groupWeeks * (group - 1), top, top + 9);

        sheet.cell(1, top + 9, 53, prefix + QStringLiteral("caption"), numbering.caption, tableCaptionStyle());
    }
}

}  // namespace zuvgen
