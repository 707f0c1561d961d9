// The cell maps of the dated sheets against the calendars they claim to show, and against
// the pictures themselves.
//
// The Gregorian expectations come from QDate alone, the VRKS ones from the day table text the
// generator wrote; neither reuses the generator's code. The picture checks make sure that a
// map cannot say one thing while the PNG shows another: borders on the grid lines the map
// implies, text centred in the mapped cell, greyed days really grey, and the same text
// looking the same wherever the map says it is printed.

#include "Catalogue.h"
#include "core/SheetGrids.h"

#include <QDate>
#include <QFile>
#include <QHash>
#include <QImage>
#include <QSet>
#include <QTest>
#include <QTextStream>
#include <algorithm>
#include <cmath>
#include <optional>

namespace {

const QString kCellMapDir = QStringLiteral(ZUV_CELLMAP_DIR);

struct MapCell {
    int col = 0;
    int row = 0;
    int span = 1;
    QString key;
    QString text;
};

struct Place {
    QString sheet;
    int col = 0;
    int row = 0;
    QString text;
};

// A dated line of the day table, by its fields.
struct DayRecord {
    QDate date;
    int weekday = 0;
    int dayYear = 0;
    int yearOffset = 0;
    int day = 0;
    int yuga = 0;
};

QStringList gregorianSheets() {
    QStringList names;
    for (int year = 2001; year <= 2049; year += 4) names << QStringLiteral("GS%1").arg(year);
    return names;
}
QStringList yearSheets() {
    QStringList names;
    for (int year = 1921; year <= 2049; year += 4) names << QStringLiteral("VR%1").arg(year);
    return names;
}
QStringList daySheets() {
    QStringList names;
    for (int yuga = 481; yuga <= 512; ++yuga) names << QStringLiteral("VR%1_DAY").arg(yuga);
    return names;
}
QStringList allSheets() {
    return gregorianSheets() + yearSheets() + daySheets() + QStringList{QStringLiteral("VRCALTABLE")};
}

// Grid divisors of a sheet, as the markers use them.
QPair<double, double> gridOf(const QString& sheet) {
    const zuv::SheetGrid g = sheet.startsWith(QLatin1String("GS")) ? zuv::kGregorianSheetGrid
                        : (sheet == QLatin1String("VRCALTABLE") || sheet.endsWith(QLatin1String("_DAY"))) ? zuv::kVrksTableGrid
                                                                                                        : zuv::kVrksYearSheetGrid;
    return {g.columns, g.rows};
}

QString iso(const QDate& date) { return date.toString(Qt::ISODate); }

// The Monday of the week holding 1 January.
QDate firstMonday(int year) {
    const QDate january1(year, 1, 1);
    return january1.addDays(1 - january1.dayOfWeek());
}

int grey(QRgb pixel) { return qGray(pixel); }

}  // namespace

class TestCellMaps : public QObject {
    Q_OBJECT

private:
    QHash<QString, QVector<MapCell>> maps_;
    QVector<DayRecord> dayTable_;

    // The one cell of a sheet with this key; fails the test when there is none or several.
    std::optional<MapCell> unique(const QString& sheet, const QString& key) const {
        std::optional<MapCell> found;
        for (const MapCell& cell : maps_.value(sheet)) {
            if (cell.key != key) continue;
            if (found) return std::nullopt;
            found = cell;
        }
        return found;
    }

    void dateSheetsData() {
        QTest::addColumn<QString>("sheet");
        for (const QString& name : allSheets()) QTest::newRow(qPrintable(name)) << name;
    }

private slots:
    void initTestCase();

    void mapsAreWellFormed_data() { dateSheetsData(); }
    void mapsAreWellFormed();

    void gregorianBands_data();
    void gregorianBands();
    void everyGregorianDayHasOneOwnCell();
    void week53OnlyInTheYearsWithAWholeWeek();
    void gregorianMarkerTargets_data();
    void gregorianMarkerTargets();

    void everyDayTableDateOnItsDaySheet();
    void daySheetLabelsAndFillers_data();
    void daySheetLabelsAndFillers();

    void yearTables_data();
    void yearTables();
    void yugaTable_data();
    void yugaTable();
    void blockOfYugas_data();
    void blockOfYugas();

    void picturesMatchMaps_data() { dateSheetsData(); }
    void picturesMatchMaps();
};

void TestCellMaps::initTestCase() {
    for (const QString& name : allSheets()) {
        QFile file(kCellMapDir + QLatin1Char('/') + name + QStringLiteral(".tsv"));
        QVERIFY2(file.open(QIODevice::ReadOnly), qPrintable(file.fileName()));
        QTextStream in(&file);
        in.setEncoding(QStringConverter::Utf8);
        QVector<MapCell> cells;
        while (!in.atEnd()) {
            const QString line = in.readLine();
            const QStringList f = line.split(QLatin1Char('\t'));
            QVERIFY2(f.size() == 5, qPrintable(name + QStringLiteral(": ") + line));
            bool ok1 = false, ok2 = false, ok3 = false;
            MapCell cell{f[0].toInt(&ok1), f[1].toInt(&ok2), f[2].toInt(&ok3), f[3], f[4]};
            QVERIFY2(ok1 && ok2 && ok3 && cell.span >= 1 && !cell.key.isEmpty(), qPrintable(name + QStringLiteral(": ") + line));
            cells.push_back(cell);
        }
        QVERIFY2(!cells.isEmpty(), qPrintable(name));
        maps_.insert(name, cells);
    }

    QFile table(kCellMapDir + QStringLiteral("/../rcdata/DVRKS"));
    QVERIFY2(table.open(QIODevice::ReadOnly), qPrintable(table.fileName()));
    const QList<QByteArray> lines = table.readAll().split('\n');
    for (QByteArray line : lines) {
        line = line.trimmed();
        const QList<QByteArray> f = line.split(',');
        if (f.size() != 9) continue;  // fillers and the empty tail
        DayRecord r;
        r.date = QDate::fromString(QString::fromLatin1(f[1]), QStringLiteral("dd.MM.yyyy"));
        r.weekday = f[3].toInt();
        r.dayYear = f[5].toInt();
        r.yearOffset = f[6].toInt();
        r.day = f[7].toInt();
        r.yuga = f[8].toInt();
        QVERIFY2(r.date.isValid(), line.constData());
        dayTable_.push_back(r);
    }
    QCOMPARE(dayTable_.size(), 48212);  // 04.03.1921 … 02.03.2053, one dated line a day
}

// Every cell lies inside the whole cells of the grid, no two cells cover the same grid cell,
// and keys are unique (the weekday names repeat once per band on the Gregorian sheets, and
// every filler is just "filler").
void TestCellMaps::mapsAreWellFormed() {
    QFETCH(QString, sheet);
    const auto grid = gridOf(sheet);
    const int columns = int(std::floor(grid.first)), rows = int(std::floor(grid.second));
    QSet<QPair<int, int>> covered;
    QHash<QString, int> keys;
    for (const MapCell& cell : maps_.value(sheet)) {
        QVERIFY2(cell.col >= 0 && cell.row >= 0 && cell.col + cell.span <= columns && cell.row < rows,
                 qPrintable(cell.key));
        for (int c = cell.col; c < cell.col + cell.span; ++c) {
            const QPair<int, int> at(c, cell.row);
            QVERIFY2(!covered.contains(at), qPrintable(QStringLiteral("%1 overlaps at %2,%3").arg(cell.key).arg(c).arg(cell.row)));
            covered.insert(at);
        }
        ++keys[cell.key];
    }
    const bool gregorian = sheet.startsWith(QLatin1String("GS"));
    for (auto it = keys.cbegin(); it != keys.cend(); ++it) {
        if (it.key() == QLatin1String("filler")) continue;
        const int expected = gregorian && it.key().startsWith(QLatin1String("weekday=")) ? 4 : 1;
        QVERIFY2(it.value() == expected, qPrintable(QStringLiteral("%1 occurs %2 times").arg(it.key()).arg(it.value())));
    }
}

// --- Gregorian four-year sheets ---------------------------------------------------------

void TestCellMaps::gregorianBands_data() {
    QTest::addColumn<QString>("sheet");
    QTest::addColumn<int>("firstYear");
    for (int year = 2001; year <= 2049; year += 4) QTest::newRow(qPrintable(QString::number(year))) << QStringLiteral("GS%1").arg(year) << year;
}

// Each band shows its year's weeks Monday to Sunday from the week holding 1 January, with
// the weekday names, the week numbers, the month names and the caption where they belong.
void TestCellMaps::gregorianBands() {
    QFETCH(QString, sheet);
    QFETCH(int, firstYear);
    QHash<QPair<int, int>, MapCell> at;
    for (const MapCell& cell : maps_.value(sheet)) at.insert({cell.col, cell.row}, cell);

    for (int band = 0; band < 4; ++band) {
        const int year = firstYear + band;
        const int top = 2 + 11 * band;
        for (int weekday = 1; weekday <= 7; ++weekday) {
            const MapCell label = at.value({1, top + weekday});
            QCOMPARE(label.key, QStringLiteral("weekday=%1").arg(weekday));
        }
        for (int column = 2; column <= 54; ++column) {
            const QDate monday = firstMonday(year).addDays(7 * (column - 2));
            for (int weekday = 1; weekday <= 7; ++weekday) {
                const QDate day = monday.addDays(weekday - 1);
                const MapCell cell = at.value({column, top + weekday});
                QVERIFY2(cell.key == QStringLiteral("day=") + iso(day) || cell.key == QStringLiteral("grey=") + iso(day),
                         qPrintable(QStringLiteral("%1 band %2 column %3: %4").arg(sheet).arg(band).arg(column).arg(cell.key)));
                QCOMPARE(cell.text, QString::number(day.day()));
                // A day of the band's own year is never greyed in its band.
                if (day.year() == year) QVERIFY2(cell.key.startsWith(QLatin1String("day=")), qPrintable(cell.key));
            }
            const MapCell week = at.value({column, top + 8});
            const bool whole = monday.year() == year && monday.addDays(6).year() == year;
            if (column < 54 || whole) {
                QCOMPARE(week.key, QStringLiteral("week=") + iso(monday));
                QCOMPARE(week.text, QString::number(column - 1));
            } else {
                QVERIFY2(week.key.isEmpty(), qPrintable(week.key));  // the repeated week has no number
            }
        }
        for (int month = 1; month <= 12; ++month) {
            const QDate first(year, month, 1);
            const int column = int(firstMonday(year).daysTo(first) / 7) + 2;
            const int next = month < 12 ? int(firstMonday(year).daysTo(QDate(year, month + 1, 1)) / 7) + 2 : 55;
            const MapCell cell = at.value({column, top});
            QCOMPARE(cell.key, QStringLiteral("month=%1-%2").arg(year).arg(month, 2, 10, QLatin1Char('0')));
            QCOMPARE(cell.span, next - column);  // up to the week in which the next month begins
        }
        const MapCell caption = at.value({1, top + 9});
        QCOMPARE(caption.key, QStringLiteral("caption=%1").arg(year));
        QVERIFY(caption.text.contains(QString::number(year)));
    }
}

// Every day of 2001 … 2052 is shown ungreyed exactly once: in its year's band, weekday row,
// week column counted from the week of 1 January. A 31 December beyond column 54 (a leap year
// beginning on a Sunday) has only the first column of the next year's band.
void TestCellMaps::everyGregorianDayHasOneOwnCell() {
    QHash<QDate, QVector<Place>> own;
    for (const QString& sheet : gregorianSheets())
        for (const MapCell& cell : maps_.value(sheet))
            if (cell.key.startsWith(QLatin1String("day=")))
                own[QDate::fromString(cell.key.mid(4), Qt::ISODate)].push_back({sheet, cell.col, cell.row, cell.text});

    int days = 0;
    for (QDate day(2001, 1, 1); day <= QDate(2052, 12, 31); day = day.addDays(1), ++days) {
        const QVector<Place> places = own.value(day);
        QVERIFY2(places.size() == 1, qPrintable(QStringLiteral("%1 has %2 own cells").arg(iso(day)).arg(places.size())));
        int year = day.year();
        int column = int(firstMonday(year).daysTo(day) / 7) + 2;
        if (column > 54) {
            ++year;
            column = 2;
        }
        const int band = (year - 2001) % 4;
        QCOMPARE(places[0].sheet, QStringLiteral("GS%1").arg(year - band));
        QCOMPARE(places[0].col, column);
        QCOMPARE(places[0].row, 2 + day.dayOfWeek() + 11 * band);
        QCOMPARE(places[0].text, QString::number(day.day()));
    }
    QCOMPARE(own.size(), days);
}

// Week 53 is numbered exactly in the years whose last Monday-to-Sunday week lies wholly inside
// them and falls in the 54th column.
void TestCellMaps::week53OnlyInTheYearsWithAWholeWeek() {
    QSet<int> years;
    for (const QString& sheet : gregorianSheets())
        for (const MapCell& cell : maps_.value(sheet))
            if (cell.key.startsWith(QLatin1String("week=")) && cell.col == 54) {
                QCOMPARE(cell.text, QStringLiteral("53"));
                const QDate monday = QDate::fromString(cell.key.mid(5), Qt::ISODate);
                QCOMPARE(monday.addDays(6).year(), monday.year());
                years.insert(monday.year());
            }
    const QSet<int> expected{2006, 2012, 2017, 2023, 2028, 2034, 2040, 2045, 2051};
    QCOMPARE(years, expected);
}

void TestCellMaps::gregorianMarkerTargets_data() {
    QTest::addColumn<QString>("sheet");
    QTest::addColumn<int>("col");
    QTest::addColumn<int>("row");
    QTest::addColumn<QString>("key");
    // Cells the Gregorian marker outlines for some days: each must show that very day.
    QTest::newRow("01.01.2001") << "GS2001" << 2 << 3 << "day=2001-01-01";
    QTest::newRow("15.03.2005") << "GS2005" << 13 << 4 << "day=2005-03-15";
    QTest::newRow("28.12.2005 in the next band") << "GS2005" << 2 << 16 << "grey=2005-12-28";
    QTest::newRow("30.12.2008 on the next sheet") << "GS2009" << 2 << 4 << "grey=2008-12-30";
    QTest::newRow("31.12.2006 in week 53") << "GS2005" << 54 << 20 << "day=2006-12-31";
    QTest::newRow("30.12.2012 in week 53") << "GS2009" << 54 << 42 << "day=2012-12-30";
    QTest::newRow("31.12.2012 after week 53") << "GS2013" << 2 << 3 << "day=2012-12-31";
    QTest::newRow("24.12.2017 in column 53") << "GS2017" << 53 << 9 << "day=2017-12-24";
    QTest::newRow("25.12.2017 in week 53") << "GS2017" << 54 << 3 << "day=2017-12-25";
    QTest::newRow("31.12.2048 on the last sheet") << "GS2049" << 2 << 6 << "grey=2048-12-31";
    QTest::newRow("31.12.2052, a Tuesday") << "GS2049" << 54 << 37 << "day=2052-12-31";
}

void TestCellMaps::gregorianMarkerTargets() {
    QFETCH(QString, sheet);
    QFETCH(int, col);
    QFETCH(int, row);
    QFETCH(QString, key);
    const std::optional<MapCell> cell = unique(sheet, key);
    QVERIFY2(cell, qPrintable(key));
    QCOMPARE(cell->col, col);
    QCOMPARE(cell->row, row);
}

// --- VRKS day sheets ---------------------------------------------------------------------

// Every dated line up to 02.03.2049 stands once on its yuga's day sheet: the table of its
// year, the row of its VRKS weekday, the column of its week (week 53 for the extra days).
void TestCellMaps::everyDayTableDateOnItsDaySheet() {
    QHash<QDate, QVector<Place>> dates;
    for (const QString& sheet : daySheets())
        for (const MapCell& cell : maps_.value(sheet))
            if (cell.key.startsWith(QLatin1String("date=")))
                dates[QDate::fromString(cell.key.mid(5), Qt::ISODate)].push_back({sheet, cell.col, cell.row, cell.text});

    int count = 0;
    for (const DayRecord& r : dayTable_) {
        if (r.date > QDate(2049, 3, 2)) break;
        ++count;
        const QVector<Place> places = dates.value(r.date);
        QVERIFY2(places.size() == 1, qPrintable(QStringLiteral("%1 on %2 cells").arg(iso(r.date)).arg(places.size())));
        QCOMPARE(places[0].sheet, QStringLiteral("VR%1_DAY").arg(r.yuga));
        QCOMPARE(places[0].col, (r.dayYear - 1) / 7 + 2);
        QCOMPARE(places[0].row, 2 + r.weekday + 11 * (r.yearOffset - 1));
        QCOMPARE(places[0].text, r.date.toString(QStringLiteral("dd.MM")));
    }
    QCOMPARE(count, 46751);  // 04.03.1921 … 02.03.2049
    QCOMPARE(dates.size(), count);  // and no date that is not in the table
}

void TestCellMaps::daySheetLabelsAndFillers_data() {
    QTest::addColumn<int>("yuga");
    for (int yuga = 481; yuga <= 512; ++yuga) QTest::newRow(qPrintable(QString::number(yuga))) << yuga;
}

// Weekday names and week numbers of the four tables; week 53 only in year 4, where the extra
// days are followed by fillers down to Sunday.
void TestCellMaps::daySheetLabelsAndFillers() {
    QFETCH(int, yuga);
    const QString sheet = QStringLiteral("VR%1_DAY").arg(yuga);
    QHash<QPair<int, int>, MapCell> at;
    for (const MapCell& cell : maps_.value(sheet)) at.insert({cell.col, cell.row}, cell);
    for (int year = 1; year <= 4; ++year) {
        const int top = 2 + 11 * (year - 1);
        for (int weekday = 1; weekday <= 7; ++weekday)
            QCOMPARE(at.value({1, top + weekday}).key, QStringLiteral("weekday=%1:%2").arg(year).arg(weekday));
        for (int week = 1; week <= 52; ++week) {
            QCOMPARE(at.value({week + 1, top + 8}).key, QStringLiteral("week=%1:%2").arg(year).arg(week));
            QCOMPARE(at.value({week + 1, top + 8}).text, QString::number(week));
        }
        if (year < 4) {
            for (int row = top; row <= top + 8; ++row) QVERIFY(!at.contains({54, row}));
        }
    }
    QCOMPARE(at.value({54, 43}).key, QStringLiteral("week=4:53"));
    const int extraDays = yuga == 512 ? 4 : 5;
    for (int weekday = 1; weekday <= 7; ++weekday) {
        const MapCell cell = at.value({54, 35 + weekday});
        if (weekday <= extraDays) QVERIFY2(cell.key.startsWith(QLatin1String("date=")), qPrintable(cell.key));
        else QCOMPARE(cell.key, QStringLiteral("filler"));
    }
}

// --- VRKS year sheets and calendar table ---------------------------------------------------

void TestCellMaps::yearTables_data() {
    QTest::addColumn<QString>("sheet");
    for (const QString& name : yearSheets() + QStringList{QStringLiteral("VRCALTABLE")}) QTest::newRow(qPrintable(name)) << name;
}

// The four tables hold every day of the year once, in the same cell of each table, numbered
// as the day of the year, of the month, of the season and of the half-year.
void TestCellMaps::yearTables() {
    QFETCH(QString, sheet);
    for (int t = 1; t <= 4; ++t) {
        const int top = 2 + 11 * (t - 1);
        for (int n = 1; n <= 364; ++n) {
            const QString key = QStringLiteral("t%1:dayyear=%2").arg(t).arg(n);
            const std::optional<MapCell> cell = unique(sheet, key);
            QVERIFY2(cell, qPrintable(key));
            QCOMPARE(cell->col, (n - 1) / 7 + 2);
            QCOMPARE(cell->row, (n - 1) % 7 + 1 + top);
            const int restart[] = {364, 28, 91, 182};
            QCOMPARE(cell->text, QString::number((n - 1) % restart[t - 1] + 1));
        }
        for (int weekday = 1; weekday <= 7; ++weekday) {
            const std::optional<MapCell> cell = unique(sheet, QStringLiteral("t%1:weekday=%2").arg(t).arg(weekday));
            QVERIFY(cell);
            QCOMPARE(cell->col, 1);
            QCOMPARE(cell->row, top + weekday);
        }
        for (int week = 1; week <= 52; ++week) {
            const QString key = (t == 1 ? QString() : QStringLiteral("t%1:").arg(t)) + QStringLiteral("week=%1").arg(week);
            const std::optional<MapCell> cell = unique(sheet, key);
            QVERIFY2(cell, qPrintable(key));
            QCOMPARE(cell->col, week + 1);
            QCOMPARE(cell->row, top + 8);
            QCOMPARE(cell->text, QString::number(week));
        }
    }
    // Column 54 stays empty in the four tables: the year has 52 weeks.
    for (const MapCell& cell : maps_.value(sheet))
        if (cell.row >= 2 && cell.row <= 44) QVERIFY2(cell.col + cell.span - 1 < 54, qPrintable(cell.key));
}

void TestCellMaps::yugaTable_data() {
    QTest::addColumn<int>("yuga");
    for (int yuga = 481; yuga <= 513; ++yuga) QTest::newRow(qPrintable(QString::number(yuga))) << yuga;
}

// Table 6 (table 7, 21 columns further right, for yuga 512): seasons, extra days and years,
// the extra days showing their Gregorian dates from the day table.
void TestCellMaps::yugaTable() {
    QFETCH(int, yuga);
    const QString sheet = QStringLiteral("VR%1").arg(1921 + 4 * (yuga - 481));
    const int o = yuga == 512 ? 21 : 0;
    const auto expectCell = [&](const QString& key, int col, int row, int span) {
        const std::optional<MapCell> cell = unique(sheet, key);
        QVERIFY2(cell, qPrintable(key));
        QCOMPARE(cell->col, col);
        QCOMPARE(cell->row, row);
        QCOMPARE(cell->span, span);
    };
    for (int year = 1; year <= 4; ++year) {
        for (int season = 1; season <= 4; ++season)
            expectCell(QStringLiteral("season=%1:%2").arg(year).arg(season), 5 + 4 * year + season + o, 47, 1);
        expectCell(QStringLiteral("year=%1").arg(year), 6 + 4 * year + o, 55, 4);
    }
    expectCell(QStringLiteral("extraheader"), 26 + o, 47, 1);
    expectCell(QStringLiteral("extrayear"), 26 + o, 55, 1);

    QVector<DayRecord> extras;
    for (const DayRecord& r : dayTable_)
        if (r.yuga == yuga && r.dayYear > 364) extras.push_back(r);
    QCOMPARE(extras.size(), yuga == 512 ? 4 : 5);
    for (const DayRecord& r : extras) {
        const int extra = r.dayYear - 364;
        const QString key = QStringLiteral("extraday=%1").arg(extra);
        expectCell(key, 26 + o, 47 + extra, 1);
        QCOMPARE(unique(sheet, key)->text, r.date.toString(QStringLiteral("dd.MM")));
        QCOMPARE(r.weekday, extra);  // so extra day E stands in weekday row E
    }
    QVERIFY(!unique(sheet, QStringLiteral("extraday=%1").arg(extras.size() + 1)));
}

void TestCellMaps::blockOfYugas_data() {
    QTest::addColumn<QString>("sheet");
    for (const QString& name : yearSheets()) QTest::newRow(qPrintable(name)) << name;
}

// Table 9, the same on every year sheet: the years of yugas 481 – 484 and 509 – 512 in
// row 69 with their extra-day columns, the shared cell of yugas 485 – 508.
void TestCellMaps::blockOfYugas() {
    QFETCH(QString, sheet);
    const auto expectCell = [&](const QString& key, int col, int row, int span) {
        const std::optional<MapCell> cell = unique(sheet, key);
        QVERIFY2(cell, qPrintable(key));
        QCOMPARE(cell->col, col);
        QCOMPARE(cell->row, row);
        QCOMPARE(cell->span, span);
    };
    const QPair<int, int> groups[] = {{481, 3}, {482, 9}, {483, 15}, {484, 21}, {509, 31}, {510, 37}, {511, 43}, {512, 49}};
    for (const auto& group : groups) {
        const int yuga = group.first, base = group.second;
        for (int year = 1; year <= 4; ++year) expectCell(QStringLiteral("block:year=%1:%2").arg(yuga).arg(year), base + year - 1, 69, 1);
        expectCell(QStringLiteral("block:extrayear=%1").arg(yuga), base + 4, 69, 2);
        expectCell(QStringLiteral("block:extraheader=%1").arg(yuga), base + 4, 61, 2);
        const int lastDay = yuga == 512 ? 1460 : 1461;
        for (int day = 1457; day <= 1463; ++day) {
            const QString key = QStringLiteral("block:extraday=%1:%2").arg(yuga).arg(day);
            if (day <= lastDay) expectCell(key, base + 4, day - 1395, 2);
            else QVERIFY2(!unique(sheet, key), qPrintable(key));
        }
    }
    expectCell(QStringLiteral("block:shared"), 27, 69, 4);
}

// --- Pictures ---------------------------------------------------------------------------

// The picture has its catalogue size, and what the map says is visible where it says so.
void TestCellMaps::picturesMatchMaps() {
    QFETCH(QString, sheet);
    QImage image(kCellMapDir + QStringLiteral("/../rcdata/") + sheet + QStringLiteral(".png"));
    QVERIFY2(!image.isNull(), qPrintable(sheet));
    const zuv::CatalogueEntry* entry = zuv::findCatalogueEntry(sheet);
    QVERIFY(entry);
    QCOMPARE(image.size(), QSize(entry->width, entry->height));
    QCOMPARE(image.hasAlphaChannel(), entry->kind == zuv::ResourceKind::PngRgba);
    image = image.convertToFormat(QImage::Format_RGB32);

    const auto grid = gridOf(sheet);
    const double cw = image.width() / grid.first, ch = image.height() / grid.second;
    // Read through the raw rows: a call into Qt for every pixel made this the slowest suite.
    const uchar* rows = image.constBits();
    const qsizetype stride = image.bytesPerLine();
    const auto px = [&](int x, int y) { return grey(reinterpret_cast<const QRgb*>(rows + y * stride)[x]); };
    const auto gx = [&](int col) { return int(std::nearbyint(col * cw)); };
    const auto gy = [&](int row) { return int(std::nearbyint(row * ch)); };

    QHash<QString, QVector<int>> widthsByText;  // kind of cell + text → ink widths
    int palestOwnDay = 0, darkestGreyDay = 255;  // by the darkest ink pixel of each cell
    for (const MapCell& cell : maps_.value(sheet)) {
        if (cell.key == QLatin1String("title") || cell.key.contains(QLatin1String("caption"))) continue;
        const int x0 = gx(cell.col), x1 = gx(cell.col + cell.span), y0 = gy(cell.row), y1 = gy(cell.row + 1);
        QVERIFY2(x1 < image.width() && y1 < image.height(), qPrintable(cell.key));
        // The paper: the lightest of the interior's corners (a hatched cell has lines through some).
        const int paper = std::max({px(x0 + 2, y0 + 2), px(x1 - 2, y0 + 2), px(x0 + 2, y1 - 2), px(x1 - 2, y1 - 2)});
        const int midX = (x0 + x1) / 2, midY = (y0 + y1) / 2;
        // The four borders lie on the grid lines the map implies.
        for (const int border : {px(x0, midY), px(x1, midY), px(midX, y0), px(midX, y1)})
            QVERIFY2(border < paper - 40,
                     qPrintable(QStringLiteral("%1 %2: border %3, paper %4").arg(sheet, cell.key).arg(border).arg(paper)));

        // The ink inside the cell.
        int left = x1, right = x0, top = y1, bottom = y0, darkest = 255;
        for (int y = y0 + 3; y <= y1 - 3; ++y)
            for (int x = x0 + 3; x <= x1 - 3; ++x) {
                const int v = px(x, y);
                if (v > paper - 40) continue;
                left = std::min(left, x), right = std::max(right, x);
                top = std::min(top, y), bottom = std::max(bottom, y);
                darkest = std::min(darkest, v);
            }
        if (cell.key == QLatin1String("filler") || cell.key.startsWith(QLatin1String("block:filler"))) {
            QVERIFY2(darkest > 150, qPrintable(cell.key));  // hatching only, no text
            continue;
        }
        if (cell.text.isEmpty()) continue;
        QVERIFY2(left <= right, qPrintable(QStringLiteral("%1 %2: no text visible").arg(sheet, cell.key)));
        const double inkX = (left + right) / 2.0, inkY = (top + bottom) / 2.0;
        QVERIFY2(std::abs(inkX - (x0 + x1) / 2.0) <= 3 && std::abs(inkY - (y0 + y1) / 2.0) <= 4,
                 qPrintable(QStringLiteral("%1 %2: text not centred").arg(sheet, cell.key)));

        const QString kind = cell.key.section(QLatin1Char('='), 0, 0);
        widthsByText[kind + QLatin1Char('|') + cell.text].push_back(right - left + 1);
        if (kind == QLatin1String("day")) palestOwnDay = std::max(palestOwnDay, darkest);
        if (kind == QLatin1String("grey")) darkestGreyDay = std::min(darkestGreyDay, darkest);
    }

    // The same text in the same kind of cell has the same width wherever the map puts it: a
    // map that names the wrong text for a cell would show up as an odd width.
    for (auto it = widthsByText.cbegin(); it != widthsByText.cend(); ++it) {
        const auto [lo, hi] = std::minmax_element(it.value().cbegin(), it.value().cend());
        QVERIFY2(*hi - *lo <= 2, qPrintable(QStringLiteral("%1 \"%2\": ink widths %3 … %4").arg(sheet, it.key()).arg(*lo).arg(*hi)));
    }
    // Greyed days are printed clearly lighter than every day of a band's own year.
    if (sheet.startsWith(QLatin1String("GS")))
        QVERIFY2(palestOwnDay + 40 < darkestGreyDay,
                 qPrintable(QStringLiteral("own days down to %1, grey days down to %2").arg(palestOwnDay).arg(darkestGreyDay)));
}

QTEST_GUILESS_MAIN(TestCellMaps)
#include "tst_cellmaps.moc"
