// Placeholder: plain white pictures at the catalogue's sizes until the real family lands.
#include "Catalogue.h"
#include "GenCommon.h"

namespace zuvgen {

std::vector<Job> vrksPageJobs(const Context& ctx) {
    QStringList names;
    names << "VRKS_SPD" << "VRKS_SPD_YUG" << "VRKS_DKS" << "VRKS_HKS" << "VRKS_TFS_ASTRO" << "VRKS_TFS_PAS" << "ANONS_ZUV" << "ANONS_VRKS";
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
