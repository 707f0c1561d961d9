// Resident size of the program's own work, each figure from a fresh process so that nothing
// the other benchmarks decode stays in the heap: after start-up, on a dated screen at
// 1920 x 1080, after a first round through the largest pictures, after 1,000 more screen
// changes and after 10,000 blink ticks. The same steps run once with the fast PNG path and
// once with Qt's decoder (the baseline), each in its own child process started from this run.
// Run offscreen:
//   QT_QPA_PLATFORM=offscreen build/bench/bench_memory

#include "imaging/FastPng.h"
#include "imaging/PicturePath.h"
#include "core/ScreenTable.h"
#include "TestSupport.h"
#include "mainwindow/ZUVunit.h"

#include <QApplication>
#include <QFile>
#include <QProcess>
#include <cstdio>

using namespace zuv;

namespace {

long residentKb() {
    QFile statm(QStringLiteral("/proc/self/statm"));
    if (!statm.open(QIODevice::ReadOnly)) return -1;
    const QList<QByteArray> fields = statm.readAll().split(' ');
    return fields.size() > 1 ? fields[1].toLong() * 4 : -1;
}

void enter(TFormZUV& w, CalendarSystem ks, ScreenMode mode) {
    w.ShowScreen({ks, ScreenMode::MainPage});
    w.ShowScreen({ks, mode});
}

// One child's steps; prints "start dated first-round changes ticks scratch" in kB.
int runChild(bool fast) {
    setFastPngPath(fast);
    zuvtest::FixedToday today(QDate(2026, 12, 9));
    zuvtest::MessageRecorder quiet;
    TFormZUV w;
    w.show();
    QApplication::processEvents();
    const long start = residentKb();

    w.resize(1920, 1080);
    QApplication::processEvents();
    enter(w, CalendarSystem::Vrks, ScreenMode::DatedSheet);  // the VRKS year sheet
    for (int i = 0; i < 50; ++i) zuvtest::tick(w);
    QApplication::processEvents();
    const long dated = residentKb();

    // The first round through the pictures grows the scratch buffer and Qt's caches once;
    // what 1,000 more changes add is growth.
    const auto changeScreens = [&w](int count) {
        for (int i = 0; i < count; ++i) {
            w.ShowScreen({i % 2 ? CalendarSystem::Zuv : CalendarSystem::Vrks, i % 3 ? ScreenMode::Description : ScreenMode::MainPage});
            if (i % 50 == 0) QApplication::processEvents();
        }
        enter(w, CalendarSystem::Vrks, ScreenMode::DatedSheet);
        QApplication::processEvents();
    };
    changeScreens(6);
    const long firstRound = residentKb();
    changeScreens(1000);
    const long changes = residentKb();

    for (int i = 0; i < 10000; ++i) {
        zuvtest::tick(w);
        if (i % 100 == 0) QApplication::processEvents();
    }
    const long ticks = residentKb();
    std::printf("%ld %ld %ld %ld %ld %lld\n", start, dated, firstRound, changes, ticks,
                (long long)(fastPngScratchBytes() / 1024));
    return 0;
}

QList<long> childFigures(const QString& self, const QString& path) {
    QProcess child;
    child.start(self, {QStringLiteral("--child"), path});
    child.waitForFinished(-1);
    QList<long> figures;
    for (const QByteArray& field : child.readAllStandardOutput().trimmed().split(' ')) figures << field.toLong();
    return figures;
}

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    if (argc == 3 && qstrcmp(argv[1], "--child") == 0) return runChild(qstrcmp(argv[2], "fast") == 0);

    const QList<long> fast = childFigures(QCoreApplication::applicationFilePath(), QStringLiteral("fast"));
    const QList<long> qt = childFigures(QCoreApplication::applicationFilePath(), QStringLiteral("qt"));
    if (fast.size() != 6 || qt.size() != 6) {
        std::fprintf(stderr, "a child process gave no figures\n");
        return 1;
    }
    const char* labels[] = {"after start-up", "dated screen at 1920x1080", "after a first round of 6 changes",
                            "after 1000 more screen changes", "after 10000 blink ticks"};
    std::printf("resident size, fresh process each: fast PNG path / Qt's decoder\n");
    for (int i = 0; i < 5; ++i) std::printf("  %-33s %7ld kB / %7ld kB\n", labels[i], fast[i], qt[i]);
    std::printf("  scratch buffer kept               %7ld kB\n", fast[5]);
    return 0;
}
