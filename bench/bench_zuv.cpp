// Medians of the work the user waits for: decode-and-fit of every picture family and every
// screen change, each beside the same work with Qt's decoder and smooth scaling (the way the
// program drew before its fast PNG path) measured in the same run; one blink tick of each
// marker at three view sizes; start-up in-process; the day table; resident size. Run offscreen:
//   QT_QPA_PLATFORM=offscreen build/bench/bench_zuv [ticks-for-memory]

#include "core/DayTable.h"
#include "imaging/FastPng.h"
#include "core/PictureFit.h"
#include "imaging/PicturePath.h"
#include "core/ScreenTable.h"
#include "ResourceStore.h"
#include "TestSupport.h"
#include "mainwindow/ZUVunit.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QImage>
#include <QPainter>
#include <algorithm>
#include <cstdio>
#include <functional>
#include <vector>

using namespace zuv;
using zuvtest::component;
using zuvtest::menuItem;

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
    CalendarSystem ks;
    ScreenMode mode;
    const char* sheet;  // the sheet today's date lands on, for the decode baseline
};

void enter(TFormZUV& w, CalendarSystem ks, ScreenMode mode) {
    w.ShowScreen({ks, ScreenMode::MainPage});
    w.ShowScreen({ks, mode});
}

void setViewSize(TFormZUV& w, const QSize& size) {
    w.resize(size);  // the shown window lays its panels out at once
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
    ImageControl* StartImage = component<ImageControl>(w, "StartImage");
    w.show();
    QApplication::processEvents();

    using CS = CalendarSystem;
    using SM = ScreenMode;
    const Dated dated[] = {{"PaintDateGKS", CS::Gregorian, SM::DatedSheet, "GS2025"},
                           {"PaintDateVRKS", CS::Vrks, SM::DatedSheet, "VR2025"},
                           {"VRKS_DayTable", CS::Vrks, SM::VrksDayTable, "VR507_DAY"},
                           {"VRKS_CalTable", CS::Vrks, SM::VrksCalendarTable, "VRCALTABLE"}};
    const double decodes[] = {decodeGs, decodeVr, decodeDay, decodeCal};
    const struct {
        const char* label;
        QSize window;
        bool zoom;
    } sizes[] = {{"design 640x465", {640, 465}, false}, {"maximised 1920x1080", {1920, 1080}, false}, {"1920x1080 zoomed x3", {1920, 1080}, true}};

    std::printf("blink tick (ShowDataScreen, then the event loop paints the cells it changed), median of 200:\n");
    for (const auto& size : sizes) {
        for (int i = 0; i < 4; ++i) {
            setViewSize(w, size.window);
            enter(w, dated[i].ks, dated[i].mode);
            if (size.zoom) {
                // ×3 is the Gregorian dating page's factor; then back to the dated screen, enlarged.
                w.ShowScreen({CalendarSystem::Gregorian, ScreenMode::Dating});
                menuItem(w, 33)->trigger();
                w.ShowScreen({dated[i].ks, dated[i].mode});
            }
            zuvtest::tick(w);  // the first tick after entry settles the picture
            const double tick = medianMs(200, [&] {
                zuvtest::tick(w);
                QApplication::processEvents();  // the update of the changed cells, as after a real tick
            });
            const double marking = medianMs(200, [&] { zuvtest::tick(w); });
            std::printf("  %-14s %-20s view %4dx%-4d %7.3f ms, of which the marking %.3f ms  (decode once / tick = %.0fx)\n",
                        dated[i].label, size.label, StartImage->width(), StartImage->height(), tick, marking, decodes[i] / tick);
            menuItem(w, 34)->trigger();
        }
    }

    // Every screen change, new path and Qt baseline, at two window sizes.
    double slowest = 0, smallestSpeedUp = 1e9;
    for (const QSize window : {QSize(1920, 1080), QSize(640, 465)}) {
        std::printf("screen change (SelectMode to its final picture), median of 5, window %dx%d: fast / Qt (ratio)\n",
                    window.width(), window.height());
        setViewSize(w, window);
        double slowestHere = 0;
        for (const ScreenRow& row : screenRows()) {
            if (row.setup == RowSetup::FitTheSheet) continue;  // it comes with the main pages' rows
            // From the screen before (outside the timing) into the row's screen, to its final picture.
            const auto into = [&](bool fast) {
                setFastPngPath(fast);
                std::vector<double> times;
                for (int i = 0; i < 5; ++i) {
                    w.ShowScreen({row.system.value_or(CalendarSystem::None), row.mode == ScreenMode::MainPage ? ScreenMode::ProgramMain : ScreenMode::MainPage});
                    QApplication::processEvents();
                    QElapsedTimer timer;
                    timer.start();
                    w.ShowScreen({row.system.value_or(CalendarSystem::None), row.mode, row.page.value_or(ControlPage::Menu)});
                    w.repaint();
                    times.push_back(double(timer.nsecsElapsed()) / 1e6);
                }
                std::sort(times.begin(), times.end());
                return times[2];
            };
            const double fast = into(true);
            const double qt = into(false);
            std::printf("  row %c (%d, %3d) %-16s %7.2f ms / %7.2f ms (%.1fx)\n", row.id, int(row.system.value_or(CalendarSystem::None)), int(row.mode),
                        row.sheet ? row.sheet : (row.marker != Marker::None ? "dated sheet" : "-"), fast, qt, qt / std::max(fast, 1e-3));
            slowestHere = std::max(slowestHere, fast);
        }
        setFastPngPath(true);
        std::printf("  slowest: %.2f ms\n", slowestHere);
        if (window.width() == 1920) slowest = slowestHere;
    }
    setFastPngPath(true);

    // The zoom commands at 1920 x 1080, each from the fitted screen (outside the timing) to its
    // final picture: "увеличить" (×2, ×3 on the Gregorian dating page) and "уменьшить" back.
    std::printf("zoom (the command to its final picture), median of 5, window 1920x1080: fast / Qt (ratio)\n");
    setViewSize(w, QSize(1920, 1080));
    const struct {
        const char* label;
        Screen screen;
    } zoomed[] = {{"gregorian sheet x2", {CalendarSystem::Gregorian, ScreenMode::DatedSheet}},
                  {"description page x2", {CalendarSystem::Vrks, ScreenMode::Description}},
                  {"gregorian dating x3", {CalendarSystem::Gregorian, ScreenMode::Dating}}};
    double slowestZoom = 0;
    QSize shownView;
    for (const auto& z : zoomed) {
        const auto timed = [&](bool fast, int item) {
            setFastPngPath(fast);
            std::vector<double> times;
            for (int i = 0; i < 5; ++i) {
                enter(w, z.screen.system, z.screen.mode);
                if (item == 34) menuItem(w, 33)->trigger();  // reducing starts from the enlarged sheet
                QApplication::processEvents();
                QElapsedTimer timer;
                timer.start();
                menuItem(w, item)->trigger();
                w.repaint();
                times.push_back(double(timer.nsecsElapsed()) / 1e6);
                shownView = StartImage->size();
            }
            menuItem(w, 34)->trigger();
            std::sort(times.begin(), times.end());
            return times[2];
        };
        for (int item : {33, 34}) {
            const double fast = timed(true, item), qt = timed(false, item);
            std::printf("  %-20s %-10s view %4dx%-4d %7.2f ms / %7.2f ms (%.1fx)\n", z.label, item == 33 ? "enlarge" : "reduce",
                        shownView.width(), shownView.height(), fast, qt, qt / std::max(fast, 1e-3));
            slowestZoom = std::max(slowestZoom, fast);
        }
    }
    setFastPngPath(true);
    std::printf("  slowest zoom: %.2f ms\n", slowestZoom);

    // Decode and fit of every picture family into its view at 1920 x 1080, against
    // QImage::fromData + QImage::scaled(SmoothTransformation) on the same bytes.
    std::printf("decode and fit into the view (median of 21): fast / Qt (speed-up)\n");
    const struct {
        const char* family;
        const char* name;
        QSize box;
    } families[] = {{"gregorian sheets", "GS2025", {1917, 970}},   {"vrks year sheets", "VR2025", {1917, 970}},
                    {"vrks day sheets", "VR507_DAY", {1917, 970}}, {"calendar table", "VRCALTABLE", {1917, 970}},
                    {"descriptions", "ANONS_ZUV", {1917, 970}},    {"interface guide", "ANONS_GOP", {1274, 970}},
                    {"section pages", "GKS_SPD2", {1917, 970}},    {"main pages", "MAINVRKS", {1274, 970}},
                    {"patent", "PATENT", {414, 417}},              {"icons", "KSIMG7", {69, 69}},
                    {"corner emblems", "KSIMG2", {24, 24}},        {"right strip", "RIGHTIMG", {30, 1080}}};
    for (const auto& f : families) {
        const ResourceBytes bytes = ResourceStore::embedded().find(StoreKind::RawData, QLatin1String(f.name));
        const QByteArray data = QByteArray::fromRawData(bytes.data, int(bytes.size));
        QImage surface(f.box, QImage::Format_ARGB32_Premultiplied);
        const auto fit = [&](const QSize& p) { return fitPictureRect(0, 0, f.box.width(), f.box.height(), p.width(), p.height(), Fit::KeepProportions); };
        const double fast = medianMs(21, [&] {
            surface.fill(Qt::white);
            DrawPicture(surface, data, fit, Scaling::AreaAveraged);
        });
        const double qt = medianMs(21, [&] {
            surface.fill(Qt::white);
            const QImage picture = QImage::fromData(data);
            const QRect target = fit(picture.size());
            QPainter painter(&surface);
            painter.drawImage(target.topLeft(), picture.scaled(target.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation));
        });
        std::printf("  %-17s %-10s %5dx%-5d %7.3f ms / %7.3f ms (%.1fx)\n", f.family, f.name, f.box.width(), f.box.height(), fast,
                    qt, qt / fast);
        smallestSpeedUp = std::min(smallestSpeedUp, qt / fast);
    }

    // A dated screen's first marking: decode, fit and marks, on entering it.
    setViewSize(w, QSize(1920, 1080));
    std::printf("first marking on entering a dated screen at 1920x1080 (median of 5): fast / Qt\n");
    for (const Dated& d : dated) {
        const auto first = [&](bool on) {
            setFastPngPath(on);
            return medianMs(5, [&] { enter(w, d.ks, d.mode); });
        };
        const double fast = first(true), qt = first(false);
        std::printf("  %-14s %7.2f ms / %7.2f ms (includes the change through the main page)\n", d.label, fast, qt);
    }
    setFastPngPath(true);

    // Memory over many screen changes through the heaviest pictures.
    const long beforeChanges = residentKb();
    for (int i = 0; i < 1000; ++i) {
        w.ShowScreen({i % 2 ? CalendarSystem::Zuv : CalendarSystem::Vrks, i % 3 ? ScreenMode::Description : ScreenMode::MainPage});
        if (i % 50 == 0) QApplication::processEvents();
    }
    std::printf("resident size over 1000 screen changes: %ld kB before, %ld kB after; scratch buffer %lld kB\n", beforeChanges,
                residentKb(), (long long)(fastPngScratchBytes() / 1024));

    // Memory on a dated screen at 1920 x 1080, over many ticks.
    setViewSize(w, QSize(1920, 1080));
    enter(w, CalendarSystem::Vrks, ScreenMode::DatedSheet);
    for (int i = 0; i < 50; ++i) zuvtest::tick(w);
    const long before = residentKb();
    for (int i = 0; i < memoryTicks; ++i) {
        zuvtest::tick(w);
        if (i % 100 == 0) QApplication::processEvents();
    }
    const long after = residentKb();
    std::printf("resident size on the VRKS year sheet at 1920x1080: %ld kB before, %ld kB after %d ticks\n", before, after,
                memoryTicks);
    std::printf("slowest screen change at 1920x1080: %.1f ms; smallest speed-up over Qt decode+scale: %.1f x\n", slowest,
                smallestSpeedUp);
    return 0;
}
