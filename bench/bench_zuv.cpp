// Medians of the work the user waits for: one blink tick of each marker at three view sizes,
// screen changes, start-up in-process, the day table, and a plain decode of the same sheets
// as the baseline every figure is compared with. Run offscreen:
//   QT_QPA_PLATFORM=offscreen build/bench/bench_zuv [ticks-for-memory]

#include "core/DayTable.h"
#include "ResourceStore.h"
#include "TestSupport.h"
#include "mainwindow/ZUVunit.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QImage>
#include <algorithm>
#include <cstdio>
#include <functional>
#include <vector>

using namespace zuv;

namespace {

double medianMs(int runs, const std::function<void()>& work) {
    std::vector<double> times;
    times.reserve(size_t(runs));
    for (int i = 0; i < runs; ++i) {
        QElapsedTimer timer;
        timer.start();
        work();
        times.push_back(double(timer.nsecsElapsed()) / 1e6);
    }
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}

double decodeMs(const QString& name) {
    const ResourceBytes bytes = ResourceStore::embedded().find(StoreKind::RawData, name);
    return medianMs(7, [&] {
        QImage image = QImage::fromData(reinterpret_cast<const uchar*>(bytes.data), int(bytes.size));
        if (image.isNull()) std::fprintf(stderr, "cannot decode %s\n", qPrintable(name));
    });
}

long residentKb() {
    QFile statm(QStringLiteral("/proc/self/statm"));
    if (!statm.open(QIODevice::ReadOnly)) return -1;
    const QList<QByteArray> fields = statm.readAll().split(' ');
    return fields.size() > 1 ? fields[1].toLong() * 4 : -1;
}

struct Dated {
    const char* label;
    int ks;
    int mode;
    const char* sheet;  // the sheet today's date lands on, for the decode baseline
};

void enter(TFormZUV& w, int ks, int mode) {
    w.CurKS = ks;
    w.CurrentMode = 100;
    w.SelectMode();
    w.CurrentMode = mode;
    w.SelectMode();
}

void setViewSize(TFormZUV& w, const QSize& size) {
    w.resize(size);
    w.DockPanels();
}

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const int memoryTicks = argc > 1 ? atoi(argv[1]) : 10000;
    zuvtest::FixedToday today(QDate(2026, 12, 9));
    zuvtest::MessageRecorder quiet;

    std::printf("decode once (QImage::fromData, median of 7):\n");
    const double decodeGs = decodeMs(QStringLiteral("GS2025"));
    const double decodeVr = decodeMs(QStringLiteral("VR2025"));
    const double decodeDay = decodeMs(QStringLiteral("VR507_DAY"));
    const double decodeCal = decodeMs(QStringLiteral("VRCALTABLE"));
    const double decodeAnons = decodeMs(QStringLiteral("ANONS_ZUV"));
    std::printf("  GS2025 %.2f ms, VR2025 %.2f ms, VR507_DAY %.2f ms, VRCALTABLE %.2f ms, ANONS_ZUV %.2f ms\n", decodeGs,
                decodeVr, decodeDay, decodeCal, decodeAnons);

    // Start-up in-process: building and showing the main window until its first paint.
    {
        std::vector<double> times;
        for (int i = 0; i < 5; ++i) {
            QElapsedTimer timer;
            timer.start();
            TFormZUV w;
            w.show();
            w.repaint();
            QApplication::processEvents();
            times.push_back(double(timer.nsecsElapsed()) / 1e6);
        }
        std::sort(times.begin(), times.end());
        std::printf("start-up in-process (construct, show, first paint), median of 5: %.2f ms\n", times[2]);
    }

    // Day table: load (split into lines) and one lookup.
    {
        const ResourceBytes bytes = ResourceStore::embedded().find(StoreKind::RawData, QStringLiteral("DVRKS"));
        const QByteArray text = QByteArray::fromRawData(bytes.data, int(bytes.size));
        QStringList lines;
        const double load = medianMs(9, [&] { lines = splitDayTableLines(text); });
        QDate d(1921, 3, 4);
        int sink = 0;
        const int lookups = 200000;
        const double all = medianMs(5, [&] {
            for (int i = 0; i < lookups; ++i) {
                const auto e = lookupDay(lines, d.addDays(i % 46000));
                sink += e ? e->day : 0;
            }
        });
        std::printf("day table: load %.2f ms, lookup %.3f us (checksum %d)\n", load, all * 1000.0 / lookups, sink % 7);
    }

    TFormZUV w;
    w.show();
    QApplication::processEvents();

    const Dated dated[] = {{"PaintDateGKS", 1, 6, "GS2025"},
                           {"PaintDateVRKS", 2, 6, "VR2025"},
                           {"VRKS_DayTable", 2, 11, "VR507_DAY"},
                           {"VRKS_CalTable", 2, 12, "VRCALTABLE"}};
    const double decodes[] = {decodeGs, decodeVr, decodeDay, decodeCal};
    const struct {
        const char* label;
        QSize window;
        bool zoom;
    } sizes[] = {{"design 640x465", {640, 465}, false}, {"maximised 1920x1080", {1920, 1080}, false}, {"1920x1080 zoomed x3", {1920, 1080}, true}};

    std::printf("blink tick (ShowDataScreen + repaint of the picture), median of 200:\n");
    for (const auto& size : sizes) {
        for (int i = 0; i < 4; ++i) {
            setViewSize(w, size.window);
            enter(w, dated[i].ks, dated[i].mode);
            if (size.zoom) {
                w.CurKS = 1;  // ×3 is the Gregorian dating page's factor; then back to the dated screen
                w.CurrentMode = 3;
                w.SetBigSize();
                w.CurKS = dated[i].ks;
                w.CurrentMode = dated[i].mode;
                w.SelectMode();
            }
            w.ShowDataScreen();  // the first tick after entry settles the picture
            const double tick = medianMs(200, [&] {
                w.ShowDataScreen();
                w.StartImage->repaint();
            });
            std::printf("  %-14s %-20s view %4dx%-4d %7.3f ms  (decode once / tick = %.0fx)\n", dated[i].label, size.label,
                        w.StartImage->width(), w.StartImage->height(), tick, decodes[i] / tick);
            w.SetNormalSize();
        }
    }

    std::printf("screen change (SelectMode to its final picture), median of 7, window 1920x1080:\n");
    setViewSize(w, QSize(1920, 1080));
    const struct {
        const char* label;
        int ks;
        int from;
        int to;
    } changes[] = {{"ANONS_ZUV", 4, 100, 5}, {"main page MAINGKS", 1, 7, 100}, {"grid screen", 1, 100, 7}};
    for (const auto& c : changes) {
        std::vector<double> times;
        for (int i = 0; i < 7; ++i) {
            w.CurKS = c.ks;
            w.CurrentMode = c.from;
            w.SelectMode();
            QApplication::processEvents();
            QElapsedTimer timer;
            timer.start();
            w.CurrentMode = c.to;
            w.SelectMode();
            w.repaint();
            times.push_back(double(timer.nsecsElapsed()) / 1e6);
        }
        std::sort(times.begin(), times.end());
        std::printf("  into %-18s %.2f ms\n", c.label, times[3]);
    }

    // Memory on a dated screen at 1920 x 1080, over many ticks.
    setViewSize(w, QSize(1920, 1080));
    enter(w, 2, 6);
    for (int i = 0; i < 50; ++i) w.ShowDataScreen();
    const long before = residentKb();
    for (int i = 0; i < memoryTicks; ++i) {
        w.ShowDataScreen();
        if (i % 100 == 0) QApplication::processEvents();
    }
    const long after = residentKb();
    std::printf("resident size on the VRKS year sheet at 1920x1080: %ld kB before, %ld kB after %d ticks\n", before, after,
                memoryTicks);
    return 0;
}
