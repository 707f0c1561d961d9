// The cell under the pointer against the generator's cell maps: every cell of every dated
// sheet that shows a day, a day of the VRKS year or an extra day is found again from the
// centre of its outline in views of three sizes and means what its map key says; every other
// mapped cell means nothing. The expected days come from the map keys and the day table's
// lines, not from the arithmetic under test.
#include "Catalogue.h"
#include "core/DayTable.h"
#include "core/MarkerGeometry.h"
#include "core/SheetCells.h"

#include <QDir>
#include <QFile>
#include <QHash>
#include <QRegularExpression>
#include <QtTest>

using namespace zuv;

namespace {

struct MapCell {
    GridCell cell;
    QString key;
};

QStringList datedSheets() {
    QStringList names{QStringLiteral("VRCALTABLE")};
    for (int year = 2001; year <= 2049; year += 4) names << QStringLiteral("GS%1").arg(year);
    for (int year = 1921; year <= 2049; year += 4) names << QStringLiteral("VR%1").arg(year);
    for (int yuga = 481; yuga <= 512; ++yuga) names << QStringLiteral("VR%1_DAY").arg(yuga);
    return names;
}

MarkGrid gridOf(const QString& sheet) {
    if (sheet.startsWith(QLatin1String("GS"))) return gksGrid();
    if (sheet == QLatin1String("VRCALTABLE") || sheet.endsWith(QLatin1String("_DAY"))) return vrksTableGrid();
    return vrksYearGrid();
}

QString cellText(const GridCell& c) { return QStringLiteral("(%1,%2)").arg(c.col).arg(c.row); }

QString meaningText(const CellMeaning& m) {
    return QStringLiteral("day %1, day of the year %2, extra day %3").arg(m.day.toString(Qt::ISODate)).arg(m.dayOfYear).arg(m.extraDay);
}

}  // namespace

class TestSheetCells : public QObject {
    Q_OBJECT
    QStringList dayTable;
    QHash<QPair<int, int>, QDate> dateOfYugaDay;  // (yuga, day of the yuga) → date, from the table's lines

    // What a map key says the cell shows, on a sheet of yuga `sheetYuga` (0 for the others).
    CellMeaning meaningOfKey(const QString& key, int sheetYuga) const {
        static const QRegularExpression dayKey(QStringLiteral("^(?:day|grey|date)=(.+)$"));
        static const QRegularExpression tableKey(QStringLiteral("^t[1-4]:dayyear=(\\d+)$"));
        static const QRegularExpression extraKey(QStringLiteral("^extraday=(\\d)$"));
        static const QRegularExpression blockKey(QStringLiteral("^block:extraday=(\\d+):(\\d+)$"));
        constexpr int daysBeforeExtraDays = 4 * 364;
        QRegularExpressionMatch m;
        if ((m = dayKey.match(key)).hasMatch()) return {QDate::fromString(m.captured(1), Qt::ISODate)};
        if ((m = tableKey.match(key)).hasMatch()) return {QDate(), m.captured(1).toInt()};
        if ((m = extraKey.match(key)).hasMatch()) {
            const int extra = m.captured(1).toInt();
            return {dateOfYugaDay.value({sheetYuga, daysBeforeExtraDays + extra}), 0, extra};
        }
        if ((m = blockKey.match(key)).hasMatch()) {
            const int yuga = m.captured(1).toInt(), day = m.captured(2).toInt();
            return {dateOfYugaDay.value({yuga, day}), 0, day - daysBeforeExtraDays};
        }
        return {};
    }

    static std::vector<MapCell> loadMap(const QString& sheet) {
        std::vector<MapCell> cells;
        QFile file(QDir(QStringLiteral(ZUV_CELLMAP_DIR)).filePath(sheet + QStringLiteral(".tsv")));
        if (!file.open(QIODevice::ReadOnly | QIODevice::Text)) return cells;
        while (!file.atEnd()) {
            const QStringList f = QString::fromUtf8(file.readLine()).split(QLatin1Char('\t'));
            if (f.size() >= 4) cells.push_back({{f[0].toInt(), f[1].toInt(), f[2].toInt()}, f[3]});
        }
        return cells;
    }

private slots:
    void initTestCase() {
        dayTable = splitDayTableLines(generateDayTableText());
        for (const QString& line : dayTable) {
            const QStringList f = line.split(QLatin1Char(','));
            if (f.size() == 9)
                dateOfYugaDay.insert({f[8].toInt(), f[7].toInt()}, QDate::fromString(f[1], QStringLiteral("dd.MM.yyyy")));
        }
    }

    void everyMappedCell_data() {
        QTest::addColumn<QString>("sheet");
        for (const QString& sheet : datedSheets()) QTest::newRow(qPrintable(sheet)) << sheet;
    }

    void everyMappedCell() {
        QFETCH(QString, sheet);
        const CatalogueEntry* entry = findCatalogueEntry(sheet);
        QVERIFY(entry);
        const std::vector<MapCell> map = loadMap(sheet);
        QVERIFY2(!map.empty(), qPrintable(QStringLiteral("no cell map for %1 in %2").arg(sheet, ZUV_CELLMAP_DIR)));
        static const QRegularExpression yearSheet(QStringLiteral("^VR(\\d{4})$"));
        const QRegularExpressionMatch year = yearSheet.match(sheet);
        const int sheetYuga = year.hasMatch() ? 481 + (year.captured(1).toInt() - 1921) / 4 : 0;
        const MarkGrid grid = gridOf(sheet);
        const QSize views[] = {{637, 417}, {1917, 970}, {3834, 1940}};

        int dayCells = 0;
        for (const MapCell& mapped : map) {
            const CellMeaning expected = meaningOfKey(mapped.key, sheetYuga);
            dayCells += !expected.isEmpty();
            // A cell two columns wide means the same under either of them.
            for (int col = mapped.cell.col; col < mapped.cell.col + mapped.cell.span; ++col) {
                const GridCell cell{col, mapped.cell.row};
                const CellMeaning got = cellMeaning(sheet.toLower(), cell, dayTable);
                QVERIFY2(got == expected, qPrintable(QStringLiteral("%1 %2 %3: %4, want %5")
                                                         .arg(sheet, mapped.key, cellText(cell), meaningText(got), meaningText(expected))));
                for (const QSize& view : views) {
                    const SheetPlacement placement = placeSheet(view.width(), view.height(), entry->width, entry->height);
                    const QPointF centre = QRectF(markRect(placement, grid, cell)).center();
                    const std::optional<GridCell> under = cellAt(placement, grid, centre);
                    QVERIFY2(under && *under == cell, qPrintable(QStringLiteral("%1 %2 in %3×%4: found %5")
                                                                     .arg(sheet, cellText(cell)).arg(view.width()).arg(view.height())
                                                                     .arg(under ? cellText(*under) : QStringLiteral("nothing"))));
                }
            }
        }
        QVERIFY2(dayCells >= 364, qPrintable(QString::number(dayCells)));  // the map's day keys were recognised
    }

    // The drawn sheet's edges: a year sheet stands between empty strips left and right of a
    // wide view, a Gregorian sheet between strips above and below.
    void offTheSheet_data() {
        QTest::addColumn<QString>("sheet");
        QTest::addColumn<QPointF>("fromTopLeft");  // view pixels from the drawn sheet's top-left; negative: before it
        QTest::addColumn<bool>("fromFarEdge");     // measured back from the bottom-right corner instead
        QTest::addColumn<QString>("cell");         // empty: none
        QTest::newRow("year sheet, left strip") << "VR1921" << QPointF(-0.5, 300) << false << "";
        QTest::newRow("year sheet, first cell") << "VR1921" << QPointF(0, 0) << false << "(0,0)";
        QTest::newRow("year sheet, last cell") << "VR1921" << QPointF(-0.01, -0.01) << true << "(55,73)";
        QTest::newRow("year sheet, right strip") << "VR1921" << QPointF(0, -1) << true << "";
        QTest::newRow("Gregorian sheet, strip above") << "GS2001" << QPointF(100, -0.5) << false << "";
        QTest::newRow("Gregorian sheet, last cell") << "GS2001" << QPointF(-0.01, -0.01) << true << "(55,45)";
        QTest::newRow("Gregorian sheet, strip below") << "GS2001" << QPointF(-1, 0) << true << "";
    }

    void offTheSheet() {
        QFETCH(QString, sheet);
        QFETCH(QPointF, fromTopLeft);
        QFETCH(bool, fromFarEdge);
        QFETCH(QString, cell);
        const CatalogueEntry* entry = findCatalogueEntry(sheet);
        QVERIFY(entry);
        const SheetPlacement p = placeSheet(1917, 970, entry->width, entry->height);
        const QPointF origin = fromFarEdge ? QPointF(p.posX + p.drawnWidth, p.posY + p.drawnHeight) : QPointF(p.posX, p.posY);
        const std::optional<GridCell> found = cellAt(p, gridOf(sheet), origin + fromTopLeft);
        QCOMPARE(found ? cellText(*found) : QString(), cell);
    }

    // Names that are not dated sheets mean nothing, whatever the cell.
    void otherSheetsMeanNothing() {
        for (const char* sheet : {"mainvrks", "gs2002", "vr1922", "vr480_day"})
            for (const GridCell cell : {GridCell{2, 3}, GridCell{26, 48}, GridCell{7, 62}})
                QVERIFY2(cellMeaning(QString::fromLatin1(sheet), cell, dayTable).isEmpty(), sheet);
    }
};

QTEST_GUILESS_MAIN(TestSheetCells)
#include "tst_sheetcells.moc"
