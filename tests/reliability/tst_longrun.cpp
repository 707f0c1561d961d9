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
    zuvtest::click(component<ImageControl>(w, "KSimg2"));   // Gregorian main page
    menuItem(w, 30)->trigger();      // dating
    menuItem(w, 31)->trigger();      // chronology
    component<QAction>(w, "mnu_grks_spd")->trigger();
    menuItem(w, 29)->trigger();
    menuItem(w, 42)->trigger();      // dated sheet
    zuvtest::tick(w);
    menuItem(w, 32)->trigger();      // short description
    menuItem(w, 6)->trigger();       // VRKS main page
    menuItem(w, 40)->trigger();
    menuItem(w, 41)->trigger();
    menuItem(w, 30)->trigger();
    menuItem(w, 31)->trigger();
    menuItem(w, 38)->trigger();
    menuItem(w, 39)->trigger();
    menuItem(w, 42)->trigger();      // day table
    zuvtest::tick(w);
    QTest::mouseClick(component<ImageControl>(w, "StartImage"), Qt::LeftButton, {}, StartImageMousePos);  // → calendar table on the next tick
    zuvtest::tick(w);
    QTest::mouseClick(component<ImageControl>(w, "StartImage"), Qt::LeftButton, {}, StartImageMousePos);  // → year sheets
    zuvtest::tick(w);
    menuItem(w, 32)->trigger();
    menuItem(w, 4)->trigger();       // ZUV main page
    menuItem(w, 32)->trigger();
    zuvtest::click(component<AutoLabel>(w, "mnu6"));     // control section
    zuvtest::click(component<AutoLabel>(w, "LabelControlPatent"));
    zuvtest::click(component<AutoLabel>(w, "mnu6"));
    component<QAction>(w, "MnuMainWnd")->trigger();  // grid
    menuItem(w, 32)->trigger();      // interface guide
    zuvtest::click(component<AutoLabel>(w, "mnu1"));
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
        w.ShowScreen({CalendarSystem(ks), ScreenMode::MainPage});
        w.ShowScreen({CalendarSystem(ks), ScreenMode(mode)});
        for (int i = 0; i < 200; ++i) zuvtest::tick(w);
        QApplication::processEvents();
        const Level first = now();
        for (int i = 0; i < 2000; ++i) {
            zuvtest::tick(w);
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
        QCOMPARE(w.State().CurrentMode, ScreenMode::ProgramMain);
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
