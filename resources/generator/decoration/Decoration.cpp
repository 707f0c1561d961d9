// The decoration family: icons of the calendar systems, the program's emblem, the three main
// pages, the frame's side pictures, the overview table and the unused ZUV bitmap.

#include "Catalogue.h"
#include "decoration/Emblems.h"
#include "decoration/Pictures.h"
#include "decoration/Decoration.h"
#include "kit/Output.h"

#include <QPainter>
#include <functional>

namespace zuvgen {
namespace deco {

QImage drawSystemIcon(int system, int width, int height) {
    QImage image(width, height, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    // The emblem keeps its round shape in the middle of a slightly oblong icon, with a margin
    // so that its smoothed edge is not cut.
    paintEmblem(p, system, QPointF(width / 2.0, height / 2.0), qMin(width, height) / 2.0 - 2);
    return image;
}

QImage drawProgramIcon(int width, int height) {
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter p(&image);
    paintEmblem(p, 0, QPointF(width / 2.0, height / 2.0), qMin(width, height) / 2.0 - 1);
    return image;
}

QImage drawZuvBitmap(int width, int height) {
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter p(&image);
    paintFlatProjectEmblem(p, QPointF(width / 2.0, height / 2.0), qMin(width, height) / 2.0 - 2);
    return image;
}

}  // namespace deco

std::vector<Job> decorationJobs(const Context& ctx) {
    using namespace deco;
    using Draw = std::function<QImage(int, int)>;
    std::vector<std::pair<QString, Draw>> pictures = {
        {"KSIMG0", drawProgramIcon},
        {"ZUV", drawZuvBitmap},
        {"MAINZUV", [](int w, int h) { return drawMainPage(MainPage::Zuv, w, h); }},
        {"MAINGKS", [](int w, int h) { return drawMainPage(MainPage::Gregorian, w, h); }},
        {"MAINVRKS", [](int w, int h) { return drawMainPage(MainPage::Vrks, w, h); }},
        {"LEFTIMG", drawLeftPanel},
        {"RIGHTIMG", drawRightStrip},
        {"MAINTABLE", drawOverviewTable},
    };
    for (int n = 1; n <= kSystemCount; ++n)
        pictures.emplace_back(QStringLiteral("KSIMG%1").arg(n), [n](int w, int h) { return drawSystemIcon(n, w, h); });

    std::vector<Job> jobs;
    for (const auto& [name, draw] : pictures)
        jobs.push_back([ctx, name = name, draw = draw] {
            const QSize size = catalogueSize(name);
            savePicture(ctx, name, draw(size.width(), size.height()));
        });
    return jobs;
}

}  // namespace zuvgen
