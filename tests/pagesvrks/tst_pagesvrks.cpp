// The VRKS section pages: the figures they print (Easter dates, VRKS notations, the yuga
// chronology, mean years) against independent values and the day table's own lines, and the
// generated pictures at their catalogue sizes.
#include "Catalogue.h"
#include "core/DayTable.h"
#include "facts/VrksFacts.h"

#include <QImage>
#include <QSet>
#include <QtTest>

namespace zvf = zuvgen::vrks;

namespace {

// The fields of the day-table line that carries `date`, found by scanning the text for the
// date itself (not by the lookup under test).
QStringList lineFieldsOf(const QStringList& lines, const QDate& date) {
    const QString needle = QLatin1Char(',') + date.toString(QStringLiteral("dd.MM.yyyy")) + QLatin1Char(',');
    for (const QString& line : lines)
        if (line.contains(needle)) return line.split(QLatin1Char(','));
    return {};
}

}  // namespace

class TestPagesVrks : public QObject {
    Q_OBJECT
    QStringList lines;

private slots:
    void initTestCase() { lines = zuv::splitDayTableLines(zuv::generateDayTableText()); }

    // ---- Easter ---------------------------------------------------------------------------

    void westernEaster_data() {
        QTest::addColumn<int>("year");
        QTest::addColumn<QDate>("expected");
        // Published dates of Western Easter.
        QTest::newRow("1921") << 1921 << QDate(1921, 3, 27);
        QTest::newRow("1945") << 1945 << QDate(1945, 4, 1);
        QTest::newRow("1961") << 1961 << QDate(1961, 4, 2);
        QTest::newRow("2000") << 2000 << QDate(2000, 4, 23);
        QTest::newRow("2008 earliest of the range") << 2008 << QDate(2008, 3, 23);
        QTest::newRow("2011") << 2011 << QDate(2011, 4, 24);
        QTest::newRow("2019") << 2019 << QDate(2019, 4, 21);
        QTest::newRow("2024") << 2024 << QDate(2024, 3, 31);
        QTest::newRow("2025") << 2025 << QDate(2025, 4, 20);
        QTest::newRow("2038 latest possible") << 2038 << QDate(2038, 4, 25);
        QTest::newRow("2049") << 2049 << QDate(2049, 4, 18);
        QTest::newRow("2052") << 2052 << QDate(2052, 4, 21);
    }
    void westernEaster() {
        QFETCH(int, year);
        QFETCH(QDate, expected);
        QCOMPARE(zvf::westernEaster(year), expected);
    }

    void orthodoxEaster_data() {
        QTest::addColumn<int>("year");
        QTest::addColumn<QDate>("expected");
        // Published dates of Orthodox Easter, in the Gregorian calendar.
        QTest::newRow("1921") << 1921 << QDate(1921, 5, 1);
        QTest::newRow("1945") << 1945 << QDate(1945, 5, 6);
        QTest::newRow("1961") << 1961 << QDate(1961, 4, 9);
        QTest::newRow("2000") << 2000 << QDate(2000, 4, 30);
        QTest::newRow("2008") << 2008 << QDate(2008, 4, 27);
        QTest::newRow("2010") << 2010 << QDate(2010, 4, 4);
        QTest::newRow("2011 together") << 2011 << QDate(2011, 4, 24);
        QTest::newRow("2021") << 2021 << QDate(2021, 5, 2);
        QTest::newRow("2023") << 2023 << QDate(2023, 4, 16);
        QTest::newRow("2024") << 2024 << QDate(2024, 5, 5);
        QTest::newRow("2025 together") << 2025 << QDate(2025, 4, 20);
        QTest::newRow("2052") << 2052 << QDate(2052, 4, 21);
    }
    void orthodoxEaster() {
        QFETCH(int, year);
        QFETCH(QDate, expected);
        QCOMPARE(zvf::orthodoxEaster(year), expected);
    }

    // Rules every Easter of the page's range must obey, whatever the algorithm.
    void easterRulesHoldOverTheRange() {
        for (int year = 1921; year <= 2052; ++year) {
            const QDate west = zvf::westernEaster(year);
            const QDate east = zvf::orthodoxEaster(year);
            QCOMPARE(west.year(), year);
            QCOMPARE(east.year(), year);
            QCOMPARE(west.dayOfWeek(), 7);
            QCOMPARE(east.dayOfWeek(), 7);
            QVERIFY2(west >= QDate(year, 3, 22) && west <= QDate(year, 4, 25), qPrintable(west.toString()));
            // Julian 22 March … 25 April is Gregorian 4 April … 8 May in 1900 … 2099.
            QVERIFY2(east >= QDate(year, 4, 4) && east <= QDate(year, 5, 8), qPrintable(east.toString()));
            const qint64 gap = west.daysTo(east);
            QVERIFY2(gap == 0 || gap == 7 || gap == 28 || gap == 35, qPrintable(QString::number(gap)));
            // The page reads every Easter through the day table.
            const auto w = zvf::vrksDayOf(lines, west);
            QVERIFY(w.has_value());
            QCOMPARE(w->yearNumber(), year);
        }
    }

    void julianCalendarDates_data() {
        QTest::addColumn<int>("y");
        QTest::addColumn<int>("m");
        QTest::addColumn<int>("d");
        QTest::addColumn<QDate>("gregorian");
        QTest::newRow("last Julian day of the reform") << 1582 << 10 << 4 << QDate(1582, 10, 14);
        QTest::newRow("Russia's last Julian day") << 1918 << 1 << 31 << QDate(1918, 2, 13);
        QTest::newRow("Julian new year 2000") << 2000 << 1 << 1 << QDate(2000, 1, 14);
        QTest::newRow("Julian 29 February 2100") << 2100 << 2 << 29 << QDate(2100, 3, 14);
    }
    void julianCalendarDates() {
        QFETCH(int, y);
        QFETCH(int, m);
        QFETCH(int, d);
        QFETCH(QDate, gregorian);
        QCOMPARE(QDate::fromJulianDay(zvf::julianCalendarJd(y, m, d)), gregorian);
    }

    // ---- VRKS days ------------------------------------------------------------------------

    // Every derived number of every day agrees with the day table's own fields.
    void everyDayMatchesItsLine() {
        int checked = 0;
        for (QDate date = zuv::dayTableFirstDate(); date <= zuv::dayTableLastDate(); date = date.addDays(1)) {
            const auto day = zvf::vrksDayOf(lines, date);
            QVERIFY2(day.has_value(), qPrintable(date.toString()));
            const int position = (day->yuga - 481) * zuv::kLinesPerYuga + day->dayOfYuga - 1;
            const QStringList f = lines.at(position).split(QLatin1Char(','));
            QCOMPARE(f.at(1), date.toString(QStringLiteral("dd.MM.yyyy")));
            QCOMPARE(day->dayOfMonth(), f.at(2).toInt());
            QCOMPARE(day->weekday(), f.at(3).toInt());
            QCOMPARE(day->month(), f.at(4).toInt());
            QCOMPARE(day->dayOfYear, f.at(5).toInt());
            QCOMPARE(day->yearOfYuga, f.at(6).toInt());
            QCOMPARE(day->dayOfYuga, f.at(7).toInt());
            QCOMPARE(day->yuga, f.at(8).toInt());
            // On dated lines the weekday also follows from the day of the year.
            QCOMPARE(day->weekday(), (day->dayOfYear - 1) % 7 + 1);
            ++checked;
        }
        QCOMPARE(checked, 48'212);
    }

    void notations_data() {
        QTest::addColumn<QDate>("date");
        QTest::addColumn<QString>("annual");
        QTest::addColumn<QString>("ordinal");
        QTest::addColumn<QString>("yuga");
        QTest::addColumn<QString>("expanded");
        QTest::newRow("first day of the table") << QDate(1921, 3, 4) << "01.01.1921" << "1921/001" << "0001.481" << "001.1.481";
        QTest::newRow("year 4 begins on 29 February") << QDate(1924, 2, 29) << "01.01.1924" << "1924/001" << "1093.481" << "001.4.481";
        QTest::newRow("fifth extra day") << QDate(1925, 3, 3) << "Д5.1924" << "1924/369" << "1461.481" << "369.4.481";
        QTest::newRow("9 May 1945") << QDate(1945, 5, 9) << "11.03.1945" << "1945/067" << "0067.487" << "067.1.487";
        QTest::newRow("1 January 2001") << QDate(2001, 1, 1) << "28.11.2000" << "2000/308" << "1400.500" << "308.4.500";
        QTest::newRow("last extra day of yuga 512") << QDate(2049, 3, 2) << "Д4.2048" << "2048/368" << "1460.512" << "368.4.512";
        QTest::newRow("yuga 513 begins") << QDate(2049, 3, 3) << "01.01.2049" << "2049/001" << "0001.513" << "001.1.513";
        QTest::newRow("last day of the table") << QDate(2053, 3, 2) << "Д5.2052" << "2052/369" << "1461.513" << "369.4.513";
    }
    void notations() {
        QFETCH(QDate, date);
        QFETCH(QString, annual);
        QFETCH(QString, ordinal);
        QFETCH(QString, yuga);
        QFETCH(QString, expanded);
        const auto day = zvf::vrksDayOf(lines, date);
        QVERIFY(day.has_value());
        QCOMPARE(zvf::annualNotation(*day), annual);
        QCOMPARE(zvf::ordinalNotation(*day), ordinal);
        QCOMPARE(zvf::yugaNotation(*day), yuga);
        QCOMPARE(zvf::yugaExpandedNotation(*day), expanded);
        // The line found by scanning the text says the same.
        const QStringList f = lineFieldsOf(lines, date);
        QCOMPARE(f.value(7).toInt(), day->dayOfYuga);
        QCOMPARE(f.value(8).toInt(), day->yuga);
    }

    void datesOutsideTheTableHaveNoVrksDay() {
        QVERIFY(!zvf::vrksDayOf(lines, QDate(1921, 3, 3)).has_value());
        QVERIFY(!zvf::vrksDayOf(lines, QDate(2053, 3, 3)).has_value());
    }

    void dayOfYugaRoundTrip() {
        for (int d = 1; d <= 1461; ++d) {
            const int y = zvf::yearOfYugaOf(d);
            QCOMPARE(zvf::dayOfYugaFrom(y, zvf::dayOfYearOf(d)), d);
        }
        QCOMPARE(zvf::yearOfYugaOf(364), 1);
        QCOMPARE(zvf::yearOfYugaOf(365), 2);
        QCOMPARE(zvf::dayOfYearOf(1092), 364);
        QCOMPARE(zvf::yearOfYugaOf(1093), 4);
        QCOMPARE(zvf::dayOfYearOf(1461), 369);
    }

    // ---- chronology -----------------------------------------------------------------------

    void chronologyAgreesWithTheDayTable() {
        const std::vector<zvf::YugaSpan> spans = zvf::yugaChronology();
        QCOMPARE(int(spans.size()), 33);
        qint64 total = 0;
        for (const zvf::YugaSpan& s : spans) {
            const int base = (s.yuga - 481) * zuv::kLinesPerYuga;
            QCOMPARE(lines.at(base).split(QLatin1Char(',')).at(1), s.start.toString(QStringLiteral("dd.MM.yyyy")));
            QCOMPARE(lines.at(base + s.days - 1).split(QLatin1Char(',')).at(1), s.end.toString(QStringLiteral("dd.MM.yyyy")));
            QCOMPARE(lines.at(base + s.days).split(QLatin1Char(',')).at(1), QStringLiteral("null"));
            for (int y = 0; y < 4; ++y) {
                const QStringList f = lineFieldsOf(lines, s.yearStart[y]);
                QCOMPARE(f.value(5), QStringLiteral("1"));            // first day of the year
                QCOMPARE(f.value(6), QString::number(y + 1));        // of year y + 1
                QCOMPARE(f.value(8), QString::number(s.yuga));
            }
            QCOMPARE(s.extraDays, s.yuga == 512 ? 4 : 5);
            total += s.days;
        }
        for (size_t i = 1; i < spans.size(); ++i) QCOMPARE(spans[i].start, spans[i - 1].end.addDays(1));
        QCOMPARE(total, qint64(48'212));
        QCOMPARE(spans[512 - 481].end, QDate(2049, 3, 2));
        QCOMPARE(spans.back().start, QDate(2049, 3, 3));
        QCOMPARE(spans.back().yearStart[3], QDate(2052, 2, 28));
    }

    // ---- mean years -----------------------------------------------------------------------

    void meanYears() {
        QCOMPARE(zvf::meanVrksYear(481, 511), 365.25);
        QCOMPARE(zvf::meanVrksYear(481, 512), 46751.0 / 128.0);
        QCOMPARE(zvf::meanVrksYear(481, 512), zvf::kVrksCorrectedYear);
        QVERIFY(std::abs(zvf::driftOf(zvf::kJulianYear).yearsPerDay - 128.0) < 0.1);
        QVERIFY(std::abs(zvf::driftOf(zvf::kGregorianYear).yearsPerDay - 3225.8) < 1.0);
        QVERIFY(std::abs(zvf::driftOf(zvf::kJulianYear).secondsPerYear - 674.8) < 0.1);
        QVERIFY(zvf::driftOf(zvf::kVrksCorrectedYear).yearsPerDay > 100'000);
    }

    void yearStartDrift() {
        const auto vrks = zvf::vrksYearStartDrift();
        QCOMPARE(int(vrks.size()), 33 * 4 + 1);
        QCOMPARE(vrks.front().drift, 0.0);
        const double perYuga = 1461 - 4 * zvf::kTropicalYear;
        for (int n = 481; n <= 512; ++n)
            QVERIFY(std::abs(vrks[(n - 481) * 4].drift - (n - 481) * perYuga) < 1e-6);
        // Three short years, then the long fourth one.
        QVERIFY(std::abs(vrks[3].drift - (3 * 364 - 3 * zvf::kTropicalYear)) < 1e-6);
        // Yuga 512 takes back the day the 31 full yugas gathered.
        QVERIFY(vrks[31 * 4].drift > 0.96 && vrks[31 * 4].drift < 0.98);
        QVERIFY(std::abs(vrks[32 * 4].drift) < 0.001);
        const auto greg = zvf::gregorianYearStartDrift();
        QCOMPARE(greg.back().year, 2053.0);
        QVERIFY(std::abs(greg.back().drift - (48'213 - 132 * zvf::kTropicalYear)) < 1e-6);
    }

    // ---- the pictures ---------------------------------------------------------------------

    void pictures_data() {
        QTest::addColumn<QString>("name");
        for (const char* name : {"VRKS_SPD", "VRKS_SPD_YUG", "VRKS_DKS", "VRKS_HKS", "VRKS_TFS_ASTRO", "VRKS_TFS_PAS",
                                 "ANONS_ZUV", "ANONS_VRKS"})
            QTest::newRow(name) << QString::fromLatin1(name);
    }
    void pictures() {
        QFETCH(QString, name);
        const zuv::CatalogueEntry* entry = zuv::findCatalogueEntry(name);
        QVERIFY(entry);
        const QString path = QStringLiteral(ZUV_CELLMAP_DIR "/../rcdata/") + name + QStringLiteral(".png");
        QImage image(path);
        QVERIFY2(!image.isNull(), qPrintable(path));
        QCOMPARE(image.size(), QSize(entry->width, entry->height));
        QCOMPARE(image.hasAlphaChannel(), entry->kind == zuv::ResourceKind::PngRgba);

        // Not blank: ink in many colours, spread from the top third to the bottom third.
        image = image.convertToFormat(QImage::Format_RGB32);
        QSet<QRgb> colours;
        qint64 inked = 0;
        bool third[3] = {false, false, false};
        for (int y = 0; y < image.height(); y += 2) {
            const QRgb* row = reinterpret_cast<const QRgb*>(image.constScanLine(y));
            for (int x = 0; x < image.width(); x += 2) {
                const QRgb c = row[x];
                if (qGray(c) < 200) {
                    ++inked;
                    third[3 * y / image.height()] = true;
                }
                if (colours.size() < 64) colours.insert(c);
            }
        }
        const qint64 sampled = qint64((image.height() + 1) / 2) * ((image.width() + 1) / 2);
        QVERIFY2(inked * 100 > sampled, qPrintable(QStringLiteral("%1 of %2 pixels inked").arg(inked).arg(sampled)));
        QVERIFY(colours.size() >= 16);
        QVERIFY(third[0] && third[1] && third[2]);
    }
};

QTEST_GUILESS_MAIN(TestPagesVrks)
#include "tst_pagesvrks.moc"
