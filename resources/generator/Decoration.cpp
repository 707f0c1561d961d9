// Placeholder: plain white pictures at the catalogue's sizes until the real family lands.
#include "Catalogue.h"
#include "GenCommon.h"

namespace zuvgen {

std::vector<Job> decorationJobs(const Context& ctx) {
    QStringList names;
    names << "MAINZUV" << "MAINGKS" << "MAINVRKS" << "KSIMG0" << "RIGHTIMG" << "MAINTABLE" << "LEFTIMG" << "ZUV";
    for (int n = 1; n <= 25; ++n) names << QStringLiteral("KSIMG%1").arg(n);
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
