// The VRKS year sheets VR1921 … VR2049, one per yuga 481 … 513: the four tables of the year,
// the table of the yuga (moved 21 columns right for yuga 512) and the block of yugas.

#include "kit/Formatting.h"

#include "core/SheetGrids.h"
#include "sheets/DatedSheets.h"
#include "sheets/SheetParts.h"
#include "sheets/VrksSheets.h"

namespace zuvgen {

namespace {


// The yugas drawn one by one in the block, with the first column of their group.
struct BlockGroup {
    int yuga;
    int base;
};
constexpr BlockGroup kBlockGroups[] = {{481, 3}, {482, 9}, {483, 15}, {484, 21},
                                       {509, 31}, {510, 37}, {511, 43}, {512, 49}};

QString sheetName(int yuga) { return QStringLiteral("VR%1").arg(1921 + 4 * (yuga - 481)); }

// Tables 1 – 4 are the same on every year sheet: drawn once, copied for each yuga.
struct YearTemplate {
    QImage image;
    std::vector<Cell> cells;
};

const YearTemplate& yearTemplate() {
    static const YearTemplate drawn = [] {
        const QSize size = catalogueSize(sheetName(481));
        SheetCanvas sheet(size.width(), size.height(), zuv::kVrksYearSheetGrid.columns, zuv::kVrksYearSheetGrid.rows);
        drawYearTables(sheet);
        YearTemplate result;
        result.cells = sheet.cells();
        result.image = sheet.finish();
        return result;
    }();
    return drawn;
}

CellStyle extraStyle() {
    CellStyle style;
    style.paper = sheetpalette::extraPaper;
    style.ink = sheetpalette::extraInk;
    style.pixelSize = 18;
    return style;
}

CellStyle fillerStyle() {
    CellStyle style;
    style.hatched = true;
    return style;
}

// The heading over a table: the caption style, a little larger.
CellStyle headingStyle() {
    CellStyle style = tableCaptionStyle();
    style.pixelSize = 21;
    return style;
}

QString twoYears(const QDate& from, const QDate& to) {
    return QStringLiteral("%1/%2").arg(from.year()).arg(padded(to.year() % 100, 2));
}

// Table 6 (table 7 for yuga 512, o = 21): seasons in row 47, the extra days in rows 48 – 52
// of column 26 + o, the years in row 55.
void drawYugaTable(SheetCanvas& sheet, const QStringList& lines, int yuga) {
    using namespace sheetpalette;
    const int o = yuga == 512 ? 21 : 0;
    const int extraColumn = 26 + o;
    const int extraDays = yugaDays(lines, yuga) - 1456;

    sheet.text(QRect(sheet.x(9 + o), sheet.y(45), sheet.x(27 + o) - sheet.x(9 + o), sheet.y(47) - sheet.y(45)),
               QStringLiteral("Юга %1: сезоны, годы и дополнительные дни").arg(yuga), headingStyle());

    sheet.cell(9 + o, 47, 1, QString(), QStringLiteral("сезон"), headerCellStyle(13));
    for (int weekday = 1; weekday <= 7; ++weekday) {
        sheet.cell(9 + o, 47 + weekday, 1, QString(), weekdayShort(weekday), weekdayNameStyle(weekday));
    }
    sheet.cell(9 + o, 55, 1, QString(), QStringLiteral("год"), headerCellStyle(14));

    for (int year = 1; year <= 4; ++year) {
        for (int season = 1; season <= 4; ++season) {
            const int column = 5 + 4 * year + season + o;
            sheet.cell(column, 47, 1, QStringLiteral("season=%1:%2").arg(year).arg(season), romanNumeral(season),
                       headerCellStyle());
            // Below the season: its Gregorian span.
            const int firstDay = 364 * (year - 1) + 91 * (season - 1) + 1;
            const QDate from = yugaDate(lines, yuga, firstDay), to = yugaDate(lines, yuga, firstDay + 90);
            CellStyle spanStyle;
            spanStyle.pixelSize = 15;
            spanStyle.paper = year % 2 == 0 ? tint : paper;
            sheet.cell(column, 48, 1, QString(),
                       QStringLiteral("%1\n%2\n–\n%3\n%4")
                           .arg(dayMonth(from)).arg(from.year()).arg(dayMonth(to)).arg(to.year()),
                       spanStyle, 7);
        }
        const QDate from = yugaDate(lines, yuga, 364 * (year - 1) + 1), to = yugaDate(lines, yuga, 364 * year);
        sheet.cell(6 + 4 * year + o, 55, 4, QStringLiteral("year=%1").arg(year),
                   QStringLiteral("%1 год · %2").arg(ordinal(year), twoYears(from, to)), headerCellStyle(16));
    }

    sheet.cell(extraColumn, 47, 1, QStringLiteral("extraheader"), QStringLiteral("доп."), headerCellStyle(15));
    for (int extra = 1; extra <= 7; ++extra) {
        if (extra <= extraDays)
            sheet.cell(extraColumn, 47 + extra, 1, QStringLiteral("extraday=%1").arg(extra),
                       dayMonth(yugaDate(lines, yuga, 1456 + extra)), extraStyle());
        else
            sheet.cell(extraColumn, 47 + extra, 1, QStringLiteral("filler"), QString(), fillerStyle());
    }
    sheet.cell(extraColumn, 55, 1, QStringLiteral("extrayear"), QStringLiteral("%1 дн.").arg(extraDays),
               headerCellStyle(15));

    sheet.frame(9 + o, 47, 27 + o, 56);
    for (int column = 10; column <= 26; column += 4) sheet.separator(column + o, 47, 56);
}

// The yuga in figures, beside its table.
void drawYugaSummary(SheetCanvas& sheet, const QStringList& lines, int yuga) {
    const int days = yugaDays(lines, yuga);
    const int extraDays = days - 1456;
    const QDate start = yugaDate(lines, yuga, 1), end = yugaDate(lines, yuga, days);
    QStringList text;
    text << QStringLiteral("Юга %1: %2 – %3, %4 %5")
                .arg(yuga).arg(dotted(start), dotted(end)).arg(days)
                .arg(pluralRu(days, QStringLiteral("день"), QStringLiteral("дня"), QStringLiteral("дней")));
    for (int year = 1; year <= 4; ++year) {
        const int first = 364 * (year - 1) + 1, last = year < 4 ? 364 * year : days;
        QString line = QStringLiteral("%1 год: %2 – %3, 364 дня")
                           .arg(ordinal(year), dotted(yugaDate(lines, yuga, first)),
                                dotted(yugaDate(lines, yuga, last)));
        if (year == 4) line += QStringLiteral(" и %1 %2").arg(extraDays).arg(pluralRu(extraDays, QStringLiteral("дополнительный"), QStringLiteral("дополнительных"), QStringLiteral("дополнительных")));
        text << line;
    }
    text << QStringLiteral("Дополнительные дни (дни юги 1457 – %1): %2 – %3")
                .arg(days).arg(dotted(yugaDate(lines, yuga, 1457)), dotted(end));
    text << QStringLiteral("Неделя — 7 дней, месяц — 28, сезон — 91, год — 364.");

    const bool right = yuga != 512;
    const int col0 = right ? 29 : 2, col1 = right ? 55 : 29;
    const QRect area(sheet.x(col0), sheet.y(47), sheet.x(col1) - sheet.x(col0), sheet.y(56) - sheet.y(47));
    CellStyle style;
    style.ink = sheetpalette::ink;
    style.pixelSize = 19;
    sheet.text(area.adjusted(12, 0, -12, 0), text.join(QLatin1Char('\n')), style, Qt::AlignLeft | Qt::AlignVCenter);
}

// Table 9: the block of yugas 481 – 512, years in row 69, extra days above them.
void drawBlock(SheetCanvas& sheet, const QStringList& lines, int sheetYuga) {
    using namespace sheetpalette;
    sheet.text(QRect(sheet.x(2), sheet.y(59), sheet.x(55) - sheet.x(2), sheet.y(61) - sheet.y(59)),
               QStringLiteral("Блок юг 481 – 512: годы и дополнительные дни"), headingStyle());

    sheet.cell(2, 61, 1, QString(), QString(), headerCellStyle());
    for (int weekday = 1; weekday <= 7; ++weekday) {
        sheet.cell(2, 61 + weekday, 1, QString(), weekdayShort(weekday), weekdayNameStyle(weekday));
    }
    sheet.cell(2, 69, 1, QString(), QStringLiteral("год"), headerCellStyle(14));

    for (const BlockGroup& group : kBlockGroups) {
        const int yuga = group.yuga, base = group.base;
        const int days = yugaDays(lines, yuga);
        const bool own = yuga == sheetYuga;
        CellStyle nameStyle = headerCellStyle();
        if (own) nameStyle.paper = highlight;
        sheet.cell(base, 61, 4, QStringLiteral("block:yuga=%1").arg(yuga), QStringLiteral("юга %1").arg(yuga),
                   nameStyle);
        CellStyle spanStyle;
        spanStyle.pixelSize = 16;
        spanStyle.paper = own ? highlight : paper;
        sheet.cell(base, 62, 4, QString(),
                   QStringLiteral("%1 –\n%2\n\n%3 %4")
                       .arg(dotted(yugaDate(lines, yuga, 1)), dotted(yugaDate(lines, yuga, days)))
                       .arg(days).arg(pluralRu(days, QStringLiteral("день"), QStringLiteral("дня"), QStringLiteral("дней"))),
                   spanStyle, 7);
        for (int year = 1; year <= 4; ++year) {
            CellStyle yearStyle = headerCellStyle(16);
            if (own) yearStyle.paper = highlight;
            sheet.cell(base + year - 1, 69, 1, QStringLiteral("block:year=%1:%2").arg(yuga).arg(year),
                       QString::number(yugaDate(lines, yuga, 364 * (year - 1) + 1).year()), yearStyle);
        }
        sheet.cell(base + 4, 61, 2, QStringLiteral("block:extraheader=%1").arg(yuga), QStringLiteral("доп. дни"),
                   headerCellStyle(15));
        for (int day = 1457; day <= 1463; ++day) {
            const int row = day - 1395;
            if (day <= days)
                sheet.cell(base + 4, row, 2, QStringLiteral("block:extraday=%1:%2").arg(yuga).arg(day),
                           dayMonth(yugaDate(lines, yuga, day)), extraStyle());
            else
                sheet.cell(base + 4, row, 2, QStringLiteral("block:filler=%1:%2").arg(yuga).arg(day), QString(),
                           fillerStyle());
        }
        sheet.cell(base + 4, 69, 2, QStringLiteral("block:extrayear=%1").arg(yuga),
                   QString::number(yugaDate(lines, yuga, 1457).year()), headerCellStyle(16));
        sheet.separator(base, 61, 70);
        sheet.separator(base + 4, 61, 70);
    }

    // Yugas 485 – 508 share one column group.
    const bool ownShared = sheetYuga >= 485 && sheetYuga <= 508;
    CellStyle sharedName = headerCellStyle();
    if (ownShared) sharedName.paper = highlight;
    sheet.cell(27, 61, 4, QString(), QStringLiteral("юги 485 – 508"), sharedName);
    CellStyle sharedSpan;
    sharedSpan.pixelSize = 16;
    sharedSpan.paper = ownShared ? highlight : paper;
    QString sharedText = QStringLiteral("24 юги\n%1 –\n%2")
                             .arg(dotted(yugaDate(lines, 485, 1)), dotted(yugaDate(lines, 508, yugaDays(lines, 508))));
    if (ownShared) sharedText += QStringLiteral("\n\nна этом листе —\nюга %1").arg(sheetYuga);
    sheet.cell(27, 62, 4, QString(), sharedText, sharedSpan, 7);
    CellStyle sharedYear = headerCellStyle(16);
    if (ownShared) sharedYear.paper = highlight;
    sheet.cell(27, 69, 4, QStringLiteral("block:shared"),
               QStringLiteral("%1 – %2").arg(yugaDate(lines, 485, 1).year()).arg(yugaDate(lines, 508, 1457).year()),
               sharedYear);
    sheet.separator(27, 61, 70);
    sheet.separator(31, 61, 70);
    sheet.frame(2, 61, 55, 70);

    CellStyle noteStyle;
    noteStyle.ink = sheetpalette::muted;
    noteStyle.pixelSize = 17;
    sheet.text(QRect(sheet.x(2), sheet.y(70), sheet.x(55) - sheet.x(2), sheet.y(73) - sheet.y(70)),
               QStringLiteral("В каждой юге четыре года по 364 дня, а за четвёртым годом идут дополнительные дни: "
                              "пять, в юге 512 — четыре.\nЮги 485 – 508 устроены так же и показаны в блоке одной общей "
                              "клеткой; в строке годов — григорианский год, в котором начинается год юги."),
               noteStyle);
}

void drawYearSheet(const Context& ctx, int yuga) {
    const QString name = sheetName(yuga);
    const YearTemplate& base = yearTemplate();
    SheetCanvas sheet(base.image, zuv::kVrksYearSheetGrid.columns, zuv::kVrksYearSheetGrid.rows, base.cells);
    const QStringList& lines = ctx.dayTableLines;
    drawSheetTitle(sheet, 1, 55,
                   QStringLiteral("Варийская календарная система · юга %1 · %2").arg(yuga).arg(yugaSpanText(lines, yuga)),
                   QStringLiteral("Таблицы 1 – 4: один год из 364 дней, пронумерованный четырьмя способами;\n"
                                  "день года стоит в одной и той же клетке всех четырёх таблиц."));
    drawYugaTable(sheet, lines, yuga);
    drawYugaSummary(sheet, lines, yuga);
    drawBlock(sheet, lines, yuga);
    saveSheet(ctx, name, sheet);
}

}  // namespace

std::vector<Job> vrksYearSheetJobs(const Context& ctx) {
    std::vector<Job> jobs;
    for (int yuga = 481; yuga <= 513; ++yuga) jobs.push_back([ctx, yuga] { drawYearSheet(ctx, yuga); });
    return jobs;
}

}  // namespace zuvgen
