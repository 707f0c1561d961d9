// Hours of blinking in a few seconds: every dated screen through 2,000 ticks and the whole
// screen graph through several round trips. Live pictures, streams and the resident size
// must come back to their level after the first round.
#include "TestSupport.h"
#include "ResourceStore.h"
#include "mainwindow/ZUVunit.h"

#include <QFile>
#include <QtTest>

using namespace zuv;
using zuvtest::component;
using zuvtest::menuItem;

namespace {

long residentKb() {
    QFile statm(QStringLiteral("/proc/self/statm"));
    if (!statm.open(QIODevice::ReadOnly)) return 0;
    const QList<QByteArray> fields = statm.readAll().split(' ');
    return fields.size() > 1 ? fields[1].toLong() * 4 : 0;
}

struct Level {
    int pictures;
    int streams;
    long rssKb;
};

Level now() { return {ImageControl::LivePictures(), ResourceStore::liveStreams(), residentKb()}; }

// Under AddressSanitizer freed memory waits in a quarantine, so the resident size says nothing
// there; the sanitizer's own leak check stands in for it.
#if defined(__SANITIZE_ADDRESS__)
constexpr bool kResidentSizeIsMeaningful = false;
#else
constexpr bool kResidentSizeIsMeaningful = true;
#endif

// One round trip over every screen the commands reach, as a user would click through them.
void visitEveryScreen(TFormZUV& w) {
    w.KSimg2Click();   // Gregorian main page
    w.N30Click();      // dating
    w.N31Click();      // chronology
    w.mnu_grks_spdClick();
    w.N29Click();
    w.N42Click();      // dated sheet
    w.Timer1Timer();
    w.N32Click();      // short description
    w.N6Click();       // VRKS main page
    w.N40Click();
    w.N41Click();
    w.N30Click();
    w.N31Click();
    w.N38Click();
    w.N39Click();
    w.N42Click();      // day table
    w.Timer1Timer();
    w.StartImageClick();  // → calendar table on the next tick
    w.Timer1Timer();
    w.StartImageClick();  // → year sheets
    w.Timer1Timer();
    w.N32Click();
    w.N4Click();       // ZUV main page
    w.N32Click();
    w.mnu6Click();     // control section
    w.LabelControlPatentClick();
    w.mnu6Click();
    w.MnuMainWndClick();  // grid
    w.N32Click();      // interface guide
    w.mnu1Click();
}

}  // namespace

class TestLongRun : public QObject {
    Q_OBJECT
private slots:
    void datedScreensTickWithoutGrowing_data() {
        QTest::addColumn<int>("ks");
        QTest::addColumn<int>("mode");
        QTest::newRow("gregorian") << 1 << 6;
        QTest::newRow("vrks year") << 2 << 6;
        QTest::newRow("vrks day table") << 2 << 11;
        QTest::newRow("vrks calendar table") << 2 << 12;
    }
    void datedScreensTickWithoutGrowing() {
        QFETCH(int, ks);
        QFETCH(int, mode);
        zuvtest::FixedToday today(QDate(2012, 12, 30));
        zuvtest::MessageRecorder recorder;
        TFormZUV w;
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        w.CurKS = CalendarSystem(ks);  // the design's codes
        w.CurrentMode = ScreenMode::MainPage;
        w.SelectMode();
        w.CurrentMode = ScreenMode(mode);
        w.SelectMode();
        for (int i = 0; i < 200; ++i) w.Timer1Timer();
        QApplication::processEvents();
        const Level first = now();
        for (int i = 0; i < 2000; ++i) {
            w.Timer1Timer();
            if (i % 50 == 0) QApplication::processEvents();
        }
        QApplication::processEvents();
        const Level after = now();
        QCOMPARE(after.pictures, first.pictures);
        QCOMPARE(after.streams, 0);
        QVERIFY2(!kResidentSizeIsMeaningful || after.rssKb - first.rssKb < 2048,
                 qPrintable(QStringLiteral("resident size grew from %1 to %2 kB").arg(first.rssKb).arg(after.rssKb)));
        QVERIFY(component<QTimer>(w, "Timer1")->isActive());
        QVERIFY(recorder.messages.isEmpty());
    }

    void screenGraphRoundTrips() {
        zuvtest::FixedToday today(QDate(2024, 2, 29));
        zuvtest::MessageRecorder recorder;
        TFormZUV w;
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        visitEveryScreen(w);
        QApplication::processEvents();
        const Level first = now();
        for (int round = 0; round < 5; ++round) visitEveryScreen(w);
        QApplication::processEvents();
        const Level after = now();
        QCOMPARE(w.CurrentMode, ScreenMode::ProgramMain);
        QCOMPARE(after.pictures, first.pictures);
        QCOMPARE(after.streams, 0);
        QVERIFY2(!kResidentSizeIsMeaningful || after.rssKb - first.rssKb < 4096,
                 qPrintable(QStringLiteral("resident size grew from %1 to %2 kB").arg(first.rssKb).arg(after.rssKb)));
        QVERIFY2(recorder.messages.isEmpty(), qPrintable(recorder.messages.join(QLatin1Char('|'))));
        std::printf("long run: pictures %d → %d, streams %d, resident %ld → %ld kB\n", first.pictures, after.pictures,
                    after.streams, first.rssKb, after.rssKb);
    }
};

QTEST_MAIN(TestLongRun)
#include "tst_longrun.moc"
