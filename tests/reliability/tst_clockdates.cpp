// Whatever the date on the clock at start-up, every dated screen shows either its mark or
// one clear message, and a message is never repeated by the blink.
#include "TestSupport.h"
#include "mainwindow/ZUVunit.h"

#include <QtTest>

using namespace zuv;

class TestClockDates : public QObject {
    Q_OBJECT
private slots:
    void everyDatedScreen_data() {
        QTest::addColumn<QDate>("today");
        const QDate dates[] = {QDate(1900, 1, 1),  QDate(1921, 3, 3),   QDate(1921, 3, 4),  QDate(2000, 12, 31),
                               QDate(2001, 1, 1),  QDate(2012, 12, 31), QDate(2048, 12, 31), QDate(2049, 1, 1),
                               QDate(2049, 3, 2),  QDate(2049, 3, 3),   QDate(2052, 12, 31), QDate(2053, 3, 2),
                               QDate(2053, 3, 3),  QDate(2100, 6, 15),  QDate(2026, 12, 9)};
        for (const QDate& d : dates) QTest::newRow(qPrintable(d.toString(Qt::ISODate))) << d;
    }
    void everyDatedScreen() {
        QFETCH(QDate, today);
        zuvtest::FixedToday fixed(today);
        zuvtest::MessageRecorder recorder;
        TFormZUV w;
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        const struct {
            int ks;
            int mode;
        } screens[] = {{1, 6}, {2, 6}, {2, 11}, {2, 12}};
        for (const auto& s : screens) {
            recorder.messages.clear();
            w.CurDate = today;  // what the start-up date hands to every screen
            w.CurKS = s.ks;
            w.CurrentMode = 100;
            w.SelectMode();
            w.CurrentMode = s.mode;
            w.SelectMode();
            const QString where = QStringLiteral("screen (%1, %2): ").arg(s.ks).arg(s.mode);
            if (recorder.messages.isEmpty()) {
                QVERIFY2(w.Timer1->isActive(), qPrintable(where + "drew, but the blink is off"));
                QVERIFY2(w.StartImage->HasPicture(), qPrintable(where + "no picture"));
                w.Timer1Timer();
                QVERIFY2(recorder.messages.isEmpty(), qPrintable(where + recorder.messages.join(QLatin1Char('|'))));
            } else {
                QCOMPARE(recorder.messages.size(), 1);
                QVERIFY2(!w.Timer1->isActive(), qPrintable(where + "a failed marking left the blink on"));
                const QString& m = recorder.messages.first();
                QVERIFY2(m.startsWith(QStringLiteral("Ресурс для даты ")) ||
                             m == QStringLiteral("Ошибка при загрузке ресурса -1 vr513_day"),
                         qPrintable(where + m));
            }
        }
    }
};

QTEST_MAIN(TestClockDates)
#include "tst_clockdates.moc"
