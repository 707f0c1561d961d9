#include "Catalogue.h"

namespace zuv {

namespace {

std::vector<CatalogueEntry> buildCatalogue() {
    using K = ResourceKind;
    std::vector<CatalogueEntry> c = {
        {"MAINZUV", K::PngRgb, 1272, 871},
        {"MAINGKS", K::PngRgb, 1272, 871},
        {"MAINVRKS", K::PngRgba, 1272, 871},
        {"GKS_SPD2", K::PngRgba, 2867, 1709},
        {"GKS_SPD_YULI", K::PngRgba, 2981, 2213},
        {"GRKS_HKS", K::PngRgba, 2969, 2185},
        {"GRKS_DKS", K::PngRgba, 1697, 2941},
        {"VRKS_SPD", K::PngRgba, 2969, 2073},
        {"VRKS_SPD_YUG", K::PngRgba, 1856, 1065},
        {"VRKS_DKS", K::PngRgba, 1644, 1037},
        {"VRKS_HKS", K::PngRgba, 2969, 978},
        {"VRKS_TFS_ASTRO", K::PngRgba, 2969, 2073},
        {"VRKS_TFS_PAS", K::PngRgba, 2969, 2073},
        {"ANONS_ZUV", K::PngRgb, 2491, 3697},
        {"ANONS_GRKS", K::PngRgb, 2307, 1741},
        {"ANONS_VRKS", K::PngRgb, 2117, 1509},
        {"ANONS_GOP", K::PngRgba, 2119, 3197},
        {"PATENT", K::PngRgb, 488, 708},
        {"GRKS_SPD", K::PngRgba, 2969, 2213},
        {"VRCALTABLE", K::PngRgba, 2969, 1289},
        {"KSIMG0", K::PngRgb, 117, 119},
        {"RIGHTIMG", K::PngRgba, 57, 491},
        {"MAINTABLE", K::PngRgba, 967, 846},
        {"LEFTIMG", K::Bitmap24, 298, 490},
        {"ZUV", K::Bitmap8, 191, 189},
        {"DVRKS", K::Text, 0, 0},
    };
    for (int year = 2001; year <= 2049; year += 4)
        c.push_back({QStringLiteral("GS%1").arg(year), K::PngRgba, year == 2017 ? 2968 : 2969, 1289});
    for (int year = 1921; year <= 2049; year += 4)
        c.push_back({QStringLiteral("VR%1").arg(year), K::PngRgb, 2969, 2073});
    for (int yuga = 481; yuga <= 512; ++yuga)
        c.push_back({QStringLiteral("VR%1_DAY").arg(yuga), K::PngRgba, 2969, 1289});
    static const int iconSizes[25][2] = {
        {180, 182}, {179, 177}, {182, 177}, {174, 177}, {177, 177}, {177, 177}, {179, 177},
        {186, 177}, {178, 177}, {173, 177}, {179, 177}, {177, 177}, {179, 177}, {177, 177},
        {177, 177}, {176, 177}, {178, 177}, {176, 177}, {176, 177}, {177, 177}, {178, 177},
        {178, 177}, {176, 177}, {176, 177}, {175, 177}};
    for (int n = 1; n <= 25; ++n)
        c.push_back({QStringLiteral("KSIMG%1").arg(n), K::PngRgba, iconSizes[n - 1][0], iconSizes[n - 1][1]});
    return c;
}

}  // namespace

const std::vector<CatalogueEntry>& resourceCatalogue() {
    static const std::vector<CatalogueEntry> catalogue = buildCatalogue();
    return catalogue;
}

const CatalogueEntry* findCatalogueEntry(const QString& upperName) {
    for (const CatalogueEntry& entry : resourceCatalogue())
        if (entry.name == upperName) return &entry;
    return nullptr;
}

}  // namespace zuv
