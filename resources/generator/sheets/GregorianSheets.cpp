// The Gregorian four-year sheets GS2001 … GS2049: four years, one band of 11 grid rows each,
// Monday-to-Sunday week columns. Built from QDate alone; the markers' week arithmetic is
// not used here, so the cell maps can check it.

#include "kit/Formatting.h"

#include "core/SheetGrids.h"
#include "kit/SheetCanvas.h"
#include "sheets/DatedSheets.h"
#include "sheets/SheetParts.h"

#include <QDate>

namespace zuvgen {

namespace {

constexpr int kFirstWeekColumn = 2;
constexpr int kLastWeekColumn = 54;

// The Monday of the week that holds 1 January: the first day of week column 2.
QDate firstWeekMonday(int year) {
    const QDate january1(year, 1, 1);
    return january1.addDays(1 - january1.dayOfWeek());
}

// Where a day is shown as a day of its own: the band of its year and its week column there.
// The days after the last week column (31 December of a leap year that begins on a Sunday)
// appear only in the first week of the next year's band, and are shown there ungreyed.
struct HomeCell {
    int bandYear;
    int column;
};

HomeCell homeCell(const QDate& day) {
    const int column = int(firstWeekMonday(day.year()).daysTo(day) / 7) + kFirstWeekColumn;
    if (column > kLastWeekColumn) return {day.year() + 1, kFirstWeekColumn};
    return {day.year(), column};
}

// The month's name as a heading: "Январь".
QString monthHeading(int month) {
    QString name = monthNominative(month);
    name[0] = name[0].toUpper();
    return name;
}

bool isLeap(int year) { return QDate::isLeapYear(year); }

void drawBand(SheetCanvas& sheet, int year, int band) {
    using namespace sheetpalette;
    const int top = 2 + 11 * band;  // month row; weekday rows follow, then weeks and caption
    const QDate monday1 = firstWeekMonday(year);
    const auto columnMonday = [&](int column) { return monday1.addDays(7 * (column - kFirstWeekColumn)); };

    const CellStyle headerStyle = headerCellStyle();

    // Month names, each over the columns from the week it begins in to the week before the next.
    sheet.cell(1, top, 1, QString(), QString(), headerStyle);
    for (int month = 1; month <= 12; ++month) {
        const int first = homeCell(QDate(year, month, 1)).column;
        // Column 54 always holds some December days of the year, so December runs to it.
        const int end = month < 12 ? homeCell(QDate(year, month + 1, 1)).column : kLastWeekColumn + 1;
        sheet.cell(first, top, end - first, QStringLiteral("month=%1-%2").arg(year).arg(padded(month, 2)),
                   monthHeading(month), headerStyle);
    }

    // Weekday names.
    for (int weekday = 1; weekday <= 7; ++weekday) {
        sheet.cell(1, top + weekday, 1, QStringLiteral("weekday=%1").arg(weekday), weekdayShort(weekday),
                   weekdayNameStyle(weekday));
    }

    // The days. A day is ungreyed only in its home cell; elsewhere it belongs to a neighbour.
    for (int column = kFirstWeekColumn; column <= kLastWeekColumn; ++column) {
        const QDate monday = columnMonday(column);
        for (int weekday = 1; weekday <= 7; ++weekday) {
            const QDate day = monday.addDays(weekday - 1);
            const HomeCell home = homeCell(day);
            const bool own = home.bandYear == year && home.column == column;
            CellStyle style;
            style.pixelSize = 21;
            if (own) {
                style.paper = day.month() % 2 == 0 ? tint : paper;
                style.ink = weekdayInk(weekday);
            } else {
                style.paper = greyPaper;
                style.ink = greyInk;
            }
            const QString key = (own ? QStringLiteral("day=") : QStringLiteral("grey=")) + day.toString(Qt::ISODate);
            sheet.cell(column, top + weekday, 1, key, QString::number(day.day()), style);
        }
    }

    // Staircase lines between the months, drawn after the cells so no paper covers them.
    const auto ownAt = [&](const QDate& day, int column) {
        const HomeCell home = homeCell(day);
        return home.bandYear == year && home.column == column;
    };
    for (int column = kFirstWeekColumn; column <= kLastWeekColumn; ++column) {
        for (int weekday = 1; weekday <= 7; ++weekday) {
            const QDate day = columnMonday(column).addDays(weekday - 1);
            if (!ownAt(day, column)) continue;
            const QDate left = day.addDays(-7), above = day.addDays(-1);
            if (column > kFirstWeekColumn && ownAt(left, column - 1) && left.month() != day.month())
                sheet.separator(column, top + weekday, top + weekday + 1, sheetpalette::monthLine);
            if (weekday > 1 && ownAt(above, column) && above.month() != day.month())
                sheet.rule(top + weekday, column, column + 1, sheetpalette::monthLine);
        }
    }

    // Week numbers: 1 under the first column; column 54 is week 53 only when that week lies
    // wholly inside the year, otherwise it repeats the next year's first week unnumbered.
    const CellStyle weekStyle = weekNumberStyle();
    sheet.cell(1, top + 8, 1, QString(), QStringLiteral("нед."), weekStyle);
    for (int column = kFirstWeekColumn; column <= kLastWeekColumn; ++column) {
        const QDate monday = columnMonday(column);
        const bool whollyInside = monday.year() == year && monday.addDays(6).year() == year;
        if (column == kLastWeekColumn && !whollyInside) {
            sheet.cell(column, top + 8, 1, QString(), QString(), weekStyle);
            continue;
        }
        sheet.cell(column, top + 8, 1, QStringLiteral("week=") + monday.toString(Qt::ISODate),
                   QString::number(column - 1), weekStyle);
    }

    // The table's outline, and a rule between the weekday names and the weeks.
    sheet.frame(1, top, kLastWeekColumn + 1, top + 9);
    sheet.separator(kFirstWeekColumn, top, top + 9);

    // Caption under the table.
    const int days = isLeap(year) ? 366 : 365;
    const QString caption = isLeap(year)
        ? QStringLiteral("%1 год · високосный, %2 дней").arg(year).arg(days)
        : QStringLiteral("%1 год · %2 дней").arg(year).arg(days);
    sheet.cell(1, top + 9, kLastWeekColumn, QStringLiteral("caption=%1").arg(year), caption, tableCaptionStyle());
}

void drawGregorianSheet(const Context& ctx, int firstYear) {
    const QString name = QStringLiteral("GS%1").arg(firstYear);
    const QSize size = catalogueSize(name);
    SheetCanvas sheet(size.width(), size.height(), zuv::kGregorianSheetGrid.columns, zuv::kGregorianSheetGrid.rows);

    drawSheetTitle(sheet, 1, kLastWeekColumn + 1,
                   QStringLiteral("Григорианский календарь на %1 – %2 годы").arg(firstYear).arg(firstYear + 3),
                   QStringLiteral("Недели с понедельника по воскресенье; 1-я неделя — та, в которой 1 января.\n"
                                  "Серым — дни соседнего года; 53-я неделя — только целиком внутри года."));

    for (int band = 0; band < 4; ++band) drawBand(sheet, firstYear + band, band);
    saveSheet(ctx, name, sheet);
}

}  // namespace

std::vector<Job> gregorianSheetJobs(const Context& ctx) {
    std::vector<Job> jobs;
    for (int year = 2001; year <= 2049; year += 4) jobs.push_back([ctx, year] { drawGregorianSheet(ctx, year); });
    return jobs;
}

}  // namespace zuvgen
