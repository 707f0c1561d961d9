// The VRKS day sheets VR481_DAY … VR512_DAY: the Gregorian date of every day of a yuga, one
// table per year.

#include "core/DayTable.h"

#include "core/SheetGrids.h"
#include "kit/Formatting.h"
#include "sheets/DatedSheets.h"
#include "sheets/SheetParts.h"
#include "sheets/VrksSheets.h"

namespace zuvgen {

namespace {

constexpr int kWeek53Column = 54;

// The frame of one year's table: header, weekday names, week numbers, caption.
void drawYearFrame(SheetCanvas& sheet, const QStringList& lines, int yuga, int year, int days) {
    const int top = 2 + 11 * (year - 1);
    const bool week53 = year == 4;
    const int lastColumn = week53 ? kWeek53Column : kWeek53Column - 1;

    sheet.cell(1, top, 1, QString(), QString(), headerCellStyle());
    for (int month = 1; month <= 13; ++month)
        sheet.cell(2 + 4 * (month - 1), top, 4, QString(), romanNumeral(month) + QStringLiteral(" месяц"), headerCellStyle());
    if (week53) sheet.cell(kWeek53Column, top, 1, QString(), QStringLiteral("доп."), headerCellStyle(15));

    for (int weekday = 1; weekday <= 7; ++weekday) {
        sheet.cell(1, top + weekday, 1, QStringLiteral("weekday=%1:%2").arg(year).arg(weekday),
                   weekdayShort(weekday), weekdayNameStyle(weekday));
    }

    const CellStyle weekStyle = weekNumberStyle();
    sheet.cell(1, top + 8, 1, QString(), QStringLiteral("нед."), weekStyle);
    for (int week = 1; week <= lastColumn - 1; ++week)
        sheet.cell(week + 1, top + 8, 1, QStringLiteral("week=%1:%2").arg(year).arg(week), QString::number(week),
                   weekStyle);

    sheet.frame(1, top, lastColumn + 1, top + 9);
    for (int column = 2; column <= 50; column += 4) sheet.separator(column, top, top + 9);
    if (week53) sheet.separator(kWeek53Column, top, top + 9);

    const int firstDay = 364 * (year - 1) + 1;
    const int lastDay = week53 ? days : 364 * year;
    QString caption = QStringLiteral("%1 год юги %2 · %3 – %4 · 364 дня")
                          .arg(ordinal(year)).arg(yuga)
                          .arg(dotted(yugaDate(lines, yuga, firstDay)), dotted(yugaDate(lines, yuga, lastDay)));
    if (week53) {
        const int extra = days - 1456;
        caption += QStringLiteral(" и %1 %2 в 53-й неделе").arg(extra).arg(pluralRu(extra, QStringLiteral("дополнительный день"), QStringLiteral("дополнительных дня"), QStringLiteral("дополнительных дней")));
    }
    sheet.cell(1, top + 9, lastColumn, QStringLiteral("caption=%1").arg(year), caption, tableCaptionStyle());
}

void drawDaySheet(const Context& ctx, int yuga) {
    using namespace sheetpalette;
    const QString name = QStringLiteral("VR%1_DAY").arg(yuga);
    const QSize size = catalogueSize(name);
    SheetCanvas sheet(size.width(), size.height(), zuv::kVrksTableGrid.columns, zuv::kVrksTableGrid.rows);
    const QStringList& lines = ctx.dayTableLines;
    const int days = yugaDays(lines, yuga);

    drawSheetTitle(sheet, 1, 55,
                   QStringLiteral("Юга %1 по дням · %2").arg(yuga).arg(yugaSpanText(lines, yuga)),
                   QStringLiteral("В клетках — григорианская дата (день.месяц) каждого дня варийского года;\n"
                                  "жирным — первое число григорианского месяца, в 53-й неделе — дополнительные дни."));
    for (int year = 1; year <= 4; ++year) drawYearFrame(sheet, lines, yuga, year, days);

    // Every line of the yuga in the table, in its place: dated days by their day of the
    // year and weekday, the fillers after the extra days in week 53.
    for (int day = 1; day <= zuv::kLinesPerYuga; ++day) {
        const DayLine line = dayLineOf(lines, yuga, day);
        const int top = 2 + 11 * (line.yearOffset - 1);
        if (!line.dated) {
            CellStyle style;
            style.hatched = true;
            sheet.cell(kWeek53Column, top + line.weekday, 1, QStringLiteral("filler"), QString(), style);
            continue;
        }
        if ((line.dayYear - 1) % 7 + 1 != line.weekday)
            fail(QStringLiteral("day %1 of yuga %2: weekday and day of the year disagree").arg(day).arg(yuga));
        const int column = (line.dayYear - 1) / 7 + 2;
        CellStyle style;
        style.pixelSize = 19;
        style.condensed = true;
        if (line.dayYear > 364) {
            style.paper = extraPaper;
            style.ink = extraInk;
        } else {
            style.paper = ((line.dayYear - 1) / 28) % 2 == 1 ? tint : paper;
        }
        style.bold = line.date.day() == 1;
        sheet.cell(column, top + line.weekday, 1, QStringLiteral("date=") + line.date.toString(Qt::ISODate),
                    dayMonth(line.date), style);
    }
    saveSheet(ctx, name, sheet);
}

}  // namespace

std::vector<Job> vrksDaySheetJobs(const Context& ctx) {
    std::vector<Job> jobs;
    for (int yuga = 481; yuga <= 512; ++yuga) jobs.push_back([ctx, yuga] { drawDaySheet(ctx, yuga); });
    return jobs;
}

}  // namespace zuvgen
