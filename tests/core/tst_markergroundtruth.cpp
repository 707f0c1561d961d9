// Every day of every marker's range against the pictures themselves: the cells a marker
// outlines must be exactly the cells that, by the generator's cell maps, show that day, its
// weekday name and its week number (and on the VRKS year sheets its season, year and place in
// the block of yugas). The maps come from the generator's own calendar drawing, not from the
// markers' arithmetic.
#include "core/DayTable.h"
#include "core/MarkerGeometry.h"

#include <QDir>
#include <QFile>
#include <QHash>
#include <QtTest>
#include <algorithm>
#include <map>
#include <tuple>

using namespace zuv;

namespace {

using Cell = std::tuple<int, int, int>;  // col, row, span

QString cellText(const Cell& c) {
    return QStringLiteral("(%1,%2)").arg(std::get<0>(c)).arg(std::get<1>(c)) +
           (std::get<2>(c) == 1 ? QString() : QStringLiteral("x%1").arg(std::get<2>(c)));
}

QString cellsText(const std::vector<Cell>& cells) {
    QStringList parts;
    for (const Cell& c : cells) parts << cellText(c);
    return parts.join(QLatin1Char(' '));
}

QString iso(const QDate& d) { return d.toString(Qt::ISODate); }

// One sheet's cell map: for every key the cells that carry it.
struct CellMap {
    QHash<QString, std::vector<Cell>> byKey;
    std::map<int, std::vector<std::pair<int, QString>>> weekRowsByColumn;  // col → (row, key) of week= cells

    std::vector<Cell> cells(const QString& key) const { return byKey.value(key); }
};

// Loads <dir>/<NAME>.tsv; on failure returns false with a reason.
bool loadCellMap(const QString& name, CellMap& map, QString& error) {
    const QString path = QDir(QStringLiteral(ZUV_CELLMAP_DIR)).filePath(name + QStringLiteral(".tsv"));
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text)) {
        error = QStringLiteral("cell map %1 is missing: the picture generator has not written the cell "
                               "maps of the dated sheets (they come with the target zuv_generated_resources)")
                    .arg(path);
        return false;
    }
    int lineNumber = 0;
    while (!file.atEnd()) {
        QString line = QString::fromUtf8(file.readLine());
        while (line.endsWith(QLatin1Char('\n')) || line.endsWith(QLatin1Char('\r'))) line.chop(1);
        ++lineNumber;
        if (line.isEmpty()) continue;
        const QStringList f = line.split(QLatin1Char('\t'));
        bool okCol = false, okRow = false, okSpan = false;
        const int col = f.value(0).toInt(&okCol);
        const int row = f.value(1).toInt(&okRow);
        const int span = f.value(2).toInt(&okSpan);
        if (f.size() < 4 || !okCol || !okRow || !okSpan || f.at(3).isEmpty()) {
            error = QStringLiteral("%1:%2: not \"col<TAB>row<TAB>span<TAB>key<TAB>text\": %3")
                        .arg(path).arg(lineNumber).arg(line);
            return false;
        }
        const QString& key = f.at(3);
        map.byKey[key].push_back({col, row, span});
        if (key.startsWith(QLatin1String("week="))) map.weekRowsByColumn[col].push_back({row, key});
    }
    for (auto& [col, rows] : map.weekRowsByColumn) std::sort(rows.begin(), rows.end());
    if (map.byKey.isEmpty()) {
        error = QStringLiteral("cell map %1 is empty").arg(path);
        return false;
    }
    return true;
}

// Collects mismatches over a whole range and reports the first few.
struct Mismatches {
    int count = 0;
    QStringList first;
    void add(const QString& what) {
        if (++count <= 12) first << what;
    }
    QString report(const char* marker, int days) const {
        return QStringLiteral("%1: %2 of %3 days disagree with the cell maps, first:\n  ")
                   .arg(QLatin1String(marker)).arg(count).arg(days) +
               first.join(QStringLiteral("\n  "));
    }
};

// Appends the cells of every key; returns a note naming the keys the map lacks.
QString collectKeys(const CellMap& map, const QStringList& keys, std::vector<Cell>& expected) {
    QStringList absent;
    for (const QString& key : keys) {
        const std::vector<Cell> cells = map.cells(key);
        if (cells.empty()) absent << key;
        expected.insert(expected.end(), cells.begin(), cells.end());
    }
    return absent.isEmpty() ? QString() : QStringLiteral(" (keys not in the map: %1)").arg(absent.join(QLatin1Char(' ')));
}

std::vector<Cell> planCells(const MarkPlan& plan) {
    std::vector<Cell> cells;
    for (const GridCell& c : plan.cells) cells.emplace_back(c.col, c.row, c.span);
    std::sort(cells.begin(), cells.end());  // duplicates stay: a cell outlined twice is a fault too
    return cells;
}

std::vector<Cell> sortedUnique(std::vector<Cell> cells) {
    std::sort(cells.begin(), cells.end());
    cells.erase(std::unique(cells.begin(), cells.end()), cells.end());
    return cells;
}

}  // namespace

class TestMarkerGroundTruth : public QObject {
    Q_OBJECT
    QStringList vrksData;
    QHash<QString, CellMap> maps;

    // The map of a sheet as the program names it ("gs2005" → GS2005.tsv); nullptr with `error` set when it cannot be read.
    const CellMap* mapOf(const QString& sheetName, QString& error) {
        const QString name = sheetName.toUpper();
        auto it = maps.find(name);
        if (it != maps.end()) return &it.value();
        CellMap map;
        if (!loadCellMap(name, map, error)) return nullptr;
        return &maps.insert(name, map).value();
    }

    // Compares a plan with the cells the map gives for the keys; records any difference.
    static void compare(Mismatches& m, const QDate& d, const MarkPlan& plan, const std::vector<Cell>& expected,
                        const QString& why = QString()) {
        const std::vector<Cell> got = planCells(plan);
        const std::vector<Cell> want = sortedUnique(expected);
        if (got != want)
            m.add(QStringLiteral("%1 on %2: marked %3, the map shows %4%5")
                      .arg(iso(d), plan.sheetName, cellsText(got), cellsText(want), why));
    }

    // Checks the plan's basics; false (with the mismatch recorded) when there is no sheet to compare with.
    bool planUsable(Mismatches& m, const QDate& d, const MarkPlan& plan, const CellMap*& map, QString& fatal) {
        if (!plan.ok || plan.markedDate != d) {
            m.add(QStringLiteral("%1: plan ok=%2 marked %3 (%4)")
                      .arg(iso(d)).arg(plan.ok).arg(iso(plan.markedDate), plan.failureMessage));
            return false;
        }
        map = mapOf(plan.sheetName, fatal);
        return map != nullptr;
    }

private slots:
    void initTestCase() { vrksData = splitDayTableLines(generateDayTableText()); }

    // Gregorian sheets: the day is the cell that shows it (as a day of its year, or greyed in
    // the next year's first column after a year-end move) in a column that carries its week
    // number; with it the weekday name of that row and that week number.
    void gregorianEveryDay() {
        Mismatches m;
        QString fatal;
        int days = 0;
        for (QDate d(2001, 1, 1); d <= QDate(2048, 12, 31); d = d.addDays(1), ++days) {
            const MarkPlan plan = planPaintDateGKS(d, QDate(2020, 6, 15));
            const CellMap* map = nullptr;
            if (!planUsable(m, d, plan, map, fatal)) {
                if (!fatal.isEmpty()) QFAIL(qPrintable(fatal));
                continue;
            }
            const QString weekKey = QStringLiteral("week=") + iso(d.addDays(1 - d.dayOfWeek()));
            std::vector<Cell> shown = map->cells(QStringLiteral("day=") + iso(d));
            const std::vector<Cell> greyed = map->cells(QStringLiteral("grey=") + iso(d));
            shown.insert(shown.end(), greyed.begin(), greyed.end());

            std::vector<Cell> expected;
            int numbered = 0;
            for (const Cell& c : shown) {
                // The week number of a day's column is the first week row below it.
                const auto rows = map->weekRowsByColumn.find(std::get<0>(c));
                if (rows == map->weekRowsByColumn.end()) continue;
                const auto below = std::find_if(rows->second.begin(), rows->second.end(),
                                                 [&](const auto& r) { return r.first > std::get<1>(c); });
                if (below == rows->second.end() || below->second != weekKey) continue;
                ++numbered;
                expected.push_back(c);
                for (const Cell& w : map->cells(weekKey))
                    if (std::get<0>(w) == std::get<0>(c) && std::get<1>(w) == below->first) expected.push_back(w);
                for (const Cell& n : map->cells(QStringLiteral("weekday=%1").arg(d.dayOfWeek())))
                    if (std::get<1>(n) == std::get<1>(c)) expected.push_back(n);
            }
            if (numbered != 1) {
                m.add(QStringLiteral("%1: %2 cells of %3 show it with its week number %4 (want exactly one)")
                          .arg(iso(d)).arg(numbered).arg(plan.sheetName.toUpper(), weekKey));
                continue;
            }
            compare(m, d, plan, expected);
        }
        QCOMPARE(days, 17'532);
        if (m.count) QFAIL(qPrintable(m.report("PaintDateGKS", days)));
    }

    void vrksYearSheetsEveryDay() {
        Mismatches m;
        QString fatal;
        int days = 0;
        for (QDate d = dayTableFirstDate(); d <= QDate(2049, 3, 2); d = d.addDays(1), ++days) {
            const MarkPlan plan = planPaintDateVRKS(d, vrksData);
            const CellMap* map = nullptr;
            if (!planUsable(m, d, plan, map, fatal)) {
                if (!fatal.isEmpty()) QFAIL(qPrintable(fatal));
                continue;
            }
            const DayTableEntry e = *lookupDay(vrksData, d);
            const int n = e.yuga, y = e.yearOffset;
            const bool shared = n >= 485 && n <= 508;  // one block cell for the middle yugas
            QStringList keys;
            if (e.dayYear <= 364) {
                const int weekday = (e.dayYear - 1) % 7 + 1;
                for (int t = 1; t <= 4; ++t)
                    keys << QStringLiteral("t%1:dayyear=%2").arg(t).arg(e.dayYear)
                         << QStringLiteral("t%1:weekday=%2").arg(t).arg(weekday);
                keys << QStringLiteral("week=%1").arg((e.dayYear - 1) / 7 + 1)
                     << QStringLiteral("season=%1:%2").arg(y).arg((e.dayYear - 1) / 91 + 1)
                     << QStringLiteral("year=%1").arg(y);
                keys << (shared ? QStringLiteral("block:shared") : QStringLiteral("block:year=%1:%2").arg(n).arg(y));
            } else {
                keys << QStringLiteral("extraday=%1").arg(e.dayYear - 364) << QStringLiteral("extraheader")
                     << QStringLiteral("extrayear");
                if (shared)
                    keys << QStringLiteral("block:shared");
                else
                    keys << QStringLiteral("block:extrayear=%1").arg(n) << QStringLiteral("block:extraheader=%1").arg(n)
                         << QStringLiteral("block:extraday=%1:%2").arg(n).arg(e.day);
            }
            std::vector<Cell> expected;
            const QString note = collectKeys(*map, keys, expected);
            compare(m, d, plan, expected, note);
        }
        QCOMPARE(days, 46'751);
        if (m.count) QFAIL(qPrintable(m.report("PaintDateVRKS", days)));
    }

    void vrksDaySheetsEveryDay() {
        Mismatches m;
        QString fatal;
        int days = 0;
        for (QDate d = dayTableFirstDate(); d <= QDate(2049, 3, 2); d = d.addDays(1), ++days) {
            const MarkPlan plan = planVRKS_DayTable(d, vrksData);
            const CellMap* map = nullptr;
            if (!planUsable(m, d, plan, map, fatal)) {
                if (!fatal.isEmpty()) QFAIL(qPrintable(fatal));
                continue;
            }
            const DayTableEntry e = *lookupDay(vrksData, d);
            const QStringList keys = {
                QStringLiteral("date=") + iso(d),
                QStringLiteral("weekday=%1:%2").arg(e.yearOffset).arg((e.dayYear - 1) % 7 + 1),
                QStringLiteral("week=%1:%2").arg(e.yearOffset).arg((e.dayYear - 1) / 7 + 1),
            };
            std::vector<Cell> expected;
            const QString note = collectKeys(*map, keys, expected);
            compare(m, d, plan, expected, note);
        }
        QCOMPARE(days, 46'751);
        if (m.count) QFAIL(qPrintable(m.report("VRKS_DayTable", days)));
    }

    // The calendar table has no cells for the extra days: they are left unmarked.
    void vrksCalendarTableEveryDay() {
        Mismatches m;
        QString fatal;
        int days = 0;
        for (QDate d = dayTableFirstDate(); d <= QDate(2049, 3, 2); d = d.addDays(1), ++days) {
            const MarkPlan plan = planVRKS_CalTable(d, vrksData);
            const CellMap* map = nullptr;
            if (!planUsable(m, d, plan, map, fatal)) {
                if (!fatal.isEmpty()) QFAIL(qPrintable(fatal));
                continue;
            }
            const DayTableEntry e = *lookupDay(vrksData, d);
            QStringList keys;
            if (e.dayYear <= 364) {
                for (int t = 1; t <= 4; ++t)
                    keys << QStringLiteral("t%1:dayyear=%2").arg(t).arg(e.dayYear)
                         << QStringLiteral("t%1:weekday=%2").arg(t).arg((e.dayYear - 1) % 7 + 1);
                keys << QStringLiteral("week=%1").arg((e.dayYear - 1) / 7 + 1);
            }
            std::vector<Cell> expected;
            const QString note = collectKeys(*map, keys, expected);
            compare(m, d, plan, expected, note);
        }
        QCOMPARE(days, 46'751);
        if (m.count) QFAIL(qPrintable(m.report("VRKS_CalTable", days)));
    }
};

QTEST_GUILESS_MAIN(TestMarkerGroundTruth)
#include "tst_markergroundtruth.moc"
