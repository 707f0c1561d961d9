// The markers through a real main window (offscreen): marking on entry, the blink colours
// on the outline pixels, picking a day, leaving, failures shown once, and the incremental
// tick painting exactly what a full redraw paints.
#include "ResourceStore.h"
#include "TestSupport.h"
#include "dating/MarkerGeometry.h"
#include "mainwindow/ZUVunit.h"

#include <QImageReader>
#include <QtTest>

using namespace zuv;

namespace {

struct DatedScreen {
    int ks;
    int mode;
};

// The pixel in the middle of the left edge of the first mark of `plan` on the form's view.
QPoint outlinePixel(const TFormZUV& w, const MarkPlan& plan) {
    const ResourceBytes bytes = ResourceStore::embedded().find(StoreKind::RawData, plan.sheetName);
    QImage image;
    image.loadFromData(reinterpret_cast<const uchar*>(bytes.data), int(bytes.size));
    const SheetPlacement p = placeSheet(w.StartImage->width(), w.StartImage->height(), image.width(), image.height());
    const QRect r = markRects(p, plan).front();
    return QPoint(r.left(), r.top() + r.height() / 2);
}

MarkPlan planFor(const TFormZUV& w, const DatedScreen& s, const QDate& d) {
    if (s.mode == 6 && s.ks == 1) return planPaintDateGKS(d, d);
    if (s.mode == 6) return planPaintDateVRKS(d, w.VRKSData);
    if (s.mode == 11) return planVRKS_DayTable(d, w.VRKSData);
    return planVRKS_CalTable(d, w.VRKSData);
}

}  // namespace

Q_DECLARE_METATYPE(DatedScreen)

class TestMarkersWindow : public QObject {
    Q_OBJECT

    void enter(TFormZUV& w, const DatedScreen& s) {
        w.CurKS = s.ks;
        w.CurrentMode = 100;
        w.SelectMode();
        w.CurrentMode = s.mode;
        w.SelectMode();
    }

private slots:
    void blinkOnEveryDatedScreen_data() {
        QTest::addColumn<DatedScreen>("screen");
        QTest::newRow("gregorian sheets") << DatedScreen{1, 6};
        QTest::newRow("vrks year sheets") << DatedScreen{2, 6};
        QTest::newRow("vrks day table") << DatedScreen{2, 11};
        QTest::newRow("vrks calendar table") << DatedScreen{2, 12};
    }
    void blinkOnEveryDatedScreen() {
        QFETCH(DatedScreen, screen);
        zuvtest::FixedToday today(QDate(2006, 6, 15));
        zuvtest::MessageRecorder recorder;
        TFormZUV w;
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        enter(w, screen);
        QVERIFY(w.Timer1->isActive());
        QCOMPARE(w.CurDate, QDate(2006, 6, 15));

        const QPoint at = outlinePixel(w, planFor(w, screen, w.CurDate));
        // Entry draws with the pen of the moment (white); each tick the next colour.
        QCOMPARE(w.StartImage->Picture().pixel(at), 0xFFFFFFFFu);
        const quint32 colours[] = {0xFF0000FFu, 0xFFFF0000u, 0xFFFFFFFFu, 0xFF0000FFu};
        for (quint32 colour : colours) {
            w.Timer1Timer();
            QCOMPARE(w.StartImage->Picture().pixel(at), colour);
            QVERIFY(w.Timer1->isActive());
        }

        // Picking a day marks it at once in the next colour.
        const QDate picked(2010, 3, 15);
        w.MCal->SetDate(picked);
        w.MCalClick();
        QCOMPARE(w.CurDate, picked);
        QCOMPARE(w.PenColor, 0xFFFF0000u);
        const QPoint pickedAt = outlinePixel(w, planFor(w, screen, picked));
        QCOMPARE(w.StartImage->Picture().pixel(pickedAt), 0xFFFF0000u);
        QVERIFY(w.Timer1->isActive());

        // Leaving: the next tick draws nothing and stops the timer.
        w.CurrentMode = 2;
        w.SelectMode();
        const qint64 key = w.StartImage->Picture().cacheKey();
        w.Timer1Timer();
        QVERIFY(!w.Timer1->isActive());
        QCOMPARE(w.StartImage->Picture().cacheKey(), key);
        QVERIFY2(recorder.messages.isEmpty(), qPrintable(recorder.messages.join(QLatin1Char('|'))));
    }

    // After ticks that move the mark around, the picture equals one drawn from scratch.
    void incrementalTicksMatchAFullRedraw() {
        zuvtest::FixedToday today(QDate(2006, 6, 15));
        zuvtest::MessageRecorder recorder;
        TFormZUV w;
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        enter(w, {2, 6});
        for (const QDate& d : {QDate(1921, 3, 4), QDate(2025, 2, 28), QDate(1999, 12, 31), QDate(2001, 1, 1)}) {
            w.MCal->SetDate(d);
            w.MCalClick();
            w.Timer1Timer();
        }
        const QImage incremental = w.StartImage->Picture().copy();
        const quint32 pen = w.PenColor;

        TFormZUV fresh;
        fresh.show();
        QVERIFY(QTest::qWaitForWindowExposed(&fresh));
        enter(fresh, {2, 6});
        fresh.PenColor = pen;
        fresh.StartImage->Discard();
        QVERIFY(fresh.PaintDateVRKS(QDate(2001, 1, 1)));
        QCOMPARE(fresh.StartImage->Picture().size(), incremental.size());
        QVERIFY(fresh.StartImage->Picture().convertToFormat(QImage::Format_ARGB32) ==
                incremental.convertToFormat(QImage::Format_ARGB32));
    }

    // A picked day beyond the picker's limits is pulled back to them.
    void pickerClampsToItsLimits() {
        zuvtest::FixedToday today(QDate(2006, 6, 15));
        TFormZUV w;
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        enter(w, {1, 6});
        QCOMPARE(w.MCal->MaxDate(), QDate(2048, 12, 31));
        w.MCal->setMaximumDate(QDate(2052, 12, 31));  // as if the picker let a later day through
        w.MCal->SetDate(QDate(2050, 5, 5));
        w.MCal->setMaximumDate(QDate(2048, 12, 31));
        w.MCalClick();
        QCOMPARE(w.CurDate, QDate(2048, 12, 31));
        QCOMPARE(w.MCal->Date(), QDate(2048, 12, 31));
    }

    // Failures are shown once and leave the timer off, so they do not repeat every second.
    void failuresAreShownOnce_data() {
        QTest::addColumn<QDate>("today");
        QTest::addColumn<DatedScreen>("screen");
        QTest::addColumn<QString>("message");
        QTest::newRow("yuga 513 day table") << QDate(2050, 1, 1) << DatedScreen{2, 11}
                                            << "Ошибка при загрузке ресурса -1 vr513_day";
        QTest::newRow("before the table, year sheets") << QDate(1900, 1, 1) << DatedScreen{2, 6}
                                                       << "Ресурс для даты 01.01.1900 не найден";
        QTest::newRow("before the table, calendar table") << QDate(1900, 1, 1) << DatedScreen{2, 12}
                                                          << "Ресурс для даты 01.01.1900 не найден";
        QTest::newRow("after the table, day table") << QDate(2100, 1, 1) << DatedScreen{2, 11}
                                                    << "Ресурс для даты 01.01.2100 не найден";
        QTest::newRow("no gregorian sheet") << QDate(2100, 1, 1) << DatedScreen{1, 6}
                                            << "Ресурс для даты 01.01.2100 не найден";
    }
    void failuresAreShownOnce() {
        QFETCH(QDate, today);
        QFETCH(DatedScreen, screen);
        QFETCH(QString, message);
        zuvtest::FixedToday fixed(today);
        zuvtest::MessageRecorder recorder;
        TFormZUV w;
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        enter(w, screen);
        QCOMPARE(recorder.messages, QStringList{message});
        QVERIFY(!w.Timer1->isActive());
        QTest::qWait(1200);  // more than one blink interval: no tick comes, no message repeats
        QCOMPARE(recorder.messages.size(), 1);
        QVERIFY(!w.Timer1->isActive());
    }

    // The calendar table marks the days of yuga 513 normally.
    void calendarTableMarksYuga513() {
        zuvtest::FixedToday today(QDate(2050, 1, 1));
        zuvtest::MessageRecorder recorder;
        TFormZUV w;
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        enter(w, {2, 12});
        QVERIFY(recorder.messages.isEmpty());
        QVERIFY(w.Timer1->isActive());
    }
};

QTEST_MAIN(TestMarkersWindow)
#include "tst_markers_window.moc"
