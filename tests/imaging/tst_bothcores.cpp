// The two-core helper: every call runs each of its two parts exactly once and returns only when
// both are done, whether the worker takes the second part, is still asleep, or is still awake
// from the call before; the parts may use per-part state without locks. It runs with the spin
// wait of the vector forms and again with the portable one.
#include "imaging/BothCores.h"
#include "imaging/VectorPath.h"

#include <QtTest>
#include <atomic>
#include <chrono>
#include <thread>

using namespace zuv;

class TestBothCores : public QObject {
    Q_OBJECT
private slots:
    // The suite runs twice, the second time on the portable forms (ctest's "_portable" entry).
    void initTestCase() {
        if (qEnvironmentVariableIntValue("ZUV_PORTABLE_PICTURES") == 1) QVERIFY(!vectorPath());
        qInfo("picture path: the %s forms", vectorPath() ? "vector" : "portable");
    }

    void runsEachPartOnceAndWaitsForBoth_data() {
        QTest::addColumn<int>("calls");
        QTest::addColumn<int>("workerPartSpins");  // how long the second part takes, roughly
        QTest::addColumn<int>("pauseMs");          // between calls, long enough for the worker to sleep
        QTest::newRow("back to back, empty parts") << 20000 << 0 << 0;
        QTest::newRow("back to back, second part longer") << 2000 << 20000 << 0;
        QTest::newRow("after the worker fell asleep") << 20 << 1000 << 5;
    }
    void runsEachPartOnceAndWaitsForBoth() {
        QFETCH(int, calls);
        QFETCH(int, workerPartSpins);
        QFETCH(int, pauseMs);
        int runs[2] = {0, 0};  // plain ints: each part's own, read after the call returns
        std::atomic<int> busy{0};
        for (int call = 0; call < calls; ++call) {
            onBothCores([&](int part) {
                ++busy;
                if (part == 1)
                    for (volatile int i = 0; i < workerPartSpins; ++i) {
                    }
                ++runs[part];
                --busy;
            });
            QCOMPARE(busy.load(), 0);
            QCOMPARE(runs[0], call + 1);
            QCOMPARE(runs[1], call + 1);
            if (pauseMs) std::this_thread::sleep_for(std::chrono::milliseconds(pauseMs));
        }
    }
};

QTEST_GUILESS_MAIN(TestBothCores)
#include "tst_bothcores.moc"
