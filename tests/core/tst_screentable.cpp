// The screen table: which marker draws which screen, the markers' date ranges, and which rows
// a screen runs (several rows may apply to one screen).
#include "core/ScreenTable.h"

#include <QtTest>

using namespace zuv;

Q_DECLARE_METATYPE(Marker)

class TestScreenTable : public QObject {
    Q_OBJECT
private slots:
    // The design's codes of a screen (system, screen, control page), as the window holds them.
    void markers_data() {
        QTest::addColumn<int>("ks");
        QTest::addColumn<int>("mode");
        QTest::addColumn<Marker>("marker");
        QTest::newRow("gregorian sheets") << 1 << 6 << Marker::GregorianSheets;
        QTest::newRow("vrks year sheets") << 2 << 6 << Marker::VrksYearSheets;
        QTest::newRow("vrks day table") << 2 << 11 << Marker::VrksDayTable;
        QTest::newRow("vrks calendar table") << 2 << 12 << Marker::VrksCalendarTable;
        QTest::newRow("zuv on screen 6") << 4 << 6 << Marker::None;
        QTest::newRow("gregorian on screen 11") << 1 << 11 << Marker::None;
        QTest::newRow("a main page") << 2 << 100 << Marker::None;
        QTest::newRow("the grid") << 0 << 7 << Marker::None;
    }
    void markers() {
        QFETCH(int, ks);
        QFETCH(int, mode);
        QTEST(rulesOf({CalendarSystem(ks), ScreenMode(mode)}).marker, "marker");
    }

    void ranges() {
        QCOMPARE(markerRange(Marker::GregorianSheets).first, QDate(2001, 1, 1));
        QCOMPARE(markerRange(Marker::GregorianSheets).last, QDate(2048, 12, 31));
        for (Marker m : {Marker::VrksYearSheets, Marker::VrksDayTable, Marker::VrksCalendarTable}) {
            QCOMPARE(markerRange(m).first, QDate(1921, 3, 4));
            QCOMPARE(markerRange(m).last, QDate(2049, 3, 2));
        }
        QVERIFY(!markerRange(Marker::None).first.isValid());
    }

    void rowsOfAScreen_data() {
        QTest::addColumn<int>("ks");
        QTest::addColumn<int>("mode");
        QTest::addColumn<int>("patent");
        QTest::addColumn<QString>("rows");
        QTest::newRow("grid") << 0 << 7 << 0 << "B";
        QTest::newRow("grid after a system") << 2 << 7 << 0 << "B";
        QTest::newRow("control menu") << 1 << 17 << 0 << "C";
        QTest::newRow("patent page") << 0 << 17 << 18 << "CD";
        QTest::newRow("zuv main page") << 4 << 100 << 0 << "AE";
        QTest::newRow("vrks main page") << 2 << 100 << 0 << "AG";
        QTest::newRow("gregorian dated") << 1 << 6 << 0 << "L";
        QTest::newRow("vrks day table") << 2 << 11 << 0 << "T";
        QTest::newRow("vrks chronology") << 2 << 2 << 0 << "U";
        QTest::newRow("zuv description") << 4 << 5 << 0 << "V";
        QTest::newRow("interface") << 1 << 8 << 0 << "Y";
        QTest::newRow("no such pair") << 4 << 3 << 0 << "";
    }
    void rowsOfAScreen() {
        QFETCH(int, ks);
        QFETCH(int, mode);
        QFETCH(int, patent);
        QString rows;
        for (const ScreenRow& row : screenRows())
            if (rowApplies(row, {CalendarSystem(ks), ScreenMode(mode), ControlPage(patent)})) rows += QLatin1Char(row.id);
        QTEST(rows, "rows");
    }
};

QTEST_APPLESS_MAIN(TestScreenTable)
#include "tst_screentable.moc"
