// Placeholder: plain white pictures at the catalogue's sizes until the real family lands.
#include "Catalogue.h"
#include "GenCommon.h"

namespace zuvgen {

std::vector<Job> datedSheetJobs(const Context& ctx) {
    QStringList names;
    for (int y = 2001; y <= 2049; y += 4) names << QStringLiteral("GS%1").arg(y);
    for (int y = 1921; y <= 2049; y += 4) names << QStringLiteral("VR%1").arg(y);
    for (int n = 481; n <= 512; ++n) names << QStringLiteral("VR%1_DAY").arg(n);
    names << QStringLiteral("VRCALTABLE");
    std::vector<Job> jobs;
    for (const QString& name : names)
        jobs.push_back([ctx, name] {
            const zuv::CatalogueEntry* e = zuv::findCatalogueEntry(name);
            QImage image(e->width, e->height, QImage::Format_ARGB32);
            image.fill(Qt::white);
            savePicture(ctx, name, image);
        });
    return jobs;
}

}  // namespace zuvgen
