// zuv_resgen OUTDIR: writes every built-in resource of the catalogue below OUTDIR
// (rcdata/NAME.png, rcdata/DVRKS, bitmap/NAME.bmp) and the cell maps of the dated sheets
// (cellmaps/NAME.tsv). Run with QT_QPA_PLATFORM=offscreen.

#include "Catalogue.h"
#include "core/DayTable.h"
#include "decoration/Decoration.h"
#include "kit/Output.h"
#include "pages/Pages.h"
#include "sheets/DatedSheets.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QThread>
#include <atomic>
#include <thread>

using namespace zuvgen;

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    if (argc != 2) fail(QStringLiteral("usage: zuv_resgen OUTDIR"));

    Context ctx;
    ctx.outDir = QDir(QString::fromLocal8Bit(argv[1])).absolutePath();
    for (const char* sub : {"rcdata", "bitmap", "cellmaps"})
        if (!QDir().mkpath(ctx.outDir + QLatin1Char('/') + QLatin1String(sub)))
            fail(QStringLiteral("cannot create ") + ctx.outDir);

    const QByteArray dayTable = zuv::generateDayTableText();
    QFile text(ctx.outDir + QStringLiteral("/rcdata/DVRKS"));
    if (!text.open(QIODevice::WriteOnly | QIODevice::Truncate) || text.write(dayTable) != dayTable.size())
        fail(QStringLiteral("cannot write the day table"));
    text.close();
    ctx.dayTableLines = zuv::splitDayTableLines(dayTable);

    std::vector<Job> jobs;
    for (auto family : {datedSheetJobs, pageJobs, decorationJobs}) {
        std::vector<Job> more = family(ctx);
        jobs.insert(jobs.end(), more.begin(), more.end());
    }

    // The jobs are independent: spread them over the cores.
    std::atomic<size_t> next{0};
    const unsigned threads = std::max(1u, std::thread::hardware_concurrency());
    std::vector<std::thread> pool;
    for (unsigned t = 0; t < threads; ++t)
        pool.emplace_back([&] {
            for (size_t i = next++; i < jobs.size(); i = next++) jobs[i]();
        });
    for (std::thread& thread : pool) thread.join();

    // Every catalogue entry must now exist.
    for (const zuv::CatalogueEntry& entry : zuv::resourceCatalogue())
        if (!QFileInfo::exists(resourcePath(ctx, entry))) fail(QStringLiteral("no picture was drawn for ") + entry.name);
    return 0;
}
