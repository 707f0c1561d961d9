// The decoration family's jobs: icons of the calendar systems, the program's emblem, the three
// main pages, the frame's side pictures, the overview table and the unused ZUV bitmap, each
// drawn at its catalogue size.

#include "decoration/Decoration.h"

#include "decoration/Pictures.h"
#include "facts/CalendarSystems.h"

#include <functional>

namespace zuvgen {

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
