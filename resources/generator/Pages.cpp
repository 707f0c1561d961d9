// Placeholder: plain white pictures at the catalogue's sizes until the real family lands.
#include "Catalogue.h"
#include "GenCommon.h"

namespace zuvgen {

std::vector<Job> pageJobs(const Context& ctx) {
    QStringList names;
    names << "GKS_SPD2" << "GKS_SPD_YULI" << "GRKS_HKS" << "GRKS_DKS" << "VRKS_SPD" << "VRKS_SPD_YUG" << "VRKS_DKS" << "VRKS_HKS" << "VRKS_TFS_ASTRO" << "VRKS_TFS_PAS" << "ANONS_ZUV" << "ANONS_GRKS" << "ANONS_VRKS" << "ANONS_GOP" << "PATENT" << "GRKS_SPD";
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
