// Placeholder: plain white pictures at the catalogue's sizes until the real family lands.
#include "Catalogue.h"
#include "GenCommon.h"

namespace zuvgen {

std::vector<Job> gregorianPageJobs(const Context& ctx) {
    QStringList names;
    names << "GKS_SPD2" << "GKS_SPD_YULI" << "GRKS_HKS" << "GRKS_DKS" << "ANONS_GRKS" << "ANONS_GOP" << "PATENT" << "GRKS_SPD";
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
